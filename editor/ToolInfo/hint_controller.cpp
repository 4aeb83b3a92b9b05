#include "editor/ToolInfo/hint_controller.h"

std::string THintController::ShortHint(const std::string& hint) {
  return hint.substr(0, hint.find('|'));
}

void THintController::OnMove(THintControl control, int x, int y) {
  if (control == remembered_) return;
  remembered_ = control;
  if (visible_) {
    const platform::TPoint p = ClientToScreen(control, x, y);
    ShowAt(p.X, p.Y);
  } else if (StartTimer) {
    StartTimer(kDelayMs);
  }
}

void THintController::OnTimer() {
  platform::TPoint p;
  if (ControlUnderMouse(p) == remembered_) ShowAt(p.X, p.Y);
  if (StopTimer) StopTimer();
}

void THintController::ShowAt(int screenX, int screenY) {
  if (!remembered_) return;
  const std::string text = ShortHint(HintOf(remembered_));
  if (text.empty()) return;  // nothing to show: no empty box either
  const platform::TPoint size = MeasureText(text, ScreenWidth() / 2);
  const platform::TRect bounds{screenX + 8 - 4, screenY + 24 - 3, screenX + 8 + size.X + 4,
                               screenY + 24 + size.Y + 3};
  ShowWindow(bounds, text);
  visible_ = true;
}

void THintController::Hide() {
  if (HideWindow) HideWindow();
  visible_ = false;
  remembered_ = nullptr;
}
