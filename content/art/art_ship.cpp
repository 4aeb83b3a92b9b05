// Airship parts: hull plates in the level's two ship colours with rivets,
// supports, screws, ropes, cannons, floors, engines and propellers.
#include "content/art/art_common.h"
#include "content/art/families.h"

namespace art {
namespace {

// A hull plate; `shape` cuts it: 0 square, 1 bow rising to the right, 2 to
// the left, 3 upper half, 4 lower half.
Canvas hull(int shape, bool dark, int variant) {
  const Ramp r = dark ? Ramp{{pal::Rust, pal::Rust, pal::Ship2, pal::Ship}} : pal::ShipHull;
  Canvas c = tile(16, 16, r, true, true, true, true, pal::Ink);
  for (int x = 3; x < 16; x += 8)
    for (int y = 3 + (variant % 2) * 4; y < 16; y += 8) c.set(x, y, r[3]);
  if (variant % 3 == 1) c.hline(1, 14, 7, r[1]);
  if (variant % 3 == 2) c.vline(7, 1, 14, r[1]);
  if (shape == 1) c.fillPolygon({{0, 0}, {16, 0}, {0, 16}}, kClear);
  if (shape == 2) c.fillPolygon({{0, 0}, {16, 0}, {16, 16}}, kClear);
  if (shape == 3) c.fillRect(0, 8, 16, 8, kClear);
  if (shape == 4) c.fillRect(0, 0, 16, 8, kClear);
  if (shape == 1) c.line(0, 15, 15, 0, pal::Ink);
  if (shape == 2) c.line(0, 0, 15, 15, pal::Ink);
  return c;
}

Canvas support(int variant) {
  Canvas c(16, 16);
  const Ramp& m = pal::Metal;
  if (variant % 2 == 0) {
    c.fillRect(6, 0, 4, 16, m[2]);
    c.vline(6, 0, 15, m[3]);
  } else {
    c.fillRect(0, 6, 16, 4, m[2]);
    c.hline(0, 15, 6, m[3]);
  }
  if (variant >= 2) c.line(0, variant % 3 ? 15 : 0, 15, variant % 3 ? 0 : 15, m[1]);
  c.outline(pal::Ink);
  return c;
}

Canvas screw(bool holder) {
  Canvas c(16, 16);
  if (holder) {
    shadedRect(c, 2, 10, 12, 6, pal::Metal);
    c.fillRect(6, 0, 4, 10, pal::Grey[2]);
  } else {
    c.fillRect(6, 4, 4, 12, pal::Grey[2]);
    for (int y = 5; y < 16; y += 2) c.hline(6, 9, y, pal::Grey[1]);
    c.fillRect(3, 0, 10, 4, pal::Gold[2]);
    c.hline(3, 12, 0, pal::Gold[3]);
  }
  c.outline(pal::Ink);
  return c;
}

Canvas rope(bool slanted) {
  Canvas c(16, 16);
  if (slanted) {
    c.line(0, 0, 15, 15, pal::Brown[2]);
    c.line(1, 0, 15, 14, pal::Brown[1]);
  } else {
    c.vline(7, 0, 15, pal::Brown[2]);
    c.vline(8, 0, 15, pal::Brown[1]);
    for (int y = 1; y < 16; y += 3) c.set(7, y, pal::Brown[0]);
  }
  return c;
}

Canvas shipCannon(int dx, int dy, int size) {
  Canvas c(size, size);
  shadedEllipse(c, size / 4, size / 4, size / 2, size / 2, pal::Metal);
  const int cx = size / 2, cy = size / 2;
  for (int t = 0; t <= size / 2 - 3; ++t) {
    c.fillEllipse(cx + dx * t - 3, cy + dy * t - 3, 6, 6, pal::DarkMetal);
    c.fillEllipse(cx - dx * t - 3, cy - dy * t - 3, 6, 6, pal::DarkMetal);
  }
  c.fillEllipse(cx - 3, cy - 3, 6, 6, pal::ShipHull[2]);
  c.outline(pal::Ink);
  return c;
}

Canvas shipFloor(int variant) {
  Canvas c = tile(16, 16, pal::Wood, true, false, true, false, pal::Ink);
  for (int y = 4; y < 16; y += 4) c.hline(0, 15, y, pal::Wood[1]);
  c.vline(variant % 2 ? 4 : 11, 0, 15, pal::Wood[0]);
  c.fillRect(0, 0, 16, 2, pal::Metal[2]);
  return c;
}

Canvas engine(int phase, const Ramp& glow) {
  Canvas c = tile(16, 16, pal::Metal, true, true, true, true, pal::Ink);
  c.fillEllipse(3, 3, 10, 10, pal::Shadow);
  c.fillEllipse(4 + phase % 2, 4 + phase / 2, 7, 7, glow[2 + phase % 2]);
  c.set(7, 7, pal::White);
  return c;
}

Canvas propeller(int phase) {
  Canvas c(16, 16);
  c.fillRect(6, 6, 4, 4, pal::DarkMetal);
  if (phase == 0) c.fillRect(7, 0, 2, 16, pal::Grey[3]);
  if (phase == 1) c.line(2, 2, 13, 13, pal::Grey[3]);
  if (phase == 2) c.fillRect(0, 7, 16, 2, pal::Grey[3]);
  c.outline(pal::Ink);
  return c;
}

}  // namespace

void drawShip(ImageSet& set) {
  // hull plates 300-317 and 326, 327 (images 518-535, 547, 548)
  for (int i = 0; i < 18; ++i) {
    const int shape = i < 4 ? i % 5 : i >= 14 ? i - 13 : 0;
    set.put(518 + i, "Ship hull", hull(shape, i % 2 == 1, i));
  }
  // supports 318-324 (536-542)
  for (int i = 0; i < 7; ++i) set.put(536 + i, "Ship frame", support(i));
  set.put(547, "Ship hull", hull(0, false, 5));
  set.put(548, "Ship hull", hull(0, true, 7));
  set.put(549, "Ship rope", rope(false));
  set.put(550, "Ship rope", rope(true));
  set.put(552, "Ship cannon", shipCannon(-1, 0, 16));
  set.put(611, "Ship cannon", shipCannon(1, 1, 32));
  set.put(612, "Ship cannon", shipCannon(-1, 1, 32));
  set.put(613, "Screw", screw(false));
  set.put(614, "Screw hold", screw(true));
  set.put(616, "Ship cannon", shipCannon(1, 0, 16));
  set.put(642, "Ship floor", shipFloor(0));
  set.put(643, "Ship floor", shipFloor(1));
  for (int p = 0; p < 3; ++p) {
    set.put(644 + p, "Ship engine", engine(p, pal::LavaRamp));
    set.put(647 + p, "Ship engine", engine(p, pal::Cyan));
    set.put(650 + p, "Propeller", propeller(p));
  }
  set.put(653, "Ship hull", hull(3, false, 2));
}

}  // namespace art
