#pragma once
// A key as the game's window delivers it, for what plays the main window
// without one: the level runner and the play tests.
#include "game/frmMain/pending_screens.h"

class TfmMain;

// A key pressed (down) or let go: the key-state table first, which level play
// reads, then the form's key handler.
void DeliverKey(TfmMain& main, int key, bool down, TShiftState shift = 0);
