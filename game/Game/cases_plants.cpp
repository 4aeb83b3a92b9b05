// Contact cases of the plants: those that come out of pipes and go back (some
// of them shooting fireballs at the player) and the plant that jumps up when the
// player passes over it.
#include <cmath>

#include "components/gkspts/sprite_mgr.h"
#include "game/Game/cases_powerups.h"
#include "game/Game/contact_tests.h"
#include "game/Game/level_events.h"
#include "game/Game/level_state.h"
#include "game/Game/sprite_moved.h"
#include "game/frmMain/frmMain.h"

namespace {

// A pipe plant's `Timer`: it moves out to its turning coordinate, waits, moves
// back by its travel, waits, and comes out again.
enum TPlantPhase : int { PlantComingOut = 0, PlantGoingBack = 1, PlantWaitingOut = 2, PlantWaitingBack = 3 };
// A phase of waiting lasts until the plant's count passes this.
constexpr int kPlantWait = 50;
// The player this near the pipe keeps an upward or fire plant back inside.
constexpr int kPipeNear = 26;

bool firePlant(int kind) { return kind == 222 || kind == 223; }
bool shootsTwice(int kind) { return kind == 223; }
// The plants whose wait back inside lasts while the player stands at the pipe.
bool waitsForPlayer(int kind) { return kind == 214 || kind == 218 || kind == 222 || kind == 223; }
int verticalTravel(int kind) { return kind == 214 || kind == 216 ? 32 : 40; }
int horizontalTravel(int kind) { return kind == 215 || kind == 217 ? 32 : 40; }

// Phases 0 and 1, a pixel a move on the plant's axis: out to the turning
// coordinate c (on screen), or back to c + travel. On arrival the next phase
// starts with its count at 0, in this same call.
void travel(TGKSprite& s, bool vertical, int c, int distance) {
  auto position = [&] { return vertical ? s.GetY() : s.GetX(); };
  auto moveBy = [&](int d) { vertical ? s.SetY(s.GetY() + d) : s.SetX(s.GetX() + d); };
  if (s.Timer == PlantComingOut) {
    if (position() > c) {
      moveBy(-1);
    } else {
      s.Timer = PlantWaitingOut;
      s.Param1 = 0;
    }
  }
  if (s.Timer == PlantGoingBack) {
    if (position() < c + distance) {
      moveBy(1);
    } else {
      s.Timer = PlantWaitingBack;
      s.Param1 = 0;
    }
  }
}

// The next sprite of the fireball pool leaves the plant towards the player.
void shootFireball(const TGKSprite& plant) {
  int& ring = Level.FireballIndex;
  if (ring < 0 || ring >= FireballPool.count) ring = 0;
  const int index = FireballPool.first + ring;
  ring = (ring + 1) % FireballPool.count;
  if (index >= LevelSprites().Sprites.Count()) return;  // no pools: not a built level
  TGKSprite& ball = contact::SpriteAt(index);
  ball.SetX(plant.GetX());
  ball.SetY(plant.GetY());
  ball.Enable();
  ball.Show();
  ball.SetSpeed(1.0);
  ball.PointTo(contact::player().GetX(), contact::player().GetY());
}

// Phase 2 of a vertical plant: out of the pipe, a fire plant holds still on its
// open-mouthed frame and shoots; 223 counts only every third move while it shoots.
void waitOutVertical(TGKSprite& s) {
  const int kind = s.Animation;
  if (s.Param1 > kPlantWait) {
    s.Timer = PlantGoingBack;
    s.Enable();
    return;
  }
  if (s.Param4 == 0) ++s.Param1;
  if (!firePlant(kind)) return;
  if (s.Enabled) {
    const int image = s.GetImageIndex();
    if (image >= 0 && image % 2 == 1) s.Disable();  // the animation stops on this frame
  }
  if (shootsTwice(kind) && s.Param1 >= 25 && s.Param1 <= kPlantWait) s.Param4 = s.Param4 >= 2 ? 0 : s.Param4 + 1;
  if (s.Param1 == 25 || (shootsTwice(kind) && s.Param1 == 40)) {
    shootFireball(s);
    ++s.Param1;
  }
}

// Phase 3 of a vertical plant, back in the pipe.
void waitBackVertical(TGKSprite& s) {
  if (!waitsForPlayer(s.Animation)) {
    if (s.Param1 > kPlantWait)
      s.Timer = PlantComingOut;
    else if (s.Param4 == 0)
      ++s.Param1;
    return;
  }
  if (s.Param1 <= kPlantWait) {
    ++s.Param1;
    return;
  }
  // Exactly kPipeNear away neither lets it out nor starts the count again.
  const int px = contact::player().GetX(), sx = s.GetX();
  if (px < sx - kPipeNear || px > sx + kPipeNear) s.Timer = PlantComingOut;
  if (sx - kPipeNear < px && px < sx + kPipeNear) s.Param1 = 0;
}

// Phases 2 and 3 of a horizontal plant.
void waitHorizontal(TGKSprite& s) {
  if (s.Timer != PlantWaitingOut && s.Timer != PlantWaitingBack) return;
  if (s.Param1 > kPlantWait)
    s.Timer = s.Timer == PlantWaitingOut ? PlantGoingBack : PlantComingOut;
  else
    ++s.Param1;
}

// A fire plant looks up or down towards the player, on his side.
void aimAtPlayer(TGKSprite& s) {
  const int px = contact::player().GetX(), py = contact::player().GetY(), sx = s.GetX(), sy = s.GetY();
  if (px < sx)
    TurnTo(s, py < sy ? 28 : 20);
  else
    TurnTo(s, py < sy ? 4 : 12);
}

// Its own part of the player's box: a plant bites 3 pixels inside his sides.
bool bites(const TGKSprite& s, int topMargin) {
  const TContactBox p(contact::player());
  return contact::Touch(TContactBox(s), p.x + 3, p.y + topMargin, p.right() - 3, p.bottom() - 1) &&
         Level.HurtTimer == -1;
}

int facingPlayer(const TGKSprite& s) { return contact::player().GetX() < s.GetX() ? 24 : 8; }
// Up and a little towards the player.
int jumpDirection(const TGKSprite& s) { return contact::player().GetX() < s.GetX() ? 31 : 1; }

constexpr int kJumpingPlantAtRest = 234, kJumpingPlantInAir = 235;

}  // namespace

TCaseEnd VerticalPlant(TPlayerMove&, int i) {
  TGKSprite& s = contact::SpriteAt(i);
  // Only visibility counts: a fire plant disables itself to hold its frame.
  if (!s.Visible) return TCaseEnd::Solid;
  if (firePlant(s.Animation)) aimAtPlayer(s);
  if (bites(s, 3)) {
    HurtPlayer();
    return TCaseEnd::Leave;
  }
  travel(s, true, PlantTurningCoordinate(s) - fmMain->CameraY, verticalTravel(s.Animation));
  if (s.Timer == PlantWaitingOut)
    waitOutVertical(s);
  else if (s.Timer == PlantWaitingBack)
    waitBackVertical(s);
  return TCaseEnd::Solid;
}

TCaseEnd HorizontalPlant(TPlayerMove&, int i) {
  TGKSprite& s = contact::SpriteAt(i);
  if (!s.Enabled || !s.Visible) return TCaseEnd::Solid;
  if (bites(s, 0)) {
    HurtPlayer();
    return TCaseEnd::Leave;
  }
  travel(s, false, PlantTurningCoordinate(s) - fmMain->CameraX, horizontalTravel(s.Animation));
  waitHorizontal(s);
  return TCaseEnd::Solid;
}

TCaseEnd JumpingPlantAtRest(TPlayerMove&, int i) {
  TGKSprite& s = contact::SpriteAt(i);
  if (!s.Enabled) return TCaseEnd::Solid;
  TurnTo(s, facingPlayer(s));
  const TContactBox p(contact::player()), b(s);
  // The player's box lies more than a pixel inside its width on both sides.
  if (p.right() - 1 > b.x && b.right() > p.x + 1) {
    s.SetAnimation(kJumpingPlantInAir);
    s.SetDirection(jumpDirection(s));
    s.SetSpeed(5.0);
    s.State = b.y + fmMain->CameraY;  // the level y it comes back to
  }
  return TouchesPlayerBelowFeet(s) ? contact::Hurt() : TCaseEnd::Solid;
}

TCaseEnd JumpingPlantInAir(TPlayerMove&, int i) {
  TGKSprite& s = contact::SpriteAt(i);
  if (!s.Enabled) return TCaseEnd::Solid;
  s.SetSpeed(s.GetSpeed() - 0.3);  // rises, slows, and falls back once the speed is negative
  TurnTo(s, jumpDirection(s));
  // The slanted direction's sideways part is taken back: it moves only up and down.
  s.SetX(s.GetX() - static_cast<int>(std::nearbyint(s.GetVelocityX())));
  if (s.State <= s.GetY() + fmMain->CameraY) {
    s.SetY(s.State - fmMain->CameraY);
    s.SetAnimation(kJumpingPlantAtRest);
    s.SetDirection(facingPlayer(s));
    s.SetSpeed(0);
  }
  return TouchesPlayerBelowFeet(s) ? contact::Hurt() : TCaseEnd::Solid;
}
