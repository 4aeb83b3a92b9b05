#include "content/art/art_common.h"

namespace art {

void drawEye(Canvas& c, int x, int y, bool lookRight, bool angry) {
  c.fillRect(x, y, 2, 3, pal::White);
  c.vline(lookRight ? x + 1 : x, y + 1, y + 2, pal::Ink);
  if (angry) c.hline(x, x + 1, y - 1, pal::Ink);
}

void drawEyes(Canvas& c, int x, int y, int gap, bool lookRight, bool angry) {
  drawEye(c, x, y, lookRight, false);
  drawEye(c, x + 2 + gap, y, lookRight, false);
  if (angry) {
    c.set(x, y - 1, pal::Ink);
    c.set(x + 1, y, pal::Ink);
    c.set(x + 3 + gap, y - 1, pal::Ink);
    c.set(x + 2 + gap, y, pal::Ink);
  }
}

void shadedEllipse(Canvas& c, int x, int y, int w, int h, const Ramp& r) {
  c.fillEllipse(x, y, w, h, r[1]);
  c.fillEllipse(x, y, w - 1, h - 1, r[2]);
  c.fillEllipse(x + 1, y + 1, w / 2, h / 2, r[3]);
  c.fillEllipse(x + 1, y + 1, w / 2 - 1, h / 2 - 1, r[2]);
  c.set(x + w / 4, y + h / 4, r[3]);
}

void shadedRect(Canvas& c, int x, int y, int w, int h, const Ramp& r) {
  c.fillRect(x, y, w, h, r[2]);
  c.hline(x, x + w - 1, y, r[3]);
  c.vline(x, y, y + h - 1, r[3]);
  c.hline(x, x + w - 1, y + h - 1, r[1]);
  c.vline(x + w - 1, y, y + h - 1, r[1]);
}

Canvas tile(int w, int h, const Ramp& r, bool t, bool rt, bool b, bool l, Index edge) {
  Canvas c(w, h, r[2]);
  shadedRect(c, 0, 0, w, h, r);
  if (t) c.hline(0, w - 1, 0, edge);
  if (b) c.hline(0, w - 1, h - 1, edge);
  if (l) c.vline(0, 0, h - 1, edge);
  if (rt) c.vline(w - 1, 0, h - 1, edge);
  return c;
}

void brickPattern(Canvas& c, int x, int y, int w, int h, Index brick, Index mortar, Index light,
                  int brickW, int brickH) {
  for (int yy = y; yy < y + h; ++yy)
    for (int xx = x; xx < x + w; ++xx) {
      const int row = (yy - y) / brickH;
      const int offs = (row % 2) * (brickW / 2);
      const bool mortarRow = (yy - y) % brickH == brickH - 1;
      const bool mortarCol = (xx - x + offs) % brickW == brickW - 1;
      const bool lightEdge = (yy - y) % brickH == 0 || (xx - x + offs) % brickW == 0;
      c.set(xx, yy, mortarRow || mortarCol ? mortar : lightEdge ? light : brick);
    }
}

void putFacing(ImageSet& set, int right, int left, const std::string& name, const Canvas& c) {
  set.put(right, name + " r", c);
  set.put(left, name + " l", c.mirrored());
}

void sparkle(Canvas& c, int x, int y, Index colour) {
  c.set(x, y, colour);
  c.set(x - 1, y, colour);
  c.set(x + 1, y, colour);
  c.set(x, y - 1, colour);
  c.set(x, y + 1, colour);
}

}  // namespace art
