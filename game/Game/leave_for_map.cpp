// The end of level play: the way back to the world map.
#include "game/Game/level_events.h"
#include "game/Game/level_state.h"
#include "game/Map/world_kinds.h"
#include "game/frmMain/pending_screens.h"
#include "platform/core/tick_stamp.h"

void LeaveLevelForMap(TMapPlayerShows show) {
  if (show == TMapPlayerShows::Soon) WorldMap.ShowPlayerTime = platform::StampIn(ShowPlayerDelayMs);
  WorldMap.MapPosition = MapStartNode;
  Level.ReturnToMap = true;
}
