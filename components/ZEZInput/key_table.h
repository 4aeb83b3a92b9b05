#pragma once
// The fixed table of the 101 virtual keys that have a keyboard scan code.
#include <array>
#include <cstdint>

struct TVirtualKeyScanCode {
  uint8_t virtualKey;
  uint8_t scanCode;
};

const std::array<TVirtualKeyScanCode, 101>& VirtualKeyScanCodes();
