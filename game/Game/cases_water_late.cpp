// Contact cases of the player with quicksand, water, air bubbles and fishes.
// Water and quicksand only mark the player's medium for this call; the player's
// physics after the loop applies it. The other late kinds are in
// cases_late_kinds.cpp.
#include <cmath>

#include "components/ZEZ/TGKScreen.h"
#include "components/gkspts/sprite_mgr.h"
#include "game/Game/cases_late_kinds.h"
#include "game/Game/contact_tests.h"
#include "game/Game/kind_cases.h"
#include "game/Game/level_events.h"
#include "game/Game/level_state.h"
#include "game/Game/sprite_moved.h"
#include "game/frmMain/frmMain.h"

using namespace contact;

namespace {

TGKJumper& player() { return *Level.Player; }
bool fire1Held() { return LevelKeyHeld(LevelSprites().KeyFire1); }

void showPlayerAnimation(int animation) {
  if (player().Animation != animation) player().SetAnimation(animation);
}

TCaseEnd quicksand(TPlayerMove& move, int i) {  // 238 surface, 239 body
  TGKSprite& s = SpriteAt(i);
  const TContactBox p(player()), b(s);
  if (!Touch(b, p.x + 3, p.y, p.right() - 3, p.bottom())) return TCaseEnd::Solid;
  move.EnteredQuicksand = true;
  if (fire1Held()) {
    if (player().GetVelocityY() > 0) {  // only a sinking player hops out
      // The surface is left higher when the player is near its top (his width
      // is compared, as the sand always was).
      const bool nearTop = s.Animation == 238 && p.y + p.w < b.y + 3;
      // The pose first: a new animation sets the velocity along the direction.
      showPlayerAnimation(player().JumpAnimation);
      player().SetVelocityY(nearTop ? -4.0 : -1.5);
      PlayLevelSound(SoundJump);
    }
  } else {
    showPlayerAnimation(player().StandAnimation);
  }
  return TCaseEnd::Solid;
}

// The three bubbles of a diver start one after the other.
void startBubbles() {
  const int delays[Kind286Pool.count] = {1000, 1500, 3000};
  TGKSprites& sprites = LevelSprites().Sprites;
  for (int k = 0; k < Kind286Pool.count; ++k) {
    const int index = Kind286Pool.first + k;
    if (index >= sprites.Count()) return;
    TGKSprite& bubble = sprites.GetSprite(index);
    if (!bubble.Visible) bubble.Timer = StampIn(delays[k]);
    bubble.State = 1;
  }
}

bool isSurfaceWater(int kind) { return kind == 278 || kind == 280 || kind == 281; }

TCaseEnd water(TPlayerMove& move, int i) {  // 278-285
  TGKSprite& s = SpriteAt(i);
  if (s.Animation == 280 && FlameValue(s) > 0 && s.Param1 == 0 && s.Enabled) MakeLavaFlame(i);
  const TContactBox p(player()), b(s);
  // A box in the upper middle of the player.
  const int left = p.x + p.w / 3;
  if (!Touch(b, left, p.y, left + p.w / 2, p.y + p.h / 2 - 3)) return TCaseEnd::Solid;
  move.PlayerInWater = true;
  if (PlayerMedium(player()) == MediumDry) {  // just dived in: the fall stops
    startBubbles();
    player().SetVelocityY(0);
  }
  if (fire1Held()) {
    const bool up = LevelKeyHeld(LevelSprites().KeyUp);
    player().SetVelocityY(isSurfaceWater(s.Animation) ? (up ? -5.0 : -1.0) : -2.0);
  }
  return TCaseEnd::Solid;
}

bool touchesWater(const TContactBox& bubble) {
  TGKSprites& sprites = LevelSprites().Sprites;
  for (int k = DropsPool.first; k < sprites.Count(); ++k) {
    const TGKSprite& o = sprites.GetSprite(k);
    if (o.Animation >= 278 && o.Animation <= 285 && bubble.intersects(TContactBox(o))) return true;
  }
  return false;
}

TCaseEnd airBubble(TPlayerMove&, int i) {  // 286
  TGKSprite& s = SpriteAt(i);
  if (MsSince(s.Timer) <= 0 || s.State != 1) return TCaseEnd::Solid;
  s.Visible = !s.Visible;  // it blinks
  s.Param1 = 1 - s.Param1;
  s.Param2 = s.Param2 < 14 ? s.Param2 + 1 : 0;
  if (s.Param1 == 1) {  // it rises, wobbling
    s.SetX(s.Param2 > 6 ? s.GetX() + 1 : s.GetX() - 1);
    s.SetY(s.GetY() - 1);
  }
  if (touchesWater(TContactBox(s))) return TCaseEnd::Solid;
  if (PlayerMedium(player()) == MediumWater) {
    s.SetY(player().GetY());
    s.SetX(player().GetX());
  } else {
    if (s.Visible) s.Hide();
    s.State = 0;
  }
  return TCaseEnd::Solid;
}

}  // namespace

void PaceAroundStart(TGKSprite& s, int reach) {
  const int x = s.GetX() + fmMain->CameraX;
  const int x0 = StartPosX(s);
  const double step = s.Direction == 8 ? -0.02 : s.Direction == 24 ? 0.02 : 0.0;
  if (x > x0 + reach) s.SetSpeed(s.GetSpeed() + step);
  if (x < x0 - reach) s.SetSpeed(s.GetSpeed() - step);
}

namespace {

void swimFish(TGKSprite& s) {
  // A fast fish takes back its own step (rounded half to even).
  if (s.GetSpeed() > 1.0) s.SetX(s.GetX() - static_cast<int>(std::lrint(s.GetVelocityX())));
  s.State = s.State == 10 ? 0 : s.State + 1;
  if (s.State == 0) {
    if (s.Direction == 24) s.SetX(s.GetX() - 1);
    if (s.Direction == 8) s.SetX(s.GetX() + 1);
  }
  if (s.GetSpeed() < 0.1) s.BounceHorizontal();
  PaceAroundStart(s, 100);
  if (s.State == 0 || s.State == 5) {  // it bobs
    s.Param1 = s.Param1 < 60 ? s.Param1 + 1 : 0;
    const int b = s.Param1;
    if ((b >= 1 && b <= 10) || (b >= 31 && b <= 40)) s.SetY(s.GetY() - 1);
    if ((b >= 16 && b <= 25) || (b >= 46 && b <= 55)) s.SetY(s.GetY() + 1);
  }
}

TCaseEnd swimmingFish(TPlayerMove&, int i) {  // 333
  TGKSprite& s = SpriteAt(i);
  if (!s.Enabled) return TCaseEnd::Solid;
  swimFish(s);
  const TContactBox p(player()), b(s);
  if (PlayerMedium(player()) != MediumDry) {  // a swimmer cannot stomp it
    if (Level.HurtTimer == -1 && TouchesPlayer(p, b)) {
      HurtPlayer();
      return TCaseEnd::Leave;
    }
    return TCaseEnd::Solid;
  }
  if (!Over(p, b)) return TCaseEnd::Solid;
  if (FeetIn(p, b)) {
    StompReward(100);
    s.Disable();
    s.Hide();
    fmMain->ShowDust(b.x, b.y);
    return TCaseEnd::Next;
  }
  return BottomWithinPlayer(p, b) ? Hurt() : TCaseEnd::Solid;
}

TCaseEnd calmFish(TPlayerMove&, int i) {  // 338
  TGKSprite& s = SpriteAt(i);
  if (!s.Enabled) return TCaseEnd::Solid;
  const TContactBox p(player()), b(s);
  if (Touch(b, p.x - 35, p.y - 35, p.right() + 35, p.bottom() + 35)) {  // it starts to chase
    s.SetAnimation(339);
    if (s.GetSpeed() == 0) s.Param2 = 1;
  }
  const int d = s.Direction;
  if (s.State == 1 && (d <= 8 || d >= 24)) {  // after a chase it sinks slowly
    s.Param1 = 1 - s.Param1;
    if (s.Param1 == 0) s.SetY(s.GetY() + 1);
  }
  return TCaseEnd::Solid;
}

TCaseEnd chasingFish(TPlayerMove&, int i) {  // 339
  TGKSprite& s = SpriteAt(i);
  if (!s.Enabled) return TCaseEnd::Solid;
  const TContactBox p(player());
  if (MsSince(s.Timer) > 300) {
    s.PointTo(p.x, p.y);
    s.Timer = StampNow();
  }
  if (s.Param2 == 1) {
    s.SetSpeed(s.GetSpeed() + 0.02);
    if (s.GetSpeed() >= 1.5) s.Param2 = 0;
  }
  const TContactBox b(s);
  if (!Touch(b, p.x - 150, p.y - 100, p.right() + 150, p.bottom() + 100)) {  // it calms down
    s.SetAnimation(338);
    s.State = 1;
  }
  if (Level.HurtTimer == -1 && TouchesPlayer(p, b)) {
    HurtPlayer();
    return TCaseEnd::Leave;
  }
  return TCaseEnd::Solid;
}

}  // namespace

void RegisterWaterLateCases(TKindCaseTable& table) {
  table.Set(50, quicksand);
  table.Set(54, water);
  table.Set(55, airBubble);
  table.Set(57, swimmingFish);
  table.Set(62, calmFish);
  table.Set(63, chasingFish);
  RegisterLateKindCases(table);
}
