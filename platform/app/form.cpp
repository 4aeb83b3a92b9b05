#include "platform/app/form.h"

namespace platform {

TPoint Form::ClientToScreen(TPoint p) const {
  const TPoint o = ClientOrigin();
  return {p.X + o.X, p.Y + o.Y};
}

TPoint Form::ScreenToClient(TPoint p) const {
  const TPoint o = ClientOrigin();
  return {p.X - o.X, p.Y - o.Y};
}

HeadlessForm::HeadlessForm(int cw, int ch, int bw, int bh)
    : clientWidth(cw), clientHeight(ch), borderWidth(bw), borderHeight(bh) {}

void HeadlessForm::SetClientSize(int width, int height) {
  clientWidth = width;
  clientHeight = height;
  if (OnResize) OnResize(*this);
}

void HeadlessForm::activate() {
  if (OnActivate) OnActivate(*this);
}

void HeadlessForm::moveMouse(int x, int y, TShiftState shift) {
  cursor = ClientToScreen({x, y});
  if (OnMouseMove) OnMouseMove(*this, shift, x, y);
}

void HeadlessForm::pressMouse(TMouseButton button, int x, int y, TShiftState shift) {
  cursor = ClientToScreen({x, y});
  if (OnMouseDown) OnMouseDown(*this, button, shift, x, y);
}

}  // namespace platform
