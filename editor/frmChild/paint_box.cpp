#include "editor/frmChild/paint_box.h"

#include <QImage>
#include <QMenu>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "editor/frmChild/child_view.h"
#include "platform/app/application.h"

QImage ImageOfBitmap(const platform::GdiBitmap& bitmap) {
  if (bitmap.Empty()) return {};
  QImage image(bitmap.Width(), bitmap.Height(), QImage::Format_RGB32);
  for (int y = 0; y < bitmap.Height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < bitmap.Width(); ++x) row[x] = 0xFF000000u | bitmap.Pixel32(x, y);
  }
  return image;
}

TPaintBox::TPaintBox(TChildView& view, QMenu* popup, QWidget* parent)
    : QWidget(parent), view_(view), popup_(popup) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPaintBox::paintEvent(QPaintEvent* event) {
  // Only the part to be painted: the scroll box shows a window of the level.
  const QRect exposed = event->rect() & rect();
  platform::GdiBitmap picture;
  view_.PaintPb(picture, {exposed.left(), exposed.top(), exposed.right() + 1, exposed.bottom() + 1});
  QPainter painter(this);
  if (picture.Empty()) painter.fillRect(exposed, palette().base());
  else painter.drawImage(exposed.topLeft(), ImageOfBitmap(picture));
}

void TPaintBox::mousePressEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  const TMouseButton button = event->button() == Qt::RightButton ? mbRight
                              : event->button() == Qt::MiddleButton ? mbMiddle : mbLeft;
  // A bad object line ends the click where it was met, without a message.
  platform::application().Guarded([&] { view_.MouseDown(button, p.x(), p.y()); });
  if (button == mbRight && popup_) popup_->popup(event->globalPosition().toPoint());
}

void TPaintBox::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  const bool leftHeld = event->buttons() & Qt::LeftButton;
  platform::application().Guarded([&] { view_.MouseMove(leftHeld, p.x(), p.y()); });
}

TRuler::TRuler(TChildView& view, Qt::Orientation orientation, QWidget* parent)
    : QWidget(parent), view_(view), orientation_(orientation) {
  QFont font("Small Fonts");
  font.setPixelSize(8);
  setFont(font);
}

void TRuler::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().button());
  painter.setPen(palette().dark().color());
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
  const TDocument& doc = view_.Doc;
  const bool horizontal = orientation_ == Qt::Horizontal;
  const int count = horizontal ? doc.Width : doc.Height;
  const int step = doc.ResFactor;
  if (step <= 0) return;
  const int extent = horizontal ? width() : height();
  // Only the marks that reach the exposed part: a long level has thousands.
  const QRect exposed = event->rect();
  const int reach = horizontal ? step + 22 : step + 2;
  const int from = std::max(0, ((horizontal ? exposed.left() : exposed.top()) - reach) / step);
  const int last = std::min(count, (horizontal ? exposed.right() : exposed.bottom()) / step);
  for (int n = from; n <= last && n * step <= extent; ++n) {
    const int at = n * step;
    // A framed bevel: light on the leading edge, dark on the trailing one.
    const QRect bevel = horizontal ? QRect(at, 1, 2, 20) : QRect(1, at, 20, 2);
    painter.fillRect(bevel, palette().dark());
    painter.fillRect(horizontal ? QRect(at, 1, 1, 20) : QRect(1, at, 20, 1), palette().light());
    painter.setPen(Qt::black);
    const QString caption = QString::number(n);
    const QRect text = horizontal ? QRect(at + 2, 2, step + 20, 16) : QRect(2, at + 2, 18, step);
    painter.drawText(text, Qt::AlignLeft | Qt::AlignTop, caption);
  }
}
