// The player's own checks before the loop over the other sprites: the run meter
// that grants flight, and letting go of a carried object that he no longer touches.
#include <gtest/gtest.h>

#include "game/Game/cases_pipes.h"
#include "game/Game/level_events.h"
#include "game/Game/player_input.h"
#include "game/LevelAnimations/level_animations.h"
#include "game/frmMain/shell_state.h"
#include "ring_level.h"

namespace {

class RunMeter : public RingLevel {
 protected:
  void SetUp() override {
    RingLevel::SetUp();
    player().SetMaxSpeed(4);
    player().SetSpeed(4);
    player().SetJumpState(jsGround);
    player().Timer = now();
    hold(w().DXSprites->KeyFire2);
  }
  // One player call's checks; returns the flight block they leave.
  bool check() {
    TPlayerMove move{player()};
    move.FlightBlocked = true;  // shows that the checks set it themselves
    PlayerOwnChecks(move);
    return move.FlightBlocked;
  }
  // Runs flat out until the meter is full, one call every 201 ms.
  void fill() {
    while (w().RunMeter < RunMeterFull) {
      advance(RunMeterStepMs + 1);
      check();
    }
  }
};

TEST_F(RunMeter, FillsOneStepPer200MsOfRunningFlatOutWithFire2) {
  for (int mode : {PlayerBig, PlayerFlying}) {
    SCOPED_TRACE(mode);
    GameShell.PlayerMode = mode;
    w().RunMeter = 0;
    Level.MayFly = false;
    for (int step = 1; step <= RunMeterFull; ++step) {
      advance(RunMeterStepMs);
      EXPECT_TRUE(check()) << "running flat out blocks the flight climb";
      EXPECT_EQ(w().RunMeter, step - 1) << "not before 200 ms have passed";
      advance(1);
      check();
      EXPECT_EQ(w().RunMeter, step);
      EXPECT_EQ(Level.MayFly, mode == PlayerFlying && step == RunMeterFull);
    }
    EXPECT_EQ(w().RunMeterFullTime, now());
    EXPECT_EQ(w().RunMeterBlinkTime, now());
    advance(RunMeterStepMs + 1);
    check();
    EXPECT_EQ(w().RunMeter, RunMeterFull) << "it stops at 6";
  }
}

TEST_F(RunMeter, DoesNotFillBelowTopSpeedWithoutFire2OrInTheAir) {
  const struct {
    const char* what;
    double speed;
    bool fire2;
    uint8_t jump;
  } cases[] = {{"below top speed", 3.5, true, jsGround},
               {"without Fire2", 4, false, jsGround},
               {"in the air", 4, true, jsRising}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    w().RunMeter = 0;
    player().SetSpeed(c.speed);
    c.fire2 ? hold(w().DXSprites->KeyFire2) : release(w().DXSprites->KeyFire2);
    player().SetJumpState(c.jump);
    advance(RunMeterStepMs + 1);
    check();
    EXPECT_EQ(w().RunMeter, 0);
  }
}

TEST_F(RunMeter, AFullMeterKeepsItsFlightFiveSecondsFromWhenItFilled) {
  GameShell.PlayerMode = PlayerFlying;
  fill();
  const int filled = now();
  player().SetJumpState(jsRising);  // the run stops with a jump
  advance(RunMeterHoldMs);
  EXPECT_TRUE(check()) << "a full meter still blocks the climb";
  EXPECT_EQ(w().RunMeter, RunMeterFull);
  EXPECT_TRUE(Level.MayFly);
  advance(1);
  check();
  EXPECT_EQ(now() - filled, RunMeterHoldMs + 1);
  EXPECT_EQ(w().RunMeter, 0);
  EXPECT_FALSE(Level.MayFly);
}

TEST_F(RunMeter, AMeterThatNeverFilledEmptiesAtOnce) {
  for (int k = 0; k < 3; ++k) {
    advance(RunMeterStepMs + 1);
    check();
  }
  ASSERT_EQ(w().RunMeter, 3);
  release(w().DXSprites->KeyFire2);
  advance(1);
  check();
  EXPECT_EQ(w().RunMeter, 0);
}

TEST_F(RunMeter, RestsInWaterInUnlimitedFlightAndWhileEnteringTheLevel) {
  const struct {
    const char* what;
    int medium;
    bool unlimited;
    int entryMode;
  } cases[] = {{"in water", MediumWater, false, EntryNormal},
               {"in quicksand", MediumQuicksand, false, EntryNormal},
               {"in unlimited flight", MediumDry, true, EntryNormal},
               {"coming out of a pipe", MediumDry, false, EntryFromPipe}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    w().RunMeter = 2;
    w().RunMeterFullTime = 0;
    PlayerMedium(player()) = c.medium;
    Level.UnlimitedFlight = c.unlimited;
    GameShell.EntryMode = c.entryMode;
    advance(RunMeterStepMs + 1);
    EXPECT_FALSE(check()) << "nothing blocks the climb";
    EXPECT_EQ(w().RunMeter, 2);
  }
  GameShell.EntryMode = EntryNormal;
}

using Carried = RingLevel;

TEST_F(Carried, IsLetGoOnceItNoLongerTouchesThePlayer) {
  // The player covers (100, 100) .. (116, 116).
  const struct {
    const char* what;
    int x;
    bool kept;
  } cases[] = {{"held in front of him", 112, true}, {"one pixel in", 115, true}, {"just beside him", 116, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const int shell = add(Shellr, c.x, 102);
    sprite(shell).Timer = -1;
    SetCarrying(true, &sprite(shell));
    advance(10);
    TPlayerMove move{player()};
    PlayerOwnChecks(move);
    EXPECT_EQ(Level.Carrying, c.kept);
    EXPECT_EQ(sprite(shell).Timer, c.kept ? -1 : now());
    sprite(shell).Disable();
    sprite(shell).Hide();
  }
}

}  // namespace
