// The default game's second level played headless: its pipe in the middle of
// the level holds a green plant (plant code 1, kind 214), which comes out 24
// pixels, goes back 32 and waits; a player standing on the pipe keeps it in.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "components/gkspts/sprite_mgr.h"
#include "game/Game/level_state.h"
#include "game/frmMain/frmMain.h"
#include "tools/tqrun/level_run.h"

namespace {

constexpr int kPlantKind = 214, kPipeKind = 27;

class PlantLevelRun : public ::testing::Test {
 protected:
  void SetUp() override {
    Level = TLevelState{};
    run_ = std::make_unique<TLevelRun>(TQ_STAGE_DIR);
    run_->StartLevel(std::string(TQ_STAGE_DIR) + "/levels/1-2.tql");
    TGKSprites& sprites = run_->Main().DXSprites->Sprites;
    for (int i = FirstObjectSprite; i < sprites.Count() && plant_ < 0; ++i)
      if (sprites.GetSprite(i).Animation == kPlantKind) plant_ = i;
    ASSERT_GE(plant_, 0) << "the level has no pipe plant";
    ASSERT_EQ(sprite(plant_ + 1).Animation, kPipeKind) << "a plant comes just before its pipe";
  }
  void TearDown() override {
    run_.reset();
    Level.LevelIni.reset();
  }

  TGKSprite& sprite(int i) { return run_->Main().DXSprites->Sprites.GetSprite(i); }
  TGKSprite& plant() { return sprite(plant_); }
  int levelY(const TGKSprite& s) { return s.GetY() + run_->Main().CameraY; }
  // Runs frames until `done` holds; false when `limit` frames pass first.
  template <class Done>
  bool runUntil(const std::vector<TKeyEvent>& script, int limit, Done&& done) {
    for (int n = 0; n < limit; ++n) {
      run_->RunFrame(script);
      if (done()) return true;
    }
    return false;
  }

  std::unique_ptr<TLevelRun> run_;
  int plant_ = -1;
};

TEST_F(PlantLevelRun, ThePlantComesOutOfItsPipeGoesBackAndComesOutAgain) {
  // It starts in the pipe, hidden by it (drawn first), and turns 24 pixels above its top.
  const int pipeTop = levelY(sprite(plant_ + 1));
  EXPECT_EQ(PlantTurningCoordinate(plant()), pipeTop - 24);
  std::vector<int> phases{plant().Timer};
  int highest = levelY(plant()), lowest = highest;
  const bool again = runUntil({}, 400, [&] {
    if (plant().Timer != phases.back()) phases.push_back(plant().Timer);
    highest = std::min(highest, levelY(plant()));
    lowest = std::max(lowest, levelY(plant()));
    return phases.size() == 5;
  });
  ASSERT_TRUE(again) << "the plant stopped in phase " << phases.back();
  EXPECT_EQ(phases, (std::vector<int>{0, 2, 1, 3, 0}));
  EXPECT_EQ(highest, pipeTop - 24);
  EXPECT_EQ(lowest, pipeTop + 8);
  EXPECT_TRUE(plant().Visible);
  EXPECT_FALSE(Level.PlayerDying);
}

TEST_F(PlantLevelRun, APlayerStandingOnThePipeKeepsThePlantInsideUntilHeWalksOff) {
  ASSERT_TRUE(runUntil({}, 400, [&] { return plant().Timer == 3; }));
  // Put the player on the pipe's top, over the plant.
  TGKJumper& p = *Level.Player;
  const TGKSprite& pipe = sprite(plant_ + 1);
  p.SetX(pipe.GetX() + pipe.Width / 2 - p.Width / 2);
  p.SetY(pipe.GetY() - p.Height - 2);
  const bool cameOut = runUntil({}, 300, [&] { return plant().Timer != 3; });
  EXPECT_FALSE(cameOut) << "the plant came out under the player";
  EXPECT_FALSE(Level.PlayerDying);
  EXPECT_EQ(Level.HurtTimer, -1);
  EXPECT_LE(std::abs(p.GetX() - plant().GetX()), 26) << "the player stayed on the pipe";

  const int from = run_->Frame();
  const std::vector<TKeyEvent> walkOff{{from + 1, true, "left"}, {from + 25, false, "left"}};
  ASSERT_TRUE(runUntil(walkOff, 200, [&] { return plant().Timer == 2; })) << "the plant stayed in";
  EXPECT_GT(std::abs(p.GetX() - plant().GetX()), 26);
  EXPECT_FALSE(Level.PlayerDying);
}

}  // namespace
