#pragma once
// The late kinds' contact cases (cases_late_kinds.cpp) and what they share with
// the water cases (cases_water_late.cpp).
#include "game/Game/kind_cases.h"

class TGKSprite;

// Fills the cases of discs, the flying shelled enemy, the player's fireball,
// moving bases, the boomerang thrower, leaping flames and the cannons of ships
// and shooting pipes.
void RegisterLateKindCases(TKindCaseTable& table);

// A sprite that goes to and fro around its start point slows down once it is
// more than reach pixels past either side, so that it turns and speeds up again.
void PaceAroundStart(TGKSprite& s, int reach);
