// Sound library files: reading, writing and the reader's checks.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "components/gkslib/TGKSoundLib.h"
#include "components/gkslib/TGKSounds.h"
#include "tests/support/scratch_folder.h"

namespace {

void put16(std::string& s, uint16_t v) {
  s += char(v & 0xFF);
  s += char(v >> 8);
}
void put32(std::string& s, uint32_t v) {
  put16(s, uint16_t(v));
  put16(s, uint16_t(v >> 16));
}

struct Record {
  uint16_t tag = 1, channels = 1;
  uint32_t rate = 22050, bytesPerSec = 44100;
  uint16_t align = 2, bits = 16, extra = 0, reserved = 0;
  std::string name = "jump";
  uint8_t nameLength = 255;  // 255: the name's own length
  int32_t pan = 0, volume = 0;
  int32_t size = -1;  // -1: the data's size
  std::string data = std::string(8, '\x11');
  std::string nameTail;  // bytes after the name inside its 11 characters
};

std::string record(const Record& r) {
  std::string s;
  put16(s, r.tag);
  put16(s, r.channels);
  put32(s, r.rate);
  put32(s, r.bytesPerSec);
  put16(s, r.align);
  put16(s, r.bits);
  put16(s, r.extra);
  put16(s, r.reserved);
  std::string name(12, '\0');
  name[0] = char(r.nameLength == 255 ? r.name.size() : r.nameLength);
  std::memcpy(name.data() + 1, r.name.data(), std::min<size_t>(11, r.name.size()));
  if (!r.nameTail.empty()) std::memcpy(name.data() + 1 + r.name.size(), r.nameTail.data(), r.nameTail.size());
  s += name;
  put32(s, uint32_t(r.pan));
  put32(s, uint32_t(r.volume));
  put32(s, uint32_t(r.size == -1 ? int32_t(r.data.size()) : r.size));
  return s + r.data;
}

std::string library(const std::vector<Record>& records, const std::string& signature = "SL10", int count = -1) {
  std::string s = signature;
  put32(s, uint32_t(count == -1 ? int(records.size()) : count));
  for (const Record& r : records) s += record(r);
  return s;
}

std::string written(const TGKSounds& sounds) {
  std::ostringstream out;
  sounds.WriteToStream(out);
  return out.str();
}

TGKSounds readOk(const std::string& bytes) {
  TGKSounds sounds;
  std::istringstream in(bytes);
  sounds.ReadFromStream(in);
  return sounds;
}

TEST(SoundLibraryFile, WritingWhatWasReadGivesTheSameBytes) {
  Record odd;
  odd.channels = 2;
  odd.bits = 8;
  odd.align = 2;
  odd.rate = 11025;
  odd.bytesPerSec = 12345;  // kept as read, not recomputed
  odd.extra = 7;
  odd.reserved = 0xBEEF;
  odd.name = "elevenchars";
  odd.pan = -2500;
  odd.volume = -1200;
  odd.data = std::string("\x80\x7f\x00\xff\x01\x02", 6);
  Record shortName;
  shortName.name = "ab";
  shortName.nameTail = "junk";  // unused name bytes are kept too
  const std::string bytes = library({Record{}, odd, shortName}, "sl10");

  const TGKSounds sounds = readOk(bytes);
  ASSERT_EQ(sounds.GetCount(), 3);
  EXPECT_EQ(written(sounds), bytes);
  EXPECT_EQ(sounds.GetSound(1).NameText(), "elevenchars");
  EXPECT_EQ(sounds.GetSound(2).NameText(), "ab");
  EXPECT_EQ(sounds.GetSound(1).Pan, -2500);
  EXPECT_EQ(sounds.GetSound(1).Volume, -1200);
  EXPECT_EQ(sounds.GetSound(1).Format.Reserved, 0xBEEF);
  EXPECT_EQ(sounds.GetSound(1).Size, 6);
}

TEST(SoundLibraryFile, SavedAndLoadedThroughFiles) {
  TGKSounds sounds;
  sounds.AddSound(TGKWaveFormat::Pcm(22050, 1, 16), "coin", 100, -300, {1, 2, 3, 4});
  sounds.AddSound(TGKWaveFormat::Pcm(44100, 2, 8), "brick", 0, 0, {0x80, 0x80});
  const auto path = testTempPath("tq_sound_saved.sdl");
  sounds.SaveToFile(path.string());
  TGKSoundLib lib;
  lib.LoadFromFile(path.string());
  EXPECT_EQ(lib.FileName, path.string());
  ASSERT_EQ(lib.GetCount(), 2);
  EXPECT_EQ(written(lib.Sounds()), written(sounds));
  const TGKSoundEntry& coin = lib.Sounds().GetSound(0);
  EXPECT_EQ(coin.NameText(), "coin");
  EXPECT_EQ(coin.Format, TGKWaveFormat::Pcm(22050, 1, 16));
  EXPECT_EQ(coin.Format.AvgBytesPerSec, 44100u);
  std::filesystem::remove(path);
}

struct BadFile {
  const char* what;
  std::string bytes;
  std::string message;
};

TEST(SoundLibraryFile, MalformedFilesRaiseTheirErrorAndLeaveTheLibraryEmpty) {
  const std::string good = library({Record{}});
  Record zeroSize;
  zeroSize.size = 0;
  zeroSize.data = "";
  Record negativeSize;
  negativeSize.size = -5;
  Record longName;
  longName.name = "abcdefghijk";
  longName.nameLength = 12;
  Record hugeSize;
  hugeSize.size = 0x7FFFFFFF;
  Record threeChannels;
  threeChannels.channels = 3;
  threeChannels.align = 6;
  Record twelveBits;
  twelveBits.bits = 12;
  Record badAlign;
  badAlign.align = 4;
  Record adpcm;
  adpcm.tag = 2;
  Record zeroRate;
  zeroRate.rate = 0;
  Record panFarLeft;
  panFarLeft.pan = -10001;
  Record panFarRight;
  panFarRight.pan = 10001;
  Record loud;
  loud.volume = 1;
  Record belowSilence;
  belowSilence.volume = -10001;

  const std::string truncated = "Sound Library File is truncated: sound 1 of 1 is incomplete";
  const BadFile cases[] = {
      {"wrong signature", "XL10" + good.substr(4), "Not a valid Sound Library File"},
      {"shorter than the header", "SL1", "Not a valid Sound Library File"},
      {"empty file", "", "Not a valid Sound Library File"},
      {"count 0", library({}), "TGKSounds: GemMem Failed for FSounds"},
      {"count negative", library({}, "SL10", -3), "TGKSounds: GemMem Failed for FSounds"},
      {"size 0", library({zeroSize}), "TGKSounds: GemMem Failed for Sound.Data"},
      {"size negative", library({negativeSize}), "TGKSounds: GemMem Failed for Sound.Data"},
      {"head cut short", good.substr(0, 30), truncated},
      {"samples cut short", good.substr(0, good.size() - 1), truncated},
      {"size beyond the file", library({hugeSize}), truncated},
      {"count beyond the file", library({Record{}}, "SL10", 1000000),
       "Sound Library File is truncated: sound 2 of 1000000 is incomplete"},
      {"name length 12", library({longName}),
       "Sound Library File: the name of sound 1 of 1 is longer than 11 characters"},
      {"three channels", library({threeChannels}),
       "Sound Library File: sound 1 of 1 cannot be played: it has 3 channels"},
      {"12 bits", library({twelveBits}),
       "Sound Library File: sound 1 of 1 cannot be played: it has 12 bits per sample"},
      {"block align", library({badAlign}),
       "Sound Library File: sound 1 of 1 cannot be played: its block align 4 does not match its channels and "
       "bits"},
      {"not PCM", library({adpcm}),
       "Sound Library File: sound 1 of 1 cannot be played: the format tag is 2, not PCM (1)"},
      {"rate 0", library({zeroRate}),
       "Sound Library File: sound 1 of 1 cannot be played: its sample rate 0 Hz is outside 100 .. 200000"},
      {"pan left of -10000", library({panFarLeft}),
       "Sound Library File: sound 1 of 1 cannot be played: its pan -10001 is outside -10000 .. 10000"},
      {"pan right of 10000", library({panFarRight}),
       "Sound Library File: sound 1 of 1 cannot be played: its pan 10001 is outside -10000 .. 10000"},
      {"volume above 0", library({loud}),
       "Sound Library File: sound 1 of 1 cannot be played: its volume 1 is outside -10000 .. 0"},
      {"volume below -10000", library({Record{}, belowSilence}),
       "Sound Library File: sound 2 of 2 cannot be played: its volume -10001 is outside -10000 .. 0"},
  };
  for (const BadFile& c : cases) {
    SCOPED_TRACE(c.what);
    TGKSounds sounds = readOk(library({Record{}, Record{}}));
    std::istringstream in(c.bytes);
    try {
      sounds.ReadFromStream(in);
      ADD_FAILURE() << "no error";
    } catch (const EGKSounds& e) {
      EXPECT_EQ(std::string(e.what()), c.message);
    }
    EXPECT_EQ(sounds.GetCount(), 0);
  }
}

TEST(SoundLibraryFile, GetSoundOutsideTheSoundsRaises) {
  const TGKSounds sounds = readOk(library({Record{}}));
  EXPECT_NO_THROW(sounds.GetSound(0));
  for (int index : {-1, 1}) {
    try {
      sounds.GetSound(index);
      ADD_FAILURE() << index;
    } catch (const EGKSounds& e) {
      EXPECT_EQ(std::string(e.what()),
                "TGKSounds: sound index " + std::to_string(index) + " out of range (1 sounds)");
    }
  }
}

TEST(SoundLibraryFile, AssignCopiesEverySoundAndAnEmptySourceEmptiesTheDestination) {
  const TGKSounds source = readOk(library({Record{}, Record{}}, "sL10"));
  TGKSounds dest = readOk(library({Record{}}));
  source.AssignTo(dest);
  EXPECT_EQ(written(dest), written(source));
  TGKSounds empty;
  empty.AssignTo(dest);
  EXPECT_EQ(dest.GetCount(), 0);
}

TEST(SoundLibraryFile, AddSoundRefusesWhatTheFileOrTheAudioCannotHold) {
  TGKSounds sounds;
  EXPECT_THROW(sounds.AddSound(TGKWaveFormat::Pcm(22050, 1, 16), "x", 0, 0, {}), EGKSounds);
  EXPECT_THROW(sounds.AddSound(TGKWaveFormat::Pcm(22050, 1, 16), "twelve chars", 0, 0, {1, 2}), EGKSounds);
  EXPECT_THROW(sounds.AddSound(TGKWaveFormat::Pcm(22050, 4, 16), "x", 0, 0, {1, 2}), EGKSounds);
  EXPECT_THROW(sounds.AddSound(TGKWaveFormat::Pcm(22050, 1, 16), "x", 10001, 0, {1, 2}), EGKSounds);
  EXPECT_THROW(sounds.AddSound(TGKWaveFormat::Pcm(22050, 1, 16), "x", 0, 100, {1, 2}), EGKSounds);
  EXPECT_EQ(sounds.GetCount(), 0);
  // The ends of both ranges are what the audio takes.
  sounds.AddSound(TGKWaveFormat::Pcm(22050, 1, 16), "x", -10000, -10000, {1, 2});
  sounds.AddSound(TGKWaveFormat::Pcm(22050, 1, 16), "y", 10000, 0, {1, 2});
  EXPECT_EQ(sounds.GetCount(), 2);
}

TEST(SoundLibraryComponent, FileNameIsKeptOnlyForASuccessfulLoad) {
  const auto good = testTempPath("tq_sound_good.sdl");
  const auto bad = testTempPath("tq_sound_bad.sdl");
  std::ofstream(good, std::ios::binary) << library({Record{}, Record{}, Record{}});
  std::ofstream(bad, std::ios::binary) << "nonsense";

  TGKSoundLib lib;
  EXPECT_FALSE(lib.HasFileName());
  try {
    lib.ReloadFromFile();
    ADD_FAILURE();
  } catch (const EGKSounds& e) {
    EXPECT_EQ(std::string(e.what()), "LoadFromFile must be called first");
  }
  lib.LoadFromFile(good.string());
  EXPECT_EQ(lib.GetCount(), 3);
  lib.Sounds().Clear();
  lib.ReloadFromFile();
  EXPECT_EQ(lib.GetCount(), 3);
  EXPECT_THROW(lib.LoadFromFile(bad.string()), EGKSounds);
  EXPECT_FALSE(lib.HasFileName());
  EXPECT_EQ(lib.GetCount(), 0);
  EXPECT_THROW(lib.LoadFromFile((good.parent_path() / "tq_sound_missing.sdl").string()), EGKSounds);

  // Contents given directly have no file name.
  TGKSoundLib other;
  other.SetSounds(readOk(library({Record{}})));
  EXPECT_EQ(other.GetCount(), 1);
  EXPECT_FALSE(other.HasFileName());
  std::filesystem::remove(good);
  std::filesystem::remove(bad);
}

}  // namespace
