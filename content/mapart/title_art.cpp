#include "content/mapart/title_art.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "content/mapart/text_art.h"
#include "content/mapart/toolkit.h"

namespace mapart {
namespace {

using ui::kInk;

platform::Bitmap toBitmap(const Canvas& img, const Palette& pal) {
  platform::Bitmap bmp(img.width(), img.height(), 8);
  for (int i = 0; i < 256; ++i) bmp.colors[size_t(i)] = pal[i].rgb;
  bmp.pixels = img.pixels();
  return bmp;
}

// Nearest-neighbour squeeze of an image to `width` columns, centred.
Canvas squeezed(const Canvas& src, int width) {
  Canvas out(src.width(), src.height());
  const int left = (src.width() - width) / 2;
  for (int y = 0; y < src.height(); ++y)
    for (int x = 0; x < width; ++x) out.set(left + x, y, src.at(x * src.width() / width, y));
  return out;
}

// Title library colours, kept clear of the entries the title pictures take.
enum : uint8_t { MedalDark = 160, Medal = 161, MedalLight = 162, MedalShine = 163, CometTail = 170, CometMid = 171,
                 CometHead = 172 };

Canvas medallion(int frame) {
  Canvas face(24, 24);
  face.fillEllipse(0, 0, 24, 24, kInk);
  face.fillEllipse(1, 1, 22, 22, MedalDark);
  face.fillEllipse(2, 2, 20, 19, Medal);
  face.fillEllipse(4, 4, 16, 15, MedalLight);
  face.fillEllipse(5, 5, 14, 13, Medal);
  drawText(face, 9, 8, "T", 1, 8, [](int, int) { return ui::kInk; });
  drawText(face, 8, 7, "T", 1, 8, [](int row, int) { return row < 3 ? MedalShine : MedalLight; });
  face.set(6, 5, MedalShine);
  face.set(7, 4, MedalShine);
  static const int widths[4] = {24, 17, 10, 4};
  Canvas img = squeezed(face, widths[frame]);
  if (frame == 3) {
    img.vline(10, 1, 22, kInk);
    img.vline(13, 1, 22, kInk);
  }
  return img;
}

Canvas comet() {
  Canvas img(16, 8);
  for (int x = 0; x < 12; ++x) {
    const int level = x * 16 / 12;
    for (int y = 3 - x / 4; y <= 4 + x / 4; ++y)
      if (ditherOn(x, y, level + 2)) img.set(x, y, x < 6 ? CometTail : CometMid);
  }
  img.fillEllipse(10, 1, 6, 6, CometMid);
  img.fillEllipse(11, 2, 4, 4, CometHead);
  return img;
}

// --- the curtain ---------------------------------------------------------

enum : uint8_t { CurtainKey = 0, VelvetFirst = 1, VelvetCount = 10, GoldFirst = 11, GoldCount = 6, CurtainInk = 17 };

Palette curtainPalette() {
  Palette p;
  p.ramp(VelvetFirst, VelvetCount, {58, 6, 22}, {236, 66, 72});
  p.ramp(GoldFirst, GoldCount, {140, 82, 14}, {255, 240, 150});
  p.set(CurtainInk, {34, 8, 20});
  return p;
}

uint8_t velvet(int x, int y, double light) {
  const double fold = 0.5 + 0.5 * std::sin((x + 3 * std::sin(y / 40.0)) * 2 * M_PI / 26.0);
  const double v = std::clamp(light * (0.25 + 0.75 * fold), 0.0, 1.0) * (VelvetCount - 1);
  const int base = int(v);
  const int level = int((v - base) * 16);
  return uint8_t(VelvetFirst + std::min(VelvetCount - 1, base + (ditherOn(x, y, level) ? 1 : 0)));
}

void goldText(Canvas& img, int y, const std::string& text, int scale) {
  const int pitch = 8 * scale;
  const int x = (img.width() - textWidth(text, scale, pitch)) / 2;
  Canvas layer(img.width(), img.height());
  drawText(layer, x, y, text, scale, pitch, [](int row, int h) {
    return uint8_t(GoldFirst + GoldCount - 1 - std::min(GoldCount - 1, row * GoldCount / h));
  });
  layer.outline(CurtainInk);
  layer.dropShadow(CurtainInk);
  img.stamp(layer, 0, 0);
}

// --- the background ------------------------------------------------------

enum : uint8_t {
  SkyFirst = 0, SkyCount = 14,        // night blue down to a warm horizon
  StarWhite = 14, StarDim = 15,
  MoonLight = 16, Moon = 17, MoonDark = 18,
  FarHill = 19, FarHillLight = 20,
  HillDark = 21, Hill = 22, HillLight = 23, Grass = 24,
  CastleDark = 25, Castle = 26, CastleLight = 27, Window = 28,
  LogoInk = 29, LogoFirst = 30, LogoCount = 7, LogoSide = 37, LogoSideDark = 38,
  TreeDark = 39, Tree = 40,
  SubtitleHi = 41, Subtitle = 42,
  Path = 43, PathDark = 44,
};

Palette backgroundPalette() {
  Palette p;
  const Rgb stops[] = {{12, 14, 48}, {30, 30, 96}, {74, 52, 140}, {168, 84, 150}, {246, 150, 120}};
  for (int i = 0; i < SkyCount; ++i) {
    const double t = double(i) / (SkyCount - 1) * 4;
    const int s = std::min(3, int(t));
    p.set(SkyFirst + i, mix(stops[s], stops[s + 1], t - s));
  }
  p.set(StarWhite, {255, 255, 240});
  p.set(StarDim, {170, 170, 220});
  p.set(MoonLight, {255, 250, 220});
  p.set(Moon, {240, 226, 170});
  p.set(MoonDark, {200, 180, 130});
  p.set(FarHill, {70, 44, 110});
  p.set(FarHillLight, {96, 62, 136});
  p.set(HillDark, {20, 70, 52});
  p.set(Hill, {36, 110, 64});
  p.set(HillLight, {70, 156, 74});
  p.set(Grass, {120, 200, 90});
  p.set(CastleDark, {46, 34, 74});
  p.set(Castle, {84, 70, 120});
  p.set(CastleLight, {124, 110, 160});
  p.set(Window, {255, 210, 90});
  p.set(LogoInk, {30, 12, 30});
  p.ramp(LogoFirst, LogoCount, {255, 250, 190}, {236, 110, 24});
  p.set(LogoSide, {170, 40, 34});
  p.set(LogoSideDark, {104, 20, 30});
  p.set(TreeDark, {14, 50, 40});
  p.set(Tree, {26, 84, 56});
  p.set(SubtitleHi, {255, 255, 255});
  p.set(Subtitle, {190, 220, 255});
  p.set(Path, {230, 196, 128});
  p.set(PathDark, {176, 132, 76});
  return p;
}

int hillHeight(double x, double base, double amp, double freq, double phase) {
  return int(base - amp * (0.6 * std::sin(x * freq + phase) + 0.4 * std::sin(x * freq * 2.3 + phase * 1.7)));
}

void drawSky(Canvas& img) {
  for (int y = 0; y < img.height(); ++y) {
    const double v = std::clamp((y - 10) / 190.0, 0.0, 1.0) * (SkyCount - 1);
    const int base = int(v);
    for (int x = 0; x < img.width(); ++x)
      img.set(x, y, uint8_t(SkyFirst + std::min(SkyCount - 1, base + (ditherOn(x, y, int((v - base) * 16)) ? 1 : 0))));
  }
  // Stars from a fixed little generator, so every build draws the same sky.
  uint32_t seed = 20240611;
  auto next = [&seed](int n) {
    seed = seed * 1103515245u + 12345u;
    return int((seed >> 16) % uint32_t(n));
  };
  for (int i = 0; i < 90; ++i) {
    const int x = next(320), y = next(130);
    img.set(x, y, next(4) == 0 ? StarWhite : StarDim);
  }
  for (auto [x, y] : {std::pair{40, 24}, {276, 36}, {22, 104}, {300, 112}, {150, 128}}) {
    img.set(x, y, StarWhite);
    img.set(x - 1, y, StarDim);
    img.set(x + 1, y, StarDim);
    img.set(x, y - 1, StarDim);
    img.set(x, y + 1, StarDim);
  }
  img.fillEllipse(22, 124, 24, 24, MoonDark);
  img.fillEllipse(22, 124, 22, 22, Moon);
  img.fillEllipse(24, 126, 14, 14, MoonLight);
  img.fillEllipse(30, 132, 5, 4, MoonDark);
}

void drawLand(Canvas& img) {
  for (int x = 0; x < 320; ++x) {
    const int far = hillHeight(x, 186, 16, 0.021, 1.0);
    img.vline(x, far, 239, FarHill);
    img.set(x, far, FarHillLight);
  }
  // Castle on the far hill at the right, windows lit.
  const int cx = 236, cy = hillHeight(cx, 186, 16, 0.021, 1.0) - 30;
  img.fillRect(cx, cy + 10, 44, 40, CastleDark);
  img.fillRect(cx + 2, cy + 12, 40, 38, Castle);
  for (int tx : {cx - 6, cx + 38}) {
    img.fillRect(tx, cy, 12, 50, CastleDark);
    img.fillRect(tx + 1, cy + 2, 10, 48, Castle);
    img.vline(tx + 2, cy + 2, cy + 49, CastleLight);
    img.fillPolygon({{tx - 2, cy + 1}, {tx + 6, cy - 14}, {tx + 14, cy + 1}}, CastleDark,
                    PolygonSpans::Closed);
    img.fillRect(tx + 4, cy + 10, 3, 5, Window);
  }
  for (int bx = cx + 4; bx < cx + 42; bx += 8) img.fillRect(bx, cy + 6, 5, 5, CastleDark);
  img.fillRect(cx + 17, cy + 26, 10, 24, CastleDark);
  img.fillRect(cx + 8, cy + 18, 3, 5, Window);
  img.fillRect(cx + 32, cy + 18, 3, 5, Window);
  img.vline(cx + 22, cy - 10, cy + 6, CastleDark);
  img.fillRect(cx + 23, cy - 10, 8, 5, LogoSide);

  for (int x = 0; x < 320; ++x) {
    const int near = hillHeight(x, 212, 10, 0.017, 4.0);
    img.vline(x, near, 239, Hill);
    img.set(x, near, Grass);
    img.set(x, near + 1, HillLight);
    for (int y = near + 2; y < 240; ++y)
      if (ditherOn(x, y, std::min(16, (y - near) / 2))) img.set(x, y, HillDark);
  }
  // A winding path up the near hill, and a few round trees.
  for (int y = 200; y < 240; ++y) {
    const int px = 70 + int(18 * std::sin(y / 9.0)) + (y - 200) / 2;
    const int w = 3 + (y - 200) / 6;
    if (y >= hillHeight(px, 212, 10, 0.017, 4.0) + 2) {
      img.hline(px - w, px + w, y, Path);
      img.set(px + w, y, PathDark);
    }
  }
  for (auto [tx, size] : {std::pair{24, 16}, {118, 12}, {196, 14}, {300, 18}}) {
    const int ty = hillHeight(tx, 212, 10, 0.017, 4.0);
    img.fillRect(tx - 1, ty - 4, 3, 6, TreeDark);
    img.fillEllipse(tx - size / 2, ty - size - 2, size, size, TreeDark);
    img.fillEllipse(tx - size / 2 + 1, ty - size - 2, size - 3, size - 3, Tree);
  }
}

void drawLogo(Canvas& img) {
  const std::string word = "HOPZ";
  const int scale = 7, pitch = 8 * scale;
  const int x = (img.width() - textWidth(word, scale, pitch)) / 2, y = 28;
  Canvas face(img.width(), img.height());
  drawText(face, x, y, word, scale, pitch, [](int row, int h) {
    return uint8_t(LogoFirst + std::min(LogoCount - 1, row * LogoCount / h));
  });
  // A shine line across the top of each letter.
  for (int j = y + 3; j < y + 5; ++j)
    for (int i = 0; i < img.width(); ++i)
      if (face.at(i, j) && face.at(i, j - 3)) face.set(i, j, LogoFirst);
  Canvas logo(img.width(), img.height());
  for (int d = 4; d >= 1; --d)
    for (int j = 0; j < img.height(); ++j)
      for (int i = 0; i < img.width(); ++i)
        if (face.at(i - d, j - d)) logo.set(i, j, d > 2 ? LogoSideDark : LogoSide);
  logo.stamp(face, 0, 0);
  logo.outline(LogoInk);
  img.stamp(logo, 0, 0);

  const std::string sub = "TOBBO QUEST";
  Canvas line(img.width(), img.height());
  drawText(line, (img.width() - textWidth(sub, 2, 16)) / 2, 96, sub, 2, 16,
           [](int row, int) { return row < 6 ? SubtitleHi : Subtitle; });
  line.outline(LogoInk);
  line.dropShadow(LogoInk);
  img.stamp(line, 0, 0);
}

}  // namespace

ArtLibrary buildSplashLibrary() {
  ArtLibrary lib;
  ui::addUiColours(lib.palette);
  lib.palette.set(MedalDark, {150, 86, 12});
  lib.palette.set(Medal, {236, 170, 36});
  lib.palette.set(MedalLight, {255, 214, 90});
  lib.palette.set(MedalShine, {255, 250, 200});
  lib.palette.set(CometTail, {200, 70, 120});
  lib.palette.set(CometMid, {255, 170, 80});
  lib.palette.set(CometHead, {255, 250, 220});
  for (int i = 0; i < 4; ++i) lib.add("Number" + std::to_string(i + 1), medallion(i));
  lib.add("BulletR", comet());
  lib.add("BulletL", comet().mirrored());
  return lib;
}

platform::Bitmap buildCurtainPicture() {
  Canvas img(kTitleWidth, kCurtainHeight);
  const int valance = kCurtainHeight - 19;
  for (int y = 0; y < valance; ++y)
    for (int x = 0; x < kTitleWidth; ++x) img.set(x, y, velvet(x, y, 0.55 + 0.45 * y / valance));
  goldText(img, 70, "TOBBO QUEST", 3);
  goldText(img, 106, "STUDIO", 2);
  goldText(img, 150, "PRESENTA", 1);
  // The valance that stays in view at the top once the curtain is up: a
  // gold braid over a band of swags with a scalloped edge.
  for (int y = valance; y < kCurtainHeight; ++y)
    for (int x = 0; x < kTitleWidth; ++x) {
      const int dy = y - valance;
      const int phase = x % 32;
      const double arc = 10 + 6 * std::sin(phase * M_PI / 32);
      if (dy < 3) img.set(x, y, uint8_t(GoldFirst + 5 - dy - ((x + dy) % 4 == 0 ? 1 : 0)));
      else if (dy == 3) img.set(x, y, CurtainInk);
      else if (dy < arc) img.set(x, y, velvet(x, y, 0.5 + 0.5 * std::sin(phase * M_PI / 32)));
      else if (dy < arc + 2) img.set(x, y, uint8_t(GoldFirst + 3 - int(dy - arc)));
      else img.set(x, y, CurtainKey);
    }
  for (int x = 0; x < kTitleWidth; x += 32) {  // tassels between the swags
    img.fillRect(x - 1, valance + 4, 3, 11, CurtainInk);
    img.vline(x, valance + 4, valance + 13, GoldFirst + 4);
    img.fillRect(x - 1, valance + 14, 3, 4, GoldFirst + 2);
  }
  return toBitmap(img, curtainPalette());
}

platform::Bitmap buildTitleBackground() {
  Canvas img(kTitleWidth, kTitleHeight);
  drawSky(img);
  drawLand(img);
  drawLogo(img);
  return toBitmap(img, backgroundPalette());
}

}  // namespace mapart
