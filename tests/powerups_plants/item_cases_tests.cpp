// The power-up items (Glidz, moon, leaf) and the objects that turn to face the
// player.
#include <gtest/gtest.h>

#include <algorithm>

#include "game/LevelAnimations/level_animations.h"
#include "stepping_level.h"

namespace {

using PowerUpItems = SteppingLevel;

TEST_F(PowerUpItems, EachItemGivesItsRewardOnceAndIsUsedUp) {
  const struct {
    int kind;
    int score, lives, mode;
    bool unlimitedFlight;
  } cases[] = {
      {Glidz, 1000, 0, PlayerFlying, true},
      {Moon, 3000, 3, PlayerSmall, false},
      {Leave, 1000, 0, PlayerFlying, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.kind);
    GameShell.PlayerMode = PlayerSmall;
    Level.Score = 0;
    Level.Lives = 5;
    Level.MayFly = Level.UnlimitedFlight = false;
    w().RunMeter = 0;
    clock_.advance(100);
    placePlayer(100, 100);
    const int item = add(c.kind, 110, 110);
    sprite(item).StartPos = MakeLong(110, 110);
    EXPECT_EQ(contact(item), TCaseEnd::Solid);
    EXPECT_EQ(Level.Score, c.score);
    EXPECT_EQ(Level.Lives, 5 + c.lives);
    EXPECT_EQ(GameShell.PlayerMode, c.mode);
    EXPECT_EQ(Level.UnlimitedFlight, c.unlimitedFlight);
    EXPECT_EQ(Level.MayFly, c.unlimitedFlight);
    EXPECT_EQ(w().RunMeter, c.unlimitedFlight ? 6 : 0) << "only the Glidz fills the run meter";
    if (c.unlimitedFlight) {
      EXPECT_EQ(w().RunMeterBlinkTime, int(clock_.tickCount()));
    }
    EXPECT_FALSE(sprite(item).Enabled);
    EXPECT_FALSE(sprite(item).Visible);
    const TGKSprite* dust = lastDust();
    ASSERT_NE(dust, nullptr);
    EXPECT_EQ(dust->GetX(), 110);
    EXPECT_EQ(dust->GetY(), 110);

    // Used up: a second touch gives nothing.
    contact(item);
    EXPECT_EQ(Level.Score, c.score);
    EXPECT_EQ(Level.Lives, 5 + c.lives);
  }
}

// The poison mushroom takes a life, except in a level already won (the wait
// after a chest leaves the player his keys): it is used up all the same.
TEST_F(PowerUpItems, ThePoisonMushroomTakesNoLifeOnceTheLevelIsWon) {
  for (bool won : {false, true}) {
    SCOPED_TRACE(won ? "won" : "in play");
    Level.Lives = 5;
    Level.Score = 0;
    Level.LevelWon = won;
    placePlayer(100, 100);
    const int poison = add(Mush3, 110, 110);
    contact(poison);
    EXPECT_EQ(Level.Lives, won ? 5 : 4);
    EXPECT_EQ(Level.Score, 1000);
    EXPECT_FALSE(sprite(poison).Enabled || sprite(poison).Visible);
  }
  Level.LevelWon = false;
}

TEST_F(PowerUpItems, AnItemIsTakenOnlyWhenTheBoxesShareAPixel) {
  // The player is 16 x 16 at (100, 100): right and bottom edges are exclusive.
  const struct {
    int x, y;
    bool taken;
  } cases[] = {{116, 100, false}, {115, 100, true}, {84, 100, false}, {85, 100, true},
               {100, 116, false}, {100, 115, true}, {100, 84, false}, {100, 85, true}};
  for (const auto& c : cases) {
    Level.Lives = 5;
    placePlayer(100, 100);
    const int moon = add(Moon, c.x, c.y);
    contact(moon);
    EXPECT_EQ(Level.Lives, c.taken ? 8 : 5) << c.x << "," << c.y;
    sprite(moon).Disable();
    sprite(moon).Hide();
  }
}

TEST_F(PowerUpItems, ADisabledOrHiddenItemIsNotTaken) {
  for (const bool hide : {false, true}) {
    Level.Score = 0;
    placePlayer(100, 100);
    const int glidz = add(Glidz, 100, 100);
    hide ? sprite(glidz).Hide() : sprite(glidz).Disable();
    contact(glidz);
    EXPECT_EQ(Level.Score, 0) << hide;
    EXPECT_FALSE(Level.UnlimitedFlight) << hide;
  }
}

TEST_F(PowerUpItems, TheLeafRisesOutOfItsBlockThenFloatsDownSwingingAboutItsStart) {
  w().CameraX = 30;
  w().CameraY = 20;
  placePlayer(0, 0);
  const int leaf = add(Leave, 200, 100, 8);
  sprite(leaf).StartPos = MakeLong(200 + 30, 100 + 20);
  contact(leaf);
  EXPECT_DOUBLE_EQ(sprite(leaf).GetVelocityY(), -2.0);
  EXPECT_DOUBLE_EQ(sprite(leaf).GetVelocityX(), 0.0);

  int moves = 1;
  while (sprite(leaf).State == 0 && moves < 100) {
    step(leaf);
    contact(leaf);
    ++moves;
  }
  // 2 pixels a move until it is more than 20 above its start.
  EXPECT_EQ(sprite(leaf).GetY(), 78);
  EXPECT_EQ(moves, 12);
  EXPECT_DOUBLE_EQ(sprite(leaf).GetVelocityX(), 1.0) << "it floats off the way it faces";
  EXPECT_NEAR(sprite(leaf).GetVelocityY(), 0.48, 1e-4);

  int left = 1000, right = -1000, turnsLeft = 0, turnsRight = 0;
  // Each turn stops its fall (the direction sets the velocity from its speed 0),
  // and the fall starts again at 0.78.
  double slowest = 1, fastest = 0;
  for (int n = 0; n < 400; ++n) {
    const int was = sprite(leaf).Direction;
    step(leaf);
    contact(leaf);
    const TGKSprite& s = sprite(leaf);
    if (s.Direction != was) (s.Direction == 24 ? turnsLeft : turnsRight)++;
    left = std::min(left, s.GetX());
    right = std::max(right, s.GetX());
    slowest = std::min(slowest, s.GetVelocityY());
    fastest = std::max(fastest, s.GetVelocityY());
  }
  // Turned when more than 8 right of the start, or its right edge more than 8 left of it.
  EXPECT_EQ(right, 209);
  EXPECT_EQ(left, 175);
  EXPECT_GT(turnsLeft, 2);
  EXPECT_GT(turnsRight, 2);
  EXPECT_NEAR(fastest, 0.78, 1e-4);
  EXPECT_GE(slowest, -0.011);
  EXPECT_GT(sprite(leaf).GetY(), 78) << "it sinks on the whole";
}

TEST_F(PowerUpItems, FacingObjectsTurnToThePlayerAndKind349Bobs) {
  const struct {
    int kind, px, direction;
  } cases[] = {{Mush4, 50, 24}, {Mush4, 100, 8}, {Mush4, 150, 8}, {Zaddo, 99, 24}, {Zaddo, 101, 8}};
  for (const auto& c : cases) {
    const int s = add(c.kind, 100, 100, c.direction == 8 ? 24 : 8);
    sprite(s).Disable();  // it turns even while switched off
    placePlayer(c.px, 100);
    EXPECT_EQ(contact(s), TCaseEnd::Solid);
    EXPECT_EQ(sprite(s).Direction, c.direction) << c.kind << " " << c.px;
    EXPECT_EQ(sprite(s).GetY(), c.kind == Zaddo ? 99 : 100);
  }

  const int zaddo = add(Zaddo, 100, 100);
  const int ys[] = {99, 98, 97, 98, 99, 100, 101, 100, 99};
  for (int y : ys) {
    contact(zaddo);
    EXPECT_EQ(sprite(zaddo).GetY(), y);
  }
}

}  // namespace
