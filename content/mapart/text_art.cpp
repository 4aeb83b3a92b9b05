#include "content/mapart/text_art.h"

#include "content/mapart/toolkit.h"

namespace mapart {

void drawShape(Canvas& img, const GlyphShape& shape, int x, int y, int scale, const RowColour& colour) {
  const int height = kGlyphRows * scale;
  for (int r = 0; r < kGlyphRows; ++r)
    for (size_t c = 0; c < shape[size_t(r)].size(); ++c) {
      if (shape[size_t(r)][c] != '#') continue;
      for (int j = 0; j < scale; ++j)
        for (int i = 0; i < scale; ++i) {
          const int row = r * scale + j;
          img.set(x + int(c) * scale + i, y + row, colour(row, height));
        }
    }
}

void drawText(Canvas& img, int x, int y, std::string_view text, int scale, int pitch, const RowColour& colour) {
  for (char ch : text) {
    if (const GlyphShape* shape = glyphShape(ch)) drawShape(img, *shape, x, y, scale, colour);
    x += pitch;
  }
}

void drawText(Canvas& img, int x, int y, std::string_view text, int scale, int pitch, uint8_t colour) {
  drawText(img, x, y, text, scale, pitch, [colour](int, int) { return colour; });
}

int textWidth(std::string_view text, int scale, int pitch) {
  if (text.empty()) return 0;
  int last = 6;
  if (const GlyphShape* shape = glyphShape(text.back())) last = glyphWidth(*shape);
  return int(text.size() - 1) * pitch + last * scale;
}

RowColour fontShading() {
  return [](int row, int height) -> uint8_t {
    const int band = row * 7 / height;
    if (band < 2) return ui::kTextHi;
    if (band < 5) return ui::kTextMid;
    return ui::kTextLow;
  };
}

}  // namespace mapart
