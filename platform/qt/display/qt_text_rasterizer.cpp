#include "platform/qt/display/qt_text_rasterizer.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QString>

#include "platform/qt/text/qt_text.h"

namespace platform::qt {

namespace {
QFont toQFont(const TFont& f) {
  QFont font(qs(f.Name));
  font.setPixelSize(std::max(1, f.pixelHeight()));
  font.setBold(f.Bold);
  font.setItalic(f.Italic);
  font.setStyleStrategy(QFont::NoAntialias);
  return font;
}
}  // namespace

TSize QtTextRasterizer::measure(std::string_view text, const TFont& font) {
  const QFontMetrics m(toQFont(font));
  return {m.horizontalAdvance(qs(text)), m.height()};
}

GlyphMask QtTextRasterizer::render(std::string_view text, const TFont& font) {
  const QFont f = toQFont(font);
  const QFontMetrics m(f);
  const QString s = qs(text);
  GlyphMask mask;
  mask.width = m.horizontalAdvance(s);
  mask.height = m.height();
  if (mask.width <= 0 || mask.height <= 0) return {0, 0, {}};
  QImage image(mask.width, mask.height, QImage::Format_Grayscale8);
  image.fill(0);
  QPainter p(&image);
  p.setFont(f);
  p.setPen(Qt::white);
  p.drawText(0, m.ascent(), s);
  p.end();
  mask.coverage.resize(size_t(mask.width) * mask.height);
  for (int y = 0; y < mask.height; ++y)
    std::copy_n(image.constScanLine(y), mask.width, mask.coverage.data() + size_t(y) * mask.width);
  return mask;
}

}  // namespace platform::qt
