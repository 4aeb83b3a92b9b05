// The default game from the map into a level whose castle end or chest is
// taken: the level is won, and nothing in the wait before the map costs the
// player anything, whatever the clock, the level or a secret code does meanwhile.
#include <algorithm>
#include <string>
#include <vector>

#include "default_game_play.h"

#include "components/ZEZ/TGKScreen.h"

namespace {

class AWonLevel : public DefaultGamePlay {
 protected:
  void SetUp() override {
    DefaultGamePlay::SetUp();
    secretCodes_ = GameShell.SecretCodes;
  }
  void TearDown() override {
    GameShell.SecretCodes = secretCodes_;
    DefaultGamePlay::TearDown();
  }
  bool nodeWon(int node) {
    const std::vector<std::string>& ended = main().EndedNodes;
    return std::find(ended.begin(), ended.end(), std::to_string(node)) != ended.end();
  }

 private:
  bool secretCodes_ = false;
};

struct ChestWaitCase {
  const char* name;
  int lives;      // on entering the level
  bool fallsOut;  // the player drops below the level in the wait
};

class TheWaitAfterTheChest : public AWonLevel, public ::testing::WithParamInterface<ChestWaitCase> {};

// The mushroom house with 5 s on the clock: the chest is taken with 3 s left
// and the player keeps his keys through the 5 s wait. The clock stands, and
// neither the time running out nor a fall out of the level takes a life: the
// wait ends on the map with the node won, on the last life too.
TEST_P(TheWaitAfterTheChest, EndsOnTheMapWithNoLifeLost) {
  const ChestWaitCase& c = GetParam();
  openTheGame();
  if (HasFatalFailure()) return;
  Level.Lives = c.lives;
  enterTheNodeOf("levels\\casa.tql");
  if (HasFatalFailure()) return;
  const int node = WorldMap.EnteredNode;
  Level.LevelTime = 5;  // as the level's own Time=5 would set it
  const std::vector<TKeyEvent> script = KeyScriptFrom("casa.keys", run->Frame());
  playUntilTheEndIsTaken(script);
  if (HasFatalFailure()) return;
  ASSERT_TRUE(Level.Player->Controlled) << "a chest without a text leaves the player his keys";
  const int timeLeft = Level.LevelTime;
  ASSERT_GT(timeLeft, 0);
  if (c.fallsOut) {
    const int levelHeight = Level.Options.ResFactor * Level.Options.Height;
    Level.Player->SetY(2 * std::max(levelHeight, main().DXScreen->GetClipRect().Bottom) + 1);
  }
  for (int i = 0; i < kWaitFrames && !mapReady(); ++i) {
    run->RunFrame(script);
    ASSERT_FALSE(Level.PlayerDying) << i << " frames into the wait";
    ASSERT_NE(screen(), ssTitle) << i << " frames into the wait";
    if (screen() == ssLevel) {
      ASSERT_EQ(Level.LevelTime, timeLeft) << i << " frames into the wait";
    }
  }
  ASSERT_TRUE(mapReady());
  EXPECT_EQ(Level.Lives, c.lives);
  EXPECT_TRUE(nodeWon(node));
}

INSTANTIATE_TEST_SUITE_P(Chest, TheWaitAfterTheChest,
                         ::testing::Values(ChestWaitCase{"TheClockRunsOut", 5, false},
                                           ChestWaitCase{"TheClockRunsOutOnTheLastLife", 1, false},
                                           ChestWaitCase{"ThePlayerFallsOutOnTheLastLife", 1, true}),
                         [](const ::testing::TestParamInfo<ChestWaitCase>& info) { return std::string(info.param.name); });

struct TakenEndCase {
  const char* name;
  const char* level;  // the node's link
  const char* keys;   // its script up to the end, in this folder
  bool castle;
};

class ASecretCodeInTheWait : public AWonLevel, public ::testing::WithParamInterface<TakenEndCase> {};

// WILLOWBED, which shows and wakes every sprite, typed 2 s into the wait after
// the chest or the castle's end: the taken end stays taken (the player standing
// at it does not take it again), and the wait ends when it would have, on the
// map with the node won (and after the castle with its locks open).
TEST_P(ASecretCodeInTheWait, LeavesTheTakenEndTaken) {
  const TakenEndCase& c = GetParam();
  constexpr int kFrameMs = 25, kEndWaitMs = 5000;
  GameShell.SecretCodes = true;
  openTheGame();
  if (HasFatalFailure()) return;
  enterTheNodeOf(c.level);
  if (HasFatalFailure()) return;
  const int node = WorldMap.EnteredNode;
  playUntilTheEndIsTaken(KeyScriptFrom(c.keys, run->Frame()));
  if (HasFatalFailure()) return;
  const int taken = run->Frame();
  for (int i = 0; i < 2000 / kFrameMs; ++i) run->RunFrame({});
  typeCode("WILLOWBED");
  EXPECT_TRUE(endTaken()) << "the code brought the taken end back";
  ASSERT_TRUE(framesUntil([&] { return screen() != ssLevel; })) << "the wait never ends";
  EXPECT_LE(run->Frame() - taken, kEndWaitMs / kFrameMs + 1) << "the wait began again";
  ASSERT_TRUE(framesUntil([&] { return mapReady(); }));
  EXPECT_TRUE(nodeWon(node));
  EXPECT_EQ(WorldMap.OpenLocks, c.castle);
}

INSTANTIATE_TEST_SUITE_P(Ends, ASecretCodeInTheWait,
                         ::testing::Values(TakenEndCase{"Chest", "levels\\casa.tql", "casa.keys", false},
                                           TakenEndCase{"Castle", "levels\\1-4.tql", "1-4.keys", true}),
                         [](const ::testing::TestParamInfo<TakenEndCase>& info) { return std::string(info.param.name); });

}  // namespace
