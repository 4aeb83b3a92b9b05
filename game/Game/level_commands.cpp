#include "game/Game/level_commands.h"

#include "game/Game/level_events.h"
#include "game/Game/level_state.h"
#include "game/frmMain/frmMain.h"
#include "game/frmMain/shell_state.h"

namespace {

// The level commands belong to a level in play: not on another screen, not once
// the level is won (its end is taken) or left, and not during the last life's
// death, which ends the game whatever the player presses.
bool LevelCommandsAct() {
  if (fmMain->ScreenState() != ssLevel || Level.Player == nullptr || Level.LevelEnded || Level.LevelWon) return false;
  return !(Level.PlayerDying && Level.Lives <= 0);
}

}  // namespace

void RestartLevelCommand() {
  if (!LevelCommandsAct()) return;
  Level.Rebuild = TRebuild::Restart;
  // The running level from its start cell, whatever the player was going
  // through (a warp spring names its target as it launches him).
  if (!Level.BuiltLevelFile.empty()) Level.LevelFileName = Level.BuiltLevelFile;
  Level.EnteredPipe = -1;
  Level.EntryPipe = 0;
  GameShell.EntryMode = EntryNormal;
}

void ReturnToMapCommand() {
  if (!LevelCommandsAct()) return;
  Level.LevelEnded = true;
  LeaveLevelForMap(TMapPlayerShows::Soon);
}
