// Baseline JPEG output through libjpeg's compressor.
#include <cstdio>
#include <jpeglib.h>

#include <csetjmp>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "content/mapart/logo_art.h"

namespace mapart {
namespace {

struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void onError(j_common_ptr info) {
  auto* err = reinterpret_cast<ErrorManager*>(info->err);
  info->err->format_message(info, err->message);
  std::longjmp(err->jump, 1);
}

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

}  // namespace

void writeJpeg(const std::filesystem::path& path, const ImageRgb& image, int quality) {
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
  if (!file) throw std::runtime_error("cannot write " + path.string());
  std::vector<JSAMPLE> row(size_t(image.width()) * 3);

  jpeg_compress_struct info{};
  ErrorManager err{};
  info.err = jpeg_std_error(&err.base);
  err.base.error_exit = onError;
  if (setjmp(err.jump)) {
    jpeg_destroy_compress(&info);
    throw std::runtime_error("JPEG output failed: " + std::string(err.message));
  }
  jpeg_create_compress(&info);
  jpeg_stdio_dest(&info, file.get());
  info.image_width = JDIMENSION(image.width());
  info.image_height = JDIMENSION(image.height());
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    const int y = int(info.next_scanline);
    for (int x = 0; x < image.width(); ++x) {
      const Rgb c = image.at(x, y);
      row[size_t(x) * 3] = c.r;
      row[size_t(x) * 3 + 1] = c.g;
      row[size_t(x) * 3 + 2] = c.b;
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  if (std::fflush(file.get()) != 0) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace mapart
