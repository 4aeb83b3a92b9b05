// The level keys, the short jump, the run key's speeds, fireballs and crouching.
#include <gtest/gtest.h>

#include "game/Game/player_input.h"
#include "game/frmMain/shell_state.h"
#include "player_world.h"

namespace {

struct SpeedCase {
  int medium, runMeter;
  uint8_t jumpState;
  bool mayFly, fire2;
  double expect;
};

TEST(PlayerInput, MaximumSpeedByMediumRunMeterAndAir) {
  const SpeedCase cases[] = {
      {MediumDry, 0, jsGround, false, false, 2.0}, {MediumDry, 0, jsGround, false, true, 4.0},
      {MediumWater, 6, jsGround, false, true, 2.0}, {MediumQuicksand, 0, jsGround, false, true, 2.0},
      {MediumDry, 6, jsGround, true, true, 7.0},   {MediumDry, 6, jsFalling, true, true, 5.0},
      {MediumDry, 6, jsFalling, false, true, 7.0}, {MediumDry, 5, jsFalling, true, true, 4.0},
  };
  for (const SpeedCase& c : cases) {
    PlayerWorld world;
    TGKJumper& p = world.player();
    p.Param4 = c.medium;
    world.window->RunMeter = c.runMeter;
    p.JumpState = c.jumpState;
    Level.MayFly = c.mayFly;
    if (c.fire2) world.press(world.mgr().KeyFire2);
    HandlePlayerInput();
    EXPECT_DOUBLE_EQ(p.GetMaxSpeed(), c.expect) << c.medium << " " << c.runMeter << " " << int(c.jumpState);
  }
}

TEST(PlayerInput, ReleasingFire1CutsOnlyARisingJump) {
  const struct {
    uint8_t state;
    int pipe;
    uint8_t expect;
  } cases[] = {{jsRising, 0, jsFalling}, {jsFalling, 0, jsFalling}, {jsRising, PipeUp, jsRising}};
  for (const auto& c : cases) {
    PlayerWorld world;
    TGKJumper& p = world.player();
    p.JumpState = c.state;
    p.State = c.pipe;
    LevelKeyUp(world.mgr().KeyFire1);
    EXPECT_EQ(p.JumpState, c.expect);
  }
}

TEST(PlayerInput, FireballNeedsANewPressAndAFreeSlot) {
  PlayerWorld world;
  world.addPools();
  GameShell.PlayerMode = PlayerFire;
  world.placePlayer(100, 100, 16, 24, 8);
  TGKSprite& first = world.mgr().Sprites.GetSprite(PlayerFireballPool.first);
  TGKSprite& second = world.mgr().Sprites.GetSprite(PlayerFireballPool.first + 1);
  world.press(world.mgr().KeyFire2);
  HandlePlayerInput();
  EXPECT_TRUE(first.Enabled);
  EXPECT_EQ(first.GetX(), 100 + 16 - 8);
  EXPECT_EQ(first.Direction, 8);
  HandlePlayerInput();
  EXPECT_FALSE(second.Enabled) << "held: one fireball only";
  world.release(world.mgr().KeyFire2);
  HandlePlayerInput();
  world.press(world.mgr().KeyFire2);
  HandlePlayerInput();
  EXPECT_TRUE(second.Enabled);
  world.release(world.mgr().KeyFire2);
  HandlePlayerInput();
  world.press(world.mgr().KeyFire2);
  HandlePlayerInput();
  EXPECT_TRUE(Level.FireHeld) << "the first slot is still in flight: nothing thrown";
  EXPECT_EQ(first.GetX(), 108);
}

TEST(PlayerInput, CrouchingRules) {
  const struct {
    int mode, medium, pipe;
    bool crouches;
    int drop;
  } cases[] = {{PlayerSmall, 0, 0, false, 0}, {PlayerBig, 0, 0, true, 9},   {PlayerFlying, 0, 0, true, 6},
               {PlayerFire, 0, 0, true, 9},   {PlayerBig, 1, 0, false, 0}, {PlayerBig, 0, PipeDown, false, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.mode * 100 + c.medium * 10 + c.pipe);
    PlayerWorld world;
    GameShell.PlayerMode = c.mode;
    world.placePlayer(100, 100, 16, 26, 8);
    TGKJumper& p = world.player();
    p.Param4 = c.medium;
    p.State = c.pipe;
    world.press(world.mgr().KeyDown);
    HandlePlayerInput();
    HandlePlayerInput();
    EXPECT_EQ(Level.Crouching, c.crouches);
    EXPECT_EQ(p.GetY(), 100 + c.drop) << "lowered once";
    EXPECT_EQ(p.Height, c.crouches ? 17 : 26);
    if (!c.crouches) continue;
    EXPECT_EQ(world.mgr().KeyLeft, 0) << "no walking while crouched";
    world.release(world.mgr().KeyDown);
    HandlePlayerInput();
    EXPECT_FALSE(Level.Crouching);
    EXPECT_EQ(p.GetY(), 100);
    HandlePlayerInput();
    EXPECT_EQ(world.mgr().KeyLeft, 37) << "walking keys back";
  }
}

TEST(PlayerInput, NoStandingUpWhileDyingOrAtTheLevelEnd) {
  for (int which = 0; which < 2; ++which) {
    PlayerWorld world;
    GameShell.PlayerMode = PlayerBig;
    world.placePlayer(100, 100, 16, 26, 8);
    world.press(world.mgr().KeyDown);
    HandlePlayerInput();
    world.release(world.mgr().KeyDown);
    (which == 0 ? Level.PlayerDying : Level.LevelEnded) = true;
    HandlePlayerInput();
    EXPECT_TRUE(Level.Crouching);
    EXPECT_EQ(world.player().GetY(), 109);
  }
}

TEST(PlayerInput, LevelKeys) {
  PlayerWorld world;
  LevelKeyDown(113, 0);
  EXPECT_EQ(Level.Rebuild, TRebuild::Restart);
  EXPECT_FALSE(Level.ReturnToMap);
  LevelKeyDown(113, 1);
  EXPECT_TRUE(Level.LevelEnded);
  EXPECT_TRUE(Level.ReturnToMap);
  EXPECT_EQ(WorldMap.MapPosition, 13);
  EXPECT_EQ(WorldMap.ShowPlayerTime, 100500);
  LevelKeyDown(8, 0);
  EXPECT_EQ(EffectCalls.back(), "secret code");
}

}  // namespace
