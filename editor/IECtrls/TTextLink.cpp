#include "editor/IECtrls/TTextLink.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

TTextLink::TTextLink(QWidget* parent) : QLabel(parent) {
  setCursor(Qt::PointingHandCursor);
  QFont f = font();
  f.setUnderline(true);
  setFont(f);
  remembered_ = QColor(0, 0, 255);
  setTextColor(remembered_);
}

void TTextLink::setTextColor(const QColor& color) {
  QPalette p = palette();
  p.setColor(QPalette::WindowText, color);
  setPalette(p);
}

void TTextLink::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QLabel::mousePressEvent(event);
  pressed_ = true;
  if (PressedStyle == 0) setTextColor(Qt::red);
  update();
}

void TTextLink::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !pressed_) return QLabel::mouseReleaseEvent(event);
  pressed_ = false;
  setTextColor(remembered_);
  update();
  if (rect().contains(event->position().toPoint()) && OnClick) OnClick(*this);
}

void TTextLink::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (!pressed_ || PressedStyle != 1) return;
  QPainter painter(this);
  QStyleOptionFocusRect option;
  option.initFrom(this);
  option.rect = rect();
  style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}
