#pragma once
// Our stand-in for DirectInput as the input component uses it: a factory of
// devices whose calls answer with DirectInput result codes.
#include <array>
#include <cstdint>
#include <memory>

#include "components/DirectX/DirectX.h"

constexpr HResult DI_OK = 0;
constexpr HResult DIERR_NOTFOUND = HResult(0x80070002u);
constexpr HResult DIERR_NOTACQUIRED = HResult(0x8007000Cu);
constexpr HResult DIERR_INPUTLOST = HResult(0x8007001Eu);
constexpr HResult DIERR_INVALIDPARAM = HResult(0x80070057u);

enum TInputDevice : uint8_t { Keyboard, Mouse, JoyStick };

using TKeyboardState = std::array<uint8_t, 256>;  // by scan code, bit 0x80 down
struct TMouseState {  // movement since the previous read
  int32_t X = 0, Y = 0, Z = 0;
  std::array<uint8_t, 4> Buttons{};  // bit 0x80 down
};
struct TJoyState {
  int32_t X = 0, Y = 0;  // within the range set on the device
  std::array<uint8_t, 32> Buttons{};
};

enum class TJoyProperty : uint8_t { RangeX, RangeY, DeadZone, Saturation, AutoCenter };

class TGKInputDeviceObject {
 public:
  virtual ~TGKInputDeviceObject() = default;
  virtual HResult Acquire() = 0;
  virtual HResult Unacquire() = 0;
  virtual HResult GetKeyboardState(TKeyboardState&) { return DIERR_INVALIDPARAM; }
  virtual HResult GetMouseState(TMouseState&) { return DIERR_INVALIDPARAM; }
  virtual HResult GetJoyState(TJoyState&) { return DIERR_INVALIDPARAM; }
  virtual HResult Poll() { return DI_OK; }
  // Range properties take min and max; the others one value in max.
  virtual HResult SetProperty(TJoyProperty, int32_t /*min*/, int32_t /*max*/) { return DIERR_INVALIDPARAM; }
};

class TGKDirectInput {
 public:
  virtual ~TGKDirectInput() = default;
  // The system keyboard or mouse, or the first attached joystick; out stays
  // null when there is none (DIERR_NOTFOUND).
  virtual HResult CreateDevice(TInputDevice kind, std::unique_ptr<TGKInputDeviceObject>& out) = 0;
};
