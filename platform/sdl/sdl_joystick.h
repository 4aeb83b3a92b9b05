#pragma once
// The first attached joystick through SDL's joystick subsystem, as the input
// component's joystick source. Install it with
// setJoystickProvider(platform::OpenFirstSdlJoystick).
#include <memory>

#include "components/ZEZInput/joystick_source.h"

namespace platform {

// Null when SDL's joystick subsystem cannot start or no joystick is attached.
std::unique_ptr<TJoystickSource> OpenFirstSdlJoystick();

}  // namespace platform
