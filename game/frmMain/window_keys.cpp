#include "game/frmMain/window_keys.h"

#include "game/frmMain/frmMain.h"
#include "platform/core/keys.h"

void DeliverKey(TfmMain& main, int key, bool down, platform::TShiftState shift) {
  if (down) {
    platform::keyState().keyDown(key);
    main.FormKeyDown(key, shift);
  } else {
    platform::keyState().keyUp(key);
    main.FormKeyUp(key, shift);
  }
}
