#pragma once
// What the player's contact cases share: the rectangles they compare (a
// sprite's rounded screen position with the size of its current frame), the
// running level's sprites and keys, and tick stamps (platform/core/tick_stamp.h).
#include <cstdint>

#include "components/gkspts/sprite_mgr.h"
#include "game/Game/level_state.h"
#include "game/Game/sprite_moved.h"
#include "platform/core/tick_stamp.h"

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

namespace contact {

using platform::MsSince;
using platform::NoStamp;
using platform::StampIn;
using platform::StampNow;
inline TGKSprite& spriteAt(int i) { return LevelSprites().Sprites.GetSprite(i); }
inline TGKJumper& player() { return *Level.Player; }
// One of the sprite manager's keys (KeyFire1, KeyDown...) is held.
inline bool keyHeld(uint16_t TGKSpriteMgr::*key) { return LevelKeyHeld(LevelSprites().*key); }

}  // namespace contact
