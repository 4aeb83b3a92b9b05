// Shells and the player's fireball against the other sprites: not built yet.
#include "game/Game/sprite_moved.h"

void ShellAndProjectileRules(TPlayerMove&) {}
