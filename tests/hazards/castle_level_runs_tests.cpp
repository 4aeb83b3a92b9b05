// The default game's castle (content/game/levels/1-4.level) played headless: its
// lava with a flame value makes one jumping flame each on the first frame, a big
// player dropped into the first lava pit dies there as a small one, and the
// cannon before the second pit shoots at the player once he comes near. In a
// won level the lava costs nothing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "components/gkspts/sprite_mgr.h"
#include "game/Game/level_state.h"
#include "game/frmMain/frmMain.h"
#include "game/frmMain/shell_state.h"
#include "tools/tqrun/level_run.h"

namespace {

// 16 pixels a cell; the ground's top is row 11 (y 176), the first lava pit spans
// columns 16..18, the first cannon stands in column 31 of row 9.
constexpr int FirstPitX = 256, GroundTopY = 176;
constexpr int CannonX = 496, CannonY = 144;

class CastleRun : public ::testing::Test {
 protected:
  void SetUp() override {
    Level = TLevelState{};
    run_ = std::make_unique<TLevelRun>(TQ_STAGE_DIR);
    run_->StartLevel(std::string(TQ_STAGE_DIR) + "/levels/1-4.tql");
  }
  void TearDown() override {
    run_.reset();
    Level.LevelIni.reset();
  }

  TGKSprites& sprites() { return run_->Main().DXSprites->Sprites; }
  std::vector<int> spritesOfKind(int kind) {
    std::vector<int> found;
    for (int i = 0; i < sprites().Count(); ++i)
      if (sprites().GetSprite(i).Animation == kind) found.push_back(i);
    return found;
  }
  // Puts the player at a level position.
  void placePlayer(int levelX, int levelY) {
    Level.Player->SetX(levelX - run_->Main().CameraX);
    Level.Player->SetY(levelY - run_->Main().CameraY);
  }
  void runFrames(int n) {
    for (int k = 0; k < n; ++k) run_->RunFrame(script_);
  }

  std::unique_ptr<TLevelRun> run_;
  std::vector<TKeyEvent> script_;
};

TEST_F(CastleRun, EveryLavaWithAFlameValueMakesOneFlameOnTheFirstFrame) {
  runFrames(1);
  const std::vector<int> flames = spritesOfKind(337);
  ASSERT_EQ(flames.size(), 6u) << "the six lava cells marked L";
  for (int f : flames) {
    const TGKSprite& flame = sprites().GetSprite(f);
    ASSERT_GT(flame.State, 0);
    ASSERT_LT(flame.State, sprites().Count());
    const TGKSprite& lava = sprites().GetSprite(flame.State);
    EXPECT_EQ(lava.Animation, 63);
    EXPECT_EQ(lava.Param1, f);
    EXPECT_EQ(lava.State, 7) << "its flame value";
  }
  runFrames(10);
  EXPECT_EQ(spritesOfKind(337).size(), 6u) << "no second flame";
}

TEST_F(CastleRun, ABigPlayerDroppedIntoTheLavaDiesSmall) {
  runFrames(1);
  run_->Main().SetPlayerMode(PlayerBig, false);
  const int lives = Level.Lives;
  placePlayer(FirstPitX + 16, GroundTopY - 64);
  int frames = 0;
  while (!Level.PlayerDying && frames < 80) {
    runFrames(1);
    ++frames;
  }
  ASSERT_TRUE(Level.PlayerDying) << "still alive after 80 frames";
  EXPECT_EQ(GameShell.PlayerMode, PlayerSmall);
  EXPECT_EQ(Level.Lives, lives - 1);
  const TFrameState state = run_->State();
  EXPECT_GE(state.x, FirstPitX - 16);
  EXPECT_LE(state.x, FirstPitX + 48);
}

// In a level already won (a chest taken, the player still in control) the lava
// takes neither his life nor his form.
TEST_F(CastleRun, TheLavaOfAWonLevelCostsNothing) {
  runFrames(1);
  run_->Main().SetPlayerMode(PlayerBig, false);
  Level.LevelWon = true;
  const int lives = Level.Lives;
  placePlayer(FirstPitX + 16, GroundTopY - 64);
  for (int frame = 0; frame < 80; ++frame) {
    runFrames(1);
    ASSERT_FALSE(Level.PlayerDying) << frame;
  }
  EXPECT_EQ(GameShell.PlayerMode, PlayerBig);
  EXPECT_EQ(Level.Lives, lives);
}

TEST_F(CastleRun, TheCannonShootsAtThePlayerOnceHeIsNear) {
  runFrames(1);
  EXPECT_TRUE(spritesOfKind(100).empty()) << "asleep while off screen";
  // On the ground between the cannon's block and the second pit, standing still.
  placePlayer(CannonX + 20, GroundTopY - 16);
  runFrames(40 * 6);
  const std::vector<int> bullets = spritesOfKind(100);
  ASSERT_FALSE(bullets.empty()) << "no shot in six seconds";
  const TGKSprite& first = sprites().GetSprite(bullets.front());
  EXPECT_EQ(first.Direction, 8) << "towards the player on its right";
}

}  // namespace
