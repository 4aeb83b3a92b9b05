// MIDI files, the sequencer devices and the media player component.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>
#include <unistd.h>

#include "components/MIDIPlayer/TMediaPlayer.h"
#include "platform/core/clock.h"
#include "platform/core/paths.h"
#include "platform/fluidsynth/fluid_music_device.h"
#include "platform/music/midi_file.h"
#include "platform/music/silent_music_device.h"
#include "platform/sdl/sdl_audio_output.h"
#include "platform/sound/capture_sink.h"
#include "tests/sound/midi_fixture.h"

using namespace platform;
using namespace soundtest;

namespace {

// Sets an environment variable for the lifetime of a scope.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    const char* before = std::getenv(name);
    had_ = before != nullptr;
    if (had_) before_ = before;
    setenv(name, value, 1);
  }
  ~ScopedEnv() {
    if (had_) setenv(name_, before_.c_str(), 1);
    else unsetenv(name_);
  }

 private:
  const char* name_;
  bool had_;
  std::string before_;
};

TEST(MidiFile, TracksMergeByTickAndTheTempoMapTimesThem) {
  // Format 1: a tempo track (120 bpm, then 60 bpm from beat 2) and a note track
  // with running status.
  const auto conductor = trackChunk({tempo(0, 500000), tempo(192, 1000000)}, 192);
  std::vector<uint8_t> notes = trackChunk({{0, {0x91, 60, 90}}, {96, {62, 90}}, {384, {0x81, 60, 0}}}, 384);
  const MidiSong song = parseMidi(midiFile(1, 96, {conductor, notes}));
  EXPECT_EQ(song.format, 1);
  EXPECT_EQ(song.tracks, 2);
  ASSERT_EQ(song.events.size(), 3u);
  EXPECT_EQ(song.events[1].tick, 96u);
  EXPECT_EQ(song.events[1].status, 0x91);  // running status
  EXPECT_EQ(song.events[1].data1, 62);
  EXPECT_EQ(song.endTick, 384u);
  EXPECT_DOUBLE_EQ(song.secondsAt(192), 1.0);
  EXPECT_DOUBLE_EQ(song.secondsAt(384), 3.0);
  EXPECT_DOUBLE_EQ(song.tickAt(2.0), 288.0);
  EXPECT_DOUBLE_EQ(song.ticksPerSixteenth(), 24.0);
}

TEST(MidiFile, EachTestFileIsPlayedOrRefusedWithTheReason) {
  for (const MidiTestFile& f : midiTestFiles()) {
    SCOPED_TRACE(f.name);
    try {
      parseMidi(f.bytes);
      EXPECT_EQ(f.refusal, "") << "accepted";
    } catch (const MidiFileError& e) {
      EXPECT_EQ(std::string(e.what()), f.refusal);
    }
  }
}

// Many files go on with the running status after a meta or system-exclusive
// event; tolerant readers play them, and so does this one.
TEST(MidiFile, RunningStatusGoesOnAcrossMetaAndSystemExclusiveEvents) {
  for (const MidiTestFile& f : midiTestFiles()) {
    if (!f.name.starts_with("running status across")) continue;
    SCOPED_TRACE(f.name);
    const MidiSong song = parseMidi(f.bytes);
    ASSERT_EQ(song.events.size(), 4u);
    for (const MidiEvent& e : song.events) EXPECT_EQ(e.status, 0x90);
    EXPECT_EQ(song.events[1].data1, 0x40);
    EXPECT_EQ(song.events[1].data2, 0x64);
    EXPECT_EQ(song.endTick, 96u);
  }
}

TEST(MidiFile, AFolderIsRefusedAsNotAFile) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path();
  try {
    readMidiFile(folder);
    ADD_FAILURE() << "accepted";
  } catch (const MidiFileError& e) {
    EXPECT_EQ(std::string(e.what()), "not a file: " + folder.string());
  }
}

// The silent device against a fake clock: 120 bpm, a sixteenth every 125 ms.
class SilentMusicTest : public ::testing::Test {
 protected:
  void SetUp() override { file = writeTemp("silent.mid", beatTune(48)); }
  void TearDown() override { std::filesystem::remove(file); }

  FakeClock clock{1000};
  ScopedClock useClock{clock};
  std::filesystem::path file;
};

TEST_F(SilentMusicTest, PositionsAdvanceInSixteenthsAndTheEndIsNoticedOnPoll) {
  TMediaPlayer player(std::make_unique<SilentMusicDevice>());
  player.FileName = file.string();
  player.Tag = 1;
  int notices = 0;
  player.OnNotify = [&](TMediaPlayer& sender) {
    EXPECT_EQ(&sender, &player);
    EXPECT_EQ(sender.GetPosition(), sender.GetLength());
    ++notices;
  };
  ASSERT_TRUE(player.Open());
  EXPECT_EQ(player.GetLength(), 48);
  EXPECT_EQ(player.GetMode(), mpStopped);
  player.Play();
  EXPECT_EQ(player.GetMode(), mpPlaying);
  clock.advance(1000);
  EXPECT_EQ(player.GetPosition(), 8);
  clock.advance(124);
  EXPECT_EQ(player.GetPosition(), 8);
  clock.advance(1);
  EXPECT_EQ(player.GetPosition(), 9);

  player.Stop();
  clock.advance(5000);
  EXPECT_EQ(player.GetPosition(), 9);
  player.SetPosition(32);
  EXPECT_EQ(player.GetPosition(), 32);
  player.Play();
  clock.advance(16 * 125 - 1);
  player.Poll();
  EXPECT_EQ(notices, 0);
  clock.advance(1);
  player.Poll();
  EXPECT_EQ(notices, 1);
  EXPECT_EQ(player.GetMode(), mpStopped);
  player.Poll();
  EXPECT_EQ(notices, 1);  // once per completed play

  // Rewind and play again; a play stopped before the end sends nothing.
  player.Rewind();
  EXPECT_EQ(player.GetPosition(), 0);
  player.Play();
  clock.advance(500);
  player.Stop();
  clock.advance(10000);
  player.Poll();
  EXPECT_EQ(notices, 1);
  EXPECT_EQ(player.Tag, 1);
}

TEST_F(SilentMusicTest, SeekIsClampedAndPlayAtTheEndCompletesAtOnce) {
  TMediaPlayer player(std::make_unique<SilentMusicDevice>());
  player.FileName = file.string();
  ASSERT_TRUE(player.Open());
  player.SetPosition(1000);
  EXPECT_EQ(player.GetPosition(), 48);
  player.SetPosition(-5);
  EXPECT_EQ(player.GetPosition(), 0);
  player.SetPosition(48);
  int notices = 0;
  player.OnNotify = [&](TMediaPlayer&) { ++notices; };
  player.Play();
  player.Poll();
  EXPECT_EQ(notices, 1);
  player.Notify = false;
  player.Rewind();
  player.Play();
  clock.advance(10000);
  player.Poll();
  EXPECT_EQ(notices, 1);
}

TEST_F(SilentMusicTest, AMissingOrBrokenFileFailsTheOpenQuietly) {
  const auto broken = writeTemp("broken.mid", {'M', 'T', 'h', 'd'});
  // A folder opens as a stream and fails only when it is read.
  const std::string folder = std::filesystem::temp_directory_path().string();
  for (const std::string& name : {std::string("/nonexistent/tune.mid"), broken.string(), std::string(), folder}) {
    SCOPED_TRACE(name);
    TMediaPlayer player(std::make_unique<SilentMusicDevice>());
    player.FileName = name;
    EXPECT_FALSE(player.Open());
    EXPECT_FALSE(player.IsOpen());
    EXPECT_EQ(player.GetMode(), mpNotReady);
    player.Play();
    player.SetPosition(3);
    player.Rewind();
    player.Stop();
    EXPECT_EQ(player.GetPosition(), 0);
    EXPECT_EQ(player.GetLength(), 0);
    EXPECT_EQ(player.GetMode(), mpNotReady);
  }
  std::filesystem::remove(broken);
}

TEST_F(SilentMusicTest, StoredPathsAreFoundWithoutRegardToCase) {
  const auto folder = std::filesystem::temp_directory_path() / ("tq_sound_music_" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder / "Music");
  std::filesystem::copy_file(file, folder / "Music" / "Normal 2.MID", std::filesystem::copy_options::overwrite_existing);
  const std::string before = programFolder();
  setProgramFolder(folder.string() + "/");
  TMediaPlayer player(std::make_unique<SilentMusicDevice>());
  player.FileName = "music\\normal 2.mid";
  EXPECT_TRUE(player.Open());
  setProgramFolder(before);
  std::filesystem::remove_all(folder);
}

TEST(MusicDeviceFactory, PlayersGetTheProgramsDevice) {
  int made = 0;
  setMusicDeviceFactory([&] {
    ++made;
    return std::make_unique<SilentMusicDevice>();
  });
  TMediaPlayer player;
  EXPECT_EQ(made, 1);
  setMusicDeviceFactory(nullptr);
  TMediaPlayer silent;
  EXPECT_EQ(made, 1);
}

// FluidSynth rendering into a mixer that the test pulls.
class FluidMusicTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(kDefaultSoundFont)) GTEST_SKIP() << "no SoundFont at " << kDefaultSoundFont;
    file = writeTemp("fluid.mid", beatTune(40));
  }
  void TearDown() override { std::filesystem::remove(file); }

  SoundMixer mixer;
  CaptureSink sink{mixer};
  std::filesystem::path file;
};

TEST_F(FluidMusicTest, TheMusicSoundsAdvancesInSixteenthsSeeksAndEndsWithANotice) {
  TMediaPlayer player(std::make_unique<FluidMusicDevice>(mixer));
  player.FileName = file.string();
  ASSERT_TRUE(player.Open());
  EXPECT_EQ(player.GetLength(), 40);
  const auto mainThread = std::this_thread::get_id();
  int notices = 0;
  player.OnNotify = [&](TMediaPlayer& sender) {
    EXPECT_EQ(std::this_thread::get_id(), mainThread);
    EXPECT_EQ(sender.GetPosition(), 40);
    ++notices;
  };

  player.Play();
  sink.pullSeconds(1.0);
  EXPECT_EQ(player.GetPosition(), 8);
  EXPECT_GT(sink.rms(0), 100.0);  // the piano is heard
  EXPECT_GT(sink.rms(1), 100.0);

  player.SetPosition(32);
  EXPECT_EQ(player.GetPosition(), 32);
  EXPECT_EQ(player.GetMode(), mpStopped);
  sink.pullSeconds(0.5);
  EXPECT_EQ(player.GetPosition(), 32);  // seeking stopped the play

  player.Play();
  sink.pullSeconds(0.5);
  EXPECT_EQ(player.GetPosition(), 36);
  player.Poll();
  EXPECT_EQ(notices, 0);
  // The last note ends with the piece, 8 sixteenths (1 s) after 32.
  sink.pull(size_t(0.5 * kMixRate) - 1);
  player.Poll();
  EXPECT_EQ(notices, 0);
  EXPECT_EQ(player.GetMode(), mpPlaying);
  sink.pull(1);
  EXPECT_EQ(player.GetMode(), mpStopped);
  player.Poll();
  EXPECT_EQ(notices, 1);
}

TEST_F(FluidMusicTest, AMissingSoundFontFailsTheOpenQuietly) {
  TMediaPlayer player(std::make_unique<FluidMusicDevice>(mixer, "/nonexistent/none.sf2"));
  player.FileName = file.string();
  EXPECT_FALSE(player.Open());
  player.Play();
  sink.pullSeconds(0.1);
  EXPECT_EQ(sink.peak(0), 0);
  EXPECT_EQ(player.GetMode(), mpNotReady);
}

TEST_F(FluidMusicTest, AFolderFailsTheOpenQuietly) {
  TMediaPlayer player(std::make_unique<FluidMusicDevice>(mixer));
  player.FileName = std::filesystem::temp_directory_path().string();
  EXPECT_FALSE(player.Open());
  EXPECT_EQ(player.GetMode(), mpNotReady);
}

TEST_F(FluidMusicTest, StopSilencesTheMusicAndKeepsThePosition) {
  TMediaPlayer player(std::make_unique<FluidMusicDevice>(mixer));
  player.FileName = file.string();
  ASSERT_TRUE(player.Open());
  player.Play();
  sink.pullSeconds(0.25);
  player.Stop();
  EXPECT_EQ(player.GetPosition(), 2);
  sink.clear();
  sink.pullSeconds(1.0);
  EXPECT_LT(sink.peak(0, kMixRate / 2), 50);  // the notes were cut off
  EXPECT_EQ(player.GetPosition(), 2);
}

TEST_F(FluidMusicTest, NotesLeftOnAreReleasedAtTheEnd) {
  // A church organ (it sustains for ever) whose note is never switched off.
  const auto hanging = writeTemp("hanging.mid", midiFile(0, 96, {trackChunk({{0, {0xC0, 19}}, {0, {0x90, 60, 100}}}, 96)}));
  TMediaPlayer player(std::make_unique<FluidMusicDevice>(mixer));
  player.FileName = hanging.string();
  ASSERT_TRUE(player.Open());
  player.Play();
  sink.pullSeconds(0.5);
  EXPECT_GT(sink.rms(0), 100.0);
  sink.clear();
  sink.pullSeconds(3.0);
  EXPECT_LT(sink.peak(0, 2 * kMixRate), 50);
  std::filesystem::remove(hanging);
}

// The real device path: SDL's audio thread pulls the mixer (the dummy driver
// in tests); the notice still reaches the thread that polls.
TEST(SdlAudioOutput, FeedsTheMixerFromItsThreadAndTheNoticeArrivesOnTheMainThread) {
  if (!std::filesystem::exists(kDefaultSoundFont)) GTEST_SKIP() << "no SoundFont";
  const auto file = writeTemp("sdl.mid", beatTune(4));  // half a second
  ScopedEnv driver("SDL_AUDIODRIVER", "dummy");
  SoundMixer mixer;
  SdlAudioOutput output(mixer);
  ASSERT_TRUE(output.open());
  TMediaPlayer player(std::make_unique<FluidMusicDevice>(mixer));
  player.FileName = file.string();
  ASSERT_TRUE(player.Open());
  const auto mainThread = std::this_thread::get_id();
  bool noticed = false;
  player.OnNotify = [&](TMediaPlayer&) {
    EXPECT_EQ(std::this_thread::get_id(), mainThread);
    noticed = true;
  };
  player.Play();
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (!noticed && std::chrono::steady_clock::now() < deadline) {
    player.Poll();
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  EXPECT_TRUE(noticed);
  EXPECT_GE(mixer.framesMixed(), uint64_t(kMixRate / 2));
  output.close();
  std::filesystem::remove(file);
}

TEST(SdlAudioOutput, WithoutADeviceTheProgramRunsSilentlyWithOneLineOnStderr) {
  ScopedEnv driver("SDL_AUDIODRIVER", "no-such-driver");
  SoundMixer mixer;
  SdlAudioOutput output(mixer);
  testing::internal::CaptureStderr();
  EXPECT_FALSE(output.open());
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
  EXPECT_EQ(said.rfind("Hopz: no sound", 0), 0u) << said;
  EXPECT_FALSE(output.isOpen());
}

}  // namespace
