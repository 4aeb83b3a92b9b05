#pragma once
// Terrain for the walking objects and the bouncing kinds: water, side walls,
// slopes, landing and falling, sprite against sprite.
struct TPlayerMove;

// Walls, slopes, landing and falls of a walker (or the player's fireball).
void WalkerTerrain(TPlayerMove& move);
// Kinds 55 and 232 lose speed while hopping (55 also finds its ground), kind 163 slows.
void BouncingKinds(TPlayerMove& move);
// Speed / 1.5 rounded to the nearest whole number, halves to even: the climb of
// a slope per move, less one pixel.
int SlopeClimb(double speed);
