#pragma once
// The input component: tells whether a virtual key is down by reading an
// input device instead of the key state. The keyboard is read by scan code;
// a mouse's or joystick's movements and first two buttons stand for the six
// game keys (left, right, up, down, fire 1, fire 2).
#include <array>
#include <cstdint>
#include <functional>
#include <memory>

#include "components/ZEZ/ZEZSeams.h"
#include "components/ZEZInput/input_devices.h"
#include "platform/app/form.h"

// The code of a virtual key: its scan code minus 1; 83 (no key) outside the table.
uint8_t VirtualKeyToCode(uint16_t virtualKey);
constexpr uint8_t kNoKeyCode = 83;

class TGKInput : public TGKScreenInput {
 public:
  using DirectInputCreate = std::function<HResult(std::unique_ptr<TGKDirectInput>& out)>;

  // Without a factory, Initialize uses our platform's devices on owner.
  explicit TGKInput(platform::Form& owner, DirectInputCreate create = nullptr);
  ~TGKInput() override;

  TInputDevice Device = Keyboard;

  // Creates and acquires the device; every failed call raises EDirectX.
  void Initialize() override;
  void SetKeys(uint16_t left, uint16_t right, uint16_t up, uint16_t down, uint16_t fire1,
               uint16_t fire2) override;
  bool KeyDown(uint16_t virtualKey) override;

  std::unique_ptr<TGKDirectInput> DirectInput;
  std::unique_ptr<TGKInputDeviceObject> InputDevice;
  std::array<uint8_t, 6> KeyCodes{};
  uint8_t LastCode = kNoKeyCode;

 private:
  enum { kLeft, kRight, kUp, kDown, kFire1, kFire2 };
  bool mouseKeyDown(uint8_t code);
  bool joystickKeyDown(uint8_t code);

  platform::Form& owner_;
  DirectInputCreate create_;
};
