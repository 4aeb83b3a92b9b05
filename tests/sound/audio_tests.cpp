// The audio component: start, buffers from the library, replay, failures and
// the rebuild after lost buffers.
#include <gtest/gtest.h>

#include <filesystem>

#include "components/ZEZSnd/TGKAudio.h"
#include "platform/sound/capture_sink.h"
#include "tests/support/scratch_folder.h"

using namespace platform;

namespace {

// Mono 16-bit sounds at 44100 Hz, one frame per output frame: sound i holds
// `frames[i]` frames of the value 1000 * (i + 1).
TGKSounds makeSounds(const std::vector<int>& frames, int32_t pan = 0, int32_t volume = 0) {
  TGKSounds sounds;
  for (size_t i = 0; i < frames.size(); ++i) {
    std::vector<uint8_t> data(size_t(frames[i]) * 2);
    const int16_t value = int16_t(1000 * (i + 1));
    for (size_t f = 0; f < size_t(frames[i]); ++f) {
      data[2 * f] = uint8_t(value);
      data[2 * f + 1] = uint8_t(value >> 8);
    }
    std::string name = "s";
    name += std::to_string(i);
    sounds.AddSound(TGKWaveFormat::Pcm(44100, 1, 16), name, pan, volume, std::move(data));
  }
  return sounds;
}

std::string expectAudioError(const std::function<void()>& f) {
  try {
    f();
  } catch (const EGKAudio& e) {
    return e.what();
  }
  return "(no error)";
}

class AudioTest : public ::testing::Test {
 protected:
  void SetUp() override { directSoundFaults() = {}; }
  void TearDown() override {
    directSoundFaults() = {};
    std::filesystem::remove(file);
  }
  void saveFile(const TGKSounds& sounds) { sounds.SaveToFile(file.string()); }

  SoundMixer mixer;
  CaptureSink sink{mixer};
  TGKAudio audio{&mixer};
  TGKSoundLib lib;
  std::filesystem::path file = testTempPath("tq_sound_audio.sdl");
};

TEST_F(AudioTest, StartsOnceBuildsOneBufferPerSoundAndFiresOnInitialize) {
  saveFile(makeSounds({100, 200, 300}));
  lib.LoadFromFile(file.string());
  int initialized = 0;
  audio.OnInitialize = [&](TGKAudio& sender) {
    EXPECT_EQ(&sender, &audio);
    ++initialized;
  };
  audio.SetSoundLibrary(&lib);
  EXPECT_FALSE(audio.Started());
  EXPECT_EQ(audio.BufferCount(), 0);

  audio.StartDirectSound();
  EXPECT_EQ(initialized, 1);
  ASSERT_EQ(audio.BufferCount(), 3);
  EXPECT_EQ(audio.DirectSound->cooperativeLevel(), DSSCL_PRIORITY);
  // The library loaded from a file gave up its samples to the buffers.
  EXPECT_EQ(lib.GetCount(), 0);
  TGKSoundBuffer* first = audio.GetSound(0);
  EXPECT_EQ(first->Size, 200);
  EXPECT_EQ(first->Channels, 1);
  EXPECT_EQ(first->BitsPerSample, 16);
  EXPECT_EQ(first->GetFrequency(), 44100);

  // Every later activation finds the audio started: same buffers, no event.
  audio.StartDirectSound();
  audio.StartDirectSound();
  EXPECT_EQ(initialized, 1);
  EXPECT_EQ(audio.GetSound(0), first);
  first->Replay();
  sink.pull(250);
  EXPECT_EQ(sink.audibleFrames(), 100u);
}

TEST_F(AudioTest, WithoutALibraryThereAreNoBuffersAndNoInitialize) {
  bool initialized = false;
  audio.OnInitialize = [&](TGKAudio&) { initialized = true; };
  audio.Loaded(false);  // no screen on the owner: starts at once
  EXPECT_TRUE(audio.Started());
  EXPECT_FALSE(initialized);
  EXPECT_EQ(expectAudioError([&] { audio.GetSound(0); }), "A library must be assigned to SoundLibrary");

  TGKSoundLib empty;
  audio.SetSoundLibrary(&empty);
  EXPECT_EQ(audio.BufferCount(), 0);

  // A library attached after the start is built at once; one given its
  // contents directly keeps its samples.
  lib.SetSounds(makeSounds({10, 20}));
  audio.SetSoundLibrary(&lib);
  EXPECT_EQ(audio.BufferCount(), 2);
  EXPECT_EQ(lib.GetCount(), 2);
  EXPECT_FALSE(initialized);
}

TEST_F(AudioTest, WithAScreenTheAudioWaitsForTheScreensStart) {
  audio.Loaded(true);
  EXPECT_FALSE(audio.Started());
}

TEST_F(AudioTest, GetSoundOutsideTheBuffersRaises) {
  lib.SetSounds(makeSounds({10, 20}));
  audio.SetSoundLibrary(&lib);
  audio.StartDirectSound();
  for (int index : {-1, 2}) {
    EXPECT_EQ(expectAudioError([&] { audio.GetSound(index); }),
              "TGKAudio: sound " + std::to_string(index) + " does not exist (2 sounds)");
  }
}

TEST_F(AudioTest, ReplayRestartsAPlayingSoundAndEntriesGiveVolumeAndPan) {
  // Sound 0 of 1000 frames: pan fully right, 6 dB down.
  lib.SetSounds(makeSounds({1000}, 10000, -600));
  audio.SetSoundLibrary(&lib);
  audio.StartDirectSound();
  TGKSoundBuffer* sound = audio.GetSound(0);
  sound->Replay();
  sink.pull(600);
  sound->Replay();  // from byte 0 again
  sink.pull(1200);
  EXPECT_EQ(sink.audibleFrames(), 1600u);
  EXPECT_EQ(sink.peak(0), 0);
  EXPECT_NEAR(sink.peak(1), 501, 1);

  // Play on a playing sound goes on; Stop and Play continue.
  sink.clear();
  sound->Replay();
  sink.pull(300);
  sound->Play();
  sink.pull(100);
  sound->Stop();
  sink.pull(100);
  sound->Play();
  sink.pull(1000);
  EXPECT_EQ(sink.audibleFrames(), 1100u);
  EXPECT_EQ(sink.peak(1, 400, 500), 0);
}

TEST_F(AudioTest, DuplicatesOverlapTheirOriginal) {
  lib.SetSounds(makeSounds({100, 100}));
  audio.SetSoundLibrary(&lib);
  audio.StartDirectSound();
  TGKSoundBuffer* a = audio.DuplicateSound(1);
  TGKSoundBuffer* b = audio.DuplicateSound(1);
  EXPECT_NE(a, b);
  EXPECT_EQ(a->Size, 200);
  audio.GetSound(1)->Replay();
  a->Replay();
  b->Replay();
  sink.pull(10);
  EXPECT_EQ(sink.left(5), 6000);
  EXPECT_EQ(audio.BufferCount(), 2);
}

TEST_F(AudioTest, AFailureWhileBuildingLeavesNoBuffersAndTheLibraryWhole) {
  // The third buffer cannot be made.
  saveFile(makeSounds({10, 10, 10, 10}));
  lib.LoadFromFile(file.string());
  audio.SetSoundLibrary(&lib);
  directSoundFaults().secondaryBuffer = DSERR_OUTOFMEMORY;
  directSoundFaults().secondaryBufferAfter = 2;
  EXPECT_EQ(expectAudioError([&] { audio.StartDirectSound(); }), "CreateSoundBuffer Failed");
  EXPECT_EQ(audio.BufferCount(), 0);
  EXPECT_EQ(lib.GetCount(), 4);  // not emptied: nothing holds the sounds

  // (A volume or pan out of the audio's range never gets this far: the sound
  // library refuses it when it is read or added.)
  directSoundFaults() = {};
  lib.SetSounds(makeSounds({10}));
  directSoundFaults().lock = DSERR_GENERIC;
  EXPECT_EQ(expectAudioError([&] { audio.CreateBuffers(); }), "DirectSoundSurface Lock Failed");
  EXPECT_EQ(audio.BufferCount(), 0);
}

TEST_F(AudioTest, StartFailuresRaiseTheirTexts) {
  struct Case {
    HRESULT DirectSoundFaults::*fault;
    const char* message;
  } cases[] = {
      {&DirectSoundFaults::create, "Failed to Create DirectSound"},
      {&DirectSoundFaults::cooperativeLevel, "Failed to set directsound copoperative level"},
      {&DirectSoundFaults::primaryBuffer, "Failed to set directsound copoperative level"},
  };
  for (const Case& c : cases) {
    directSoundFaults() = {};
    directSoundFaults().*c.fault = DSERR_NODRIVER;
    TGKAudio other(&mixer);
    EXPECT_EQ(expectAudioError([&] { other.StartDirectSound(); }), c.message);
    EXPECT_FALSE(other.Started());
  }
}

TEST_F(AudioTest, ALostBufferIsRebuiltFromTheFileAfterTheCallThatFoundIt) {
  saveFile(makeSounds({100, 100}));
  lib.LoadFromFile(file.string());
  audio.SetSoundLibrary(&lib);
  audio.StartDirectSound();
  TGKSoundBuffer* coin = audio.DuplicateSound(1);

  audio.DirectSound->loseBuffers();
  // The library's file now holds longer sounds: the rebuild reads it.
  saveFile(makeSounds({300, 300}));
  audio.GetSound(0)->Replay();  // lost: restored instead, no sound
  EXPECT_TRUE(audio.RestorePending());
  sink.pull(50);
  EXPECT_EQ(sink.peak(0), 0);

  TGKSoundBuffer* jump = audio.GetSound(0);  // the rebuild happens here
  EXPECT_FALSE(audio.RestorePending());
  EXPECT_EQ(jump->Size, 600);
  EXPECT_EQ(lib.GetCount(), 0);
  jump->Replay();
  sink.pull(400);
  EXPECT_EQ(sink.audibleFrames(), 50u + 300u);

  // The duplicate the program holds plays the rebuilt sound.
  sink.clear();
  coin->Replay();
  sink.pull(400);
  EXPECT_EQ(sink.audibleFrames(), 300u);
  EXPECT_EQ(sink.peak(0), 2000);
}

TEST_F(AudioTest, ALostDuplicateAsksForTheRebuildToo) {
  lib.SetSounds(makeSounds({100, 100}));
  audio.SetSoundLibrary(&lib);
  audio.StartDirectSound();
  TGKSoundBuffer* coin = audio.DuplicateSound(1);
  audio.DirectSound->loseBuffers();
  coin->Replay();
  EXPECT_TRUE(audio.RestorePending());
  audio.RunPendingRestore();
  EXPECT_EQ(audio.BufferCount(), 2);  // rebuilt from the samples it kept
  coin->Replay();
  sink.pull(200);
  EXPECT_EQ(sink.audibleFrames(), 100u);
}

TEST_F(AudioTest, TheAudioForgetsALibraryThatIsFreed) {
  auto own = std::make_unique<TGKSoundLib>();
  own->SetSounds(makeSounds({10}));
  audio.SetSoundLibrary(own.get());
  audio.StartDirectSound();
  own.reset();
  EXPECT_EQ(audio.GetSoundLibrary(), nullptr);
  EXPECT_EQ(audio.BufferCount(), 1);  // the buffers keep their sounds
  audio.RestoreBuffers();             // nothing to rebuild from
  EXPECT_EQ(audio.BufferCount(), 0);
}

}  // namespace
