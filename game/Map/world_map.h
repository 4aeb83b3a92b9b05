#pragma once
// The world map: reading a world-map file, building its sprites, and playing it
// (walking, entering nodes, the intro card, the stars and the wandering enemies).
// The frame, key and sprite-moved entry points are declared in
// game/frmMain/pending_screens.h; the map's variables are `WorldMap` there.
// The world's [Options] go to Level.Options, the options of the screen on show.
#include <string>

#include "game/frmMain/pending_screens.h"

// Reads WorldFileName (kept open as Level.LevelIni), loads the map's libraries
// and defines the 100 world animations; the screen state becomes the map.
void ReadWorldFile();
// The play area: the whole screen height when FullScreen, else less the status bar.
void SetMapPlayArea();
// Builds the map's sprites from the file read last and shows the map.
void BuildWorldMap();
// Fades out, reads WorldFileName and builds and shows the map.
void LoadWorld();
void OpenWorldFile(const std::string& Path);
// A world to be shown afresh: its intro card again, no won nodes, no enemy
// places, not entered from another map.
void ForgetWorldProgress();
void DrawWorldBackground();
void DrawWorldIntroCard();

// Height of the status-bar picture ("bitmaps\status.bmp"), 0 when missing.
int StatusBarPictureHeight();
