// The player's power mode and the camera that follows the player.
#include "game/frmMain/camera.h"

#include <vector>

#include "components/ZEZ/TGKScreen.h"
#include "components/gkspts/sprite_mgr.h"
#include "game/Game/level_events.h"
#include "game/Game/level_state.h"
#include "game/frmMain/frmMain.h"

namespace {

struct TDirectionFrames {
  std::vector<uint16_t> right, left;
};
// The player's frames and delays in one power mode.
struct TModeFrames {
  TDirectionFrames standing, walking, jumpingInMedium, jumpingDry;
  int dryJumpDelay;
};
constexpr int kStandDelay = 150, kWalkDelay = 75, kMediumJumpDelay = 150;

const TModeFrames& modeFrames(int mode) {
  static const TModeFrames table[4] = {
      {{{0}, {1}}, {{0, 2, 0, 2}, {1, 3, 1, 3}}, {{472, 473, 474}, {475, 476, 477}}, {{4, 4, 4}, {5, 5, 5}}, 150},
      {{{7}, {8}}, {{7, 9, 11, 9}, {8, 10, 12, 10}}, {{478, 479, 480}, {481, 482, 483}}, {{13, 13, 13}, {14, 14, 14}},
       150},
      {{{253}, {254}},
       {{253, 255, 257, 255}, {254, 256, 258, 256}},
       {{484, 485, 486}, {487, 488, 489}},
       {{259, 261}, {260, 262}},
       75},
      {{{553}, {554}},
       {{553, 555, 557, 555}, {554, 556, 558, 556}},
       {{569, 570, 571}, {572, 573, 574}},
       {{559, 559, 559}, {560, 560, 560}},
       75},
  };
  return table[mode >= 0 && mode <= 3 ? mode : 0];
}

void define(TGKAnimations& animations, int animation, int delay, const TDirectionFrames& frames) {
  if (animation >= animations.Count()) return;
  TGKAnimation& a = animations.GetAnimation(animation);
  a.DefineSequence(8, delay, frames.right);
  a.DefineSequence(24, delay, frames.left);
}

void moveEverySprite(TGKSpriteMgr& m, int dx, int dy) { m.Sprites.MoveAll(true, dx, dy, true, 0, 0); }

}  // namespace

int CameraStep(int pos, int view, int camera, int levelSize, bool clamped, int ahead, int behind) {
  const int half = view / 2;
  if (pos >= half + ahead) {
    const int step = pos - half - ahead;
    return !clamped || camera + step <= levelSize - view ? step : 0;
  }
  if (pos <= half - behind) {
    const int step = pos - half + behind;
    return !clamped || camera + step >= 0 ? step : 0;
  }
  return 0;
}

void TfmMain::SetPlayerMode(int Mode, bool Hurt) {
  TGKSpriteMgr& m = *DXSprites;
  if (Level.LevelEnded || Level.PlayerDying || Level.EnteredPipe != -1 || GameShell.EntryMode != EntryNormal) return;
  if (m.Sprites.Count() == 0) return;
  TGKSprite& p = m.Sprites.GetSprite(PlayerSprite);
  if (!p.Controlled) return;
  if (Hurt) Level.HurtTimer = 2;

  // Animations 0-2 are the player's only in a level; on the map they are the
  // map player's own looks, whose images the level frames do not name.
  if (ScreenState() == ssLevel) {
    const TModeFrames& f = modeFrames(Mode);
    const bool inMedium = p.Param4 == MediumWater || p.Param4 == MediumQuicksand;
    define(m.Animations, 0, kStandDelay, f.standing);
    define(m.Animations, 1, kWalkDelay, f.walking);
    define(m.Animations, 2, inMedium ? kMediumJumpDelay : f.dryJumpDelay, inMedium ? f.jumpingInMedium : f.jumpingDry);
  }

  const int from = GameShell.PlayerMode;
  if (Mode != from) {
    GameShell.PlayerMode = Mode;
    if (Mode != PlayerFlying) {
      Level.MayFly = false;
      Level.UnlimitedFlight = false;
    }
    if (ScreenState() == ssLevel) {
      auto* jumper = dynamic_cast<TGKJumper*>(&p);
      auto fallLimit = [&] {
        if (jumper) jumper->SetMaxFall(p.Param4 == MediumWater ? Level.MaxFallSpeed / 3.0 : Level.MaxFallSpeed);
      };
      const bool facingRight = p.Direction == 8;
      if (Mode == PlayerSmall) {
        p.Height = 16;
        p.SetY(p.GetY() + 10);
        fallLimit();
        if (from == PlayerFlying) p.SetX(p.GetX() + (facingRight ? 4 : -4));
      } else if (Mode == PlayerBig || Mode == PlayerFire) {
        fallLimit();
        if (from == PlayerSmall) p.SetY(p.GetY() - 16);
        p.Height = 26;
      } else if (Mode == PlayerFlying) {
        if (from == PlayerSmall) p.SetY(p.GetY() - 16);
        p.SetX(p.GetX() + (facingRight ? -6 : 6));
        p.Height = 27;
      }
    }
  }
  if (m.KeyLeft == 0) {
    m.KeyLeft = uint16_t(Level.SavedKeyLeft);
    m.KeyRight = uint16_t(Level.SavedKeyRight);
  }
  if (Level.Carrying) SetCarrying(true, Level.CarriedSprite);
}

void TfmMain::ScrollView() {
  TGKSpriteMgr& m = *DXSprites;
  if (m.Sprites.Count() == 0) return;
  const TRect clip = DXScreen->GetClipRect();
  const TGKSprite& p = m.Sprites.GetSprite(PlayerSprite);
  const TLevelOptions& o = Level.Options;
  const int dx = CameraStep(p.GetX(), clip.width(), CameraX, o.Width * o.ResFactor, Level.ScrollLimits, DeadZoneRight,
                            DeadZoneLeft);
  if (dx != 0) {
    CameraX += dx;
    moveEverySprite(m, -dx, 0);
  }
  const int dy = CameraStep(m.Sprites.GetSprite(PlayerSprite).GetY(), clip.height(), CameraY, o.Height * o.ResFactor,
                            Level.ScrollLimits, DeadZoneDown, DeadZoneUp);
  if (dy != 0) {
    CameraY += dy;
    moveEverySprite(m, 0, -dy);
  }
}
