#include "components/ZEZ/screen_tables.h"

#include <algorithm>

#include "components/BmpUtil/BmpUtil.h"
#include "components/GKILib/TGKImages.h"
#include "platform/core/random.h"
#include "platform/draw/dd_surface.h"
#include "platform/draw/system_palette.h"

TScreenPalette StartPalette() {
  TScreenPalette table{};
  for (int i = 10; i <= 245; ++i)
    table[i] = {uint8_t(platform::Random(255)), uint8_t(platform::Random(255)), uint8_t(platform::Random(255)), 0};
  // Our system palette holds only the static colours, so both palette modes
  // take entries 0-9 and 246-255 from it.
  const auto& system = platform::systemPalette();
  for (int i = 0; i < 10; ++i) table[i] = system[i];
  for (int i = 246; i < 256; ++i) table[i] = system[i];
  return table;
}

TScreenPalette LibraryPalette(const TGKImages& images) {
  TScreenPalette table;
  for (int i = 0; i < 256; ++i) {
    const platform::PALETTEENTRY& e = images.Palette[i];
    table[i] = {e.peRed, e.peGreen, e.peBlue, 0};
  }
  return table;
}

namespace {
uint8_t fadeLevel(int n, int steps, uint8_t value, bool fadingIn) {
  if (steps <= 0) return fadingIn ? value : 0;
  return uint8_t(n * value / steps);
}
}  // namespace

void FadeStep(TScreenPalette& table, const TScreenPalette& target, int n, int steps, bool fadingIn) {
  for (int i = 0; i < 256; ++i) {
    table[i].peRed = fadeLevel(n, steps, target[i].peRed, fadingIn);
    table[i].peGreen = fadeLevel(n, steps, target[i].peGreen, fadingIn);
    table[i].peBlue = fadeLevel(n, steps, target[i].peBlue, fadingIn);
  }
}

const char* RestoreFailureText(platform::HRESULT hr) {
  switch (hr) {
    case platform::DDERR_GENERIC: return "Restore Failed: Generic";
    case platform::DDERR_INVALIDOBJECT: return "Restore Failed: Invalid Object";
    case platform::DDERR_NOEXCLUSIVEMODE: return "Restore Failed: No Exclusive";
    case platform::DDERR_WRONGMODE: return "Restore Failed: Wrong Mode";
    default: return "Restore Failed: UnKnown";
  }
}

void CopyImageRows(const TGKImageEntry& image, uint8_t* bits, int pitch) {
  const size_t rowBytes = size_t(DibRowBytes(image.Width));
  for (int y = 0; y < image.Height; ++y)
    std::copy_n(image.Bits.data() + size_t(y) * rowBytes, image.Width, bits + ptrdiff_t(y) * pitch);
}
