#pragma once
// The title screen: the curtain that rises over the background picture, the
// two-line menu, the options box and the bouncing bullets. The entry points the
// main window routes to are declared in game/frmMain/pending_screens.h.
#include "game/frmMain/pending_screens.h"

// The title's own variables (TitlePhase is shared with the main window's timer).
struct TTitleState {
  int CurtainY = -6;       // y of the curtain picture
  int Cursor = 0;          // 0 "Start", 1 "Options"
  bool OptionsOpen = false;
  int OptionsCursor = 0;   // 0..5: sound, music, status bar, secret codes, stats, back
  // What was loaded since the last title.
  bool TitleLoaded = false;
  bool WorldLoaded = false;
};
extern TTitleState Title;

// Title animations: 0 the jumping figure, 1 the bullets.
constexpr int TitleNumberAnimation = 0;
constexpr int TitleBulletAnimation = 1;
constexpr int TitleBulletCount = 26;

// The curtain's resting place: its lowest 19 px stay visible at the top.
int TitleCurtainRestY();
void SetTitlePlayArea();
void DrawTitleOptions();
// Opens TfmMain.GameFileName and shows its world map (world-map module).
void OpenGame();
