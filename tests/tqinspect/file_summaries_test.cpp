// Runs the staged tqinspect on small fixture files.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <vector>
#include <fstream>
#include <sstream>

#include "components/GKILib/TGKImages.h"
#include "platform/core/bitmap.h"
#include "platform/fluidsynth/fluid_music_device.h"
#include "platform/music/silent_music_device.h"
#include "tests/sound/midi_fixture.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/sound_font.h"

namespace fs = std::filesystem;

namespace {

struct Outcome {
  int exitCode = -1;
  std::string out, err;
};

std::string slurp(const fs::path& p) { return ScratchFolder::read(p); }

class Tqinspect : public testing::Test {
 protected:
  std::string file(const std::string& name, const std::string& bytes) { return scratch_.put(name, bytes); }

  Outcome run(const std::string& args) {
    fs::path out = dir_ / "stdout.txt", err = dir_ / "stderr.txt";
    std::string command = std::string(TQ_STAGE_DIR) + "/tqinspect " + args + " >'" + out.string() + "' 2>'" +
                          err.string() + "'";
    int status = std::system(command.c_str());
    Outcome r;
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.out = slurp(out);
    r.err = slurp(err);
    return r;
  }

  // Exit 1, one line "error: ..." that holds `why`, nothing on stderr (no sanitizer report).
  void expectError(const std::string& path, const std::string& why) {
    Outcome r = run("'" + path + "'");
    EXPECT_EQ(r.exitCode, 1) << path << "\n" << r.out << r.err;
    EXPECT_EQ(r.out.rfind("error: ", 0), 0u) << r.out;
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1) << r.out;
    EXPECT_NE(r.out.find(why), std::string::npos) << "expected \"" << why << "\" in " << r.out;
    EXPECT_EQ(r.err, "") << path;
  }

  ScratchFolder scratch_{"tq_inspect_"};
  const fs::path& dir_ = scratch_.path();
};

const std::string goodLevel =
    "[Options]\r\nAddText=Hola\r\nTime=200\r\nWidth=64\r\nHeight=13\r\nImageLib=sprites\\game.iml\r\n"
    "[Sprites]\r\n0=0,1,\r\n65541=40,1,\r\n65542=40,1,\r\n3=46,1,62\r\n";
const std::string goodWorld = "[Options]\r\nName=WORLD 1\r\nShortName=1\r\n[Sprites]\r\n0=0,1,\r\n5=12,1,level1.tql\r\n";

TEST_F(Tqinspect, SummarizesValidFiles) {
  struct Case {
    const char* name;
    std::string bytes;
    std::vector<std::string> shows;
  };
  platform::Bitmap bmp(5, 3, 8);
  bmp.pixels.assign(15, 7);
  bmp.pixels[0] = 2;
  const Case cases[] = {
      {"a.tql", goodLevel, {"level: ", "time: 200 s", "size: 64 x 13 cells of 16 pixels", "objects: 4",
                            "first object: kind 0 at column 0, row 0", "kinds: 0x1 40x2 46x1"}},
      {"UPPER.TQL", goodLevel, {"level: ", "objects: 4"}},
      {"w.tqw", goodWorld, {"world map: ", "name: WORLD 1", "short name: 1", "size: 20 x 13", "objects: 2"}},
      {"g.tqg", "[Options]\r\nLifes=3\r\nMapFile=maps\\w.tqw\r\n", {"game: ", "lives: 3", "first world map: maps\\w.tqw"}},
      {"new.tqg", "[Options]\r\nLifes=\r\nMapFile=\r\n", {"lives: 5", "first world map: (none)"}},
      {"notes.tql", "[Notes]\r\na=b\r\n" + goodLevel, {"other sections: [Notes]"}},
      // Keys and values as the programs read them: another form of a key, a value in quotes.
      {"hand.tql", "[Options]\r\n[Sprites]\r\n0x10005=0,1,\r\n65542=\"46,1,\"\r\n",
       {"first object: kind 0 at column 5, row 1", "kinds: 0x1 46x1"}},
      {"p.bmp", platform::encodeBmp(bmp), {"bitmap: ", "size: 5 x 3 pixels, 8 bits per pixel", "palette entries used: 2 (2..7)"}},
  };
  for (const Case& c : cases) {
    Outcome r = run("'" + file(c.name, c.bytes) + "'");
    EXPECT_EQ(r.exitCode, 0) << c.name << "\n" << r.out << r.err;
    for (const std::string& s : c.shows) EXPECT_NE(r.out.find(s), std::string::npos) << c.name << " lacks " << s << "\n" << r.out;
    EXPECT_EQ(r.err, "");
  }
}

TEST_F(Tqinspect, RejectsMalformedDocuments) {
  struct Case {
    const char* name;
    std::string bytes;
    const char* why;
  };
  const Case cases[] = {
      {"empty.tql", "", "empty"},
      {"cut.tql", "[Options]\r\nTime=3\r\n[Spri", "line 3: section header without its closing ']'"},
      {"binary.tql", std::string("[Options]\r\nTime=\0\x01\x02", 19), "line 2: binary data"},
      {"junk.tql", "[Options]\r\nthis is not a key\r\n", "line 2: neither a section"},
      {"orphan.tql", "Time=3\r\n[Options]\r\n", "line 1: key line outside any section"},
      {"nokey.tql", "[Options]\r\n=5\r\n", "line 2: key line without a key"},
      {"noopt.tql", "[Sprites]\r\n0=0,1,\r\n", "no [Options] section"},
      {"time.tql", "[Options]\r\nTime=abc\r\n[Sprites]\r\n0=0,1,\r\n", "line 2: Time \"abc\" is not a number"},
      {"width.tql", "[Options]\r\nWidth=0\r\n[Sprites]\r\n0=0,1,\r\n", "line 2: Width 0 is outside 1..65535"},
      {"res.tql", "[Options]\r\nResFactor=-16\r\n[Sprites]\r\n0=0,1,\r\n", "ResFactor -16 is outside"},
      {"fx.tql", "[Options]\r\nPaletteFX=8\r\n[Sprites]\r\n0=0,1,\r\n", "PaletteFX 8 is outside 0..7"},
      {"colour.tql", "[Options]\r\nBgColor=blue\r\n[Sprites]\r\n0=0,1,\r\n", "BgColor \"blue\" is not a number"},
      {"cell.tql", "[Options]\r\n[Sprites]\r\n0=0,1,\r\n1x=40,1,\r\n", "line 4: object key \"1x\" is not a cell number"},
      {"bigcell.tql", "[Options]\r\n[Sprites]\r\n99999999999=40,1,\r\n", "is not a cell number"},
      {"kind.tql", "[Options]\r\n[Sprites]\r\n0=364,1,\r\n", "line 3: object kind \"364\" is not a level kind (0..363)"},
      {"negkind.tql", "[Options]\r\n[Sprites]\r\n0=-1,1,\r\n", "object kind \"-1\""},
      {"nokind.tql", "[Options]\r\n[Sprites]\r\n0=,1,\r\n", "object kind \"\""},
      {"noobj.tql", "[Options]\r\nTime=100\r\n", "no object lines"},
      {"wkind.tqw", "[Options]\r\n[Sprites]\r\n0=100,1,\r\n", "not a world-map kind (0..99)"},
      {"wcut.tqw", "[Opt", "line 1: section header"},
      {"wnoopt.tqw", "[Sprites]\r\n0=0,1,\r\n", "no [Options] section"},
      {"winfo.tqw", "[Options]\r\nInitialInfo=yes\r\n", "InitialInfo \"yes\" is not a number"},
      {"lives.tqg", "[Options]\r\nLifes=many\r\n", "Lifes \"many\" is not a number"},
      {"neglives.tqg", "[Options]\r\nLifes=-2\r\n", "Lifes -2 is outside"},
      {"gnoopt.tqg", "Lifes=3\r\n", "key line outside any section"},
      {"gbin.tqg", std::string("\x89PNG\r\n\x1a\n", 8), "line 2: binary data"},
      {"unknown.xyz", "whatever", "unknown kind of file"},
  };
  for (const Case& c : cases) expectError(file(c.name, c.bytes), c.why);
  expectError((dir_ / "missing.tql").string(), "cannot open");
  fs::create_directories(dir_ / "folder.tql");
  expectError((dir_ / "folder.tql").string(), "a folder, not a file");
}

TEST_F(Tqinspect, RejectsTruncatedAndMalformedBitmaps) {
  platform::Bitmap bmp(4, 4, 8);
  std::string good = platform::encodeBmp(bmp);
  std::string badMagic = good;
  badMagic[0] = 'X';
  const std::pair<std::string, std::string> cases[] = {
      {"", "Not a BMP"}, {good.substr(0, 10), ""}, {good.substr(0, 60), ""}, {good.substr(0, good.size() - 1), ""},
      {badMagic, ""},
  };
  int i = 0;
  for (const auto& [bytes, why] : cases) expectError(file("b" + std::to_string(i++) + ".bmp", bytes), why);
}

std::string imageLibraryBytes() {
  TGKImages lib;
  lib.Palette[1] = {10, 20, 30, 1};
  lib.Palette[2] = {40, 50, 60, 1};
  lib.AddImage(5, 2, "coin", std::vector<uint8_t>(10, 1));
  lib.AddImage(16, 16, "", std::vector<uint8_t>(256, 2));
  std::ostringstream out;
  lib.WriteToStream(out);
  return out.str();
}

void putInt32(std::string& bytes, size_t at, int32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + size_t(i)] = char((uint32_t(value) >> (8 * i)) & 0xFF);
}

TEST_F(Tqinspect, SummarizesAnImageLibrary) {
  std::string good = imageLibraryBytes();
  good[0] = 'i';  // the signature in any case
  Outcome r = run("'" + file("game.iml", good) + "'");
  ASSERT_EQ(r.exitCode, 0) << r.out << r.err;
  for (const char* s : {"image library: ", "images: 2", "palette entries in use: 2 of 256", "0: 5 x 2 \"coin\"",
                        "1: 16 x 16\n"})
    EXPECT_NE(r.out.find(s), std::string::npos) << s << "\n" << r.out;
}

TEST_F(Tqinspect, RejectsTruncatedAndMalformedImageLibraries) {
  const std::string good = imageLibraryBytes();  // header 1036, image 0 at 1036 (20 + 16), image 1 at 1072
  auto with = [&](size_t at, int32_t value) {
    std::string b = good;
    putInt32(b, at, value);
    return b;
  };
  std::string longName = good;
  longName[1036 + 8] = 12;
  const std::pair<std::string, std::string> cases[] = {
      {"", "Not a valid Image Library File"},
      {good.substr(0, 500), "Not a valid Image Library File"},
      {"XL10" + good.substr(4), "Not a valid Image Library File"},
      {with(4, 0), "GemMem Failed for FImages"},
      {with(4, -3), "GemMem Failed for FImages"},
      {with(4, 2000000000), "truncated"},
      {with(1036, 0), "GemMem Failed for ImgHdr.Bits"},
      {with(1036 + 4, -1), "GemMem Failed for ImgHdr.Bits"},
      {with(1036, 0x7FFFFFFF), "truncated"},
      {with(1072 + 4, 100000), "truncated"},
      {longName, "longer than 11"},
      {good.substr(0, 1040), "truncated"},
      {good.substr(0, good.size() - 1), "truncated"},
      {good + "xyz", "3 bytes after the last image"},
  };
  int i = 0;
  for (const auto& [bytes, why] : cases) expectError(file("l" + std::to_string(i++) + ".iml", bytes), why);
}

// One sound record of a sound library: 16-bit mono 22050 Hz unless changed.
struct SoundRecord {
  uint16_t tag = 1, channels = 1;
  uint32_t rate = 22050, avg = 44100;
  uint16_t align = 2, bits = 16;
  std::string name = "jump";
  int32_t pan = 0, volume = 0;
  int32_t size = 8;
  std::string samples = std::string(8, '\x10');
};

std::string soundLibraryBytes(const std::vector<SoundRecord>& sounds, std::optional<int32_t> count = {}) {
  auto u16 = [](std::string& b, uint16_t v) { b += char(v & 0xFF), b += char(v >> 8); };
  auto i32 = [](std::string& b, uint32_t v) {
    for (int i = 0; i < 4; ++i) b += char((v >> (8 * i)) & 0xFF);
  };
  std::string b = "SL10";
  i32(b, uint32_t(count.value_or(int32_t(sounds.size()))));
  for (const SoundRecord& s : sounds) {
    u16(b, s.tag), u16(b, s.channels), i32(b, s.rate), i32(b, s.avg), u16(b, s.align), u16(b, s.bits);
    u16(b, 0), u16(b, 0);
    std::string name(12, '\0');
    name[0] = char(s.name.size());
    name.replace(1, std::min<size_t>(s.name.size(), 11), s.name.substr(0, 11));
    b += name;
    i32(b, uint32_t(s.pan)), i32(b, uint32_t(s.volume)), i32(b, uint32_t(s.size));
    b += s.samples;
  }
  return b;
}

TEST_F(Tqinspect, SummarizesASoundLibrary) {
  SoundRecord stereo;
  stereo.name = "coin";
  stereo.channels = 2, stereo.align = 4, stereo.rate = 11025, stereo.avg = 44100, stereo.pan = -500, stereo.volume = -300;
  stereo.size = 4412, stereo.samples = std::string(4412, 'a');
  std::string bytes = soundLibraryBytes({SoundRecord{}, stereo});
  bytes[0] = 's';
  Outcome r = run("'" + file("game.sdl", bytes) + "'");
  ASSERT_EQ(r.exitCode, 0) << r.out << r.err;
  for (const char* s : {"sound library: ", "sounds: 2", "0: \"jump\" 22050 Hz, 16 bits, mono, 0 ms",
                        "1: \"coin\" 11025 Hz, 16 bits, stereo, 100 ms, pan -500, volume -300"})
    EXPECT_NE(r.out.find(s), std::string::npos) << s << "\n" << r.out;
}

TEST_F(Tqinspect, RejectsTruncatedAndMalformedSoundLibraries) {
  auto one = [](auto change) {
    SoundRecord s;
    change(s);
    return soundLibraryBytes({s});
  };
  const std::string good = soundLibraryBytes({SoundRecord{}, SoundRecord{}});
  const std::pair<std::string, std::string> cases[] = {
      {"", "Not a valid Sound Library File"},
      {"SL1", "Not a valid Sound Library File"},
      {"WAVE" + good.substr(4), "Not a valid Sound Library File"},
      {soundLibraryBytes({}), "GemMem Failed for FSounds"},
      {soundLibraryBytes({SoundRecord{}}, -4), "GemMem Failed for FSounds"},
      {soundLibraryBytes({SoundRecord{}}, 2000000000), "truncated: sound 2 of 2000000000 is incomplete"},
      {one([](SoundRecord& s) { s.size = 0, s.samples = ""; }), "GemMem Failed for Sound.Data"},
      {one([](SoundRecord& s) { s.size = -8; }), "GemMem Failed for Sound.Data"},
      {one([](SoundRecord& s) { s.size = 0x7FFFFFFF; }), "truncated: sound 1 of 1 is incomplete"},
      {good.substr(0, good.size() - 1), "truncated: sound 2 of 2 is incomplete"},
      {good.substr(0, 60), "truncated: sound 2 of 2 is incomplete"},
      {good + "x", "1 bytes after the last sound"},
      {one([](SoundRecord& s) { s.tag = 2; }), "sound 1 of 1 cannot be played: the format tag is 2, not PCM"},
      {one([](SoundRecord& s) { s.channels = 3; }), "3 channels"},
      {one([](SoundRecord& s) { s.bits = 12; }), "12 bits per sample"},
      {one([](SoundRecord& s) { s.rate = 0; }), "sample rate 0 Hz"},
      {one([](SoundRecord& s) { s.align = 1; }), "block align 1 does not match"},
      {one([](SoundRecord& s) { s.avg = 1; }), "sound 1 of 1: bytes per second 1, 44100 expected"},
      {one([](SoundRecord& s) { s.size = 7, s.samples = std::string(7, 'a'); }), "no whole number of frames"},
      {one([](SoundRecord& s) { s.pan = 20000; }), "pan 20000"},
      {one([](SoundRecord& s) { s.volume = 5; }), "volume 5"},
      {one([](SoundRecord& s) { s.name = std::string(11, 'n'); }) .replace(28, 1, 1, char(40)), "name of sound 1 of 1 is longer than 11 characters"},
  };
  int i = 0;
  for (const auto& [bytes, why] : cases) expectError(file("s" + std::to_string(i++) + ".sdl", bytes), why);
}

// A Standard MIDI File of the given tracks (each the events between the track's
// length and its end), with a header of `format`, `tracks` and `division`.
std::string midiBytes(const std::vector<std::string>& tracks, int format = 0, int division = 96,
                      std::optional<int> headerTracks = {}) {
  auto be = [](std::string& b, uint32_t v, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) b += char((v >> (8 * i)) & 0xFF);
  };
  std::string b = "MThd";
  be(b, 6, 4), be(b, uint32_t(format), 2), be(b, uint32_t(headerTracks.value_or(int(tracks.size()))), 2);
  be(b, uint32_t(division), 2);
  for (const std::string& t : tracks) {
    b += "MTrk";
    be(b, uint32_t(t.size()), 4);
    b += t;
  }
  return b;
}
std::string asText(const std::vector<uint8_t>& bytes) { return {bytes.begin(), bytes.end()}; }
std::string ev(std::initializer_list<int> bytes) {
  std::string s;
  for (int v : bytes) s += char(v);
  return s;
}
// Tempo 120 bpm, a piano on channel 1, one quarter note C4, the end of the track.
const std::string tempo120 = ev({0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20});
const std::string oneNote = ev({0x00, 0xC0, 0x00, 0x00, 0x90, 0x3C, 0x64, 0x60, 0x80, 0x3C, 0x00});
const std::string endOfTrack = ev({0x00, 0xFF, 0x2F, 0x00});

TEST_F(Tqinspect, SummarizesAMidiFileInSongPositions) {
  const std::string bytes = midiBytes({tempo120 + ev({0x00, 0xFF, 0x06, 0x04}) + "loop" + oneNote + endOfTrack});
  Outcome r = run("'" + file("tune.mid", bytes) + "'");
  ASSERT_EQ(r.exitCode, 0) << r.out << r.err;
  for (const char* s : {"MIDI file: format 0, 1 tracks, 96 ticks per quarter note",
                        "length: 96 ticks = 4.0 song positions (sixteenths), 0.5 s", "tempo: 120.0 bpm from position 0.0",
                        "marker \"loop\" at position 0.0", "track 1: 1 notes, channel 1 program 0"})
    EXPECT_NE(r.out.find(s), std::string::npos) << s << "\n" << r.out;
  EXPECT_EQ(r.err, "");
}

TEST_F(Tqinspect, RejectsTruncatedAndMalformedMidiFiles) {
  int i = 0;
  for (const soundtest::MidiTestFile& f : soundtest::midiTestFiles())
    if (!f.refusal.empty()) expectError(file("m" + std::to_string(i++) + ".mid", asText(f.bytes)), f.refusal);
}

// The inspector reads MIDI files with the game's reader: of every MIDI file of
// the tests and of the default game it tells what the music devices play.
TEST_F(Tqinspect, TellsOfEveryMidiFileWhatTheMusicDevicesPlay) {
  struct Subject {
    std::string name, path, refusal;
  };
  std::vector<Subject> subjects;
  int i = 0;
  for (const soundtest::MidiTestFile& f : soundtest::midiTestFiles())
    subjects.push_back({f.name, file("a" + std::to_string(i++) + ".mid", asText(f.bytes)), f.refusal});
  size_t gameMusic = 0;
  for (const auto& entry : fs::recursive_directory_iterator(fs::path(TQ_STAGE_DIR) / "music")) {
    if (entry.path().extension() != ".mid") continue;
    subjects.push_back({entry.path().string(), entry.path().string(), ""});
    ++gameMusic;
  }
  EXPECT_GE(gameMusic, 9u);

  platform::SilentMusicDevice silent;
  platform::SoundMixer mixer;
  const bool sounding = soundFontPresent();
  platform::FluidMusicDevice fluid(mixer);
  for (const Subject& s : subjects) {
    SCOPED_TRACE(s.name);
    const Outcome r = run("'" + s.path + "'");
    const bool plays = silent.open(s.path);
    EXPECT_EQ(plays, s.refusal.empty());
    EXPECT_EQ(r.exitCode, plays ? 0 : 1) << r.out;
    if (sounding) {
      EXPECT_EQ(fluid.open(s.path), plays);
      EXPECT_EQ(fluid.length(), silent.length());
    }
    if (!plays) {
      EXPECT_NE(r.out.find(s.refusal), std::string::npos) << r.out;
      continue;
    }
    // "... 96 ticks per quarter note" and "length: 384 ticks = ...": the song
    // positions of the end, as the devices count them.
    long division = 0, ticks = 0;
    ASSERT_EQ(std::sscanf(r.out.c_str(), "MIDI file: format %*d, %*d tracks, %ld ticks", &division), 1) << r.out;
    const size_t length = r.out.find("length: ");
    ASSERT_NE(length, std::string::npos) << r.out;
    ASSERT_EQ(std::sscanf(r.out.c_str() + length, "length: %ld ticks", &ticks), 1) << r.out;
    EXPECT_EQ(ticks * 4 / division, silent.length()) << r.out;
    if (s.name.starts_with("running status across")) {
      EXPECT_NE(r.out.find("track 1: 2 notes"), std::string::npos) << r.out;
    }
  }
}

TEST_F(Tqinspect, ResaveWritesTheEditorsForm) {
  std::string in = file("in.tql", "[Notas]\r\nautor=yo\r\n[Options]\r\nTime=120\r\nWidth=30\r\n[Sprites]\r\n0=0,1,\r\n"
                                  "65541=40,1,\r\n65541=41,1\r\n");
  std::string out = (dir_ / "out.tql").string();
  Outcome r = run("--resave '" + in + "' '" + out + "'");
  ASSERT_EQ(r.exitCode, 0) << r.out << r.err;
  std::string written = slurp(out);
  // The copy carries the file's own other sections.
  EXPECT_EQ(written.rfind("[Notas]\r\nautor=yo\r\n[Options]\r\nAddText=\r\nTime=120\r\n", 0), 0u) << written;
  EXPECT_NE(written.find("Width=30\r\nHeight=13\r\n"), std::string::npos);
  // The game builds a sprite of each of two lines for one cell: both stay.
  EXPECT_NE(written.find("[Sprites]\r\n0=0,1,\r\n65541=40,1,\r\n65541=41,1\r\n"), std::string::npos) << written;

  std::string game = file("g.tqg", "[Options]\nLifes=4\nMapFile=a.tqw");
  ASSERT_EQ(run("--resave '" + game + "' '" + (dir_ / "h.tqg").string() + "'").exitCode, 0);
  EXPECT_EQ(slurp(dir_ / "h.tqg"), "[Options]\r\nLifes=4\r\nMapFile=a.tqw\r\n");
}

// The copy is the file named: one whose name differs only in letter case is another level.
TEST_F(Tqinspect, ResaveWritesTheNameAsTypedBesideAFileThatDiffersInCase) {
  const std::string in = file("in.tql", goodLevel);
  const std::string theirs = "[Options]\r\nTime=99\r\n[Sprites]\r\n0=0,1,\r\n";
  file("nivel.tql", theirs);
  const std::string out = (dir_ / "Nivel.tql").string();
  Outcome r = run("--resave '" + in + "' '" + out + "'");
  ASSERT_EQ(r.exitCode, 0) << r.out << r.err;
  EXPECT_EQ(r.out, "wrote " + out + "\n");
  EXPECT_EQ(slurp(dir_ / "nivel.tql"), theirs);
  EXPECT_EQ(slurp(out).rfind("[Options]\r\n", 0), 0u);
  EXPECT_EQ(slurp(out).find("Time=99"), std::string::npos);
}

TEST_F(Tqinspect, ResaveRefusesWhatItCannotWrite) {
  std::string in = file("in.tql", goodLevel);
  const std::pair<std::string, std::string> cases[] = {
      {"--resave '" + in + "' '" + (dir_ / "out.txt").string() + "'", "must end in .tql"},
      {"--resave '" + in + "' '" + (dir_ / "out.tqw").string() + "'", "must end in .tql"},
      {"--resave '" + (dir_ / "none.tql").string() + "' '" + (dir_ / "x.tql").string() + "'", "cannot open"},
      {"--resave '" + file("a.txt", "x") + "' '" + (dir_ / "x.tql").string() + "'", "not a level"},
      {"--resave '" + in + "' '" + (dir_ / "no/such/x.tql").string() + "'", "Unable to write to"},
  };
  for (const auto& [args, why] : cases) {
    Outcome r = run(args);
    EXPECT_EQ(r.exitCode, 1) << args;
    EXPECT_EQ(r.out.rfind("error: ", 0), 0u) << r.out;
    EXPECT_NE(r.out.find(why), std::string::npos) << r.out;
  }
  EXPECT_FALSE(fs::exists(dir_ / "out.txt"));
}

TEST_F(Tqinspect, UsageErrors) {
  EXPECT_EQ(run("").exitCode, 2);
  EXPECT_EQ(run("a b").exitCode, 2);
  EXPECT_EQ(run("--sheet").exitCode, 2);
}

}  // namespace
