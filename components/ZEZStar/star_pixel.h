#pragma once
// Writing one point of the star field straight into a locked surface.
#include <cstdint>

// Writes colour (0x00BBGGRR, red in the low byte) at row y, column x of a locked
// surface of the given depth: 16 bits as 5:6:5, 24 bits as blue, green, red,
// 32 bits as blue, green, red, 0. Any other depth (8 bits) writes nothing.
inline void PlotStarPixel(uint8_t* bits, int pitch, int bitsPerPixel, int x, int y, uint32_t color) {
  const uint8_t r = uint8_t(color), g = uint8_t(color >> 8), b = uint8_t(color >> 16);
  uint8_t* row = bits + static_cast<intptr_t>(y) * pitch;
  switch (bitsPerPixel) {
    case 16: {
      const uint16_t p = uint16_t(((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3));
      uint8_t* q = row + static_cast<intptr_t>(x) * 2;
      q[0] = uint8_t(p);
      q[1] = uint8_t(p >> 8);
      break;
    }
    case 24: {
      uint8_t* q = row + static_cast<intptr_t>(x) * 3;
      q[0] = b, q[1] = g, q[2] = r;
      break;
    }
    case 32: {
      uint8_t* q = row + static_cast<intptr_t>(x) * 4;
      q[0] = b, q[1] = g, q[2] = r, q[3] = 0;
      break;
    }
    default:
      break;
  }
}
