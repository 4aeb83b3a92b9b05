// The default world's wandering enemy met away from its home path, its level
// saved and opened again through the main window's menu, and won: on a scratch
// program folder that links to the staged game, so that the saved state is
// written there.
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "default_game_play.h"
#include "game/Game/level_events.h"
#include "game/frmMain/saved_state.h"

namespace fs = std::filesystem;

namespace {

class AWanderingEnemysLevel : public DefaultGamePlay {
 protected:
  void SetUp() override {
    DefaultGamePlay::SetUp();
    folder = fs::temp_directory_path() / ("wandering_enemy_state_" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    for (const fs::directory_entry& e : fs::directory_iterator(TQ_STAGE_DIR)) {
      const std::string name = e.path().filename().string();
      if (name == "Hopz.ini") fs::copy_file(e.path(), folder / name);
      else if (name != SavedStateFileName) fs::create_symlink(e.path(), folder / name);
    }
    run.reset();
    run = std::make_unique<TLevelRun>(folder.string());
  }
  void TearDown() override {
    DefaultGamePlay::TearDown();
    fs::remove_all(folder);
  }

  bool isEnded(int node) {
    const std::vector<std::string>& ended = main().EndedNodes;
    return std::find(ended.begin(), ended.end(), std::to_string(node)) != ended.end();
  }
  // The map's wandering enemy, and a path of its row other than its home.
  void findTheEnemy(int& enemy, int& away) {
    enemy = away = -1;
    for (int i = MapStartNode; i < manager().Sprites.Count(); ++i)
      if (sprite(i).Animation == wkHammer && SpriteTextOf(sprite(i))) enemy = i;
    ASSERT_NE(enemy, -1) << "the map has no wandering enemy";
    const int home = sprite(enemy).Param3;
    for (int i = MapStartNode; i < manager().Sprites.Count(); ++i)
      if (i != home && inSet(EnemyPaths, sprite(i).Animation) && sprite(i).GetY() == sprite(home).GetY()) away = i;
    ASSERT_NE(away, -1) << "no other enemy path in the row of node " << home;
  }
  // The enemy has roamed to the path and rests there, where the player stands.
  void meetOn(int enemy, int away) {
    const TGKSprite& path = sprite(away);
    TGKSprite& hammer = sprite(enemy);
    hammer.SetX(path.GetX());
    hammer.SetY(path.GetY());
    hammer.StartPos = int(uint32_t(uint16_t(path.GetX() + main().CameraX)) |
                          (uint32_t(uint16_t(path.GetY() + main().CameraY)) << 16));
    hammer.Param1 = 2;
    hammer.Param2 = away;
    player().SetX(path.GetX() + 1);
    player().SetY(path.GetY());
    WorldMap.MapPosition = away;
  }

  fs::path folder;
};

// Saved with F6 in the level of the enemy met away from home and opened with
// F5: winning the level beats that enemy, whose home path is marked won, and
// it stays off the map; the path where it was met is not marked.
TEST_F(AWanderingEnemysLevel, SavedAndOpenedBeatsTheEnemyMet) {
  openTheGame();
  if (HasFatalFailure()) return;
  int enemy = -1, away = -1;
  findTheEnemy(enemy, away);
  if (HasFatalFailure()) return;
  const int home = sprite(enemy).Param3;
  meetOn(enemy, away);
  ASSERT_TRUE(framesUntil([&] { return screen() == ssLevel; })) << "the enemy does not take the player into its level";
  ASSERT_EQ(WorldMap.EnteredNode, home);
  ASSERT_EQ(WorldMap.LastPosition, away);
  const std::string level = Level.LevelFileName;
  run->RunFrame({});

  main().MenuClick("mnuSaveState");
  ASSERT_TRUE(fs::exists(folder / SavedStateFileName));
  for (int i = 0; i < 20; ++i) run->RunFrame({});
  WorldMap.EnteredNode = away;  // anything: the state says which node the level is for
  main().MenuClick("mnuOpenState");
  run->RunFrame({});
  ASSERT_EQ(screen(), ssLevel);
  ASSERT_EQ(Level.LevelFileName, level);
  EXPECT_EQ(WorldMap.EnteredNode, home);

  StartLevelEnd();
  ASSERT_TRUE(framesUntil([&] { return mapReady(); }));
  EXPECT_TRUE(isEnded(home));
  EXPECT_FALSE(isEnded(away));
  EXPECT_EQ(WorldMap.MapPosition, away);
  for (int i = MapStartNode; i < manager().Sprites.Count(); ++i)
    if (sprite(i).Animation == wkHammer && sprite(i).Param3 == home) {
      EXPECT_FALSE(sprite(i).Visible || sprite(i).Enabled) << "the beaten enemy is back on the map";
    }
}

}  // namespace
