// Items and small effects: coins, mushrooms, the fire flower, the flight
// feather, the moon and the leaf, doors, the exit sign, dust, stars, splashes.
#include <algorithm>

#include "content/art/art_common.h"
#include "content/art/families.h"

namespace art {
namespace {

// A coin turning: width shrinks to an edge and back (phase 0..3).
Canvas coin(int w, int h, int phase, const Ramp& r) {
  Canvas c(w, h);
  static const int widths[4] = {10, 6, 2, 6};
  const int cw = std::max(1, widths[phase] * (w - 2) / 10);
  const int x = (w - cw) / 2;
  c.fillEllipse(x, 1, cw, h - 2, r[2]);
  if (cw > 3) {
    c.fillEllipse(x + 1, 2, cw - 2, h - 4, r[3]);
    c.fillEllipse(x + 2, 3, cw - 3, h - 6, r[2]);
    c.vline(x + cw / 2, 4, h - 5, r[1]);
  } else {
    c.vline(x, 1, h - 2, r[1]);
  }
  c.outline(pal::Ink);
  return c;
}

Canvas mushroom(const Ramp& cap, bool face = true, int h = 16) {
  Canvas c(16, h);
  const int stemTop = h / 2;
  c.fillRect(4, stemTop, 8, h - stemTop, pal::Cream);
  c.vline(11, stemTop, h - 1, pal::Sand[1]);
  c.fillEllipse(0, 0, 16, h - 2 - (h > 8 ? 2 : 0), cap[2]);
  c.fillRect(0, stemTop - 1, 16, 1, kClear);
  c.hline(1, 14, stemTop - 2, cap[1]);
  c.fillEllipse(2, 1, 5, 3, cap[3]);
  c.hline(1, 14, stemTop - 3, pal::Cream);  // a band round the cap
  if (face) {
    c.vline(6, stemTop + 1, stemTop + 2, pal::Ink);
    c.vline(9, stemTop + 1, stemTop + 2, pal::Ink);
  }
  c.outline(pal::Ink);
  return c.crop(0, 0, 16, h);
}

Canvas fireFlower() {
  Canvas c(16, 16);
  c.fillRect(7, 8, 2, 8, pal::Green[1]);
  c.fillEllipse(1, 10, 6, 3, pal::Green[2]);
  c.fillEllipse(9, 11, 6, 3, pal::Green[2]);
  for (int i = 0; i < 5; ++i) {
    static const int px[5] = {5, 9, 11, 7, 3}, py[5] = {0, 0, 4, 7, 4};
    c.fillEllipse(px[i], py[i], 5, 4, i % 2 ? pal::Orange[2] : pal::Red[2]);
  }
  c.fillEllipse(5, 3, 6, 5, pal::Gold[3]);
  c.set(7, 5, pal::Ink);
  c.set(9, 5, pal::Ink);
  c.outline(pal::Ink);
  return c;
}

Canvas feather(int phase) {
  Canvas c(16, 16);
  const int lift = phase == 1 ? 1 : phase == 2 ? 2 : 0;
  c.fillPolygon({{2, 14}, {4 - lift, 4}, {12, 1 + lift}, {14, 6}, {6, 13}}, pal::White);
  c.line(2, 14, 12, 3 + lift, pal::Cyan[1]);
  for (int i = 0; i < 4; ++i) c.set(5 + i * 2, 10 - i * 2 + lift / 2, pal::Cyan[2]);
  sparkle(c, 13, 12, pal::Gold[3]);
  c.outline(pal::Ink);
  return c;
}

Canvas moon() {
  Canvas c(16, 16);
  c.fillEllipse(1, 1, 14, 14, pal::Gold[3]);
  c.fillEllipse(6, 0, 11, 12, kClear);
  c.set(4, 6, pal::Ink);
  c.hline(3, 5, 10, pal::Gold[1]);
  sparkle(c, 12, 11, pal::White);
  c.outline(pal::Ink);
  return c;
}

Canvas leaf() {
  Canvas c(16, 16);
  c.fillPolygon({{1, 12}, {4, 3}, {12, 1}, {15, 4}, {11, 12}}, pal::Orange[2]);
  c.line(2, 13, 12, 3, pal::Brown[1]);
  c.line(6, 8, 5, 5, pal::Brown[1]);
  c.line(8, 6, 11, 8, pal::Brown[1]);
  c.outline(pal::Ink);
  return c;
}

Canvas door(const Ramp& r, bool twin) {
  Canvas c(24, 32);
  c.fillEllipse(0, 0, 24, 16, r[2]);
  c.fillRect(0, 8, 24, 24, r[2]);
  c.fillRect(2, 10, 20, 22, r[1]);
  c.fillEllipse(2, 2, 20, 14, r[1]);
  if (twin) c.vline(12, 3, 31, r[0]);
  for (int y = 8; y < 32; y += 6) c.hline(3, 20, y, r[0]);
  c.fillRect(twin ? 9 : 17, 18, 2, 3, pal::Gold[3]);
  if (twin) c.fillRect(14, 18, 2, 3, pal::Gold[3]);
  c.outline(pal::Ink);
  return c.crop(0, 0, 24, 32);
}

Canvas exitSign() {
  Canvas c(24, 24);
  c.fillRect(10, 10, 4, 14, pal::Wood[1]);
  shadedRect(c, 0, 0, 24, 12, pal::Wood);
  c.fillPolygon({{4, 4}, {15, 4}, {15, 2}, {20, 6}, {15, 10}, {15, 8}, {4, 8}}, pal::White);
  c.outline(pal::Ink);
  return c.crop(0, 0, 24, 24);
}

Canvas puff(int phase) {
  Canvas c(16, 16);
  const int r = 4 + phase * 2;
  const Index col = phase < 2 ? pal::White : pal::Grey[3];
  c.fillEllipse(8 - r / 2 - 3, 8 - r / 2, r, r, col);
  c.fillEllipse(8 - r / 2 + 3, 8 - r / 2 + 1, r, r, col);
  c.fillEllipse(8 - r / 2, 8 - r / 2 - 2, r, r, pal::White);
  if (phase == 3) c.fillEllipse(5, 5, 6, 6, kClear);
  return c;
}

Canvas burst(int phase) {
  Canvas c(16, 16);
  const int d = 2 + phase * 2;
  sparkle(c, 8, 8 - d, pal::Gold[3]);
  sparkle(c, 8 + d, 8 + d / 2, pal::Gold[3]);
  sparkle(c, 8 - d, 8 + d / 2, pal::Gold[3]);
  sparkle(c, 8, 8, pal::White);
  c.outline(pal::Gold[1]);
  return c;
}

Canvas splash(int phase) {
  Canvas c(16, 16);
  const int h = phase <= 2 ? 4 + phase * 3 : 13 - (phase - 2) * 3;
  for (int i = 0; i < 4; ++i) {
    const int x = 2 + i * 4;
    const int top = 15 - h + (i % 2) * 2;
    if (top < 15) c.vline(x, top, 15 - (phase > 3 ? 3 : 0), pal::Water2);
    c.set(x - 1 + (i % 2) * 2, std::max(0, top - 2), pal::White);
  }
  c.hline(1, 14, 15, pal::Water);
  return c;
}

}  // namespace

void drawItems(ImageSet& set) {
  for (int p = 0; p < 4; ++p) set.put(72 + p, "Coin", coin(16, 16, p, pal::Gold));
  for (int p = 0; p < 3; ++p) set.put(76 + p, "Coin pop", coin(8, 14, p, pal::Gold));
  set.put(607, "Coin", coin(16, 16, 0, pal::Gold));
  set.put(107, "Mushroom", mushroom(pal::Red));
  set.put(251, "Mush life", mushroom(pal::Green));
  set.put(252, "Mush poison", mushroom({{pal::Shadow, pal::DarkMetal, 11, 12}}));
  {
    Canvas m = mushroom(pal::Orange, false, 8);
    m.set(10, 5, pal::Ink);
    putFacing(set, 328, 329, "Mush watch", m);
  }
  set.put(581, "Fire flower", fireFlower());
  for (int p = 0; p < 3; ++p) set.put(263 + p, "Feather", feather(p));
  set.put(266, "Moon", moon());
  putFacing(set, 269, 270, "Leaf", leaf());
  set.put(98, "Door", door(pal::Wood, false));
  set.put(306, "Door", door(pal::Red, false));
  set.put(307, "Door double", door(pal::Blue, true));
  set.put(308, "Door", door(pal::Metal, false));
  set.put(606, "Exit sign", exitSign());
  for (int p = 0; p < 4; ++p) set.put(103 + p, "Dust", puff(p));
  for (int p = 0; p < 3; ++p) set.put(161 + p, "Stars", burst(p));
  for (int p = 0; p < 6; ++p) set.put(494 + p, "Splash", splash(p));
}

}  // namespace art
