// Pipes: the big pipes (32 pixels across) in five colours, standing and lying,
// as body and mouth pieces; the small pipes with their joints; the ship pipes.
#include "content/art/art_common.h"
#include "content/art/families.h"

namespace art {
namespace {

// The colour across a cylinder of `len` pixels at position i.
Index across(const Ramp& r, int i, int len) {
  if (i == 0 || i == len - 1) return pal::Ink;
  const int f = i * 8 / len;
  if (f <= 1) return r[3];
  if (f <= 3) return r[2];
  if (f <= 5) return r[1];
  return r[0];
}

// A standing pipe piece, `across` wide and `along` high; a mouth has its rim on top.
Canvas standingPipe(int width, int height, const Ramp& r, bool mouth) {
  Canvas c(width, height);
  const int inset = mouth ? 0 : 2;
  for (int x = inset; x < width - inset; ++x)
    for (int y = 0; y < height; ++y) c.set(x, y, across(r, x - inset, width - 2 * inset));
  if (mouth) {
    const int rim = height / 2;
    for (int x = 0; x < width; ++x) c.set(x, rim, pal::Ink);
    c.hline(0, width - 1, 0, pal::Ink);
    c.hline(1, width - 2, 1, r[3]);
    for (int x = 2; x < width - 2; ++x)
      for (int y = rim + 1; y < height; ++y) c.set(x, y, across(r, x - 2, width - 4));
    c.fillRect(0, rim + 1, 2, height - rim - 1, kClear);
    c.fillRect(width - 2, rim + 1, 2, height - rim - 1, kClear);
    c.vline(2, rim + 1, height - 1, pal::Ink);
    c.vline(width - 3, rim + 1, height - 1, pal::Ink);
  }
  return c;
}

// A lying pipe piece: the standing one turned; a mouth opens to the left.
Canvas lyingPipe(int width, int height, const Ramp& r, bool mouth) {
  return standingPipe(height, width, r, mouth).transposed();
}

const Ramp kSmallPipe{{pal::Ink, pal::SPipe2, pal::SPipe1, pal::Cream}};

Canvas smallPipe(bool horizontal, const Ramp& r) {
  Canvas c(16, 16);
  if (horizontal) {
    for (int y = 4; y < 12; ++y) c.hline(0, 15, y, across(r, y - 4, 8));
  } else {
    for (int x = 4; x < 12; ++x) c.vline(x, 0, 15, across(r, x - 4, 8));
  }
  return c;
}

// A joint of the small pipes: a ring with openings towards the given sides.
Canvas smallJoint(bool up, bool right, bool down, bool left) {
  Canvas c(16, 16);
  if (up) c.stamp(smallPipe(false, kSmallPipe).crop(0, 0, 16, 8), 0, 0);
  if (down) c.stamp(smallPipe(false, kSmallPipe).crop(0, 8, 16, 8), 0, 8);
  if (left) c.stamp(smallPipe(true, kSmallPipe).crop(0, 0, 8, 16), 0, 0);
  if (right) c.stamp(smallPipe(true, kSmallPipe).crop(8, 0, 8, 16), 8, 0);
  c.fillEllipse(2, 2, 12, 12, pal::Ink);
  c.fillEllipse(3, 3, 10, 10, pal::SPipe2);
  c.fillEllipse(3, 3, 8, 8, pal::SPipe1);
  c.set(5, 5, pal::Cream);
  return c;
}

}  // namespace

void drawPipes(ImageSet& set) {
  const Ramp colours[5] = {pal::PlantGreen, pal::Red, pal::Blue, pal::Grey,
                           {{pal::Shadow, pal::DarkMetal, 11, 12}}};
  const char* names[5] = {"green", "red", "blue", "grey", "black"};
  for (int i = 0; i < 5; ++i) {
    const std::string n = names[i];
    set.put(30 + 2 * i, "Pipe " + n, lyingPipe(16, 32, colours[i], false));
    set.put(31 + 2 * i, "Pipe " + n, lyingPipe(16, 32, colours[i], true));
    set.put(40 + 2 * i, "Pipe " + n, standingPipe(32, 16, colours[i], false));
    set.put(41 + 2 * i, "Pipe " + n, standingPipe(32, 16, colours[i], true));
  }
  set.put(50, "Small pipe", smallPipe(true, kSmallPipe));
  set.put(51, "Small pipe", smallPipe(false, kSmallPipe));
  set.put(52, "Pipe node", smallJoint(true, true, true, true));
  set.put(135, "Pipe node", smallJoint(false, true, true, false));
  set.put(136, "Pipe node", smallJoint(false, false, true, true));
  set.put(137, "Pipe node", smallJoint(true, true, false, false));
  set.put(138, "Pipe node", smallJoint(true, false, false, true));
  {
    Canvas broken = smallPipe(false, kSmallPipe);
    broken.fillPolygon({{0, 6}, {16, 9}, {16, 16}, {0, 16}}, kClear);
    broken.line(4, 7, 11, 9, pal::Ink);
    set.put(318, "Pipe broken", broken);
    Canvas base(32, 16);
    shadedRect(base, 2, 6, 28, 10, kSmallPipe);
    base.stamp(smallPipe(false, kSmallPipe).crop(0, 0, 16, 6), 8, 0);
    base.outline(pal::Ink);
    set.put(319, "Pipe base", base);
  }
  // small green pipes: standing body and mouth, lying body and mouths
  const Ramp green = pal::PlantGreen;
  set.put(316, "Pipe small", standingPipe(16, 16, green, false));
  set.put(317, "Pipe small", standingPipe(16, 16, green, true));
  set.put(638, "Pipe small", lyingPipe(16, 16, green, false));
  set.put(639, "Pipe small", lyingPipe(16, 16, green, true));
  set.put(640, "Pipe shoot", lyingPipe(16, 16, pal::Grey, true));
  set.put(641, "Pipe small", standingPipe(16, 16, green, true).flipped());
  // the ship's pipes
  set.put(551, "Ship pipe", standingPipe(32, 16, pal::ShipHull, true));
  set.put(615, "Ship pipe", standingPipe(32, 16, pal::ShipHull, false));
}

}  // namespace art
