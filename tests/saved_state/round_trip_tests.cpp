// States saved and opened through the main window's menu and frame, on a scratch
// program folder that links to the staged default game (so that Default.tqs is
// written there and not beside the build's game).
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "components/GKILib/TGKImageLib.h"
#include "components/ZEZ/TGKScreen.h"
#include "components/gkspts/sprite_mgr.h"
#include "game/Game/level_events.h"
#include "game/Game/level_frame.h"
#include "game/Game/level_state.h"
#include "game/Map/world_map.h"
#include "game/Splash/title_screen.h"
#include "game/frmMain/frmMain.h"
#include "game/frmMain/saved_state.h"
#include "platform/core/clock.h"
#include "tools/tqrun/level_run.h"

namespace fs = std::filesystem;

namespace {

class SavedStateRun : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = fs::temp_directory_path() /
             ("saved_state_" + std::to_string(::getpid()) + "_" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder);
    fs::create_directories(folder);
    for (const fs::directory_entry& e : fs::directory_iterator(TQ_STAGE_DIR)) {
      const std::string name = e.path().filename().string();
      if (name == "Hopz.ini") fs::copy_file(e.path(), folder / name);
      else if (name == "hopz.tqg" && !defaultGame) fs::create_symlink(e.path(), folder / "other.tqg");
      else if (name != SavedStateFileName) fs::create_symlink(e.path(), folder / name);
    }
    Level = TLevelState{};
    WorldMap = TWorldMapState{};
    Title = TTitleState{};
    TitlePhase = -1;
    run = std::make_unique<TLevelRun>(folder.string());
    frames(2);
    ASSERT_EQ(main().ScreenState(), ssTitle);
  }
  void TearDown() override {
    run.reset();
    Level.LevelIni.reset();
    Level.GameIni.reset();
    fs::remove_all(folder);
  }

  TfmMain& main() { return run->Main(); }
  void frames(int n) {
    for (int i = 0; i < n; ++i) run->RunFrame({});
  }
  std::string exeDir() const { return folder.string() + "/"; }
  std::string stateText() {
    std::ifstream in(folder / SavedStateFileName, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  void writeState(const std::string& text) { std::ofstream(folder / SavedStateFileName, std::ios::binary) << text; }
  void save() { main().MenuClick("mnuSaveState"); }
  // File/Open state is carried out at the end of the next frame.
  void open() {
    main().MenuClick("mnuOpenState");
    frames(1);
  }
  // The map node that leads to a level file.
  int nodeOf(const std::string& link) {
    const TGKSprites& list = main().DXSprites->Sprites;
    for (int i = 13; i < list.Count(); ++i) {
      const std::string* text = Level.SpriteText(list.GetSprite(i).Data);
      if (text && *text == link) return i;
    }
    return -1;
  }
  void startGame() {
    OpenGame();
    frames(1);
    ASSERT_EQ(main().ScreenState(), ssWorldMap);
  }
  void setCounters(int lives, int coins, int score, int mode) {
    Level.Lives = lives;
    Level.Coins = coins;
    Level.Score = score;
    GameShell.PlayerMode = mode;
  }
  void expectCounters(int lives, int coins, int score, int mode) {
    EXPECT_EQ(Level.Lives, lives);
    EXPECT_EQ(Level.Coins, coins);
    EXPECT_EQ(Level.Score, score);
    EXPECT_EQ(GameShell.PlayerMode, mode);
  }

  fs::path folder;
  std::unique_ptr<TLevelRun> run;
  bool defaultGame = true;  // the game file is the default "hopz.tqg"
};

// The game file lies beside the program under another name, so the window
// starts on a title that no game file loaded.
class SavedStateRunWithoutDefaultGame : public SavedStateRun {
 protected:
  SavedStateRunWithoutDefaultGame() { defaultGame = false; }
};

}  // namespace

TEST_F(SavedStateRun, TitleStateReturnsToTheTitleOfItsGame) {
  Level.Lives = 3;
  save();
  EXPECT_EQ(stateText().substr(0, stateText().find("Lifes")),
            "[General]\r\nGame=hopz.tqg\r\nMap=\r\nLevel=\r\nLocation=0\r\n");
  EXPECT_TRUE(GameShell.StateSavedNotice);

  startGame();
  Level.Lives = 1;
  open();
  EXPECT_EQ(main().ScreenState(), ssTitle);
  EXPECT_EQ(main().GameFileName, exeDir() + "hopz.tqg");
  EXPECT_EQ(Level.Lives, 3);
  EXPECT_TRUE(GameShell.StateOpenedNotice);
  EXPECT_FALSE(GameShell.StateSavedNotice);
}

TEST_F(SavedStateRun, MapStateReturnsToItsNodeWithItsCounters) {
  startGame();
  // Before any node was chosen the node stood on is saved.
  save();
  EXPECT_NE(stateText().find("[Map]\r\nLastPosition=13\r\n"), std::string::npos);
  EXPECT_NE(stateText().find("Map=worlds\\world1.tqw\r\n"), std::string::npos);

  const int node = nodeOf("levels\\1-2.tql");
  ASSERT_GT(node, 13);
  WorldMap.LastPosition = node;
  WorldMap.InitialInfo = false;
  WorldMap.WalkDirection = 8;
  setCounters(2, 42, 1234, PlayerBig);
  save();

  // A life lost and an entry chosen on the map since: the state brings both back.
  main().EndedNodes.clear();
  setCounters(1, 3, 2000, PlayerSmall);
  WorldMap.EnterNodeTime = int(platform::GetTickCount());
  open();
  ASSERT_EQ(main().ScreenState(), ssWorldMap);
  expectCounters(2, 42, 1234, PlayerBig);
  EXPECT_TRUE(main().EndedNodes.empty());
  EXPECT_EQ(WorldMap.EnterNodeTime, -1);
  EXPECT_EQ(WorldMap.MapPosition, node);
  EXPECT_FALSE(WorldMap.InitialInfo);
  EXPECT_EQ(WorldMap.WalkDirection, 8);
  const TGKSprite& at = main().DXSprites->Sprites.GetSprite(node);
  EXPECT_EQ(main().DXSprites->Sprites.GetSprite(0).GetX(), at.GetX());  // PlayerBig stands on its x
  // Without won nodes and the card he comes back as after a level, and can walk.
  frames(25);
  EXPECT_TRUE(main().DXSprites->Sprites.GetSprite(0).Visible);
  EXPECT_TRUE(main().DXSprites->Sprites.GetSprite(0).Enabled);
}

TEST_F(SavedStateRun, LevelStateReentersTheLevelFromItsStart) {
  startGame();
  const int node = nodeOf("levels\\1-1.tql");
  ASSERT_GT(node, 13);
  WorldMap.MapPosition = node;
  WorldMap.LastPosition = WorldMap.EnteredNode = node;
  main().SetScreenState(ssLevel);
  EnterLevel(exeDir() + "levels\\1-1.tql");
  ASSERT_NE(Level.Player, nullptr);
  const int startX = Level.Player->GetX() + main().CameraX;
  setCounters(4, 17, 800, PlayerFire);
  main().EndedNodes = {"20", "14"};
  frames(2);
  save();
  EXPECT_NE(stateText().find("Level=levels\\1-1.tql\r\nLocation=2\r\n"), std::string::npos);

  // Played on: the player walks right and the counters change.
  const int first = run->Frame() + 1;
  const std::vector<TKeyEvent> walk{{first, true, "right"}, {first + 80, false, "right"}};
  for (int i = 0; i < 90; ++i) run->RunFrame(walk);
  ASSERT_TRUE(run->InLevel());
  ASSERT_NE(Level.Player->GetX() + main().CameraX, startX);
  Level.LevelTime = 12;
  setCounters(3, 18, 900, PlayerSmall);
  WorldMap.EnteredNode = 0;
  main().EndedNodes.clear();
  open();
  ASSERT_TRUE(run->InLevel());
  EXPECT_EQ(Level.LevelFileName, exeDir() + "levels\\1-1.tql");
  expectCounters(4, 17, 800, PlayerFire);
  EXPECT_EQ(Level.Player->GetX() + main().CameraX, startX);
  EXPECT_EQ(Level.LevelTime, 300);
  EXPECT_EQ(GameShell.EntryMode, EntryNormal);
  EXPECT_EQ(main().EndedNodes, (std::vector<std::string>{"20", "14"}));
  // Winning it marks the node it was chosen from.
  EXPECT_EQ(WorldMap.EnteredNode, node);
  EXPECT_EQ(WorldMap.WorldFileName, exeDir() + "worlds\\world1.tqw");
}

// The last life lost: while the death tune plays the lives read -1, and a state
// saved then opens again after the game is over, in its level with none left.
TEST_F(SavedStateRun, AStateSavedAsTheLastLifeIsLostOpensAgain) {
  startGame();
  const int node = nodeOf("levels\\1-1.tql");
  ASSERT_GT(node, 13);
  WorldMap.MapPosition = WorldMap.LastPosition = WorldMap.EnteredNode = node;
  main().SetScreenState(ssLevel);
  EnterLevel(exeDir() + "levels\\1-1.tql");
  ASSERT_TRUE(run->InLevel());
  setCounters(0, 17, 800, PlayerSmall);
  frames(2);
  KillPlayer();
  ASSERT_TRUE(Level.PlayerDying);
  frames(2);
  save();
  EXPECT_NE(stateText().find("Location=2\r\nLifes=-1\r\n"), std::string::npos) << stateText();

  // The death ends the game.
  for (int i = 0; i < 400 && main().ScreenState() != ssTitle; ++i) frames(1);
  ASSERT_EQ(main().ScreenState(), ssTitle);
  open();
  ASSERT_TRUE(run->InLevel());
  EXPECT_TRUE(GameShell.StateOpenedNotice);
  EXPECT_EQ(Level.LevelFileName, exeDir() + "levels\\1-1.tql");
  expectCounters(-1, 17, 800, PlayerSmall);
  EXPECT_FALSE(Level.PlayerDying);
}

TEST_F(SavedStateRun, ABadOrMissingStateLeavesTheGameAsItIs) {
  startGame();
  const int node = nodeOf("levels\\1-2.tql");
  WorldMap.LastPosition = node;
  main().EndedNodes = {"14"};
  setCounters(2, 5, 300, PlayerBig);
  const std::string general = "[General]\r\nGame=hopz.tqg\r\nMap=worlds\\world1.tqw\r\n";
  const struct {
    const char* name;
    const char* text;  // nullptr: no file at all
  } cases[] = {
      {"no file", nullptr},
      {"no screen", "Location=3\r\n"},
      {"player mode", "Location=1\r\nPlayerMode=7\r\n"},
      {"count", "Location=1\r\n[LevelsEnded]\r\nCount=99999999\r\n"},
      {"level gone", "Location=2\r\nLevel=levels\\gone.tql\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove(folder / SavedStateFileName);
    if (c.text) writeState(general + c.text);
    open();
    EXPECT_EQ(main().ScreenState(), ssWorldMap);
    expectCounters(2, 5, 300, PlayerBig);
    EXPECT_EQ(main().EndedNodes, std::vector<std::string>{"14"});
    EXPECT_EQ(main().GameFileName, exeDir() + "hopz.tqg");
    EXPECT_EQ(WorldMap.LastPosition, node);
    EXPECT_FALSE(GameShell.StateOpenedNotice);
    frames(1);
  }
}

TEST_F(SavedStateRun, SavingReplacesTheWholeFileOrNothing) {
  writeState("[General]\r\nLocation=1\r\nOldKey=1\r\n[Old]\r\nX=1\r\n");
  save();
  EXPECT_EQ(stateText().find("Old"), std::string::npos);
  EXPECT_EQ(stateText().rfind("[General]\r\n", 0), 0u);

  // A state that cannot be written tells nothing was saved.
  GameShell.StateSavedNotice = false;
  fs::remove(folder / SavedStateFileName);
  fs::create_directory(folder / SavedStateFileName);
  save();
  EXPECT_FALSE(GameShell.StateSavedNotice);
  EXPECT_TRUE(fs::is_directory(folder / SavedStateFileName));
}

TEST_F(SavedStateRunWithoutDefaultGame, AMapStateOpenedOnTheBareTitleShowsTheMap) {
  ASSERT_TRUE(main().GameFileName.empty());
  writeState("[General]\r\nGame=other.tqg\r\nMap=worlds\\world1.tqw\r\nLocation=1\r\nLifes=3\r\n"
             "[Map]\r\nLastPosition=13\r\nInitialInfo=0\r\n");
  open();
  ASSERT_EQ(main().ScreenState(), ssWorldMap);
  EXPECT_EQ(main().GameFileName, exeDir() + "other.tqg");
  // The map's own sprites and images, none of the title's.
  const TGKSprites& list = main().DXSprites->Sprites;
  ASSERT_GT(list.Count(), 13);
  EXPECT_EQ(list.GetSprite(13).Animation, 3);  // the Start node
  EXPECT_GT(nodeOf("levels\\1-1.tql"), 13);
  TGKImageLib mapImages;
  mapImages.LoadFromFile(exeDir() + "sprites/map.iml");
  EXPECT_EQ(main().DXScreen->ImageSurfaces.size(), size_t(mapImages.GetCount()));
  EXPECT_EQ(Level.Lives, 3);
  frames(25);
  EXPECT_TRUE(list.GetSprite(0).Visible);
}
