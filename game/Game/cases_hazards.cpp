// Contact cases of the player with hazards, bombs, cannons and ghosts. Most of
// these objects have no other rule that moves them, so their cases also drive
// them: lava makes its flame, donut blocks shake and fall, bombs are lit,
// carried, thrown and explode into new objects, cannons fire, ghosts and
// following flames react to the way the player looks.
#include <cstdint>
#include <optional>
#include <string>

#include "components/gkspts/sprite_mgr.h"
#include "game/Game/contact_box.h"
#include "game/Game/contact_tests.h"
#include "game/Game/kind_cases.h"
#include "game/Game/kind_sets.h"
#include "game/Game/level_events.h"
#include "game/Game/level_state.h"
#include "game/Game/sprite_moved.h"
#include "game/ObjectLine/object_line.h"
#include "game/frmMain/frmMain.h"
#include "platform/core/random.h"
#include "platform/core/tick_stamp.h"

namespace {

using namespace contact;

bool playerFacesRight() { return player().Direction == 8; }
bool playerFacesLeft() { return player().Direction == 24; }

// The player stands on the object: across it, feet within 3 pixels above its top.
bool standsOn(const TContactBox& p, const TContactBox& o) {
  return Over(p, o) && p.bottom() - 3 <= o.y && o.y <= p.bottom();
}

void storeLevelPosition(TGKSprite& s) {
  s.StartPos = MakeLong(s.GetX() + fmMain->CameraX, s.GetY() + fmMain->CameraY);
}

void facePlayer(TGKSprite& s) { s.SetDirection(player().GetX() > s.GetX() ? 8 : 24); }

// --- Case 26: lava, spikes and flames

TCaseEnd deadlyGround(TPlayerMove&, int i) {  // 63, 201, 168, 276, 342, 350, 351
  TGKSprite& s = spriteAt(i);
  if (!s.Enabled) return TCaseEnd::Solid;
  const TContactBox p(player()), o(s);
  if (s.Animation == 63 && FlameValue(s) > 0 && s.Param1 == 0) MakeLavaFlame(i);
  // Flames reach the player less his bottom row; the ground one pixel below his
  // feet, so that standing on spikes hurts.
  const bool flame = s.Animation == 350 || s.Animation == 351;
  if (!Touch(o, p.x, p.y, p.right(), p.bottom() + (flame ? -1 : 1))) return TCaseEnd::Solid;
  if (s.Animation == 63 || s.Animation == 201) {
    if (!Level.LevelWon) fmMain->SetPlayerMode(PlayerSmall, false);
    KillPlayer();
    return TCaseEnd::Leave;
  }
  return Hurt();
}

// --- Case 27: donut block

constexpr int DonutFallDelayMs = 1000;

TCaseEnd donutBlock(TPlayerMove&, int i) {  // 73
  TGKSprite& s = spriteAt(i);
  if (!s.Enabled) return TCaseEnd::Solid;
  const TContactBox p(player()), o(s);
  // A block nobody has stood on yet still has the library's -1: it starts its
  // count like one that was left.
  const bool counting = s.Timer != 0 && s.Timer != -1;
  if (standsOn(p, o)) {
    if (s.GetSpeed() == 0) {
      s.SetX(s.State == 0 ? o.x + 1 : o.x - 1);  // it shakes
      s.State = s.State == 0 ? 1 : 0;
    }
    if (!counting) {
      s.Timer = StampNow();
    } else if (MsSince(s.Timer) > DonutFallDelayMs) {
      s.SetDirection(16);
      s.SetMaxSpeed(10.0);
      s.SetSpeed(3.0);
      s.SetAcceleration(0.5);
    }
  } else if (s.Timer != 0) {
    s.Timer = 0;
  }
  return TCaseEnd::Solid;
}

// --- Case 28: ice

bool iceKind(int kind) { return kind == 75 || kind == 199; }

TCaseEnd iceBlock(TPlayerMove&, int i) {  // 75, 199
  TGKSprite& s = spriteAt(i);
  if (!s.Enabled) return TCaseEnd::Solid;
  const TContactBox p(player()), o(s);
  if (standsOn(p, o)) {
    player().SetDeceleration(0.03);
  } else {
    const int under = Level.StandingOnSprite;
    if (under > -1 && under < LevelSprites().Sprites.Count() && !iceKind(spriteAt(under).Animation))
      player().SetDeceleration(0.2);
  }
  return TCaseEnd::Solid;
}

// --- Cases 29-31: bombs

constexpr int BombKind = 94, LitBombKind = 95, ExplodingBombKind = 96, CoinKind = 49;
constexpr int LitBombMs = 1500, ExplosionMs = 1000;
constexpr int ExplosionScore = 500;
constexpr int BombsTurnIntoBombs = -1, BombsTurnIntoCoins = -2;
constexpr int ExplosionCoins = 8;

TCaseEnd bomb(TPlayerMove&, int i) {  // 94
  TGKSprite& s = spriteAt(i);
  if (!s.Enabled) return TCaseEnd::Solid;
  const TContactBox p(player()), o(s);
  if (!Over(p, o)) return TCaseEnd::Solid;
  if (FeetIn(p, o)) {
    StompReward(100);
    s.SetAnimation(LitBombKind);
    s.SetSpeed(0);
    s.SetY(o.y + 1);
    s.Timer = StampNow();
    return TCaseEnd::Next;
  }
  if (BottomWithinPlayer(p, o)) return Hurt();
  return TCaseEnd::Solid;
}

// What an exploding bomb turns into: its object line's text as a whole number.
// A text that is not one turns it into nothing.
bool turnIntoKind(const TGKSprite& s, int& kind) {
  const std::string* text = SpriteTextOf(s);
  const std::optional<int> number = text ? ObjectLineInteger(*text) : std::nullopt;
  if (number) kind = *number;
  return number.has_value();
}

// A new object flung out of an explosion at (x, y), moving towards the player.
TGKSprite& releaseObject(int x, int y, int kind, bool wraps) {
  TGKSprite& n = spriteAt(LevelSprites().Sprites.AddBouncer(0, x, y, 8, 0.0, kind));
  n.SetEdgeActions(eaNone);
  if (wraps && Level.Options.Wrap) n.LeftAction = n.RightAction = eaWrap;
  n.SetMaxSpeed(10.0);
  return n;
}

void flingTowardsPlayer(TGKSprite& n) {
  n.SetSpeed(platform::Random(10) / 5.0);
  facePlayer(n);
}

void releaseExplosionContents(const TGKSprite& s, const TContactBox& o) {
  int n = 0;
  if (!turnIntoKind(s, n)) return;
  platform::Randomize();
  if (n == BombsTurnIntoBombs) {
    for (int k = 0; k < 2; ++k) {
      TGKSprite& b = releaseObject(o.x, o.y, BombKind, true);
      flingTowardsPlayer(b);
      storeLevelPosition(b);
      b.Data = s.Data;  // they explode into the same again
    }
  } else if (n == BombsTurnIntoCoins) {
    for (int k = 0; k < ExplosionCoins; ++k) flingTowardsPlayer(releaseObject(o.x, o.y, CoinKind, true));
  } else if (n >= 0 && n < LevelKindCount) {
    TGKSprite& b = releaseObject(o.x, o.y, n, false);
    storeLevelPosition(b);
    platform::Randomize();
    flingTowardsPlayer(b);
  }
}

void endExplosion(TGKSprite& s, const TContactBox& o) {
  s.Hide();
  s.Disable();
  Level.Score += ExplosionScore;
  ShowStars(o.x, o.y);
  PlayLevelSound(SoundPipe);
  releaseExplosionContents(s, o);
  // A bomb that explodes in the player's hands is gone from them.
  if (Level.Carrying && Level.CarriedSprite == &s) SetCarrying(false, nullptr);
}

// The player picks up a lit bomb with Fire2, carries it in front of him and
// throws it when he lets go; with Down held he only puts it down.
void carryBomb(TGKSprite& s, const TContactBox& p, const TContactBox& o) {
  if (!(o.right() > p.x && p.right() > o.x && o.bottom() > p.y + 3 && p.bottom() - 3 > o.y)) return;
  const bool down = keyHeld(&TGKSpriteMgr::KeyDown);
  if (keyHeld(&TGKSpriteMgr::KeyFire2)) {
    s.SetX(playerFacesRight() ? p.right() - 4 : p.x - o.w + 4);
    if (s.Direction != player().Direction) s.SetDirection(player().Direction);
    s.SetY(GameShell.PlayerMode == PlayerSmall ? p.y + 1 : p.y + (down ? 2 : 8));
    if (!Level.Carrying) SetCarrying(true, &s);
    s.State = 1;
    return;
  }
  if (!Level.Carrying) return;
  // Put down or thrown, the player's hands are empty again (and his frames
  // those of his mode).
  SetCarrying(false, nullptr);
  if (!down) {
    s.SetSpeed(s.GetMaxSpeed());
    s.Decelerate();
  }
}

void slowDown(TGKSprite& s) {
  if (s.GetSpeed() <= 0) return;
  s.SetSpeed(s.GetSpeed() / 1.1);
  if (s.GetSpeed() < 0.5) s.SetSpeed(0);
}

TCaseEnd litOrExplodingBomb(TPlayerMove&, int i) {  // 95, 96
  TGKSprite& s = spriteAt(i);
  if (!s.Enabled) return TCaseEnd::Solid;
  const TContactBox p(player()), o(s);
  if (s.Animation == ExplodingBombKind && MsSince(s.Timer) > ExplosionMs) {
    endExplosion(s, o);
    return TCaseEnd::Solid;
  }
  carryBomb(s, p, o);
  slowDown(s);
  if (s.Animation == LitBombKind && MsSince(s.Timer) > LitBombMs) {
    s.SetAnimation(ExplodingBombKind);
    s.Timer = StampNow();
  }
  return TCaseEnd::Solid;
}

// --- Case 32: stars of an explosion

TCaseEnd explosionStars(TPlayerMove&, int i) {  // 101
  TGKSprite& s = spriteAt(i);
  if (!s.Enabled || !s.Visible) return TCaseEnd::Solid;
  const TContactBox p(player()), o(s);
  return TouchesPlayer(p, o) ? Hurt() : TCaseEnd::Solid;
}

// --- Cases 33 and 34: cannons and bullets

constexpr int CannonIntervalMs = 5000;
constexpr int BulletKind = 100, CannonFlameKind = 350;

void fireFlame(const TGKSprite& cannon, const TContactBox& c) {
  // Field 4 of the object line: 1 shoots to the left, anything else to the right.
  const int direction = cannon.Param2 == 1 ? 24 : 8;
  TGKSprite& f = spriteAt(LevelSprites().Sprites.AddBouncer(0, c.x, c.y, direction, 0.0, CannonFlameKind));
  f.SetX(direction == 24 ? f.GetX() - f.Width : f.GetX() + c.w);
  f.SetEdgeActions(eaNone);
}

void fireBullet(const TGKSprite& cannon, const TContactBox& c, bool left) {
  contact::FireShot(cannon, left ? c.x - c.w : c.x + c.w, c.y, left ? 24 : 8, 2.0, BulletKind);
}

TCaseEnd cannon(TPlayerMove&, int i) {  // 97, 331
  TGKSprite& s = spriteAt(i);
  if (!s.Enabled) return TCaseEnd::Solid;
  if (MsSince(s.Timer) <= CannonIntervalMs) return TCaseEnd::Solid;
  s.Timer = StampNow();
  const TContactBox c(s);
  if (s.Animation == 331 && s.Param1 == 1)
    fireFlame(s, c);
  else
    fireBullet(s, c, c.x > player().GetX());
  return TCaseEnd::Solid;
}

TCaseEnd bullet(TPlayerMove&, int i) {  // 100
  TGKSprite& s = spriteAt(i);
  if (!s.Enabled) return TCaseEnd::Solid;
  // A stomped bullet (State 1) falls away and harms nobody any more.
  if (s.Param1 == 1 || s.State == 1) return TCaseEnd::Solid;
  const TContactBox p(player()), o(s);
  if (!Over(p, o)) return TCaseEnd::Solid;
  if (FeetIn(p, o)) {
    StompReward(200);
    s.SetDirection(16);
    s.State = 1;
    s.SetSpeed(0.5);
    s.SetAcceleration(0.2);
    fmMain->ShowDust(o.x, o.y);
    return TCaseEnd::Next;
  }
  if (p.y < o.bottom() && o.bottom() < p.bottom()) return Hurt();
  return TCaseEnd::Solid;
}

// --- Cases 35 and 36: ghosts and following flames

// The player faces the object, or looks away from it (neither when level with it).
bool lookedAt(const TContactBox& o, int px) {
  return (o.x > px && playerFacesRight()) || (o.x < px && playerFacesLeft());
}
bool lookedAway(const TContactBox& o, int px) {
  return (o.x > px && playerFacesLeft()) || (o.x < px && playerFacesRight());
}

constexpr int GhostStill = 102, GhostApproaching = 103;
constexpr double GhostTopSpeed = 1.5, GhostSpeedUp = 0.05;

TCaseEnd ghost(TPlayerMove&, int i) {  // 102, 103
  TGKSprite& s = spriteAt(i);
  if (!s.Enabled || !s.Visible) return TCaseEnd::Solid;
  const TContactBox p(player()), o(s);
  if ((o.x > p.x && playerFacesRight()) || (o.x < p.x && playerFacesLeft() && s.GetSpeed() > 0)) {
    s.SetAnimation(GhostStill);
    s.SetSpeed(0);
  }
  if (lookedAway(o, p.x)) {
    s.SetAnimation(GhostApproaching);
    if (s.GetSpeed() < GhostTopSpeed) s.SetSpeed(s.GetSpeed() + GhostSpeedUp);
    s.PointTo(p.x, p.y);
  }
  return TouchesPlayer(p, TContactBox(s)) ? Hurt() : TCaseEnd::Solid;
}

constexpr int FlameStill = 105, FlameFollowing = 106;

TCaseEnd followingFlame(TPlayerMove&, int i) {  // 105, 106
  TGKSprite& s = spriteAt(i);
  if (!s.Enabled || !s.Visible) return TCaseEnd::Solid;
  const TContactBox p(player()), o(s);
  if (lookedAt(o, p.x) && s.Animation == FlameFollowing) {
    s.SetAnimation(FlameStill);
    s.SetSpeed(0);
  }
  if (lookedAway(o, p.x) && s.Animation == FlameStill) {
    s.SetAnimation(FlameFollowing);
    s.SetSpeed(1.0);
    s.SetDirection(player().Direction);
  }
  return TouchesPlayer(p, TContactBox(s)) ? Hurt() : TCaseEnd::Solid;
}

// --- Case 37: hurting on touch

TCaseEnd hurtsOnTouch(TPlayerMove&, int i) {  // 115, 213, 236
  TGKSprite& s = spriteAt(i);
  if (!s.Enabled || !s.Visible) return TCaseEnd::Solid;
  const TContactBox p(player()), o(s);
  return Touch(o, p.x + 3, p.y, p.right() - 3, p.bottom() + 1) ? Hurt() : TCaseEnd::Solid;
}

}  // namespace

void RegisterHazardCases(TKindCaseTable& table) {
  table.Set(26, deadlyGround);
  table.Set(27, donutBlock);
  table.Set(28, iceBlock);
  table.Set(29, bomb);
  table.Set(30, litOrExplodingBomb);
  table.Set(31, litOrExplodingBomb);
  table.Set(32, explosionStars);
  table.Set(33, cannon);
  table.Set(34, bullet);
  table.Set(35, ghost);
  table.Set(36, followingFlame);
  table.Set(37, hurtsOnTouch);
}
