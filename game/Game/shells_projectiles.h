#pragma once
// Shells and the player's fireball moving against the other sprites: a moving
// shell kills what it runs into, bumps bonus blocks, breaks bricks and rebounds
// from walls; a held shell kills what it touches and is lost with it; the
// fireball kills what is not proof against fire. The rules run from the
// sprite-moved handler (ShellAndProjectileRules in sprite_moved.h).
#include "game/Game/kind_sets.h"

extern const TKindSet ShellKinds;
// What a moving or held shell and the fireball kill (the shells among them).
extern const TKindSet ShellVictimKinds;
// Pipe plants: killed while visible, even when disabled inside their pipe.
extern const TKindSet PipePlantKinds;

// Kinds the player's fireball dies against; kind 96 only stops it from the left.
bool Fireproof(int kind, bool movingRight);

// Points for a shell or fireball kill (flat, no combo) and for a held shell that
// is lost with its victim.
constexpr int ShellKillScore = 200;
constexpr int HeldShellKillScore = 400;
