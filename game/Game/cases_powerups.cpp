// Contact cases of the player with power-ups, plants, cannonball cannons and the crushing block.
#include "game/Game/kind_cases.h"

// Not built yet: these kinds end in the solid rule.
void RegisterPowerUpCases(TKindCaseTable&) {}
