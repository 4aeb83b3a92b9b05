#include "toolbars/TBZTlwn/TBZTlwn.h"

namespace tbz {

TToolWindowZ::TToolWindowZ(QWidget* parent) : TCustomToolWindowZ(parent) {
  resize(32, 32);
  PlaceOn(parent);
}

void TToolWindowZ::SizeChanged(int w, int h) {
  QMargins m = contentsMargins();
  const bool parented = parentWidget() != nullptr || !Docked();
  clientWidth_ = parented ? w - m.left() - m.right() : w;
  clientHeight_ = parented ? h - m.top() - m.bottom() : h;
}

int TToolWindowZ::ClientAreaWidth() const { return contentsRect().width(); }
int TToolWindowZ::ClientAreaHeight() const { return contentsRect().height(); }

void TToolWindowZ::SetClientAreaWidth(int w) {
  QMargins m = contentsMargins();
  // A hidden widget gets its resize event only when shown: store the size now.
  clientWidth_ = w;
  resize(w + m.left() + m.right(), height());
  if (DockedTo()) DockedTo()->ArrangeToolbars();
}

void TToolWindowZ::SetClientAreaHeight(int h) {
  QMargins m = contentsMargins();
  clientHeight_ = h;
  resize(width(), h + m.top() + m.bottom());
  if (DockedTo()) DockedTo()->ArrangeToolbars();
}

void TToolWindowZ::ReadPositionData(const ReadIntProc& read) {
  if (!Resizable()) return;
  int h = read(objectName(), "ClientHeight", clientHeight_);
  int w = read(objectName(), "ClientWidth", clientWidth_);
  SetClientAreaWidth(w);
  SetClientAreaHeight(h);
}

void TToolWindowZ::WritePositionData(const WriteIntProc& write) const {
  write(objectName(), "ClientWidth", clientWidth_);
  write(objectName(), "ClientHeight", clientHeight_);
}

}  // namespace tbz
