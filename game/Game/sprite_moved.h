#pragma once
// The sprite-moved handler of level play: every bouncer and jumper of a level
// ends its move here. Other sprites get the terrain rules of their kind; the
// player's move runs the world update (activation window, contact with every
// other sprite by kind, the player's physics).
#include <cstdint>

class TGKSprite;
class TGKJumper;
class TGKSpriteMgr;
class TGKScreen;

// The flags of one call, all false at its start; every case sees the same object.
struct TPlayerMove {
  TGKSprite& Sprite;             // the sprite that moved
  bool WalkerStanding = false;   // a walker found ground under it
  bool WalkerInWater = false;    // the walker's upper half overlaps water
  bool PlayerInWater = false;    // set by the water case
  bool Landed = false;           // the solid rule landed the player on a sprite
  bool FlightBlocked = false;    // the last solid examined blocks the flight climb
  bool EnteredQuicksand = false; // set by the sand case
};

void LevelSpriteMoved(TGKSprite& Sprite);

// The activation window for the other sprite o (one step of the player's loop).
void ActivateByWindow(TGKSprite& o);

// --- What the level rules share: the running level's sprites, screen and keys.
TGKSpriteMgr& LevelSprites();
TGKScreen& LevelScreen();
// The key is down (the screen's key test).
bool LevelKeyHeld(uint16_t virtualKey);
// Sound effect of the level's audio, when sounds are on.
void PlayLevelSound(int effect);
// The same, but a sound that is already playing goes on where it is instead of
// starting again (the flight sound, asked for on every move while Fire1 is held).
void ContinueLevelSound(int effect);
// The pixels of a's current frame, placed at (ax, ay), touch those of b's
// current frame at b's position. False when either has no image.
bool FramesTouch(const TGKSprite& a, int ax, int ay, const TGKSprite& b);
// A level position packed as the game packs start points: x in the low word,
// y in the high word.
int32_t MakeLong(int x, int y);
int StartPosX(const TGKSprite& s);
int StartPosY(const TGKSprite& s);

// Steps whose rules live in modules of their own (cases_pipes.cpp,
// shells_projectiles.cpp).
// The player's own checks before the loop: end of pipe travel, run meter, carried object.
void PlayerOwnChecks(TPlayerMove& move);
// Shells and the player's fireball moving against the other sprites.
void ShellAndProjectileRules(TPlayerMove& move);
