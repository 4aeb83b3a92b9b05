// Each level of the default game played from its start with a key script of this
// folder until it ends: the player never dies, and the level ends with the score
// and coins the script collects on its way.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "default_game_play.h"
#include "game/Game/level_state.h"
#include "game/frmMain/frmMain.h"
#include "tools/tqrun/level_run.h"

namespace {

struct WinningRun {
  const char* level;  // staged level file
  const char* keys;   // key script in this folder
  int frameLimit;     // the level must have ended by then
  int score, coins;   // when the level ends
};

class DefaultGameRun : public ::testing::TestWithParam<WinningRun> {};

TEST_P(DefaultGameRun, IsWonWithoutADeath) {
  const WinningRun& c = GetParam();
  Level = TLevelState{};
  TLevelRun run(TQ_STAGE_DIR);
  run.StartLevel(std::string(TQ_STAGE_DIR) + "/levels/" + c.level);
  const std::vector<TKeyEvent> script = KeyScriptFrom(c.keys, 0);

  const int lives = run.State().lives;
  TFrameState ended;
  for (int frame = 1; frame <= c.frameLimit && run.InLevel(); ++frame) {
    run.RunFrame(script);
    const TFrameState s = run.State();
    ASSERT_FALSE(s.playerDying) << "frame " << frame << " at x " << s.x << ", y " << s.y;
    if (s.levelEnded) {
      ended = s;
      break;
    }
  }
  ASSERT_TRUE(ended.levelEnded) << "the level has not ended by frame " << c.frameLimit;
  EXPECT_TRUE(ended.levelWon);
  EXPECT_EQ(ended.lives, lives);
  EXPECT_EQ(ended.score, c.score);
  EXPECT_EQ(ended.coins, c.coins);
  Level.LevelIni.reset();
}

INSTANTIATE_TEST_SUITE_P(Levels, DefaultGameRun,
                         ::testing::Values(WinningRun{"1-1.tql", "1-1.keys", 600, 800, 6},
                                           WinningRun{"1-3.tql", "1-3.keys", 700, 200, 2},
                                           WinningRun{"1-4.tql", "1-4.keys", 900, 1700, 5},
                                           WinningRun{"1-2.tql", "1-2.keys", 700, 2000, 12},
                                           WinningRun{"casa.tql", "casa.keys", 400, 1200, 2}),
                         [](const ::testing::TestParamInfo<WinningRun>& info) {
                           std::string name = info.param.level;
                           name = name.substr(0, name.find('.'));
                           for (char& ch : name)
                             if (ch == '-') ch = '_';
                           return "level_" + name;
                         });

}  // namespace
