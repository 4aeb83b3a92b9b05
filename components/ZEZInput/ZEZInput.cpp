#include "components/ZEZInput/ZEZInput.h"

#include "components/ZEZInput/key_table.h"
#include "components/ZEZInput/platform_input.h"

uint8_t VirtualKeyToCode(uint16_t virtualKey) {
  for (const auto& row : VirtualKeyScanCodes())
    if (row.virtualKey == virtualKey) return uint8_t(row.scanCode - 1);
  return kNoKeyCode;
}

TGKInput::TGKInput(platform::Form& owner, DirectInputCreate create)
    : owner_(owner), create_(std::move(create)) {
  KeyCodes.fill(kNoKeyCode);
}

TGKInput::~TGKInput() {
  if (InputDevice) InputDevice->Unacquire();
  InputDevice.reset();
  DirectInput.reset();
}

void TGKInput::Initialize() {
  if (InputDevice) InputDevice->Unacquire();
  InputDevice.reset();
  DirectInput.reset();
  if (create_) {
    DXCheck(create_(DirectInput));
  } else {
    DirectInput = std::make_unique<TPlatformDirectInput>(owner_);
  }
  if (!DirectInput) throw EDirectX(DIERR_NOTFOUND);

  switch (Device) {
    case Keyboard:
    case Mouse:
      DXCheck(DirectInput->CreateDevice(Device, InputDevice));
      break;
    case JoyStick:
      DXCheck(DirectInput->CreateDevice(JoyStick, InputDevice));
      // Without an attached joystick there is no device to set up.
      if (!InputDevice) throw EDirectX(DIERR_NOTFOUND);
      DXCheck(InputDevice->SetProperty(TJoyProperty::RangeX, -1000, 1000));
      DXCheck(InputDevice->SetProperty(TJoyProperty::RangeY, -1000, 1000));
      InputDevice->SetProperty(TJoyProperty::DeadZone, 0, 1500);
      InputDevice->SetProperty(TJoyProperty::Saturation, 0, 9500);
      InputDevice->SetProperty(TJoyProperty::AutoCenter, 0, 0);
      break;
    default:
      return;
  }
  if (!InputDevice) throw EDirectX(DIERR_NOTFOUND);
  DXCheck(InputDevice->Acquire());
}

void TGKInput::SetKeys(uint16_t left, uint16_t right, uint16_t up, uint16_t down, uint16_t fire1,
                       uint16_t fire2) {
  KeyCodes = {VirtualKeyToCode(left),  VirtualKeyToCode(right), VirtualKeyToCode(up),
              VirtualKeyToCode(down),  VirtualKeyToCode(fire1), VirtualKeyToCode(fire2)};
}

bool TGKInput::KeyDown(uint16_t virtualKey) {
  if (!InputDevice) return false;  // not initialised: no key is down
  const uint8_t code = VirtualKeyToCode(virtualKey);
  switch (Device) {
    case Keyboard: {
      TKeyboardState state{};
      if (InputDevice->GetKeyboardState(state) != DI_OK) return false;
      return (state[size_t(code) + 1] & 0x80) != 0;
    }
    case Mouse:
      return mouseKeyDown(code);
    case JoyStick:
      return joystickKeyDown(code);
  }
  return false;
}

bool TGKInput::mouseKeyDown(uint8_t code) {
  InputDevice->Acquire();
  TMouseState state;
  DXCheck(InputDevice->GetMouseState(state));
  if (state.X < 0) LastCode = KeyCodes[kLeft];
  if (state.X > 0) LastCode = KeyCodes[kRight];
  if (state.Y < 0) LastCode = KeyCodes[kUp];
  if (state.Y > 0) LastCode = KeyCodes[kDown];
  if (state.Buttons[0] & 0x80) LastCode = KeyCodes[kFire1];
  if (state.Buttons[1] & 0x80) LastCode = KeyCodes[kFire2];
  return code != kNoKeyCode && code == LastCode;
}

bool TGKInput::joystickKeyDown(uint8_t code) {
  InputDevice->Acquire();
  DXCheck(InputDevice->Poll());
  TJoyState state;
  InputDevice->GetJoyState(state);
  if (state.X == 0) LastCode = kNoKeyCode;
  if (state.Y == 0) LastCode = kNoKeyCode;
  if (state.X < 0) LastCode = KeyCodes[kLeft];
  if (state.X > 0) LastCode = KeyCodes[kRight];
  if (state.Y < 0) LastCode = KeyCodes[kUp];
  if (state.Y > 0) LastCode = KeyCodes[kDown];
  if (state.X == 0 && state.Y == 0) LastCode = kNoKeyCode;
  if (state.Buttons[0] & 0x80) LastCode = KeyCodes[kFire1];
  if (state.Buttons[1] & 0x80) LastCode = KeyCodes[kFire2];
  // The no-key code stands for "nothing": a key outside the table is never down.
  return code != kNoKeyCode && code == LastCode;
}
