// Scenery drawn behind the play: bushes and trees built from pieces, a Turvo
// statue, the level-end gate, castle windows, a pyramid, a palm.
#include "content/art/art_common.h"
#include "content/art/families.h"

namespace art {
namespace {

// A piece of a round bush: `cx` and `cy` place the bush's centre relative to the tile.
Canvas bushPiece(int cx, int cy, int r, const Ramp& g) {
  Canvas c(16, 16);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      const int dx = x - cx, dy = y - cy;
      if (dx * dx + dy * dy <= r * r) {
        const bool lit = dx + dy < -r / 2;
        c.set(x, y, lit ? g[3] : (x * 3 + y * 5) % 11 == 0 ? g[1] : g[2]);
      }
    }
  Canvas out = c;
  out.outline(pal::Ink);
  // no outline along the joins with the neighbouring pieces
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x)
      if ((x == 0 || x == 15 || y == 15) && c.at(x, y) != kClear) out.set(x, y, c.at(x, y));
  return out;
}

Canvas flower(Index petal) {
  Canvas c(16, 16);
  c.vline(8, 7, 15, pal::Green[1]);
  c.fillEllipse(3, 10, 5, 3, pal::Green[2]);
  for (int i = 0; i < 4; ++i) c.fillEllipse(5 + (i % 2) * 4, 1 + (i / 2) * 4, 4, 4, petal);
  c.fillEllipse(7, 4, 3, 3, pal::Gold[3]);
  c.outline(pal::Ink);
  return c;
}

Canvas tuft() {
  Canvas c(16, 16);
  for (int x = 1; x < 15; x += 3) c.line(x, 15, x + 1, 8 + x % 4, pal::GrassTop[2]);
  return c;
}

Canvas trunk() {
  Canvas c(16, 16);
  shadedRect(c, 5, 0, 6, 16, pal::Wood);
  c.vline(7, 2, 13, pal::Wood[1]);
  c.outline(pal::Ink);
  return c;
}

Canvas gatePiece(int piece) {
  Canvas c(16, 16);
  switch (piece) {
    case 0:  // pole
      shadedRect(c, 6, 0, 4, 16, pal::Grey);
      break;
    case 1:  // base
      shadedRect(c, 6, 0, 4, 10, pal::Grey);
      shadedRect(c, 2, 10, 12, 6, pal::Granite);
      break;
    case 2:  // banner
      c.vline(1, 0, 15, pal::Grey[2]);
      c.fillPolygon({{2, 1}, {15, 4}, {2, 8}}, pal::Red[2]);
      c.set(5, 4, pal::Gold[3]);
      break;
    default:  // top: a golden ball
      shadedRect(c, 6, 8, 4, 8, pal::Grey);
      shadedEllipse(c, 4, 1, 8, 8, pal::Gold);
      break;
  }
  c.outline(pal::Ink);
  return c;
}

Canvas castleWindow(int piece) {
  Canvas c(16, 16, pal::Granite[2]);
  brickPattern(c, 0, 0, 16, 16, pal::Granite[2], pal::Granite[1], pal::Granite[3]);
  if (piece == 0) c.fillEllipse(4, 2, 8, 14, pal::Night);
  if (piece == 1) c.fillRect(5, 4, 6, 12, pal::Night);
  if (piece == 2) {
    for (int x = 0; x < 16; x += 8) c.fillRect(x, 0, 4, 4, kClear);
  }
  return c;
}

Canvas pyramid(int piece) {
  Canvas c(16, 16, pal::Sand[2]);
  for (int y = 3; y < 16; y += 4) c.hline(0, 15, y, pal::Sand[1]);
  if (piece == 0) c.fillPolygon({{0, 0}, {16, 0}, {0, 16}}, kClear);
  if (piece == 1) c.fillPolygon({{0, 0}, {16, 0}, {16, 16}}, kClear);
  if (piece == 3) {
    c.fillPolygon({{0, 0}, {8, 0}, {0, 16}}, kClear);
    c.fillPolygon({{8, 0}, {16, 0}, {16, 16}}, kClear);
    c.fillRect(6, 10, 4, 6, pal::Night);
  }
  return c;
}

Canvas palmLeaves() {
  Canvas c(16, 16);
  c.fillPolygon({{8, 6}, {0, 10}, {2, 4}}, pal::Green[2]);
  c.fillPolygon({{8, 6}, {16, 10}, {14, 4}}, pal::Green[2]);
  c.fillPolygon({{8, 6}, {4, 0}, {12, 0}}, pal::Green[3]);
  c.fillRect(7, 6, 2, 10, pal::Wood[2]);
  c.outline(pal::Ink);
  return c;
}

}  // namespace

void drawScenery(ImageSet& set) {
  const Ramp& g = pal::GrassTop;
  set.put(422, "Bush", bushPiece(14, 14, 10, g));
  set.put(423, "Bush", bushPiece(8, 16, 11, g));
  set.put(424, "Bush", bushPiece(1, 14, 10, g));
  set.put(425, "Bush", bushPiece(14, 18, 9, g));
  set.put(426, "Bush", bushPiece(8, 18, 10, g));
  set.put(427, "Bush", bushPiece(1, 18, 9, g));
  set.put(428, "Flower", flower(pal::Pink[2]));
  set.put(450, "Grass", tuft());
  // a Turvo statue, top and bottom
  {
    Canvas statue(16, 32);
    shadedEllipse(statue, 2, 14, 12, 12, pal::Cyan);
    shadedEllipse(statue, 7, 4, 8, 9, pal::Cyan);
    drawEye(statue, 11, 6, true);
    shadedRect(statue, 1, 26, 14, 6, pal::Granite);
    statue.outline(pal::Ink);
    set.put(429, "Statue", statue.crop(0, 0, 16, 16));
    set.put(430, "Statue", statue.crop(0, 16, 16, 16));
  }
  const Ramp tree = pal::Green;
  set.put(431, "Tree", bushPiece(15, 15, 14, tree));
  set.put(432, "Tree", bushPiece(0, 15, 14, tree));
  set.put(433, "Tree", bushPiece(15, 0, 14, tree));
  set.put(434, "Tree", bushPiece(0, 0, 14, tree));
  set.put(435, "Tree trunk", trunk());
  {
    Canvas vine(16, 16);
    for (int y = 0; y < 16; ++y) vine.set(7 + (y / 4) % 2, y, pal::Green[1]);
    vine.fillEllipse(9, 4, 4, 3, pal::Green[2]);
    vine.fillEllipse(3, 10, 4, 3, pal::Green[2]);
    set.put(436, "Vine", vine);
    Canvas end = vine.crop(0, 0, 16, 10);
    Canvas endFull(16, 16);
    endFull.stamp(end, 0, 0);
    endFull.fillEllipse(6, 9, 4, 4, pal::Pink[2]);
    set.put(437, "Vine", endFull);
  }
  set.put(438, "Flower", flower(pal::Gold[2]));
  set.put(419, "End pole", gatePiece(0));
  set.put(420, "End base", gatePiece(1));
  set.put(421, "End banner", gatePiece(2));
  set.put(439, "End top", gatePiece(3));
  for (int i = 0; i < 3; ++i) set.put(440 + i, "Window", castleWindow(i));
  for (int i = 0; i < 4; ++i) set.put(443 + i, "Pyramid", pyramid(i));
  set.put(447, "Palm", palmLeaves());
  set.put(448, "Palm trunk", trunk());
  {
    Canvas nut(16, 16);
    shadedEllipse(nut, 3, 6, 6, 6, pal::Brown);
    shadedEllipse(nut, 8, 8, 6, 6, pal::Brown);
    nut.outline(pal::Ink);
    set.put(449, "Coconut", nut);
  }
}

}  // namespace art
