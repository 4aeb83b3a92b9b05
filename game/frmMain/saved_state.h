#pragma once
// The one saved state of the game, "Default.tqs" in the program folder: where the
// player is (title, world map at a node, or a level re-entered from its start) and
// the counters, not the positions of a level's objects. File/Save state writes it
// at once (SaveState); File/Open state has the frame loop call LoadSavedState at
// the end of the next frame. Both are declared with the screens' entry points in
// game/frmMain/pending_screens.h.
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "game/frmMain/pending_screens.h"

namespace platform {
class IniFile;
}

inline constexpr const char* SavedStateFileName = "Default.tqs";

// A saved state that cannot be re-entered: the game goes on as it was.
class ESavedState : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The keys of a saved state. Paths are stored relative to the program folder
// (a bare name for a file that lies in it, as older states hold them) or whole
// when the file lies elsewhere. A counter that is missing keeps the running
// game's value when the state is loaded.
struct TSavedState {
  std::string GameFile, MapFile, LevelFile;
  int Location = 0;  // TScreenState
  std::optional<int> Lives, Coins, Score, PlayerMode;
  std::vector<std::string> EndedNodes;  // node sprite indexes as decimal text
  std::optional<int> LastPosition, WalkDirection;
  std::optional<bool> InitialInfo;
  // A level state's node that its end marks won, when it is not LastPosition
  // (a wandering enemy met away from its home path). Older states lack it.
  std::optional<int> EnteredNode;
};

// The running game's state: the main window's, the world map's and level play's.
TSavedState CaptureSavedState();
// Writes every key in the file's order into an empty ini.
void WriteSavedState(platform::IniFile& ini, const TSavedState& state);
// Reads a state and checks it against what the game can re-enter (exeDir ends
// with a separator): a known screen, counters in range, the game, world and level
// files it names present. Throws ESavedState saying what is wrong.
TSavedState ReadSavedState(const platform::IniFile& ini, const std::string& exeDir);
// Re-enters the state's screen with its counters.
void ApplySavedState(const TSavedState& state);

// The path a stored value names, and the value that stores a path.
std::string SavedStatePath(const std::string& stored, const std::string& exeDir);
std::string SavedStateValue(const std::string& path, const std::string& exeDir);
