// The main window's sound heard through a capture sink on the program's mixer,
// and its music on the headless sequencer driven by a fake clock: effects only
// while PlaySound is on, music only while PlayMusic is on, the audio started
// once, and the end-of-piece rules acting on the real player.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>

#include "components/MIDIPlayer/TMediaPlayer.h"
#include "components/ZEZSnd/TGKAudio.h"
#include "components/gkslib/TGKSoundLib.h"
#include "content/audio/midi_writer.h"
#include "game/Game/level_events.h"
#include "game/Game/level_music.h"
#include "game/Game/level_state.h"
#include "game/Splash/screen_services.h"
#include "game/frmMain/frmMain.h"
#include "game/frmMain/pending_screens.h"
#include "game/frmMain/screen_audio_binding.h"
#include "platform/app/application.h"
#include "platform/app/form.h"
#include "platform/core/clock.h"
#include "platform/core/paths.h"
#include "platform/music/music_device.h"
#include "platform/sound/capture_sink.h"

namespace fs = std::filesystem;

namespace {

constexpr int kSounds = 15;
constexpr double kSoundSeconds = 0.05;

// Sound i holds the constant sample 500 * (i + 1), so its peak names it.
int levelOf(int sound) { return 500 * (sound + 1); }

void writeSoundLibrary(const fs::path& file) {
  TGKSounds sounds;
  const size_t frames = size_t(22050 * kSoundSeconds);
  for (int i = 0; i < kSounds; ++i) {
    std::vector<uint8_t> data;
    for (size_t f = 0; f < frames; ++f) {
      data.push_back(uint8_t(levelOf(i) & 0xFF));
      data.push_back(uint8_t(levelOf(i) >> 8));
    }
    sounds.AddSound(TGKWaveFormat::Pcm(22050, 1, 16), "s" + std::to_string(i), 0, 0, std::move(data));
  }
  fs::create_directories(file.parent_path());
  sounds.SaveToFile(file.string());
}

// 64 sixteenth notes at 120 beats per minute: 8 seconds.
constexpr int kTuneLength = 64;
constexpr uint32_t kTuneMs = 8000;

void writeTune(const fs::path& file) {
  content::midi::Song song(96);
  content::midi::Track& t = song.addTrack("tune");
  t.tempo(0, 120);
  for (uint32_t q = 0; q < kTuneLength / 4; ++q) t.note(q * 96, 90, 0, 60 + int(q % 12), 100);
  song.setEnd(kTuneLength * 24);
  fs::create_directories(file.parent_path());
  song.save(file.string());
}

class MainWindowAudio : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::application().Reset();
    platform::setMusicDeviceFactory({});  // the headless sequencer
    folder_ = fs::temp_directory_path() / ("mainaudio_" + std::to_string(::getpid()) + "_" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    platform::setProgramFolder(folder_.string() + "/");
    writeSoundLibrary(folder_ / "sounds" / "game.sdl");
    for (const char* tune : {"normal 1.mid", "Normal 2.MID", "world 1.mid", "death.mid"})
      writeTune(folder_ / "music" / tune);
    Level = TLevelState{};
    WorldMap = TWorldMapState{};

    // With the default game the window's creation loads the title's resources,
    // the game's sound library among them, before the audio starts.
    std::ofstream(folder_ / "hopz.tqg", std::ios::binary) << "[Options]\r\n";
    fs::create_directories(folder_ / "sprites");
    fs::copy_file(fs::path(TQ_STAGE_DIR) / "sprites" / "splash.iml", folder_ / "sprites" / "splash.iml");

    window_ = std::make_unique<TfmMain>(form_);
    BindScreenAudio(*window_);
    window_->FormCreate();
    form_.activate();
  }
  void TearDown() override {
    UnbindScreenAudio();
    window_.reset();
    platform::application().Reset();
    fs::remove_all(folder_);
  }

  // The peak heard while the sounds played so far run out.
  int heard() {
    sink_.clear();
    sink_.pullSeconds(kSoundSeconds * 2 + 0.01);
    return sink_.peak(0);
  }

  TMediaPlayer& player() { return *window_->MIDIPlayer; }

  fs::path folder_;
  platform::FakeClock clock_{1000};
  platform::ScopedClock clockScope_{clock_};
  platform::HeadlessForm form_;
  std::unique_ptr<TfmMain> window_;
  platform::CaptureSink sink_{platform::defaultMixer()};
};

TEST_F(MainWindowAudio, TheAudioStartsOnceFromTheGameLibraryWithRingsOfCoinAndBrickDuplicates) {
  TfmMain& w = *window_;
  ASSERT_TRUE(w.DXAudio->Started());
  ASSERT_EQ(w.DXAudio->BufferCount(), kSounds);
  EXPECT_EQ(w.DXSounds->GetCount(), 0) << "the buffers hold the samples; the file can be read again";
  const auto coins = w.CoinSounds, bricks = w.BrickSounds;
  for (size_t i = 0; i < coins.size(); ++i) {
    ASSERT_NE(coins[i], nullptr);
    ASSERT_NE(bricks[i], nullptr);
    for (size_t j = 0; j < i; ++j) EXPECT_NE(coins[i], coins[j]);
  }
  TGKSoundBuffer* jump = w.DXAudio->GetSound(SoundJump);
  form_.activate();  // a later activation leaves the running audio as it is
  EXPECT_EQ(w.DXAudio->GetSound(SoundJump), jump);
  EXPECT_EQ(w.CoinSounds, coins);
  EXPECT_EQ(w.BrickSounds, bricks);
}

TEST_F(MainWindowAudio, WithoutTheDefaultGameTheAudioStillStartsFromTheGameLibrary) {
  UnbindScreenAudio();
  window_.reset();
  fs::remove(folder_ / "hopz.tqg");
  window_ = std::make_unique<TfmMain>(form_);
  BindScreenAudio(*window_);
  window_->FormCreate();
  ASSERT_TRUE(window_->GameFileName.empty());
  form_.activate();
  ASSERT_TRUE(window_->DXAudio->Started());
  EXPECT_EQ(window_->DXAudio->BufferCount(), kSounds);
  window_->PlaySoundEffect(SoundCoin);
  EXPECT_EQ(heard(), levelOf(SoundCoin));
}

TEST_F(MainWindowAudio, SoundEffectsAreHeardOnlyWhilePlaySoundIsSet) {
  TfmMain& w = *window_;
  struct Case {
    const char* what;
    std::function<void()> play;
    int peak;
  };
  const Case cases[] = {
      {"an effect", [&] { w.PlaySoundEffect(SoundPause); }, levelOf(SoundPause)},
      {"a screen's effect", [] { PlayScreenSound(SoundMapMove); }, levelOf(SoundMapMove)},
      {"a screen's coin", [] { screenAudio().PlayCoinSound(); }, levelOf(SoundCoin)},
      {"two level coins at once overlap", [] { PlayCoinSound(), PlayCoinSound(); }, 2 * levelOf(SoundCoin)},
      {"a map's brick", [] { screenAudio().PlayBrickSound(); }, levelOf(SoundBrick)},
      {"the same effect twice restarts it", [&] { w.PlaySoundEffect(SoundBump), w.PlaySoundEffect(SoundBump); },
       levelOf(SoundBump)},
      {"an effect the library lacks", [&] { w.PlaySoundEffect(kSounds); }, 0},
  };
  for (bool playSound : {true, false}) {
    GameShell.PlaySound = playSound;
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(c.what) + (playSound ? ", sound on" : ", sound off"));
      c.play();
      EXPECT_EQ(heard(), playSound ? c.peak : 0);
    }
  }
}

TEST_F(MainWindowAudio, MusicStartsOnlyWhilePlayMusicIsSet) {
  for (bool playMusic : {false, true}) {
    SCOPED_TRACE(playMusic ? "music on" : "music off");
    GameShell.PlayMusic = playMusic;
    screenAudio().OpenMusic(GameShell.ExeDir + "music\\world 1.mid", 1);
    EXPECT_EQ(screenAudio().MusicFileName(), GameShell.ExeDir + "music\\world 1.mid");
    EXPECT_EQ(screenAudio().MusicTag(), 1);
    screenAudio().PlayMusic();
    EXPECT_EQ(screenAudio().MusicPlaying(), playMusic);
    clock_.advance(1000);
    EXPECT_EQ(screenAudio().MusicPosition(), playMusic ? 8 : 0);
    screenAudio().StopMusic();
    EXPECT_FALSE(screenAudio().MusicPlaying());

    // Level play's tunes go to the same player under the same rule.
    LevelMusic.Open(GameShell.ExeDir + "music\\normal 1.mid", 1);
    EXPECT_EQ(player().FileName, GameShell.ExeDir + "music\\normal 1.mid");
    LevelMusic.Play();
    EXPECT_EQ(LevelMusic.playing(), playMusic);
    clock_.advance(500);
    EXPECT_EQ(LevelMusic.position(), playMusic ? 4 : 0);
    EXPECT_EQ(LevelMusic.fileName(), player().FileName);
    player().Stop();
  }
}

TEST_F(MainWindowAudio, AnEndedPieceIsPlayedAgainByItsLoopRule) {
  struct Case {
    const char* file;
    int tag;
    bool playMusic;
    bool playsAgain;
    int restartAt;
  };
  const Case cases[] = {
      {"normal 1.mid", 1, true, true, 32},
      {"NORMAL 2.mid", 1, true, true, 32},  // found whatever the case
      {"world 1.mid", 1, true, true, 0},
      {"world 1.mid", 0, true, false, kTuneLength},
      {"normal 1.mid", 1, false, false, 32},  // rewound, but silent while music is off
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.file) + " tag " + std::to_string(c.tag) + (c.playMusic ? "" : ", music off"));
    GameShell.PlayMusic = true;
    screenAudio().OpenMusic(GameShell.ExeDir + "music\\" + c.file, c.tag);
    screenAudio().PlayMusic();
    GameShell.PlayMusic = c.playMusic;
    clock_.advance(kTuneMs + 100);
    player().Poll();  // the window's loop hands on the end of the piece
    EXPECT_EQ(player().GetMode() == mpPlaying, c.playsAgain);
    EXPECT_EQ(player().GetPosition(), c.restartAt);
    if (c.playsAgain) {
      clock_.advance(500);
      EXPECT_EQ(player().GetPosition(), c.restartAt + 4) << "and plays on from there";
    }
    player().Poll();
    EXPECT_FALSE(Level.ReturnToMap);
  }
}

TEST_F(MainWindowAudio, TheEndOfTheDeathTuneLeadsToTheMapOrTheTitle) {
  for (int lives : {2, 0}) {
    SCOPED_TRACE(lives);
    Level.Lives = lives;
    Level.ReturnToMap = false;
    window_->SetScreenState(ssLevel);
    screenAudio().OpenMusic(GameShell.ExeDir + "music\\death.mid", 0);
    screenAudio().PlayMusic();
    clock_.advance(kTuneMs / 2);
    player().Poll();
    EXPECT_FALSE(Level.ReturnToMap) << "not before the tune has ended";
    clock_.advance(kTuneMs);
    player().Poll();
    if (lives > 0) {
      EXPECT_TRUE(Level.ReturnToMap);
      EXPECT_EQ(WorldMap.MapPosition, 13);
      EXPECT_EQ(WorldMap.ShowPlayerTime, int(clock_.tickCount() + 500));
      EXPECT_EQ(window_->ScreenState(), ssLevel);
    } else {
      EXPECT_FALSE(Level.ReturnToMap);
      EXPECT_EQ(window_->ScreenState(), ssTitle) << "game over";
    }
  }
}

TEST_F(MainWindowAudio, AMissingOrBrokenSoundLibraryKeepsTheSoundsAlreadyBuilt) {
  TfmMain& w = *window_;
  std::ofstream(folder_ / "sounds" / "broken.sdl", std::ios::binary) << "SL10";
  for (const char* stored : {"sounds\\none.sdl", "sounds\\broken.sdl"}) {
    SCOPED_TRACE(stored);
    screenAudio().LoadSoundLibrary(GameShell.ExeDir + stored);
    GameShell.PlaySound = true;
    w.PlaySoundEffect(SoundJump);
    EXPECT_EQ(heard(), levelOf(SoundJump));
  }
}

// While the game stands (paused, or its window in the background) the tune
// stands and goes on from where it stood; the pause's own sound is heard; an
// end of the death tune that came just before the pause waits for the resume.
TEST_F(MainWindowAudio, TheTuneStandsWhileTheGameStandsAndGoesOnFromWhereItStood) {
  TfmMain& w = *window_;
  GameShell.PlayMusic = true;
  w.SetScreenState(ssLevel);
  struct Case {
    const char* what;
    std::function<void(bool)> stand;
    int heardAtStand;
  };
  const Case cases[] = {
      {"a pause", [&](bool on) { on ? w.PauseGame() : w.ResumeGame(); }, levelOf(SoundPause)},
      {"the window in the background", [&](bool on) { w.WindowActivated(!on); }, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    heard();  // what the case before left sounding
    screenAudio().OpenMusic(GameShell.ExeDir + "music\\normal 1.mid", 1);
    screenAudio().PlayMusic();
    clock_.advance(1000);
    ASSERT_EQ(player().GetPosition(), 8);
    c.stand(true);
    EXPECT_EQ(heard(), c.heardAtStand);
    clock_.advance(3000);
    EXPECT_EQ(player().GetPosition(), 8);
    EXPECT_NE(player().GetMode(), mpPlaying);
    c.stand(false);
    EXPECT_EQ(player().GetMode(), mpPlaying);
    clock_.advance(500);
    EXPECT_EQ(player().GetPosition(), 12);
    player().Stop();
  }

  Level.Lives = 2;
  screenAudio().OpenMusic(GameShell.ExeDir + "music\\death.mid", 0);
  screenAudio().PlayMusic();
  clock_.advance(kTuneMs + 10);
  w.PauseGame();
  clock_.advance(1000);
  w.PollMusic();
  EXPECT_FALSE(Level.ReturnToMap) << "the end acted under the pause";
  w.ResumeGame();
  w.PollMusic();
  EXPECT_TRUE(Level.ReturnToMap);
}

}  // namespace
