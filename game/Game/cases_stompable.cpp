// Contact cases of the player with stompable enemies and shells.
#include "game/Game/kind_cases.h"

// Not built yet: these kinds end in the solid rule.
void RegisterStompableCases(TKindCaseTable&) {}
