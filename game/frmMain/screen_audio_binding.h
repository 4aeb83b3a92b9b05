#pragma once
// The sound of the title, the world map (screenAudio()) and level play
// (LevelMusic) played by the main window's audio and MIDI player. The program
// binds it once its main window exists; tests that listen for themselves
// install their own audio instead.
class TfmMain;

void BindScreenAudio(TfmMain& window);
// Back to the default screen audio and no level music (before the window goes away).
void UnbindScreenAudio();
