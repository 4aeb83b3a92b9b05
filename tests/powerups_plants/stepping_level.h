#pragma once
// The hand-built level of the level event tests, with the dust ring in place,
// a small player and a way to move a sprite by its velocity as the sprite
// manager's pass would.
#include "../level_events/level_fixture.h"
#include "game/frmMain/shell_state.h"

class SteppingLevel : public LevelFixture {
 protected:
  void SetUp() override {
    LevelFixture::SetUp();
    for (int k = 0; k < DustPool.count; ++k) w().DustSprites[size_t(k)] = &sprite(DustPool.first + k);
    w().DustIndex = 0;
    Level.FireballIndex = 0;
    GameShell.PlayerMode = PlayerSmall;
    GameShell.EntryMode = EntryNormal;
  }
  // One move of sprite i by its velocity (no animation, edges or events).
  void step(int i) {
    TGKSprite& s = sprite(i);
    s.X += s.VelocityX;
    s.Y += s.VelocityY;
  }
  // The dust ring's last puff, or nullptr when none is shown.
  const TGKSprite* lastDust() {
    const int last = (w().DustIndex + DustPool.count - 1) % DustPool.count;
    const TGKSprite& d = sprite(DustPool.first + last);
    return d.Visible ? &d : nullptr;
  }
};
