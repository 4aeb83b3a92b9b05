#pragma once
// The contact cases of power-ups, facing objects, pipe plants, cannonball
// cannons, the shelled walker, the jumping plant and the crushing block, and what
// they share. Each case gets the other sprite's index; the player is Level.Player.
#include "game/Game/contact_box.h"
#include "game/Game/kind_cases.h"

// --- Shared by the cases of this group (the tests all cases share are in
// contact_tests.h)
// S touches the player's box taken 3 pixels in at his sides and reaching a
// pixel below his feet (the biting plants and the crushing block).
bool TouchesPlayerBelowFeet(const TGKSprite& s);
// Sets the direction only when it differs.
void TurnTo(TGKSprite& s, int direction);

// --- The cases (cases_powerups.cpp, cases_plants.cpp, cases_crusher.cpp)
TCaseEnd GlidzItem(TPlayerMove& move, int i);           // 38
TCaseEnd MoonItem(TPlayerMove& move, int i);            // 39
TCaseEnd LeafItem(TPlayerMove& move, int i);            // 40
TCaseEnd FacingObject(TPlayerMove& move, int i);        // 41
TCaseEnd VerticalPlant(TPlayerMove& move, int i);       // 42
TCaseEnd HorizontalPlant(TPlayerMove& move, int i);     // 43
TCaseEnd CannonballCannon(TPlayerMove& move, int i);    // 44
TCaseEnd Cannonball(TPlayerMove& move, int i);          // 45
TCaseEnd ShelledWalker(TPlayerMove& move, int i);       // 46
TCaseEnd JumpingPlantAtRest(TPlayerMove& move, int i);  // 47
TCaseEnd JumpingPlantInAir(TPlayerMove& move, int i);   // 48
TCaseEnd CrushingBlock(TPlayerMove& move, int i);       // 49
