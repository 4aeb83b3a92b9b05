// The music and sound effects of the default game.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <set>

#include "content/audio/effects.h"
#include "content/audio/notation.h"
#include "content/audio/tunes.h"
#include "tests/default_game/staged_files.h"

namespace {

using content::music::defaultTunes;

std::string run(const std::string& command) {
  std::string out;
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  if (!pipe) return out;
  std::array<char, 512> buf;
  while (fgets(buf.data(), buf.size(), pipe.get())) out += buf.data();
  return out;
}

TEST(Notation, ReadsNotesChordsRestsAndRefusesNonsense) {
  const auto groups = content::midi::parseNotation(" C4:2  C#4+Eb4:4 r:1 G9:1 ");
  ASSERT_EQ(groups.size(), 4u);
  EXPECT_EQ(groups[0].keys, std::vector<int>{60});
  EXPECT_EQ(groups[1].keys, (std::vector<int>{61, 63}));
  EXPECT_TRUE(groups[2].keys.empty());
  EXPECT_EQ(groups[3].keys, std::vector<int>{127});
  EXPECT_EQ(content::midi::lengthOf(groups), 8);
  for (const char* bad : {"C4", "H4:2", "B9:1", "C4:0", "C4:-1", "C:2", "C4+:2", "G9:1x", "C#-2:1"})
    EXPECT_THROW(content::midi::parseNotation(bad), std::invalid_argument) << bad;
}

TEST(Tunes, EveryPieceTheGamePlaysByNameIsThere) {
  std::set<std::string> files;
  for (const auto& t : defaultTunes()) files.insert(t.file);
  for (const char* name : {"music/splash.mid", "music/map/world 1.mid", "music/normal 1.mid", "music/normal 2.mid",
                           "music/Levelend.mid", "music/death.mid", "music/casa de hongo.mid"})
    EXPECT_TRUE(files.count(name)) << name;
}

TEST(Tunes, StagedFilesHoldTheirWholeLengthInSongPositions) {
  const std::string tqinspect = (stageDir() / "tqinspect").string();
  for (const auto& tune : defaultTunes()) {
    SCOPED_TRACE(tune.file);
    ASSERT_TRUE(std::filesystem::exists(stageDir() / tune.file));
    const std::string summary = run("'" + tqinspect + "' '" + (stageDir() / tune.file).string() + "'");
    const int positions = tune.introSixteenths + tune.bodySixteenths;
    EXPECT_NE(summary.find("= " + std::to_string(positions) + ".0 song positions"), std::string::npos) << summary;
    EXPECT_EQ(summary.find("error"), std::string::npos) << summary;
  }
}

TEST(Tunes, LoopingAndSwitchPiecesLastLongEnoughForTheGamesPositions) {
  for (const auto& tune : defaultTunes()) {
    const auto name = platform::extractFileName(tune.file);
    if (name == "normal 1.mid" || name == "normal 2.mid") {
      EXPECT_EQ(tune.introSixteenths, 32) << name << ": the game loops it from position 32";
      EXPECT_GT(tune.bodySixteenths, 0) << name;
    } else {
      EXPECT_EQ(tune.introSixteenths, 0) << name << ": every other piece loops from the start";
    }
    if (name == "casa de hongo.mid") {
      EXPECT_GT(tune.bodySixteenths, 63) << "the switch ends at position 63";
    }
  }
}

TEST(Tunes, BuildRefusesAVoiceThatDoesNotFitTheTune) {
  content::music::Tune tune{"x.mid", 120, 0, 16, {{"Lead", 0, 0, 100, 90, 0.9, "", "C4:8"}}};
  EXPECT_THROW(content::music::buildSong(tune), std::logic_error);
  tune.voices[0].body = "C4:8 D4:8";
  const auto bytes = content::music::buildSong(tune).encode();
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "MThd");
}

// Zero crossings per second over a stretch of samples: a rough pitch.
double crossingRate(const std::vector<int16_t>& s, size_t from, size_t to) {
  int crossings = 0;
  for (size_t i = from + 1; i < to; ++i) crossings += (s[i - 1] < 0) != (s[i] < 0);
  return crossings * double(content::sound::kSampleRate) / double(to - from);
}

TEST(Effects, FifteenShortNamedAudibleSounds) {
  const auto effects = content::sound::synthesizeEffects();
  ASSERT_EQ(effects.size(), 15u);
  for (const auto& e : effects) {
    SCOPED_TRACE(e.name);
    EXPECT_FALSE(e.name.empty());
    EXPECT_LE(e.name.size(), 11u) << "the library keeps 11 characters of a name";
    EXPECT_GT(e.samples.size(), size_t(content::sound::kSampleRate / 50));
    EXPECT_LT(e.samples.size(), size_t(content::sound::kSampleRate));  // under a second
    int peak = 0;
    for (int16_t v : e.samples) peak = std::max(peak, std::abs(int(v)));
    EXPECT_GT(peak, 8000);
    EXPECT_LT(std::abs(int(e.samples.back())), 200) << "no click at the end";
  }
  // The looped flight sound starts and ends at rest, so its loop does not click.
  EXPECT_LT(std::abs(int(effects[13].samples.front())), 200);
  // The jump rises, the poison falls.
  const auto& jump = effects[0].samples;
  EXPECT_GT(crossingRate(jump, jump.size() / 2, jump.size() * 3 / 4), crossingRate(jump, 0, jump.size() / 4));
  const auto& poison = effects[7].samples;
  EXPECT_LT(crossingRate(poison, poison.size() / 2, poison.size() * 3 / 4),
            crossingRate(poison, 0, poison.size() / 4));
}

}  // namespace

namespace {

uint32_t le(const std::string& b, size_t at, int bytes) {
  uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | static_cast<uint8_t>(b[at + i]);
  return v;
}

// The staged library checked byte by byte against the file format, independently
// of the reader: 15 PCM sounds in effect order.
TEST(SoundLibrary, StagedLibraryHoldsTheFifteenEffectsInOrder) {
  std::ifstream f(stageDir() / "sounds" / "game.sdl", std::ios::binary);
  ASSERT_TRUE(f) << "sounds/game.sdl is staged";
  const std::string bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
  ASSERT_GE(bytes.size(), 8u);
  EXPECT_EQ(bytes.substr(0, 4), "SL10");
  const auto effects = content::sound::synthesizeEffects();
  ASSERT_EQ(le(bytes, 4, 4), effects.size());
  size_t at = 8;
  for (const auto& e : effects) {
    SCOPED_TRACE(e.name);
    ASSERT_LE(at + 44, bytes.size());
    EXPECT_EQ(le(bytes, at, 2), 1u);        // PCM
    EXPECT_EQ(le(bytes, at + 2, 2), 1u);    // mono
    EXPECT_EQ(le(bytes, at + 4, 4), uint32_t(content::sound::kSampleRate));
    EXPECT_EQ(le(bytes, at + 8, 4), uint32_t(content::sound::kSampleRate * 2));
    EXPECT_EQ(le(bytes, at + 12, 2), 2u);   // block align
    EXPECT_EQ(le(bytes, at + 14, 2), 16u);  // bits
    EXPECT_EQ(bytes.substr(at + 21, static_cast<uint8_t>(bytes[at + 20])), e.name);
    EXPECT_EQ(le(bytes, at + 32, 4), 0u);   // pan centre
    EXPECT_EQ(le(bytes, at + 36, 4), 0u);   // full volume
    const uint32_t size = le(bytes, at + 40, 4);
    ASSERT_EQ(size, e.samples.size() * 2);
    ASSERT_LE(at + 44 + size, bytes.size());
    EXPECT_EQ(0, std::memcmp(bytes.data() + at + 44, e.samples.data(), size));
    at += 44 + size;
  }
  EXPECT_EQ(at, bytes.size()) << "no trailer";
}

}  // namespace
