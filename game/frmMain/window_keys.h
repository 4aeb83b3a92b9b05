#pragma once
// The one way a key reaches the main window: the game's window, the level
// runner and the play tests all deliver their keys through it.
#include "platform/app/form.h"

class TfmMain;

// A key pressed (down) or let go: the key-state table first, which level play
// reads, then the form's key handler.
void DeliverKey(TfmMain& main, int key, bool down, platform::TShiftState shift = 0);
