// The player's physics after his contacts: falls, gliding and flight, the media.
#include <gtest/gtest.h>

#include "game/Game/player_physics.h"
#include "game/Game/sprite_moved.h"
#include "game/frmMain/shell_state.h"
#include "player_world.h"

namespace {

void Physics(PlayerWorld& world, bool water, bool sand = false) {
  TPlayerMove move{world.player()};
  move.PlayerInWater = water;
  move.EnteredQuicksand = sand;
  PlayerPhysicsAfterContact(move);
}

TEST(PlayerPhysics, WaterFactorsApplyOnceAndAreUndoneOnLeaving) {
  PlayerWorld world;
  TGKJumper& p = world.player();
  p.SetGravity(0.7);
  p.SetAcceleration(0.4);
  p.SetMaxSpeed(4);
  p.SetMaxFall(6);
  Physics(world, true);
  Physics(world, true);
  EXPECT_NEAR(p.GetGravity(), 0.2, 0.0001);
  EXPECT_NEAR(p.GetAcceleration(), 0.1, 0.0001);
  EXPECT_DOUBLE_EQ(p.GetMaxSpeed(), 2);
  EXPECT_DOUBLE_EQ(p.GetMaxFall(), 2);
  EXPECT_EQ(p.Param4, MediumWater);
  p.SetVelocityX(3);
  p.SetVelocityY(5);
  Physics(world, true);
  EXPECT_DOUBLE_EQ(p.GetVelocityX(), 2);
  EXPECT_DOUBLE_EQ(p.GetVelocityY(), 2);
  p.SetVelocityX(-3);
  Physics(world, true);
  EXPECT_DOUBLE_EQ(p.GetVelocityX(), -3) << "moving left is not capped";
  Physics(world, false);
  EXPECT_NEAR(p.GetGravity(), 0.7, 0.001);
  EXPECT_NEAR(p.GetAcceleration(), 0.4, 0.001);
  EXPECT_DOUBLE_EQ(p.GetMaxSpeed(), 4);
  EXPECT_DOUBLE_EQ(p.GetMaxFall(), 6);
  EXPECT_EQ(p.Param4, MediumDry);
}

TEST(PlayerPhysics, LeavingQuicksandGivesBackTheSpeedsFromBeforeIt) {
  PlayerWorld world;
  TGKJumper& p = world.player();
  p.SetMaxSpeed(4);
  p.SetMaxFall(7);
  Physics(world, false, true);
  EXPECT_NEAR(p.GetMaxSpeed(), 0.4, 0.0001);
  EXPECT_NEAR(p.GetMaxFall(), 0.7, 0.0001);
  EXPECT_TRUE(world.mgr().PlayerBehind);
  p.SetMaxFall(7);  // a change of mode inside the sand
  Physics(world, false, false);
  EXPECT_DOUBLE_EQ(p.GetMaxFall(), 7) << "not 70";
  EXPECT_DOUBLE_EQ(p.GetMaxSpeed(), 4);
  EXPECT_FALSE(world.mgr().PlayerBehind);
}

TEST(PlayerPhysics, NothingUnderThePlayerStartsAFall) {
  PlayerWorld world;
  Level.StandingOnSprite = -1;
  Physics(world, false);
  EXPECT_EQ(world.player().JumpState, jsFalling);
  PlayerWorld standing;
  Level.StandingOnSprite = 5;
  Physics(standing, false);
  EXPECT_EQ(standing.player().JumpState, jsGround);
  EXPECT_EQ(Level.PrevStandingOnSprite, 5);
}

TEST(PlayerPhysics, GlidingAndFlightInTheFlyingForm) {
  const struct {
    bool mayFly, ended;
    double maxFall, velocityY;
  } cases[] = {{false, false, 2, 1}, {true, false, 2, -3}, {true, true, 7, 1}};
  for (const auto& c : cases) {
    PlayerWorld world;
    GameShell.PlayerMode = PlayerFlying;
    Level.MayFly = c.mayFly;
    Level.LevelEnded = c.ended;
    TGKJumper& p = world.player();
    p.JumpState = jsFalling;
    p.SetVelocityY(1);
    world.press(world.mgr().KeyFire1);
    Physics(world, false);
    EXPECT_DOUBLE_EQ(p.GetMaxFall(), c.maxFall);
    EXPECT_DOUBLE_EQ(p.GetVelocityY(), c.velocityY);
    if (c.mayFly && !c.ended) {
      EXPECT_EQ(world.mgr().Animations.GetAnimation(2).GetFrame(8, 1), 261);
    }
  }
}

}  // namespace
