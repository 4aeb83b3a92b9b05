// Contact cases of the player with hazards, bombs, cannons and ghosts.
#include "game/Game/kind_cases.h"

// Not built yet: these kinds end in the solid rule.
void RegisterHazardCases(TKindCaseTable&) {}
