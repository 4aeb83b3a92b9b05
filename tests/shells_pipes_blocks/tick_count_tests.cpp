// Rules that compare the tick count with a sprite's stamp, where a new sprite's
// Timer of -1 stands for long ago, played at tick counts early after boot, past
// 2^31 (where the count reads negative as an int) and just before the wrap to 0.
#include <gtest/gtest.h>

#include <cstdint>

#include "game/Game/cases_pipes.h"
#include "game/Game/player_input.h"
#include "game/Game/solid_rule.h"
#include "game/LevelAnimations/level_animations.h"
#include "game/frmMain/shell_state.h"
#include "ring_level.h"

namespace {

constexpr uint32_t kEarly = 1000;
constexpr uint32_t kPastHalf = (1u << 31) + 1000;
constexpr uint32_t kBeforeWrap = 0u - 1000;

class AnyTickCount : public RingLevel, public ::testing::WithParamInterface<uint32_t> {
 protected:
  void SetUp() override {
    RingLevel::SetUp();
    addImagesUpTo(700);  // the frames of the fishes and ship pipes
    clock_.set(GetParam());
  }
  int count() { return w().DXSprites->Sprites.Count(); }
  // The player's own checks of one move (the run meter among them).
  void ownChecks() {
    TPlayerMove move{player()};
    PlayerOwnChecks(move);
  }
};

TEST_P(AnyTickCount, TheRunMeterFillsFromANewPlayerGrantsFlightAndEmpties) {
  GameShell.PlayerMode = PlayerFlying;
  player().SetMaxSpeed(4);
  player().SetSpeed(4);
  player().SetJumpState(jsGround);
  ASSERT_EQ(player().Timer, -1);
  hold(w().DXSprites->KeyFire2);
  ownChecks();
  EXPECT_EQ(w().RunMeter, 1) << "the first step comes at once";
  for (int step = 2; step <= RunMeterFull; ++step) {
    advance(RunMeterStepMs + 1);
    ownChecks();
  }
  EXPECT_EQ(w().RunMeter, RunMeterFull);
  EXPECT_TRUE(Level.MayFly);

  release(w().DXSprites->KeyFire2);
  advance(RunMeterHoldMs);
  ownChecks();
  EXPECT_EQ(w().RunMeter, RunMeterFull) << "a full meter holds five seconds";
  advance(1);
  ownChecks();
  EXPECT_EQ(w().RunMeter, 0);
  EXPECT_FALSE(Level.MayFly);
}

TEST_P(AnyTickCount, AMeterThatNeverFilledEmptiesAtOnce) {
  player().SetMaxSpeed(4);
  player().SetSpeed(4);
  player().SetJumpState(jsGround);
  hold(w().DXSprites->KeyFire2);
  for (int k = 0; k < 3; ++k) {
    ownChecks();
    advance(RunMeterStepMs + 1);
  }
  ASSERT_EQ(w().RunMeter, 3);
  release(w().DXSprites->KeyFire2);
  ownChecks();
  EXPECT_EQ(w().RunMeter, 0);
}

TEST_P(AnyTickCount, ShootingPipesFireAtOnceOnScreenAndEveryFiveSecondsAfter) {
  placePlayer(10, 200);
  const int pipe25 = addSized(Generic25, 200, 100, 32, 32);
  sprite(pipe25).Param5 = 1;  // bullets on
  const int pipe355 = add(TQPipe355, 100, 60);
  sprite(pipe355).Param1 = 1;  // it shoots
  for (int pipe : {pipe25, pipe355}) {
    SCOPED_TRACE(sprite(pipe).Animation);
    ASSERT_EQ(sprite(pipe).Timer, -1);
    const int first = count();
    contact(pipe);
    EXPECT_EQ(count(), first + 1) << "the first shot comes at once";
    advance(5000);
    contact(pipe);
    EXPECT_EQ(count(), first + 1);
    advance(1);
    contact(pipe);
    EXPECT_EQ(count(), first + 2);
    advance(5001);
  }
}

TEST_P(AnyTickCount, TheBoomerangThrowerPacesTurnsAndThrows) {
  const int thrower = add(Turvob2, 250, 100, 24);
  sprite(thrower).StartPos = MakeLong(250, 100);
  placePlayer(40, 200);
  ASSERT_EQ(sprite(thrower).Timer, -1);
  contact(thrower);
  contact(thrower);
  EXPECT_EQ(sprite(thrower).GetX(), 249) << "a new thrower paces at once";
  int calls = 0;
  while (sprite(thrower).Param4 == 0 && calls < 1000) {
    contact(thrower);
    advance(25);
    ++calls;
  }
  EXPECT_GT(sprite(thrower).Param4, 0) << "no throw";
  EXPECT_EQ(sprite(thrower).Param2, 3) << "it throws on its second turn";
}

TEST_P(AnyTickCount, TheChasingFishTurnsToThePlayerAtOnceAndEvery300Ms) {
  const int fish = add(Fish3, 100, 100, 8, 0);
  ASSERT_EQ(sprite(fish).Timer, -1);
  placePlayer(100, 150);
  contact(fish);
  EXPECT_NEAR(sprite(fish).Direction, 16, 1) << "it points down at the player";
  placePlayer(100, 50);
  advance(300);
  contact(fish);
  EXPECT_NEAR(sprite(fish).Direction, 16, 1) << "not before 300 ms";
  advance(1);
  contact(fish);
  EXPECT_TRUE(sprite(fish).Direction <= 1 || sprite(fish).Direction >= 31) << sprite(fish).Direction;
}

TEST_P(AnyTickCount, AMovingShellThatWasNeverKickedHurts) {
  GameShell.PlayerMode = PlayerBig;
  placePlayer(100, 100);
  player().SetDirection(8);
  const int shell = addMoving(Shellr2, 110, 100, 24, 5);
  ASSERT_EQ(sprite(shell).Timer, -1);
  contact(shell);
  EXPECT_EQ(GameShell.PlayerMode, PlayerSmall);
}

TEST_P(AnyTickCount, DownHeldOnAWhitePanelDropsThroughAfterFiveSeconds) {
  const int panel = addSized(148, 90, 100, 48, 16);
  placePlayer(100, 84);
  player().SetDirection(8);
  hold(w().DXSprites->KeyDown);
  const auto solid = [&] {
    TPlayerMove move{player()};
    return SolidContact(move, panel);
  };
  EXPECT_EQ(solid(), TCaseEnd::Next);
  EXPECT_NE(sprite(panel).Timer, -1) << "the first landing stamps the panel";
  advance(5000);
  EXPECT_EQ(solid(), TCaseEnd::Next);
  advance(1);
  EXPECT_EQ(solid(), TCaseEnd::Leave);
  EXPECT_TRUE(w().DXSprites->PlayerBehind);
  EXPECT_EQ(player().GetY(), 89);
}

INSTANTIATE_TEST_SUITE_P(TickCounts, AnyTickCount, ::testing::Values(kEarly, kPastHalf, kBeforeWrap),
                         [](const ::testing::TestParamInfo<uint32_t>& info) {
                           return info.param == kEarly ? "Early" : info.param == kPastHalf ? "PastHalf" : "BeforeWrap";
                         });

}  // namespace
