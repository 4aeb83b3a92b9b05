// Contact cases of the player with blocks, items, doors and level-end objects.
#include "game/Game/kind_cases.h"

// Not built yet: these kinds end in the solid rule.
void RegisterBlockItemCases(TKindCaseTable&) {}
