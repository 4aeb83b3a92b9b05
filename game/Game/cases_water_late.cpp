// Contact cases of the player with water, ships and late kinds.
#include "game/Game/kind_cases.h"

// Not built yet: these kinds end in the solid rule.
void RegisterWaterLateCases(TKindCaseTable&) {}
