#pragma once
// Turns a line of text into a coverage mask. The programs install the Qt one; the
// headless one, used by tests, draws one box per visible character.
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/draw/canvas.h"

namespace platform {

struct GlyphMask {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> coverage;  // width*height, 0 (clear) .. 255 (ink)
};

class TextRasterizer {
 public:
  virtual ~TextRasterizer() = default;
  // text is Windows-1252. The mask is the text's whole cell.
  virtual GlyphMask render(std::string_view text, const TFont& font) = 0;
  virtual TSize measure(std::string_view text, const TFont& font) = 0;
};

class BoxTextRasterizer final : public TextRasterizer {
 public:
  GlyphMask render(std::string_view text, const TFont& font) override;
  TSize measure(std::string_view text, const TFont& font) override;
};

TextRasterizer& textRasterizer();
// nullptr restores the box rasteriser. The rasteriser must outlive its use.
void setTextRasterizer(TextRasterizer* rasterizer);

}  // namespace platform
