#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRubberBand>

#include "toolbars/TBZ/TBZ.h"
#include "toolbars/TBZ/caption_text.h"
#include "toolbars/TBZ/drag_geometry.h"

namespace tbz {
namespace {

// Handle thickness and first grip offset by [CloseButtonWhenDocked][DragHandleStyle].
constexpr int kHandleThickness[2][3] = {{9, 0, 6}, {14, 14, 14}};
constexpr int kGripOffset[2][3] = {{2, 0, 1}, {3, 0, 5}};
constexpr int kDockedCloseSide = 11;

void drawRaisedInner(QPainter& p, const QRect& r, const QPalette& pal) {
  p.setPen(pal.color(QPalette::Light));
  p.drawLine(r.topLeft(), r.topRight());
  p.drawLine(r.topLeft(), r.bottomLeft());
  p.setPen(pal.color(QPalette::Dark));
  p.drawLine(r.bottomLeft(), r.bottomRight());
  p.drawLine(r.topRight(), r.bottomRight());
}

void drawCloseGlyph(QPainter& p, const QRect& r, bool pushed, const QPalette& pal) {
  p.fillRect(r, pal.color(QPalette::Button));
  if (pushed) {
    p.setPen(pal.color(QPalette::Dark));
    p.drawRect(r.adjusted(0, 0, -1, -1));
  } else {
    drawRaisedInner(p, r, pal);
  }
  QRect g = r.adjusted(3, 3, -3, -3).translated(pushed ? 1 : 0, pushed ? 1 : 0);
  p.setPen(QPen(pal.color(QPalette::ButtonText), 1));
  p.drawLine(g.topLeft(), g.bottomRight());
  p.drawLine(g.topRight(), g.bottomLeft());
}

}  // namespace

TCustomToolWindowZ::TCustomToolWindowZ(QWidget* parent) : QWidget(nullptr) {
  color_ = palette().color(QPalette::Button);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
  if (parent && !dynamic_cast<TDockZ*>(parent) && !parent->isWindow())
    throw EInvalidOperation("A tool window can only be placed on a TDockZ or directly on the form");
  ownerForm_ = parent ? (dynamic_cast<TDockZ*>(parent) ? parent->window() : parent) : nullptr;
  if (ownerForm_ && dynamic_cast<TDockZ*>(ownerForm_.data())) ownerForm_ = nullptr;
  RegisterHookProc(this, hookBit(HookKind::AppActivation) | hookBit(HookKind::WindowPosChanged) |
                             hookBit(HookKind::WindowDestroyed));
}

TCustomToolWindowZ::~TCustomToolWindowZ() {
  UnregisterHookProc(this);
  // Leave the docks without asking this half-destroyed window anything.
  for (TDockZ* d : {dockedTo_.data(), lastDock_.data()}) {
    if (!d) continue;
    std::erase_if(d->windowList_, [this](auto& p) { return p == this || p.isNull(); });
    bool was = std::erase_if(d->visibleList_, [this](auto& p) { return p == this || p.isNull(); }) > 0;
    d->ArrangeToolbars();
    if (was && d->OnInsertRemoveBar) d->OnInsertRemoveBar(d, false, this);
  }
}

void TCustomToolWindowZ::PlaceOn(QWidget* parent) {
  if (TDockZ* dock = dynamic_cast<TDockZ*>(parent)) dockTo(dock);
  else if (parent) dockTo(nullptr);
  else Rearrange();
}

int TCustomToolWindowZ::DragHandleThickness() const {
  return kHandleThickness[closeButtonWhenDocked_ ? 1 : 0][dragHandleStyle_];
}

QMargins TCustomToolWindowZ::NonClientFor(TDockZ* dock) const {
  if (!dock) {
    int f = floatingFrame();
    return QMargins(f, f + (showCaption_ ? CaptionHeight() : 0), f, f);
  }
  QMargins m(2, 2, 2, 2);
  if (dock->AllowDrag()) {
    if (dock->Vertical()) m.setTop(m.top() + DragHandleThickness());
    else m.setLeft(m.left() + DragHandleThickness());
  }
  return m;
}

QRect TCustomToolWindowZ::CloseButtonRect() const {
  if (Docked()) {
    if (!closeButtonWhenDocked_ || !dockedTo_->AllowDrag()) return QRect();
    if (dockedTo_->Vertical()) return QRect(width() - 4 - kDockedCloseSide + 2, 3, kDockedCloseSide, kDockedCloseSide);
    return QRect(3, 2, kDockedCloseSide, kDockedCloseSide);
  }
  if (!showCaption_ || !closeButton_) return QRect();
  int f = floatingFrame(), ch = CaptionHeight();
  QRect caption(f, f, width() - 2 * f, ch - 1);
  return QRect(caption.right() - ch + 2, caption.top(), ch - 1, ch - 1).adjusted(1, 1, -1, -1);
}

void TCustomToolWindowZ::updateMargins() { setContentsMargins(NonClientFor(dockedTo_)); }

void TCustomToolWindowZ::setBoundsFromDock(const QRect& r) {
  ++updatingBounds_;
  setGeometry(r);
  --updatingBounds_;
}

void TCustomToolWindowZ::EndUpdate() {
  if (disableOrder_ > 0 && --disableOrder_ == 0 && arrangePending_) Rearrange();
}

void TCustomToolWindowZ::Rearrange() {
  // Placed nowhere yet: the content is laid out once the window has a place.
  if (disableOrder_ > 0 || !parentWidget()) {
    arrangePending_ = true;
    return;
  }
  arrangePending_ = false;
  updateMargins();
  const int type = DockTypeOf(dockedTo_);
  QSize c = ArrangeClient(true, lastDockType_ < 0 ? type : lastDockType_, dockedTo_);
  QMargins m = NonClientFor(dockedTo_);
  QSize s(c.width() + m.left() + m.right(), c.height() + m.top() + m.bottom());
  if (dockedTo_) {
    int rowThick = dockedTo_->GetRowSize(slot_.dockRow, this) + 4;
    if (dockedTo_->Vertical()) s.setWidth(std::max(s.width(), rowThick));
    else s.setHeight(std::max(s.height(), rowThick));
    if (slot_.fullSize) {
      if (dockedTo_->Vertical()) s.setHeight(dockedTo_->InnerLength());
      else s.setWidth(dockedTo_->InnerLength());
    }
  }
  ++updatingBounds_;
  resize(s);
  --updatingBounds_;
  if (dockedTo_) dockedTo_->ArrangeToolbars();
  update();
}

void TCustomToolWindowZ::dockTo(TDockZ* dock) {
  TDockZ* old = dockedTo_;
  const bool placed = lastDockType_ >= 0;
  if (!dock && !ownerForm_ && placed)
    throw EInvalidOperation("Control '" + objectName().toStdString() + "' has no parent window");
  if (placed && dock == old) return;
  if (OnDockChanging) OnDockChanging(this);
  if (OnDockChangingEx) OnDockChangingEx(this, dock);
  if (OnRecreating) OnRecreating(this);
  ++hideSuspend_;
  ++disableOrder_;
  if (old) old->BeginUpdate();
  if (dock) dock->BeginUpdate();
  ++updatingBounds_;
  if (OnDockChangingHidden) OnDockChangingHidden(this, dock);

  if (old) {
    if (!useLastDock_) old->RemoveFromWindowList(this);
    old->ChangeVisibleList(this, false, true);
  }
  dockedTo_ = dock;
  ++reparenting_;  // Qt hides the widget while it changes parent: not the owner's Visible
  if (dock) {
    // Floating later goes over the form that holds the dock.
    if (QWidget* form = dock->window(); form && form != dock) ownerForm_ = form;
    setParent(dock, Qt::Widget);
  } else {
    // A click on a floating window does not activate it: the window manager
    // would hand the keyboard over on the press, and the press would be lost.
    Qt::WindowFlags flags = Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus;
    if (floatingMode_ == fmOnTopOfAllForms) flags |= Qt::WindowStaysOnTopHint;
    setAttribute(Qt::WA_ShowWithoutActivating);
    setParent(ownerForm_, flags);
  }
  --reparenting_;
  // Size for the new place.
  const int type = DockTypeOf(dock);
  QSize c = ArrangeClient(true, placed ? lastDockType_ : type, dock);
  QMargins m = NonClientFor(dock);
  QSize s(c.width() + m.left() + m.right(), c.height() + m.top() + m.bottom());
  if (dock) {
    int rowThick = dock->GetRowSize(slot_.dockRow, this) + 4;
    if (dock->Vertical()) s.setWidth(std::max(s.width(), rowThick));
    else s.setHeight(std::max(s.height(), rowThick));
    if (slot_.fullSize) {
      if (dock->Vertical()) s.setHeight(dock->InnerLength());
      else s.setWidth(dock->InnerLength());
    }
  }
  setContentsMargins(m);
  resize(s);

  if (dock) {
    if (useLastDock_) {
      if (lastDock_ && lastDock_ != dock) lastDock_->RemoveFromWindowList(this);
      lastDock_ = dock;
    }
    dock->AddToWindowList(this);
  } else {
    move(floatingPos_);
  }
  lastDockType_ = type;
  --updatingBounds_;
  if (dock) dock->EndUpdate();
  if (old) old->EndUpdate();
  --hideSuspend_;
  --disableOrder_;
  arrangePending_ = false;
  if (dock) {
    QWidget::setVisible(userVisible_);
    dock->ChangeVisibleList(this, true);
  } else {
    updateFloatingVisibility();
  }
  if (OnMove) OnMove(this);
  if (OnRecreated) OnRecreated(this);
  if (OnDockChanged) OnDockChanged(this);
}

void TCustomToolWindowZ::SetDockedTo(TDockZ* dock) { dockTo(dock); }

void TCustomToolWindowZ::SetDockRow(int v) {
  slot_.dockRow = v;
  if (dockedTo_) dockedTo_->ArrangeToolbars();
}

void TCustomToolWindowZ::SetDockPos(int v) {
  slot_.dockPos = v;
  if (dockedTo_) dockedTo_->ArrangeToolbars();
}

void TCustomToolWindowZ::SetFullSize(bool v) {
  slot_.fullSize = v;
  Rearrange();
}

void TCustomToolWindowZ::SetBorderStyle(TBorderStyleZ v) {
  borderStyle_ = v;
  update();
}

void TCustomToolWindowZ::SetCaption(const QString& c) {
  caption_ = c;
  setWindowTitle(c);
  update();
}

void TCustomToolWindowZ::SetCloseButtonWhenDocked(bool v) {
  closeButtonWhenDocked_ = v;
  Rearrange();
}

void TCustomToolWindowZ::SetDragHandleStyle(TDragHandleStyle s) {
  dragHandleStyle_ = s;
  Rearrange();
}

void TCustomToolWindowZ::SetFloatingMode(TToolWindowFloatingMode m) {
  floatingMode_ = m;
  if (!Docked() && lastDockType_ >= 0) {
    Qt::WindowFlags flags = Qt::Tool | Qt::FramelessWindowHint;
    if (m == fmOnTopOfAllForms) flags |= Qt::WindowStaysOnTopHint;
    ++reparenting_;
    setWindowFlags(flags);
    --reparenting_;
    updateFloatingVisibility();
  }
}

void TCustomToolWindowZ::SetHideWhenInactive(bool v) {
  hideWhenInactive_ = v;
  updateFloatingVisibility();
}

void TCustomToolWindowZ::SetLastDock(TDockZ* dock) {
  if (useLastDock_ && dockedTo_) dock = dockedTo_;
  if (dock == lastDock_) return;
  if (lastDock_ && lastDock_ != parentWidget()) lastDock_->RemoveFromWindowList(this);
  lastDock_ = dock;
  useLastDock_ = true;
  if (dock) dock->AddToWindowList(this);
}

void TCustomToolWindowZ::SetResizable(bool v) {
  resizable_ = v;
  if (!Docked()) Rearrange();
}

void TCustomToolWindowZ::SetShowCaption(bool v) {
  showCaption_ = v;
  if (!Docked()) Rearrange();
}

void TCustomToolWindowZ::SetUseLastDock(bool v) {
  if (useLastDock_ == v) return;
  useLastDock_ = v;
  if (v) {
    if (dockedTo_) lastDock_ = dockedTo_;
  } else {
    if (lastDock_ && lastDock_ != dockedTo_) lastDock_->RemoveFromWindowList(this);
    lastDock_ = nullptr;
  }
}

void TCustomToolWindowZ::setVisible(bool visible) {
  if (reparenting_ > 0) return QWidget::setVisible(visible);
  bool changed = userVisible_ != visible;
  userVisible_ = visible;
  if (Docked()) {
    QWidget::setVisible(visible);
    dockedTo_->ChangeVisibleList(this, visible);
  } else if (lastDockType_ >= 0) {
    updateFloatingVisibility();
  } else {
    QWidget::setVisible(visible);
  }
  if (changed && OnVisibleChanged) OnVisibleChanged(this);
}

bool TCustomToolWindowZ::floatingShouldShow() const {
  if (!userVisible_ || hideSuspend_ > 0) return false;
  if (floatingMode_ == fmOnTopOfParentForm) {
    if (!ownerForm_ || !ownerForm_->isVisible() || ownerForm_->isMinimized()) return false;
  }
  if (hideWhenInactive_ && QGuiApplication::applicationState() != Qt::ApplicationActive) return false;
  return true;
}

void TCustomToolWindowZ::updateFloatingVisibility() {
  if (Docked() || lastDockType_ < 0) return;
  bool show = floatingShouldShow();
  if (show != isVisible()) QWidget::setVisible(show);
}

QWidget* TCustomToolWindowZ::activationTarget() const {
  if (isVisible() && ownerForm_ && ownerForm_->window()->isVisible()) return ownerForm_->window();
  QWidget* topmost = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    const Qt::WindowType type = w->windowType();
    if (w == this || !w->isVisible() || !w->isEnabled() || type == Qt::Popup || type == Qt::ToolTip ||
        type == Qt::Desktop)
      continue;
    if (!(w->windowFlags() & Qt::WindowStaysOnTopHint)) return w;
    if (!topmost) topmost = w;
  }
  return topmost;
}

bool TCustomToolWindowZ::event(QEvent* e) {
  // A floating window does not keep the activation: the keyboard and the
  // active caption stay with its form.
  if (e->type() == QEvent::WindowActivate && isWindow() && !Docked() && lastDockType_ >= 0)
    if (QWidget* target = activationTarget(); target && target != this) target->activateWindow();
  return QWidget::event(e);
}

void TCustomToolWindowZ::hookNotice(HookKind kind, QObject* window, QEvent*) {
  if (Docked()) return;
  if (kind == HookKind::AppActivation) {
    updateFloatingVisibility();
  } else if (kind == HookKind::WindowPosChanged && floatingMode_ == fmOnTopOfParentForm && ownerForm_ &&
             window == ownerForm_.data()) {
    updateFloatingVisibility();
  }
}

void TCustomToolWindowZ::resizeEvent(QResizeEvent*) {
  if (updatingBounds_ == 0) SizeChanged(width(), height());
  if (disableOrder_ == 0 && lastDockType_ >= 0) {
    ++disableOrder_;
    ArrangeClient(true, lastDockType_, dockedTo_);
    --disableOrder_;
  }
  if (OnResize) OnResize(this);
}

void TCustomToolWindowZ::moveEvent(QMoveEvent*) {
  // Only the user's (or a caller's) moves of the floating window are its floating
  // position; moves while it changes parent are not.
  if (!Docked() && lastDockType_ >= 0 && isWindow() && reparenting_ == 0 && updatingBounds_ == 0)
    floatingPos_ = pos();
  if (Docked() && dockedTo_->HasBackground()) update();
  if (OnMove) OnMove(this);
}

void TCustomToolWindowZ::closeEvent(QCloseEvent* e) {
  // Closing the tool window asks its form to close.
  e->ignore();
  if (ownerForm_) ownerForm_->close();
}

QRect TCustomToolWindowZ::floatingCaptionRect() const {
  if (!showCaption_) return QRect();
  const int f = floatingFrame();
  return QRect(f, f, width() - 2 * f, CaptionHeight());
}

int TCustomToolWindowZ::hitTestFloating(QPoint p) const {
  // The client area and the caption are never sizing bands.
  if (!resizable_ || contentsRect().contains(p) || floatingCaptionRect().contains(p)) return -1;
  const int f = floatingFrame(), w = width(), h = height(), x = p.x(), y = p.y();
  if (!eightDirectionSizing_) {
    if (y >= 0 && y < f) return 2;
    if (y >= h - f - 1 && y < h) return 5;
    if (x >= 0 && x < f) return 0;
    if (x >= w - f - 1 && x < w) return 1;
    return -1;
  }
  const int corner = CaptionHeight() + f - 1;
  bool nearTop = y < corner, nearBottom = y >= h - corner, nearLeft = x < corner, nearRight = x >= w - corner;
  if (x >= 0 && x < f) return nearTop ? 3 : nearBottom ? 6 : 0;
  if (x >= w - f - 1 && x < w) return nearTop ? 4 : nearBottom ? 7 : 1;
  if (y >= 0 && y < f) return nearLeft ? 3 : nearRight ? 4 : 2;
  if (y >= h - f - 1 && y < h) return nearLeft ? 6 : nearRight ? 7 : 5;
  return -1;
}

void TCustomToolWindowZ::cancelLoop() {
  if (dragging_) endDrag(false);
  else if (sizingKind_ >= 0) endSizingLoop(false);
}

void TCustomToolWindowZ::mousePressEvent(QMouseEvent* e) {
  // While dragging or sizing, a left press cancels and other buttons do nothing.
  if (dragging_ || sizingKind_ >= 0) {
    if (e->button() == Qt::LeftButton) cancelLoop();
    return;
  }
  if (e->button() != Qt::LeftButton) return QWidget::mousePressEvent(e);
  QPoint p = e->position().toPoint();
  QPoint global = e->globalPosition().toPoint();
  if (!Docked()) {
    // A press brings the floating window up but leaves its form the active one.
    raise();
    if (floatingMode_ == fmOnTopOfParentForm && activateParent_ && ownerForm_) ownerForm_->activateWindow();
  }
  if (Docked() && !dockedTo_->AllowDrag()) return;
  // A press that a child passed on (a disabled button, an empty panel) does not drag.
  if (QWidget* child = childAt(p)) {
    while (child->parentWidget() != this) child = child->parentWidget();
    if (!ChildTransparentForDrag(child)) return;
  }
  QRect close = CloseButtonRect();
  if (!close.isEmpty() && close.contains(p)) {
    closeTracking_ = closePressed_ = true;
    update();
    return;
  }
  if (!Docked()) {
    int kind = hitTestFloating(p);
    if (kind >= 0) return startSizing(kind, global);
  }
  startDrag(global);
  if (e->modifiers() & Qt::ControlModifier) dragMove(global, true);
}

void TCustomToolWindowZ::mouseMoveEvent(QMouseEvent* e) {
  QPoint global = e->globalPosition().toPoint();
  if (dragging_) return dragMove(global, e->modifiers() & Qt::ControlModifier);
  if (sizingKind_ >= 0) return sizingMove(global);
  if (closeTracking_) {
    bool inside = CloseButtonRect().contains(e->position().toPoint());
    if (inside != closePressed_) {
      closePressed_ = inside;
      update();
    }
  }
}

void TCustomToolWindowZ::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  if (dragging_) return endDrag(true);
  if (sizingKind_ >= 0) return endSizingLoop(true);
  if (closeTracking_) {
    bool accepted = closePressed_;
    closeTracking_ = closePressed_ = false;
    update();
    if (accepted) {
      bool canClose = true;
      if (OnCloseQuery) OnCloseQuery(this, canClose);
      if (canClose) {
        setVisible(false);
        if (OnClose) OnClose(this);
      }
    }
  }
}

void TCustomToolWindowZ::mouseDoubleClickEvent(QMouseEvent* e) {
  if (dragging_ || sizingKind_ >= 0) {
    if (e->button() == Qt::LeftButton) cancelLoop();
    return;
  }
  if (e->button() != Qt::LeftButton) return;
  QPoint p = e->position().toPoint();
  if (QWidget* child = childAt(p)) {
    while (child->parentWidget() != this) child = child->parentWidget();
    if (!ChildTransparentForDrag(child)) return;
  }
  if (Docked()) {
    if (!dockedTo_->AllowDrag() || dockMode_ != dmCanFloat || !ownerForm_) return;
    dockTo(nullptr);
    move(keepOnWorkArea(geometry(), WorkAreaOfRect(geometry())).topLeft());
  } else {
    TDockZ* target = lastDock_ ? lastDock_.data() : defaultDock_.data();
    if (!target) return;
    slot_.dockRow = 0;
    slot_.dockPos = -8;
    dockTo(target);
    target->ArrangeToolbars();
  }
}

void TCustomToolWindowZ::keyPressEvent(QKeyEvent* e) {
  if (dragging_ || sizingKind_ >= 0) {
    if (e->key() == Qt::Key_Escape) cancelLoop();
    else if (e->key() == Qt::Key_Control && dragging_) dragMove(QCursor::pos(), true);
    return;
  }
  // Esc in a floating window hands the keyboard back to its form.
  if (!Docked() && e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier && ownerForm_) {
    ownerForm_->activateWindow();
    return;
  }
  QWidget::keyPressEvent(e);
}

void TCustomToolWindowZ::keyReleaseEvent(QKeyEvent* e) {
  if (dragging_ && e->key() == Qt::Key_Control) return dragMove(QCursor::pos(), false);
  QWidget::keyReleaseEvent(e);
}

void TCustomToolWindowZ::collectDocks(QWidget* root, std::vector<TDockZ*>& out) {
  if (!root || root == this) return;
  std::vector<TDockZ*> docks;
  std::vector<QWidget*> others;
  for (QObject* o : root->children()) {
    QWidget* w = qobject_cast<QWidget*>(o);
    if (!w || w == this || w->isWindow() || w->isHidden()) continue;
    if (TDockZ* d = dynamic_cast<TDockZ*>(w)) docks.push_back(d);
    else others.push_back(w);
  }
  std::stable_sort(docks.begin(), docks.end(), [](TDockZ* a, TDockZ* b) { return a->Position() < b->Position(); });
  for (TDockZ* d : docks) {
    collectDocks(d, out);
    if (d->AllowDrag() && (dockableTo_ & (1u << d->Position()))) out.push_back(d);
  }
  for (QWidget* w : others) collectDocks(w, out);
}

void TCustomToolWindowZ::RunDragLoop(int x, int y) {
  if (dragging_ || sizingKind_ >= 0) return;
  QMargins m = contentsMargins();
  startDrag(mapToGlobal(QPoint(x + m.left(), y + m.top())));
}

void TCustomToolWindowZ::AddDockForm(QWidget* form) {
  if (!form) return;
  std::erase_if(extraForms_, [](const QPointer<QWidget>& f) { return f.isNull(); });
  for (const QPointer<QWidget>& f : extraForms_)
    if (f == form) return;
  extraForms_.emplace_back(form);
}

void TCustomToolWindowZ::RemoveDockForm(QWidget* form) {
  std::erase_if(extraForms_, [form](const QPointer<QWidget>& f) { return f.isNull() || f == form; });
}

void TCustomToolWindowZ::startDrag(QPoint global) {
  grab_ = mapFromGlobal(global);
  reference_ = QSize(width() - 1, height() - 1);
  noDock_ = QGuiApplication::keyboardModifiers() & Qt::ControlModifier;
  candidates_.clear();
  targetSizes_.clear();
  std::vector<TDockZ*> docks;
  if (dockMode_ == dmCannotFloatOrChangeDocks) {
    if (dockedTo_) docks.push_back(dockedTo_);
  } else {
    collectDocks(ownerForm_, docks);
    for (const QPointer<QWidget>& form : extraForms_)
      if (form && form != ownerForm_ && form->isVisible()) collectDocks(form, docks);
  }
  ++disableOrder_;
  QSize fc = ArrangeClient(false, lastDockType_, nullptr);
  QMargins fm = NonClientFor(nullptr);
  floatSize_ = QSize(fc.width() + fm.left() + fm.right(), fc.height() + fm.top() + fm.bottom());
  for (TDockZ* d : docks) {
    candidates_.emplace_back(d);
    if (d == dockedTo_) {
      targetSizes_.push_back(size());
    } else {
      QSize c = ArrangeClient(false, lastDockType_, d);
      QMargins m = NonClientFor(d);
      targetSizes_.push_back(QSize(c.width() + m.left() + m.right(), c.height() + m.top() + m.bottom()));
    }
  }
  --disableOrder_;
  dragging_ = true;
  dragTarget_ = dockedTo_;
  dragRect_ = geometry();
  if (Docked()) dragRect_.moveTopLeft(mapToGlobal(QPoint(0, 0)));
  if (!outline_) outline_ = std::make_unique<QRubberBand>(QRubberBand::Rectangle);
  grabKeyboard();
  if (isVisible()) grabMouse();
}

void TCustomToolWindowZ::dragMove(QPoint cursor, bool ctrl) {
  if (!dragging_) return;
  noDock_ = ctrl;
  dragTarget_ = nullptr;
  QRect r;
  if (!noDock_) {
    for (size_t i = 0; i < candidates_.size(); ++i) {
      TDockZ* d = candidates_[i];
      if (!d) continue;
      QRect dr(d->mapToGlobal(QPoint(0, 0)), d->size());
      if (!dockHit(cursor, grab_, reference_, targetSizes_[i], dr, d->Vertical())) continue;
      bool accept = true;
      if (d->OnRequestDock) d->OnRequestDock(d, this, accept);
      if (!accept) continue;
      dragTarget_ = d;
      r = proportionalRect(cursor, grab_, reference_, targetSizes_[i]);
      break;
    }
  }
  if (!dragTarget_) {
    if (dockMode_ != dmCanFloat) {
      r = QRect();
      setCursor(Qt::ForbiddenCursor);
    } else {
      QRect work = WorkAreaOfPoint(cursor);
      QPoint c(std::clamp(cursor.x(), work.left(), work.right()), std::clamp(cursor.y(), work.top(), work.bottom()));
      r = proportionalRect(c, grab_, reference_, floatSize_);
      r = keepReachable(r, work, floatingFrame(), showCaption_ ? CaptionHeight() : 0);
      unsetCursor();
    }
  } else {
    unsetCursor();
  }
  dragRect_ = r;
  if (r.isEmpty()) {
    outline_->hide();
  } else {
    outline_->setGeometry(r);
    outline_->show();
  }
}

void TCustomToolWindowZ::endDrag(bool accept) {
  dragging_ = false;
  releaseKeyboard();
  releaseMouse();
  if (outline_) outline_->hide();
  unsetCursor();
  if (accept && !dragRect_.isEmpty()) finishMove(dragTarget_, dragRect_);
}

void TCustomToolWindowZ::finishMove(TDockZ* target, QRect rect) {
  if (target) {
    QMargins nc = target->NonClient();
    QRect local(target->mapFromGlobal(rect.topLeft()) - QPoint(nc.left(), nc.top()), rect.size());
    int across = target->Vertical() ? (local.left() + local.left() + local.width()) / 2
                                    : (local.top() + local.top() + local.height()) / 2;
    bool before = false;
    int row = target->RowSearch(across, before);
    if (before) {
      target->InsertRow(row);
    } else if (slot_.fullSize && target->OthersInRow(row, this) > 0) {
      ++row;
      target->InsertRow(row);
    }
    slot_.dockRow = row;
    slot_.dockPos = target->Vertical() ? local.top() : local.left();
    if (target != dockedTo_) dockTo(target);
    target->ArrangeToolbars(true);
  } else {
    floatingPos_ = rect.topLeft();
    if (Docked()) dockTo(nullptr);
    else move(floatingPos_);
  }
  if (!Docked()) move(keepOnWorkArea(geometry(), WorkAreaOfRect(geometry())).topLeft());
}

void TCustomToolWindowZ::startSizing(int kind, QPoint global) {
  sizingKind_ = kind;
  sizingStart_ = global;
  sizingStartRect_ = sizingRect_ = geometry();
  BeginSizing(kind);
  if (!outline_) outline_ = std::make_unique<QRubberBand>(QRubberBand::Rectangle);
  outline_->setGeometry(sizingRect_);
  outline_->show();
  grabKeyboard();
  if (isVisible()) grabMouse();
}

void TCustomToolWindowZ::sizingMove(QPoint global) {
  // On a single screen the cursor counts only within the work area.
  if (clipCursor_ && QGuiApplication::screens().size() <= 1) {
    const QRect work = ScreenWorkArea();
    global = QPoint(std::clamp(global.x(), work.left(), work.right()), std::clamp(global.y(), work.top(), work.bottom()));
  }
  QSize minClient = MinimumClientSize();
  QMargins m = NonClientFor(nullptr);
  QSize minimum(minClient.width() + m.left() + m.right(), minClient.height() + m.top() + m.bottom());
  QRect r = sizingRect(sizingKind_, sizingStartRect_, global - sizingStart_, minimum);
  SizingChanging(r);
  sizingRect_ = r;
  outline_->setGeometry(r);
}

void TCustomToolWindowZ::endSizingLoop(bool accept) {
  sizingKind_ = -1;
  releaseKeyboard();
  releaseMouse();
  if (outline_) outline_->hide();
  EndSizing(accept);
  if (accept) {
    setGeometry(sizingRect_);
    move(keepOnWorkArea(geometry(), WorkAreaOfRect(geometry())).topLeft());
  }
}

void TCustomToolWindowZ::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (Docked()) paintDockedFrame(p);
  else paintFloatingFrame(p);
}

void TCustomToolWindowZ::paintDockedFrame(QPainter& p) {
  const QPalette& pal = palette();
  bool dockBackground = dockedTo_->HasBackground() && dockedTo_->BackgroundOnToolbars();
  p.fillRect(rect(), color_);
  if (dockBackground) dockedTo_->PaintBackground(p, this, rect());
  if (borderStyle_ == bsSingle) drawRaisedInner(p, rect().adjusted(0, 0, -1, -1), pal);
  if (!dockedTo_->AllowDrag() || dragHandleStyle_ == dhNone) return;
  const bool vertical = dockedTo_->Vertical();
  const int idx = closeButtonWhenDocked_ ? 1 : 0;
  const int c = vertical ? width() - 4 : height() - 4;
  const int grips = dragHandleStyle_ == dhDouble ? 2 : 1;
  int start = kGripOffset[idx][dragHandleStyle_] + 2;
  for (int g = 0; g < grips; ++g, start += 3) {
    QRect bar = vertical ? QRect(2, start, c - (closeButtonWhenDocked_ ? DragHandleThickness() - 4 : 0), 3)
                         : QRect(start, closeButtonWhenDocked_ ? DragHandleThickness() : 2, 3,
                                 c - (closeButtonWhenDocked_ ? DragHandleThickness() - 2 : 0));
    drawRaisedInner(p, bar.adjusted(0, 0, -1, -1), pal);
  }
  QRect close = CloseButtonRect();
  if (!close.isEmpty()) drawCloseGlyph(p, close, closePressed_, pal);
}

void TCustomToolWindowZ::paintFloatingFrame(QPainter& p) {
  const QPalette& pal = palette();
  p.fillRect(rect(), color_);
  drawRaisedInner(p, rect().adjusted(0, 0, -1, -1), pal);
  drawRaisedInner(p, rect().adjusted(1, 1, -2, -2), pal);
  if (!showCaption_) return;
  const int f = floatingFrame(), ch = CaptionHeight();
  QRect caption(f, f, width() - 2 * f, ch - 1);
  bool active = QGuiApplication::applicationState() == Qt::ApplicationActive;
  p.fillRect(caption, pal.color(active ? QPalette::Active : QPalette::Inactive, QPalette::Highlight));
  p.setPen(pal.color(active ? QPalette::Active : QPalette::Inactive, QPalette::HighlightedText));
  QRect text = caption.adjusted(2, 0, -(CloseButtonRect().isEmpty() ? 2 : ch), 0);
  const QFontMetrics metrics = p.fontMetrics();
  p.drawText(text, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
             fitCaption(caption_, text.width(), [&metrics](const QString& s) { return metrics.horizontalAdvance(s); }));
  QRect close = CloseButtonRect();
  if (!close.isEmpty()) drawCloseGlyph(p, close, closePressed_, pal);
}

}  // namespace tbz
