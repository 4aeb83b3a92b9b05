// Contact case of the crushing block: it waits, drops when the player comes
// under it, lands on the first solid below it, rests there and rises back to
// where it waited.
#include "components/gkspts/sprite_mgr.h"
#include "game/Game/cases_powerups.h"
#include "game/Game/contact_tests.h"
#include "game/Game/kind_sets.h"
#include "game/Game/level_state.h"
#include "game/Game/sprite_moved.h"
#include "game/frmMain/frmMain.h"

namespace {

// The block's `State`.
enum TCrusherState : int { CrusherWaiting = 0, CrusherFalling = 1, CrusherLanded = 2, CrusherRising = 3 };
constexpr int kNear = 16;      // how near the player comes before it drops
constexpr int kLandReach = 8;  // ground this far below its bottom stops it
constexpr int kBridge = 107;   // a bridge is stood on 8 pixels deep
constexpr int kRestMs = 1500;

// The rest height is kept in `Param1` as a level y.
int& restY(TGKSprite& s) { return s.Param1; }

// The first visible solid, by sprite index, whose top is within reach below
// the block's bottom; -1 when none.
int groundUnder(const TGKSprite& s) {
  const TContactBox c(s);
  const int reach = c.bottom() + kLandReach;
  TGKSprites& sprites = LevelSprites().Sprites;
  for (int j = 1; j < sprites.Count(); ++j) {
    const TGKSprite& o = sprites.GetSprite(j);
    const TContactBox g(o);
    const int top = o.Animation == kBridge ? g.y + kLandReach : g.y;
    if (reach > top && g.bottom() > reach && c.right() >= g.x && g.right() > c.x &&
        !NonSolidKinds.contains(o.Animation) && o.Visible)
      return j;
  }
  return -1;
}

void fall(TGKSprite& s) {
  s.SetSpeed(s.GetSpeed() + 0.3);  // faster each move
  const int j = groundUnder(s);
  if (j < 0) return;
  const TGKSprite& ground = contact::SpriteAt(j);
  s.SetSpeed(0);
  s.SetY(ground.GetY() - s.Height + (ground.Animation == kBridge ? kLandReach : 0));
  s.State = CrusherLanded;
  s.Timer = contact::StampIn(kRestMs);
  PlayLevelSound(SoundPipe);
}

}  // namespace

TCaseEnd CrushingBlock(TPlayerMove&, int i) {
  TGKSprite& s = contact::SpriteAt(i);
  if (!s.Enabled) return TCaseEnd::Solid;
  if (s.State == CrusherWaiting) {
    const int px = contact::player().GetX(), sx = s.GetX(), sw = s.Width;
    if (px + sw + kNear > sx && sx + sw > px - kNear) {
      s.SetDirection(16);
      restY(s) = s.GetY() + fmMain->CameraY;
      s.SetSpeed(1.0);
      s.State = CrusherFalling;
    }
  }
  if (s.State == CrusherFalling) fall(s);
  if (s.State == CrusherLanded && contact::MsSince(s.Timer) >= 0) {
    s.SetDirection(0);
    s.SetSpeed(1.5);
    s.State = CrusherRising;
  }
  if (s.State == CrusherRising && restY(s) >= s.GetY() + fmMain->CameraY) {
    s.SetSpeed(0);
    s.State = CrusherWaiting;
    s.SetY(restY(s) - fmMain->CameraY);
  }
  return TouchesPlayerBelowFeet(s) ? contact::Hurt() : TCaseEnd::Solid;
}
