// A contact sheet of the toolbar glyphs and the icons, to look at them:
// icons_preview OUT.png. Glyphs on the button face at 1x and 4x, icons at
// their size and at 4x on white.
#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>

#include "content/icons/document_icons.h"
#include "content/icons/toolbar_glyphs.h"

namespace {

QImage toQImage(const icons::Canvas& picture) {
  QImage out(picture.width(), picture.height(), QImage::Format_ARGB32);
  const auto& palette = icons::iconPalette();
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) {
      const auto i = picture.at(x, y);
      const auto rgb = palette[i].rgb;
      out.setPixelColor(x, y, i == pixelart::kClear ? QColor(0, 0, 0, 0) : QColor(rgb.r, rgb.g, rgb.b));
    }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: icons_preview OUT.png\n");
    return 2;
  }
  QGuiApplication app(argc, argv);  // for the label font; run with QT_QPA_PLATFORM=offscreen
  const auto glyphs = icons::buildToolbarGlyphs();
  const auto docIcons = icons::buildDocumentIcons();
  const int cell = 80, cols = 8;
  const int glyphRows = (int(glyphs.size()) + cols - 1) / cols;
  QImage sheet(cols * cell, glyphRows * cell + 2 * 150, QImage::Format_RGB32);
  sheet.fill(QColor(212, 208, 200));
  QPainter p(&sheet);
  QFont font = p.font();
  font.setPixelSize(10);
  p.setFont(font);
  for (size_t i = 0; i < glyphs.size(); ++i) {
    const int x = int(i % cols) * cell, y = int(i / cols) * cell;
    const QImage img = toQImage(glyphs[i].picture);
    p.drawImage(x + 4, y + 4, img);
    p.drawImage(QRect(x + 24, y + 4, 64, 64), img);
    p.drawText(x + 4, y + cell - 4, QString::fromStdString(glyphs[i].name));
  }
  int x = 0, y = glyphRows * cell;
  p.fillRect(0, y, sheet.width(), 300, Qt::white);
  for (const auto& icon : docIcons) {
    const QImage img = toQImage(icon.picture);
    p.drawImage(x + 4, y + 4, img);
    p.drawImage(QRect(x + 40, y + 4, icon.size * 4, icon.size * 4), img);
    p.drawText(x + 4, y + icon.size * 4 + 18, QString::fromStdString(icon.name.substr(icon.name.rfind('-') + 1)));
    x += 40 + icon.size * 4 + 12;
    if (x + 180 > sheet.width()) {
      x = 0;
      y += 150;
    }
  }
  p.end();
  return sheet.save(argv[1]) ? 0 : 1;
}
