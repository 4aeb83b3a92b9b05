// The walk-off of a won level towards a side pipe or a door to another level,
// with the keys that enter them held as the player may still hold them from his
// run to the end card.
#include <string>
#include <vector>

#include "game/Game/level_events.h"
#include "level_fixture.h"
#include "game/frmMain/window_keys.h"

namespace {

class WalkOffTest : public LevelFixture {
 protected:
  // A floor under the player, and a way to level 1-2 a few cells to his right.
  void startBefore(const std::string& way) {
    std::vector<TObject> level{{2, 10, "0,1"}, {8, 10, way}};
    for (int col = 0; col < 20; ++col) level.push_back({col, 11, "7,1"});
    start(level, "Width=20\r\nHeight=13\r\n");
    ASSERT_NE(Level.Player, nullptr);
  }
  void hold(bool down) {
    for (int key : {int(main().DXSprites->KeyRight), int(main().DXSprites->KeyUp)}) DeliverKey(main(), key, down);
  }
  void TearDown() override {
    hold(false);
    LevelFixture::TearDown();
  }
};

// Walking right into the pipe, or up into the door, enters it; after the end
// card the walk-off with the same keys held enters neither, and the level stays
// ended (a way into another level would build that one and its node would never
// be won).
TEST_F(WalkOffTest, EntersNoPipeAndNoDoor) {
  for (const char* way : {"16,1,levels\\1-2.tql,,4,1", "59,1,levels\\1-2.tql,,4,1"})
    for (bool won : {false, true}) {
      SCOPED_TRACE(std::string(way) + (won ? " walk-off" : " walking"));
      startBefore(way);
      if (HasFatalFailure()) return;
      const std::string file = Level.LevelFileName;
      if (won) StartLevelEnd();
      hold(true);
      bool entered = false;
      for (int i = 0; i < 200 && !entered && run_->InLevel(); ++i) {
        run_->RunFrame({});
        entered = Level.EnteredPipe != -1 || player().State != 0 || Level.LevelFileName != file;
      }
      EXPECT_EQ(entered, !won);
      if (won) {
        EXPECT_TRUE(run_->InLevel());
        EXPECT_TRUE(Level.LevelEnded);
      }
      hold(false);
    }
}

}  // namespace
