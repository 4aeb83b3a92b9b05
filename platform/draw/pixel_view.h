#pragma once
// A view of the pixels a GDI context draws on: 8-bit indexed (with the palette
// that colours map to) or 32-bit 0x00RRGGBB, rows pitch bytes apart.
#include <cstdint>

#include "platform/draw/dd_types.h"

namespace platform {

struct PixelView {
  uint8_t* data = nullptr;
  int width = 0;
  int height = 0;
  int pitch = 0;
  int bitsPerPixel = 32;                    // 8 or 32
  const PALETTEENTRY* palette = nullptr;    // 256 entries at 8 bits, or none

  explicit operator bool() const { return data != nullptr; }
  uint8_t* row(int y) const { return data + ptrdiff_t(y) * pitch; }
};

}  // namespace platform
