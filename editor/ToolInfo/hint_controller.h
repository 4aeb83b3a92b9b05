#pragma once
// When and where the editor's hint window shows the short hint of the control
// under the mouse: after 800 ms of rest, or at once when a hint is already up
// and the mouse moves on to another control. No Qt; the window supplies the
// seams below.
#include <functional>
#include <string>

#include "platform/draw/geometry.h"

using THintControl = const void*;  // a control's identity; null for none

class THintController {
 public:
  static constexpr int kDelayMs = 800;

  // The control's hint text (Windows-1252).
  std::function<std::string(THintControl)> HintOf;
  // The control under the mouse (disabled ones too) and the mouse's screen point.
  std::function<THintControl(platform::TPoint& screenPoint)> ControlUnderMouse;
  std::function<platform::TPoint(THintControl, int x, int y)> ClientToScreen;
  // The size of text laid out word-wrapped within maxWidth pixels.
  std::function<platform::TPoint(const std::string& text, int maxWidth)> MeasureText;
  std::function<int()> ScreenWidth;
  // The window: shown at a screen rectangle with a text, or hidden.
  std::function<void(const platform::TRect& bounds, const std::string& text)> ShowWindow;
  std::function<void()> HideWindow;
  // The timer.
  std::function<void(int ms)> StartTimer;
  std::function<void()> StopTimer;

  THintControl Remembered() const { return remembered_; }
  bool Visible() const { return visible_; }

  // The mouse moved over control at (x, y) of its own coordinates.
  void OnMove(THintControl control, int x, int y);
  void OnTimer();
  // Nothing without a remembered control or with an empty short hint.
  void ShowAt(int screenX, int screenY);
  // Hides the window and forgets the control.
  void Hide();

  // The hint text up to its first "|".
  static std::string ShortHint(const std::string& hint);

 private:
  THintControl remembered_ = nullptr;
  bool visible_ = false;
};
