// The default game's first level played headless through the level runner: the
// player jumps onto the pipe after the hill (x 832..864, top at y 144), lets go
// of Right over it and goes down it with Down held.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "components/gkspts/sprite_mgr.h"
#include "game/Game/level_state.h"
#include "game/frmMain/frmMain.h"
#include "tools/tqrun/level_run.h"

namespace {

constexpr int PipeX = 832, PipeRight = 864, PipeTop = 144;

struct TPipeFrame {
  int x = 0, y = 0;  // the player's level position
  int pipeDirection = 0, enteredPipe = -1;
  bool travelling = false, behind = false, controlled = true, othersMoving = true;
};

class PipeLevelRun : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    Level = TLevelState{};
    TLevelRun run(TQ_STAGE_DIR);
    run.StartLevel(std::string(TQ_STAGE_DIR) + "/levels/1-1.tql");
    // The first level's walk to the pipe (see tests/player_runs/first_level.keys),
    // then Right let go over the pipe and Down held on it for a while.
    const std::vector<TKeyEvent> script = ParseKeyScript(
        "1 down right\n20 down fire2\n44 down fire1\n69 up fire1\n200 up fire2\n240 down fire1\n262 up right\n"
        "265 up fire1\n290 down down\n300 up down\n");
    TfmMain& w = run.Main();
    frames_.assign(1, TPipeFrame{});
    for (int frame = 1; frame <= 360; ++frame) {
      run.RunFrame(script);
      const TGKJumper& p = *Level.Player;
      TPipeFrame f{p.GetX() + w.CameraX, p.GetY() + w.CameraY, p.State, Level.EnteredPipe,
                   Level.PipeTravel, w.DXSprites->PlayerBehind, p.Controlled, false};
      // The walker turtle before the pipe stands for the other sprites.
      for (int i = 1; i < w.DXSprites->Sprites.Count(); ++i)
        if (w.DXSprites->Sprites.GetSprite(i).Animation == 58 || w.DXSprites->Sprites.GetSprite(i).Animation == 57)
          f.othersMoving = w.DXSprites->Sprites.GetSprite(i).Enabled;
      frames_.push_back(f);
      if (frame == 295) {
        // Whatever touched him now would not kill him.
        KillPlayer();
        dyingAfterKill_ = Level.PlayerDying;
      }
    }
    Level.LevelIni.reset();
  }
  static void TearDownTestSuite() { frames_.clear(); }
  template <typename Test>
  static int firstFrame(int from, Test test) {
    for (int f = from; f < static_cast<int>(frames_.size()); ++f)
      if (test(frames_[static_cast<size_t>(f)])) return f;
    return -1;
  }
  static const TPipeFrame& at(int f) { return frames_.at(static_cast<size_t>(f)); }

  static std::vector<TPipeFrame> frames_;
  static bool dyingAfterKill_;
};

std::vector<TPipeFrame> PipeLevelRun::frames_;
bool PipeLevelRun::dyingAfterKill_ = true;

TEST_F(PipeLevelRun, GoesDownThePipeWithDownHeldOnIt) {
  const int entered = firstFrame(1, [](const TPipeFrame& f) { return f.pipeDirection != 0; });
  ASSERT_NE(entered, -1) << "the player never went into the pipe";
  const TPipeFrame& before = at(entered - 1);
  EXPECT_EQ(before.y + 16, PipeTop) << "he stood on the pipe";
  EXPECT_GT(before.x, PipeX);
  EXPECT_LT(before.x + 12, PipeRight);
  const TPipeFrame& in = at(entered);
  EXPECT_EQ(in.pipeDirection, 3) << "down";
  EXPECT_GE(in.enteredPipe, 39);
  EXPECT_TRUE(in.travelling);
  EXPECT_TRUE(in.behind);
  EXPECT_FALSE(in.controlled);
  EXPECT_FALSE(in.othersMoving);
  EXPECT_FALSE(dyingAfterKill_);

  // He sinks a pixel a frame until his head is below the pipe's top.
  const int inside = firstFrame(entered, [](const TPipeFrame& f) { return f.pipeDirection == 0; });
  ASSERT_NE(inside, -1);
  for (int f = entered + 1; f < inside; ++f) {
    SCOPED_TRACE(f);
    EXPECT_EQ(at(f).y, at(f - 1).y + 1);
    EXPECT_EQ(at(f).x, at(entered).x);
    EXPECT_TRUE(at(f).travelling);
  }
  EXPECT_EQ(at(inside).enteredPipe, -1) << "the level frame took him to the target";

  // He comes out in control, with the world moving again.
  const int out = firstFrame(inside, [](const TPipeFrame& f) { return f.controlled; });
  ASSERT_NE(out, -1);
  EXPECT_FALSE(at(out).travelling);
  EXPECT_FALSE(at(out).behind);
  EXPECT_TRUE(at(out).othersMoving);
}

}  // namespace
