#pragma once
// F2 and Shift+F2, from the level keys and the Game menu: restart the level from
// its start, or leave it for the map. They act only in a level in play: not on
// another screen, not once the level is won or left, and not in the death of the
// last life.

void RestartLevelCommand();
void ReturnToMapCommand();
