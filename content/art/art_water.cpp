// Water: surface and body pieces in the level's two water colours, the air
// bubble, corals and the icy sky.
#include "content/art/art_common.h"
#include "content/art/families.h"

namespace art {
namespace {

Canvas waterBody(int phase, bool surface, bool deep) {
  Canvas c(16, 16, deep ? pal::DeepWater : pal::Water);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x)
      if ((x + y * 3 + phase * 4) % 13 == 0) c.set(x, y, pal::Water2);
  if (surface) {
    for (int x = 0; x < 16; ++x) {
      const int top = ((x + phase * 4) % 16) < 8 ? 2 : 3;
      c.vline(x, 0, top - 1, kClear);
      c.set(x, top, pal::White);
      c.set(x, top + 1, pal::Water2);
    }
  }
  return c;
}

Canvas coral(int phase, const Ramp& r) {
  Canvas c(16, 16);
  const int sway = phase % 4 < 2 ? 0 : 1;
  c.fillRect(7, 6, 3, 10, r[1]);
  c.line(8, 10, 3 + sway, 3, r[2]);
  c.line(9, 9, 13 + sway, 2, r[2]);
  c.line(8, 13, 1 + sway, 8, r[2]);
  c.fillEllipse(2 + sway, 1, 3, 3, r[3]);
  c.fillEllipse(12 + sway, 0, 3, 3, r[3]);
  c.fillEllipse(0 + sway, 7, 3, 3, r[3]);
  c.outline(pal::Ink);
  return c;
}

}  // namespace

void drawWater(ImageSet& set) {
  set.put(458, "Water top", waterBody(0, true, false));
  set.put(459, "Water", waterBody(0, false, false));
  for (int p = 0; p < 4; ++p) {
    set.put(460 + p, "Water top", waterBody(p, true, false));
    set.put(464 + p, "Water top", waterBody(p, true, true));
    set.put(468 + p, "Water", waterBody(p, false, false));
  }
  set.put(490, "Water deep", waterBody(1, false, true));
  set.put(491, "Water", waterBody(2, false, false));
  set.put(492, "Water deep", waterBody(3, false, true));
  {
    Canvas bubble(8, 8);
    bubble.fillEllipse(0, 0, 8, 8, pal::Water2);
    bubble.fillEllipse(1, 1, 6, 6, kClear);
    bubble.set(2, 2, pal::White);
    set.put(493, "Bubble", bubble);
  }
  for (int p = 0; p < 4; ++p) {
    set.put(500 + p, "Coral", coral(p, {{pal::CoralDark, pal::CoralDark, pal::Coral, pal::Pink[3]}}));
    set.put(504 + p, "Coral", coral(p, pal::Gold));
  }
  {
    Canvas sky(16, 16, pal::Ice1);
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x)
        if ((x * 5 + y * 7) % 17 == 0) sky.set(x, y, pal::Ice2);
    for (int x = 0; x < 16; x += 4) sky.fillPolygon({{x, 12}, {x + 2, 16}, {x + 4, 12}}, pal::IceDeep);
    sky.hline(0, 15, 12, pal::IceDeep);
    set.put(637, "Ice sky", sky);
  }
}

}  // namespace art
