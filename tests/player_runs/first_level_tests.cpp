// The first level of the default game (content/game/levels/1-1.level), 16 pixels a
// cell: ground tops at y 176 (row 11) with a gap over x 272..320 and a pit over
// x 928..976, a platform on top of row 7 (y 112) over x 384..480, a slope up at
// x 608 to a hill whose top is y 160 (row 10) from x 624 to 736. The small player
// is 16 pixels high, so he stands at y 160 on the ground, 96 on the platform and
// 144 on the hill.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "game/Game/level_state.h"
#include "game/frmMain/shell_state.h"
#include "tools/tqrun/level_run.h"

namespace {

constexpr int GroundY = 160, PlatformY = 96, HillY = 144;

std::string readFile(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class FirstLevelRun : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    Level = TLevelState{};
    TLevelRun run(TQ_STAGE_DIR);
    run.StartLevel(std::string(TQ_STAGE_DIR) + "/levels/1-1.tql");
    const std::vector<TKeyEvent> script =
        ParseKeyScript(readFile(std::string(TQ_SOURCE_DIR) + "/tests/player_runs/first_level.keys"));
    // Frame n is states[n]; the run stops a few frames into the death, before the
    // death tune hands over to the map.
    states_.assign(1, TFrameState{});
    int dyingFor = 0;
    for (int frame = 1; frame <= 400 && dyingFor < 5; ++frame) {
      run.RunFrame(script);
      states_.push_back(run.State());
      if (states_.back().playerDying) ++dyingFor;
    }
    Level.LevelIni.reset();
  }
  static void TearDownTestSuite() { states_.clear(); }

  static const TFrameState& at(int frame) { return states_.at(static_cast<size_t>(frame)); }
  static int lastFrame() { return static_cast<int>(states_.size()) - 1; }
  // The first frame from `from` on for which `test` holds, or -1.
  template <typename Test>
  static int firstFrame(int from, Test test) {
    for (int f = from; f <= lastFrame(); ++f)
      if (test(at(f))) return f;
    return -1;
  }

  static std::vector<TFrameState> states_;
};

std::vector<TFrameState> FirstLevelRun::states_;

TEST_F(FirstLevelRun, WalksThenRunsAtTheirTopSpeeds) {
  // Top speeds in pixels a frame once the acceleration is over: walking 2, running 4.
  struct Case { const char* what; int from, to, step; };
  for (const Case& c : {Case{"walk", 12, 20, 2}, Case{"run", 32, 42, 4}}) {
    SCOPED_TRACE(c.what);
    for (int f = c.from + 1; f <= c.to; ++f) {
      SCOPED_TRACE(f);
      EXPECT_EQ(at(f).y, GroundY);
      EXPECT_EQ(at(f).x - at(f - 1).x, c.step);
    }
  }
}

TEST_F(FirstLevelRun, JumpsOverTheGapOntoThePlatform) {
  // Over the gap the player is always above the ground line, and alive.
  for (int f = 1; f <= lastFrame(); ++f) {
    if (at(f).x + 12 <= 272 || at(f).x >= 320) continue;
    SCOPED_TRACE(f);
    EXPECT_LT(at(f).y, GroundY);
    EXPECT_FALSE(at(f).playerDying);
  }
  // He lands on the platform's top and walks along it.
  const int landed = firstFrame(1, [](const TFrameState& s) { return s.y == PlatformY; });
  ASSERT_NE(landed, -1);
  EXPECT_GT(at(landed).x, 384 - 12);
  for (int f = landed; f < landed + 15; ++f) {
    SCOPED_TRACE(f);
    EXPECT_EQ(at(f).y, PlatformY);
    EXPECT_LE(at(f).x, 480);
    EXPECT_GT(at(f).x, at(f - 1).x);
  }
}

TEST_F(FirstLevelRun, ClimbsTheSlopeOntoTheHill) {
  const int atFoot = firstFrame(1, [](const TFrameState& s) { return s.x >= 590 && s.y == GroundY; });
  ASSERT_NE(atFoot, -1);
  const int onHill = firstFrame(atFoot, [](const TFrameState& s) { return s.y == HillY; });
  ASSERT_NE(onHill, -1);
  // On the way up he stays over the ground line (the slope lifts him a few pixels
  // ahead and the landing puts him back on its surface), and is held by the
  // hill's first block until his feet are up.
  for (int f = atFoot + 1; f < onHill; ++f) {
    SCOPED_TRACE(f);
    EXPECT_LT(at(f).y, GroundY);
    EXPECT_GT(at(f).y, HillY);
    EXPECT_LT(at(f).x, 624);
  }
  // Along the hill's top he walks level.
  const int over = firstFrame(onHill, [](const TFrameState& s) { return s.x + 12 > 736; });
  ASSERT_NE(over, -1);
  for (int f = onHill; f < over; ++f) {
    SCOPED_TRACE(f);
    EXPECT_EQ(at(f).y, HillY);
  }
}

TEST_F(FirstLevelRun, FallsIntoThePitAndDies) {
  const int dies = firstFrame(1, [](const TFrameState& s) { return s.playerDying; });
  ASSERT_NE(dies, -1);
  EXPECT_GE(at(dies).x + 12, 928);
  EXPECT_LE(at(dies).x, 976);
  EXPECT_GT(at(dies).y, GroundY + 16);
  EXPECT_EQ(at(dies).lives, at(dies - 1).lives - 1);
  // He went down inside the pit, not anywhere before it.
  const int sinks = firstFrame(1, [](const TFrameState& s) { return s.y > GroundY; });
  EXPECT_GE(at(sinks).x + 12, 928);
}

}  // namespace
