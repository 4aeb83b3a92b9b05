// Contact cases of the player with enemies that can be stomped or that hurt
// him, the hopping and flying of winged enemies, and the player's handling of
// shells: stopping, picking up and kicking them.
#include <cstdint>

#include "components/ZEZ/TGKScreen.h"
#include "components/gkspts/sprite_mgr.h"
#include "game/Game/contact_box.h"
#include "game/Game/kind_cases.h"
#include "game/Game/level_events.h"
#include "game/Game/level_state.h"
#include "game/Game/sprite_moved.h"
#include "game/frmMain/frmMain.h"
#include "platform/core/tick_stamp.h"

namespace {

using namespace contact;

bool playerFacesRight() { return player().Direction == 8; }

bool touchesAcross(const TContactBox& p, const TContactBox& o) { return p.right() - 1 >= o.x && o.right() >= p.x; }
// The player's feet inside the enemy: a stomp.
bool stomps(const TContactBox& p, const TContactBox& o) {
  return touchesAcross(p, o) && o.y <= p.bottom() && p.bottom() < o.bottom();
}

// Shelled enemies, shells and the skeleton bounce the player less with Fire1.
void bounce(bool high) {
  const bool fire1 = keyHeld(&TGKSpriteMgr::KeyFire1);
  player().SetVelocityY(fire1 ? (high ? -6 : -7) : -3);
}

// Score of a stomp in a chain; from the eighth stomp on each one gives a life.
void scoreStomp(int points) {
  if (Level.StompCombo < 1) Level.StompCombo = 1;  // a chain starts at 1
  Level.Score += points * Level.StompCombo;
  if (Level.StompCombo >= 8) fmMain->AddLives(1);
  ++Level.StompCombo;
}

// Touched from the side while not invulnerable: hurt, and the handler ends.
TCaseEnd hurtOrSolid(const TContactBox& p, const TContactBox& o) {
  if (touchesAcross(p, o) && Level.HurtTimer == -1 && o.bottom() >= p.y && p.bottom() >= o.bottom()) {
    HurtPlayer();
    return TCaseEnd::Leave;
  }
  return TCaseEnd::Solid;
}

void squash(TGKSprite& o, int animation, int drop) {
  o.SetAnimation(animation);
  o.SetY(o.GetY() + drop);
  o.SetSpeed(0);
  o.Timer = StampNow();
}

TCaseEnd walkingEnemy(TPlayerMove&, int i) {  // 54, 55, 56
  TGKSprite& o = spriteAt(i);
  if (!o.Enabled) return TCaseEnd::Solid;
  const TContactBox p(player()), b(o);
  if (!stomps(p, b)) return hurtOrSolid(p, b);
  if (o.Animation == 54) {
    squash(o, 166, 8);
  } else {
    o.Disable();
    o.Hide();
    fmMain->ShowDust(b.x, b.y);
  }
  scoreStomp(200);
  bounce(false);
  return TCaseEnd::Next;
}

// The hop of winged enemies: the horizontal step of a fast hop is taken back, and
// every second move it drifts one pixel the way it faces.
void hopDrift(TGKSprite& o) {
  if (o.GetSpeed() > 1) o.SetX(o.GetX() - o.VelocityX.round());
  o.State = o.State == 0 ? 1 : 0;
  if (o.State == 0) {
    if (o.Direction == 31) o.SetX(o.GetX() - 1);
    if (o.Direction == 1) o.SetX(o.GetX() + 1);
  }
}

constexpr int kHopRest = 4;
constexpr int kHopRestMs = 2000;

// On landing, kinds 163 and 164 hop three low hops, one high one, then rest.
// Only a landing counts: the walker rules flag every move on the ground for the
// winged kind 163, so that its rest ends there; a 164 (wings lost) keeps walking.
void nextHop(TGKSprite& o) {
  if (o.Param3 != 1) return;
  o.Param3 = 0;
  const double jump = o.Data;
  if (o.Param2 >= 0 && o.Param2 <= 2) {
    o.SetSpeed(jump / 1.5);
    ++o.Param2;
  } else if (o.Param2 == 3) {
    o.SetSpeed(jump);
    o.Param2 = kHopRest;
    o.Timer = StampNow();
  } else if (o.Param2 == kHopRest) {
    o.SetSpeed(0);
    if (MsSince(o.Timer) > kHopRestMs) {
      o.SetSpeed(jump / 1.5);
      o.SetDirection(o.GetX() < player().GetX() ? 1 : 31);
      o.Param2 = 0;
    }
  }
}

TCaseEnd wingedEnemy(TPlayerMove&, int i) {  // 163, 164
  TGKSprite& o = spriteAt(i);
  if (!o.Enabled) return TCaseEnd::Solid;
  hopDrift(o);
  nextHop(o);
  const TContactBox p(player()), b(o);
  if (!stomps(p, b)) return hurtOrSolid(p, b);
  if (o.Animation == 163) {
    const int was = o.Direction;
    o.SetAnimation(164);
    o.SetY(o.GetY() + 8);
    o.SetX(o.GetX() + 2);
    o.SetDirection(was == 31 ? 24 : 8);
    o.SetSpeed(0.75);
  } else {
    squash(o, 165, 8);
  }
  scoreStomp(200);
  bounce(false);
  return TCaseEnd::Next;
}

TCaseEnd squashed(TPlayerMove&, int i) {  // 165, 166
  TGKSprite& o = spriteAt(i);
  if (o.Enabled && MsSince(o.Timer) > 400) {
    o.Disable();
    o.Hide();
  }
  return TCaseEnd::Solid;
}

int shellOf(int kind) {
  switch (kind) {
    case 57: return 58;
    case 109: return 111;
    case 110: return 113;
    default: return 225;  // 224
  }
}

TCaseEnd shelledEnemy(TPlayerMove&, int i) {  // 57, 109, 110, 224
  TGKSprite& o = spriteAt(i);
  if (!o.Enabled) return TCaseEnd::Solid;
  const TContactBox p(player()), b(o);
  if (o.Animation == 110) {
    const int d = LevelScreen().GetClipRect().Right - 200;
    if (b.x - d > p.x && o.Direction == 8)
      o.SetDirection(24);
    else if (b.x + d < p.x && o.Direction == 24)
      o.SetDirection(8);
  }
  if (!stomps(p, b)) return hurtOrSolid(p, b);
  const int shell = shellOf(o.Animation);
  o.SetAnimation(shell);
  o.SetSpeed(0);
  if (shell != 225) o.SetY(o.GetY() + 4);
  o.SetDirection(0);
  o.StartPos = MakeLong(o.GetX() + fmMain->CameraX, o.GetY() + fmMain->CameraY);
  scoreStomp(200);
  bounce(true);
  fmMain->ShowDust(b.x, b.y);
  return TCaseEnd::Next;
}

// Kind 232 flying left and right about its start point, bobbing.
void flyAcross(TGKSprite& o) {
  if (o.GetSpeed() < 0.1) o.BounceHorizontal();
  const int x = o.GetX() + fmMain->CameraX, sx = StartPosX(o);
  const double step = o.Direction > 0 && o.Direction < 16 ? 0.02 : -0.02;
  if (x > sx + 50) o.SetSpeed(o.GetSpeed() - step);
  if (x < sx - 50) o.SetSpeed(o.GetSpeed() + step);
  const int bob = o.State;
  if (bob == 0 || bob == 2 || bob == 11 || bob == 13) o.SetY(o.GetY() - 1);
  if (bob == 6 || bob == 8 || bob == 17 || bob == 19) o.SetY(o.GetY() + 1);
  o.State = bob >= 22 || bob < 0 ? 0 : bob + 1;
}

// Kind 232 swinging up and down about its start point.
void flyUpDown(TGKSprite& o) {
  if (o.Direction == 16) o.SetDirection(0);
  const int y = o.GetY() + fmMain->CameraY, sy = StartPosY(o);
  if (y > sy + 50) o.SetSpeed(o.GetSpeed() + 0.02);
  if (y < sy - 50) o.SetSpeed(o.GetSpeed() - 0.02);
}

enum TWingedTurtleMode { TurtleHops = 1, TurtleFliesAcross = 2, TurtleFliesUpDown = 3 };

TCaseEnd wingedTurtle(TPlayerMove&, int i) {  // 232
  TGKSprite& o = spriteAt(i);
  if (!o.Enabled) return TCaseEnd::Solid;
  switch (o.Param3) {
    case TurtleHops: hopDrift(o); break;
    case TurtleFliesAcross: flyAcross(o); break;
    case TurtleFliesUpDown: flyUpDown(o); break;
    default: break;
  }
  const TContactBox p(player()), b(o);
  if (!stomps(p, b)) return hurtOrSolid(p, b);
  bounce(false);
  const int was = o.Direction;
  o.SetAnimation(109);
  o.SetDirection(was == 31 ? 8 : 24);
  o.SetSpeed(0.75);
  scoreStomp(100);
  fmMain->ShowDust(b.x, b.y);
  return TCaseEnd::Next;
}

bool movingShellKind(int kind) { return kind == 108 || kind == 112 || kind == 114 || kind == 226; }

int stoppedShellOf(int kind) {
  switch (kind) {
    case 108: return 58;
    case 112: return 111;
    case 114: return 113;
    case 226: return 225;
    default: return kind;
  }
}

int kickedShellOf(int kind) {
  switch (kind) {
    case 58: return 108;
    case 111: return 112;
    case 113: return 114;
    case 225: return 226;
    default: return kind;
  }
}

constexpr int kShellGraceMs = 200;

void pickUp(TGKSprite& o, const TContactBox& p) {
  o.SetX(playerFacesRight() ? p.right() - 4 : p.x - o.Width + 4);
  const bool down = keyHeld(&TGKSpriteMgr::KeyDown);
  o.SetY(GameShell.PlayerMode == PlayerSmall ? p.y + 1 : p.y + (down ? 2 : 8));
  if (!Level.Carrying) SetCarrying(true, &o);
  o.State = 1;
}

void kick(TGKSprite& o) {
  o.SetAnimation(kickedShellOf(o.Animation));
  o.SetDirection(playerFacesRight() ? 8 : 24);
  o.SetSpeed(PlayerMedium(o) == MediumWater ? 2.5 : 5.0);
  if (Level.Carrying) {
    if (!keyHeld(&TGKSpriteMgr::KeyDown)) o.Timer = StampNow();
    SetCarrying(false, nullptr);
  }
}

TCaseEnd shell(TPlayerMove&, int i) {  // 58, 108, 111-114, 225, 226
  TGKSprite& o = spriteAt(i);
  if (!o.Enabled || !o.Visible) return TCaseEnd::Solid;
  o.State = 0;
  TContactBox p(player()), b(o);
  if (p.right() >= b.x && b.right() >= p.x && b.bottom() >= p.y && b.bottom() < p.bottom())
    o.SetY(b.y + player().VelocityY.round());
  b = TContactBox(o);

  if (o.GetSpeed() > 0 && movingShellKind(o.Animation) && stomps(p, b)) {
    o.SetAnimation(stoppedShellOf(o.Animation));
    o.SetSpeed(0);
    bounce(true);
    // The stopped shell's own start point, so that off screen it sleeps where
    // it was stopped instead of jumping back to where the level placed it.
    o.StartPos = MakeLong(b.x + fmMain->CameraX, b.y + fmMain->CameraY);
    p = TContactBox(player());
  }

  const bool beside = b.x < p.right() && p.x < b.right() && p.y + 3 < b.bottom() && b.y < p.bottom() - 3;
  if (!beside) return TCaseEnd::Solid;
  if (movingShellKind(o.Animation)) {
    const bool deep = playerFacesRight() ? b.x < p.right() - 3 : p.x + 3 < b.right();
    if (o.GetSpeed() > 0 && deep && Level.HurtTimer == -1 && MsSince(o.Timer) > kShellGraceMs) HurtPlayer();
    return TCaseEnd::Solid;
  }
  if (keyHeld(&TGKSpriteMgr::KeyFire2))
    pickUp(o, p);
  else
    kick(o);
  return TCaseEnd::Solid;
}

TCaseEnd skeleton(TPlayerMove&, int i) {  // 64
  TGKSprite& o = spriteAt(i);
  if (!o.Enabled) return TCaseEnd::Solid;
  const TContactBox p(player()), b(o);
  if (!stomps(p, b)) return hurtOrSolid(p, b);
  o.SetAnimation(65);
  o.SetSpeed(0);
  o.SetY(o.GetY() + 16);
  o.SetDirection(0);
  PlayBrickSound();
  scoreStomp(200);
  bounce(true);
  fmMain->ShowDust(b.x, b.y);
  return TCaseEnd::Next;
}

}  // namespace

void RegisterStompableCases(TKindCaseTable& table) {
  table.Set(14, walkingEnemy);
  table.Set(15, wingedEnemy);
  table.Set(16, squashed);
  table.Set(17, shelledEnemy);
  table.Set(18, wingedTurtle);
  table.Set(19, shell);
  table.Set(24, skeleton);
}
