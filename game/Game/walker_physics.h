#pragma once
// Terrain for the walking objects and the bouncing kinds: water, side walls,
// slopes, landing and falling, sprite against sprite.
struct TPlayerMove;
class TGKSprite;

// The upper half of the mover overlaps o, a water sprite.
bool UpperHalfInWater(const TGKSprite& mover, const TGKSprite& o);
// The landing test of a walking object on o, and its placement on o when it
// lands (on the bridge 8 pixels deep, on a slope by the touching pixels). Shells
// land by the same rule.
bool WalkerLands(TGKSprite& w, TGKSprite& o);

// Walls, slopes, landing and falls of a walker (or the player's fireball).
void WalkerTerrain(TPlayerMove& move);
// Kinds 55 and 232 lose speed while hopping (55 also finds its ground), kind 163 slows.
void BouncingKinds(TPlayerMove& move);
// Speed / 1.5 rounded to the nearest whole number, halves to even: the climb of
// a slope per move, less one pixel.
int SlopeClimb(double speed);
