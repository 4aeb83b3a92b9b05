#include "content/icons/icon_shapes.h"

#include <algorithm>

namespace icons {

void page(Canvas& c, int x, int y, int w, int h) {
  const int fold = std::max(3, w / 4);
  c.fillRect(x, y, w, h, ink('w'));
  c.frameRect(x, y, w, h, ink('k'));
  const int fx = x + w - fold;
  // Cut the corner, then draw the turned-over flap.
  for (int i = 0; i < fold; ++i) c.hline(fx + i + 1, x + w - 1, y + i, pixelart::kClear);
  for (int i = 0; i < fold; ++i) c.hline(fx, fx + i, y + i, ink('s'));
  c.line(fx, y, x + w - 1, y + fold, ink('k'));
  c.vline(fx, y, y + fold, ink('k'));
  c.hline(fx, x + w - 1, y + fold, ink('k'));
}

void window(Canvas& c, int x, int y, int w, int h) {
  c.fillRect(x, y, w, h, ink('w'));
  c.fillRect(x, y, w, std::min(3, h), ink('b'));
  c.frameRect(x, y, w, h, ink('k'));
}

void box(Canvas& c, int x, int y, int w, int h, Index fill) {
  c.fillRect(x, y, w, h, fill);
  c.frameRect(x, y, w, h, ink('k'));
}

void cross(Canvas& c, int x, int y, int size) {
  Canvas mark(c.width(), c.height());
  for (int i = 0; i < size; ++i)
    for (int t = 0; t < 2; ++t) {
      const int left = std::min(i + t, size - 1), right = std::max(size - 1 - i - t, 0);
      mark.set(x + left, y + i, ink('r'));
      mark.set(x + right, y + i, ink('r'));
    }
  mark.outline(ink('R'));
  c.stamp(mark, 0, 0);
}

void magnifier(Canvas& c, int x, int y, int lens) {
  for (int i = 0; i < lens / 2; ++i) c.fillRect(x + lens - 2 + i, y + lens - 2 + i, 3, 3, ink('O'));
  for (int i = 0; i < lens / 2; ++i) c.fillRect(x + lens - 1 + i, y + lens - 1 + i, 2, 2, ink('o'));
  c.fillEllipse(x, y, lens, lens, ink('k'));
  c.fillEllipse(x + 1, y + 1, lens - 2, lens - 2, ink('c'));
  c.set(x + lens / 3, y + lens / 3, ink('w'));
  c.set(x + lens / 3 + 1, y + lens / 3, ink('w'));
  c.set(x + lens / 3, y + lens / 3 + 1, ink('w'));
}

void arrow(Canvas& c, int x, int y, Direction to, Index fill, Index edge) {
  Canvas right = art({
      "....kk...",
      "....kek..",
      "kkkkkeek.",
      "keeeeeeek",
      "kkkkkeek.",
      "....kek..",
      "....kk...",
  });
  right.recolour({{ink('k'), edge}, {ink('e'), fill}});
  switch (to) {
    case Direction::Right: break;
    case Direction::Left: right = right.mirrored(); break;
    case Direction::Down: right = right.transposed(); break;
    case Direction::Up: right = right.transposed().flipped(); break;
  }
  c.stamp(right, x, y);
}

Canvas smallFloppy() {
  return art({
      "kkkkkkkkkkk",
      "kbkwwwwwkbk",
      "kbkwgggwkbk",
      "kbkwwwwwkbk",
      "kbbkkkkkbbk",
      "kbbbbbbbbbk",
      "kbbsssssbbk",
      "kbbsGsssbbk",
      "kbbsGsssbbk",
      "kbbsssssbbk",
      "kkkkkkkkkkk",
  });
}

}  // namespace icons
