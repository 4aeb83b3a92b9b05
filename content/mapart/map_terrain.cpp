// The ground of the world map: paths, lakes, rivers, bridges and scenery.
#include <algorithm>
#include <cmath>
#include <string>

#include "content/mapart/map_art_parts.h"

namespace mapart::map {
namespace {

using ui::kInk;

enum Side { N = 1, E = 2, S = 4, W = 8 };

// A junction: a round sandy plaza touching all four sides, so paths may join
// it from any of them (corners, forks and crossings alike).
Canvas junction(int style) {
  Canvas img = cell();
  img.fillEllipse(0, 0, 16, 16, PathEdge);
  img.fillEllipse(1, 1, 14, 14, Path);
  img.fillRect(0, 6, 16, 4, Path);
  img.fillRect(6, 0, 4, 16, Path);
  img.fillEllipse(3, 3, 10, 10, PathLight);
  if (style == 1) {
    img.fillEllipse(4, 4, 8, 8, kInk);
    img.fillEllipse(5, 5, 6, 6, ui::kRed);
    img.fillRect(6, 6, 2, 2, RoofLight);
  } else {
    img.fillEllipse(4, 4, 8, 8, PathDark);
    img.fillEllipse(6, 6, 4, 4, PathLight);
  }
  return img;
}

// A path: a sandy band four pixels wide from the centre to each joined side,
// with an optional stone where the walker stops.
Canvas path(int sides, int stop) {
  Canvas img = cell();
  if (sides == (N | E | S | W)) return junction(stop);
  auto band = [&](int x, int y, int w, int h) {
    img.fillRect(x - 1, y - 1, w + 2, h + 2, PathEdge);
  };
  auto fillBand = [&](int x, int y, int w, int h) { img.fillRect(x, y, w, h, Path); };
  const int a = 6, b = 4;  // band from a to a + b - 1
  if (sides & E) band(a, a, 16 - a, b);
  if (sides & W) band(0, a, a + b, b);
  if (sides & N) band(a, 0, b, a + b);
  if (sides & S) band(a, a, b, 16 - a);
  if (sides & E) fillBand(a, a, 16 - a, b);
  if (sides & W) fillBand(0, a, a + b, b);
  if (sides & N) fillBand(a, 0, b, a + b);
  if (sides & S) fillBand(a, a, b, 16 - a);
  for (int i = 1; i < 16; i += 4) {
    if ((sides & (E | W)) == (E | W)) img.set(i, a + 1, PathLight);
    if ((sides & (N | S)) == (N | S)) img.set(a + 1, i, PathLight);
  }
  if (stop == 1) {
    img.fillEllipse(4, 4, 8, 8, kInk);
    img.fillEllipse(5, 5, 6, 6, ui::kRed);
    img.fillRect(6, 6, 2, 2, RoofLight);
  }
  return img;
}

// Light ripples across water, moved by the animation frame.
void ripples(Canvas& img, int frame, int ox, int oy) {
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      if (img.at(x, y) != Water) continue;
      const int gx = x + ox, gy = y + oy;
      if ((gy % 6 == 2) && ((gx + frame * 2 + (gy / 6) * 3) % 8 < 3)) img.set(x, y, Foam);
      if ((gy % 6 == 5) && ((gx - frame * 2 + 5) % 11 == 0)) img.set(x, y, Sparkle);
    }
}

// A river tile: a water band eight pixels wide with sandy banks.
Canvas river(int sides, int frame) {
  Canvas img = cell();
  auto arm = [&](uint8_t c, int grow) {
    const int a = 4 - grow, w = 8 + 2 * grow;
    img.fillRect(a, a, w, w, c);
    if (sides & E) img.fillRect(a, a, 16 - a, w, c);
    if (sides & W) img.fillRect(0, a, a + w, w, c);
    if (sides & N) img.fillRect(a, 0, w, a + w, c);
    if (sides & S) img.fillRect(a, a, w, 16 - a, c);
  };
  arm(Sand, 1);
  arm(Water, 0);
  ripples(img, frame, 0, 0);
  return img;
}

Canvas openWater(int frame) {
  Canvas img(16, 16, Water);
  ripples(img, frame, 3, 1);
  return img;
}

// The lake is one rounded shape over three by three cells; each tile is one
// ninth of it.
Canvas lakePart(int tx, int ty) {
  Canvas whole(48, 48);
  auto inside = [](int x, int y, int inset, double radius) {
    const double lo = inset + radius, hi = 47 - inset - radius;
    const double cx = std::clamp(x + 0.5, lo, hi + 1), cy = std::clamp(y + 0.5, lo, hi + 1);
    return std::hypot(x + 0.5 - cx, y + 0.5 - cy) <= radius;
  };
  for (int y = 0; y < 48; ++y)
    for (int x = 0; x < 48; ++x) {
      if (inside(x, y, 4, 10)) whole.set(x, y, Water);
      else if (inside(x, y, 2, 12)) whole.set(x, y, Sand);
    }
  ripples(whole, 0, 0, 0);
  return whole.crop(tx * 16, ty * 16, 16, 16);
}

Canvas rock() {
  Canvas img = cell();
  img.fillEllipse(1, 5, 14, 11, kInk);
  img.fillEllipse(2, 6, 12, 9, StoneDark);
  img.fillEllipse(2, 5, 11, 8, Stone);
  img.fillEllipse(4, 6, 5, 4, StoneLight);
  return img;
}

Canvas bush(int sway) {
  Canvas img = cell();
  const int dx = sway - 1;
  img.fillEllipse(1 + dx, 3, 14, 13, kInk);
  img.fillEllipse(2 + dx, 4, 12, 11, GreenDark);
  img.fillEllipse(3 + dx, 4, 9, 8, Green);
  img.fillEllipse(5 + dx, 5, 4, 3, GreenLight);
  img.fillRect(7, 13, 2, 3, WoodDark);
  return img;
}

Canvas palm(int lean) {
  Canvas img = cell();
  const int top = 7 + lean;
  img.line(8, 15, top, 4, kInk);
  img.line(7, 15, top - 1, 4, Wood);
  img.line(9, 15, top + 1, 4, WoodLight);
  img.fillPolygon({{top, 3}, {top - 8, 6}, {top - 6, 2}}, GreenDark, PolygonSpans::Closed);
  img.fillPolygon({{top, 3}, {top + 8, 6}, {top + 6, 2}}, GreenDark, PolygonSpans::Closed);
  img.fillPolygon({{top, 3}, {top - 5, 0}, {top + 1, 0}}, Green, PolygonSpans::Closed);
  img.fillPolygon({{top, 3}, {top + 6, 0}, {top + 1, 0}}, GreenLight, PolygonSpans::Closed);
  img.fillRect(top - 1, 3, 3, 2, Wood);
  return img;
}

Canvas dunes() {
  Canvas img(16, 16, Sand);
  for (int x = 0; x < 16; ++x) {
    const int y1 = 4 + int(std::lround(1.5 * std::sin(x * 0.7)));
    const int y2 = 11 + int(std::lround(1.5 * std::sin(x * 0.7 + 2)));
    img.set(x, y1, SandMid);
    img.set(x, y2, SandMid);
    img.set(x, y2 + 1, SandDark);
  }
  return img;
}

Canvas bridge(bool chains) {
  Canvas img = river(N | S, 0);
  img.fillRect(0, 5, 16, 6, kInk);
  img.fillRect(0, 6, 16, 4, WoodLight);
  for (int x = 1; x < 16; x += 3) img.vline(x, 6, 9, Wood);
  if (chains) {
    img.line(0, 1, 3, 5, StoneDark);
    img.line(15, 1, 12, 5, StoneDark);
  }
  return img;
}

Canvas raisedBridge() {
  Canvas img = river(N | S, 1);
  img.fillRect(0, 2, 3, 12, kInk);
  img.fillRect(1, 3, 1, 10, WoodDark);
  img.fillRect(13, 2, 3, 12, kInk);
  img.fillRect(14, 3, 1, 10, WoodDark);
  img.fillRect(2, 0, 4, 12, kInk);
  img.fillRect(3, 1, 2, 10, WoodLight);
  return img;
}

Canvas dock() {
  Canvas img = openWater(0);
  img.fillRect(2, 0, 12, 12, kInk);
  img.fillRect(3, 0, 10, 11, WoodLight);
  for (int y = 2; y < 11; y += 3) img.hline(3, 12, y, Wood);
  img.fillRect(2, 11, 2, 5, WoodDark);
  img.fillRect(12, 11, 2, 5, WoodDark);
  return img;
}

Canvas crystal(int glint) {
  Canvas img = cell();
  img.fillPolygon({{3, 15}, {5, 4}, {8, 0}, {11, 4}, {13, 15}}, IceDark, PolygonSpans::Closed);
  img.fillPolygon({{5, 14}, {6, 5}, {8, 2}, {8, 14}}, Ice, PolygonSpans::Closed);
  img.fillPolygon({{8, 2}, {10, 5}, {11, 14}, {8, 14}}, IceMid, PolygonSpans::Closed);
  const int gy[4] = {3, 6, 9, 12};
  img.set(6, gy[glint], ui::kWhite);
  img.set(7, gy[glint], ui::kWhite);
  return img;
}

Canvas flowers(int sway) {
  Canvas img = cell();
  const int heads[3][2] = {{3, 6}, {8, 3}, {12, 7}};
  for (int i = 0; i < 3; ++i) {
    const int x = heads[i][0] + ((sway + i) % 4 == 0 ? 1 : (sway + i) % 4 == 2 ? -1 : 0), y = heads[i][1];
    img.line(heads[i][0], 15, x, y + 2, GreenDark);
    img.fillRect(x - 1, y, 3, 3, i == 1 ? ui::kGold : Pink);
    img.set(x, y + 1, i == 1 ? ui::kRed : ui::kTextHi);
  }
  img.fillRect(2, 14, 12, 2, Green);
  return img;
}

Canvas bulbPlant(int open) {
  Canvas img = cell();
  img.fillRect(7, 9, 2, 7, GreenDark);
  img.fillEllipse(2, 11, 6, 4, Green);
  img.fillEllipse(8, 11, 6, 4, Green);
  img.fillEllipse(3, 1, 10, 10, kInk);
  img.fillEllipse(4, 2, 8, 8, ui::kRed);
  if (open > 0) {
    img.fillRect(4, 5 - open / 2, 8, open + 1, kInk);
    img.hline(5, 10, 5 - open / 2, ui::kWhite);
  }
  img.set(5, 3, ui::kWhite);
  img.set(9, 2, ui::kWhite);
  return img;
}

Canvas flames(int frame) {
  Canvas img = cell();
  const int lean = frame % 2 == 0 ? -1 : 1;
  const int h = frame < 2 ? 0 : 2;
  img.fillPolygon({{1, 16}, {3 + lean, 4 + h}, {6, 9}, {8 + lean, 1 + h}, {11, 8}, {13 - lean, 3 + h}, {15, 16}},
                  Flame, PolygonSpans::Closed);
  img.fillPolygon({{4, 16}, {6 + lean, 8 + h}, {8, 11}, {10 - lean, 6 + h}, {12, 16}}, FlameMid,
                  PolygonSpans::Closed);
  img.fillPolygon({{6, 16}, {8 + lean, 11 + h / 2}, {10, 16}}, FlameHi, PolygonSpans::Closed);
  return img;
}

Canvas skull(int glow) {
  Canvas img = cell();
  img.fillEllipse(1, 1, 14, 12, kInk);
  img.fillEllipse(2, 2, 12, 10, Bone);
  img.fillRect(4, 10, 8, 5, kInk);
  img.fillRect(5, 10, 6, 4, Bone);
  img.vline(7, 12, 13, BoneDark);
  img.vline(9, 12, 13, BoneDark);
  const uint8_t eye = glow == 0 ? kInk : glow == 1 ? ui::kRedDark : ui::kRed;
  img.fillRect(4, 5, 3, 3, eye);
  img.fillRect(9, 5, 3, 3, eye);
  img.set(8, 9, kInk);
  return img;
}

Canvas steppingStones(int frame) {
  Canvas img = river(N | S, frame);
  for (int y : {1, 6, 11}) {
    const int x = y == 6 ? 7 : 5;
    img.fillEllipse(x, y, 5, 4, kInk);
    img.fillEllipse(x + 1, y, 3, 3, StoneLight);
  }
  return img;
}

// Scenery of a general kind the map author can use freely.
Canvas generic(int which) {
  Canvas img = cell();
  switch (which) {
    case 0:  // stairs
      for (int i = 0; i < 4; ++i) {
        img.fillRect(2, 1 + 4 * i, 12, 4, kInk);
        img.fillRect(3, 2 + 4 * i, 10, 2, StoneBright);
        img.hline(3, 12, 3 + 4 * i, Stone);
      }
      break;
    case 1:  // plank walk
      img.fillRect(0, 4, 16, 8, kInk);
      for (int x = 0; x < 16; x += 4) img.fillRect(x, 5, 3, 6, WoodLight);
      break;
    case 2:  // tunnel
      img.fillRect(0, 2, 16, 14, StoneDark);
      img.fillEllipse(2, 3, 12, 22, kInk);
      img.fillRect(0, 2, 16, 1, StoneLight);
      break;
    case 3:  // mountain
      img.fillPolygon({{0, 16}, {8, 1}, {16, 16}}, kInk, PolygonSpans::Closed);
      img.fillPolygon({{1, 15}, {8, 2}, {15, 15}}, StoneLight, PolygonSpans::Closed);
      img.fillPolygon({{8, 2}, {15, 15}, {8, 15}}, Stone, PolygonSpans::Closed);
      img.fillPolygon({{5, 7}, {8, 2}, {11, 7}, {8, 6}}, ui::kWhite, PolygonSpans::Closed);
      break;
    case 4:  // hill
      img.fillEllipse(0, 5, 16, 22, kInk);
      img.fillEllipse(1, 6, 14, 20, Green);
      img.fillEllipse(4, 8, 5, 3, GreenLight);
      break;
    case 5:  // tree
      img.fillRect(7, 10, 2, 6, WoodDark);
      img.fillEllipse(1, 0, 14, 12, kInk);
      img.fillEllipse(2, 1, 12, 10, GreenDark);
      img.fillEllipse(3, 1, 8, 7, Green);
      break;
    case 6:  // cottage
      img.fillRect(2, 7, 12, 9, kInk);
      img.fillRect(3, 8, 10, 7, Cream);
      img.fillRect(7, 11, 3, 4, Wood);
      img.fillPolygon({{0, 8}, {8, 1}, {16, 8}}, RoofDark, PolygonSpans::Closed);
      img.fillPolygon({{2, 7}, {8, 2}, {14, 7}}, Roof, PolygonSpans::Closed);
      break;
    default:  // windmill
      img.fillPolygon({{4, 16}, {6, 6}, {10, 6}, {12, 16}}, kInk, PolygonSpans::Closed);
      img.fillPolygon({{5, 15}, {7, 7}, {9, 7}, {11, 15}}, Cream, PolygonSpans::Closed);
      img.line(2, 1, 14, 11, WoodDark);
      img.line(14, 1, 2, 11, WoodDark);
      img.fillRect(7, 5, 2, 2, kInk);
      break;
  }
  return img;
}

}  // namespace

void drawTerrain(const Put& put) {
  put(25, "Lineh1", path(E | W, 0));
  put(26, "Lineh2", path(E | W, 1));
  put(27, "Linev1", path(N | S, 0));
  put(28, "Linev2", path(N | S, 1));
  put(29, "Linehv1", path(N | E | S | W, 1));
  put(30, "Linehv2", path(N | E | S | W, 2));
  for (int i = 0; i < 6; ++i) put(40 + i, ("Lake" + std::to_string(i + 1)).c_str(), lakePart(i % 3, i / 3));
  for (int i = 6; i < 9; ++i) put(58 + i, ("Lake" + std::to_string(i + 1)).c_str(), lakePart(i % 3, i / 3));
  put(46, "Stone", rock());
  put(47, "Plant1", bush(0));
  put(48, "Plant2", bush(1));
  put(49, "Plant3", bush(2));
  put(53, "Bridge1", bridge(false));
  put(56, "Palm1", palm(0));
  put(57, "Palm2", palm(-1));
  put(58, "Palm3", palm(1));
  put(63, "Sand2", dunes());
  // Rivers 1-12 with the open water among them, two ripple frames each.
  const int riverSides[13] = {E | W, N | S, E | S, W | S, N | E, N | W, N | E | S | W, -1,
                              E | S | W, N | E | W, N | E | S, N | S | W, S};
  for (int k = 0; k < 13; ++k)
    for (int f = 0; f < 2; ++f) {
      const std::string name = k == 7 ? "Water" + std::to_string(f + 1)
                                      : "River" + std::to_string(k < 7 ? k + 1 : k) + (f ? "b" : "a");
      put(67 + 2 * k + f, name.c_str(), riverSides[k] < 0 ? openWater(f) : river(riverSides[k], f));
    }
  put(103, "Dock", dock());
  for (int i = 0; i < 4; ++i) put(104 + i, ("Ice" + std::to_string(i + 1)).c_str(), crystal(i));
  for (int i = 0; i < 4; ++i) put(108 + i, ("Flower" + std::to_string(i + 1)).c_str(), flowers(i));
  put(112, "Plant2a", bulbPlant(0));
  put(113, "Plant2b", bulbPlant(2));
  put(114, "Plant2c", bulbPlant(4));
  for (int i = 0; i < 4; ++i) put(115 + i, ("Fire" + std::to_string(i + 1)).c_str(), flames(i));
  for (int i = 0; i < 3; ++i) put(119 + i, ("Skull" + std::to_string(i + 1)).c_str(), skull(i));
  put(131, "Brid2", bridge(true));
  put(132, "Brid3", raisedBridge());
  put(139, "River13a", river(N, 0));
  put(140, "River13b", river(N, 1));
  put(141, "Linev3a", steppingStones(0));
  put(142, "Linev3b", steppingStones(1));
  put(143, "River14a", river(E, 0));
  put(144, "River14b", river(E, 1));
  for (int i = 0; i < 8; ++i) put(145 + i, ("Generic" + std::to_string(i + 1)).c_str(), generic(i));
}

}  // namespace mapart::map
