#pragma once
// Building the level just read (ReadLevelFile) into sprites: the background
// surface, the player (sprite 0), the effect pools (1-38), one sprite per further
// object line with its per-kind set-up, the reset of the play state, the player's
// entry, the first camera position, the music and the first picture.
#include <string>

class TGKBouncer;
class TGKSprite;

void BuildLevel();

// --- The steps of a build, for the code that shares them and for tests.
// One object line (the value of a [Sprites] key) of the given cell; adds the
// plant first when the line asks for one, then the object. A kind that is not a
// level kind still takes its place as a disabled, hidden sprite.
void AddLevelObject(int column, int row, const std::string& line);
// The per-kind set-up of a freshly added object of a known kind.
void SetUpLevelObject(TGKBouncer& object, int kind, const std::string& line);
// The player's entry by EntryMode, EntryPipe and EntryDirection.
void PlaceEnteringPlayer();
// The first camera position for the player's place; every sprite moves by it.
void StartCamera();
