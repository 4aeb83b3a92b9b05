// F2 while a warp spring throws the player up towards its target level.
#include <string>
#include <vector>

#include "game/frmMain/window_keys.h"
#include "level_fixture.h"
#include "platform/core/keys.h"

namespace {

class WarpSpringRestart : public LevelFixture {
 protected:
  void TearDown() override {
    platform::keyState().keyUp(main().DXSprites->KeyFire1);
    LevelFixture::TearDown();
  }
};

// The player lands on the spring with the jump key held and rises towards level
// 1-2; F2 during the rise starts the level he is in again, from its start cell.
TEST_F(WarpSpringRestart, F2DuringTheRiseRestartsTheRunningLevel) {
  std::vector<TObject> level{{2, 6, "0,1"}, {2, 10, "202,1,levels\\1-2.tql"}};
  for (int col = 0; col < 20; ++col) level.push_back({col, 11, "7,1"});
  start(level, "Width=20\r\nHeight=13\r\n");
  ASSERT_NE(Level.Player, nullptr);
  const std::string file = Level.LevelFileName;
  const int x = player().GetX() + main().CameraX, y = player().GetY() + main().CameraY;
  const int fire = main().DXSprites->KeyFire1;
  DeliverKey(main(), fire, true);
  for (int i = 0; i < 100 && player().Param2 != 1; ++i) run_->RunFrame({});
  ASSERT_EQ(player().Param2, 1) << "the spring never launched the player";
  ASSERT_FALSE(player().Controlled);
  DeliverKey(main(), fire, false);

  main().FormKeyDown(platform::VK_F2, 0);
  run_->RunFrame({});
  ASSERT_TRUE(run_->InLevel());
  EXPECT_EQ(Level.LevelFileName, file);
  EXPECT_EQ(GameShell.EntryMode, EntryNormal);
  EXPECT_TRUE(player().Controlled);
  EXPECT_EQ(player().GetX() + main().CameraX, x);
  EXPECT_EQ(player().GetY() + main().CameraY, y);
}

}  // namespace
