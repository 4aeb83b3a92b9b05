#pragma once
// Small shapes the glyphs and icons are put together from.
#include "content/icons/icon_palette.h"

namespace icons {

enum class Direction { Right, Left, Down, Up };

// A white sheet with an ink edge and its top-right corner folded over.
void page(Canvas& c, int x, int y, int w, int h);
// A window: ink frame, blue caption bar, white inside.
void window(Canvas& c, int x, int y, int w, int h);
// A rectangle of one colour in an ink frame.
void box(Canvas& c, int x, int y, int w, int h, Index fill);
// A bold red X, edged in dark red, in the square (x, y, size).
void cross(Canvas& c, int x, int y, int size);
// A lens of the given diameter at (x, y) with its handle below right.
void magnifier(Canvas& c, int x, int y, int lens);
// A 9x7 arrow with its top-left at (x, y) (7x9 when pointing up or down).
void arrow(Canvas& c, int x, int y, Direction to, Index fill, Index edge);
// An 11x11 floppy disk.
Canvas smallFloppy();

}  // namespace icons
