#include "toolbars/TBZCtls/button_paint.h"

#include <QImage>
#include <QPainter>
#include <optional>

namespace tbz {
namespace {

// One frame line pair: top-left in one colour, bottom-right in another.
void frame(QPainter& p, const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
  if (r.width() <= 0 || r.height() <= 0) return;
  p.fillRect(r.left(), r.top(), r.width() - 1, 1, topLeft);
  p.fillRect(r.left(), r.top(), 1, r.height() - 1, topLeft);
  p.fillRect(r.left(), r.bottom(), r.width(), 1, bottomRight);
  p.fillRect(r.right(), r.top(), 1, r.height(), bottomRight);
}

struct Dither {
  QColor face, highlight;
  QImage image;
};
std::optional<Dither>& dither() {
  static std::optional<Dither> d;
  return d;
}

}  // namespace

void DrawEdge(QPainter& painter, QRect rect, unsigned edge, unsigned flags, const QPalette& pal) {
  const QColor light = pal.color(QPalette::Light), midlight = pal.color(QPalette::Midlight);
  const QColor shadow = pal.color(QPalette::Dark), dkShadow = pal.color(QPalette::Shadow);
  const bool soft = flags & BF_SOFT;
  if (edge & (BDR_RAISEDOUTER | BDR_SUNKENOUTER)) {
    if (edge & BDR_RAISEDOUTER) frame(painter, rect, soft ? light : midlight, dkShadow);
    else frame(painter, rect, soft ? dkShadow : shadow, light);
    rect.adjust(1, 1, -1, -1);
  }
  if (edge & (BDR_RAISEDINNER | BDR_SUNKENINNER)) {
    if (edge & BDR_RAISEDINNER) frame(painter, rect, soft ? midlight : light, shadow);
    else frame(painter, rect, soft ? shadow : dkShadow, midlight);
    rect.adjust(1, 1, -1, -1);
  }
  if ((flags & BF_MIDDLE) && rect.isValid()) painter.fillRect(rect, pal.color(QPalette::Button));
}

QBrush DitherBrush(const QPalette& pal) {
  const QColor face = pal.color(QPalette::Button), highlight = pal.color(QPalette::Light);
  auto& d = dither();
  if (!d || d->face != face || d->highlight != highlight) {
    QImage image(8, 8, QImage::Format_RGB32);
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 8; ++x) image.setPixel(x, y, (x % 2 == y % 2 ? highlight : face).rgb());
    d = Dither{face, highlight, image};
  }
  return QBrush(d->image);
}

bool DropDitherIfColoursChanged(const QPalette& pal) {
  auto& d = dither();
  if (!d || (d->face == pal.color(QPalette::Button) && d->highlight == pal.color(QPalette::Light))) return false;
  d.reset();
  return true;
}

void FreeDither() { dither().reset(); }
bool DitherBuilt() { return dither().has_value(); }

}  // namespace tbz
