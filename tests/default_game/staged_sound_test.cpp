// The staged sound library and music as the game plays them: through the sound
// library, the audio component and the music player, heard through a capture sink.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "components/MIDIPlayer/TMediaPlayer.h"
#include "components/ZEZSnd/TGKAudio.h"
#include "components/gkslib/TGKSoundLib.h"
#include "content/audio/effects.h"
#include "content/audio/tunes.h"
#include "platform/fluidsynth/fluid_music_device.h"
#include "platform/sound/capture_sink.h"
#include "tests/default_game/staged_files.h"

namespace {

using platform::kMixRate;

TEST(StagedSounds, GameLibraryGivesFifteenPlayableEffects) {
  TGKSoundLib library;
  library.LoadFromFile(staged("sounds\\game.sdl").string());
  const auto effects = content::sound::synthesizeEffects();
  ASSERT_EQ(library.GetCount(), 15);
  for (int i = 0; i < library.GetCount(); ++i)
    EXPECT_EQ(library.Sounds().GetSound(i).NameText(), effects[size_t(i)].name) << i;

  platform::SoundMixer mixer;
  platform::CaptureSink sink(mixer);
  TGKAudio audio(&mixer);
  audio.SetSoundLibrary(&library);
  audio.StartDirectSound();
  ASSERT_EQ(audio.BufferCount(), 15);
  for (int i = 0; i < audio.BufferCount(); ++i) {
    SCOPED_TRACE(effects[size_t(i)].name);
    const double seconds = double(effects[size_t(i)].samples.size()) / content::sound::kSampleRate;
    sink.clear();
    audio.GetSound(i)->Replay();
    sink.pullSeconds(seconds + 0.1);
    EXPECT_GT(sink.peak(0), 4000);
    EXPECT_EQ(sink.peak(0), sink.peak(1)) << "centred";
    // Played once, not looped: silent once the effect is over.
    const size_t end = size_t(seconds * kMixRate) + 2;
    EXPECT_GT(sink.audibleFrames(), end / 2);
    EXPECT_EQ(sink.peak(0, end), 0);
  }
}

// The music player on a synthesiser that sounds into a mixer of the test's own.
struct StagedMusic : testing::Test {
  platform::SoundMixer mixer;
  platform::CaptureSink sink{mixer};

  std::unique_ptr<TMediaPlayer> openTune(const std::string& file) {
    auto player = std::make_unique<TMediaPlayer>(std::make_unique<platform::FluidMusicDevice>(mixer));
    player->FileName = (stageDir() / file).string();
    EXPECT_TRUE(player->Open()) << file;
    return player;
  }
};

TEST_F(StagedMusic, EveryTuneOpensWithItsWholeLength) {
  for (const auto& tune : content::music::defaultTunes()) {
    SCOPED_TRACE(tune.file);
    auto player = openTune(tune.file);
    EXPECT_EQ(player->GetMode(), mpStopped);
    EXPECT_EQ(player->GetLength(), tune.introSixteenths + tune.bodySixteenths);
  }
}

TEST_F(StagedMusic, NormalTunesPlayOnFromPosition32) {
  for (const char* file : {"music/normal 1.mid", "music/normal 2.mid"}) {
    SCOPED_TRACE(file);
    auto player = openTune(file);
    player->SetPosition(32);
    ASSERT_EQ(player->GetPosition(), 32);
    sink.clear();
    player->Play();
    sink.pullSeconds(1.0);
    EXPECT_EQ(player->GetMode(), mpPlaying);
    EXPECT_GT(player->GetPosition(), 32);
    EXPECT_LT(player->GetPosition(), player->GetLength());
    EXPECT_GT(sink.rms(0), 100.0) << "the body is heard";
    player->Stop();
  }
}

// The music is heard under the effects: every tune, played through to its
// end as the game plays it, sits within 10 dB of the effects' level (the mean
// of their levels in decibels, each effect over its own length), and its peaks
// stay below full scale.
TEST_F(StagedMusic, TunesSitWithinTenDecibelsOfTheEffectsAndDoNotClip) {
  TGKSoundLib library;
  library.LoadFromFile(staged("sounds\\game.sdl").string());
  TGKAudio audio(&mixer);
  audio.SetSoundLibrary(&library);
  audio.StartDirectSound();
  const auto effects = content::sound::synthesizeEffects();
  ASSERT_EQ(audio.BufferCount(), int(effects.size()));
  double decibels = 0.0;
  for (int i = 0; i < audio.BufferCount(); ++i) {
    sink.clear();
    audio.GetSound(i)->Replay();
    sink.pull(effects[size_t(i)].samples.size() * kMixRate / content::sound::kSampleRate);
    decibels += 20.0 * std::log10(sink.rms(0)) / audio.BufferCount();
  }

  for (const auto& tune : content::music::defaultTunes()) {
    SCOPED_TRACE(tune.file);
    auto player = openTune(tune.file);
    sink.clear();
    player->Play();
    while (player->GetMode() == mpPlaying) sink.pullSeconds(0.5);
    const double level = 20.0 * std::log10(std::max(sink.rms(0), sink.rms(1)));
    EXPECT_LE(std::abs(decibels - level), 10.0) << "the effects " << decibels << " dB, the tune " << level << " dB";
    EXPECT_LT(std::max(sink.peak(0), sink.peak(1)), 32767) << "clipped";
  }
}

}  // namespace
