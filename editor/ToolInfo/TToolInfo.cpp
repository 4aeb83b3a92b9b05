#include "editor/ToolInfo/TToolInfo.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <qdrawutil.h>

#include "platform/qt/text/qt_text.h"

using platform::qt::qs;
using platform::qt::cp;

namespace {

constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;  // "&" drawn as it is

const QWidget* widgetOf(THintControl control) { return static_cast<const QWidget*>(control); }

}  // namespace

TToolInfo::TToolInfo(QWidget* owner)
    : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus) {
  setAttribute(Qt::WA_ShowWithoutActivating);
  setMouseTracking(true);
  QFont f("Tahoma");
  f.setPointSize(8);
  setFont(f);
  setAutoFillBackground(false);
  hide();

  tmHint.setInterval(THintController::kDelayMs);
  tmHint.setSingleShot(true);
  connect(&tmHint, &QTimer::timeout, this, [this] { controller_.OnTimer(); });

  controller_.HintOf = [](THintControl c) { return cp(widgetOf(c)->toolTip()); };
  controller_.ControlUnderMouse = [this](platform::TPoint& p) {
    const QPoint pos = QCursor::pos();
    p = {pos.x(), pos.y()};
    return controlAt(pos);
  };
  controller_.ClientToScreen = [](THintControl c, int x, int y) {
    const QPoint p = widgetOf(c)->mapToGlobal(QPoint(x, y));
    return platform::TPoint{p.x(), p.y()};
  };
  controller_.MeasureText = [this](const std::string& text, int maxWidth) {
    const QRect r = fontMetrics().boundingRect(QRect(0, 0, maxWidth, 100000), kTextFlags, qs(text));
    return platform::TPoint{r.width(), r.height()};
  };
  controller_.ScreenWidth = [this] {
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    return s ? s->geometry().width() : 640;
  };
  controller_.ShowWindow = [this](const platform::TRect& b, const std::string& text) {
    text_ = qs(text);
    setGeometry(b.Left, b.Top, b.Right - b.Left, b.Bottom - b.Top);
    show();
    raise();
    update();
  };
  controller_.HideWindow = [this] { hide(); };
  controller_.StartTimer = [this](int ms) { tmHint.start(ms); };
  controller_.StopTimer = [this] { tmHint.stop(); };
}

void TToolInfo::AttachControl(QWidget* control) {
  if (!control || !controls_.insert(control).second) return;
  control->setMouseTracking(true);
  control->installEventFilter(this);
  connect(control, &QObject::destroyed, this, [this, control] {
    controls_.erase(control);
    if (controller_.Remembered() == control) controller_.Hide();
  });
  for (QWidget* part : control->findChildren<QWidget*>()) {
    if (!parts_.emplace(part, control).second) continue;
    part->installEventFilter(this);
    connect(part, &QObject::destroyed, this, [this, part] { parts_.erase(part); });
  }
}

void TToolInfo::AttachHider(QWidget* widget) {
  if (!widget || !hiders_.insert(widget).second) return;
  widget->setMouseTracking(true);
  widget->installEventFilter(this);
  connect(widget, &QObject::destroyed, this, [this, widget] { hiders_.erase(widget); });
}

void TToolInfo::AttachWindow(QWidget* window) {
  if (!window || !windows_.insert(window).second) return;
  window->installEventFilter(this);
  connect(window, &QObject::destroyed, this, [this, window] { windows_.erase(window); });
}

THintControl TToolInfo::controlAt(const QPoint& globalPos) const {
  // widgetAt finds disabled widgets too; a child of a control counts as the control.
  for (const QWidget* w = QApplication::widgetAt(globalPos); w; w = w->parentWidget())
    if (controls_.count(w)) return w;
  return nullptr;
}

bool TToolInfo::eventFilter(QObject* watched, QEvent* event) {
  if (controls_.count(watched)) {
    if (event->type() == QEvent::ToolTip) return true;  // our window shows it
    if (event->type() == QEvent::MouseMove) {
      const QPoint p = static_cast<QMouseEvent*>(event)->position().toPoint();
      controller_.OnMove(watched, p.x(), p.y());
    }
  } else if (auto part = parts_.find(watched); part != parts_.end()) {
    if (event->type() == QEvent::ToolTip) return true;
    if (event->type() == QEvent::MouseMove) {
      const QPoint p = static_cast<QWidget*>(watched)->mapTo(
          part->second, static_cast<QMouseEvent*>(event)->position().toPoint());
      controller_.OnMove(part->second, p.x(), p.y());
    }
  } else if (hiders_.count(watched)) {
    // A move that a control let through to the panel around it is the control's.
    if (event->type() == QEvent::MouseMove) {
      auto* panel = static_cast<QWidget*>(watched);
      const QWidget* under = panel->childAt(static_cast<QMouseEvent*>(event)->position().toPoint());
      bool overControl = false;
      for (const QWidget* w = under; w && w != panel && !overControl; w = w->parentWidget())
        overControl = controls_.count(w) > 0;
      if (!overControl) controller_.Hide();
    }
  } else if (windows_.count(watched)) {
    if (event->type() == QEvent::WindowDeactivate) controller_.Hide();
  }
  return QWidget::eventFilter(watched, event);
}

void TToolInfo::mouseMoveEvent(QMouseEvent*) { controller_.Hide(); }

void TToolInfo::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::ToolTipBase));
  qDrawShadePanel(&painter, rect(), palette(), false, 1);
  painter.setPen(palette().color(QPalette::ToolTipText));
  painter.drawText(rect().adjusted(4, 3, -4, -3), kTextFlags, text_);
}
