// Hazards: lava, spikes, candles, cannons and what they shoot, flames and
// fire jets, fireballs, the rotating disc with its balls, quicksand, the fan.
#include <algorithm>

#include "content/art/art_common.h"
#include "content/art/families.h"

namespace art {
namespace {

Canvas lava(int phase, const Ramp& r) {
  Canvas c(16, 16, r[1]);
  for (int x = 0; x < 16; ++x) {
    const int wave = (x + phase * 4) % 8 < 4 ? 0 : 1;
    c.vline(x, 0, 1 + wave, kClear);
    c.set(x, 2 + wave, r[3]);
    c.set(x, 3 + wave, r[2]);
  }
  for (int i = 0; i < 3; ++i) c.fillEllipse((i * 6 + phase * 3) % 14, 7 + (i * 3) % 6, 3, 2, r[2]);
  return c;
}

Canvas spikes(const Ramp& r, bool onBase) {
  Canvas c(16, 16);
  if (onBase) shadedRect(c, 0, 11, 16, 5, pal::Granite);
  const int baseY = onBase ? 11 : 16;
  for (int x = 0; x < 16; x += 4) {
    c.fillPolygon({{x, baseY}, {x + 2, baseY - 9}, {x + 4, baseY}}, r[2]);
    c.line(x + 2, baseY - 8, x + 2, baseY - 1, r[3]);
  }
  c.outline(pal::Ink);
  return c;
}

Canvas flameShape(int w, int h, int phase, bool face, bool lookRight) {
  Canvas c(w, h);
  const int sway = phase % 2 ? 1 : -1;
  c.fillPolygon({{w / 2 + sway * 2, 0}, {w - 1, h * 2 / 3}, {w / 2, h}, {0, h * 2 / 3}}, pal::Red[2]);
  c.fillEllipse(1, h / 3, w - 2, h * 2 / 3, pal::Red[2]);
  c.fillEllipse(3, h / 2, w - 6, h / 2 - 1, pal::Orange[2]);
  c.fillEllipse(w / 2 - 2, h * 2 / 3, 4, h / 3 - 1, pal::Gold[3]);
  if (face) drawEyes(c, lookRight ? w / 2 : w / 2 - 5, h / 2, 1, lookRight, true);
  c.outline(pal::Ink);
  return c;
}

Canvas candle() {
  Canvas c(16, 16);
  c.fillRect(3, 13, 10, 3, pal::Gold[1]);
  c.hline(3, 12, 13, pal::Gold[3]);
  c.fillRect(6, 5, 4, 8, pal::Cream);
  c.vline(9, 5, 12, pal::Sand[1]);
  c.fillEllipse(6, 0, 4, 5, pal::Orange[2]);
  c.set(7, 2, pal::Gold[3]);
  c.outline(pal::Ink);
  return c;
}

// A cannon: a barrel pointing dx, dy (-1, 0, 1) on a block.
Canvas cannon(int dx, int dy, int phase = 0) {
  Canvas c(16, 16);
  shadedRect(c, 1, 8, 14, 8, pal::Metal);
  const int cx = 8, cy = 8;
  for (int t = 0; t <= 6; ++t)
    c.fillEllipse(cx + dx * t - 3, cy + dy * t - 3, 7, 7, pal::DarkMetal);
  c.fillEllipse(cx + dx * 6 - 2, cy + dy * 6 - 2, 5, 5, pal::Shadow);
  c.fillEllipse(cx - 3, cy - 3, 6, 6, pal::Metal[2]);
  if (phase > 0) sparkle(c, cx + dx * 7, cy + dy * 7, phase % 2 ? pal::LavaHi : pal::White);
  c.outline(pal::Ink);
  return c;
}

Canvas bullet(int w, int h) {
  Canvas c(w, h);
  c.fillEllipse(0, 0, h, h, pal::DarkMetal);
  c.fillRect(h / 2, 0, w - h / 2 - 2, h, pal::DarkMetal);
  c.fillRect(w - 3, 1, 3, h - 2, pal::Grey[1]);
  c.hline(2, w - 4, 1, pal::Grey[2]);
  drawEye(c, 3, h / 2 - 2, false, true);
  Canvas out = c;
  out.outline(pal::Ink);
  return out.crop(0, 0, w, h);
}

Canvas ball(int size, const Ramp& r) {
  Canvas c(size, size);
  shadedEllipse(c, 0, 0, size - 1, size - 1, r);
  c.outline(pal::Ink);
  return c;
}

Canvas fireball(int turn) {
  Canvas c(8, 8);
  c.fillEllipse(1, 1, 6, 6, pal::Orange[2]);
  c.fillEllipse(2, 2, 4, 4, pal::Gold[3]);
  static const int tx[4] = {0, 7, 7, 0}, ty[4] = {0, 0, 7, 7};
  c.set(tx[turn], ty[turn], pal::Red[2]);
  c.set(tx[(turn + 2) % 4], ty[(turn + 2) % 4], pal::Red[2]);
  return c;
}

// A fire jet of `len` pixels along x, grown to `reach` of it.
Canvas jet(int len, int reach, int phase) {
  Canvas c(len, 16);
  for (int x = 0; x < reach; ++x) {
    const int half = 2 + (x * 5) / std::max(1, reach) + ((x + phase) % 3 == 0 ? 1 : 0);
    c.vline(x, 8 - half, 7 + half, pal::Red[2]);
    if (half > 3) c.vline(x, 10 - half, 5 + half, pal::Orange[2]);
    if (half > 5) c.vline(x, 12 - half, 3 + half, pal::Gold[3]);
  }
  return c;
}

Canvas disc() {
  Canvas c(16, 16);
  shadedEllipse(c, 1, 1, 14, 14, pal::Metal);
  c.fillEllipse(5, 5, 6, 6, pal::Gold[2]);
  c.set(7, 7, pal::Gold[3]);
  c.outline(pal::Ink);
  return c;
}

Canvas quicksand(int phase, bool surface) {
  Canvas c(16, 16, pal::Sand[1]);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x)
      if ((x * 3 + y * 5 + phase * 2) % 9 == 0) c.set(x, y, pal::Sand[0]);
      else if ((x * 7 + y * 3 + phase * 3) % 11 == 0) c.set(x, y, pal::Sand[2]);
  if (surface) {
    for (int x = 0; x < 16; ++x) {
      const int top = (x + phase * 2) % 8 < 4 ? 2 : 3;
      c.vline(x, 0, top - 1, kClear);
      c.set(x, top, pal::Sand[3]);
    }
  }
  return c;
}

Canvas fan(int phase) {
  Canvas c(16, 32);
  c.fillRect(6, 0, 4, 32, pal::DarkMetal);
  const int spread = (phase % 2 == 0) ? 14 : 6;
  c.fillEllipse(8 - spread / 2, 2, spread, 12, pal::Grey[2]);
  c.fillEllipse(8 - (20 - spread) / 2, 18, 20 - spread, 12, pal::Grey[3]);
  c.fillEllipse(5, 13, 6, 6, pal::Gold[2]);
  c.outline(pal::Ink);
  return c;
}

}  // namespace

void drawHazards(ImageSet& set) {
  for (int p = 0; p < 4; ++p) set.put(108 + p, "Lava", lava(p, pal::LavaRamp));
  set.put(323, "Lava 2", lava(1, {{pal::Purple[0], pal::Purple[1], pal::Pink[2], pal::Pink[3]}}));
  set.put(290, "Spikes", spikes({{11, 12, 14, 15}}, true));
  set.put(455, "Spikes", spikes(pal::Gold, false));
  set.put(168, "Candle", candle());
  for (int p = 0; p < 4; ++p) set.put(153 + p, "Cannon", cannon(-1, 0, p));
  set.put(157, "Cannon", cannon(0, -1));
  {
    Canvas base = tile(16, 16, pal::Metal);
    base.frameRect(3, 3, 10, 10, pal::DarkMetal);
    set.put(158, "Cannon base", base);
  }
  set.put(382, "Cannon ball", cannon(1, -1));
  set.put(383, "Cannon ball", cannon(-1, -1));
  set.put(385, "Cannon ball", cannon(1, 1));
  set.put(386, "Cannon ball", cannon(-1, 1));
  set.put(384, "Cannonball", ball(12, pal::Metal));
  // bullets are drawn nose left: 160 and 654 fly left, 159 right
  putFacing(set, 160, 159, "Bullet", bullet(16, 12));
  set.put(654, "Bullet", bullet(16, 12));
  set.put(169, "Flame", flameShape(16, 16, 0, false, true));
  set.put(170, "Flame", flameShape(16, 16, 1, false, true));
  for (int p = 0; p < 2; ++p) putFacing(set, 173 + p, 171 + p, "Flame eyes", flameShape(16, 16, p, true, true));
  for (int p = 0; p < 3; ++p) {
    const Canvas up = flameShape(16, 16, p, false, true);
    set.put(594 + p, "Flame up", up);
    set.put(597 + p, "Flame down", up.flipped());
  }
  for (int t = 0; t < 4; ++t) set.put(338 + t, "Fireball", fireball(t));
  // jets: two growing frames, two full ones; 621.. right, 625.. left,
  // 629.. up and 633.. down
  const int reach[4] = {14, 30, 48, 48};
  for (int i = 0; i < 4; ++i) {
    const Canvas right = jet(48, reach[i], i);
    set.put(621 + i, "Jet right", right);
    set.put(625 + i, "Jet left", right.mirrored());
    const Canvas down = right.transposed();
    set.put(629 + i, "Jet up", down.flipped());
    set.put(633 + i, "Jet down", down);
  }
  set.put(327, "Disc", disc());
  for (int p = 0; p < 4; ++p) {
    Canvas b = ball(10, pal::LavaRamp);
    b.set(2 + p % 2 * 4, 2 + p / 2 * 4, pal::White);
    set.put(451 + p, "Disc ball", b);
  }
  for (int p = 0; p < 4; ++p) {
    set.put(408 + p, "Quicksand", quicksand(p, true));
    set.put(412 + p, "Quicksand", quicksand(p, false));
    set.put(543 + p, "Fan", fan(p));
  }
}

}  // namespace art
