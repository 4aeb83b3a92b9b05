// Contact cases of the player with pipes (side and vertical), and the player's
// own checks before the loop over the other sprites.
#include "game/Game/kind_cases.h"
#include "game/Game/sprite_moved.h"

// Not built yet: pipes end in the solid rule.
void RegisterPipeCases(TKindCaseTable&) {}

// End of pipe travel, run meter and the carried object: not built yet.
void PlayerOwnChecks(TPlayerMove&) {}
