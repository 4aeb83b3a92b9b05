// The saved-state file's keys, paths and checks, without a window.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "game/frmMain/saved_state.h"
#include "platform/core/ini_file.h"

namespace fs = std::filesystem;

namespace {

class SavedStateFile : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = fs::temp_directory_path() / ("saved_state_file_" + std::to_string(::getpid()));
    fs::create_directories(folder / "levels");
    fs::create_directories(folder / "worlds");
    for (const char* f : {"hopz.tqg", "worlds/world1.tqw", "levels/1-1.tql"}) std::ofstream(folder / f) << "[Options]\r\n";
    exeDir = folder.string() + "/";
  }
  void TearDown() override { fs::remove_all(folder); }
  TSavedState read(const std::string& text) {
    platform::IniFile ini;
    ini.loadFromText(text);
    return ReadSavedState(ini, exeDir);
  }
  fs::path folder;
  std::string exeDir;
};

const std::string kMapGeneral =
    "[General]\r\nGame=hopz.tqg\r\nMap=worlds\\world1.tqw\r\nLevel=levels\\1-1.tql\r\nLocation=1\r\n";

}  // namespace

TEST_F(SavedStateFile, WritesEveryKeyInTheFilesOrder) {
  TSavedState s;
  s.GameFile = "hopz.tqg";
  s.MapFile = "worlds\\world1.tqw";
  s.Location = 1;
  s.Lives = 2;
  s.Coins = 42;
  s.Score = 1234;
  s.PlayerMode = 3;
  s.EndedNodes = {"14", "20"};
  s.LastPosition = 20;
  s.InitialInfo = false;
  s.WalkDirection = 8;
  platform::IniFile ini;
  WriteSavedState(ini, s);
  EXPECT_EQ(ini.toText(),
            "[General]\r\nGame=hopz.tqg\r\nMap=worlds\\world1.tqw\r\nLevel=\r\nLocation=1\r\nLifes=2\r\nCoins=42\r\n"
            "Score=1234\r\nPlayerMode=3\r\n[LevelsEnded]\r\n0=14\r\n1=20\r\nCount=2\r\n"
            "[Map]\r\nLastPosition=20\r\nInitialInfo=0\r\nWalkDirection=8\r\n");
  // What was written reads back the same.
  const TSavedState back = ReadSavedState(ini, exeDir);
  EXPECT_EQ(back.EndedNodes, s.EndedNodes);
  EXPECT_EQ(back.Lives, 2);
  EXPECT_EQ(back.PlayerMode, 3);
  EXPECT_EQ(back.InitialInfo, false);
  EXPECT_EQ(back.WalkDirection, 8);
}

// A level entered for another node than the one it was chosen on (a wandering
// enemy met away from its home path) stores that node after the others; a state
// without the key, as older ones are, reads none.
TEST_F(SavedStateFile, ALevelForAnotherNodeStoresItLast) {
  TSavedState s;
  s.GameFile = "hopz.tqg";
  s.MapFile = "worlds\\world1.tqw";
  s.LevelFile = "levels\\1-1.tql";
  s.Location = 2;
  s.LastPosition = 30;
  s.EnteredNode = 27;
  platform::IniFile ini;
  WriteSavedState(ini, s);
  EXPECT_EQ(ini.toText(),
            "[General]\r\nGame=hopz.tqg\r\nMap=worlds\\world1.tqw\r\nLevel=levels\\1-1.tql\r\nLocation=2\r\n"
            "[LevelsEnded]\r\nCount=0\r\n[Map]\r\nLastPosition=30\r\nEnteredNode=27\r\n");
  EXPECT_EQ(ReadSavedState(ini, exeDir).EnteredNode, 27);
  const std::string older =
      "[General]\r\nGame=hopz.tqg\r\nMap=worlds\\world1.tqw\r\nLevel=levels\\1-1.tql\r\nLocation=2\r\n"
      "[Map]\r\nLastPosition=30\r\n";
  EXPECT_FALSE(read(older).EnteredNode.has_value());
  EXPECT_EQ(read(older).LastPosition, 30);
}

TEST_F(SavedStateFile, EndedNodesFollowTheCountAndMissingKeysReadAsZero) {
  EXPECT_EQ(read(kMapGeneral + "[LevelsEnded]\r\n0=15\r\n1=14\r\n2=22\r\nCount=3\r\n").EndedNodes,
            (std::vector<std::string>{"15", "14", "22"}));
  EXPECT_EQ(read(kMapGeneral + "[LevelsEnded]\r\n0=15\r\nCount=3\r\n").EndedNodes,
            (std::vector<std::string>{"15", "0", "0"}));
  EXPECT_TRUE(read(kMapGeneral + "[LevelsEnded]\r\n0=15\r\n").EndedNodes.empty());
}

// Play takes the lives under 0; any negative count reads as none left, as the
// game file's does, so that no death takes it under the int range.
TEST_F(SavedStateFile, NegativeLivesReadAsNoneLeft) {
  EXPECT_EQ(read(kMapGeneral + "Lifes=-1\r\n").Lives, -1);
  EXPECT_EQ(read(kMapGeneral + "Lifes=-2\r\n").Lives, -1);
  EXPECT_EQ(read(kMapGeneral + "Lifes=-2147483647\r\n").Lives, -1);
  EXPECT_EQ(read(kMapGeneral + "Lifes=0\r\n").Lives, 0);
}

TEST_F(SavedStateFile, MissingOrUnreadableCountersKeepTheRunningValues) {
  const TSavedState s = read(kMapGeneral + "Lifes=\r\nCoins=many\r\n");
  EXPECT_FALSE(s.Lives);
  EXPECT_FALSE(s.Coins);
  EXPECT_FALSE(s.Score);
  EXPECT_FALSE(s.PlayerMode);
  EXPECT_FALSE(s.LastPosition);
  EXPECT_FALSE(s.InitialInfo);
  EXPECT_FALSE(s.WalkDirection);
}

TEST_F(SavedStateFile, StatesThatCannotBeReenteredAreRefused) {
  const struct {
    const char* name;
    std::string text;
    const char* error;
  } cases[] = {
      {"no screen", "[General]\r\nGame=hopz.tqg\r\nLocation=7\r\n", "Location 7 is no screen"},
      {"negative location", "[General]\r\nLocation=-1\r\n", "Location -1 is no screen"},
      {"coins", kMapGeneral + "Coins=100\r\n", "Coins 100 out of range"},
      {"score", kMapGeneral + "Score=-5\r\n", "Score -5 out of range"},
      {"player mode", kMapGeneral + "PlayerMode=4\r\n", "PlayerMode 4 out of range"},
      {"node", kMapGeneral + "[Map]\r\nLastPosition=5\r\n", "LastPosition 5 is no map node"},
      {"direction", kMapGeneral + "[Map]\r\nWalkDirection=4\r\n", "WalkDirection 4 is no direction"},
      {"entered node", kMapGeneral + "[Map]\r\nEnteredNode=12\r\n", "EnteredNode 12 is no map node"},
      {"negative count", kMapGeneral + "[LevelsEnded]\r\nCount=-1\r\n", "LevelsEnded Count -1 out of range"},
      {"huge count", kMapGeneral + "[LevelsEnded]\r\nCount=2000000000\r\n",
       "LevelsEnded Count 2000000000 out of range"},
      {"game gone", "[General]\r\nGame=old.tqg\r\nLocation=0\r\n", "Game file \"old.tqg\" not found"},
      {"map without game", "[General]\r\nMap=worlds\\world1.tqw\r\nLocation=1\r\n", "no Game file"},
      {"map gone", "[General]\r\nGame=hopz.tqg\r\nMap=world9.tqw\r\nLocation=1\r\n", "Map file \"world9.tqw\" not found"},
      {"level gone", "[General]\r\nGame=hopz.tqg\r\nMap=worlds\\world1.tqw\r\nLevel=levels\\9-9.tql\r\nLocation=2\r\n",
       "Level file \"levels\\9-9.tql\" not found"},
      {"level missing", "[General]\r\nGame=hopz.tqg\r\nMap=worlds\\world1.tqw\r\nLocation=2\r\n", "no Level file"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    try {
      read(c.text);
      ADD_FAILURE() << "accepted";
    } catch (const ESavedState& e) {
      EXPECT_EQ(e.what(), std::string("Invalid saved state: ") + c.error);
    }
  }
}

TEST_F(SavedStateFile, TheTitleOfNoGameIsAState) {
  const TSavedState s = read("[General]\r\nGame=\r\nLocation=0\r\n");
  EXPECT_EQ(s.Location, 0);
  EXPECT_EQ(SavedStatePath(s.GameFile, exeDir), "");
}

TEST_F(SavedStateFile, PathsAreStoredRelativeToTheProgramFolderWhenInIt) {
  const std::string dir = "/games/hopz/";
  EXPECT_EQ(SavedStateValue("/games/hopz/hopz.tqg", dir), "hopz.tqg");
  EXPECT_EQ(SavedStateValue("/games/hopz/levels\\1-1.tql", dir), "levels\\1-1.tql");
  EXPECT_EQ(SavedStateValue("/home/me/mine.tqg", dir), "/home/me/mine.tqg");
  EXPECT_EQ(SavedStateValue("", dir), "");
  EXPECT_EQ(SavedStatePath("levels\\1-1.tql", dir), "/games/hopz/levels\\1-1.tql");
  EXPECT_EQ(SavedStatePath("/home/me/mine.tqg", dir), "/home/me/mine.tqg");
  EXPECT_EQ(SavedStatePath("", dir), "");
}
