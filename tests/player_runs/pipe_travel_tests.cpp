// The pipe-travel flag: set while the player comes out of a pipe, cleared once he
// is out, and never set by the other ways of being drawn behind the scenery.
#include <gtest/gtest.h>

#include <string>

#include "components/gkspts/sprite_mgr.h"
#include "game/Game/level_frame.h"
#include "game/Game/level_state.h"
#include "game/frmMain/frmMain.h"
#include "game/frmMain/shell_state.h"
#include "tools/tqrun/level_run.h"

namespace {

class PipeTravelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Level = TLevelState{};
    run_ = std::make_unique<TLevelRun>(TQ_STAGE_DIR);
    run_->StartLevel(std::string(TQ_STAGE_DIR) + "/levels/1-1.tql");
  }
  void TearDown() override {
    run_.reset();
    Level.LevelIni.reset();
    GameShell.EntryMode = EntryNormal;
  }
  std::unique_ptr<TLevelRun> run_;
};

TEST_F(PipeTravelTest, LastsFromThePipeExitsStartToItsEnd) {
  // The level starts again with the player coming out of a pipe to the right
  // (no destination object: he comes out where the level starts him).
  GameShell.EntryMode = EntryFromPipe;
  GameShell.EntryDirection = EntryRight;
  Level.EntryPipe = 0;
  StartLevel();
  ASSERT_EQ(GameShell.EntryMode, EntryFromPipe);
  EXPECT_TRUE(Level.PipeTravel);
  int frames = 0;
  while (GameShell.EntryMode == EntryFromPipe && frames++ < 200) run_->RunFrame({});
  EXPECT_EQ(GameShell.EntryMode, EntryNormal);
  EXPECT_FALSE(Level.PipeTravel);
  EXPECT_FALSE(run_->Main().DXSprites->PlayerBehind);
}

TEST_F(PipeTravelTest, IsClearedWhenALevelIsBuilt) {
  Level.PipeTravel = true;
  Level.Rebuild = TRebuild::Passage;
  run_->RunFrame({});
  EXPECT_EQ(GameShell.EntryMode, EntryNormal);
  EXPECT_FALSE(Level.PipeTravel);
}

}  // namespace
