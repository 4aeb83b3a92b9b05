// Contact cases of the player with pipes (side and vertical).
#include "game/Game/kind_cases.h"

// Not built yet: these kinds end in the solid rule.
void RegisterPipeCases(TKindCaseTable&) {}
