#pragma once
// An in-memory bitmap: 8-bit indexed with a 256-entry colour table, or 24-bit.
// Rows are top-down and unpadded in memory; the BMP format pads and flips them.
#include <array>
#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace platform {

struct Rgb {
  uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

struct Bitmap {
  int width = 0;
  int height = 0;
  int bitsPerPixel = 8;               // 8 or 24
  std::array<Rgb, 256> colors{};      // 8-bit only
  std::vector<uint8_t> pixels;        // width*height bytes (8) or width*height*3 (24, r g b)

  Bitmap() = default;
  Bitmap(int w, int h, int bpp);
  bool empty() const { return width <= 0 || height <= 0; }
  uint8_t index(int x, int y) const { return pixels[size_t(y) * width + x]; }
  // The colour of a pixel at either depth.
  Rgb color(int x, int y) const;
};

class BmpError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Reads Windows BMP: uncompressed 8-bit (with colour table; shorter tables are
// padded with black) and 24-bit, bottom-up or top-down. Throws BmpError on a
// truncated or malformed file.
Bitmap readBmp(const std::filesystem::path& path);
Bitmap decodeBmp(std::string_view bytes);
std::string encodeBmp(const Bitmap& bmp);
void writeBmp(const std::filesystem::path& path, const Bitmap& bmp);

}  // namespace platform
