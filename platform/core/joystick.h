#pragma once
// A joystick as the platform provides one: raw axes and buttons. The input
// component scales it to the range, dead zone and saturation it asks for.
#include <functional>
#include <memory>

namespace platform {

class JoystickSource {
 public:
  virtual ~JoystickSource() = default;
  // Reads the device anew; false when it is gone.
  virtual bool Update() = 0;
  virtual int AxisX() const = 0;  // -32768..32767, 0 centred
  virtual int AxisY() const = 0;
  virtual bool Button(int index) const = 0;
};

// Opens the first attached joystick, or gives null. The program installs one
// (platform/sdl/sdl_joystick.h); without one no joystick is ever attached.
using JoystickProvider = std::function<std::unique_ptr<JoystickSource>()>;
void setJoystickProvider(JoystickProvider provider);
const JoystickProvider& joystickProvider();

}  // namespace platform
