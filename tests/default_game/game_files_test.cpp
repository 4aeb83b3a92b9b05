// The default game as the programs find it in the program folder: the game file,
// its world map and every level the map leads to, read through the editor's
// document reader.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <queue>
#include <set>

#include "editor/Docs/document_io.h"
#include "game/ObjectLine/get_value.h"
#include "platform/core/ini_file.h"
#include "tests/default_game/staged_files.h"
#include "tests/support/scratch_folder.h"

namespace {

struct Object {
  int column, row;
  std::string value;
  int kind() const { return std::stoi(GetValue(value, 0)); }
  std::string field(int n) const { return GetValue(value, n); }
};

std::vector<Object> objectsOf(const TDocument& doc) {
  std::vector<Object> out;
  for (const auto& line : doc.Objects) {
    const auto eq = line.find('=');
    const int key = std::stoi(line.substr(0, eq));
    out.push_back({key & 0xFFFF, key >> 16, line.substr(eq + 1)});
  }
  return out;
}

TDocument load(const std::string& stored) {
  EXPECT_TRUE(stagedExists(stored)) << stored;
  return LoadDocument(staged(stored).string());
}

std::string bytesOf(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string worldFile() {
  platform::IniFile game(staged("hopz.tqg"));
  return game.readString("Options", "MapFile", "");
}

bool isPathKind(int k) { return k >= 22 && k <= 27; }

std::vector<std::string> levelFiles() {
  std::vector<std::string> files;
  for (const auto& o : objectsOf(load(worldFile())))
    if (!isPathKind(o.kind()) && !o.field(2).empty()) files.push_back(o.field(2));
  return files;
}

bool isPipeKind(int k) { return (k >= 16 && k <= 35) || k == 194 || k == 195 || k == 330; }
bool addsPlant(const Object& o) {
  const int k = o.kind();
  if (!(isPipeKind(k) || k == 238)) return false;
  const std::string code = o.field(3);
  return !code.empty() && std::stoi(code) >= 1 && std::stoi(code) <= 10;
}

TEST(DefaultGame, GameFileNamesAnExistingWorldAndLives) {
  const TDocument doc = load("hopz.tqg");
  EXPECT_EQ(doc.DocKind, DocGame);
  platform::IniFile game(staged("hopz.tqg"));
  EXPECT_GE(game.readInteger("Options", "Lifes", 0), 1);
  ASSERT_FALSE(worldFile().empty());
  EXPECT_TRUE(stagedExists(worldFile())) << worldFile();
  EXPECT_NE(doc.Text.find("\r\n"), std::string::npos) << "game files have CR LF lines";
}

TEST(DefaultGame, WorldMapHasFiveLinkedNodesReachableAlongPaths) {
  const TDocument doc = load(worldFile());
  ASSERT_EQ(doc.DocKind, DocWorldMap);
  const auto objects = objectsOf(doc);
  ASSERT_FALSE(objects.empty());
  EXPECT_EQ(objects.front().kind(), 0) << "the first line is the player's start";
  std::map<std::pair<int, int>, Object> byCell;
  for (const auto& o : objects) {
    EXPECT_GE(o.kind(), 0);
    EXPECT_LE(o.kind(), 99) << o.value;
    EXPECT_LT(o.column, doc.Width);
    EXPECT_LT(o.row, doc.Height);
    byCell.emplace(std::make_pair(o.column, o.row), o);
  }
  // Walk from the start over path cells; a node ends a walk but is reached.
  std::set<std::pair<int, int>> seen{{objects.front().column, objects.front().row}};
  std::queue<std::pair<int, int>> todo;
  todo.push(*seen.begin());
  std::set<std::string> reached;
  while (!todo.empty()) {
    const auto [c, r] = todo.front();
    todo.pop();
    for (const auto& [dc, dr] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
      const auto next = std::make_pair(c + dc, r + dr);
      const auto it = byCell.find(next);
      if (it == byCell.end() || seen.count(next)) continue;
      const int k = it->second.kind();
      if (!isPathKind(k) && it->second.field(2).empty()) continue;  // scenery
      seen.insert(next);
      // A path's field 2 is its wandering-enemy flag, not a link.
      if (!isPathKind(k) && !it->second.field(2).empty()) reached.insert(it->second.field(2));
      todo.push(next);  // nodes are walked through once won
    }
  }
  std::set<std::string> linked;
  for (const auto& o : objects)
    if (!isPathKind(o.kind()) && !o.field(2).empty()) linked.insert(o.field(2));
  EXPECT_GE(linked.size(), 5u);
  EXPECT_EQ(reached, linked) << "every node is on the path from the start";
  for (const auto& file : linked) EXPECT_TRUE(stagedExists(file)) << file;
}

TEST(DefaultGame, WorldMapHasAWanderingEnemyWithItsLevel) {
  // A path with "1" in field 2 starts a wandering enemy; field 3 is the level it
  // challenges the player to. Only the paths a player can stop on can meet it.
  int enemies = 0;
  for (const auto& o : objectsOf(load(worldFile()))) {
    if (!isPathKind(o.kind()) || o.field(2) != "1") continue;
    ++enemies;
    const int k = o.kind();
    EXPECT_TRUE(k == 23 || k == 25 || k == 26 || k == 27) << o.value;
    EXPECT_TRUE(stagedExists(o.field(3))) << o.value;
  }
  EXPECT_GE(enemies, 1);
}

// A castle's flag flies at the top of its cell: scenery in the cell above it
// stands where the flagpole should be seen (a tree there reads as the pole).
TEST(DefaultGame, WorldMapLeavesTheCellAboveEachCastleClearOfScenery) {
  const auto objects = objectsOf(load(worldFile()));
  int castles = 0;
  for (const auto& castle : objects) {
    if (castle.kind() != 30 && castle.kind() != 45) continue;  // Castle1, Castle2
    ++castles;
    for (const auto& o : objects) {
      const bool scenery = !isPathKind(o.kind()) && o.field(2).empty();
      EXPECT_FALSE(scenery && o.column == castle.column && o.row == castle.row - 1)
          << "kind " << o.kind() << " stands over the castle at column " << castle.column << ", row " << castle.row;
    }
  }
  EXPECT_GE(castles, 1);
}

class LevelFile : public testing::TestWithParam<std::string> {};

TEST_P(LevelFile, ReadsBackWithKnownKindsAndValidFields) {
  const TDocument doc = load(GetParam());
  ASSERT_EQ(doc.DocKind, DocLevel);
  const auto objects = objectsOf(doc);
  ASSERT_GT(objects.size(), 1u);
  EXPECT_EQ(objects.front().kind(), 0);
  // The sprite index the game gives each object: 38 + line, one more per plant before it.
  std::map<int, int> kindOfSprite;
  int plants = 0;
  for (size_t line = 0; line < objects.size(); ++line) {
    const auto& o = objects[line];
    const int k = o.kind();
    EXPECT_GE(k, 0);
    EXPECT_LE(k, 363) << o.value;
    EXPECT_TRUE(line == 0 || k != 0) << "one player only";
    EXPECT_TRUE(o.field(1) == "1" || o.field(1) == "0") << o.value;
    EXPECT_LT(o.column, doc.Width);
    EXPECT_LT(o.row, doc.Height);
    if (addsPlant(o)) ++plants;
    kindOfSprite[38 + static_cast<int>(line) + plants] = k;
    if ((k == 39 || k == 46) && !o.field(2).empty()) {
      const int contents = std::stoi(o.field(2));
      EXPECT_TRUE(contents > 0 && contents <= 363) << o.value;
    }
  }
  for (const auto& o : objects) {
    if (!isPipeKind(o.kind()) || o.field(2).empty()) continue;
    EXPECT_TRUE(stagedExists(o.field(2))) << o.value;
    const TDocument target = load(o.field(2));
    const int number = std::stoi(o.field(4));
    if (platform::sameText(o.field(2), GetParam())) {
      ASSERT_TRUE(kindOfSprite.count(number + 38)) << o.value;
      EXPECT_TRUE(isPipeKind(kindOfSprite[number + 38])) << "a warp comes out of a pipe: " << o.value;
    }
    const int exit = o.field(5).empty() ? 0 : std::stoi(o.field(5));
    EXPECT_TRUE(exit >= 0 && exit <= 3) << o.value;
  }
  std::set<int> kinds;
  for (const auto& o : objects) kinds.insert(o.kind());
  EXPECT_TRUE(kinds.count(60) || kinds.count(66) || kinds.count(180)) << "the level can be won";
}

TEST_P(LevelFile, IsWrittenExactlyAsTheEditorWritesIt) {
  TDocument doc = load(GetParam());
  const ScratchFolder scratch("default_game_level");
  const auto copy = scratch.path() / platform::extractFileName(GetParam());
  doc.FileName = copy.string();
  WriteDocument(doc);
  platform::IniFile original(staged(GetParam())), resaved(copy);
  EXPECT_EQ(original.toText(), resaved.toText());
}

// The world map too, byte for byte: a value the editor does not show (its ice
// colours) stays as the file holds it.
TEST(DefaultGame, WorldMapIsWrittenExactlyAsTheEditorWritesIt) {
  TDocument doc = load(worldFile());
  const ScratchFolder scratch("default_game_world");
  const auto copy = scratch.path() / "world.tqw";
  doc.FileName = copy.string();
  WriteDocument(doc);
  EXPECT_EQ(bytesOf(staged(worldFile())), bytesOf(copy));
}

INSTANTIATE_TEST_SUITE_P(LinkedFromTheWorldMap, LevelFile, testing::ValuesIn(levelFiles()),
                         [](const auto& info) {
                           std::string name = platform::extractFileName(info.param);
                           for (auto& c : name)
                             if (!isalnum(static_cast<unsigned char>(c))) c = '_';
                           return name;
                         });

// The libraries and music come from the art, sound and music generators.
TEST(DefaultGame, EveryLibraryAndTuneTheFilesNameIsStaged) {
  std::vector<std::string> files{worldFile()};
  for (const auto& level : levelFiles()) files.push_back(level);
  for (const auto& file : files) {
    const TDocument doc = load(file);
    for (const auto& resource : {doc.ImageLib, doc.SoundLib, doc.MIDIFile}) {
      EXPECT_FALSE(resource.empty()) << file;
      EXPECT_TRUE(stagedExists(resource)) << file << " names " << resource;
    }
  }
}

// The settings files beside the programs and the language file the launcher offers.
TEST(DefaultGame, SettingsAndLanguageFilesAreStagedBesideThePrograms) {
  ASSERT_TRUE(stagedExists("Hopz.ini"));
  platform::IniFile player(staged("Hopz.ini"));
  EXPECT_EQ(player.readInteger("DirectDraw", "WindowMode", 0), 1) << "the default game opens in a window";
  ASSERT_TRUE(stagedExists("Zadizuv.ini"));
  platform::IniFile editor(staged("Zadizuv.ini"));
  for (const char* key : {"ImageLib", "SoundLib", "MidiFile"}) {
    const std::string resource = editor.readString("NewLevel", key, "");
    EXPECT_FALSE(resource.empty()) << key;
    EXPECT_TRUE(stagedExists(resource)) << key << " names " << resource;
  }
  EXPECT_TRUE(stagedExists("Languages\\English.ini"));
}

// The change list the Help menu opens: Windows-1252 text with CR LF lines, as
// the other text files beside the programs.
TEST(DefaultGame, ChangeListIsStagedAsWindows1252Text) {
  ASSERT_TRUE(stagedExists("Update.txt"));
  std::ifstream in(staged("Update.txt"), std::ios::binary);
  ASSERT_TRUE(in);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(text.rfind("Tobbo Quest - Historial de cambios\r\n", 0), 0u) << text.substr(0, 60);
  EXPECT_NE(text.find("Versi\xF3n"), std::string::npos) << "accents in Windows-1252";
  EXPECT_EQ(text.find("\xC3"), std::string::npos) << "no UTF-8 sequences";
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n') {
      ASSERT_TRUE(i > 0 && text[i - 1] == '\r') << "a bare LF at byte " << i;
    }
  }
}

TEST(DefaultGame, LevelsTogetherUseTheMainFamiliesOfKinds) {
  std::set<int> kinds;
  for (const auto& file : levelFiles())
    for (const auto& o : objectsOf(load(file))) kinds.insert(o.kind());
  const std::map<std::string, std::vector<int>> families = {
      {"ground", {6, 7}},    {"slopes", {8, 9}},        {"bricks", {39}},      {"bonus blocks", {46}},
      {"coins", {49}},       {"walkers", {54, 57, 109}}, {"pipes", {26, 27}},  {"water", {278, 280}},
      {"end card", {60}},
  };
  for (const auto& [family, members] : families)
    for (int k : members) EXPECT_TRUE(kinds.count(k)) << family << " kind " << k;
}

}  // namespace
