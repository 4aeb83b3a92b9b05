#pragma once
// The player's input in a level beyond what the jumper reads itself (walking
// and jumping): the level keys, the short jump on releasing Fire1, and each
// frame the run key's speeds, fireballs and crouching.
#include "game/frmMain/pending_screens.h"

// LevelKeyDown and LevelKeyUp are declared with the other screens' handlers.

// Each level frame while the player is not entering the level.
void HandlePlayerInput();

// The player fireball (of the two in their pool) that the next throw uses.
extern int NextPlayerFireball;

// Maximum speeds, in pixels per move.
constexpr double WalkMaxSpeed = 2.0;
constexpr double RunMaxSpeed = 4.0;
constexpr double SprintMaxSpeed = 7.0;      // full run meter
constexpr double FlightMaxSpeed = 5.0;      // full run meter, in the air, flight allowed
constexpr double MediumMaxSpeed = 2.0;      // water and quicksand
constexpr int RunMeterFull = 6;
