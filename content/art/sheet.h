#pragma once
// A contact sheet of an image library: every image, enlarged, on a checkered
// ground that shows its transparent pixels, with its index underneath.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace art {

struct SheetImage {
  int width = 0, height = 0;
  std::vector<uint8_t> pixels;  // width x height palette indexes, top row first
};

struct SheetRgb {
  uint8_t r = 0, g = 0, b = 0;
};

struct SheetOptions {
  int scale = 2;           // pixels per image pixel
  int sheetWidth = 1280;   // the sheet wraps into rows of at most this width
};

// Writes the sheet as a PNG file; throws std::runtime_error when it cannot.
void writeContactSheet(const std::vector<SheetImage>& images, const std::array<SheetRgb, 256>& palette,
                       const std::string& pngPath, const SheetOptions& options = {});

}  // namespace art
