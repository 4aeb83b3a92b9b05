// Development aid: renders the generated libraries and pictures as PNG
// contact sheets (each image scaled up, with its index) to look at the art.
#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdio>
#include <string>

#include "content/mapart/font_art.h"
#include "content/mapart/map_art.h"
#include "content/mapart/title_art.h"
#include "content/mapart/status_art.h"
#include "content/mapart/logo_art.h"

namespace {

QImage toQImage(const mapart::Image8& img, const mapart::Palette& pal, bool transparent) {
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
    cw = std::max(cw, n.image.width());
    ch = std::max(ch, n.image.height());
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
    const QImage img = toQImage(lib.images[i].image, lib.palette, true);
    p.drawImage(QRect(x, y, img.width() * scale, img.height() * scale), img);
  }
  p.end();
  out.save(QString::fromStdString(path));
}

void picture(const platform::Bitmap& bmp, const std::string& path, int scale) {
  toQImage(bmp).scaled(bmp.width * scale, bmp.height * scale).save(QString::fromStdString(path));
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
  return 0;
}
