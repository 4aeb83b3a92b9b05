// Empty stand-ins for the title, world-map and level screens; each screen's own
// module replaces its part of this file.
#include "game/frmMain/pending_screens.h"

#include "game/frmMain/frmMain.h"

int TitlePhase = -1;
TWorldMapState WorldMap;

void LoadTitleResources() {}
void StartTitleScreen() {}
void ReturnToTitle() {}
void TitleFrame() {}
void TitleKeyDown(int) {}
void TitleSpriteMoved(TGKSprite&) {}

void WorldMapFrame() {}
void WorldMapKeyDown(int) {}
void WorldMapSpriteMoved(TGKSprite&) {}

void LevelFrame() {}
void LevelKeyDown(int, TShiftState) {}
void LevelKeyUp(int) {}
void LevelSpriteMoved(TGKSprite&) {}
void KillPlayer() {}
void FreezeSprites(int) {}
void UnfreezeSprites(int) {}

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

// Secret-code entry (the table of codes comes with the keyboard module).
void TfmMain::ToggleSecretCode() {
  if (!GameShell.SecretCodes) return;
  GameShell.SecretCodeEntry = !GameShell.SecretCodeEntry;
  if (GameShell.SecretCodeEntry) SecretCodeText.clear();
}
