#pragma once
// The DirectInput stand-in on our platform: the keyboard reads the key-state
// table, the mouse the movements and presses of a window, the joystick the
// installed joystick provider.
#include "components/ZEZInput/input_devices.h"
#include "platform/app/form.h"

class TPlatformDirectInput : public TGKDirectInput {
 public:
  // The mouse listens to window's events while acquired; window must outlive it.
  explicit TPlatformDirectInput(platform::Form& window) : window_(window) {}
  HResult CreateDevice(TInputDevice kind, std::unique_ptr<TGKInputDeviceObject>& out) override;

 private:
  platform::Form& window_;
};
