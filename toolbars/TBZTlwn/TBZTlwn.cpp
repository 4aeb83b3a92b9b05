#include "toolbars/TBZTlwn/TBZTlwn.h"

#include <algorithm>

namespace tbz {

TToolWindowZ::TToolWindowZ(QWidget* parent) : TCustomToolWindowZ(parent) {
  resize(32, 32);
  PlaceOn(parent);
}

// A window placed nowhere has no frame: its whole size is its client.
QMargins TToolWindowZ::frame() const { return parentWidget() ? contentsMargins() : QMargins(); }

void TToolWindowZ::SizeChanged(int w, int h) {
  const QMargins m = frame();
  clientWidth_ = w - m.left() - m.right();
  clientHeight_ = h - m.top() - m.bottom();
}

int TToolWindowZ::ClientAreaWidth() const { return width() - frame().left() - frame().right(); }
int TToolWindowZ::ClientAreaHeight() const { return height() - frame().top() - frame().bottom(); }

void TToolWindowZ::SetClientAreaWidth(int w) {
  const QMargins m = frame();
  w = std::clamp(w, 0, kMaxWindowSize);
  // A hidden widget gets its resize event only when shown: store the size now.
  clientWidth_ = w;
  resize(w + m.left() + m.right(), height());
  if (DockedTo()) DockedTo()->ArrangeToolbars();
}

void TToolWindowZ::SetClientAreaHeight(int h) {
  const QMargins m = frame();
  h = std::clamp(h, 0, kMaxWindowSize);
  clientHeight_ = h;
  resize(width(), h + m.top() + m.bottom());
  if (DockedTo()) DockedTo()->ArrangeToolbars();
}

void TToolWindowZ::ReadPositionData(const ReadIntProc& read) {
  if (!Resizable()) return;
  // Stored sizes may be anything: keep them between the minimum and the largest size.
  auto fit = [](int v, int minimum) { return std::min(std::max(v, minimum), kMaxWindowSize); };
  int h = fit(read(objectName(), "ClientHeight", clientHeight_), minClientHeight_);
  int w = fit(read(objectName(), "ClientWidth", clientWidth_), minClientWidth_);
  SetClientAreaWidth(w);
  SetClientAreaHeight(h);
}

void TToolWindowZ::WritePositionData(const WriteIntProc& write) const {
  write(objectName(), "ClientWidth", clientWidth_);
  write(objectName(), "ClientHeight", clientHeight_);
}

}  // namespace tbz
