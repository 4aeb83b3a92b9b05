#include "platform/qt/display/screen_window.h"

#include <QCloseEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

#include "platform/app/application.h"
#include "platform/core/keys.h"
#include "platform/core/text_encoding.h"
#include "platform/qt/display/qt_keys.h"

namespace platform::qt {

namespace {
TShiftState shiftOf(Qt::KeyboardModifiers m, Qt::MouseButtons b = Qt::NoButton) {
  TShiftState s = 0;
  if (m & Qt::ShiftModifier) s |= ssShift;
  if (m & Qt::AltModifier) s |= ssAlt;
  if (m & Qt::ControlModifier) s |= ssCtrl;
  if (b & Qt::LeftButton) s |= ssLeft;
  if (b & Qt::RightButton) s |= ssRight;
  if (b & Qt::MiddleButton) s |= ssMiddle;
  return s;
}
}  // namespace

ScreenWindow::ScreenWindow(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  resize(320, 240);
}

ScreenWindow::~ScreenWindow() = default;

int ScreenWindow::Width() const { return frameGeometry().width(); }
int ScreenWindow::Height() const { return frameGeometry().height(); }

void ScreenWindow::SetClientSize(int w, int h) { resize(std::max(w, 1), std::max(h, 1)); }

void ScreenWindow::PrepareFullScreen() {
  setWindowFlags(windowFlags() | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
  QPalette p = palette();
  p.setColor(QPalette::Window, Qt::black);
  setPalette(p);
}

TPoint ScreenWindow::ClientOrigin() const {
  const QPoint o = mapToGlobal(QPoint(0, 0));
  return {o.x(), o.y()};
}

TRect ScreenWindow::DisplayArea() const {
  const QRect r = targetRect({0, 0, width(), height()});
  return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

std::optional<TPoint> ScreenWindow::CursorPos() const {
  const QPoint p = QCursor::pos();
  return TPoint{p.x(), p.y()};
}

void ScreenWindow::SetCursor(TCursor c) {
  cursor_ = c;
  if (c == crNone) setCursor(Qt::BlankCursor);
  else unsetCursor();
}

QRect ScreenWindow::targetRect(const TRect& dest) const {
  if (!displayMode_) return QRect(dest.Left, dest.Top, dest.width(), dest.height());
  // Full screen: the mode's area as large as fits, keeping its shape.
  const int mw = std::max(modeWidth_, 1), mh = std::max(modeHeight_, 1);
  int w = width(), h = int(int64_t(width()) * mh / mw);
  if (h > height()) {
    h = height();
    w = int(int64_t(height()) * mw / mh);
  }
  return QRect((width() - w) / 2, (height() - h) / 2, w, h);
}

void ScreenWindow::present(const FrameView& frame, const TRect& source, const TRect& dest) {
  lastDest_ = dest;
  const QRect target = targetRect(dest);
  if (shown_.width() != target.width() || shown_.height() != target.height())
    shown_ = QImage(std::max(target.width(), 1), std::max(target.height(), 1), QImage::Format_RGB32);
  // Rendered straight into the painted image: a copy of the whole scaled frame
  // would cost as much again as the scaling.
  if (!target.isEmpty())
    scaler_.renderInto(frame, source, target.width(), target.height(), reinterpret_cast<uint32_t*>(shown_.bits()),
                       int(shown_.bytesPerLine() / 4));
  shownRect_ = target;
  update();
}

void ScreenWindow::setDisplayMode(int w, int h, int) {
  displayMode_ = true;
  modeWidth_ = w;
  modeHeight_ = h;
  setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
  showFullScreen();
}

void ScreenWindow::restoreDisplayMode() {
  if (!displayMode_) return;
  displayMode_ = false;
  showNormal();
}

void ScreenWindow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::black);
  if (!shown_.isNull() && !shownRect_.isEmpty()) p.drawImage(shownRect_.topLeft(), shown_);
  p.end();
  if (OnPaint) OnPaint(*this);
}

bool ScreenWindow::event(QEvent* e) {
  // Alt and F10 belong to the game: no menu takes them as a shortcut first.
  if (e->type() == QEvent::ShortcutOverride) {
    auto* k = static_cast<QKeyEvent*>(e);
    if (k->key() == Qt::Key_Alt || k->key() == Qt::Key_AltGr || k->key() == Qt::Key_F10) {
      e->accept();
      return true;
    }
  }
  if (e->type() == QEvent::KeyPress || e->type() == QEvent::KeyRelease) {
    auto* k = static_cast<QKeyEvent*>(e);
    if (k->key() == Qt::Key_Alt || k->key() == Qt::Key_AltGr || k->key() == Qt::Key_Tab) {
      handleKey(k, e->type() == QEvent::KeyPress);
      return true;
    }
  }
  return QWidget::event(e);
}

void ScreenWindow::handleKey(QKeyEvent* e, bool down) {
  const uint16_t vk = virtualKeyFromQt(e->key(), e->modifiers() & Qt::KeypadModifier);
  e->accept();
  if (vk == 0 && e->text().isEmpty()) return;
  if (vk != 0) {
    if (down) keyState().keyDown(vk);
    else if (!e->isAutoRepeat()) keyState().keyUp(vk);
  }
  application().Guarded([&] {
    uint16_t key = vk;
    if (down) {
      if (key != 0 && OnKeyDown) OnKeyDown(*this, key, shiftOf(e->modifiers()));
      const std::string text = utf8ToCp1252(e->text().toStdString());
      if (!text.empty() && OnKeyPress) {
        char c = text[0];
        OnKeyPress(*this, c);
      }
    } else if (!e->isAutoRepeat() && key != 0 && OnKeyUp) {
      OnKeyUp(*this, key, shiftOf(e->modifiers()));
    }
  });
}

void ScreenWindow::keyPressEvent(QKeyEvent* e) { handleKey(e, true); }
void ScreenWindow::keyReleaseEvent(QKeyEvent* e) { handleKey(e, false); }

void ScreenWindow::mousePressEvent(QMouseEvent* e) {
  pressed_ = true;
  const TMouseButton b = e->button() == Qt::RightButton ? mbRight : e->button() == Qt::MiddleButton ? mbMiddle : mbLeft;
  const QPoint p = e->position().toPoint();
  application().Guarded([&] {
    if (OnMouseDown) OnMouseDown(*this, b, shiftOf(e->modifiers(), e->buttons()), p.x(), p.y());
  });
}

void ScreenWindow::mouseReleaseEvent(QMouseEvent* e) {
  if (pressed_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
    application().Guarded([&] {
      if (OnClick) OnClick(*this);
    });
  pressed_ = false;
}

void ScreenWindow::mouseMoveEvent(QMouseEvent* e) {
  const QPoint p = e->position().toPoint();
  application().Guarded([&] {
    if (OnMouseMove) OnMouseMove(*this, shiftOf(e->modifiers(), e->buttons()), p.x(), p.y());
  });
}

void ScreenWindow::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  application().Guarded([&] {
    if (OnResize) OnResize(*this);
  });
}

void ScreenWindow::closeEvent(QCloseEvent* e) {
  bool canClose = true;
  application().Guarded([&] {
    if (OnCloseQuery) OnCloseQuery(*this, canClose);
  });
  if (!canClose) {
    e->ignore();
    return;
  }
  application().Guarded([&] {
    if (OnClose) OnClose(*this);
  });
  e->accept();
}

void ScreenWindow::changeEvent(QEvent* e) {
  QWidget::changeEvent(e);
  if (e->type() != QEvent::ActivationChange) return;
  if (isActiveWindow()) {
    application().SetActive(true);
    application().Guarded([&] {
      if (OnActivate) OnActivate(*this);
    });
  } else {
    keyState().clear();
    application().Guarded([&] {
      if (OnDeactivate) OnDeactivate(*this);
    });
  }
}

void ScreenWindow::focusOutEvent(QFocusEvent* e) {
  QWidget::focusOutEvent(e);
  keyState().clear();
}

}  // namespace platform::qt
