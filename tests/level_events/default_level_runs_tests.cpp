// The first level of the default game, played headless with key scripts: the
// end card wins it and the way back to the map follows the countdown; running
// into the first enemy kills the small player, and the map follows the death.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "game/Game/level_events.h"
#include "game/Game/level_state.h"
#include "game/frmMain/frmMain.h"
#include "game/frmMain/pending_screens.h"
#include "game/Map/world_map.h"
#include "tools/tqrun/level_run.h"

namespace {

constexpr int kFramesPerSecond = 40;  // the runner's clock advances 25 ms a frame

class DefaultLevelRun : public ::testing::Test {
 protected:
  void SetUp() override { start(); }
  void TearDown() override { stop(); }

  void start() {
    Level = TLevelState{};
    WorldMap = TWorldMapState{};
    run_ = std::make_unique<TLevelRun>(TQ_STAGE_DIR);
    // The map stands first; the level is entered from its node.
    OpenWorldFile(GameShell.ExeDir + "worlds\\world1.tqw");
    WorldMap.EnteredNode = 14;
    run_->StartLevel(std::string(TQ_STAGE_DIR) + "/levels/1-1.tql");
  }
  void stop() {
    run_.reset();
    Level.LevelIni.reset();
  }

  // Runs frames until `done` holds or `limit` frames have run; the frame it held on, or -1.
  template <class Done>
  int runUntil(const std::vector<TKeyEvent>& script, int limit, Done&& done) {
    for (int n = 0; n < limit; ++n) {
      run_->RunFrame(script);
      if (done()) return run_->Frame();
    }
    return -1;
  }

  std::unique_ptr<TLevelRun> run_;
};

std::vector<TKeyEvent> parse(const std::string& text) { return ParseKeyScript(text); }

TEST_F(DefaultLevelRun, RunningIntoTheFirstEnemyKillsThePlayerThenTheMapOrTheTitleFollows) {
  const struct {
    int lives, screen;
  } cases[] = {{3, ssWorldMap}, {1, ssTitle}};
  for (const auto& c : cases) {
    stop();
    start();
    Level.Lives = c.lives;
    const std::vector<TKeyEvent> script = parse("1 down right\n");
    const int death = runUntil(script, 20 * kFramesPerSecond, [] { return Level.PlayerDying; });
    ASSERT_NE(death, -1) << "the player never met the enemy";
    EXPECT_EQ(Level.Lives, c.lives - 1);
    // No music player here: the death lasts as long as its tune would, then the
    // map comes back while lives are left, else the title.
    TfmMain& w = run_->Main();
    const int back = runUntil(script, 10 * kFramesPerSecond, [&] { return w.ScreenState() != ssLevel; });
    ASSERT_NE(back, -1) << "the death sequence never ended";
    EXPECT_NEAR(back - death, DeathTuneMs / 25, 45) << c.lives;
    EXPECT_EQ(w.ScreenState(), c.screen) << c.lives;
    EXPECT_TRUE(w.EndedNodes.empty());
  }
}

// Right all the way, with a jump over each gap, enemy and wall; the last one
// reaches the card floating at the end.
const char* const kWinningScript =
    "1 down right\n"
    "51 down fire1\n"
    "59 up fire1\n"
    "129 down fire1\n"
    "137 up fire1\n"
    "202 down fire1\n"
    "210 up fire1\n"
    "298 down fire1\n"
    "306 up fire1\n"
    "375 down fire1\n"  // over the turtle before the pipe
    "383 up fire1\n"
    "402 down fire1\n"
    "410 up fire1\n"
    "458 down fire1\n"
    "466 up fire1\n"
    "515 down fire1\n"
    "539 up fire1\n"
    "587 down fire1\n"
    "611 up fire1\n"
    "659 down fire1\n"
    "667 up fire1\n"
    "748 down fire1\n"
    "756 up fire1\n";

TEST_F(DefaultLevelRun, TheEndCardWinsTheLevelAndTheMapMarksTheNodeFinished) {
  const std::vector<TKeyEvent> script = parse(kWinningScript);
  TfmMain& w = run_->Main();
  const int end = runUntil(script, 30 * kFramesPerSecond, [] { return Level.LevelEnded; });
  ASSERT_NE(end, -1) << "the card was not reached";
  EXPECT_FALSE(Level.PlayerDying);
  EXPECT_NE(Level.EndCard, 0);
  EXPECT_EQ(w.Cards[0], Level.EndCard) << "the card goes to the first slot";
  EXPECT_EQ(w.NextCardSlot, 1);
  EXPECT_GT(Level.Coins, 0) << "coins on the way";
  EXPECT_GE(Level.Score, 100 * Level.Coins);
  EXPECT_TRUE(w.EndedNodes.empty()) << "not before the countdown";

  const int back = runUntil(script, 10 * kFramesPerSecond, [&] { return w.ScreenState() == ssWorldMap; });
  ASSERT_NE(back, -1) << "the countdown never returned to the map";
  EXPECT_NEAR(back - end, 7 * kFramesPerSecond, 2 * kFramesPerSecond);
  EXPECT_EQ(w.EndedNodes, std::vector<std::string>{"14"});
  EXPECT_EQ(w.Cards[0], Level.EndCard) << "one card is no bonus: it stays for the next level";
}

}  // namespace
