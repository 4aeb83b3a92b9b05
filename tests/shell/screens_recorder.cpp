#include "screens_recorder.h"

#include <algorithm>

#include "game/Game/level_events.h"
#include "game/Game/level_state.h"
#include "game/frmMain/frmMain.h"
#include "game/frmMain/pending_screens.h"

std::vector<std::string> ScreenCalls;
int KillPlayerCalls = 0;
int TitlePhase = -1;
TWorldMapState WorldMap;

namespace {
void record(std::string what) { ScreenCalls.push_back(std::move(what)); }
}  // namespace

void LoadTitleResources() { record("LoadTitleResources"); }
void StartTitleScreen() { record("StartTitleScreen"); }
void ReturnToTitle() { record("ReturnToTitle"); }
void TitleFrame() { record("TitleFrame"); }
void TitleKeyDown(int key) { record("TitleKeyDown " + std::to_string(key)); }
void TitleSpriteMoved(TGKSprite&) { record("TitleSpriteMoved"); }
void WorldMapFrame() { record("WorldMapFrame"); }
void WorldMapKeyDown(int key) { record("WorldMapKeyDown " + std::to_string(key)); }
void WorldMapSpriteMoved(TGKSprite&) { record("WorldMapSpriteMoved"); }
void LevelFrame() { record("LevelFrame"); }
void LevelKeyDown(int key, TShiftState) { record("LevelKeyDown " + std::to_string(key)); }
void LevelKeyUp(int key) { record("LevelKeyUp " + std::to_string(key)); }
void LevelSpriteMoved(TGKSprite&) { record("LevelSpriteMoved"); }
void KillPlayer() {
  ++KillPlayerCalls;
  Level.PlayerDying = true;
}
void FinishDeathSequence() { record("FinishDeathSequence"); }
// As level play's: the node is listed once, which the timer tests read back.
void MarkEnteredNodeEnded() {
  const std::string node = std::to_string(WorldMap.EnteredNode);
  std::vector<std::string>& ended = fmMain->EndedNodes;
  if (std::find(ended.begin(), ended.end(), node) == ended.end()) ended.push_back(node);
}
void FreezeSprites(int first) { record("FreezeSprites " + std::to_string(first)); }
void UnfreezeSprites(int first) { record("UnfreezeSprites " + std::to_string(first)); }
void SaveState() { record("SaveState"); }
void LoadSavedState() { record("LoadSavedState"); }

void TfmMain::BuildTextGlyphs() {}
void TfmMain::DrawBitmapText(int x, int y, const std::string& text) {
  record("Text " + std::to_string(x) + "," + std::to_string(y) + " " + text);
}
void TfmMain::DrawStatusBar() {}
void TfmMain::ShowDust(int, int) {}
void TfmMain::ShowDrops(int, int) {}
void TfmMain::SetPlayerMode(int mode, bool) { GameShell.PlayerMode = mode; }
void TfmMain::ScrollView() {}
void TfmMain::ToggleSecretCode() { record("ToggleSecretCode"); }
