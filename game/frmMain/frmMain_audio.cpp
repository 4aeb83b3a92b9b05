// The main window's sound: the audio component with its library, the MIDI
// player and its end-of-piece rule.
#include "components/MIDIPlayer/TMediaPlayer.h"
#include "components/ZEZ/TGKScreen.h"
#include "components/ZEZSnd/TGKAudio.h"
#include "components/gkslib/TGKSoundLib.h"
#include "game/Game/level_events.h"
#include "game/Game/level_state.h"
#include "game/frmMain/frmMain.h"
#include "game/frmMain/music_rules.h"

namespace {

// The music rules read and drive the window's MIDI player through this.
class TMediaPlayerControl final : public TMusicControl {
 public:
  explicit TMediaPlayerControl(TMediaPlayer& player) : player_(player) {}
  int Tag() const override { return player_.Tag; }
  std::string FileName() const override { return player_.FileName; }
  long Position() const override { return player_.GetPosition(); }
  long Length() const override { return player_.GetLength(); }
  void Seek(long position) override { player_.SetPosition(int(position)); }
  void Rewind() override { player_.Rewind(); }
  void Play() override { player_.Play(); }

 private:
  TMediaPlayer& player_;
};

}  // namespace

void TfmMain::CreateAudio() {
  DXSounds = std::make_shared<TGKSoundLib>();
  DXAudio = std::make_shared<TGKAudio>();
  DXAudio->SetSoundLibrary(DXSounds.get());
  DXAudio->OnInitialize = [this](TGKAudio&) { DXAudioInitialize(); };
  // The screen starts the audio after its own start, at the window's first
  // activation; later activations leave the running audio alone.
  DXScreen->AudioComponents.push_back(DXAudio.get());
  DXAudio->Loaded(true);

  MIDIPlayer = std::make_shared<TMediaPlayer>();
  MIDIPlayer->OnNotify = [this](TMediaPlayer&) { MIDIPlayerNotify(); };
}

void TfmMain::DXAudioInitialize() {
  CoinSounds.fill(nullptr);
  BrickSounds.fill(nullptr);
  // Without the coin and brick sounds the rings stay empty.
  if (DXAudio->BufferCount() <= SoundBrick) return;
  for (size_t i = 0; i < CoinSounds.size(); ++i) {
    CoinSounds[i] = DXAudio->DuplicateSound(SoundCoin);
    BrickSounds[i] = DXAudio->DuplicateSound(SoundBrick);
  }
}

void TfmMain::PlaySoundEffect(int index) {
  if (!GameShell.PlaySound) return;
  // Without the sound (no library, or a library with fewer sounds) nothing is
  // heard, and the frame that asked goes on.
  if (index < 0 || index >= DXAudio->BufferCount()) return;
  DXAudio->GetSound(index)->Replay();
}

void TfmMain::MIDIPlayerNotify() {
  TMediaPlayerControl control(*MIDIPlayer);
  // The end of the death tune: the title when no lives are left, else the map.
  if (handleMusicNotify(control, GameShell.PlayMusic, Level.Lives) != TMusicEndAction::None) FinishDeathSequence();
}
