// The game stands while it is paused or its window is not the active one: play
// time stands (platform/core/play_clock.h), so do the one-second timer and every
// tick stamp, and so does the tune, which goes on from where it stood.
#include "components/MIDIPlayer/TMediaPlayer.h"
#include "game/frmMain/frmMain.h"
#include "game/frmMain/shell_state.h"
#include "platform/core/play_clock.h"

void TfmMain::SetPaused(bool Paused) {
  GameShell.Paused = Paused;
  UpdateGameStands();
}

void TfmMain::WindowActivated(bool Active) {
  inBackground_ = !Active;
  UpdateGameStands();
}

void TfmMain::UpdateGameStands() {
  platform::PlayClock& clock = platform::playClock();
  const bool stood = clock.standing();
  clock.setStanding(platform::StandReason::Paused, GameShell.Paused);
  clock.setStanding(platform::StandReason::InBackground, inBackground_);
  if (clock.standing() == stood || !MIDIPlayer) return;
  TMediaPlayer& player = *MIDIPlayer;
  if (clock.standing()) {
    if (player.GetMode() != mpPlaying) return;
    player.Stop();  // the position stays
    stoodTune_ = player.FileName;
    return;
  }
  // Only the tune the stand stopped goes on; one opened meanwhile was started
  // (or not) by whoever opened it.
  if (!stoodTune_.empty() && player.FileName == stoodTune_ && player.GetMode() == mpStopped) player.Play();
  stoodTune_.clear();
}

void TfmMain::PollMusic() {
  // A tune's end acts only while the game goes on: under a pause it waits.
  if (MIDIPlayer && !platform::playClock().standing()) MIDIPlayer->Poll();
}
