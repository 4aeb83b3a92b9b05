#include "game/frmMain/saved_state.h"

#include <algorithm>
#include <limits>

#include "game/Game/level_frame.h"
#include "game/Game/level_reader.h"
#include "game/Game/level_state.h"
#include "game/Map/world_kinds.h"
#include "game/Map/world_map.h"
#include "game/frmMain/frmMain.h"
#include "platform/core/ini_file.h"
#include "platform/core/paths.h"
#include "platform/core/tick_stamp.h"

namespace {

constexpr const char* kGeneral = "General";
constexpr const char* kLevelsEnded = "LevelsEnded";
constexpr const char* kMap = "Map";
// More won nodes than any map holds: a larger count is a damaged file, not a
// list to read key by key.
constexpr int kMaxEndedNodes = 65536;
constexpr int kMaxCoins = 99;  // the hundredth coin turns into a life

std::filesystem::path stateFile(const std::string& exeDir) {
  return platform::resolvePath(exeDir + SavedStateFileName);
}

bool isAbsolute(const std::string& path) { return !path.empty() && (path[0] == '/' || path[0] == '\\'); }

[[noreturn]] void reject(const std::string& what) { throw ESavedState("Invalid saved state: " + what); }

std::optional<int> readCounter(const platform::IniFile& ini, const char* section, const char* key) {
  if (!ini.valueExists(section, key)) return std::nullopt;
  // A value that is no number reads as missing, as any other key of the game's files does.
  constexpr int kUnreadable = std::numeric_limits<int>::min();
  const int value = ini.readInteger(section, key, kUnreadable);
  if (value == kUnreadable) return std::nullopt;
  return value;
}

void checkRange(const std::optional<int>& value, const char* key, int low, int high) {
  if (value && (*value < low || *value > high)) reject(std::string(key) + " " + std::to_string(*value) + " out of range");
}

void checkFile(const std::string& stored, const char* key, const std::string& exeDir) {
  if (stored.empty()) reject(std::string("no ") + key + " file");
  if (!platform::fileExists(SavedStatePath(stored, exeDir))) reject(std::string(key) + " file \"" + stored + "\" not found");
}

// The world-map keys that a map and a level state share.
void restoreMapPosition(const TSavedState& state) {
  fmMain->EndedNodes = state.EndedNodes;
  // Wandering enemies' places belong to the map that was up before.
  fmMain->WanderPositions.clear();
  if (state.LastPosition) WorldMap.LastPosition = *state.LastPosition;
  if (state.InitialInfo) WorldMap.InitialInfo = *state.InitialInfo;
  if (state.WalkDirection) WorldMap.WalkDirection = *state.WalkDirection;
}

}  // namespace

std::string SavedStatePath(const std::string& stored, const std::string& exeDir) {
  if (stored.empty()) return {};
  return isAbsolute(stored) ? stored : exeDir + stored;
}

std::string SavedStateValue(const std::string& path, const std::string& exeDir) {
  if (!exeDir.empty() && path.size() > exeDir.size() && path.compare(0, exeDir.size(), exeDir) == 0)
    return path.substr(exeDir.size());
  return path;
}

TSavedState CaptureSavedState() {
  const std::string& exeDir = GameShell.ExeDir;
  TSavedState s;
  s.GameFile = SavedStateValue(fmMain->GameFileName, exeDir);
  s.MapFile = SavedStateValue(WorldMap.WorldFileName, exeDir);
  s.LevelFile = SavedStateValue(Level.LevelFileName, exeDir);
  s.Location = fmMain->ScreenState();
  s.Lives = Level.Lives;
  s.Coins = Level.Coins;
  s.Score = Level.Score;
  s.PlayerMode = GameShell.PlayerMode;
  s.EndedNodes = fmMain->EndedNodes;
  s.LastPosition = WorldMap.LastPosition == -1 ? WorldMap.MapPosition : WorldMap.LastPosition;
  s.InitialInfo = WorldMap.InitialInfo;
  s.WalkDirection = WorldMap.WalkDirection;
  if (s.Location == ssLevel && WorldMap.EnteredNode >= MapStartNode && WorldMap.EnteredNode != *s.LastPosition)
    s.EnteredNode = WorldMap.EnteredNode;
  return s;
}

void WriteSavedState(platform::IniFile& ini, const TSavedState& s) {
  ini.writeString(kGeneral, "Game", s.GameFile);
  ini.writeString(kGeneral, "Map", s.MapFile);
  ini.writeString(kGeneral, "Level", s.LevelFile);
  ini.writeInteger(kGeneral, "Location", s.Location);
  if (s.Lives) ini.writeInteger(kGeneral, "Lifes", *s.Lives);
  if (s.Coins) ini.writeInteger(kGeneral, "Coins", *s.Coins);
  if (s.Score) ini.writeInteger(kGeneral, "Score", *s.Score);
  if (s.PlayerMode) ini.writeInteger(kGeneral, "PlayerMode", *s.PlayerMode);
  for (size_t i = 0; i < s.EndedNodes.size(); ++i) ini.writeString(kLevelsEnded, std::to_string(i), s.EndedNodes[i]);
  ini.writeInteger(kLevelsEnded, "Count", static_cast<int>(s.EndedNodes.size()));
  if (s.LastPosition) ini.writeInteger(kMap, "LastPosition", *s.LastPosition);
  if (s.InitialInfo) ini.writeBool(kMap, "InitialInfo", *s.InitialInfo);
  if (s.WalkDirection) ini.writeInteger(kMap, "WalkDirection", *s.WalkDirection);
  if (s.EnteredNode) ini.writeInteger(kMap, "EnteredNode", *s.EnteredNode);
}

TSavedState ReadSavedState(const platform::IniFile& ini, const std::string& exeDir) {
  TSavedState s;
  s.GameFile = ini.readString(kGeneral, "Game", "");
  s.MapFile = ini.readString(kGeneral, "Map", "");
  s.LevelFile = ini.readString(kGeneral, "Level", "");
  s.Location = ini.readInteger(kGeneral, "Location", ssTitle);
  s.Lives = readCounter(ini, kGeneral, "Lifes");
  s.Coins = readCounter(ini, kGeneral, "Coins");
  s.Score = readCounter(ini, kGeneral, "Score");
  s.PlayerMode = readCounter(ini, kGeneral, "PlayerMode");
  s.LastPosition = readCounter(ini, kMap, "LastPosition");
  s.WalkDirection = readCounter(ini, kMap, "WalkDirection");
  s.EnteredNode = readCounter(ini, kMap, "EnteredNode");
  if (ini.valueExists(kMap, "InitialInfo")) s.InitialInfo = ini.readBool(kMap, "InitialInfo", true);

  if (s.Location != ssTitle && s.Location != ssWorldMap && s.Location != ssLevel)
    reject("Location " + std::to_string(s.Location) + " is no screen");
  // Play takes the lives under 0 (a game of no lives, the last death), and a
  // state saved then opens again with none left.
  if (s.Lives) s.Lives = LivesFromFile(*s.Lives);
  checkRange(s.Coins, "Coins", 0, kMaxCoins);
  checkRange(s.Score, "Score", 0, std::numeric_limits<int>::max());
  checkRange(s.PlayerMode, "PlayerMode", PlayerSmall, PlayerFire);
  if (s.LastPosition && *s.LastPosition != -1 && *s.LastPosition < MapStartNode)
    reject("LastPosition " + std::to_string(*s.LastPosition) + " is no map node");
  if (s.EnteredNode && *s.EnteredNode < MapStartNode)
    reject("EnteredNode " + std::to_string(*s.EnteredNode) + " is no map node");
  if (s.WalkDirection) {
    constexpr int kDirections[] = {-1, 0, 8, 16, 24};
    if (std::find(std::begin(kDirections), std::end(kDirections), *s.WalkDirection) == std::end(kDirections))
      reject("WalkDirection " + std::to_string(*s.WalkDirection) + " is no direction");
  }
  // A state without a game is the title of no game; a game it names must be there.
  if (!s.GameFile.empty() || s.Location != ssTitle) checkFile(s.GameFile, "Game", exeDir);
  if (s.Location != ssTitle) {
    checkFile(s.MapFile, "Map", exeDir);
    const int count = ini.readInteger(kLevelsEnded, "Count", 0);
    if (count < 0 || count > kMaxEndedNodes) reject("LevelsEnded Count " + std::to_string(count) + " out of range");
    s.EndedNodes.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
      s.EndedNodes.push_back(std::to_string(ini.readInteger(kLevelsEnded, std::to_string(i), 0)));
  }
  if (s.Location == ssLevel) checkFile(s.LevelFile, "Level", exeDir);
  return s;
}

void ApplySavedState(const TSavedState& state) {
  const std::string& exeDir = GameShell.ExeDir;
  // Whether the map that is up is the saved one, so that its nodes are the saved nodes.
  const bool savedMapUp =
      fmMain->ScreenState() == ssWorldMap && platform::sameText(WorldMap.WorldFileName, SavedStatePath(state.MapFile, exeDir));

  fmMain->GameFileName = SavedStatePath(state.GameFile, exeDir);
  ReadGameOptions(fmMain->GameFileName, exeDir,
                  TGameShellFields{fmMain->Cards, fmMain->NextCardSlot, WorldMap.RunningGameFile, WorldMap.WorldFileName});
  fmMain->SetScreenState(state.Location);
  if (state.Lives) Level.Lives = *state.Lives;
  if (state.Coins) Level.Coins = *state.Coins;
  if (state.Score) Level.Score = *state.Score;
  if (state.PlayerMode) GameShell.PlayerMode = *state.PlayerMode;

  switch (state.Location) {
    case ssTitle:
      ReturnToTitle();
      break;
    case ssWorldMap:
      restoreMapPosition(state);
      // Nothing of the screen that was up may hold the player back: no pending
      // entry, no intro card left half shown; he appears as after a return.
      WorldMap.EnterNodeTime = -1;
      WorldMap.IntroCardStart = -1;
      WorldMap.ShowPlayerTime = platform::StampIn(ShowPlayerDelayMs);
      OpenWorldFile(SavedStatePath(state.MapFile, exeDir));
      break;
    case ssLevel:
      WorldMap.WorldFileName = SavedStatePath(state.MapFile, exeDir);
      restoreMapPosition(state);
      // The level starts afresh: no entry of the level that ran before. Its end
      // marks the node it was entered for: the one it was chosen from, or the
      // home path of the wandering enemy met elsewhere.
      GameShell.EntryMode = EntryNormal;
      Level.EntryPipe = 0;
      WorldMap.EnteredNode = state.EnteredNode.value_or(WorldMap.LastPosition);
      // Only the saved map's own node may give the level its entry pipe.
      WorldMap.MapPosition = savedMapUp ? WorldMap.LastPosition : -1;
      EnterLevel(SavedStatePath(state.LevelFile, exeDir));
      break;
    default:
      break;
  }
}

void SaveState() {
  platform::IniFile ini;
  WriteSavedState(ini, CaptureSavedState());
  try {
    // The whole file is replaced, so no key of an older state survives, and a
    // failed write leaves the older state as it was.
    ini.saveAs(stateFile(GameShell.ExeDir));
  } catch (const platform::IniWriteError&) {
    return;  // no notice: nothing was saved
  }
  GameShell.StateOpenedNotice = false;
  GameShell.StateSavedNotice = true;
  GameShell.StateMessageFrames = 50;
}

void LoadSavedState() {
  const std::filesystem::path file = stateFile(GameShell.ExeDir);
  try {
    if (!platform::fileExists(file.string())) throw ESavedState("No saved state");
    const platform::IniFile ini(file);
    ApplySavedState(ReadSavedState(ini, GameShell.ExeDir));
  } catch (const ESavedState&) {
    // The running game goes on, and no notice claims a state was opened.
    GameShell.StateOpenedNotice = false;
    GameShell.StateMessageFrames = 0;
  }
}
