#pragma once
// The first attached joystick through SDL's joystick subsystem, as the input
// component's joystick source. Install it with
// platform::setJoystickProvider(platform::OpenFirstSdlJoystick).
#include <memory>

#include "platform/core/joystick.h"

namespace platform {

// Null when SDL's joystick subsystem cannot start or no joystick is attached.
std::unique_ptr<JoystickSource> OpenFirstSdlJoystick();

}  // namespace platform
