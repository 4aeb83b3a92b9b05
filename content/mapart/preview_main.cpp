// Development aid: renders the generated libraries and pictures as PNG
// contact sheets (each image scaled up, with its index) to look at the art.
#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string>

#include "content/mapart/font_art.h"
#include "content/mapart/map_art.h"
#include "content/mapart/title_art.h"
#include "content/mapart/status_art.h"
#include "content/mapart/logo_art.h"

namespace {

QImage toQImage(const mapart::Canvas& img, const mapart::Palette& pal, bool transparent) {
  QImage out(img.width(), img.height(), QImage::Format_ARGB32);
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      const uint8_t c = img.at(x, y);
      const auto rgb = pal[c].rgb;
      out.setPixelColor(x, y, (transparent && c == 0) ? QColor(0, 0, 0, 0) : QColor(rgb.r, rgb.g, rgb.b));
    }
  return out;
}

QImage toQImage(const platform::Bitmap& bmp) {
  QImage out(bmp.width, bmp.height, QImage::Format_RGB32);
  for (int y = 0; y < bmp.height; ++y)
    for (int x = 0; x < bmp.width; ++x) {
      const auto c = bmp.color(x, y);
      out.setPixelColor(x, y, QColor(c.r, c.g, c.b));
    }
  return out;
}

void sheet(const mapart::ArtLibrary& lib, const std::string& path, int scale, QColor back) {
  int cw = 8, ch = 8;
  for (auto& n : lib.images) {
    cw = std::max(cw, n.pixels.width());
    ch = std::max(ch, n.pixels.height());
  }
  cw = cw * scale + 6;
  ch = ch * scale + 16;
  const int cols = std::max(1, std::min(int(lib.images.size()), 1400 / cw));
  const int rows = (int(lib.images.size()) + cols - 1) / cols;
  QImage out(cols * cw, rows * ch, QImage::Format_RGB32);
  out.fill(back);
  QPainter p(&out);
  QFont f = p.font();
  f.setPixelSize(10);
  p.setFont(f);
  for (size_t i = 0; i < lib.images.size(); ++i) {
    const int x = int(i % cols) * cw + 3, y = int(i / cols) * ch + 12;
    p.setPen(Qt::white);
    p.drawText(x, y - 2, QString::number(i) + " " + QString::fromStdString(lib.images[i].name));
    const QImage img = toQImage(lib.images[i].pixels, lib.palette, true);
    p.drawImage(QRect(x, y, img.width() * scale, img.height() * scale), img);
  }
  p.end();
  out.save(QString::fromStdString(path));
}

void picture(const platform::Bitmap& bmp, const std::string& path, int scale) {
  toQImage(bmp).scaled(bmp.width * scale, bmp.height * scale).save(QString::fromStdString(path));
}

// Draws text as the game does: 8 px a character, digits one pixel lower.
void bitmapText(QPainter& p, const mapart::ArtLibrary& font, int x, int y, const std::string& text) {
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = char(std::toupper(static_cast<unsigned char>(text[i])));
    int glyph = -1;
    if (c >= '0' && c <= '9') glyph = c - '0';
    else if (c >= 'A' && c <= 'Z') glyph = c - 55;
    else if (c == '!') glyph = 36;
    else if (c == '>') glyph = 38;
    if (glyph < 0) continue;
    QImage g = toQImage(font.images[size_t(glyph)].pixels, font.palette, false);
    for (int yy = 0; yy < g.height(); ++yy)
      for (int xx = 0; xx < g.width(); ++xx)
        if (g.pixelColor(xx, yy) == QColor(240, 244, 248)) g.setPixelColor(xx, yy, QColor(0, 0, 0, 0));
    p.drawImage(x + 8 * int(i), y + (glyph < 10 ? 1 : 0), g);
  }
}

// The title with its menu and the curtain up, and a map status bar, as a player sees them.
void composite(const std::string& path) {
  const auto font = mapart::buildFontLibrary();
  const auto splash = mapart::buildSplashLibrary();
  QImage screen(320, 240 + 32, QImage::Format_ARGB32);
  screen.fill(Qt::black);
  QPainter p(&screen);
  p.drawImage(0, 0, toQImage(mapart::buildTitleBackground()));
  p.drawImage(148, 120, toQImage(splash.images[0].pixels, splash.palette, true));
  p.drawImage(40, 70, toQImage(splash.images[4].pixels, splash.palette, true));
  bitmapText(p, font, 130, 150, "JUGAR");
  bitmapText(p, font, 130, 163, "OPCIONES");
  bitmapText(p, font, 120, 150, ">");
  const QImage curtain = toQImage(mapart::buildCurtainPicture());
  QImage keyed = curtain.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < keyed.height(); ++y)
    for (int x = 0; x < keyed.width(); ++x)
      if (keyed.pixelColor(x, y) == QColor(0, 0, 0)) keyed.setPixelColor(x, y, QColor(0, 0, 0, 0));
  p.drawImage(0, 19 - keyed.height(), keyed);
  const int t = 240;
  p.fillRect(0, t, 320, 32, QColor(60, 60, 60));
  p.drawImage(0, t + 2, toQImage(mapart::buildStatusPicture()));
  bitmapText(p, font, 36, t + 7, "1");
  bitmapText(p, font, 70, t + 15, "0000420");
  bitmapText(p, font, 26, t + 15, " 4");
  bitmapText(p, font, 150, t + 7, "12");
  bitmapText(p, font, 142, t + 15, "300");
  bitmapText(p, font, 262, t + 6, "57");
  for (int k = 0; k < 4; ++k)
    p.setBrush(Qt::white), p.setPen(Qt::NoPen),
        p.drawPolygon(QPolygon({QPoint(70 + 8 * k, t + 8), QPoint(70 + 8 * k, t + 14), QPoint(77 + 8 * k, t + 11)}));
  const auto map = mapart::buildMapLibrary();
  p.drawImage(177, t + 2, toQImage(map.images[59].pixels, map.palette, true));
  p.end();
  screen.scaled(screen.width() * 3, screen.height() * 3).save(QString::fromStdString(path));
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: mapart_preview OUTDIR\n");
    return 2;
  }
  const std::string dir = argv[1];
  sheet(mapart::buildFontLibrary(), dir + "/text.png", 4, QColor(90, 120, 90));
  sheet(mapart::buildMapLibrary(), dir + "/map.png", 3, QColor(96, 168, 80));
  sheet(mapart::buildSplashLibrary(), dir + "/splash.png", 3, QColor(40, 30, 60));
  picture(mapart::buildCurtainPicture(), dir + "/splash0.png", 2);
  picture(mapart::buildTitleBackground(), dir + "/splash1.png", 2);
  picture(mapart::buildStatusPicture(), dir + "/status.png", 3);
  picture(mapart::buildLogo().toBitmap(), dir + "/logo.png", 1);
  composite(dir + "/composite.png");
  return 0;
}
