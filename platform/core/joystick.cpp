#include "platform/core/joystick.h"

namespace platform {
namespace {
JoystickProvider& provider() {
  static JoystickProvider p;
  return p;
}
}  // namespace

void setJoystickProvider(JoystickProvider p) { provider() = std::move(p); }
const JoystickProvider& joystickProvider() { return provider(); }

}  // namespace platform
