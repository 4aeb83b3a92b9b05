#include "content/mapart/logo_art.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "content/mapart/text_art.h"

namespace mapart {
namespace {

enum : uint8_t { Face = 1, FaceLast = 6, Side = 7, SideDark = 8, Ink = 9, Sub = 10, SubInk = 11 };

Rgb colourOf(uint8_t c) {
  if (c >= Face && c <= FaceLast) return mix({255, 244, 170}, {232, 96, 20}, double(c - Face) / (FaceLast - Face));
  switch (c) {
    case Side: return {178, 40, 36};
    case SideDark: return {110, 20, 32};
    case Ink: return {36, 16, 36};
    case Sub: return {40, 90, 190};
    case SubInk: return {20, 36, 90};
    default: return {255, 255, 255};
  }
}

}  // namespace

ImageRgb buildLogo() {
  constexpr int w = 380, h = 112;
  Canvas art(w, h);
  const std::string title = "TOBBO QUEST";
  const int scale = 4, pitch = 8 * scale;
  const int tx = (w - textWidth(title, scale, pitch)) / 2, ty = 14;
  Canvas face(w, h);
  drawText(face, tx, ty, title, scale, pitch,
           [](int row, int hh) { return uint8_t(Face + std::min(FaceLast - Face, row * (FaceLast - Face + 1) / hh)); });
  for (int d = 5; d >= 1; --d)
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        if (face.at(x - d, y - d)) art.set(x, y, d > 3 ? SideDark : Side);
  art.stamp(face, 0, 0);
  art.outline(Ink);
  art.outline(Ink);

  const std::string studio = "STUDIO";
  Canvas sub(w, h);
  drawText(sub, w - 28 - textWidth(studio, 3, 24), 66, studio, 3, 24, Sub);
  sub.outline(SubInk);
  art.stamp(sub, 0, 0);

  // A soft shadow under everything, then the art itself.
  ImageRgb out(w, h, {255, 255, 255});
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      int covered = 0;
      for (int j = -3; j <= 3; ++j)
        for (int i = -3; i <= 3; ++i) covered += art.at(x - 4 + i, y - 4 + j) ? 1 : 0;
      if (covered) out.blend(x, y, {120, 120, 150}, 0.45 * covered / 49.0);
    }
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (uint8_t c = art.at(x, y)) out.set(x, y, colourOf(c));
  return out;
}

}  // namespace mapart
