// Contact cases of the player with power-ups, plants, cannonball cannons and the
// crushing block. This file holds the items, the facing objects, the cannonball
// cannons with their balls and the shelled walker; the plants and the crushing
// block have files of their own.
#include "game/Game/cases_powerups.h"

#include "components/gkspts/sprite_mgr.h"
#include "game/Game/contact_tests.h"
#include "game/Game/level_events.h"
#include "game/Game/level_state.h"
#include "game/Game/sprite_moved.h"
#include "game/frmMain/frmMain.h"
#include "game/frmMain/shell_state.h"

bool TouchesPlayerBelowFeet(const TGKSprite& s) {
  const TContactBox p(contact::player());
  return contact::Touch(TContactBox(s), p.x + 3, p.y, p.right() - 3, p.bottom() + 1);
}

void TurnTo(TGKSprite& s, int direction) {
  if (s.Direction != direction) s.SetDirection(direction);
}

namespace {

bool touchesWholePlayer(const TGKSprite& s) {
  return contact::TouchesPlayer(TContactBox(contact::player()), TContactBox(s));
}

// An item is used once: it stays in the list, switched off.
void useUp(TGKSprite& s) {
  s.Disable();
  s.Hide();
}

struct TBarrel {
  int kind, dx, dy, direction;
};
// Where each cannon's ball leaves the barrel; 231's barrel is at its own x.
constexpr TBarrel kBarrels[] = {{227, 4, -4, 4}, {228, -4, -4, 28}, {230, 4, 4, 12}, {231, 0, 4, 20}};

const TBarrel* barrelOf(int kind) {
  for (const TBarrel& b : kBarrels)
    if (b.kind == kind) return &b;
  return nullptr;
}

constexpr int kCannonballShotMs = 5000;
constexpr int kCannonball = 229;

}  // namespace

TCaseEnd GlidzItem(TPlayerMove&, int i) {
  TGKSprite& s = contact::SpriteAt(i);
  if (!s.Enabled || !s.Visible || !touchesWholePlayer(s)) return TCaseEnd::Solid;
  Level.UnlimitedFlight = true;
  Level.MayFly = true;
  fmMain->RunMeter = 6;
  fmMain->RunMeterBlinkTime = contact::StampNow();
  fmMain->SetPlayerMode(PlayerFlying, false);
  fmMain->ShowDust(s.GetX(), s.GetY());
  Level.Score += 1000;
  useUp(s);
  return TCaseEnd::Solid;
}

TCaseEnd MoonItem(TPlayerMove&, int i) {
  TGKSprite& s = contact::SpriteAt(i);
  if (!s.Enabled || !s.Visible || !touchesWholePlayer(s)) return TCaseEnd::Solid;
  fmMain->AddLives(3);
  fmMain->ShowDust(s.GetX(), s.GetY());
  Level.Score += 3000;
  useUp(s);
  return TCaseEnd::Solid;
}

namespace {

constexpr int kLeafRising = 0, kLeafFloating = 1;

// The leaf rises 20 pixels out of its block, then floats down swinging 8 pixels
// to either side of its start point, its fall slowing from 0.78 to nothing and
// starting again.
void floatLeaf(TGKSprite& s) {
  if (s.State == kLeafRising) {
    s.SetVelocityX(0);
    s.SetVelocityY(-2.0);
    if (s.GetY() + fmMain->CameraY < StartPosY(s) - 20) {
      s.SetVelocityY(0.5);
      s.SetVelocityX(s.Direction == 8 ? 1.0 : -1.0);
      s.State = kLeafFloating;
    }
  }
  if (s.State == kLeafFloating) {
    const int x = s.GetX() + fmMain->CameraX, startX = StartPosX(s);
    if (x > startX + 8) {
      s.SetDirection(24);
      s.SetVelocityX(-1.0);
    }
    if (x + s.Width < startX - 8) {
      s.SetDirection(8);
      s.SetVelocityX(1.0);
    }
    if (s.GetVelocityY() < 0.01) s.SetVelocityY(0.8);
    s.SetVelocityY(s.GetVelocityY() - 0.02);
  }
}

}  // namespace

TCaseEnd LeafItem(TPlayerMove&, int i) {
  TGKSprite& s = contact::SpriteAt(i);
  if (!s.Enabled || !s.Visible) return TCaseEnd::Solid;
  floatLeaf(s);
  if (!touchesWholePlayer(s)) return TCaseEnd::Solid;
  fmMain->SetPlayerMode(PlayerFlying, false);
  fmMain->ShowDust(s.GetX(), s.GetY());
  Level.Score += 1000;
  useUp(s);
  PlayLevelSound(SoundTransform);
  return TCaseEnd::Solid;
}

TCaseEnd FacingObject(TPlayerMove&, int i) {
  TGKSprite& s = contact::SpriteAt(i);
  const int sy = s.GetY();
  TurnTo(s, contact::player().GetX() < s.GetX() ? 24 : 8);
  if (s.Animation == 349) {
    s.State = s.State < 7 ? s.State + 1 : 0;
    s.SetY(s.State < 4 ? sy - 1 : sy + 1);
  }
  return TCaseEnd::Solid;
}

TCaseEnd CannonballCannon(TPlayerMove&, int i) {
  TGKSprite& s = contact::SpriteAt(i);
  const TBarrel* barrel = barrelOf(s.Animation);
  if (!s.Enabled || !barrel || contact::MsSince(s.Timer) <= kCannonballShotMs) return TCaseEnd::Solid;
  s.Timer = contact::StampNow();
  contact::FireShot(s, s.GetX() + barrel->dx, s.GetY() + barrel->dy, barrel->direction, 1.25, kCannonball);
  return TCaseEnd::Solid;
}

constexpr int kStomped = 1;  // a cannonball's `Param1` once stomped

TCaseEnd Cannonball(TPlayerMove&, int i) {
  TGKSprite& s = contact::SpriteAt(i);
  // A stomped ball falls away harmless: the player, bounced only 3 pixels a move
  // clear of it, must not stomp it again (and score again) on the next moves.
  if (!s.Enabled || s.Param1 == kStomped) return TCaseEnd::Solid;
  const TContactBox p(contact::player()), b(s);
  if (!contact::Over(p, b)) return TCaseEnd::Solid;
  if (contact::FeetIn(p, b)) {
    contact::StompReward(200);
    s.SetDirection(16);  // it drops away
    s.Param1 = kStomped;
    s.SetSpeed(0.5);
    s.SetAcceleration(0.2);
    return TCaseEnd::Next;
  }
  if (p.y < b.bottom() && b.bottom() < p.bottom()) return contact::Hurt();
  return TCaseEnd::Solid;
}

TCaseEnd ShelledWalker(TPlayerMove&, int i) {
  TGKSprite& s = contact::SpriteAt(i);
  if (!s.Enabled) return TCaseEnd::Solid;
  const TContactBox p(contact::player()), b(s);
  // One pixel wider than the other stompable hazards on the player's right.
  if (!(p.right() >= b.x && b.right() >= p.x)) return TCaseEnd::Solid;
  if (contact::FeetIn(p, b)) {
    contact::StompReward(200);
    useUp(s);
    fmMain->ShowDust(b.x, b.y);
    return TCaseEnd::Next;
  }
  if (p.y < b.bottom() && b.bottom() <= p.bottom()) return contact::Hurt();
  return TCaseEnd::Solid;
}

void RegisterPowerUpCases(TKindCaseTable& table) {
  table.Set(38, GlidzItem);
  table.Set(39, MoonItem);
  table.Set(40, LeafItem);
  table.Set(41, FacingObject);
  table.Set(42, VerticalPlant);
  table.Set(43, HorizontalPlant);
  table.Set(44, CannonballCannon);
  table.Set(45, Cannonball);
  table.Set(46, ShelledWalker);
  table.Set(47, JumpingPlantAtRest);
  table.Set(48, JumpingPlantInAir);
  table.Set(49, CrushingBlock);
}
