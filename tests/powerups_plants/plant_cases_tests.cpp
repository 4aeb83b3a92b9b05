// The plants that come out of pipes (some shooting fireballs) and the jumping
// plant. Plants and the player are 16 x 16 here.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "game/LevelAnimations/level_animations.h"
#include "stepping_level.h"

namespace {

class PlantCases : public SteppingLevel {
 protected:
  // Runs a fire plant through its wait out of the pipe; the pool sprites it shot, in order.
  std::vector<int> shotsOfOneWait(int plant) {
    std::vector<int> shots;
    TGKSprite& s = sprite(plant);
    s.Timer = 2;
    s.Param1 = 0;
    for (int n = 0; n < 200 && s.Timer == 2; ++n) {
      const int before = Level.FireballIndex;
      contact(plant);
      if (Level.FireballIndex != before) shots.push_back(FireballPool.first + before);
    }
    return shots;
  }
};

bool vertical(int kind) {
  return kind == 214 || kind == 216 || kind == 218 || kind == 220 || kind == 222 || kind == 223;
}

int position(const TGKSprite& s, int kind) { return vertical(kind) ? s.GetY() : s.GetX(); }

TEST_F(PlantCases, PipePlantsComeOutWaitGoBackByTheirTravelAndWaitAgain) {
  const struct {
    int kind, travel, movesOut;  // a shot counts one more: the green fire plant waits a move less
  } cases[] = {{214, 32, 51}, {216, 32, 51}, {218, 40, 51}, {220, 40, 51}, {222, 40, 50},
               {215, 32, 51}, {217, 32, 51}, {219, 40, 51}, {221, 40, 51}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.kind);
    w().CameraX = 10;
    w().CameraY = 20;
    placePlayer(0, 0);  // away from the pipe, out of reach
    const int plant = add(c.kind, 100, 100);
    TGKSprite& s = sprite(plant);
    s.Timer = 0;
    // The turning coordinate is a level coordinate, 8 pixels out from here.
    PlantTurningCoordinate(s) = 92 + (vertical(c.kind) ? 20 : 10);

    std::vector<int> phases{0};
    int lowest = 1000, highest = -1000, waitingOut = 0, waitingBack = 0;
    for (int n = 0; n < 400 && !(phases.size() > 1 && phases.back() == 0); ++n) {
      EXPECT_EQ(contact(plant), TCaseEnd::Solid);
      if (s.Timer != phases.back()) phases.push_back(s.Timer);
      if (s.Timer == 2) ++waitingOut;
      if (s.Timer == 3) ++waitingBack;
      lowest = std::min(lowest, position(s, c.kind));
      highest = std::max(highest, position(s, c.kind));
    }
    EXPECT_EQ(phases, (std::vector<int>{0, 2, 1, 3, 0}));
    EXPECT_EQ(lowest, 92);
    EXPECT_EQ(highest, 92 + c.travel);
    EXPECT_EQ(waitingOut, c.movesOut);
    EXPECT_EQ(waitingBack, 51);
    EXPECT_EQ(position(s, c.kind), 92 + c.travel) << "it comes out again from the next call";
    sprite(plant).Hide();
  }
}

TEST_F(PlantCases, APlayerBesideThePipeKeepsUpwardAndFirePlantsInside) {
  // Back in the pipe with the count run out; the player stands above it, out of reach.
  const struct {
    int kind, dx;
    int timer, count;  // after the call
  } cases[] = {
      {214, -27, 0, 51}, {214, -26, 3, 51}, {214, -25, 3, 0}, {214, 0, 3, 0},  {214, 25, 3, 0}, {214, 26, 3, 51},
      {214, 27, 0, 51},  {218, 10, 3, 0},   {223, -10, 3, 0}, {216, 0, 0, 51}, {220, 0, 0, 51},
  };
  for (const auto& c : cases) {
    const int plant = add(c.kind, 100, 100);
    TGKSprite& s = sprite(plant);
    s.Timer = 3;
    s.Param1 = 51;
    PlantTurningCoordinate(s) = 60;
    placePlayer(100 + c.dx, 40);
    contact(plant);
    EXPECT_EQ(s.Timer, c.timer) << c.kind << " " << c.dx;
    EXPECT_EQ(s.Param1, c.count) << c.kind << " " << c.dx;
    s.Hide();
  }
}

TEST_F(PlantCases, PlantsBiteInsideThePlayersSidesUnlessHeIsInvulnerable) {
  // Vertical plants spare 3 pixels of his head, horizontal ones none; neither
  // his bottom row.
  const struct {
    int kind, px, py, hurtTimer;
    bool bites;
  } cases[] = {
      {214, 112, 100, -1, true}, {214, 113, 100, -1, false}, {214, 88, 100, -1, true},   {214, 87, 100, -1, false},
      {214, 100, 112, -1, true}, {214, 100, 113, -1, false}, {214, 100, 86, -1, true},   {214, 100, 85, -1, false},
      {214, 100, 100, 1, false}, {215, 112, 100, -1, true},  {215, 113, 100, -1, false}, {215, 100, 115, -1, true},
      {215, 100, 86, -1, true},  {215, 100, 85, -1, false},  {215, 100, 100, 0, false},
  };
  for (const auto& c : cases) {
    GameShell.PlayerMode = PlayerBig;
    Level.HurtTimer = c.hurtTimer;
    const int plant = add(c.kind, 100, 100);
    TGKSprite& s = sprite(plant);
    s.Timer = 2;  // waiting out of the pipe
    PlantTurningCoordinate(s) = 100;
    placePlayer(c.px, c.py);
    const TCaseEnd end = contact(plant);
    EXPECT_EQ(end, c.bites ? TCaseEnd::Leave : TCaseEnd::Solid) << c.kind << " " << c.px << "," << c.py;
    EXPECT_EQ(GameShell.PlayerMode, c.bites ? PlayerSmall : PlayerBig) << c.kind << " " << c.px << "," << c.py;
    EXPECT_EQ(s.Param1, c.bites ? 0 : 1) << "a bite ends the call before the plant moves on";
    s.Hide();
  }
}

TEST_F(PlantCases, TheGreenFirePlantShootsOnceAWaitTheRedOneTwice) {
  const struct {
    int kind;
    size_t shots;
  } cases[] = {{222, 1}, {223, 2}};
  for (const auto& c : cases) {
    Level.FireballIndex = 0;
    placePlayer(40, 20);
    const int plant = add(c.kind, 100, 100);
    PlantTurningCoordinate(sprite(plant)) = 100;
    const std::vector<int> shots = shotsOfOneWait(plant);
    ASSERT_EQ(shots.size(), c.shots) << c.kind;
    for (size_t k = 0; k < shots.size(); ++k) {
      const TGKSprite& ball = sprite(shots[k]);
      EXPECT_EQ(shots[k], FireballPool.first + int(k));
      EXPECT_TRUE(ball.Enabled && ball.Visible);
      EXPECT_EQ(ball.GetX(), 100);
      EXPECT_EQ(ball.GetY(), 100);
      EXPECT_NEAR(ball.GetSpeed(), 1.0, 1e-4);
      EXPECT_LT(ball.GetVelocityX(), 0) << "towards the player, up and left";
      EXPECT_LT(ball.GetVelocityY(), 0);
    }
    EXPECT_EQ(sprite(plant).Timer, 1);
    sprite(plant).Hide();
  }
}

TEST_F(PlantCases, TheSeventhFireballReusesTheFirstOfTheSix) {
  placePlayer(40, 20);
  const int plant = add(Plant222, 100, 100);
  TGKSprite& s = sprite(plant);
  PlantTurningCoordinate(s) = 100;
  std::vector<int> used;
  for (int shot = 0; shot < 7; ++shot) {
    for (int k = 0; k < FireballPool.count; ++k) sprite(FireballPool.first + k).Disable();
    s.Timer = 2;
    s.Param1 = 24;  // the count reaches 25 in this call: a shot
    contact(plant);
    for (int k = 0; k < FireballPool.count; ++k)
      if (sprite(FireballPool.first + k).Enabled) used.push_back(k);
  }
  EXPECT_EQ(used, (std::vector<int>{0, 1, 2, 3, 4, 5, 0}));
  EXPECT_EQ(Level.FireballIndex, 1);
}

TEST_F(PlantCases, FirePlantsLookTowardsThePlayerAndHoldStillOnAnOddFrameWhileOut) {
  const struct { int px, py, direction; } aims[] = {{40, 20, 28}, {40, 150, 20}, {100, 20, 4}, {160, 100, 12}};
  for (const auto& a : aims) {
    const int plant = add(Plant223, 100, 100);
    sprite(plant).Timer = 1;  // going back: no shots, no stops
    PlantTurningCoordinate(sprite(plant)) = 0;
    placePlayer(a.px, a.py);
    contact(plant);
    EXPECT_EQ(sprite(plant).Direction, a.direction) << a.px << "," << a.py;
    sprite(plant).Hide();
  }

  placePlayer(160, 20);
  const int plant = add(Plant222, 100, 100);
  TGKSprite& s = sprite(plant);
  s.Timer = 2;
  PlantTurningCoordinate(s) = 100;
  contact(plant);
  ASSERT_EQ(s.Direction, 4);
  EXPECT_TRUE(s.Enabled) << "an even frame goes on";
  s.Frame = 1;  // the second frame of direction 4 is image 361
  ASSERT_EQ(s.GetImageIndex() % 2, 1);
  contact(plant);
  EXPECT_FALSE(s.Enabled);
  s.Param1 = 51;
  EXPECT_EQ(contact(plant), TCaseEnd::Solid) << "switched off, it still runs its phases";
  EXPECT_EQ(s.Timer, 1);
  EXPECT_TRUE(s.Enabled) << "going back it moves again";
}

TEST_F(PlantCases, TheJumpingPlantJumpsOnlyWhenThePlayerIsMoreThanAPixelInsideItsWidth) {
  const struct {
    int px;
    bool jumps;
    int direction;
  } cases[] = {{85, false, 24}, {86, true, 31}, {99, true, 31}, {100, true, 1}, {114, true, 1}, {115, false, 8}};
  for (const auto& c : cases) {
    w().CameraY = 20;
    const int plant = add(Plant11, 100, 100, c.direction == 8 ? 24 : 8);
    placePlayer(c.px, 40);
    EXPECT_EQ(contact(plant), TCaseEnd::Solid);
    const TGKSprite& s = sprite(plant);
    EXPECT_EQ(s.Animation, c.jumps ? Plant11J : Plant11) << c.px;
    EXPECT_EQ(s.Direction, c.direction) << c.px;
    if (c.jumps) {
      EXPECT_NEAR(s.GetSpeed(), 5.0, 1e-4);
      EXPECT_EQ(s.State, 120) << "the level y it jumped from";
    }
    sprite(plant).Disable();
  }
}

TEST_F(PlantCases, TheJumpingPlantRisesStraightUpAndSettlesBackWhereItJumped) {
  w().CameraY = 20;
  const int plant = add(Plant11, 100, 100);
  placePlayer(104, 20);
  contact(plant);
  ASSERT_EQ(sprite(plant).Animation, Plant11J);
  int top = 100, moves = 0;
  while (sprite(plant).Animation == Plant11J && moves < 200) {
    step(plant);
    EXPECT_EQ(contact(plant), TCaseEnd::Solid);
    const TGKSprite& s = sprite(plant);
    // The sideways part is taken back once it rounds to a pixel.
    EXPECT_NEAR(s.GetX(), 100, 2);
    top = std::min(top, s.GetY());
    ++moves;
  }
  const TGKSprite& s = sprite(plant);
  EXPECT_EQ(s.Animation, Plant11);
  EXPECT_EQ(s.GetY(), 100);
  EXPECT_DOUBLE_EQ(s.GetSpeed(), 0);
  EXPECT_EQ(s.Direction, 8);
  EXPECT_LT(top, 65);
  EXPECT_GT(top, 50);

  // Coming down onto the player hurts him.
  placePlayer(100, 100 - 16);  // standing on its top: his box reaches a pixel below his feet
  EXPECT_EQ(contact(plant), TCaseEnd::Leave);
  EXPECT_TRUE(Level.PlayerDying);
}

}  // namespace
