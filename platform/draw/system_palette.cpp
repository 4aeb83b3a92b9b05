#include "platform/draw/system_palette.h"

namespace platform {

const std::array<PALETTEENTRY, 256>& systemPalette() {
  static const std::array<PALETTEENTRY, 256> table = [] {
    std::array<PALETTEENTRY, 256> t{};
    const PALETTEENTRY low[10] = {{0, 0, 0, 0},       {128, 0, 0, 0},     {0, 128, 0, 0},
                                  {128, 128, 0, 0},   {0, 0, 128, 0},     {128, 0, 128, 0},
                                  {0, 128, 128, 0},   {192, 192, 192, 0}, {192, 220, 192, 0},
                                  {166, 202, 240, 0}};
    const PALETTEENTRY high[10] = {{255, 251, 240, 0}, {160, 160, 164, 0}, {128, 128, 128, 0},
                                   {255, 0, 0, 0},     {0, 255, 0, 0},     {255, 255, 0, 0},
                                   {0, 0, 255, 0},     {255, 0, 255, 0},   {0, 255, 255, 0},
                                   {255, 255, 255, 0}};
    for (int i = 0; i < 10; ++i) {
      t[i] = low[i];
      t[246 + i] = high[i];
    }
    return t;
  }();
  return table;
}

}  // namespace platform
