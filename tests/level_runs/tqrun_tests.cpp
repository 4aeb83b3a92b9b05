// tqrun: its command line and key script, its error lines, and a level of the
// default game played headless into a picture.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <QColor>
#include <QImage>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "tools/tqrun/run_options.h"

namespace fs = std::filesystem;

namespace {

TEST(RunOptions, AWholeCommandLine) {
  const TRunOptions o = ParseRunOptions({"--game", "g", "--level", "l.tql", "--frames", "200", "--keys", "k.txt",
                                         "--state", "s.json", "--png", "1:a.png", "--png", "200:b.png"});
  EXPECT_EQ(o.gameDir, "g");
  EXPECT_EQ(o.levelFile, "l.tql");
  EXPECT_EQ(o.frames, 200);
  EXPECT_EQ(o.keysFile, "k.txt");
  EXPECT_EQ(o.stateFile, "s.json");
  ASSERT_EQ(o.pngs.size(), 2u);
  EXPECT_EQ(o.pngs[1].frame, 200);
  EXPECT_EQ(o.pngs[1].file, "b.png");
  EXPECT_EQ(ParseRunOptions({"--level", "l", "--game", "g"}).frames, 1);
  EXPECT_FALSE(o.help);
  // --help asks for nothing else.
  EXPECT_TRUE(ParseRunOptions({"--help"}).help);
  EXPECT_TRUE(ParseRunOptions({"--frames", "0", "--help"}).help);
}

TEST(RunOptions, BadArgumentsAreRefused) {
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"--game", "g"},
      {"--level", "l"},
      {"--game", "g", "--level"},
      {"--game", "g", "--level", "l", "--frames", "0"},
      {"--game", "g", "--level", "l", "--frames", "12x"},
      {"--game", "g", "--level", "l", "--frames", "-3"},
      {"--game", "g", "--level", "l", "--frames", "99999999999"},
      {"--game", "g", "--level", "l", "--png", "a.png"},
      {"--game", "g", "--level", "l", "--png", "1:"},
      {"--game", "g", "--level", "l", "--png", "0:a.png"},
      {"--game", "g", "--level", "l", "--png", "2:a.png"},  // past the one frame
      {"--game", "g", "--level", "l", "--speed", "2"},
  };
  for (const auto& args : cases) {
    std::string line;
    for (const std::string& a : args) line += a + " ";
    SCOPED_TRACE(line);
    EXPECT_THROW(ParseRunOptions(args), ERunArgument);
  }
}

TEST(KeyScript, OneEventALine) {
  const std::vector<TKeyEvent> events = ParseKeyScript("# walk right, then jump\r\n1 down right\n\n10 down 32\r\n12 up right\n");
  ASSERT_EQ(events.size(), 3u);
  EXPECT_EQ(events[0].frame, 1);
  EXPECT_TRUE(events[0].down);
  EXPECT_EQ(events[0].key, "right");
  EXPECT_EQ(events[1].key, "32");
  EXPECT_FALSE(events[2].down);
  for (const TKeyEvent& e : events) EXPECT_EQ(e.code, "");

  // A secret code, in the capitals the game compares.
  const std::vector<TKeyEvent> typed = ParseKeyScript("4 code Pebble\n5 code sea_otters\n");
  ASSERT_EQ(typed.size(), 2u);
  EXPECT_EQ(typed[0].frame, 4);
  EXPECT_EQ(typed[0].code, "PEBBLE");
  EXPECT_EQ(typed[1].code, "SEA_OTTERS");
  for (const char* bad : {"1 down", "1 press right", "x down right", "0 down right", "1 down right extra", "1 code",
                          "1 code peb1le", "1 code pebble extra"}) {
    SCOPED_TRACE(bad);
    EXPECT_THROW(ParseKeyScript(bad), ERunArgument);
  }
}

// tqrun as a level author runs it.
class TqrunProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    scratch_ = fs::temp_directory_path() / ("tqrun_tests_" + std::to_string(::getpid()) + "_" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(scratch_);
    fs::create_directories(scratch_);
  }
  void TearDown() override { fs::remove_all(scratch_); }

  struct Result {
    int exitCode;
    std::string err;
    std::string out;
  };
  Result run(const std::string& args) {
    const fs::path out = scratch_ / "stdout.txt", err = scratch_ / "stderr.txt";
    const std::string command = std::string(TQ_STAGE_DIR) + "/tqrun " + args + " > " + out.string() + " 2> " + err.string();
    const int status = std::system(command.c_str());
    const auto text = [](const fs::path& file) {
      std::ifstream in(file);
      std::ostringstream read;
      read << in.rdbuf();
      return read.str();
    };
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, text(err), text(out)};
  }
  std::string file(const std::string& name) { return (scratch_ / name).string(); }
  static std::string stage() { return TQ_STAGE_DIR; }

  fs::path scratch_;
};

TEST_F(TqrunProgram, ABadArgumentOrFileGivesAnErrorLine) {
  std::ofstream(file("bad_keys.txt")) << "1 down nokey\n";
  std::ofstream(file("broken_keys.txt")) << "1 hold right\n";
  std::ofstream(file("late_keys.txt")) << "1 down right\n500 down nokey\n";  // far past the frames run
  std::ofstream(file("no_images.tql")) << "[Options]\r\nImageLib=sprites\\none.iml\r\n[Sprites]\r\n0=0,1,\r\n";
  const std::string level = " --level " + stage() + "/levels/1-1.tql";
  const std::string cases[] = {
      "",
      "--frames 3",
      "--game " + file("nowhere") + level,
      "--game " + stage() + " --level " + file("missing.tql"),
      "--game " + stage() + " --level " + file("no_images.tql"),
      "--game " + stage() + level + " --keys " + file("missing.txt"),
      "--game " + stage() + level + " --keys " + file("broken_keys.txt"),
      "--game " + stage() + level + " --keys " + file("bad_keys.txt"),
      "--game " + stage() + level + " --keys " + file("late_keys.txt"),
      "--game " + stage() + level + " --png 1:" + file("no/such/folder/a.png"),
      "--game " + stage() + level + " --state " + file("no/such/folder/s.json"),
  };
  for (const std::string& args : cases) {
    SCOPED_TRACE(args);
    const Result r = run(args);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err.rfind("error: ", 0), 0u) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
  }
}

// --help prints the usage, a bad argument prints it beside its error line: the
// command line, the key script and every key name a script may use.
TEST_F(TqrunProgram, HelpAndABadArgumentPrintTheUsageWithTheKeyNames) {
  const struct {
    const char* args;
    int exitCode;
    bool errorLine;
  } cases[] = {{"--help", 0, false}, {"", 1, true}, {"--game g --level l --speed 2", 1, true},
               {"--game g --level l --frames 0", 1, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args);
    const Result r = run(c.args);
    EXPECT_EQ(r.exitCode, c.exitCode);
    EXPECT_EQ(r.err.rfind("error: ", 0) == 0, c.errorLine) << r.err;
    EXPECT_EQ(r.out.rfind("usage: tqrun --game DIR --level FILE", 0), 0u) << r.out;
    for (const char* part : {"--frames N", "--keys SCRIPT", "--state OUT.json", "--png FRAME:OUT.png", "FRAME down KEY",
                             "FRAME up KEY", "FRAME code WORD", "virtual-key code"})
      EXPECT_NE(r.out.find(part), std::string::npos) << part;
    for (const char* name : kKeyNames) EXPECT_NE(r.out.find(std::string(" ") + name), std::string::npos) << name;
  }
  // A file that cannot be read is no question of usage.
  const Result missing = run("--game " + stage() + " --level " + file("missing.tql"));
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_EQ(missing.out, "");
}

// A code of the script is typed as the player types it: PEBBLE fills the
// status from its frame on.
TEST_F(TqrunProgram, ASecretCodeOfTheScriptIsTyped) {
  std::ofstream(file("code.keys")) << "# 99 lives\n5 code pebble\n";
  const Result r = run("--game " + stage() + " --level " + stage() + "/levels/1-1.tql --frames 8 --keys " +
                       file("code.keys"));
  ASSERT_EQ(r.exitCode, 0) << r.err;
  std::vector<std::string> rows;
  std::istringstream json(r.out);
  for (std::string line; std::getline(json, line);)
    if (line.find("{\"frame\": ") != std::string::npos) rows.push_back(line);
  ASSERT_EQ(rows.size(), 8u);
  for (size_t i = 0; i < rows.size(); ++i)
    EXPECT_EQ(rows[i].find("\"Lives\": 99, ") != std::string::npos, i >= 4) << rows[i];
}

TEST_F(TqrunProgram, TheFirstLevelPlays200FramesIntoAPicture) {
  const Result r = run("--game " + stage() + " --level " + stage() + "/levels/1-1.tql --frames 200 --state " +
                       file("state.json") + " --png 200:" + file("frame200.png"));
  ASSERT_EQ(r.exitCode, 0) << r.err;

  std::ifstream in(file("state.json"));
  std::ostringstream json;
  json << in.rdbuf();
  const std::string text = json.str();
  size_t frames = 0;
  for (size_t at = text.find("{\"frame\": "); at != std::string::npos; at = text.find("{\"frame\": ", at + 1)) ++frames;
  EXPECT_EQ(frames, 200u);
  EXPECT_NE(text.find("{\"frame\": 200, "), std::string::npos);
  for (const char* key : {"\"x\"", "\"y\"", "\"PlayerMode\"", "\"Score\"", "\"Coins\"", "\"Lives\"", "\"LevelTime\"",
                          "\"LevelEnded\": false", "\"PlayerDying\": false", "\"ReturnToMap\": false"})
    EXPECT_NE(text.find(key), std::string::npos) << key;

  const QImage image(QString::fromStdString(file("frame200.png")));
  ASSERT_FALSE(image.isNull());
  ASSERT_EQ(image.width(), 320);
  ASSERT_EQ(image.height(), 240);
  auto colours = [&](int x0, int y0, int x1, int y1) {
    std::set<QRgb> seen;
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) seen.insert(image.pixel(x, y));
    return seen.size();
  };
  // The sky of the background (not the black of an empty buffer), the ground and the objects on it...
  const QRgb sky = image.pixel(5, 5);
  EXPECT_NE(sky & 0xFFFFFFu, 0u);
  EXPECT_EQ(image.pixel(300, 50), sky);
  EXPECT_GT(colours(0, 150, 320, 208), 4u);
  EXPECT_GT(colours(0, 0, 320, 208), 10u);
  // ...and the status bar with its texts.
  EXPECT_GT(colours(0, 208, 320, 240), 4u);
  EXPECT_GT(colours(60, 220, 130, 232), 1u);  // the score's digits
}

TEST_F(TqrunProgram, ADeathHandsTheLevelOverToItsMapAndTheRunEnds) {
  // The first level's walk ends in its pit; the run stops once the level is left.
  const Result r = run("--game " + stage() + " --level " + stage() + "/levels/1-1.tql --frames 2000 --keys " +
                       std::string(TQ_SOURCE_DIR) + "/tests/player_runs/first_level.keys --state " + file("state.json"));
  ASSERT_EQ(r.exitCode, 0) << r.err;
  std::ifstream in(file("state.json"));
  std::ostringstream json;
  json << in.rdbuf();
  const std::string text = json.str();
  EXPECT_NE(text.find("\"PlayerDying\": true"), std::string::npos);
  EXPECT_NE(text.find("\"Lives\": 4"), std::string::npos);
  EXPECT_EQ(text.find("{\"frame\": 2000, "), std::string::npos);  // ended before the last frame
}

// A chest or the castle's end is taken; five seconds later the level hands over
// to its map. From the take on the rows show the level won, and the last row
// shows it ended and leaving, with the player where he stood.
TEST_F(TqrunProgram, AWinByAChestOrTheCastleShowsInTheRows) {
  std::ofstream(file("chest.keys")) << "1 down right\n78 up right\n";
  const struct {
    const char* level;
    std::string keys;
  } cases[] = {{"casa.tql", file("chest.keys")},
               {"1-4.tql", std::string(TQ_SOURCE_DIR) + "/tests/default_game_runs/1-4.keys"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.level);
    const Result r = run("--game " + stage() + " --level " + stage() + "/levels/" + c.level +
                         " --frames 2000 --keys " + c.keys + " --state " + file("state.json"));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    std::ifstream in(file("state.json"));
    std::vector<std::string> rows;
    for (std::string line; std::getline(in, line);)
      if (line.find("{\"frame\": ") != std::string::npos) rows.push_back(line);
    ASSERT_GT(rows.size(), 1u);
    const std::string& last = rows.back();
    EXPECT_EQ(last.find("{\"frame\": 2000, "), std::string::npos) << "the level never handed over";
    for (const char* flag : {"\"LevelEnded\": true", "\"LevelWon\": true", "\"ReturnToMap\": true"})
      EXPECT_NE(last.find(flag), std::string::npos) << flag << " in " << last;
    EXPECT_EQ(last.find("\"x\": 0, \"y\": 0, "), std::string::npos) << last;
    EXPECT_EQ(last.find("\"LevelTime\": 0, "), std::string::npos) << last;
    // Won for the whole wait, five seconds of 25 ms frames.
    const size_t wait = 5000 / 25;
    ASSERT_GT(rows.size(), wait);
    for (size_t i = rows.size() - wait; i < rows.size(); ++i)
      ASSERT_NE(rows[i].find("\"LevelWon\": true"), std::string::npos) << rows[i];
  }
}

TEST_F(TqrunProgram, APictureAskedForPastTheLevelsEndIsAnError) {
  // Nothing to stand on: the player falls out at once and the level hands over.
  std::ofstream(file("pit.tql"), std::ios::binary)
      << "[Options]\r\nWidth=20\r\nHeight=2\r\nImageLib=sprites\\game.iml\r\n[Sprites]\r\n0=0,1,\r\n";
  const Result r = run("--game " + stage() + " --level " + file("pit.tql") + " --frames 3000 --state " +
                       file("state.json") + " --png 3000:" + file("never.png"));
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.err.rfind("error: the level ended at frame ", 0), 0u) << r.err;
  EXPECT_FALSE(fs::exists(file("never.png")));
  // The frames that did run are still reported.
  std::ifstream in(file("state.json"));
  std::ostringstream json;
  json << in.rdbuf();
  EXPECT_NE(json.str().find("\"PlayerDying\": true"), std::string::npos);
}

TEST_F(TqrunProgram, TheFirstLevelsPipeLeadsToItsCoinRoom) {
  const Result r = run("--game " + stage() + " --level " + stage() + "/levels/1-1.tql --frames 420 --keys " +
                       std::string(TQ_SOURCE_DIR) + "/tests/level_runs/coin_room.keys --state " + file("state.json"));
  ASSERT_EQ(r.exitCode, 0) << r.err;
  std::ifstream in(file("state.json"));
  std::ostringstream json;
  json << in.rdbuf();
  // The coin room's pipe stands at column 102 of the level: the player ends
  // standing on top of it, alive, in the same level.
  const std::string last = json.str().substr(json.str().find("{\"frame\": 420, "));
  EXPECT_NE(last.find("\"x\": 1642, \"y\": 128, "), std::string::npos) << last;
  EXPECT_NE(last.find("\"PlayerDying\": false"), std::string::npos) << last;
}

}  // namespace
