#pragma once
// F2 and Shift+F2, from the level keys and the Game menu: restart the level from
// its start, or leave it for the map. They act only in a level that is neither
// won nor lost.

void RestartLevelCommand();
void ReturnToMapCommand();
