// The hop of the winged enemy through whole moves: its walker rules flag each
// move on the ground, and its contact case hops or rests by that flag.
#include <gtest/gtest.h>

#include "game/LevelAnimations/level_animations.h"
#include "ring_level.h"

namespace {

class WingedEnemy : public RingLevel {
 protected:
  // A winged enemy resting on a ground block since now, facing left, with jump speed 6.
  void SetUp() override {
    RingLevel::SetUp();
    add(3, 150, 132);
    enemy_ = add(WumpetF, 150, 116, 31);
    TGKSprite& e = sprite(enemy_);
    e.Data = 6;
    e.Param2 = 4;  // resting after its high hop
    e.Timer = now();
    placePlayer(20, 116);
  }
  // The enemy's move (its terrain), then the player's move meeting it.
  void moves(int n) {
    for (int k = 0; k < n; ++k) {
      moved(enemy_);
      contact(enemy_);
    }
  }
  int enemy_ = 0;
};

TEST_F(WingedEnemy, RestsTwoSecondsOnTheGroundThenHopsTowardsThePlayer) {
  moves(3);
  EXPECT_DOUBLE_EQ(sprite(enemy_).GetSpeed(), 0);
  EXPECT_EQ(sprite(enemy_).Param2, 4);
  advance(2001);
  moves(1);
  EXPECT_DOUBLE_EQ(sprite(enemy_).GetSpeed(), 4);
  EXPECT_EQ(sprite(enemy_).Param2, 0);
  EXPECT_EQ(sprite(enemy_).Direction, 31);
}

TEST_F(WingedEnemy, StompedWhileRestingItWalksOnWithoutWings) {
  placePlayer(150, 106);  // feet in it
  EXPECT_EQ(contact(enemy_), TCaseEnd::Next);
  EXPECT_EQ(sprite(enemy_).Animation, WumpetF2);
  placePlayer(20, 116);
  advance(2001);
  // The player's moves alone (here its frame keeps the full height, so that it
  // sank into the ground and its own terrain would push it aside).
  for (int k = 0; k < 3; ++k) contact(enemy_);
  EXPECT_EQ(sprite(enemy_).Animation, WumpetF2);
  EXPECT_DOUBLE_EQ(sprite(enemy_).GetSpeed(), 0.75) << "no hop once its wings are gone";
  EXPECT_EQ(sprite(enemy_).Direction, 24);
}

}  // namespace
