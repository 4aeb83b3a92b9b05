// The player against the movable block, the bonus block, coins, coin pops and
// brick fragments.
#include <gtest/gtest.h>

#include <string>

#include "game/LevelAnimations/level_animations.h"
#include "ring_level.h"

namespace {

using Blocks = RingLevel;

TEST_F(Blocks, AMovableBlockRidesOnTheHeadAndIsPushedAlong) {
  const struct {
    const char* what;
    int bx, by, facing;
    double velocityY;
    int x, y;  // the block after the player's move
  } cases[] = {
      {"on the head, rising", 100, 86, 8, -3, 100, 83},
      {"on the head, falling", 100, 86, 8, 2, 100, 88},
      {"too high above the head", 100, 76, 8, -3, 100, 76},
      {"pushed to the right", 114, 100, 8, 0, 116, 100},
      {"pushed to the left", 86, 100, 24, 0, 84, 100},
      {"behind a player facing right", 86, 100, 8, 0, 86, 100},
      {"behind a player facing left", 114, 100, 24, 0, 114, 100},
      {"level with his head", 114, 84, 8, 0, 114, 84},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    clearStage();
    const int block = add(Movil, c.bx, c.by);
    placePlayer(100, 100);
    player().SetDirection(c.facing);
    player().SetVelocityY(c.velocityY);
    contact(block);
    EXPECT_EQ(sprite(block).GetX(), c.x);
    EXPECT_EQ(sprite(block).GetY(), c.y);
  }
}

TEST_F(Blocks, ABonusBlockGivesItsContentsToARisingHeadOnly) {
  const struct {
    const char* what;
    int px, py;
    double velocityY;
    bool hit;
  } cases[] = {
      {"rising under it", 100, 98, -2, true},
      {"standing under it", 100, 98, 0, false},
      {"falling under it", 100, 98, 1, false},
      {"rising, head below it", 100, 100, -2, false},
      {"rising, at its left edge", 88, 98, -2, false},
      {"rising, just inside its left edge", 89, 98, -2, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    clearStage();
    Level.Coins = 0;
    const int block = add(Quest1, 100, 84);
    placePlayer(c.px, c.py);
    player().SetJumpState(jsRising);
    player().SetVelocityY(c.velocityY);
    contact(block);
    EXPECT_EQ(sprite(block).Animation, c.hit ? Square1 : Quest1);
    EXPECT_EQ(Level.Coins, c.hit ? 1 : 0) << "an empty block gives a coin";
    if (c.hit) {
      EXPECT_EQ(player().GetY(), 100) << "put under the block";
      EXPECT_EQ(player().JumpState, jsFalling);
      EXPECT_DOUBLE_EQ(player().GetVelocityY(), 7.0 / 4);
    }
  }
}

TEST_F(Blocks, ACoinIsTakenOnceWhenTheBoxesShareAPixel) {
  const int touching = add(Coin, 115, 100);
  const int beside = add(Coin, 116, 100);
  placePlayer(100, 100);
  contact(touching);
  contact(beside);
  contact(touching);
  EXPECT_EQ(Level.Coins, 1);
  EXPECT_FALSE(sprite(touching).Visible);
  EXPECT_EQ(sprite(touching).State, 1);
  EXPECT_TRUE(sprite(beside).Visible);
}

TEST_F(Blocks, ACoinPopSpeedsUpUntilItsBottomReachesItsMark) {
  const int pop = add(Coin2, 100, 50);
  sprite(pop).SetVelocityY(-3);
  sprite(pop).Param1 = 67;  // mark: bottom below 67 still flies
  contact(pop);
  EXPECT_NEAR(sprite(pop).GetVelocityY(), -2.35, 0.0001);
  sprite(pop).SetY(51);
  contact(pop);
  EXPECT_FALSE(sprite(pop).Visible) << "its bottom reached the mark";
  const int resting = add(Coin2, 100, 50);
  sprite(resting).SetVelocityY(-3);
  contact(resting);
  EXPECT_DOUBLE_EQ(sprite(resting).GetVelocityY(), -3) << "without a mark it is left alone";
  EXPECT_TRUE(sprite(resting).Visible);
}

TEST_F(Blocks, BrickFragmentsFallFasterByTheirSlantAndGoOutsideTheView) {
  const int clipRight = w().DXScreen->GetClipRect().Right;
  const int clipBottom = w().DXScreen->GetClipRect().Bottom;
  const int top = -(Level.Options.ResFactor * Level.Options.Height);
  const struct {
    int x, y, direction;
    double velocityY;  // after the move, from -2
    bool gone;
  } cases[] = {
      {50, 50, 1, -1, false},        {50, 50, 31, -1, false},   {50, 50, 2, -0.5, false},
      {50, 50, 30, -0.5, false},     {50, top, 1, -1, false},   {-1, 50, 1, -2, true},
      {clipRight, 50, 1, -2, true},  {50, clipBottom, 1, -2, true}, {50, top - 1, 1, -2, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("at " + std::to_string(c.x) + "," + std::to_string(c.y) + " direction " +
                 std::to_string(c.direction));
    clearStage();
    const int frag = add(BlockFrag, c.x, c.y, c.direction);
    sprite(frag).SetVelocityY(-2);
    contact(frag);
    EXPECT_DOUBLE_EQ(sprite(frag).GetVelocityY(), c.velocityY);
    EXPECT_EQ(sprite(frag).Visible, !c.gone);
  }
}

}  // namespace
