#pragma once
// Shapes shared by several families: faces, beveled tiles, shaded bodies.
#include <string>

#include "content/art/palette.h"
#include "content/art/toolkit.h"

namespace art {

// A round eye looking right (lookRight) or left, 2x3 white with a pupil.
void drawEye(Canvas& c, int x, int y, bool lookRight, bool angry = false);
// A pair of eyes side by side, looking one way.
void drawEyes(Canvas& c, int x, int y, int gap, bool lookRight, bool angry = false);
// A filled body shaded from light (top-left) to dark (bottom-right).
void shadedEllipse(Canvas& c, int x, int y, int w, int h, const Ramp& r);
void shadedRect(Canvas& c, int x, int y, int w, int h, const Ramp& r);
// A solid square tile: fill, one-pixel bevel, and an outline of colour edge
// on the sides given (t, r, b, l).
Canvas tile(int w, int h, const Ramp& r, bool t = true, bool rt = true, bool b = true, bool l = true,
            Index edge = pal::Border);
// Rows of bricks with mortar lines over a canvas region.
void brickPattern(Canvas& c, int x, int y, int w, int h, Index brick, Index mortar, Index light,
                  int brickW = 8, int brickH = 4);
// Puts a right-facing picture at `right` and its mirror at `left`.
void putFacing(ImageSet& set, int right, int left, const std::string& name, const Canvas& c);
// Sparkle cross.
void sparkle(Canvas& c, int x, int y, Index colour);

}  // namespace art
