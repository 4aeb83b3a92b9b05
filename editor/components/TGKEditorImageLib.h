#pragma once
// The editor's image library: the game's library plus a background colour, and
// a drawing routine for ordinary canvases in which palette index 0 shows that
// colour (white when none was given). Palette entries other than 0 that are
// pure black are drawn as (8, 8, 8), so that they never take the background.
#include "components/GKILib/TGKImageLib.h"
#include "platform/draw/canvas.h"
#include "platform/draw/gdi_bitmap.h"

class TGKEditorImageLib : public TGKImageLib {
 public:
  platform::TColor BackgroundColor = platform::clWhite;
  bool UseBackgroundColor = false;

  // Image index at (x, y); an index outside the images draws nothing.
  void DrawTransparentEditor(platform::Canvas& canvas, int x, int y, int index) const;
  // The image as an 8-bit bitmap whose table has entry 0 black and every other
  // pure-black entry raised to (8, 8, 8).
  platform::GdiBitmap MakeEditorBitmap(int index) const;
};
