// The default game's world map walked as a player walks it, through the main
// window: the title's start key opens the game, and from the start node every
// direction is tried at every stop the paths lead to. Each level node (and the
// wandering enemy met on its path) is entered with the fire key, won through
// the level's end and its countdown, and the map comes back with the node won
// before the walk goes on, so that the walk can pass the levels that block it.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "components/gkspts/sprite_mgr.h"
#include "default_game_play.h"
#include "game/Game/level_events.h"
#include "game/Game/level_state.h"
#include "game/Map/world_kinds.h"
#include "game/Map/world_map.h"
#include "game/ObjectLine/get_value.h"
#include "game/Splash/title_screen.h"
#include "game/frmMain/frmMain.h"
#include "platform/core/ini_file.h"
#include "platform/core/keys.h"
#include "platform/core/paths.h"
#include "tools/tqrun/level_run.h"

namespace {

bool isPathKind(int kind) { return kind >= 22 && kind <= 27; }

// The files the world's level nodes link, and the levels its wandering enemies
// challenge the player to, as the file stores them.
struct TWorldLinks {
  std::set<std::string> nodeLevels, enemyLevels;
};

TWorldLinks linksOf(const std::string& worldFile) {
  const platform::IniFile ini(platform::resolvePath(worldFile));
  TWorldLinks links;
  for (const std::string& key : ini.readSection("Sprites")) {
    const std::string line = ini.readString("Sprites", key, "");
    const int kind = std::stoi(GetValue(line, 0));
    if (!isPathKind(kind) && !GetValue(line, 2).empty()) links.nodeLevels.insert(GetValue(line, 2));
    if (isPathKind(kind) && GetValue(line, 2) == "1") links.enemyLevels.insert(GetValue(line, 3));
  }
  return links;
}

class DefaultWorldWalk : public DefaultGamePlay {
 protected:
  bool isEnded(int node) {
    const std::vector<std::string>& ended = main().EndedNodes;
    return std::find(ended.begin(), ended.end(), std::to_string(node)) != ended.end();
  }
  const std::string* linkHere() {
    const int here = WorldMap.MapPosition;
    return here >= MapStartNode && here < manager().Sprites.Count() ? SpriteTextOf(sprite(here)) : nullptr;
  }

  // The level chosen on the map comes up after the fade; it is won at once and
  // the map is shown again with the node won.
  void playChosenLevel() {
    const int node = WorldMap.EnteredNode;
    ASSERT_TRUE(framesUntil([&] { return screen() == ssLevel; })) << "node " << node << " enters no level";
    const std::string& file = Level.LevelFileName;
    ASSERT_EQ(file.rfind(GameShell.ExeDir, 0), 0u) << file;
    entered.push_back(file.substr(GameShell.ExeDir.size()));
    ASSERT_TRUE(Level.Player) << file << " builds no level";
    StartLevelEnd();
    ASSERT_TRUE(framesUntil([&] { return screen() == ssWorldMap && mapReady(); }))
        << file << " does not lead back to the map";
    EXPECT_FALSE(Level.PlayerDying) << file;
    EXPECT_TRUE(isEnded(node)) << file;
    EXPECT_EQ(WorldMap.MapPosition, WorldMap.LastPosition);
  }

  // Walks one step's way from the node the player stands on; the node it stops
  // on, or nothing when the way is closed.
  std::optional<int> walk(int key) {
    const int from = WorldMap.MapPosition;
    press(key);
    if (standsStill()) return std::nullopt;
    const bool stopped = framesUntil([&] { return standsStill(); });
    EXPECT_TRUE(stopped) << "the walk from node " << from << " never stops";
    if (!stopped) return std::nullopt;
    // A wandering enemy met where the player stopped takes him into its level.
    if (WorldMap.EnterNodeTime != -1) playChosenLevel();
    return WorldMap.MapPosition;
  }

  // Every way out of the node the player stands on, depth first, coming back
  // each time; a level node is won before it is left.
  void visit() {
    const int here = WorldMap.MapPosition;
    visited.insert(here);
    if (linkHere() && !isEnded(here)) {
      press(manager().KeyFire1);
      ASSERT_NE(WorldMap.EnterNodeTime, -1) << "fire does not choose node " << here;
      playChosenLevel();
      if (::testing::Test::HasFatalFailure()) return;
      EXPECT_NE(sprite(here).Animation, fileKind.at(here)) << "node " << here << " shows no won look";
    }
    const TGKSpriteMgr& m = manager();
    const std::pair<int, int> ways[] = {{m.KeyLeft, m.KeyRight}, {m.KeyRight, m.KeyLeft},
                                        {m.KeyUp, m.KeyDown}, {m.KeyDown, m.KeyUp}};
    for (const auto& [key, back] : ways) {
      const std::optional<int> next = walk(key);
      if (::testing::Test::HasFatalFailure()) return;
      if (!next) continue;
      if (!visited.count(*next)) visit();
      if (::testing::Test::HasFatalFailure()) return;
      EXPECT_EQ(walk(back), here) << "the way back from node " << *next;
      if (WorldMap.MapPosition != here) return;
    }
  }

  std::set<int> visited;
  std::vector<std::string> entered;
  std::map<int, int> fileKind;  // node sprite index -> its kind in the file
};

TEST_F(DefaultWorldWalk, EveryNodeOnThePathsIsReachedAndEveryLevelEnteredAndWon) {
  ASSERT_FALSE(main().GameFileName.empty());
  // The intro card closes and its stars bring the player out on the start node.
  openTheGame();
  if (HasFatalFailure()) return;
  ASSERT_EQ(platform::extractFileName(WorldMap.WorldFileName), "world1.tqw");
  const TWorldLinks links = linksOf(WorldMap.WorldFileName);
  ASSERT_FALSE(links.nodeLevels.empty());
  for (int i = MapStartNode; i < manager().Sprites.Count(); ++i) fileKind[i] = sprite(i).Animation;
  EXPECT_EQ(WorldMap.MapPosition, MapStartNode);
  const int lives = Level.Lives;

  visit();
  if (HasFatalFailure()) return;

  std::set<std::string> expected = links.nodeLevels;
  expected.insert(links.enemyLevels.begin(), links.enemyLevels.end());
  const std::set<std::string> enteredLevels(entered.begin(), entered.end());
  EXPECT_EQ(enteredLevels, expected);
  EXPECT_EQ(entered.size(), links.nodeLevels.size() + links.enemyLevels.size()) << "a level entered twice";
  for (int i = MapStartNode; i < manager().Sprites.Count(); ++i)
    if (SpriteTextOf(sprite(i))) {
      EXPECT_TRUE(visited.count(i)) << "node " << i << " is never reached";
    }
  EXPECT_EQ(Level.Lives, lives);
}

}  // namespace
