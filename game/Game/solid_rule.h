#pragma once
// The player against a terrain sprite: head bump, side stop, slope climb,
// landing, the platform that carries him, dropping through white panels and the
// walk-off at the end of the level.
#include "game/Game/kind_cases.h"

// The rule for the sprite at index i (1 <= i < Count): Next, or Leave after a
// drop through a white panel.
TCaseEnd SolidContact(TPlayerMove& move, int i);

// The player turns right and walks off at 2 pixels a move with the four-frame
// walk cycle of his mode; the level's full width becomes his right bound.
void StartWalkOff();

// How long Down must be held on a white panel before the player drops through.
constexpr int DropThroughDelayMs = 5000;
