#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "editor/Docs/document_io.h"
#include "editor/Docs/editor_settings.h"
#include "editor/Docs/line_helpers.h"
#include "platform/core/ini_file.h"
#include "tests/support/scratch_folder.h"

namespace fs = std::filesystem;

namespace {

class DocumentFiles : public testing::Test {
 protected:
  void TearDown() override { makeWritable(); }
  // Root writes through permission bits, so the folder is made immutable instead.
  bool makeReadOnly() {
    if (geteuid() == 0) return std::system(("chattr +i '" + dir_.string() + "' 2>/dev/null").c_str()) == 0;
    fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
    return true;
  }
  void makeWritable() {
    if (geteuid() == 0) (void)std::system(("chattr -i '" + dir_.string() + "' 2>/dev/null").c_str());
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
  }
  std::string path(const std::string& name) const { return (dir_ / name).string(); }
  static void put(const std::string& file, const std::string& text) { std::ofstream(file, std::ios::binary) << text; }
  static std::string get(const std::string& file) { return ScratchFolder::read(file); }
  ScratchFolder scratch_{"tq_docs_"};
  const fs::path& dir_ = scratch_.path();
};

// A level with a value different from the default in every field.
TDocument sampleLevel(const std::string& file) {
  TDocument d;
  d.FileName = file;
  d.DocKind = DocLevel;
  d.AddText = "Hola, \xe1rbol";
  d.Time = 250;
  d.HAutoScroll = true;
  d.AutoScrollX = -3;
  d.AutoScrollY = 2;
  d.Rain = true;
  d.RainDensity = 1200;
  d.RainSpeed = 6;
  d.BgX = 1, d.BgY = 2, d.BgWidth = 3, d.BgHeight = 4;
  d.Wrap = true;
  int c = 100;
  for (TColor* color : {&d.BgColor, &d.WaterColor, &d.Water2Color, &d.ShipColor, &d.Ship2Color, &d.BorderColor,
                        &d.GrassColor, &d.Grass2Color, &d.Ice1Color, &d.Ice2Color, &d.Pl1Color, &d.Pl2Color,
                        &d.SPipe1Color, &d.SPipe2Color, &d.FillColor})
    *color = c++;
  d.Width = 200, d.Height = 15;
  d.BgImage = "bitmaps\\sky.bmp";
  d.ResFactor = 32;
  d.AnimSpeed = 120;
  d.PaletteFX = 3;
  d.MIDIFile = "music\\normal 1.mid";
  d.Password = "secreto";
  d.ImageLib = "sprites\\other.iml";
  d.SoundLib = "sounds\\level.sdl";
  d.Objects = {"0=0,1,", "65541=40,1,", "3=39,1,62", "131075=16,1,other.tql,,4,2"};
  d.Modified = true;
  return d;
}

void expectSameOptions(const TDocument& a, const TDocument& b) {
  EXPECT_EQ(a.AddText, b.AddText);
  EXPECT_EQ(a.Time, b.Time);
  EXPECT_EQ(a.HAutoScroll, b.HAutoScroll);
  EXPECT_EQ(a.AutoScrollX, b.AutoScrollX);
  EXPECT_EQ(a.AutoScrollY, b.AutoScrollY);
  EXPECT_EQ(a.Rain, b.Rain);
  EXPECT_EQ(a.RainDensity, b.RainDensity);
  EXPECT_EQ(a.RainSpeed, b.RainSpeed);
  EXPECT_EQ(a.BgX, b.BgX);
  EXPECT_EQ(a.BgY, b.BgY);
  EXPECT_EQ(a.BgWidth, b.BgWidth);
  EXPECT_EQ(a.BgHeight, b.BgHeight);
  EXPECT_EQ(a.Wrap, b.Wrap);
  EXPECT_EQ(a.BgColor, b.BgColor);
  EXPECT_EQ(a.WaterColor, b.WaterColor);
  EXPECT_EQ(a.Water2Color, b.Water2Color);
  EXPECT_EQ(a.ShipColor, b.ShipColor);
  EXPECT_EQ(a.Ship2Color, b.Ship2Color);
  EXPECT_EQ(a.BorderColor, b.BorderColor);
  EXPECT_EQ(a.GrassColor, b.GrassColor);
  EXPECT_EQ(a.Grass2Color, b.Grass2Color);
  EXPECT_EQ(a.Ice1Color, b.Ice1Color);
  EXPECT_EQ(a.Ice2Color, b.Ice2Color);
  EXPECT_EQ(a.Pl1Color, b.Pl1Color);
  EXPECT_EQ(a.Pl2Color, b.Pl2Color);
  EXPECT_EQ(a.SPipe1Color, b.SPipe1Color);
  EXPECT_EQ(a.SPipe2Color, b.SPipe2Color);
  EXPECT_EQ(a.FillColor, b.FillColor);
  EXPECT_EQ(a.Width, b.Width);
  EXPECT_EQ(a.Height, b.Height);
  EXPECT_EQ(a.BgImage, b.BgImage);
  EXPECT_EQ(a.ResFactor, b.ResFactor);
  EXPECT_EQ(a.AnimSpeed, b.AnimSpeed);
  EXPECT_EQ(a.PaletteFX, b.PaletteFX);
  EXPECT_EQ(a.MIDIFile, b.MIDIFile);
  EXPECT_EQ(a.Password, b.Password);
  EXPECT_EQ(a.ImageLib, b.ImageLib);
  EXPECT_EQ(a.SoundLib, b.SoundLib);
  EXPECT_EQ(a.Name, b.Name);
  EXPECT_EQ(a.ShortName, b.ShortName);
  EXPECT_EQ(a.InitialInfo, b.InitialInfo);
}

TEST_F(DocumentFiles, LevelSavedAndReloadedGivesEveryValueBack) {
  TDocument level = sampleLevel(path("one.tql"));
  WriteDocument(level);
  EXPECT_FALSE(level.Modified);
  TDocument back = LoadDocument(level.FileName);
  EXPECT_EQ(back.DocKind, DocLevel);
  expectSameOptions(level, back);
  EXPECT_EQ(back.Objects, level.Objects);
}

TEST_F(DocumentFiles, WorldSavedAndReloadedGivesEveryValueBack) {
  TDocument world = NewWorldDocument({"", "", "sounds\\map.sdl", ""});
  world.FileName = path("w.tqw");
  world.Name = "MUNDO DOS";
  world.ShortName = "2";
  world.InitialInfo = false;
  world.Ice1Color = world.Ice2Color = 0;  // world maps keep no ice colours
  world.PaletteFX = 5;
  world.Objects = {"0=0,1,", "65536=12,1,level1.tql"};
  WriteDocument(world);
  TDocument back = LoadDocument(world.FileName);
  EXPECT_EQ(back.DocKind, DocWorldMap);
  expectSameOptions(world, back);
  EXPECT_EQ(back.Objects, world.Objects);
}

TEST_F(DocumentFiles, LevelIsWrittenInTheEditorsKeyOrder) {
  TDocument level = sampleLevel(path("order.tql"));
  level.Objects = {"0=0,1,", "5=40,1,"};
  WriteDocument(level);
  EXPECT_EQ(get(level.FileName),
            "[Options]\r\nAddText=Hola, \xe1rbol\r\nTime=250\r\nHAutoScroll=1\r\nAutoScrollX=-3\r\nAutoScrollY=2\r\n"
            "Rain=1\r\nRainDensity=1200\r\nRainSpeed=6\r\nBgX=1\r\nBgY=2\r\nBgWidth=3\r\nBgHeight=4\r\nWrap=1\r\n"
            "BgColor=100\r\nWaterColor=101\r\nWater2Color=102\r\nShipColor=103\r\nShip2Color=104\r\n"
            "BorderColor=105\r\nGrassColor=106\r\nGrass2Color=107\r\nIce1Color=108\r\nIce2Color=109\r\n"
            "Pl1Color=110\r\nPl2Color=111\r\nSPipe1Color=112\r\nSPipe2Color=113\r\nFillColor=114\r\n"
            "Width=200\r\nHeight=15\r\nBgImage=bitmaps\\sky.bmp\r\nResFactor=32\r\nAnimSpeed=120\r\n"
            "PaletteFX=3\r\nMIDIFile=music\\normal 1.mid\r\nPassword=secreto\r\nImageLib=sprites\\other.iml\r\n"
            "SoundLib=sounds\\level.sdl\r\n[Sprites]\r\n0=0,1,\r\n5=40,1,\r\n");
}

TEST_F(DocumentFiles, WorldIsWrittenInTheEditorsKeyOrder) {
  TDocument world = NewWorldDocument({"", "", "", ""});
  world.FileName = path("order.tqw");
  WriteDocument(world);
  EXPECT_EQ(get(world.FileName),
            "[Options]\r\nName=WORLD 1\r\nShortName=1\r\nInitialInfo=1\r\n"
            "BgColor=9886975\r\nWaterColor=16760121\r\nWater2Color=16770989\r\nShipColor=3775743\r\n"
            "Ship2Color=543438\r\nBorderColor=0\r\nGrassColor=3394611\r\nGrass2Color=39168\r\n"
            "Ice1Color=16316664\r\nIce2Color=13682872\r\nPl1Color=4906570\r\nPl2Color=44288\r\n"
            "SPipe1Color=10079487\r\nSPipe2Color=13369548\r\nFillColor=0\r\nWidth=20\r\nHeight=13\r\n"
            "BgImage=\r\nResFactor=16\r\nAnimSpeed=150\r\nPaletteFX=0\r\nMIDIFile=music\\map\\world 1.mid\r\n"
            "Password=\r\nImageLib=sprites\\map.iml\r\nSoundLib=\r\n");  // no objects: no [Sprites]
}

// A cell holds one object. The game builds a sprite of every key line of
// [Sprites], each with the value of its key's first line: a file with two lines
// for one cell opens with the first of them as the cell's object, and a save
// writes the later line back where it stood. Two objects in one cell made in
// the editor are not saved, as the game would build both as the first.
TEST_F(DocumentFiles, TwoLinesForOneCellOpenAsTheGameReadsThemAndAreNeverSavedAsOne) {
  const std::string sprites = "[Sprites]\r\n0=0,1,\r\n65541=40,1,\r\n7=49,1,\r\n65541=41,1\r\n8=\r\n8=46,1,\r\n";
  put(path("dup.tql"), "[Options]\r\nWidth=8\r\n" + sprites);
  TDocument level = LoadDocument(path("dup.tql"));
  EXPECT_EQ(level.Objects, (std::vector<std::string>{"0=0,1,", "65541=40,1,", "7=49,1,"}));
  level.Modified = true;
  WriteDocument(level);
  const std::string saved = get(level.FileName);
  EXPECT_EQ(saved.substr(saved.find("[Sprites]")), sprites);

  const std::string before = get(path("dup.tql"));
  level.Objects = {"0=0,1,", "65541=40,1,", "7=49,1,", "65541=41,1"};
  level.Modified = true;
  try {
    WriteDocument(level);
    FAIL() << "two objects in one cell were saved";
  } catch (const EDocumentWrite& e) {
    EXPECT_EQ(e.Failure, TDocumentFailure::SharedCell);
    EXPECT_EQ(std::string(e.what()), "Unable to write to " + level.FileName.string() + ": two objects in cell 65541");
    // The author is told which cell to look at.
    EXPECT_EQ(DocumentFailureText(e), "No se pudo guardar \"" + level.FileName.string() +
                                          "\": dos objetos ocupan la misma celda (columna 5, fila 1) y el juego "
                                          "mostrar\xED" "a s\xF3lo uno.");
  }
  EXPECT_TRUE(level.Modified);
  EXPECT_EQ(get(path("dup.tql")), before);
}

// A hand-edited [Sprites] may hold lines that are no object: a first line
// without a value (the game still starts the player in its cell), a line
// without a key, comments, blank lines. A save writes each where it stood, so
// the game builds the same sprites in the same order; objects added or removed
// in the editor leave them in place.
TEST_F(DocumentFiles, SpritesLinesThatAreNoObjectAreSavedWhereTheyStood) {
  struct Case {
    const char* name;
    const char* sprites;
    std::vector<std::string> objects;
  };
  const Case cases[] = {
      {"a first key without a value", "786442=\r\n32=0,1,\r\n65541=40,1,\r\n", {"32=0,1,", "65541=40,1,"}},
      {"comments and a blank line", "; the start\r\n0=0,1,\r\n;a block\r\n\r\n65541=40,1,\r\n; end\r\n",
       {"0=0,1,", "65541=40,1,"}},
      {"a line without a key, a line without \"=\"", "=5,1,\r\n0=0,1,\r\nsolo texto\r\n3=39,1,62\r\n",
       {"0=0,1,", "3=39,1,62"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string sprites = std::string("[Sprites]\r\n") + c.sprites;
    put(path("hand.tql"), "[Options]\r\nWidth=40\r\n" + sprites);
    TDocument level = LoadDocument(path("hand.tql"));
    EXPECT_EQ(level.Objects, c.objects);
    WriteDocument(level);
    std::string saved = get(level.FileName);
    EXPECT_EQ(saved.substr(saved.find("[Sprites]")), sprites);
    // The game reads the same first key line as before.
    EXPECT_EQ(platform::IniFile(level.FileName).readSection("Sprites"),
              platform::IniFile(path("hand.tql")).readSection("Sprites"));
  }

  put(path("hand.tql"), "[Options]\r\n[Sprites]\r\n786442=\r\n32=0,1,\r\n; a block\r\n65541=40,1,\r\n");
  TDocument level = LoadDocument(path("hand.tql"));
  level.Objects.push_back("5=49,1,");
  level.Objects.erase(level.Objects.begin() + 1);
  WriteDocument(level);
  const std::string saved = get(level.FileName);
  EXPECT_EQ(saved.substr(saved.find("[Sprites]")), "[Sprites]\r\n786442=\r\n32=0,1,\r\n; a block\r\n5=49,1,\r\n");
}

// A hand-edited [Options] may hold comments, blank lines and a second line of a
// key. A save writes each before the key line that followed it in the file
// (also when the editor writes its keys in another order), a second line of a
// key after the first, which the game reads; a second save changes nothing.
TEST_F(DocumentFiles, OptionsCommentsAndBlankLinesAreSavedWhereTheyStood) {
  struct Case {
    const char* name;
    const char* file;
    std::string options;
    std::vector<std::pair<std::string, std::string>> kept;  // a kept line and the line after it ("" at the end)
  };
  const Case cases[] = {
      {"comments before keys", "c.tql", "; the clock\r\nTime=99\r\n;colours\r\nBgColor=5\r\n",
       {{"; the clock", "Time=99"}, {";colours", "BgColor=5"}}},
      {"a blank line and a comment at the end", "e.tql", "Time=99\r\n\r\n; the end\r\n",
       {{"", "; the end"}, {"; the end", "[Sprites]"}}},
      {"keys in another order", "o.tql", "Width=30\r\n; the clock\r\nTime=99\r\n", {{"; the clock", "Time=99"}}},
      {"a second line of a key", "d.tql", "Time=99\r\ntime=5\r\nAddText=hola\r\n",
       {{"time=5", "HAutoScroll=0"}}},
      {"a world map's comment", "w.tqw", "; the island\r\nName=Isla\r\n", {{"; the island", "Name=Isla"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    put(path(c.file), "[Options]\r\n" + c.options + "[Sprites]\r\n0=0,1,\r\n");
    TDocument doc = LoadDocument(path(c.file));
    WriteDocument(doc);
    const std::string saved = get(doc.FileName);
    std::vector<std::string> lines;
    for (size_t start = 0, end; (end = saved.find("\r\n", start)) != std::string::npos; start = end + 2)
      lines.push_back(saved.substr(start, end - start));
    for (const auto& [kept, next] : c.kept) {
      const auto at = std::find(lines.begin(), lines.end(), kept);
      ASSERT_NE(at, lines.end()) << kept << " is gone from\n" << saved;
      ASSERT_NE(at + 1, lines.end());
      EXPECT_EQ(at[1], next) << saved;
    }
    if (doc.DocKind == DocLevel) {
      EXPECT_EQ(platform::IniFile(doc.FileName).readInteger("Options", "Time", 0), 99);
    }
    WriteDocument(doc);
    EXPECT_EQ(get(doc.FileName), saved);
    EXPECT_EQ(LoadDocument(doc.FileName).KeptOptionLines, doc.KeptOptionLines);
  }
}

// A copy saved under another name is the document's file as it was read, with
// its own other sections; a file it replaces gives it none of its own.
TEST_F(DocumentFiles, SaveAsCarriesTheFilesOtherSectionsAndNotThoseItReplaces) {
  put(path("notas.tql"), "[Notas]\r\nautor=yo\r\n[Options]\r\nTime=99\r\n[Sprites]\r\n0=0,1,\r\n");
  put(path("vieja.tqw"), "[Otra]\r\nclave=1\r\n[Options]\r\n");
  put(path("vieja.tql"), "[Otra]\r\nclave=1\r\n[Options]\r\n");
  put(path("notas.tqw"), "[Notas]\r\nautor=yo\r\n[Options]\r\nName=Isla\r\n");
  for (const char* from : {"notas.tql", "notas.tqw"}) {
    SCOPED_TRACE(from);
    TDocument doc = LoadDocument(path(from));
    const std::string ext = std::string(from).substr(std::string(from).size() - 4);
    for (const std::string& to : {"copia" + ext, "vieja" + ext}) {
      SCOPED_TRACE(to);
      doc.FileName = path(to);
      WriteDocument(doc);
      platform::IniFile copy(doc.FileName);
      // The map has no objects, so no [Sprites].
      const std::vector<std::string> sections =
          ext == ".tql" ? std::vector<std::string>{"Notas", "Options", "Sprites"} : std::vector<std::string>{"Notas", "Options"};
      EXPECT_EQ(copy.readSections(), sections);
      EXPECT_EQ(copy.readString("Notas", "autor", ""), "yo");
    }
  }
}

TEST_F(DocumentFiles, ReadingKeepsFileOrderSkipsEmptyValuesAndUsesDefaults) {
  put(path("sparse.tql"), "[Options]\r\nTime=abc\r\nRain=7\r\nAnimSpeed=0x20\r\n"
                          "[Sprites]\r\n65536=3,1,\r\n12=\r\n0=0,1,\r\n");
  TDocument level = LoadDocument(path("sparse.tql"));
  EXPECT_EQ(level.Time, 300);  // not a number
  EXPECT_TRUE(level.Rain);     // any non-zero integer
  EXPECT_EQ(level.AnimSpeed, 32);
  EXPECT_EQ(level.Width, 128);
  EXPECT_EQ(level.Height, 13);
  EXPECT_EQ(level.BgColor, 16776960);
  EXPECT_EQ(level.ImageLib, "sprites\\game.iml");
  EXPECT_EQ(level.Objects, (std::vector<std::string>{"65536=3,1,", "0=0,1,"}));

  put(path("sparse.tqw"), "[Options]\r\nName=Isla\r\nIce1Color=5\r\n");
  TDocument world = LoadDocument(path("sparse.tqw"));
  EXPECT_EQ(world.ShortName, "Isla");
  EXPECT_TRUE(world.InitialInfo);
  EXPECT_EQ(world.Width, 20);
  EXPECT_EQ(world.Height, 13);
  EXPECT_EQ(world.BgColor, 14741656);
  EXPECT_EQ(world.Ice1Color, 5);  // kept as the map holds it
  EXPECT_EQ(world.Ice2Color, 0);  // a map without one has none
  EXPECT_EQ(world.ImageLib, "sprites\\map.iml");
}

TEST_F(DocumentFiles, MissingFileOpensAsAnEmptyDocumentOfItsKind) {
  TDocument level = LoadDocument(path("none.tql"));
  EXPECT_EQ(level.DocKind, DocLevel);
  EXPECT_TRUE(level.Objects.empty());
  EXPECT_EQ(level.Time, 300);
  TDocument game = LoadDocument(path("none.tqg"));
  EXPECT_EQ(game.DocKind, DocGame);
  EXPECT_EQ(game.Text, "");
}

TEST_F(DocumentFiles, LineBreaksInValuesCannotStartKeysOfTheirOwn) {
  TDocument level;
  level.DocKind = DocLevel;
  level.FileName = path("breaks.tql");
  level.AddText = "one\r\nTime=1";
  level.Objects = {"0=0,1,", "5=39,1,\n[Options]"};
  WriteDocument(level);
  TDocument back = LoadDocument(level.FileName);
  EXPECT_EQ(back.AddText, "one  Time=1");
  EXPECT_EQ(back.Time, 300);
  EXPECT_EQ(back.Objects, (std::vector<std::string>{"0=0,1,", "5=39,1, [Options]"}));
}

TEST_F(DocumentFiles, OwnSectionsAreKeptBeforeOptionsAndSprites) {
  put(path("notes.tql"), "[Options]\r\nTime=99\r\n[Notes]\r\nauthor=yo\r\n[Sprites]\r\n0=0,1,\r\n");
  TDocument level = LoadDocument(path("notes.tql"));
  WriteDocument(level);
  platform::IniFile ini(level.FileName);
  EXPECT_EQ(ini.readSections(), (std::vector<std::string>{"Notes", "Options", "Sprites"}));
  EXPECT_EQ(ini.readString("Notes", "author", ""), "yo");
  EXPECT_EQ(ini.readInteger("Options", "Time", 0), 99);
}

TEST_F(DocumentFiles, FullLevelOf1664ObjectsLoadsAndSaves) {
  std::string text = "[Options]\r\n[Sprites]\r\n";
  for (int row = 0; row < 13; ++row)
    for (int column = 0; column < 128; ++column)
      text += std::to_string(CellKey(column, row)) + "=" + std::to_string((row * 128 + column) % 364) + ",1,\r\n";
  put(path("full.tql"), text);
  TDocument level = LoadDocument(path("full.tql"));
  ASSERT_EQ(level.Objects.size(), 1664u);
  EXPECT_EQ(level.Objects[1663], std::to_string(CellKey(127, 12)) + "=" + std::to_string(1663 % 364) + ",1,");
  level.FileName = path("full2.tql");
  WriteDocument(level);
  EXPECT_EQ(LoadDocument(level.FileName).Objects, level.Objects);
}

TEST_F(DocumentFiles, GameIsWrittenAsItsTextLineByLine) {
  TDocument game;
  game.DocKind = DocGame;
  game.FileName = path("g.tqg");
  game.Text = NewGameText();
  WriteDocument(game);
  EXPECT_EQ(get(game.FileName), "[Options]\r\nLifes=\r\nMapFile=\r\n");
  game.Text = "[Options]\nLifes=3\r\nMapFile=w.tqw";
  WriteDocument(game);
  EXPECT_EQ(get(game.FileName), "[Options]\r\nLifes=3\r\nMapFile=w.tqw\r\n");
  EXPECT_EQ(LoadDocument(game.FileName).Text, get(game.FileName));
}

TEST_F(DocumentFiles, FormatFollowsTheKindAndUpperCaseExtensionsCount) {
  TDocument level = sampleLevel(path("LEVEL.TQL"));
  WriteDocument(level);
  EXPECT_FALSE(level.Modified);
  TDocument back = LoadDocument(level.FileName);
  EXPECT_EQ(back.DocKind, DocLevel);
  EXPECT_EQ(back.Objects, level.Objects);
}

// The editor keeps names as Windows-1252 text; the disk's names are UTF-8.
TEST_F(DocumentFiles, NamesOutsideAsciiAreWrittenAndReadUnderTheirUtf8Names) {
  TDocument level = sampleLevel(path("monta\xF1" "a.tql"));
  WriteDocument(level);
  EXPECT_TRUE(fs::is_regular_file(path("monta\xC3\xB1" "a.tql")));
  EXPECT_FALSE(fs::exists(path("monta\xF1" "a.tql")));
  EXPECT_EQ(LoadDocument(level.FileName).Objects, level.Objects);

  TDocument game;
  game.DocKind = DocGame;
  game.FileName = path("ca\xF1\xF3n.tqg");
  game.Text = "[Options]\r\nLifes=3\r\n";
  WriteDocument(game);
  EXPECT_EQ(get(path("ca\xC3\xB1\xC3\xB3n.tqg")), game.Text);
  EXPECT_EQ(LoadDocument(game.FileName).Text, game.Text);
}

TEST_F(DocumentFiles, SaveUnderAWrongExtensionIsRefused) {
  struct Case {
    TDocKind kind;
    const char* name;
  };
  for (Case c : {Case{DocLevel, "level.txt"}, Case{DocLevel, "level.tqw"}, Case{DocWorldMap, "map"},
                 Case{DocGame, "game.tql"}, Case{DocLevel, ""}}) {
    TDocument doc;
    doc.DocKind = c.kind;
    doc.FileName = *c.name ? path(c.name) : "";
    doc.Modified = true;
    EXPECT_THROW(WriteDocument(doc), EDocumentWrite) << c.name;
    EXPECT_TRUE(doc.Modified) << c.name;
    if (*c.name) {
      EXPECT_FALSE(fs::exists(doc.FileName)) << c.name;
    }
  }
}

TEST_F(DocumentFiles, FailingWriteLeavesTheOldFileAndTheModifiedFlag) {
  std::string file = path("old.tql");
  put(file, "[Options]\r\nTime=42\r\n");
  if (!makeReadOnly()) GTEST_SKIP() << "cannot make a folder read-only here";
  TDocument level = sampleLevel(file);
  try {
    WriteDocument(level);
    ADD_FAILURE() << "the write did not fail";
  } catch (const EDocumentWrite& e) {
    EXPECT_EQ(std::string(e.what()), "Unable to write to " + file);
  }
  makeWritable();
  EXPECT_TRUE(level.Modified);
  EXPECT_EQ(get(file), "[Options]\r\nTime=42\r\n");
}

TEST_F(DocumentFiles, FailingWriteIntoAMissingFolderReportsTheFile) {
  TDocument level = sampleLevel(path("no/such/folder/x.tql"));
  EXPECT_THROW(WriteDocument(level), EDocumentWrite);
  EXPECT_TRUE(level.Modified);
}

TEST(LineHelpers, SectionAndNewKey) {
  EXPECT_EQ(GetSection("65541=40,1,"), "65541");
  EXPECT_EQ(GetSection("=40"), "");
  EXPECT_EQ(GetSection("no key"), "");
  EXPECT_EQ(SetSection("65541=40,1,a=b", "7"), "7=40,1,a=b");
}

TEST(DocKinds, ByExtensionInAnyCase) {
  EXPECT_EQ(DocKindOfFileName("a.tql"), DocLevel);
  EXPECT_EQ(DocKindOfFileName("dir.tqg\\A.TQW"), DocWorldMap);
  EXPECT_EQ(DocKindOfFileName("x/y.Tqg"), DocGame);
  EXPECT_EQ(DocKindOfFileName("x.tql.bak"), std::nullopt);
  EXPECT_EQ(DocKindOfFileName("tql"), std::nullopt);
}

TEST_F(DocumentFiles, EditorSettingsKeepNormalPlacementWhenMaximised) {
  std::string file = path("Zadizuv.ini");
  put(file, "[MainWindow]\r\nLeft=10\r\nTop=20\r\nWidth=800\r\nHeight=600\r\nWindowState=2\r\n"
            "[NewLevel]\r\nImageLib=sprites\\game.iml\r\nMidiFile=music\\a.mid\r\n");
  TEditorSettings settings(file);
  TEditorWindowPlacement p = settings.ReadMainWindow({1, 2, 3, 4, 0});
  EXPECT_EQ(p.WindowState, EditorWindowMaximized);
  EXPECT_EQ(p.Width, 800);
  TNewLevelSettings n = settings.ReadNewLevel();
  EXPECT_EQ(n.ImageLib, "sprites\\game.iml");
  EXPECT_EQ(n.MidiFile, "music\\a.mid");
  EXPECT_EQ(n.BgImage, "");

  settings.WriteMainWindow({0, 0, 1920, 1080, EditorWindowMaximized});
  platform::IniFile after(file);
  EXPECT_EQ(after.readInteger("MainWindow", "Width", 0), 800);
  EXPECT_EQ(after.readInteger("MainWindow", "WindowState", 0), 2);

  settings.WriteMainWindow({5, 6, 700, 500, EditorWindowNormal});
  EXPECT_EQ(get(file).find("[MainWindow]\r\nLeft=5\r\nTop=6\r\nWidth=700\r\nHeight=500\r\nWindowState=0\r\n[NewLevel]"), 0u);

  TEditorSettings none(path("missing.ini"));
  EXPECT_EQ(none.ReadMainWindow({1, 2, 3, 4, 0}).Height, 4);
}

}  // namespace
