#pragma once
// Qt key codes to Windows virtual keys, as the settings file stores them.
#include <cstdint>

namespace platform::qt {

// 0 for a key without a virtual key. keypad: the key came from the numeric keypad.
uint16_t virtualKeyFromQt(int qtKey, bool keypad);

}  // namespace platform::qt
