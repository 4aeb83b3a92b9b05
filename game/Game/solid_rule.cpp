#include "game/Game/solid_rule.h"

#include <cstdint>

#include "components/ZEZ/TGKScreen.h"
#include "components/gkspts/sprite_mgr.h"
#include "game/Game/kind_sets.h"
#include "game/Game/level_state.h"
#include "game/Game/sprite_moved.h"
#include "game/Game/walker_physics.h"
#include "game/frmMain/frmMain.h"
#include "game/frmMain/shell_state.h"
#include "platform/core/tick_stamp.h"

void StartWalkOff() {
  TGKJumper& p = *Level.Player;
  p.JumpAnimation = p.WalkAnimation = p.StandAnimation = 1;
  static const uint16_t right[4][4] = {{0, 2, 0, 2}, {7, 9, 11, 9}, {253, 255, 257, 255}, {553, 555, 557, 555}};
  static const uint16_t left[4][4] = {{1, 3, 1, 3}, {8, 10, 12, 10}, {254, 256, 258, 256}, {554, 556, 558, 556}};
  const int mode = GameShell.PlayerMode >= 0 && GameShell.PlayerMode <= 3 ? GameShell.PlayerMode : 0;
  TGKAnimation& walk = LevelSprites().Animations.GetAnimation(1);
  walk.DefineSequence(8, 37, std::span<const uint16_t>(right[mode], 4));
  walk.DefineSequence(24, 37, std::span<const uint16_t>(left[mode], 4));
  p.Bounds = {0, 0, Level.Options.Width * Level.Options.ResFactor, LevelScreen().GetClipRect().Bottom};
  p.SetDirection(8);
  p.SetSpeed(2.0);
  p.SetDeceleration(0.0);
}

namespace {

bool SideStopKind(int kind) { return !OneWayKinds.contains(kind) && kind != KindShipFitting; }

void HeadBump(TPlayerMove& move, TGKJumper& p, const TGKSprite& s) {
  const int centre = p.GetX() + p.Width / 2;
  const int sx = s.GetX(), sy = s.GetY();
  if (sx <= centre && centre <= sx + s.Width && sy + s.Height >= p.GetY() + 3 && sy < p.GetY() - 4) {
    p.SetY(sy + s.Height);
    p.SetJumpState(jsFalling);
    p.SetVelocityY(0);
    move.FlightBlocked = true;
  }
}

void SideStop(TPlayerMove& move, TGKJumper& p, const TGKSprite& s) {
  const bool right = p.Direction == 8;
  if (!right && p.Direction != 24) return;
  const int px = p.GetX(), py = p.GetY(), pw = p.Width, ph = p.Height;
  const int sx = s.GetX(), sy = s.GetY(), sw = s.Width, sh = s.Height;
  const bool slope = SlopeKinds.contains(s.Animation);
  const bool band = sy + sh > py + 3 && py + ph - 3 > sy;
  bool hit;
  if (slope) hit = FramesTouch(p, right ? px + 6 : px - 6, py - 3, s);
  else if (right) hit = px + pw > sx && sx + sw > px + pw && band;
  else hit = sx + sw > px && sx < px && band;
  if (!hit) return;
  if (slope) {
    p.SetY(py - SlopeClimb(p.GetSpeed()) - 1);
  } else {
    p.SetX(right ? sx - pw : sx + sw);
    if (p.VelocityY == Fixed16(0)) p.SetSpeed(0);  // standing: all motion stops
    else p.SetVelocityX(0);                        // in the air: only the horizontal motion
    move.FlightBlocked = true;
  }
  p.DecelerateX();
}

bool LandingHit(const TGKJumper& p, const TGKSprite& s) {
  const int px = p.GetX(), py = p.GetY(), pw = p.Width, ph = p.Height;
  if (SlopeKinds.contains(s.Animation)) return FramesTouch(p, p.Direction == 8 ? px + 4 : px, py + 4, s);
  const int m = GameShell.PlayerMode == PlayerFlying ? 8 : 4;
  const int sx = s.GetX(), sy = s.GetY();
  return py + ph + 4 > sy && sy + s.Height > py + ph + 3 && px + pw - m > sx && sx + s.Width > px + m;
}

// Down held on a white panel long enough: true when the player drops through.
bool DropsThrough(TGKJumper& p, TGKSprite& s) {
  if (!DropThroughKinds.contains(s.Animation) || !s.Enabled || !LevelKeyHeld(LevelSprites().KeyDown)) return false;
  if (s.Timer == platform::NoStamp) {
    s.Timer = platform::StampNow();
    return false;
  }
  if (platform::MsSince(s.Timer) <= DropThroughDelayMs) return false;
  LevelSprites().PlayerBehind = true;
  p.SetJumpState(jsFalling);
  p.SetY(p.GetY() + 5);
  p.Timer = platform::NoStamp;
  return true;
}

void PlaceOnTop(TGKJumper& p, TGKSprite& s) {
  if (s.Animation == KindBridge) {
    p.SetY(s.GetY() - p.Height + 8);
  } else if (SlopeKinds.contains(s.Animation)) {
    int d = 0;
    while (d < 5 && !FramesTouch(p, p.GetX(), p.GetY() + d, s)) ++d;
    p.SetY(p.GetY() + d);
  } else {
    p.SetY(s.GetY() - p.Height);
  }
}

}  // namespace

TCaseEnd SolidContact(TPlayerMove& move, int i) {
  TGKJumper& p = *Level.Player;
  TGKSprites& sprites = LevelSprites().Sprites;
  TGKSprite& s = sprites.GetSprite(i);
  const int kind = s.Animation;
  if (p.State > 0 || GameShell.EntryMode != 0 || NonSolidKinds.contains(kind) || !s.Enabled)
    return TCaseEnd::Next;
  move.FlightBlocked = false;
  if (SideStopKind(kind) && s.Visible) {
    HeadBump(move, p, s);
    if (kind != KindBridge) SideStop(move, p, s);
  }
  if ((Level.MayFly && !move.FlightBlocked && p.VelocityY < Fixed16(0)) || move.Landed || p.JumpState == jsRising)
    return TCaseEnd::Next;
  if (Level.StandingOnSprite != -1) {
    if (Level.StandingOnSprite < sprites.Count()) sprites.GetSprite(Level.StandingOnSprite).Detach();
    Level.StandingOnSprite = -1;
  }
  if (kind == 48 || kind == 202 || !s.Visible) return TCaseEnd::Next;
  if (!LandingHit(p, s)) return TCaseEnd::Next;
  if (Level.LevelEnded && (p.StandAnimation != 1 || p.GetSpeed() == 0)) StartWalkOff();
  else Level.StandingOnSprite = i;
  if (DropsThrough(p, s)) return TCaseEnd::Leave;
  Level.StompCombo = 1;
  PlaceOnTop(p, s);
  p.SetJumpState(jsGround);
  if (!SlopeKinds.contains(kind)) s.Attach(&p);
  move.Landed = true;
  return TCaseEnd::Next;
}
