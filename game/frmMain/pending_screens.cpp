// Empty stand-ins for the title, world-map and level screens; each screen's own
// module replaces its part of this file.
#include "game/frmMain/pending_screens.h"

#include "game/frmMain/frmMain.h"

void LevelFrame() {}
void LevelKeyDown(int, TShiftState) {}
void LevelKeyUp(int) {}
void LevelSpriteMoved(TGKSprite&) {}
void KillPlayer() {}
void FreezeSprites(int) {}
void UnfreezeSprites(int) {}
void StartLevel() {}
void SetLevelPlayArea() {}

void SaveState() {}
void LoadSavedState() {}

// Status bar and bitmap text, effect rings, player mode and camera.
void TfmMain::BuildTextGlyphs() {}
void TfmMain::DrawBitmapText(int, int, const std::string&) {}
void TfmMain::DrawStatusBar() {}
void TfmMain::ShowDust(int, int) {}
void TfmMain::ShowDrops(int, int) {}
void TfmMain::SetPlayerMode(int Mode, bool) { GameShell.PlayerMode = Mode; }
void TfmMain::ScrollView() {}

