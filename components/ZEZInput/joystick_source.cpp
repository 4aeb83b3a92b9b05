#include "components/ZEZInput/joystick_source.h"

namespace {
TJoystickProvider& provider() {
  static TJoystickProvider p;
  return p;
}
}  // namespace

void setJoystickProvider(TJoystickProvider p) { provider() = std::move(p); }
const TJoystickProvider& joystickProvider() { return provider(); }
