#include "platform/draw/text_rasterizer.h"

#include <algorithm>

namespace platform {

namespace {
BoxTextRasterizer& boxRasterizer() {
  static BoxTextRasterizer r;
  return r;
}
TextRasterizer* gRasterizer = nullptr;

int cellWidth(const TFont& font) { return std::max(2, font.pixelHeight() / 2 + 1); }
}  // namespace

TSize BoxTextRasterizer::measure(std::string_view text, const TFont& font) {
  return {int(text.size()) * cellWidth(font), std::max(1, font.pixelHeight())};
}

GlyphMask BoxTextRasterizer::render(std::string_view text, const TFont& font) {
  const TSize size = measure(text, font);
  GlyphMask mask{size.cx, size.cy, std::vector<uint8_t>(size_t(size.cx) * size.cy, 0)};
  const int cw = cellWidth(font);
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == ' ') continue;
    // A box with a one-pixel gap to its right and a clear top row.
    for (int y = 1; y < size.cy; ++y)
      for (int x = 0; x < cw - 1; ++x) mask.coverage[size_t(y) * size.cx + i * cw + x] = 255;
  }
  return mask;
}

TextRasterizer& textRasterizer() { return gRasterizer ? *gRasterizer : boxRasterizer(); }
void setTextRasterizer(TextRasterizer* rasterizer) { gRasterizer = rasterizer; }

}  // namespace platform
