#pragma once
// F2 and Shift+F2, from the level keys and the Game menu: restart the level from
// its start, or leave it for the map. They act only in a level that is neither
// won nor lost. And the one way level play leaves for the map.

void RestartLevelCommand();
void ReturnToMapCommand();

// Level play leaves for the world map: at the end of this level frame, or of the
// next one when a key or the timer asks. The map comes up on its start node; with
// showPlayerLater it shows its player half a second after it stands, else when
// its own rules say (a node just won shows first).
void LeaveLevelForMap(bool showPlayerLater);
