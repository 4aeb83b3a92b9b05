// MIDI files, the sequencer devices and the media player component.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <future>
#include <thread>
#include <unistd.h>

#include "components/MIDIPlayer/TMediaPlayer.h"
#include "platform/core/clock.h"
#include "platform/core/paths.h"
#include "platform/fluidsynth/fluid_music_device.h"
#include "platform/fluidsynth/fluid_synth.h"
#include "platform/music/midi_file.h"
#include "platform/music/midi_sequencer.h"
#include "platform/music/silent_music_device.h"
#include "platform/sdl/sdl_audio_output.h"
#include "platform/sound/capture_sink.h"
#include "tests/sound/midi_fixture.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/sound_font.h"
#include "tests/support/stall_inputs.h"

using namespace platform;
using namespace soundtest;

namespace {

std::filesystem::path writeTemp(const std::string& name, const std::vector<uint8_t>& bytes) {
  const auto path = testTempPath("tq_sound_" + name);
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  return path;
}

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

// Counts what the sequencer sends.
struct CountingSynth final : MidiSynth {
  size_t events = 0;
  void midiEvent(const MidiEvent&) override { ++events; }
  void allNotesOff() override {}
  void reset() override {}
};

// A tick of 85,000 note-ons (255 KB): each pull sends at most its budget, the
// rest follows in the next pulls, time never waits for them, and those still
// waiting at the end are dropped.
TEST(MidiSequencer, APullSendsAtMostItsBudgetAndTheRestFollowsLate) {
  MidiSequencer sequencer(parseMidi(stallinputs::oneTickMidi(85000)));
  const size_t total = sequencer.song().events.size();
  ASSERT_EQ(total, 85001u);
  ASSERT_EQ(sequencer.length(), 8);
  CountingSynth synth;
  size_t pulls = 0, rendered = 0;
  while (!sequencer.atEnd()) {
    const size_t before = synth.events;
    EXPECT_EQ(sequencer.advance(441, synth, [&](size_t n) { rendered += n; }), 441u);
    ASSERT_LE(synth.events - before, MidiSequencer::eventBudget(441)) << "pull " << pulls;
    ++pulls;
  }
  EXPECT_EQ(pulls, 100u);  // one second in 10 ms pulls, on time
  EXPECT_EQ(rendered, size_t(kMixRate));
  EXPECT_EQ(synth.events, 100 * MidiSequencer::eventBudget(441));
  EXPECT_EQ(sequencer.position(), 8);

  // Small pulls still get a budget that plays a chord at once.
  MidiSequencer chord(parseMidi(stallinputs::oneTickMidi(100)));
  CountingSynth chordSynth;
  chord.advance(1, chordSynth, [](size_t) {});
  EXPECT_EQ(chordSynth.events, 101u);
}

// Every channel's bank and program, controllers, bend and bend range.
std::vector<int> channelStates(const FluidSynth& synth) {
  std::vector<int> out;
  for (int ch = 0; ch < 16; ++ch) {
    int font = 0, bank = 0, preset = 0, value = 0;
    fluid_synth_get_program(synth.handle(), ch, &font, &bank, &preset);
    out.insert(out.end(), {bank, preset});
    for (int n = 0; n < 128; ++n) {
      fluid_synth_get_cc(synth.handle(), ch, n, &value);
      out.push_back(value);
    }
    fluid_synth_get_pitch_bend(synth.handle(), ch, &value);
    out.push_back(value);
    fluid_synth_get_pitch_wheel_sens(synth.handle(), ch, &value);
    out.push_back(value);
  }
  return out;
}

// What a seek leaves in force is what every earlier event leaves, however the
// controllers depend on each other: a bank chosen before its program, data
// entered for the parameter selected then (and a selection cleared after), a
// reset of all controllers between changes; across the states kept at open.
TEST(MidiSequencer, ASeekLeavesInForceWhatEveryEarlierEventLeaves) {
  TQ_REQUIRE_SOUNDFONT();
  const std::vector<std::vector<uint8_t>> changes = {
      {0xC0, 5}, {0xC0, 7}, {0xE0, 0, 0x50},                                            // channel 0
      {0xB1, 101, 0}, {0xB1, 100, 0}, {0xB1, 6, 12}, {0xB1, 101, 127}, {0xB1, 100, 127},  // bend range 12
      {0xE1, 0x10, 0x70},
      {0xB2, 0, 1}, {0xC2, 24}, {0xB2, 0, 0}, {0xB2, 32, 0},                             // bank before program
      {0xB3, 7, 50}, {0xB3, 11, 60}, {0xB3, 121, 0}, {0xB3, 7, 70}, {0xB3, 1, 20},       // reset of controllers
      {0xB4, 99, 120}, {0xB4, 98, 5}, {0xB4, 6, 64}, {0xB4, 101, 0}, {0xB4, 100, 0}, {0xB4, 6, 2},
      {0xB5, 101, 0}, {0xB5, 100, 0}, {0xB5, 121, 0}, {0xB5, 6, 24},                    // nothing selected
      {0xB6, 101, 0}, {0xB6, 100, 0}, {0xB6, 6, 3}, {0xB6, 6, 9}, {0xB6, 38, 50},
      {0xC9, 16}, {0xB9, 7, 90}, {0xE6, 0x7F, 0x7F}, {0xE6, 0, 0x40},
  };
  // The changes spread over the first 32 sixteenths, each between 2,000
  // changes of expression on channel 7: the states kept at open are crossed.
  std::vector<TrackEvent> events;
  const uint32_t span = 32 * 24;
  for (size_t i = 0; i < changes.size(); ++i) {
    const uint32_t tick = uint32_t(i * span / changes.size());
    events.push_back({tick, changes[i]});
    for (int k = 0; k < 2000; ++k) events.push_back({tick, {0xB7, 11, uint8_t(k % 128)}});
  }
  events.push_back({span, {0x90, 60, 100}});
  const MidiSong song = parseMidi(midiFile(0, 96, {trackChunk(events, span + 96)}));
  MidiSequencer sequencer(song);
  FluidSynth sought, replayed;
  ASSERT_TRUE(sought.load(kDefaultSoundFont));
  ASSERT_TRUE(replayed.load(kDefaultSoundFont));
  for (int position : {0, 3, 9, 17, 25, 31, 32, 36}) {
    SCOPED_TRACE(position);
    sequencer.seek(position, sought);
    replayed.reset();
    for (const MidiEvent& e : song.events)
      if (e.tick < uint32_t(position * 24)) replayed.midiEvent(e);
    EXPECT_EQ(channelStates(sought), channelStates(replayed));
  }
}

// A loop from 32 of a tune whose first tick changes programs 512,000 times
// (1 MB) sends the programs in force, not every change.
TEST(MidiSequencer, ASeekSendsTheStateInForceNotEveryEarlierChange) {
  MidiSequencer sequencer(parseMidi(stallinputs::programChangesMidi(512000)));
  ASSERT_EQ(sequencer.length(), 64);
  CountingSynth synth;
  sequencer.seek(32, synth);
  EXPECT_EQ(synth.events, 16u);  // one program a channel
  synth.events = 0;
  sequencer.seek(0, synth);
  EXPECT_EQ(synth.events, 0u);
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
    TQ_REQUIRE_SOUNDFONT();
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

// The frame never waits for the synthesiser: while a pull holds the render
// lock, the player's poll and what the frame reads answer at once. A tune of
// 85,000 notes on one tick then plays on time and ends with its notice.
TEST_F(FluidMusicTest, TheFrameReadsThePlayerWhileAPullHoldsTheSynthesiser) {
  const auto crowded = writeTemp("one_tick.mid", stallinputs::oneTickMidi(85000));
  auto device = std::make_unique<FluidMusicDevice>(mixer);
  FluidMusicDevice& fluid = *device;
  TMediaPlayer player(std::move(device));
  player.FileName = crowded.string();
  ASSERT_TRUE(player.Open());
  player.Play();
  sink.pull(441);
  int notices = 0;
  player.OnNotify = [&](TMediaPlayer&) { ++notices; };
  {
    auto pull = fluid.lockRender();
    auto frame = std::async(std::launch::async, [&] {
      player.Poll();
      return std::vector<int>{player.GetPosition(), player.GetLength(), int(player.GetMode()), int(player.IsOpen())};
    });
    // A generous limit, only so that a frame that waits fails instead of hanging.
    const bool answered = frame.wait_for(std::chrono::seconds(10)) == std::future_status::ready;
    pull.unlock();
    EXPECT_TRUE(answered) << "the frame waited for the synthesiser";
    EXPECT_EQ(frame.get(), (std::vector<int>{0, 8, int(mpPlaying), 1}));
  }
  for (int i = 2; i < 100; ++i) sink.pull(441);  // 99 pulls of 10 ms
  player.Poll();
  EXPECT_EQ(notices, 0);
  EXPECT_EQ(player.GetPosition(), 7);
  sink.pull(441);
  player.Poll();
  EXPECT_EQ(notices, 1);
  EXPECT_EQ(player.GetPosition(), 8);
  EXPECT_EQ(player.GetMode(), mpStopped);
  std::filesystem::remove(crowded);
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
  TQ_REQUIRE_SOUNDFONT();
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
