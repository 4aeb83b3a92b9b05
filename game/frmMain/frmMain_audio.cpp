// The main window's sound: the audio component with its library, the MIDI
// player and its end-of-piece rule, and the two rain layers.
#include "game/frmMain/frmMain.h"

void TfmMain::CreateAudio() {}
void TfmMain::DXAudioInitialize() {}
void TfmMain::PlaySoundEffect(int) {}
void TfmMain::MIDIPlayerNotify() {}
