#include "game/Game/level_reader.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "components/GKILib/TGKImageLib.h"
#include "components/ZEZStar/star_field.h"
#include "components/gkspts/animations.h"
#include "game/Game/level_state.h"
#include "tests/support/scratch_folder.h"

namespace fs = std::filesystem;

namespace {

class LevelReader : public testing::Test {
 protected:
  void SetUp() override {
    Level = TLevelState{};
    target.ExeDir = dir_.string() + "/";
    target.Images = &images;
    target.Animations = &animations;
    target.Rain1 = &rain1;
    target.Rain2 = &rain2;
    target.SpriteKeys = &keys;
    target.LoadSoundLibrary = [this](const std::string& path) { soundLoads.push_back(path); };
  }
  void TearDown() override { Level = TLevelState{}; }
  std::string put(const std::string& name, const std::string& text) { return scratch_.put(name, text); }
  const TLevelOptions& read(const std::string& levelText) {
    Level.LevelFileName = put("level.tql", levelText);
    ReadLevelFile(target);
    return Level.Options;
  }
  std::string exe() const { return target.ExeDir; }

  ScratchFolder scratch_{"tq_reader_"};
  const fs::path& dir_ = scratch_.path();
  TGKImageLib images;
  TGKAnimations animations;
  TGKStarField rain1, rain2;
  std::vector<std::string> keys, soundLoads;
  TLevelReadTarget target;
  std::array<int, 3> cards{7, 8, 9};
  int nextCard = 2;
  std::string running = "old.tqg", world = "stale.tqw";
  TGameShellFields shell{cards, nextCard, running, world};
};

TEST_F(LevelReader, EveryKeyMissingGivesTheGamesDefault) {
  const TLevelOptions& o = read("");
  EXPECT_EQ(o.Width, 0);
  EXPECT_EQ(o.Height, 0);
  EXPECT_EQ(o.AddText, "");
  EXPECT_FALSE(o.HAutoScroll);
  EXPECT_EQ(o.AutoScrollX, 0);
  EXPECT_EQ(o.AutoScrollY, 0);
  EXPECT_FALSE(Level.AutoScrollOn);
  EXPECT_FALSE(Level.AutoScrollActive);
  EXPECT_EQ(o.Name, "");
  EXPECT_EQ(o.ShortName, "");
  EXPECT_EQ(o.Time, 300);
  EXPECT_EQ(o.BgColor, 0);
  EXPECT_EQ(o.WaterColor, 16760121);
  EXPECT_EQ(o.Water2Color, 16770989);
  EXPECT_EQ(o.ShipColor, 3775743);
  EXPECT_EQ(o.Ship2Color, 543438);
  EXPECT_EQ(o.BorderColor, 0);
  EXPECT_EQ(o.GrassColor, 3394611);
  EXPECT_EQ(o.Grass2Color, 39168);
  EXPECT_EQ(o.Ice1Color, 16316664);
  EXPECT_EQ(o.Ice2Color, 13682872);
  EXPECT_EQ(o.Pl1Color, 4906570);
  EXPECT_EQ(o.Pl2Color, 44288);
  EXPECT_EQ(o.SPipe1Color, 10079487);
  EXPECT_EQ(o.SPipe2Color, 13369548);
  EXPECT_EQ(o.FillColor, 0);
  EXPECT_EQ(o.BgImage, "");
  EXPECT_EQ(o.BgX, 0);
  EXPECT_EQ(o.BgY, 0);
  EXPECT_EQ(o.BgWidth, 0);
  EXPECT_EQ(o.BgHeight, 0);
  EXPECT_EQ(o.MIDIFile, "");
  EXPECT_EQ(o.ResFactor, 16);
  EXPECT_EQ(o.PaletteFX, 0);
  EXPECT_EQ(o.AnimSpeed, 200);
  EXPECT_FALSE(o.Rain);
  EXPECT_FALSE(o.Wrap);
  EXPECT_EQ(o.RainDensity, 3000);
  EXPECT_EQ(o.RainSpeed, 4);
  EXPECT_EQ(o.ImageLib, "");
  EXPECT_EQ(o.SoundLib, "");
  EXPECT_TRUE(soundLoads.empty());
  EXPECT_EQ(images.GetCount(), 0);
  EXPECT_TRUE(keys.empty());
  ASSERT_TRUE(Level.LevelIni);  // kept open for the level's run
}

TEST_F(LevelReader, ReadsTheValuesAndMakesPathsProgramRelative) {
  const TLevelOptions& o = read(
      "[Options]\r\nWidth=200\r\nHeight=14\r\nAddText=Hola\r\nHAutoScroll=1\r\nAutoScrollY=-2\r\nName=Cueva\r\n"
      "ShortName=1-2\r\nTime=150\r\nwatercolor=0x10\r\nFillColor=99\r\nMIDIFile=music\\normal 1.mid\r\n"
      "ResFactor=32\r\nPaletteFX=3\r\nAnimSpeed=120\r\nRain=5\r\nWrap=1\r\nRainDensity=900\r\n"
      "SoundLib=sounds\\cave.sdl\r\nBgX=abc\r\n");
  EXPECT_EQ(o.Width, 200);
  EXPECT_EQ(o.Height, 14);
  EXPECT_EQ(o.AddText, "Hola");
  EXPECT_TRUE(o.HAutoScroll);
  EXPECT_EQ(o.AutoScrollY, -2);
  EXPECT_TRUE(Level.AutoScrollOn);
  EXPECT_TRUE(Level.AutoScrollActive);
  EXPECT_EQ(o.ShortName, "1-2");
  EXPECT_EQ(o.Time, 150);
  EXPECT_EQ(o.WaterColor, 16);  // keys compare without case; hexadecimal accepted
  EXPECT_EQ(o.FillColor, 99);
  EXPECT_EQ(o.MIDIFile, exe() + "music\\normal 1.mid");
  EXPECT_EQ(o.ResFactor, 32);
  EXPECT_EQ(o.PaletteFX, 3);
  EXPECT_EQ(o.AnimSpeed, 120);
  EXPECT_TRUE(o.Rain);
  EXPECT_TRUE(o.Wrap);
  EXPECT_EQ(rain1.GetNumberOfStars(), 900);
  EXPECT_EQ(rain2.GetNumberOfStars(), 450);
  EXPECT_EQ(o.BgX, 0);  // not a number: the default
  EXPECT_EQ(soundLoads, std::vector<std::string>{exe() + "sounds\\cave.sdl"});
}

TEST_F(LevelReader, NumbersBeyondWhatALevelCanHoldAreLimited) {
  struct Case {
    const char* key;
    const char* value;
    int TLevelOptions::*field;
    int expected;
  };
  // The editor's own ranges lie inside the limits and stay as they are.
  const Case cases[] = {
      {"Width", "32767", &TLevelOptions::Width, 32767},
      {"Width", "2147483647", &TLevelOptions::Width, 32767},
      {"Height", "-5", &TLevelOptions::Height, 0},
      {"ResFactor", "256", &TLevelOptions::ResFactor, 256},
      {"ResFactor", "1000000", &TLevelOptions::ResFactor, 32767},
      {"ResFactor", "-16", &TLevelOptions::ResFactor, 0},
      {"AutoScrollX", "-16", &TLevelOptions::AutoScrollX, -16},
      {"AutoScrollX", "-2147483648", &TLevelOptions::AutoScrollX, -32767},
      {"AutoScrollY", "40000", &TLevelOptions::AutoScrollY, 32767},
      {"BgX", "-40", &TLevelOptions::BgX, -40},
      {"BgY", "2147483647", &TLevelOptions::BgY, 32767},
      {"BgWidth", "-2147483648", &TLevelOptions::BgWidth, -32767},
      {"BgHeight", "99999", &TLevelOptions::BgHeight, 32767},
      {"Time", "-1", &TLevelOptions::Time, -1},
      {"Time", "-2147483648", &TLevelOptions::Time, -999999999},
      {"Time", "2147483647", &TLevelOptions::Time, 999999999},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.key) + "=" + c.value);
    EXPECT_EQ(read(std::string("[Options]\r\n") + c.key + "=" + c.value + "\r\n").*c.field, c.expected);
  }
}

TEST_F(LevelReader, ShortNameFallsBackToName) {
  EXPECT_EQ(read("[Options]\r\nName=Mundo Agua\r\n").ShortName, "Mundo Agua");
  EXPECT_EQ(read("[Options]\r\nName=Mundo Agua\r\nShortName=\r\n").ShortName, "");
}

// A restart keeps the time left, also a 0 that kills at the next tick, and
// reads the level's own once the clock has run out (a time-out leaves it at -1)
// or the player dies with none left; a way into another level carries the clock
// as it stands, 0 too: the time-out it holds waits on the other side.
TEST_F(LevelReader, ARebuildKeepsARunningClock) {
  struct Case {
    TRebuild entry;
    int levelTime;
    bool dying;
    const char* file;
    int expected;
  };
  const TRebuild none = TRebuild::None, restart = TRebuild::Restart, passage = TRebuild::Passage;
  for (Case c : {Case{none, 57, false, "Time=200", 200}, Case{passage, 57, false, "Time=200", 57},
                 Case{restart, 57, false, "Time=200", 57}, Case{restart, 57, true, "Time=200", 57},
                 Case{passage, 0, false, "Time=200", 0}, Case{restart, 0, false, "Time=200", 0},
                 Case{restart, 0, true, "Time=200", 200}, Case{restart, -1, true, "Time=200", 200},
                 Case{restart, -3, false, "", 300}, Case{none, 0, false, "", 300}, Case{restart, 0, true, "", 300}}) {
    Level.Rebuild = c.entry;
    Level.LevelTime = c.levelTime;
    Level.PlayerDying = c.dying;
    EXPECT_EQ(read(std::string("[Options]\r\n") + c.file + "\r\n").Time, c.expected)
        << int(c.entry) << " " << c.levelTime << " " << c.dying << " " << c.file;
    EXPECT_EQ(Level.Rebuild, c.entry);  // the level start clears it after the build
  }
  Level.PlayerDying = false;
  Level.Rebuild = passage;
  Level.LevelTime = 57;
  read("[Options]\r\nTime=200\r\n");
  Level.ResetPlayState();
  EXPECT_EQ(Level.LevelTime, 57);
}

TEST_F(LevelReader, RainSpeedGivesBothLayersHalfAndQuarter) {
  struct Case {
    int speed, layer1, layer2;
  };
  for (Case c : {Case{4, 2, 1}, Case{1, 0, 0}, Case{9, 4, 2}, Case{-5, -2, -1}, Case{0, 0, 0}}) {
    read("[Options]\r\nRainSpeed=" + std::to_string(c.speed) + "\r\nRainDensity=7\r\n");
    EXPECT_EQ(rain1.Velocity, c.layer1) << c.speed;
    EXPECT_EQ(rain2.Velocity, c.layer2) << c.speed;
    EXPECT_EQ(rain2.GetNumberOfStars(), 3);
  }
}

TEST_F(LevelReader, BackgroundImageAbsoluteOrProgramRelative) {
  std::string existing = put("sky.bmp", "BM");
  struct Case {
    std::string value, expected;
  };
  for (const Case& c : {Case{existing, existing}, Case{(dir_ / "none.bmp").string(), exe() + (dir_ / "none.bmp").string()},
                        Case{"sky.bmp", exe() + "sky.bmp"}, Case{"bitmaps\\sky.bmp", exe() + "bitmaps\\sky.bmp"},
                        Case{"", ""}})
    EXPECT_EQ(read("[Options]\r\nBgImage=" + c.value + "\r\n").BgImage, c.expected) << c.value;
}

TEST_F(LevelReader, LoadsTheImageLibraryOrGoesOnWithout) {
  TGKImages lib;
  lib.AddImage(4, 2, "uno", std::vector<uint8_t>(8, 1));
  lib.AddImage(3, 3, "dos", std::vector<uint8_t>(9, 2));
  std::ostringstream bytes;
  lib.WriteToStream(bytes);
  fs::create_directories(dir_ / "sprites");
  put("sprites/level.iml", bytes.str());
  read("[Options]\r\nImageLib=sprites\\level.iml\r\n");
  EXPECT_EQ(images.GetCount(), 2);

  put("sprites/broken.iml", bytes.str().substr(0, bytes.str().size() - 3));
  EXPECT_NO_THROW(read("[Options]\r\nImageLib=sprites\\broken.iml\r\n"));
  EXPECT_EQ(images.GetCount(), 0);
  EXPECT_NO_THROW(read("[Options]\r\nImageLib=sprites\\missing.iml\r\n"));
  EXPECT_EQ(images.GetCount(), 0);
}

TEST_F(LevelReader, ListsEverySpriteKeyAndDefinesTheLevelAnimations) {
  // Far more than 16 KB of keys: none is dropped or split.
  std::string text = "[Options]\r\nAnimSpeed=100\r\n[Sprites]\r\n";
  std::vector<std::string> expected;
  for (int i = 0; i < 5000; ++i) {
    expected.push_back(std::to_string(1000000 + i * 7));
    text += expected.back() + "=40,1,\r\n";
  }
  keys = {"stale"};
  read(text);
  EXPECT_EQ(keys, expected);

  animations.Add("left over", false);
  read("[Options]\r\n");
  ASSERT_EQ(animations.Count(), 364);
  EXPECT_EQ(animations.GetAnimation(0).Name, "PlayerIdle");
  EXPECT_EQ(animations.GetAnimation(363).Name, "Ship");
}

TEST_F(LevelReader, UnknownGameFileGivesFiveLivesAndNoWorld) {
  Level.Lives = 2;
  Level.MaxFallSpeed = 3;
  OpenGameFiles(put("game.txt", "[Options]\r\nLifes=9\r\nMapFile=w.tqw\r\n"), shell, target);
  EXPECT_EQ(Level.Lives, 5);
  EXPECT_EQ(Level.MaxFallSpeed, 7);
  EXPECT_EQ(world, "");
  EXPECT_EQ(running, "old.tqg");
  EXPECT_EQ(cards, (std::array<int, 3>{0, 0, 0}));
  EXPECT_EQ(nextCard, 0);
  EXPECT_FALSE(Level.LevelIni);
}

TEST_F(LevelReader, GameFileGivesItsLivesAndWorld) {
  std::string game = put("hopz.TQG", "[Options]\r\nLifes=3\r\nMapFile=maps\\w1.tqw\r\n");
  OpenGameFiles(game, shell, target);
  EXPECT_EQ(Level.Lives, 3);
  EXPECT_EQ(world, exe() + "maps\\w1.tqw");
  EXPECT_EQ(running, game);
  EXPECT_TRUE(Level.GameIni);

  ReadGameOptions(put("new.tqg", "[Options]\r\nLifes=\r\nMapFile=\r\n"), exe(), shell);
  EXPECT_EQ(Level.Lives, 5);
  EXPECT_EQ(world, exe());

  // No lives shows alike for any negative count; the lowest keeps a death from
  // taking the count out of the int range.
  for (const char* lives : {"-1", "-2147483648"}) {
    ReadGameOptions(put("none.tqg", std::string("[Options]\r\nLifes=") + lives + "\r\n"), exe(), shell);
    EXPECT_EQ(Level.Lives, -1) << lives;
  }
  ReadGameOptions(put("many.tqg", "[Options]\r\nLifes=150\r\n"), exe(), shell);
  EXPECT_EQ(Level.Lives, 150);
}

TEST_F(LevelReader, LevelPlayedAsAGameIsItsOwnWorld) {
  std::string level = put("solo.tql", "[Options]\r\nTime=99\r\n[Sprites]\r\n0=0,1,\r\n");
  OpenGameFiles(level, shell, target);
  EXPECT_EQ(Level.Lives, 5);
  EXPECT_EQ(Level.LevelFileName, level);
  EXPECT_EQ(Level.Options.Time, 99);
  EXPECT_EQ(world, level);
  EXPECT_EQ(keys, std::vector<std::string>{"0"});
}

TEST(LevelState, ResetForANewBuild) {
  TLevelState s;
  s.HurtTimer = 3;
  s.EndStage = 5;
  s.StandingOnSprite = 40;
  s.ReturnToMap = s.PlayerDying = s.LevelEnded = s.LevelWon = s.Carrying = s.MayFly = true;
  s.BrickFragIndex = 8;
  s.Score = 1234;
  s.Options.Time = 250;
  s.EncounterFoesLeft = 2;
  s.ResetPlayState();
  EXPECT_EQ(s.HurtTimer, -1);
  EXPECT_EQ(s.EndStage, -1);
  EXPECT_EQ(s.StandingOnSprite, -1);
  EXPECT_FALSE(s.ReturnToMap || s.PlayerDying || s.LevelEnded || s.LevelWon || s.Carrying || s.MayFly);
  EXPECT_EQ(s.BrickFragIndex, 0);
  EXPECT_EQ(s.Score, 1234);  // carried over
  EXPECT_EQ(s.LevelTime, 250);
  EXPECT_EQ(s.EncounterFoesLeft, 1);
  EXPECT_TRUE(s.LevelLoaded);
  s.EncounterFoesLeft = -1;
  s.ResetPlayState();
  EXPECT_EQ(s.EncounterFoesLeft, -1);
}

TEST(LevelState, SpriteTextsAreNamedByData) {
  TLevelState s;
  EXPECT_EQ(s.AddSpriteText(""), 0);
  const int32_t pipe = s.AddSpriteText("levels\\cave.tql");
  const int32_t long_ = s.AddSpriteText(std::string(300, 'x'));
  ASSERT_NE(s.SpriteText(pipe), nullptr);
  EXPECT_EQ(*s.SpriteText(pipe), "levels\\cave.tql");
  EXPECT_EQ(s.SpriteText(long_)->size(), 300u);
  for (int32_t bad : {0, -1, 3, 1000, INT32_MIN}) EXPECT_EQ(s.SpriteText(bad), nullptr) << bad;
}

}  // namespace
