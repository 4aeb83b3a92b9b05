// Blocks: bricks with mortar, bonus blocks, metal, stone, sand and ice blocks,
// note blocks, switches, the chest and the end cards. One family look: a
// beveled square with the level's border colour round it.
#include "content/art/art_common.h"
#include "content/art/families.h"

namespace art {
namespace {

Canvas brick(int glint) {
  Canvas c(16, 16);
  brickPattern(c, 0, 0, 16, 16, pal::Red[1], pal::Red[0], pal::Red[2]);
  if (glint >= 0) {
    c.line(glint, 0, glint - 4, 15, pal::Red[3]);
    c.line(glint + 1, 0, glint - 3, 15, pal::Red[3]);
  }
  c.frameRect(0, 0, 16, 16, pal::Border);
  return c;
}

Canvas stoneBlock(int size, const Ramp& r, bool cracks) {
  Canvas c = tile(size, size, r);
  if (cracks) {
    c.line(3, size / 3, size / 2, size / 2, r[1]);
    c.line(size / 2, size / 2, size - 4, size / 3 + 2, r[1]);
    c.line(size / 2, size / 2, size / 2 + 1, size - 3, r[1]);
  }
  for (int i = 0; i < size / 8; ++i) c.set(2 + i * 7 % (size - 4), 2 + i * 5 % (size - 4), r[3]);
  return c;
}

Canvas sandBlock(int size) {
  Canvas c = tile(size, size, pal::Sand);
  for (int y = 3; y < size - 2; y += 4)
    for (int x = 2 + (y / 4) % 3; x < size - 2; x += 5) c.set(x, y, pal::Sand[0]);
  return c;
}

Canvas metalBlock(const Ramp& r) {
  Canvas c = tile(16, 16, r);
  c.frameRect(2, 2, 12, 12, r[1]);
  for (int p : {3, 12}) {
    c.set(p, 3, r[3]);
    c.set(p, 12, r[3]);
  }
  return c;
}

// The bonus block: gold with a white diamond that pulses (frame 0..3).
Canvas bonusBlock(int frame) {
  Canvas c = tile(16, 16, pal::Gold);
  const int s = frame == 2 ? 4 : frame == 1 || frame == 3 ? 3 : 2;
  c.fillPolygon({{8, 8 - s - 1}, {8 + s + 1, 8}, {8, 8 + s + 1}, {8 - s - 1, 8}}, pal::White);
  c.fillPolygon({{8, 8 - s + 1}, {8 + s - 1, 8}, {8, 8 + s - 1}, {8 - s + 1, 8}}, pal::Cream);
  for (int p : {2, 13}) {
    c.set(p, 2, pal::Gold[0]);
    c.set(p, 13, pal::Gold[0]);
  }
  return c;
}

Canvas usedBlock() {
  Canvas c = tile(16, 16, pal::Brown);
  for (int p : {3, 12}) {
    c.set(p, 3, pal::Brown[0]);
    c.set(p, 12, pal::Brown[0]);
  }
  return c;
}

// A note block squashes as it bounces (squash 0, 1 or 2 pixels).
Canvas noteBlock(const Ramp& r, int squash, Index note) {
  Canvas c(16, 16);
  const Canvas body = tile(16, 16 - squash, r);
  c.stamp(body, 0, squash);
  const int y = 3 + squash;
  c.fillEllipse(4, y + 5, 4, 3, note);
  c.vline(7, y, y + 6, note);
  c.hline(7, 10, y, note);
  c.vline(10, y, y + 2, note);
  return c;
}

Canvas switchBlock(const Ramp& r, int frame) {
  Canvas c(16, 16);
  const int top = frame == 1 ? 3 : frame == 2 ? 4 : 2;
  c.fillRect(1, 12, 14, 4, pal::Grey[1]);
  c.hline(1, 14, 12, pal::Grey[3]);
  shadedRect(c, 2, top, 12, 12 - top, r);
  c.fillRect(5, top + 2, 6, 5, pal::White);
  c.fillRect(6, top + 3, 4, 3, r[1]);
  c.outline(pal::Ink);
  return c;
}

Canvas pressedSwitch() {
  Canvas c(16, 4);
  c.fillRect(0, 0, 16, 4, pal::Grey[1]);
  c.hline(0, 15, 0, pal::Grey[3]);
  c.fillRect(3, 1, 10, 2, pal::Blue[1]);
  c.frameRect(0, 0, 16, 4, pal::Ink);
  return c;
}

Canvas card(int symbol) {
  Canvas c(16, 16);
  c.fillRect(1, 0, 14, 16, pal::White);
  c.frameRect(1, 0, 14, 16, pal::Ink);
  c.frameRect(2, 1, 12, 14, pal::Grey[3]);
  switch (symbol) {
    case 0:  // heart
      c.fillEllipse(3, 4, 6, 5, pal::Red[2]);
      c.fillEllipse(7, 4, 6, 5, pal::Red[2]);
      c.fillPolygon({{3, 7}, {13, 7}, {8, 13}}, pal::Red[2]);
      c.set(5, 5, pal::Red[3]);
      break;
    case 1:  // gem
      c.fillPolygon({{5, 4}, {11, 4}, {13, 7}, {8, 13}, {3, 7}}, pal::Blue[2]);
      c.hline(4, 12, 7, pal::Blue[3]);
      c.line(6, 5, 8, 12, pal::Blue[1]);
      break;
    case 2:  // sun
      c.fillEllipse(4, 4, 8, 8, pal::Gold[2]);
      for (int i = 0; i < 4; ++i) c.set(3 + i * 3, i % 2 ? 3 : 12, pal::Orange[2]);
      c.set(3, 8, pal::Orange[2]);
      c.set(12, 7, pal::Orange[2]);
      break;
    default:  // taken: a flash
      c.fillRect(2, 1, 12, 14, pal::Gold[3]);
      sparkle(c, 8, 8, pal::White);
      sparkle(c, 5, 4, pal::White);
      sparkle(c, 11, 11, pal::White);
      break;
  }
  return c;
}

Canvas chest() {
  Canvas c(16, 16);
  shadedRect(c, 1, 6, 14, 9, pal::Wood);
  c.fillEllipse(1, 1, 14, 10, pal::Wood[2]);
  c.fillRect(1, 6, 14, 1, pal::Gold[1]);
  c.vline(4, 2, 14, pal::Gold[2]);
  c.vline(11, 2, 14, pal::Gold[2]);
  c.fillRect(7, 6, 2, 3, pal::Gold[3]);
  c.outline(pal::Ink);
  return c.crop(0, 0, 16, 16);
}

Canvas castleEndBlock() {
  Canvas c = tile(16, 16, pal::Purple);
  c.fillPolygon({{3, 11}, {3, 5}, {5, 8}, {8, 4}, {11, 8}, {13, 5}, {13, 11}}, pal::Gold[2]);
  c.hline(3, 12, 11, pal::Gold[1]);
  c.set(8, 7, pal::Red[2]);
  return c;
}

Canvas donut(const Ramp& r) {
  Canvas c = tile(16, 16, r);
  c.fillEllipse(4, 4, 8, 8, r[1]);
  c.fillEllipse(6, 6, 4, 4, r[0]);
  return c;
}

Canvas movableBlock(int frame) {
  Canvas c = tile(16, 16, pal::Blue);
  const int o = frame;  // arrows move out with the frame
  c.fillPolygon({{8, 1 + 2 - o}, {11, 5 - o}, {5, 5 - o}}, pal::White);
  c.fillPolygon({{8, 14 - 2 + o}, {11, 10 + o}, {5, 10 + o}}, pal::White);
  c.fillRect(7, 6, 2, 4, pal::Blue[3]);
  return c;
}

}  // namespace

void drawBlocks(ImageSet& set) {
  set.put(582, "Brick", brick(-1));
  set.put(583, "Brick", brick(6));
  set.put(584, "Brick", brick(12));
  set.put(585, "Brick", brick(18));
  set.put(53, "Brick", brick(24));
  // fragments of a broken brick (three spare shapes)
  for (int i = 0; i < 3; ++i) {
    Canvas f(8, 8);
    f.fillPolygon({{0, 1 + i}, {6, 0}, {7, 6}, {2, 7 - i}}, pal::Red[1]);
    f.hline(1, 5, 1 + i / 2, pal::Red[2]);
    f.line(1, 5, 6, 3, pal::Red[0]);
    f.outline(pal::Ink);
    set.put(i == 0 ? 56 : 53 + i, "Brick frag", f);
  }
  for (int f = 0; f < 3; ++f) set.put(57 + f, "Movable", movableBlock(f));
  {
    Canvas wood = tile(16, 16, pal::Wood);
    for (int y = 4; y < 16; y += 4) wood.hline(1, 14, y, pal::Wood[1]);
    wood.set(4, 2, pal::Wood[0]);
    wood.set(11, 10, pal::Wood[0]);
    set.put(60, "Wood block", wood);
  }
  set.put(61, "Metal dark", metalBlock(pal::Metal));
  set.put(62, "Metal black", metalBlock({{pal::Shadow, pal::DarkMetal, 11, 12}}));
  set.put(289, "Metal light", metalBlock({{12, 13, 14, 15}}));
  set.put(63, "Granite S", stoneBlock(16, pal::Granite, false));
  set.put(123, "Granite M", stoneBlock(32, pal::Granite, true));
  set.put(122, "Granite L", stoneBlock(48, pal::Granite, true));
  set.put(121, "Sand S", sandBlock(16));
  set.put(119, "Sand M", sandBlock(32));
  set.put(120, "Sand L", sandBlock(48));
  {
    Canvas hollow = tile(16, 16, pal::Granite);
    hollow.fillRect(4, 4, 8, 8, pal::Shadow);
    hollow.hline(4, 11, 11, pal::Granite[1]);
    set.put(125, "Hollow", hollow);
  }
  {
    Canvas ice = tile(16, 16, pal::Ice);
    ice.line(3, 12, 12, 3, pal::White);
    set.put(126, "Ice S", ice);
    Canvas big = tile(32, 32, pal::Ice);
    big.line(4, 26, 26, 4, pal::White);
    big.line(6, 28, 28, 6, pal::White);
    set.put(321, "Ice L", big);
  }
  {
    Canvas cloud(16, 16);
    cloud.fillEllipse(0, 3, 9, 10, pal::Cloud);
    cloud.fillEllipse(6, 1, 10, 12, pal::Cloud);
    cloud.fillRect(1, 8, 14, 6, pal::Cloud);
    cloud.hline(1, 14, 13, pal::CloudShade);
    drawEyes(cloud, 5, 6, 2, true);
    cloud.outline(pal::Border);
    set.put(127, "Cloud block", cloud);
  }
  {
    Canvas hard(16, 16);
    brickPattern(hard, 0, 0, 16, 16, pal::Grey[1], pal::Grey[0], pal::Grey[2]);
    hard.frameRect(0, 0, 16, 16, pal::Border);
    set.put(322, "Brick solid", hard);
  }
  set.put(124, "Donut", donut(pal::Sand));
  set.put(517, "Donut water", donut(pal::Cyan));
  for (int f = 0; f < 4; ++f) set.put(64 + f, "Bonus", bonusBlock((f + 1) % 4));
  set.put(68, "Used block", usedBlock());
  set.put(69, "Note", noteBlock({{13, 14, 15, 15}}, 0, pal::Ink));
  set.put(70, "Note", noteBlock({{13, 14, 15, 15}}, 1, pal::Ink));
  set.put(71, "Note", noteBlock({{13, 14, 15, 15}}, 2, pal::Ink));
  set.put(324, "Note bonus", noteBlock(pal::Pink, 0, pal::White));
  set.put(325, "Note bonus", noteBlock(pal::Pink, 1, pal::White));
  set.put(326, "Note bonus", noteBlock(pal::Pink, 2, pal::White));
  set.put(236, "Switch", switchBlock(pal::Blue, 0));
  set.put(237, "Switch", switchBlock(pal::Blue, 1));
  set.put(79, "Switch", switchBlock(pal::Blue, 2));
  set.put(238, "Switch tmp", switchBlock(pal::Red, 0));
  set.put(239, "Switch tmp", switchBlock(pal::Red, 1));
  set.put(80, "Switch tmp", switchBlock(pal::Red, 2));
  set.put(81, "Switch down", pressedSwitch());
  set.put(117, "Castle end", castleEndBlock());
  set.put(302, "Chest", chest());
  for (int i = 0; i < 4; ++i) set.put(99 + i, "Card", card(i));
}

}  // namespace art
