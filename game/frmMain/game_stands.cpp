// The game stands while it is paused, its window is not the active one, or one
// of its own menus or dialogs is open: play time stands
// (platform/core/play_clock.h, which keeps the reasons), so do the one-second
// timer and every tick stamp, and so does the tune, which goes on from where it
// stood. Every reason that comes lets go of the keys held.
#include "components/MIDIPlayer/TMediaPlayer.h"
#include "game/frmMain/frmMain.h"
#include "platform/core/keys.h"
#include "platform/core/play_clock.h"

void TfmMain::SetPaused(bool Paused) { SetStanding(platform::StandReason::Paused, Paused); }

bool TfmMain::Paused() const { return platform::playClock().standingFor(platform::StandReason::Paused); }

void TfmMain::WindowActivated(bool Active) { SetStanding(platform::StandReason::InBackground, !Active); }

bool TfmMain::GameStands() const { return platform::playClock().standing(); }

void TfmMain::SetStanding(platform::StandReason reason, bool on) {
  platform::PlayClock& clock = platform::playClock();
  const bool stood = clock.standing();
  // A key let go where the game does not see it (over a menu, in a dialog,
  // in another window) would stay held: none is down once the game stands.
  if (on) platform::keyState().clear();
  clock.setStanding(reason, on);
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
