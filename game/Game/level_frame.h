#pragma once
// The road into a level and one frame of a running level. LevelFrame and the
// StartLevel / SetLevelPlayArea entry points are declared with the other
// screens' handlers in game/frmMain/pending_screens.h.
#include <string>

#include "game/frmMain/pending_screens.h"

// A level by file name (a saved state): from the map node the player stands on.
void EnterLevel(const std::string& FileName);

// --- Steps of the level frame, for tests.
// The switch tune has ended: switch blocks and coins change back, the level's tune returns.
void CheckSwitchMusicEnd();
// The player fell below the level (twice as far without ScrollLimits): KillPlayer.
void CheckFallingOut();
// Auto-scroll, or the camera following the player.
void UpdateView();
// While the level-end countdown runs: the time left turns into score.
void CountTimeBonus();
// The player comes out of the bottom of the screen or out of a pipe, or travels in one.
void StepPlayerEntry();
// The player has reached the end of a pipe or door: its target level or world.
void FollowPipeTarget();
