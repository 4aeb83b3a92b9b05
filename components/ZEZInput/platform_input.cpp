#include "components/ZEZInput/platform_input.h"

#include <algorithm>
#include <cmath>

#include "platform/core/joystick.h"
#include "components/ZEZInput/key_table.h"
#include "platform/core/keys.h"

namespace {

constexpr HResult S_FALSE_ALREADY = 1;  // acquired already

// A device whose acquisition is only a flag: reading needs it, nothing else follows it.
class FlagAcquiredDevice : public TGKInputDeviceObject {
 public:
  HResult Acquire() override {
    const bool was = acquired_;
    acquired_ = true;
    return was ? S_FALSE_ALREADY : DI_OK;
  }
  HResult Unacquire() override {
    acquired_ = false;
    return DI_OK;
  }
 protected:
  bool acquired_ = false;
};

class KeyboardDevice : public FlagAcquiredDevice {
 public:
  HResult GetKeyboardState(TKeyboardState& state) override {
    if (!acquired_) return DIERR_NOTACQUIRED;
    state.fill(0);
    for (const auto& row : VirtualKeyScanCodes())
      if (platform::keyState().isDown(row.virtualKey)) state[row.scanCode] = 0x80;
    return DI_OK;
  }
};

// Movement between reads from the window's mouse moves; a press counts as the
// button down at the next read (the window reports presses only), and so does a
// button that the key state holds down.
class MouseDevice : public TGKInputDeviceObject {
 public:
  explicit MouseDevice(platform::Form& window) : window_(window) {}
  ~MouseDevice() override { Unacquire(); }

  HResult Acquire() override {
    if (acquired_) return S_FALSE_ALREADY;
    acquired_ = true;
    havePosition_ = false;
    savedMove_ = window_.OnMouseMove;
    savedDown_ = window_.OnMouseDown;
    window_.OnMouseMove = MoveHook{this};
    window_.OnMouseDown = DownHook{this};
    return DI_OK;
  }
  HResult Unacquire() override {
    if (!acquired_) return DI_OK;
    acquired_ = false;
    // Handlers put there by someone after us stay.
    if (auto* hook = window_.OnMouseMove.target<MoveHook>(); hook && hook->device == this)
      window_.OnMouseMove = savedMove_;
    if (auto* hook = window_.OnMouseDown.target<DownHook>(); hook && hook->device == this)
      window_.OnMouseDown = savedDown_;
    return DI_OK;
  }
  HResult GetMouseState(TMouseState& state) override {
    if (!acquired_) return DIERR_NOTACQUIRED;
    state = TMouseState{};
    state.X = dx_;
    state.Y = dy_;
    dx_ = dy_ = 0;
    for (int i = 0; i < 3; ++i) {
      const bool held = platform::keyState().isDown(kButtonKeys[i]);
      if (pressed_[i] || held) state.Buttons[size_t(i)] = 0x80;
      pressed_[i] = false;
    }
    return DI_OK;
  }

 private:
  static constexpr int kButtonKeys[3] = {platform::VK_LBUTTON, platform::VK_RBUTTON, platform::VK_MBUTTON};
  struct MoveHook {
    MouseDevice* device;
    void operator()(platform::Form& f, platform::TShiftState s, int x, int y) const { device->moved(f, s, x, y); }
  };
  struct DownHook {
    MouseDevice* device;
    void operator()(platform::Form& f, platform::TMouseButton b, platform::TShiftState s, int x, int y) const {
      device->pressed(f, b, s, x, y);
    }
  };
  void moved(platform::Form& f, platform::TShiftState s, int x, int y) {
    if (havePosition_) {
      dx_ += x - lastX_;
      dy_ += y - lastY_;
    }
    havePosition_ = true;
    lastX_ = x;
    lastY_ = y;
    if (savedMove_) savedMove_(f, s, x, y);
  }
  void pressed(platform::Form& f, platform::TMouseButton b, platform::TShiftState s, int x, int y) {
    // Button 0 is the left, 1 the right and 2 the middle button.
    const int index = b == platform::mbLeft ? 0 : b == platform::mbRight ? 1 : 2;
    pressed_[index] = true;
    if (savedDown_) savedDown_(f, b, s, x, y);
  }

  platform::Form& window_;
  bool acquired_ = false;
  bool havePosition_ = false;
  int lastX_ = 0, lastY_ = 0;
  int32_t dx_ = 0, dy_ = 0;
  bool pressed_[3] = {};
  decltype(platform::Form::OnMouseMove) savedMove_;
  decltype(platform::Form::OnMouseDown) savedDown_;
};

// Scales raw axes as DirectInput does: inside the dead zone centred, beyond the
// saturation at the end of the range, linear between.
class JoystickDevice : public FlagAcquiredDevice {
 public:
  explicit JoystickDevice(std::unique_ptr<platform::JoystickSource> source) : source_(std::move(source)) {}

  HResult Poll() override {
    if (!acquired_) return DIERR_NOTACQUIRED;
    return source_->Update() ? DI_OK : DIERR_INPUTLOST;
  }
  HResult SetProperty(TJoyProperty property, int32_t min, int32_t max) override {
    switch (property) {
      case TJoyProperty::RangeX:
      case TJoyProperty::RangeY:
        if (min >= max) return DIERR_INVALIDPARAM;
        (property == TJoyProperty::RangeX ? rangeX_ : rangeY_) = {min, max};
        return DI_OK;
      case TJoyProperty::DeadZone:
      case TJoyProperty::Saturation:
        if (max < 0 || max > 10000) return DIERR_INVALIDPARAM;
        (property == TJoyProperty::DeadZone ? deadZone_ : saturation_) = max;
        return DI_OK;
      case TJoyProperty::AutoCenter:
        return DI_OK;  // no force feedback here
    }
    return DIERR_INVALIDPARAM;
  }
  HResult GetJoyState(TJoyState& state) override {
    if (!acquired_) return DIERR_NOTACQUIRED;
    state = TJoyState{};
    state.X = scale(source_->AxisX(), rangeX_);
    state.Y = scale(source_->AxisY(), rangeY_);
    for (int i = 0; i < int(state.Buttons.size()); ++i)
      if (source_->Button(i)) state.Buttons[size_t(i)] = 0x80;
    return DI_OK;
  }

 private:
  struct Range {
    int32_t min, max;
  };
  int32_t scale(int raw, Range range) const {
    const double v = std::clamp(raw / 32767.0, -1.0, 1.0);
    const double dead = deadZone_ / 10000.0, sat = std::max(saturation_ / 10000.0, dead);
    double m = std::fabs(v);
    m = m <= dead ? 0.0 : m >= sat ? 1.0 : (m - dead) / (sat - dead);
    const double centre = (double(range.min) + range.max) / 2.0;
    const double half = (double(range.max) - range.min) / 2.0;
    return int32_t(std::lround(centre + std::copysign(m, v) * half));
  }

  std::unique_ptr<platform::JoystickSource> source_;
  Range rangeX_{-32768, 32767}, rangeY_{-32768, 32767};
  int32_t deadZone_ = 0, saturation_ = 10000;
};

}  // namespace

HResult TPlatformDirectInput::CreateDevice(TInputDevice kind, std::unique_ptr<TGKInputDeviceObject>& out) {
  out.reset();
  switch (kind) {
    case Keyboard:
      out = std::make_unique<KeyboardDevice>();
      return DI_OK;
    case Mouse:
      out = std::make_unique<MouseDevice>(window_);
      return DI_OK;
    case JoyStick:
      if (const auto& provider = platform::joystickProvider())
        if (auto source = provider()) {
          out = std::make_unique<JoystickDevice>(std::move(source));
          return DI_OK;
        }
      return DIERR_NOTFOUND;
  }
  return DIERR_INVALIDPARAM;
}
