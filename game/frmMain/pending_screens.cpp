// Empty stand-ins for the title, world-map and level screens; each screen's own
// module replaces its part of this file.
#include "game/frmMain/pending_screens.h"

#include "game/frmMain/frmMain.h"

void SaveState() {}
void LoadSavedState() {}

