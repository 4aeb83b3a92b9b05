#pragma once
// The display the game starts in: a window, 640x480x32 full screen on later
// systems, or 320x240x8 full screen on older ones.
#include <functional>

enum class TDisplayChoice {
  Window640x480x32,      // window mode; the mode's depth is 32
  FullScreen640x480x32,
  FullScreen320x240x8,
};

// The operating-system version class; only 8 (later systems) is acted on.
int GetWindowsVersion();

// versionClass as GetWindowsVersion gives it; windowMode from [DirectDraw]
// WindowMode; askWindowMode asks the window-mode question (true for Yes) and is
// called only when a later system has no window mode set.
TDisplayChoice chooseDisplay(int versionClass, bool windowMode, const std::function<bool()>& askWindowMode);
