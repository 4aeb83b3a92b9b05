#pragma once
// The rectangles that the contact cases compare: a sprite's rounded screen
// position with the size of its current frame.
#include "components/gkspts/sprite.h"

struct TContactBox {
  int x, y, w, h;
  explicit TContactBox(const TGKSprite& s) : x(s.GetX()), y(s.GetY()), w(s.Width), h(s.Height) {}
  int right() const { return x + w; }
  int bottom() const { return y + h; }
  // The rectangles share at least one pixel (edges exclusive).
  bool intersects(const TContactBox& o) const {
    return x < o.right() && o.x < right() && y < o.bottom() && o.y < bottom();
  }
};
