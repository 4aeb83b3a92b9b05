#pragma once
// Writing with the font's shapes into pictures.
#include <functional>
#include <string_view>

#include "content/mapart/glyph_shapes.h"
#include "content/mapart/toolkit.h"

namespace mapart {

// Colour of a set pixel by its row inside the (scaled) glyph.
using RowColour = std::function<uint8_t(int row, int height)>;

// Draws one shape with each cell `scale` pixels square.
void drawShape(Canvas& img, const GlyphShape& shape, int x, int y, int scale, const RowColour& colour);

// Draws text with `pitch` pixels per character (8 in the game's font);
// characters without a shape leave their cell empty.
void drawText(Canvas& img, int x, int y, std::string_view text, int scale, int pitch, const RowColour& colour);
void drawText(Canvas& img, int x, int y, std::string_view text, int scale, int pitch, uint8_t colour);

// Width in pixels that drawText gives the text.
int textWidth(std::string_view text, int scale, int pitch);

// The font's own shading: light top, warm middle, deep bottom.
RowColour fontShading();

}  // namespace mapart
