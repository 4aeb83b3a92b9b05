#pragma once
// The title, world-map and level entry points for the main-window tests: each
// call is recorded, so a test sees where the main window routed a frame, a key
// or a sprite event.
#include <string>
#include <vector>

extern std::vector<std::string> ScreenCalls;
// KillPlayer does what the real one does to the flags the timer reads.
extern int KillPlayerCalls;
