#include "toolbars/TBZCtls/TBZCtls.h"

#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QShortcut>
#include <algorithm>

#include "toolbars/TBZ/TBZ.h"
#include "toolbars/TBZCtls/button_paint.h"

namespace tbz {
namespace {

constexpr int kHotTimerInterval = 125;

// What all buttons share: the timer that watches the button under the mouse.
struct SharedButtons {
  int count = 0;
  std::unique_ptr<QTimer> hotTimer;
  QPointer<TToolbarButtonZ> hot;
};
SharedButtons& shared() {
  static SharedButtons s;
  return s;
}

}  // namespace

// Watches the button's window for Enter, Esc and the caption's accelerator that
// no control of the window took.
class TToolbarButtonZ::KeyFilter : public QObject {
 public:
  explicit KeyFilter(TToolbarButtonZ* button) : button_(button) {}
  void watch(QWidget* window) {
    if (window == window_) return;
    if (window_) window_->removeEventFilter(this);
    window_ = window;
    if (window_) window_->installEventFilter(this);
  }
  ~KeyFilter() override { watch(nullptr); }
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (e->type() != QEvent::KeyPress || watched != window_ || button_->window() != window_) return false;
    const auto* k = static_cast<QKeyEvent*>(e);
    return button_->windowKey(k->key(), k->modifiers(), k->text());
  }

 private:
  TToolbarButtonZ* button_;
  QPointer<QWidget> window_;
};

TToolbarButtonZ::TToolbarButtonZ(QWidget* parent) : QWidget(parent), keyFilter_(std::make_unique<KeyFilter>(this)) {
  ++shared().count;
  resize(23, 22);
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent, true);
  glyph_.OnChange = [this] { update(); };
  repeatTimer_.setSingleShot(false);
  QObject::connect(&repeatTimer_, &QTimer::timeout, this, [this] { repeatTick(); });
  RegisterHookProc(this, hookBit(HookKind::AppActivation) | hookBit(HookKind::MouseMoved));
  watchWindowKeys();
  show();
}

TToolbarButtonZ::~TToolbarButtonZ() {
  UnregisterHookProc(this);
  SharedButtons& s = shared();
  if (s.hot == this) s.hot = nullptr;
  // The last button takes the shared timer and dither pattern with it.
  if (--s.count == 0) {
    s.hotTimer.reset();
    FreeDither();
  }
}

TToolbarButtonZ* TToolbarButtonZ::HotButton() { return shared().hot; }
bool TToolbarButtonZ::HotTimerActive() { return shared().hotTimer && shared().hotTimer->isActive(); }

QColor TToolbarButtonZ::Color() const { return color_ ? *color_ : palette().color(QPalette::Button); }

void TToolbarButtonZ::SetColor(const QColor& c) {
  color_ = c;
  update();
}

// Alt with the accelerator goes through the window's shortcuts, so that it works
// whatever control has the focus; the plain key comes through the key filter.
void TToolbarButtonZ::SetCaption(const QString& c) {
  caption_ = c;
  const QChar accel = CaptionAccelerator(c);
  if (accel.isNull()) {
    delete altAccelerator_;
    altAccelerator_ = nullptr;
  } else {
    if (!altAccelerator_) {
      altAccelerator_ = new QShortcut(this);
      QObject::connect(altAccelerator_, &QShortcut::activated, this, [this] {
        if (acceleratorUsable()) Click();
      });
    }
    altAccelerator_->setKey(QKeySequence(QStringLiteral("Alt+") + accel));
  }
  update();
}

void TToolbarButtonZ::setState(TButtonState s) {
  if (state_ == s) return;
  state_ = s;
  update();
}

// The state a button returns to when nothing presses it.
TButtonState TToolbarButtonZ::restState() const {
  if (!isEnabled()) return bsDisabled;
  if (down_) return bsExclusive;
  return mouseInside_ ? bsHot : bsUp;
}

void TToolbarButtonZ::SetDown(bool v) {
  if (groupIndex_ == 0) v = false;
  if (v == down_) return;
  if (down_ && !allowAllUp_) return;
  down_ = v;
  setState(!isEnabled() ? bsDisabled : v ? bsExclusive : bsUp);
  update();
  if (v) updateGroup();
}

void TToolbarButtonZ::SetAllowAllUp(bool v) {
  allowAllUp_ = v;
  updateGroup();
}

void TToolbarButtonZ::SetGroupIndex(int v) {
  groupIndex_ = v;
  if (v == 0 && down_) {
    down_ = false;
    setState(restState());
  }
  updateGroup();
}

// One button of a group is down at a time; the group shares AllowAllUp.
void TToolbarButtonZ::updateGroup() {
  if (groupIndex_ == 0 || !parentWidget()) return;
  for (QObject* o : parentWidget()->children()) {
    auto* b = dynamic_cast<TToolbarButtonZ*>(o);
    if (!b || b == this || b->groupIndex_ != groupIndex_) continue;
    if (down_ && b->down_) {
      b->down_ = false;
      b->setState(b->isEnabled() ? bsUp : bsDisabled);
    }
    b->allowAllUp_ = allowAllUp_;
  }
}

void TToolbarButtonZ::SetDropdownArrowWidth(int v) {
  v = std::max(v, 7);
  if (v == dropdownArrowWidth_) return;
  if (dropdownCombo_) resize(std::max(1, width() + v - dropdownArrowWidth_), height());
  dropdownArrowWidth_ = v;
  update();
}

void TToolbarButtonZ::SetDropdownCombo(bool v) {
  if (v == dropdownCombo_) return;
  dropdownCombo_ = v;
  resize(std::max(1, width() + (v ? 1 : -1) * (dropdownArrowWidth_ + 2)), height());
  update();
}

void TToolbarButtonZ::SetDropdownMenu(QMenu* m) {
  dropdownMenu_ = m;
  if (m) TDropdownList::Instance().AddMenu(m);
  update();
}

// Flat, see-through buttons let the parent's painting show around their content.
void TToolbarButtonZ::SetFlat(bool v) {
  flat_ = v;
  setAttribute(Qt::WA_OpaquePaintEvent, opaque_ || !flat_);
  update();
}

void TToolbarButtonZ::SetOpaque(bool v) {
  opaque_ = v;
  setAttribute(Qt::WA_OpaquePaintEvent, opaque_ || !flat_);
  update();
}

bool TToolbarButtonZ::Pushed() const {
  return (state_ == bsDown || state_ == bsExclusive) && !(comboShown() && arrowPressed_);
}

bool TToolbarButtonZ::BorderShown() const {
  if (noBorder_) return false;
  if (!flat_) return true;
  return Pushed() || (mouseInside_ && state_ != bsDisabled);
}

bool TToolbarButtonZ::insideMain(QPoint p) const {
  if (!rect().contains(p)) return false;
  return !(comboShown() && p.x() >= width() - dropdownArrowWidth_ - 2);
}

// --- the button under the mouse ---

void TToolbarButtonZ::mouseEntered() {
  SharedButtons& s = shared();
  if (s.hot == this) return;
  if (!showBorderWhenInactive_ && !ApplicationActive()) return;
  if (s.hot) s.hot->mouseExit();
  s.hot = this;
  mouseInside_ = true;
  if (state_ == bsUp && isEnabled()) setState(bsHot);
  update();
  if (!s.hotTimer) {
    s.hotTimer = std::make_unique<QTimer>();
    QObject::connect(s.hotTimer.get(), &QTimer::timeout, [] {
      if (shared().hot) shared().hot->hotTick();
      else shared().hotTimer->stop();
    });
  }
  s.hotTimer->start(kHotTimerInterval);
  if (OnMouseEnter) OnMouseEnter(this);
}

void TToolbarButtonZ::hotTick() {
  if (!isVisible() || QApplication::widgetAt(QCursor::pos()) != this) mouseExit();
}

void TToolbarButtonZ::mouseExit() {
  SharedButtons& s = shared();
  if (s.hot == this) {
    s.hot = nullptr;
    if (s.hotTimer) s.hotTimer->stop();
  }
  if (!mouseInside_) return;
  mouseInside_ = false;
  if (state_ == bsHot || (state_ == bsDown && !held_ && !inClick_ && !menuOpen_)) setState(down_ ? bsExclusive : bsUp);
  update();
  if (OnMouseExit) OnMouseExit(this);
}

void TToolbarButtonZ::enterEvent(QEnterEvent*) { mouseEntered(); }

void TToolbarButtonZ::leaveEvent(QEvent*) {
  if (!held_) mouseExit();
}

void TToolbarButtonZ::hookNotice(HookKind kind, QObject* window, QEvent*) {
  if (kind == HookKind::AppActivation) {
    if (!showBorderWhenInactive_ && !ApplicationActive()) mouseExit();
  } else if (kind == HookKind::MouseMoved && mouseInside_ && window != this && !held_) {
    mouseExit();
  }
}

void TToolbarButtonZ::changeEvent(QEvent* e) {
  if (e->type() == QEvent::EnabledChange) {
    if (!isEnabled()) captureLost();
    setState(!isEnabled() ? bsDisabled : down_ ? bsExclusive : bsUp);
  } else if (e->type() == QEvent::PaletteChange) {
    // New colours: the dither pattern and the disabled images are built again.
    DropDitherIfColoursChanged(palette());
    glyph_.Invalidate();
    update();
  }
  QWidget::changeEvent(e);
}

bool TToolbarButtonZ::event(QEvent* e) {
  if (e->type() == QEvent::ParentChange || e->type() == QEvent::Show) watchWindowKeys();
  // Another window became active (a dialog, another program): the mouse went with
  // it, unless the button is still held on this one.
  if (e->type() == QEvent::WindowDeactivate && !stillHeld()) captureLost();
  return QWidget::event(e);
}

void TToolbarButtonZ::hideEvent(QHideEvent* e) {
  held_ = false;
  repeatTimer_.stop();
  mouseExit();
  QWidget::hideEvent(e);
}

// --- keys of the window ---

void TToolbarButtonZ::watchWindowKeys() { keyFilter_->watch(window()); }

bool TToolbarButtonZ::windowKey(int key, Qt::KeyboardModifiers mods, const QString& text) {
  if (!isEnabled() || !isVisible()) return false;
  mods &= ~Qt::KeypadModifier;
  const bool plain = mods == Qt::NoModifier;
  if (((key == Qt::Key_Return || key == Qt::Key_Enter) && default_ && plain) ||
      (key == Qt::Key_Escape && cancel_ && plain)) {
    Click();
    return true;
  }
  if (!acceleratorUsable() || (!plain && mods != Qt::AltModifier)) return false;
  const QChar accel = CaptionAccelerator(caption_);
  if (accel.isNull()) return false;
  const bool match = (accel.unicode() < 0x80 && key == accel.unicode()) ||
                     (!text.isEmpty() && text.at(0).toUpper() == accel);
  if (!match) return false;
  Click();
  return true;
}

bool TToolbarButtonZ::acceleratorUsable() const {
  return isEnabled() && isVisible() && displayMode_ != dmGlyphOnly && parentWidget() && parentWidget()->isVisible();
}

// --- mouse ---

void TToolbarButtonZ::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton || !isEnabled()) return QWidget::mousePressEvent(e);
  mouseEntered();
  const QPoint p = e->position().toPoint();
  arrowPressed_ = HasDropdown() && (!dropdownCombo_ || p.x() >= width() - dropdownArrowWidth_ - 2);
  if (!down_ || allowAllUp_) setState(bsDown);
  held_ = !arrowPressed_;
  if (arrowPressed_) {
    Click();
  } else if (repeating_) {
    Click();
    repeatTimer_.start(repeatDelay_);
  }
}

void TToolbarButtonZ::repeatTick() {
  repeatTimer_.setInterval(repeatInterval_);
  if (held_ && !mouseCaptured()) captureLost();
  if (held_ && state_ == bsDown) {
    if (OnClick) OnClick(this);
  } else {
    repeatTimer_.stop();
  }
}

bool TToolbarButtonZ::mouseCaptured() const {
  const QWidget* grabber = QWidget::mouseGrabber();
  return (!grabber || grabber == this) && !QApplication::activePopupWidget();
}

// The left button is still down over this window, which still has the mouse.
bool TToolbarButtonZ::stillHeld() const {
  const QWidget* modal = QApplication::activeModalWidget();
  return held_ && (QGuiApplication::mouseButtons() & Qt::LeftButton) && mouseCaptured() &&
         (!modal || modal == window());
}

void TToolbarButtonZ::captureLost() {
  repeatTimer_.stop();
  if (!held_) return;
  held_ = false;
  setState(restState());
}

void TToolbarButtonZ::mouseMoveEvent(QMouseEvent* e) {
  const QPoint p = e->position().toPoint();
  // Moved without the button: it was let go where this button could not see it.
  if (held_ && !(e->buttons() & Qt::LeftButton)) captureLost();
  if (!held_) {
    if (rect().contains(p)) mouseEntered();
    return;
  }
  setState(down_ ? bsExclusive : insideMain(p) ? bsDown : bsUp);
}

void TToolbarButtonZ::mouseReleaseEvent(QMouseEvent* e) {
  repeatTimer_.stop();
  if (e->button() == Qt::RightButton) held_ = false;
  if (e->button() != Qt::LeftButton) return;
  const bool wasHeld = held_;
  held_ = false;
  if (arrowPressed_) return;
  const QPoint p = e->position().toPoint();
  if (wasHeld && !repeating_ && insideMain(p)) {
    Click();
  } else {
    if (!rect().contains(p)) mouseExit();
    setState(restState());
  }
}

void TToolbarButtonZ::mouseDoubleClickEvent(QMouseEvent* e) {
  if (down_ && OnDblClick) OnDblClick(this);
  else mousePressEvent(e);
}

// --- click and drop-down ---

void TToolbarButtonZ::Click() {
  if (repeating_ && held_) {
    if (OnClick) OnClick(this);
    return;
  }
  QPointer<TToolbarButtonZ> self(this);
  inClick_ = true;
  if (groupIndex_ != 0 && !arrowPressed_) SetDown(!down_);
  setState(bsDown);
  if (HasDropdown() && (!dropdownCombo_ || arrowPressed_)) {
    if (!dropdownCombo_ && OnClick) OnClick(this);
    if (self) dropdown();
  } else {
    // A modal dialog takes the result first, so OnClick may still take it back.
    QPointer<QDialog> dialog = modalResult_ != mrNone ? qobject_cast<QDialog*>(window()) : nullptr;
    if (dialog && !dialog->isModal()) dialog = nullptr;
    if (dialog) dialog->setResult(modalResult_);
    if (OnClick) OnClick(this);
    if (dialog && dialog->result() != mrNone) dialog->done(dialog->result());
  }
  if (!self) return;  // OnClick may close and free the window
  inClick_ = false;
  // An open menu keeps the arrow part pressed until it closes.
  if (!menuOpen_) {
    arrowPressed_ = false;
    setState(restState());
  }
}

void TToolbarButtonZ::dropdown() {
  bool showMenu = dropdownMenu_ != nullptr, removeClicks = true;
  if (OnDropdown) OnDropdown(this, showMenu, removeClicks);
  if (!showMenu || !dropdownMenu_) return;
  // Below the button; beside it in a left or right dock.
  QPoint at = mapToGlobal(QPoint(0, height()));
  TDockZ* dock = nullptr;
  for (QWidget* p = parentWidget(); p && !dock; p = p->parentWidget()) dock = dynamic_cast<TDockZ*>(p);
  if (dock && dock->Position() == dpLeft) at = mapToGlobal(QPoint(width(), 0));
  if (dock && dock->Position() == dpRight) at = mapToGlobal(QPoint(0, 0)) - QPoint(dropdownMenu_->sizeHint().width(), 0);
  menuOpen_ = true;
  QPointer<TToolbarButtonZ> self(this);
  QObject::connect(dropdownMenu_, &QMenu::aboutToHide, this, [self, removeClicks] {
    if (!self) return;
    self->menuOpen_ = false;
    self->arrowPressed_ = false;
    if (removeClicks) self->removeClicksAfterMenu();
    self->setState(self->restState());
  }, Qt::SingleShotConnection);
  dropdownMenu_->popup(at);
}

// The press that closes a menu over its button would open it again: presses and
// double clicks over the button that arrive before the event loop is idle again
// are dropped; everything else passes in its order.
namespace {
class ClickSweeper : public QObject {
 public:
  explicit ClickSweeper(QWidget* button) : button_(button) {}
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() != QEvent::MouseButtonPress && e->type() != QEvent::MouseButtonDblClick) return false;
    if (!button_ || !button_->isVisible()) return false;
    const QPoint global = static_cast<QMouseEvent*>(e)->globalPosition().toPoint();
    return QRect(button_->mapToGlobal(QPoint(0, 0)), button_->size()).contains(global);
  }

 private:
  QPointer<QWidget> button_;
};
}  // namespace

void TToolbarButtonZ::removeClicksAfterMenu() {
  auto* sweeper = new ClickSweeper(this);
  qApp->installEventFilter(sweeper);
  QTimer::singleShot(0, sweeper, [sweeper] {
    qApp->removeEventFilter(sweeper);
    sweeper->deleteLater();
  });
}

// --- painting ---

void TToolbarButtonZ::paintEvent(QPaintEvent*) {
  QPainter out(this);
  if (opaque_ || !flat_) {
    // Off-screen first, so the button never shows half drawn.
    QPixmap buffer(size() * devicePixelRatio());
    buffer.setDevicePixelRatio(devicePixelRatio());
    buffer.fill(Color());
    QPainter p(&buffer);
    p.setFont(font());
    paintButton(p);
    p.end();
    out.drawPixmap(0, 0, buffer);
  } else {
    paintButton(out);
  }
}

void TToolbarButtonZ::paintButton(QPainter& p) {
  const QPalette& pal = palette();
  const bool pushed = Pushed(), combo = comboShown();
  QRect main = rect();
  QRect arrowPart;
  if (combo) {
    arrowPart = QRect(width() - dropdownArrowWidth_ - 2, 0, dropdownArrowWidth_ + 2, height());
    main.setRight(arrowPart.left() - 1);
  }
  if (BorderShown()) {
    const unsigned edges[2][2] = {{EDGE_RAISED, EDGE_SUNKEN}, {BDR_RAISEDINNER, BDR_SUNKENOUTER}};
    const unsigned flags = flat_ ? BF_RECT : BF_RECT | BF_MIDDLE | BF_SOFT;
    DrawEdge(p, main, edges[flat_][pushed], flags, pal);
    if (combo) DrawEdge(p, arrowPart, edges[flat_][arrowPressed_ && state_ == bsDown], flags, pal);
  }
  if (pushed && state_ == bsExclusive && highlightWhenDown_ && !(flat_ && mouseInside_)) {
    const int border = flat_ ? 1 : 2;
    p.fillRect(main.adjusted(border, border, -border, -border), DitherBrush(pal));
  }
  TButtonDrawParams params;
  params.client = main;
  params.caption = caption_;
  params.state = state_;
  params.displayMode = displayMode_;
  params.layout = layout_;
  params.alignment = alignment_;
  params.margin = margin_;
  params.spacing = spacing_;
  params.wordWrap = wordWrap_;
  params.pushed = pushed;
  params.dropArrow = dropdownArrow_ && !combo && HasDropdown();
  params.arrowWidth = dropdownArrowWidth_;
  glyph_.DrawButton(p, params, pal);
  if (combo) {
    const QPoint centre(arrowPart.left() + arrowPart.width() / 2, height() / 2 - 1);
    DrawDropdownArrow(p, centre - QPoint(2, 0), isEnabled(), pal, pal.color(QPalette::ButtonText));
  }
}

}  // namespace tbz
