#pragma once
// Text for canvases, drawn by Qt without anti-aliasing (as GDI draws small
// bitmap fonts).
#include "platform/draw/text_rasterizer.h"

namespace platform::qt {

class QtTextRasterizer final : public TextRasterizer {
 public:
  GlyphMask render(std::string_view text, const TFont& font) override;
  TSize measure(std::string_view text, const TFont& font) override;
};

}  // namespace platform::qt
