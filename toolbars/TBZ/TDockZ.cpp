#include <QContextMenuEvent>
#include <QLayout>
#include <QMouseEvent>
#include <QMenu>
#include <QPainter>

#include "toolbars/TBZ/TBZ.h"

namespace tbz {

int DockTypeOf(const TDockZ* dock) {
  if (!dock) return 0;
  return dock->Vertical() ? 2 : 1;
}

static QWidget* checkedDockParent(QWidget* parent) {
  for (QWidget* p = parent; p; p = p->parentWidget())
    if (dynamic_cast<TDockZ*>(p) || dynamic_cast<TCustomToolWindowZ*>(p))
      throw EInvalidOperation("A TDockZ control cannot be placed inside a tool window or another TDockZ");
  return parent;
}

TDockZ::TDockZ(QWidget* parent, TDockPosition position) : QWidget(checkedDockParent(parent)) {
  color_ = palette().color(QPalette::Button);
  position_ = position;
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);  // OnMouseMove also without a button held
  ArrangeToolbars();
}

TDockZ::~TDockZ() {
  // The windows outlive this object's members while QWidget deletes its children:
  // let them forget the dock first.
  for (auto& p : windowList_) {
    if (!p) continue;
    if (p->dockedTo_ == this) p->dockedTo_ = nullptr;
    if (p->lastDock_ == this) p->lastDock_ = nullptr;
  }
  windowList_.clear();
  visibleList_.clear();
  ++disableArrange_;
}

void TDockZ::SetAllowDrag(bool v) {
  if (allowDrag_ == v) return;
  allowDrag_ = v;
  recalcFrames();
}

void TDockZ::SetBackground(const QImage& image) {
  background_ = image;
  backgroundChanged();
}

void TDockZ::SetBackgroundOnToolbars(bool v) {
  backgroundOnToolbars_ = v;
  backgroundChanged();
}

void TDockZ::SetBackgroundTransparent(bool v) {
  backgroundTransparent_ = v;
  backgroundChanged();
}

void TDockZ::SetBoundLines(TDockBoundLines v) {
  if (boundLines_ == v) return;
  boundLines_ = v;
  recalcFrames();
}

void TDockZ::SetColor(const QColor& c) {
  color_ = c;
  backgroundChanged();
}

void TDockZ::SetFixAlign(bool v) {
  fixAlign_ = v;
  ArrangeToolbars();
}

void TDockZ::SetLimitToOneRow(bool v) {
  limitToOneRow_ = v;
  ArrangeToolbars();
}

void TDockZ::SetPosition(TDockPosition p) {
  if (p == position_) return;
  for (QObject* c : children())
    if (c->isWidgetType())
      throw EInvalidOperation("Cannot change Position of a TDockZ if it already contains controls");
  position_ = p;
  setMinimumSize(0, 0);
  setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  ArrangeToolbars();
}

void TDockZ::BeginUpdate() { ++disableArrange_; }

void TDockZ::EndUpdate() {
  if (disableArrange_ > 0 && --disableArrange_ == 0 && arrangeNeeded_) ArrangeToolbars(commitPending_);
}

QMargins TDockZ::NonClient() const {
  bool shown = !visibleList_.empty();
  if (!shown) return QMargins();
  return QMargins(boundLines_ & blLeft ? 1 : 0, boundLines_ & blTop ? 1 : 0, boundLines_ & blRight ? 1 : 0,
                  boundLines_ & blBottom ? 1 : 0);
}

int TDockZ::InnerLength() const {
  QMargins m = NonClient();
  int len = Vertical() ? height() - m.top() - m.bottom() : width() - m.left() - m.right();
  return std::max(len, 0);
}

void TDockZ::AddToWindowList(TCustomToolWindowZ* w) {
  for (auto& p : windowList_)
    if (p == w) return;
  windowList_.emplace_back(w);
  w->slot_.order = ++insertOrder_;
}

void TDockZ::RemoveFromWindowList(TCustomToolWindowZ* w) {
  std::erase_if(windowList_, [w](const QPointer<TCustomToolWindowZ>& p) { return p == w || p.isNull(); });
}

void TDockZ::ChangeVisibleList(TCustomToolWindowZ* w, bool add, bool force) {
  bool present = false;
  for (auto& p : visibleList_)
    if (p == w) present = true;
  bool shouldBe = add && (force || (w->parentWidget() == this && w->Visible()));
  if (present == shouldBe) return;
  if (shouldBe) visibleList_.emplace_back(w);
  else std::erase_if(visibleList_, [w](const QPointer<TCustomToolWindowZ>& p) { return p == w || p.isNull(); });
  ArrangeToolbars();
  if (OnInsertRemoveBar) OnInsertRemoveBar(this, shouldBe, w);
}

const std::vector<TCustomToolWindowZ*> TDockZ::WindowList() const {
  std::vector<TCustomToolWindowZ*> out;
  for (auto& p : windowList_)
    if (p) out.push_back(p);
  return out;
}

const std::vector<TCustomToolWindowZ*> TDockZ::VisibleList() const {
  std::vector<TCustomToolWindowZ*> out;
  for (auto& p : visibleList_)
    if (p) out.push_back(p);
  return out;
}

int TDockZ::HighestRow() const {
  int h = -1;
  for (auto& p : windowList_)
    if (p) h = std::max(h, p->DockRow());
  return h;
}

int TDockZ::GetRowSize(int row, TCustomToolWindowZ* w) const {
  int size = row >= 0 && row < static_cast<int>(rowSizes_.size()) ? rowSizes_[row] : 0;
  if (size == 0 && w) size = w->DockedSize(DockTypeOf(this));
  return size;
}

int TDockZ::RowSearch(int position, bool& before) const {
  return rowSearch(rowSizes_, HighestRow(), position, before);
}

void TDockZ::InsertRow(int row) {
  for (auto& p : windowList_)
    if (p && p->slot_.dockRow >= row) ++p->slot_.dockRow;
}

int TDockZ::OthersInRow(int row, TCustomToolWindowZ* except) const {
  int n = 0;
  for (auto& p : windowList_)
    if (p && p != except && p->DockRow() == row) ++n;
  return n;
}

void TDockZ::ArrangeToolbars(bool commit) {
  commitPending_ = commitPending_ || commit;
  if (disableArrange_ > 0) {
    arrangeNeeded_ = true;
    return;
  }
  ++disableArrange_;
  std::erase_if(windowList_, [](const QPointer<TCustomToolWindowZ>& p) { return p.isNull(); });
  std::erase_if(visibleList_, [](const QPointer<TCustomToolWindowZ>& p) { return p.isNull(); });
  raise();
  const int type = DockTypeOf(this);
  std::vector<DockSlot*> dockSlots;
  for (auto& p : windowList_) {
    DockSlot& s = p->slot_;
    s.visible = false;
    for (auto& v : visibleList_)
      if (v == p) s.visible = true;
    s.width = p->width();
    s.height = p->height();
    s.dockedSize = p->DockedSize(type);
    dockSlots.push_back(&s);
  }
  QMargins nc = NonClient();
  DockLayout layout = arrangeDock(dockSlots, Vertical(), InnerLength(), limitToOneRow_, commitPending_, false, fixAlign_);
  rowSizes_ = layout.rowSizes;
  // Keep the lists in layout order.
  auto bySlot = [](const QPointer<TCustomToolWindowZ>& a, const QPointer<TCustomToolWindowZ>& b) {
    return compareSlots(&a->slot_, &b->slot_);
  };
  SortListEx(windowList_, bySlot);
  SortListEx(visibleList_, bySlot);
  for (auto& p : visibleList_) {
    const DockSlot& s = p->slot_;
    p->setBoundsFromDock(QRect(s.left + nc.left(), s.top + nc.top(), s.outWidth, s.outHeight));
  }
  int across = layout.thickness + (Vertical() ? nc.left() + nc.right() : nc.top() + nc.bottom());
  if (layout.thickness == 0) across = layout.thickness;
  setThickness(across);
  --disableArrange_;
  arrangeNeeded_ = false;
  commitPending_ = false;
  update();
}

void TDockZ::setThickness(int across) {
  const QRect old = geometry();
  if (Vertical()) setFixedWidth(across);
  else setFixedHeight(across);
  // A layout places the dock itself; otherwise a bottom dock keeps its bottom
  // edge and a right dock its right edge, as if aligned to that side.
  QWidget* parent = parentWidget();
  if (parent && parent->layout() && parent->layout()->indexOf(this) >= 0) return;
  if (position_ == dpBottom) move(old.left(), old.top() + old.height() - across);
  else if (position_ == dpRight) move(old.left() + old.width() - across, old.top());
}

void TDockZ::backgroundChanged() {
  cachedTransparent_ = QImage();
  update();
  for (TCustomToolWindowZ* w : VisibleList()) w->update();
}

void TDockZ::recalcFrames() {
  for (TCustomToolWindowZ* w : WindowList())
    if (w->DockedTo() == this) w->Rearrange();
  ArrangeToolbars();
  update();
}

const QImage& TDockZ::tileImage() {
  if (!backgroundTransparent_) return background_;
  if (cachedTransparent_.isNull()) {
    QImage img = background_.convertToFormat(QImage::Format_ARGB32);
    QRgb key = img.pixel(0, img.height() - 1);
    QRgb fill = color_.rgb();
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x)
        if (img.pixel(x, y) == key) img.setPixel(x, y, fill);
    cachedTransparent_ = img;
  }
  return cachedTransparent_;
}

void TDockZ::PaintBackground(QPainter& p, QWidget* target, const QRect& area) {
  if (!HasBackground()) return;
  const QImage& tile = tileImage();
  // The pattern starts at the dock parent's client origin.
  QWidget* base = parentWidget() ? parentWidget() : this;
  QPoint origin = target->mapFrom(base->window(), base->mapTo(base->window(), QPoint(0, 0)));
  int w = tile.width(), h = tile.height();
  int x0 = origin.x() + ((area.left() - origin.x()) / w) * w;
  if (x0 > area.left()) x0 -= w;
  int y0 = origin.y() + ((area.top() - origin.y()) / h) * h;
  if (y0 > area.top()) y0 -= h;
  p.save();
  p.setClipRect(area, Qt::IntersectClip);
  for (int x = x0; x <= area.right(); x += w)
    for (int y = y0; y <= area.bottom(); y += h) p.drawImage(x, y, tile);
  p.restore();
}

void TDockZ::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), color_);
  QMargins nc = NonClient();
  QRect client = rect().marginsRemoved(nc);
  PaintBackground(p, this, client);
  if (boundLines_ && !visibleList_.empty()) {
    QColor shadow = palette().color(QPalette::Dark), light = palette().color(QPalette::Light);
    if (boundLines_ & blTop) { p.setPen(shadow); p.drawLine(0, 0, width() - 1, 0); }
    if (boundLines_ & blLeft) { p.setPen(shadow); p.drawLine(0, 0, 0, height() - 1); }
    if (boundLines_ & blBottom) { p.setPen(light); p.drawLine(0, height() - 1, width() - 1, height() - 1); }
    if (boundLines_ & blRight) { p.setPen(light); p.drawLine(width() - 1, 0, width() - 1, height() - 1); }
  }
}

void TDockZ::resizeEvent(QResizeEvent*) {
  ArrangeToolbars();
  if (OnResize) OnResize(this);
}

void TDockZ::moveEvent(QMoveEvent*) {
  if (HasBackground()) backgroundChanged();
}

void TDockZ::changeEvent(QEvent* e) {
  if (e->type() == QEvent::PaletteChange) backgroundChanged();
  QWidget::changeEvent(e);
}

void TDockZ::mousePressEvent(QMouseEvent* e) {
  QPoint p = e->position().toPoint();
  if (OnMouseDown) OnMouseDown(this, e->button(), e->modifiers(), p.x(), p.y());
  QWidget::mousePressEvent(e);
}

void TDockZ::mouseMoveEvent(QMouseEvent* e) {
  QPoint p = e->position().toPoint();
  if (OnMouseMove) OnMouseMove(this, e->modifiers(), p.x(), p.y());
  QWidget::mouseMoveEvent(e);
}

void TDockZ::mouseReleaseEvent(QMouseEvent* e) {
  QPoint p = e->position().toPoint();
  if (OnMouseUp) OnMouseUp(this, e->button(), e->modifiers(), p.x(), p.y());
  QWidget::mouseReleaseEvent(e);
}

void TDockZ::contextMenuEvent(QContextMenuEvent* e) {
  if (popupMenu_) popupMenu_->popup(e->globalPos());
}

}  // namespace tbz
