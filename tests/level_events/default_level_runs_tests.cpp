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

}  // namespace
