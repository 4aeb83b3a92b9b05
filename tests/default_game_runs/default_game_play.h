#pragma once
// The staged default game played through the main window as a player plays it:
// the title's start key opens the game, the map is walked with the direction
// keys, a node's level is entered with the fire key, and frames run on the fake
// clock of tqrun's headless run.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "components/gkspts/sprite_mgr.h"
#include "game/Game/level_events.h"
#include "game/Game/level_state.h"
#include "game/Map/world_kinds.h"
#include "game/Map/world_map.h"
#include "game/Splash/title_screen.h"
#include "game/frmMain/frmMain.h"
#include "game/frmMain/window_keys.h"
#include "platform/core/keys.h"
#include "platform/core/paths.h"
#include "tools/tqrun/level_run.h"

// A key script of this folder, its frames counted from the frame after `start`.
std::vector<TKeyEvent> KeyScriptFrom(const char* file, int start);

class DefaultGamePlay : public ::testing::Test {
 protected:
  static constexpr int kWaitFrames = 1200;  // 30 s of the fake clock: longer than any wait of the map or a level end

  void SetUp() override {
    Level = TLevelState{};
    WorldMap = TWorldMapState{};
    Title = TTitleState{};
    TitlePhase = -1;
    run = std::make_unique<TLevelRun>(TQ_STAGE_DIR);
  }
  void TearDown() override {
    run.reset();
    Level.LevelIni.reset();
  }

  TfmMain& main() { return run->Main(); }
  TGKSpriteMgr& manager() { return *main().DXSprites; }
  TGKSprite& sprite(int i) { return manager().Sprites.GetSprite(i); }
  TGKSprite& player() { return sprite(MapPlayerSprite); }
  int screen() { return main().ScreenState(); }

  // A key pressed and let go between two frames, as the window delivers it.
  void press(int vk, TShiftState shift = 0) {
    DeliverKey(main(), vk, true, shift);
    DeliverKey(main(), vk, false, shift);
  }
  // Backspace, the code's letters, Backspace: as the player types a secret code.
  void typeCode(const std::string& code) {
    press(platform::VK_BACK);
    for (char c : code) main().FormKeyPress(c);
    press(platform::VK_BACK);
  }
  // Frames until done() holds; false when it never does.
  template <class Done>
  bool framesUntil(Done done) {
    for (int i = 0; i < kWaitFrames; ++i) {
      if (done()) return true;
      run->RunFrame({});
    }
    return done();
  }
  bool standsStill() { return player().GetVelocityX() == 0 && player().GetVelocityY() == 0; }
  // The map takes keys: no card, no entry, the player shown.
  bool mapReady() {
    const TWorldMapState& w = WorldMap;
    return screen() == ssWorldMap && !w.InitialInfo && w.IntroCardStart == -1 && w.ShowPlayerTime == -1 &&
           w.EnterNodeTime == -1 && player().Visible && player().Enabled;
  }

  // From the title to the map of the default game, ready for keys on its start node.
  void openTheGame() {
    ASSERT_EQ(screen(), ssTitle);
    press(GameShell.KeyStart);  // the menu at once
    press(GameShell.KeyStart);  // "Start"
    ASSERT_EQ(screen(), ssWorldMap);
    ASSERT_TRUE(framesUntil([&] { return mapReady(); }));
  }
  // From the start node right to the first level node (1-1), chosen by the fire
  // key: its entry has begun.
  void chooseTheFirstLevelNode() {
    ASSERT_EQ(WorldMap.MapPosition, MapStartNode);
    press(manager().KeyRight);
    ASSERT_TRUE(framesUntil([&] { return standsStill(); }));
    press(manager().KeyFire1);
    ASSERT_NE(WorldMap.EnterNodeTime, -1) << "fire does not choose node " << WorldMap.MapPosition;
  }
  // The first level node chosen, and into its level: the level is built and its
  // first frame is the next one.
  void enterTheFirstLevel() {
    chooseTheFirstLevelNode();
    if (HasFatalFailure()) return;
    ASSERT_TRUE(framesUntil([&] { return screen() == ssLevel; }));
    ASSERT_TRUE(Level.Player);
    ASSERT_EQ(Level.LevelFileName, GameShell.ExeDir + "levels\\1-1.tql");
  }
  // From the title through the map into 1-1; false when the way fails.
  bool intoTheFirstLevel() {
    openTheGame();
    if (!HasFatalFailure()) enterTheFirstLevel();
    return !HasFatalFailure();
  }
  // From the map's node that links the level, as the fire key enters it.
  void enterTheNodeOf(const char* level) {
    int node = -1;
    for (int i = MapStartNode; i < manager().Sprites.Count() && node < 0; ++i)
      if (const std::string* link = SpriteTextOf(sprite(i)); link && platform::sameText(*link, level)) node = i;
    ASSERT_GE(node, MapStartNode) << "no node links " << level;
    WorldMap.MapPosition = node;
    player().SetX(sprite(node).GetX());
    player().SetY(sprite(node).GetY());
    press(manager().KeyFire1);
    ASSERT_NE(WorldMap.EnterNodeTime, -1) << "fire does not choose node " << node;
    ASSERT_TRUE(framesUntil([&] { return screen() == ssLevel; }));
    ASSERT_TRUE(Level.Player);
  }
  // The castle's end block or a chest has been touched: its wait has begun.
  bool endTaken() {
    for (int i = FirstObjectSprite; i < manager().Sprites.Count(); ++i)
      if (LevelEndTaken(sprite(i))) return true;
    return false;
  }
  // The level just entered, played with a key script of this folder until its
  // castle end or chest is taken, without a death on the way.
  void playUntilTheEndIsTaken(const std::vector<TKeyEvent>& script) {
    for (int i = 0; i < 900 && !endTaken(); ++i) {
      run->RunFrame(script);
      ASSERT_EQ(screen(), ssLevel) << "frame " << i;
      ASSERT_FALSE(Level.PlayerDying) << "frame " << i;
    }
    ASSERT_TRUE(endTaken()) << "the script never reaches the level's end";
  }
  // Level 1-1, just entered, played with its key script to its end without a death.
  void winTheFirstLevel() {
    const std::vector<TKeyEvent> script = KeyScriptFrom("1-1.keys", run->Frame());
    for (int i = 0; i < 600 && !Level.LevelEnded; ++i) {
      run->RunFrame(script);
      ASSERT_FALSE(Level.PlayerDying) << "frame " << i;
    }
    ASSERT_TRUE(Level.LevelEnded);
  }

  std::unique_ptr<TLevelRun> run;
};
