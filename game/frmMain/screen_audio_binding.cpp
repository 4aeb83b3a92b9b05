#include "game/frmMain/screen_audio_binding.h"

#include <cstdio>

#include "components/MIDIPlayer/TMediaPlayer.h"
#include "components/gkslib/TGKSoundLib.h"
#include "game/Game/level_events.h"
#include "game/Game/level_music.h"
#include "game/Splash/screen_services.h"
#include "game/frmMain/frmMain.h"
#include "game/frmMain/shell_state.h"
#include "platform/core/paths.h"

namespace {

// Opens a file (program-folder path) in the player with its loop tag.
void openMusic(TMediaPlayer& player, const std::string& file, int tag) {
  player.FileName = file;
  player.Tag = tag;
  player.Open();
}

// Every music start is guarded by PlayMusic.
void playMusic(TMediaPlayer& player) {
  if (GameShell.PlayMusic) player.Play();
}

class TMainWindowScreenAudio final : public TScreenAudio {
 public:
  TfmMain* window = nullptr;

  void PlaySound(int effect) override { window->PlaySoundEffect(effect); }
  void PlayCoinSound() override { ::PlayCoinSound(); }
  void PlayBrickSound() override { ::PlayBrickSound(); }

  // The buffers keep the sounds they were built from; the library keeps the
  // file for a rebuild after a lost buffer. A library that cannot be read is
  // reported and the screen goes on with the sounds it has.
  void LoadSoundLibrary(const std::string& storedPath) override {
    try {
      window->DXSounds->LoadFromFile(platform::resolvePath(storedPath).string());
    } catch (const EGKSounds& e) {
      std::fprintf(stderr, "Hopz: %s: %s\n", storedPath.c_str(), e.what());
    }
  }

  void OpenMusic(const std::string& file, int tag) override { openMusic(player(), file, tag); }
  void PlayMusic() override { playMusic(player()); }
  void StopMusic() override { player().Stop(); }
  bool MusicPlaying() const override { return player().GetMode() == mpPlaying; }
  long MusicPosition() const override { return player().GetPosition(); }
  std::string MusicFileName() const override { return player().FileName; }
  int MusicTag() const override { return player().Tag; }

 private:
  TMediaPlayer& player() const { return *window->MIDIPlayer; }
};

TMainWindowScreenAudio binding;

}  // namespace

void BindScreenAudio(TfmMain& window) {
  binding.window = &window;
  setScreenAudio(&binding);
  TMediaPlayer& player = *window.MIDIPlayer;
  LevelMusic.FileName = [&player] { return player.FileName; };
  LevelMusic.Position = [&player] { return long(player.GetPosition()); };
  LevelMusic.Playing = [&player] { return player.GetMode() == mpPlaying; };
  LevelMusic.Open = [&player](const std::string& path, int tag) { openMusic(player, path, tag); };
  LevelMusic.Play = [&player] { playMusic(player); };
}

void UnbindScreenAudio() {
  setScreenAudio(nullptr);
  LevelMusic = TLevelMusic{};
  binding.window = nullptr;
}
