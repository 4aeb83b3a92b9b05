#include "game/frmMain/display_choice.h"

// There is no Windows version record here: every system is of class 0.
int GetWindowsVersion() { return 0; }

TDisplayChoice chooseDisplay(int versionClass, bool windowMode, const std::function<bool()>& askWindowMode) {
  if (windowMode) return TDisplayChoice::Window640x480x32;
  if (versionClass == 8)
    return askWindowMode && askWindowMode() ? TDisplayChoice::Window640x480x32 : TDisplayChoice::FullScreen640x480x32;
  return TDisplayChoice::FullScreen320x240x8;
}
