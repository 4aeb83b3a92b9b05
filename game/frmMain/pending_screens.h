#pragma once
// The screens the main window routes frames, keys and sprite events to: the
// title (module Splash), the world map (module Map) and level play (module Game),
// with the title's and the map's variables that the main window reads, and the
// saved state the menu writes and opens (module saved_state). Each is defined by
// its own module; the main-window tests record the calls instead.
#include <string>

#include "game/Map/world_kinds.h"
#include "platform/app/form.h"

class TGKSprite;

using platform::TShiftState;

// Title screen.
void LoadTitleResources();
void StartTitleScreen();
void ReturnToTitle();
void TitleFrame();
void TitleKeyDown(int Key);
void TitleSpriteMoved(TGKSprite& Sprite);

// World map.
void WorldMapFrame();
void WorldMapKeyDown(int Key);
void WorldMapSpriteMoved(TGKSprite& Sprite);

// Level play.
void LevelFrame();
void LevelKeyDown(int Key, TShiftState Shift);
void LevelKeyUp(int Key);
void LevelSpriteMoved(TGKSprite& Sprite);
void KillPlayer();
void FreezeSprites(int First);
void UnfreezeSprites(int First);
// The level named by Level.LevelFileName is read, built and started; the play
// area is the screen less the status bar unless FullScreen.
void StartLevel();
void SetLevelPlayArea();

// Saved state (Default.tqs): written by File/Save state, loaded at the end of
// the frame after File/Open state.
void SaveState();
void LoadSavedState();

// Title phase: 0 or less waiting, 1 curtain rising, 2 menu.
extern int TitlePhase;

// World-map state read and written by the main window and level play.
struct TWorldMapState {
  int MapPosition = MapStartNode;  // node the player stands on
  int LastPosition = -1;      // node chosen last
  int EnteredNode = 0;        // node whose level is being played
  int WalkDirection = -1;     // last step: 0 up, 8 right, 16 down, 24 left
  int EnterNodeTime = -1;     // when Fire1 chose a node, -1 none
  int ShowPlayerTime = -1;    // when the hidden player is shown again, -1 none
  int IntroCardStart = -1;
  bool InitialInfo = true;
  bool WalkAnywhere = false;
  bool EnteredFromMap = false;
  bool OpenLocks = false;     // every lock of the next map counts as won
  int NodeToggle = 0;         // flips on each build; Brid2 nodes alternate with it
  std::string WorldFileName;
  std::string RunningGameFile;  // the game file that was opened last
};
extern TWorldMapState WorldMap;
// How long the map keeps its player hidden after it stands, unless a won node or
// the intro card shows first.
constexpr int ShowPlayerDelayMs = 500;
