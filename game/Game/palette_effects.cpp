#include "game/Game/palette_effects.h"

#include "components/ZEZ/TGKScreen.h"

void ApplyPaletteEffect(uint8_t& R, uint8_t& G, uint8_t& B, int Index, int Effect) {
  int r = R, g = G, b = B;
  const int sum = r + g + b;
  // sum / 3 rounded to the nearest: a third is never a tie.
  const int average = (sum + 1) / 3;
  switch (Effect) {
    case 1:  // half grey
      r = (average + r) / 2;
      g = (average + g) / 2;
      b = (average + b) / 2;
      break;
    case 2:  // grey
      r = g = b = average;
      break;
    case 3:  // silhouette
      if (sum == 765)
        r = g = b = 0;
      else if (sum == 0)
        r = g = b = 64;
      if (Index < FirstBackgroundPaletteEntry && r + g + b != 192) r = g = b = 0;
      break;
    case 4:
      r = (r + b) / 2;
      g = (g + b) / 2;
      b = 0;
      break;
    case 5:
      g = g / 3;
      r = (r + g + b) / 3;
      b = b / 3;
      break;
    case 6:
      r = r / 3;
      g = (r + g + b) / 3;
      b = b / 3;
      break;
    case 7:
      r = r / 3;
      b = (r + g + b) / 3;
      g = g / 3;
      break;
    default:
      return;
  }
  R = uint8_t(r);
  G = uint8_t(g);
  B = uint8_t(b);
}

namespace {

// One palette update per step d, each entry at d / steps of the screen's palette.
void fadePalette(TGKScreen& screen, int effect, int steps, bool in) {
  if (screen.ColorDepth != 8) return;
  if (effect == 0) {
    in ? screen.FadeIn(steps) : screen.FadeOut(steps);
    return;
  }
  if (!screen.Palette) throw EGKScreen("No palette set");
  if (steps < 1) steps = 1;
  TGKScreen::PaletteTable work;
  screen.Palette->GetEntries(0, 256, work.data());  // keeps the live entries' flags
  for (int n = 0; n <= steps; ++n) {
    const int d = in ? n : steps - n;
    for (int i = 0; i < 256; ++i) {
      const platform::PALETTEENTRY& full = screen.PaletteEntries[size_t(i)];
      platform::PALETTEENTRY& e = work[size_t(i)];
      e.peRed = uint8_t(full.peRed * d / steps);
      e.peGreen = uint8_t(full.peGreen * d / steps);
      e.peBlue = uint8_t(full.peBlue * d / steps);
      ApplyPaletteEffect(e.peRed, e.peGreen, e.peBlue, i, effect);
    }
    screen.WaitForVerticalBlank();
    screen.Palette->SetEntries(0, 256, work.data());
  }
}

}  // namespace

void FadeInPalette(TGKScreen& screen, int Effect, int Steps) { fadePalette(screen, Effect, Steps, true); }
void FadeOutPalette(TGKScreen& screen, int Effect, int Steps) { fadePalette(screen, Effect, Steps, false); }
