#pragma once
// Reading a game file (.tqg, or a single level .tql played as a game) and a
// level file into the level state, and loading the level's libraries and
// animations into the main window's components.
#include <array>
#include <functional>
#include <string>
#include <vector>

class TGKScreen;
class TGKImageLib;
class TGKAnimations;
class TGKStarField;

// The main window's components and fields that a level read fills. A null
// component is left alone (a screen that has not started, tests).
struct TLevelReadTarget {
  std::string ExeDir;  // program folder with a trailing separator
  TGKScreen* Screen = nullptr;
  TGKImageLib* Images = nullptr;  // the level's images, made the screen's library
  // Loads the level's sound library from a stored path; a library that cannot be
  // read leaves the level without sounds.
  std::function<void(const std::string& storedPath)> LoadSoundLibrary;
  TGKAnimations* Animations = nullptr;  // the sprite manager's animations
  TGKStarField* Rain1 = nullptr;
  TGKStarField* Rain2 = nullptr;
  std::vector<std::string>* SpriteKeys = nullptr;  // keys of [Sprites], file order
  int PlayerMode = 0;                              // picks the player's frames
};

// The main window's fields that opening a game sets.
struct TGameShellFields {
  std::array<int, 3>& Cards;
  int& NextCardSlot;
  std::string& RunningGameFile;
  std::string& WorldFileName;
};

// Empties the cards, then reads the game file's lives and first world map for a
// ".tqg" (kept open as Level.GameIni). Any other file gives 5 lives and leaves no
// world file.
void ReadGameOptions(const std::string& GameFileName, const std::string& ExeDir, TGameShellFields shell);

// ReadGameOptions, and for a ".tql" played as a game the level itself, which is
// then its own world file. What follows (clearing the display, reading the world
// file and building the map) is the world map's.
void OpenGameFiles(const std::string& GameFileName, TGameShellFields shell, TLevelReadTarget& target);

// Reads Level.LevelFileName (kept open as Level.LevelIni) into Level.Options,
// loads its image and sound libraries, lists its [Sprites] keys and defines the
// 364 level animations. A missing file or key gives the defaults.
void ReadLevelFile(TLevelReadTarget& target);
