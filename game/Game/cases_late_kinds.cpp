// Contact cases of the player with rotating discs and their balls, the flying
// shelled enemy, his own fireball, moving bases, the boomerang thrower and its
// boomerang, the flames that leap out of lava or water, and the cannons of ships
// and shooting pipes. Most of these kinds are driven by their case alone.
#include "game/Game/cases_late_kinds.h"

#include "components/ZEZ/TGKScreen.h"
#include "components/gkspts/sprite_mgr.h"
#include "game/Game/contact_tests.h"
#include "game/Game/level_events.h"
#include "game/Game/level_state.h"
#include "game/Game/sprite_moved.h"
#include "game/LevelAnimations/level_animations.h"
#include "game/frmMain/frmMain.h"
#include "game/frmMain/shell_state.h"

using namespace contact;

namespace {

TGKJumper& player() { return *Level.Player; }
TGKSprites& sprites() { return LevelSprites().Sprites; }

void setDirectionIfOther(TGKSprite& s, int d) {
  if (s.Direction != d) s.SetDirection(d);
}

// --- Rotating disc and its balls

constexpr int kBallKind = 275;
constexpr int kBallClockwise = 1, kBallAnticlockwise = 2;

void makeBall(int x, int y, int direction, int turn) {
  TGKSprite& ball = sprites().GetSprite(sprites().AddBouncer(0, x, y, 8, 2.0, kBallKind));
  ball.SetEdgeActions(0);
  if (Level.Options.Wrap) ball.LeftAction = ball.RightAction = eaWrap;
  ball.SetDirection(direction);
  ball.Param1 = turn;
}

TCaseEnd rotatingDisc(TPlayerMove&, int i) {  // 203
  TGKSprite& s = SpriteAt(i);
  if (s.Param1 != 0) return TCaseEnd::Solid;
  s.Param1 = 1;
  const int sx = s.GetX(), sy = s.GetY();
  const int first = s.Param2, second = s.Param3;  // read before the list grows
  if (first == 1) makeBall(sx + 3, sy - 50, 8, kBallClockwise);
  if (first == 2) makeBall(sx + 3, sy + 51, 8, kBallAnticlockwise);
  if (second == 1) makeBall(sx - 3, sy + 50, 24, kBallClockwise);
  if (second == 2) makeBall(sx - 3, sy - 51, 24, kBallAnticlockwise);
  return TCaseEnd::Solid;
}

TCaseEnd orbitingBall(TPlayerMove&, int i) {  // 275
  TGKSprite& s = SpriteAt(i);
  const TContactBox p(player()), b(s);
  if (Over(p, b) && b.bottom() >= p.y && p.bottom() >= b.y && Level.HurtTimer == -1) {
    HurtPlayer();
    return TCaseEnd::Leave;
  }
  // One direction step every fifth call, so that it circles.
  if (s.Timer == 0) {
    const int d = s.Direction;
    if (s.Param1 == kBallAnticlockwise) {
      if (d > 0)
        s.SetDirection(d - 1);
      else
        s.SetSequence(31);  // the velocity of direction 0 stays for one step
    } else {
      s.SetDirection(d < 31 ? d + 1 : 0);
    }
  }
  s.Timer = s.Timer == 4 ? 0 : s.Timer + 1;
  return TCaseEnd::Solid;
}

// --- Flying shelled enemy: dives when ridden, then turns back up.

TCaseEnd flyingShelled(TPlayerMove&, int i) {  // 277
  TGKSprite& s = SpriteAt(i);
  const TContactBox p(player()), b(s);
  if (Over(p, b) && BottomWithinPlayer(p, b) && Level.HurtTimer == -1) {
    HurtPlayer();
    return TCaseEnd::Leave;
  }
  const bool riding = Over(p, b) && b.bottom() >= p.y && p.bottom() >= b.y;
  if (riding) {
    s.Param1 = s.Param1 < 3 ? s.Param1 + 1 : 0;
    if (s.State == 0 && s.Direction == 24) {
      s.State = 1;
      s.SetDirection(18);
    } else if (s.Direction < 28 && s.Param1 == 0) {
      s.SetDirection(s.Direction + 1);
    }
  } else {
    setDirectionIfOther(s, 24);
  }
  return TCaseEnd::Solid;
}

// --- The player's fireball

constexpr int kThrowPoseMs = 200;

// The fire mode's idle and walk frames again after the throwing pose.
void endThrowingPose() {
  const PlayerModeFrames& frames = PlayerFramesFor(PlayerFire);
  TGKAnimations& animations = LevelSprites().Animations;
  animations.GetAnimation(PlayerIdle).DefineSequence(8, kPlayerIdleDelay, frames.idleRight);
  animations.GetAnimation(PlayerIdle).DefineSequence(24, kPlayerIdleDelay, frames.idleLeft);
  animations.GetAnimation(PlayerWalk).DefineSequence(8, kPlayerMoveDelay, frames.walkRight);
  animations.GetAnimation(PlayerWalk).DefineSequence(24, kPlayerMoveDelay, frames.walkLeft);
}

TCaseEnd playerFireball(TPlayerMove&, int i) {  // 332
  TGKSprite& s = SpriteAt(i);
  if (s.Timer != NoStamp && MsSince(s.Timer) > kThrowPoseMs && GameShell.PlayerMode == PlayerFire) {
    endThrowingPose();
    s.Timer = NoStamp;
  }
  const TRect clip = LevelScreen().GetClipRect();
  if (s.Enabled && !Touch(TContactBox(s), 0, 0, clip.Right, clip.Bottom)) {  // left the screen
    s.Disable();
    s.Hide();
  }
  return TCaseEnd::Solid;
}

// --- Moving bases

TCaseEnd movingBase(TPlayerMove&, int i) {  // 67, 198, 205, 206
  TGKSprite& s = SpriteAt(i);
  if (s.GetSpeed() == 0 && s.Param3 == 1 && i == Level.PrevStandingOnSprite) s.SetSpeed(BaseSpeed(s));
  if (s.Param2 == 1) {  // to and fro
    if (s.GetSpeed() < 0.1) s.BounceHorizontal();
    PaceAroundStart(s, 50);
  }
  return TCaseEnd::Solid;
}

// --- Boomerang thrower and boomerang

constexpr int kBoomerangKind = 336;
constexpr int kThrowerPauseMs = 500;
constexpr int kTurnsBeforeThrow = 2;
constexpr int kWaitingForBoomerang = 3;

bool validIndex(int index) { return index > 0 && index < sprites().Count(); }

void throwBoomerang(TGKSprite& thrower, int i) {
  const int c = Level.Options.ResFactor;
  if (!validIndex(thrower.Param4) || sprites().GetSprite(thrower.Param4).Animation != kBoomerangKind)
    thrower.Param4 = sprites().AddBouncer(0, 0, 0, 0, 2.0, kBoomerangKind);  // made once, then reused
  TGKSprite& b = sprites().GetSprite(thrower.Param4);
  b.SetEdgeActions(0);
  b.Enable();
  b.Show();
  b.State = i;
  b.Param1 = 0;
  b.SetX(thrower.GetX());
  b.SetY(thrower.GetY() - c / 2);
  b.SetDirection(thrower.Direction);
  b.SetSpeed(2.0);
  thrower.Param2 = kWaitingForBoomerang;
}

TCaseEnd boomerangThrower(TPlayerMove&, int i) {  // 335
  TGKSprite& s = SpriteAt(i);
  if (!s.Enabled) return TCaseEnd::Solid;
  const TContactBox p(player());
  setDirectionIfOther(s, p.x < s.GetX() ? 24 : 8);
  s.Param1 = 1 - s.Param1;
  if (s.Param1 == 0 && MsSince(s.Timer) > 0) s.SetX(s.State == 0 ? s.GetX() - 1 : s.GetX() + 1);
  // It paces one cell each way around its start, pausing at each end.
  const int c = Level.Options.ResFactor;
  const int x = s.GetX() + fmMain->CameraX, x0 = StartPosX(s);
  if ((s.State == 0 && x < x0 - c) || (s.State == 1 && x > x0 + c)) {
    s.State = 1 - s.State;
    s.Timer = StampIn(kThrowerPauseMs);
    ++s.Param2;
  }
  if (s.Param2 == kTurnsBeforeThrow) throwBoomerang(s, i);
  const TContactBox b(s);
  // Stomped from above: its columns meet the player's and his feet are in it.
  const bool across = p.right() >= b.x && b.right() >= p.x;
  if (across && s.Visible && p.bottom() < b.bottom() && p.bottom() >= b.y) {
    StompReward(1000);
    s.Disable();
    s.Hide();
    fmMain->ShowDust(b.x, b.y);
    if (Level.EncounterFoesLeft > -1) --Level.EncounterFoesLeft;
    return TCaseEnd::Next;
  }
  // Only a thrower the player meets hurts him, not one at his height far away.
  if (across && b.bottom() > p.y && p.bottom() >= b.bottom()) return Hurt();
  return TCaseEnd::Solid;
}

void flyBoomerang(TGKSprite& s, const TGKSprite& t) {
  const bool right = s.Direction == 8, left = s.Direction == 24;
  const double vx = s.GetVelocityX();
  switch (s.Param1) {
    case 0:  // rising slowly
      s.Param2 = 1 - s.Param2;
      if (s.Param2 == 0) s.SetY(s.GetY() - 1);
      if (t.GetY() - 16 > s.GetY()) s.Param1 = 1;
      break;
    case 1:  // rising faster
      s.Param2 = s.Param2 < 2 ? s.Param2 + 1 : 0;
      if (s.Param2 == 0) s.SetY(s.GetY() - 2);
      if (t.GetY() - 38 > s.GetY()) s.Param1 = 2;
      break;
    case 2:  // sinking and slowing down, then it turns
      s.Param2 = 1 - s.Param2;
      if (s.Param2 == 0) {
        s.SetY(s.GetY() + 2);
        s.SetVelocityX(vx / 1.1);
      }
      if ((left && s.GetVelocityX() > -0.5) || (right && s.GetVelocityX() < 0.5)) {
        s.Param1 = 3;
        s.BounceHorizontal();
        s.SetVelocityX(s.Direction == 8 ? 0.5 : -0.5);
      }
      break;
    case 3:  // coming back, speeding up
      s.Param2 = 1 - s.Param2;
      if (s.Param2 == 0) {
        s.SetY(s.GetY() + 1);
        s.SetVelocityX(vx * 1.1);
      }
      if ((right && s.GetVelocityX() >= 2.0) || (left && s.GetVelocityX() <= -2.0)) s.Param1 = 4;
      break;
    case 4:  // caught once it passes its thrower
      if (((right && t.GetX() < s.GetX()) || (left && t.GetX() > s.GetX())) && t.Enabled) {
        s.Disable();
        s.Hide();
        sprites().GetSprite(s.State).Param2 = 0;
      }
      break;
    default: break;
  }
}

TCaseEnd boomerang(TPlayerMove&, int i) {  // 336
  TGKSprite& s = SpriteAt(i);
  if (!s.Enabled || !validIndex(s.State)) return TCaseEnd::Solid;
  TGKSprite& t = sprites().GetSprite(s.State);
  const TContactBox b(s);
  if (b.x < -b.w || b.x > LevelScreen().GetClipRect().Right) {  // lost: the thrower may throw again
    s.Disable();
    s.Hide();
    t.Param2 = 0;
  }
  flyBoomerang(s, t);
  HurtOnTouch(TContactBox(player()), TContactBox(s));
  return TCaseEnd::Solid;
}

// --- Flame leaping out of lava or water

constexpr int kFlameRestMs = 3000;

TCaseEnd leapingFlame(TPlayerMove&, int i) {  // 337
  TGKSprite& s = SpriteAt(i);
  if (s.Param1 == 0 && MsSince(s.Timer) > 0) {
    s.Enable();
    s.Show();
    fmMain->ShowDrops(s.GetX(), s.GetY() + 2);
    s.SetDirection(0);
    s.SetSpeed(s.GetMaxSpeed());  // the flame value
    s.Param1 = 1;
  }
  if (s.Param1 == 1) {
    s.SetVelocityY(s.GetVelocityY() + 0.2);
    if (s.GetVelocityY() >= 0 && s.Direction == 0) {
      s.BounceVertical();
      s.SetVelocityY(0);
    }
    const int ground = validIndex(s.State) ? sprites().GetSprite(s.State).GetY() : s.GetY() + s.Height;
    if (s.Direction == 16 && s.GetY() + s.Height >= ground) {  // back in its lava or water
      fmMain->ShowDrops(s.GetX(), s.GetY() + 2);
      s.Disable();
      s.Hide();
      s.Param1 = 0;
      s.Timer = StampIn(kFlameRestMs);
    }
  }
  // A flame waiting hidden in the surface does not hurt.
  if (s.Visible) HurtOnTouch(TContactBox(player()), TContactBox(s));
  return TCaseEnd::Solid;
}

// --- Cannons of ships and the shooting pipe

constexpr int kCannonBallKind = 229;
constexpr int kCannonPeriodMs = 5000;

void shootBall(const TGKSprite& cannon, int x, int y, int direction) {
  const int state = cannon.State;
  TGKSprite& b = sprites().GetSprite(sprites().AddBouncer(0, x, y, direction, 0.0, kCannonBallKind));
  b.SetEdgeActions(0);
  b.State = state;
  b.SetMaxSpeed(10.0);
  b.SetSpeed(1.25);
  b.StartPos = MakeLong(b.GetX(), b.GetY());
  fmMain->ShowDust(b.GetX(), b.GetY());
  PlayLevelSound(SoundPipe);
}

TCaseEnd shipCannon(TPlayerMove&, int i) {  // 343, 344, 355
  TGKSprite& s = SpriteAt(i);
  if (!s.Enabled || (s.Animation == 355 && s.Param1 == 0)) return TCaseEnd::Solid;
  if (MsSince(s.Timer) <= kCannonPeriodMs) return TCaseEnd::Solid;
  s.Timer = StampNow();
  const int sx = s.GetX(), sy = s.GetY(), sw = s.Width;
  switch (s.Animation) {
    case 343:
      shootBall(s, sx + 18, sy + 18, 12);
      shootBall(s, sx, sy, 28);
      break;
    case 344:
      shootBall(s, sx, sy + 18, 20);
      shootBall(s, sx + 18, sy, 4);
      break;
    default: shootBall(s, sx - sw / 2, sy, 24); break;
  }
  return TCaseEnd::Solid;
}

}  // namespace

void RegisterLateKindCases(TKindCaseTable& table) {
  table.Set(51, rotatingDisc);
  table.Set(52, orbitingBall);
  table.Set(53, flyingShelled);
  table.Set(56, playerFireball);
  table.Set(58, movingBase);
  table.Set(59, boomerangThrower);
  table.Set(60, boomerang);
  table.Set(61, leapingFlame);
  table.Set(64, shipCannon);
  table.Set(65, shipCannon);
}
