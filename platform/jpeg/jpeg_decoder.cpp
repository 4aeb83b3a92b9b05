#include "platform/jpeg/jpeg_decoder.h"

#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <limits>
#include <utility>
#include <vector>
#include <string>

#include <jpeglib.h>

namespace platform {

namespace {

// The library reports a fatal error through error_exit and must not return to
// it. The handler keeps the message and jumps back to decodeInto, which is plain
// C-style code; decodeJpeg then raises the exception in C++ land, so no C++
// exception ever unwinds through the library's C frames.
struct ErrorManager {
  jpeg_error_mgr pub{};
  std::jmp_buf jump{};
  char message[JMSG_LENGTH_MAX] = {};
};

void jumpingErrorExit(j_common_ptr cinfo) {
  auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, err->message);
  std::longjmp(err->jump, 1);
}

// Warnings (a corrupt but still decodable stream) are ignored, as a viewer would.
void silentOutputMessage(j_common_ptr) {}

// The library's own working memory: the whole-image coefficient buffers of a
// progressive or multi-scan colour picture of the largest accepted size take
// about 25 MB; a picture that needs more fails instead of growing.
constexpr long kMaxLibraryMemory = 64L * 1024 * 1024;

// Checked as soon as the header gives the size, before the library or we take
// memory for the pixels.
bool acceptedSize(unsigned long w, unsigned long h) { return w > 0 && h > 0 && w <= kMaxJpegPixels / h; }

constexpr const char* kRefusal = "unsupported picture size or format";

// The library's progress monitor is called before each row of MCUs it reads,
// so it sees each scan begin before any of the scan's data is decoded. It
// counts the scans and their work, and ends the decode with the refusal before
// the scan that would pass kMaxJpegScans or kMaxJpegWork.
struct WorkMonitor {
  jpeg_progress_mgr pub{};
  JpegWork work;
};

void boundWork(j_common_ptr cinfo) {
  const auto* info = reinterpret_cast<j_decompress_ptr>(cinfo);
  auto* monitor = reinterpret_cast<WorkMonitor*>(info->progress);
  if (info->input_scan_number == monitor->work.scans) return;
  const uint64_t mcus = uint64_t(info->MCUs_per_row) * uint64_t(info->MCU_rows_in_scan);
  const uint64_t blocks = mcus * uint64_t(info->blocks_in_MCU);
  const uint64_t interval = info->restart_interval;
  const uint64_t restarts = interval > 0 && mcus > 0 ? (mcus - 1) / interval : 0;
  if (info->input_scan_number > kMaxJpegScans || blocks + restarts > kMaxJpegWork - monitor->work.total()) {
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    std::snprintf(err->message, sizeof err->message, "%s", kRefusal);
    std::longjmp(err->jump, 1);
  }
  monitor->work.scans = info->input_scan_number;
  monitor->work.blocks += blocks;
  monitor->work.restarts += restarts;
}

// Create, read header, start, read scanlines, finish, destroy. Returns false
// with err.message set when the library failed.
bool decodeInto(const unsigned char* data, unsigned long size, ErrorManager& err, WorkMonitor& monitor,
                std::vector<unsigned char>& pixels, int& width, int& height) {
  jpeg_decompress_struct info{};
  info.err = jpeg_std_error(&err.pub);
  err.pub.error_exit = jumpingErrorExit;
  err.pub.output_message = silentOutputMessage;
  if (setjmp(err.jump)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  const auto refuse = [&] {
    std::snprintf(err.message, sizeof err.message, "%s", kRefusal);
    jpeg_destroy_decompress(&info);
    return false;
  };
  monitor.pub.progress_monitor = boundWork;
  jpeg_create_decompress(&info);
  info.progress = &monitor.pub;
  info.mem->max_memory_to_use = kMaxLibraryMemory;
  jpeg_mem_src(&info, data, size);
  jpeg_read_header(&info, TRUE);
  if (!acceptedSize(info.image_width, info.image_height)) return refuse();
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  const unsigned long w = info.output_width, h = info.output_height;
  if (!acceptedSize(w, h) || info.output_components != 3) return refuse();
  pixels.resize(w * h * 3);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = pixels.data() + static_cast<size_t>(info.output_scanline) * w * 3;
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  width = static_cast<int>(w);
  height = static_cast<int>(h);
  return true;
}

}  // namespace

Bitmap decodeJpeg(std::string_view bytes, JpegWork* work) {
  if (work) *work = {};
  if (bytes.empty()) throw JpegError("JPEG: empty input");
  if (bytes.size() > std::numeric_limits<unsigned long>::max()) throw JpegError("JPEG: input too large");
  ErrorManager err;
  WorkMonitor monitor;
  std::vector<unsigned char> pixels;
  int width = 0, height = 0;
  const bool decoded = decodeInto(reinterpret_cast<const unsigned char*>(bytes.data()),
                                  static_cast<unsigned long>(bytes.size()), err, monitor, pixels, width, height);
  if (work) *work = monitor.work;
  if (!decoded) throw JpegError(std::string("JPEG: ") + err.message);
  Bitmap bmp;
  bmp.width = width;
  bmp.height = height;
  bmp.bitsPerPixel = 24;
  bmp.pixels = std::move(pixels);
  return bmp;
}

Bitmap readJpeg(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw JpegError("JPEG: cannot open " + path.string());
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return decodeJpeg(bytes);
}

}  // namespace platform
