#include "platform/core/keys.h"

namespace platform {

void KeyStateTable::keyDown(int vk) {
  if (!valid(vk)) return;
  down_[vk] = true;
  pressedSinceQuery_[vk] = true;
}

void KeyStateTable::keyUp(int vk) {
  if (valid(vk)) down_[vk] = false;
}

void KeyStateTable::clear() {
  down_.fill(false);
  pressedSinceQuery_.fill(false);
}

int16_t KeyStateTable::getAsyncKeyState(int vk) {
  if (!valid(vk)) return 0;
  int16_t state = int16_t((down_[vk] ? 0x8000 : 0) | (pressedSinceQuery_[vk] ? 1 : 0));
  pressedSinceQuery_[vk] = false;
  return state;
}

bool KeyStateTable::isDown(int vk) const { return valid(vk) && down_[vk]; }

KeyStateTable& keyState() {
  static KeyStateTable table;
  return table;
}

}  // namespace platform
