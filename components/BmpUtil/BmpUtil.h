#pragma once
// Helpers for 8-bit device-independent bitmaps: the padded row size, a palette
// from a colour table, a GDI bitmap from DIB data, a colour table from colours.
#include <array>
#include <cstdint>
#include <memory>

#include "platform/draw/dd_palette.h"
#include "platform/draw/gdi_bitmap.h"
#include "platform/draw/geometry.h"


struct RGBQUAD {
  uint8_t rgbBlue = 0, rgbGreen = 0, rgbRed = 0, rgbReserved = 0;
};

struct BITMAPINFOHEADER {
  uint32_t biSize = 40;
  int32_t biWidth = 0;
  int32_t biHeight = 0;  // negative: rows top-down
  uint16_t biPlanes = 1;
  uint16_t biBitCount = 8;
  uint32_t biCompression = 0;  // BI_RGB
  uint32_t biSizeImage = 0;
  int32_t biXPelsPerMeter = 0;
  int32_t biYPelsPerMeter = 0;
  uint32_t biClrUsed = 0;
  uint32_t biClrImportant = 0;
};

struct BITMAPINFO {
  BITMAPINFOHEADER bmiHeader;
  std::array<RGBQUAD, 256> bmiColors{};
};

// Bytes of one row of an 8-bit DIB, padded to 4: 1..4 give 4, 5 gives 8.
constexpr int DibRowBytes(int width) { return ((width * 8 + 31) / 32) * 4; }

// A palette whose entry i has the colour of table entry i and flags 0.
std::shared_ptr<platform::DDPalette> CreateDibPalette(const BITMAPINFO& info);

// Replaces bitmap's contents with the DIB (8 bits per pixel, uncompressed, rows
// top-down when biHeight is negative). bits holds DibRowBytes(width) x height
// bytes. Throws std::runtime_error "CreateDIBitmap failed" for a DIB it cannot
// make a bitmap of.
void DibToBitmap(platform::GdiBitmap& bitmap, const BITMAPINFO& info, const uint8_t* bits);

// Table entry i := the red, green and blue of colors[i]; reserved bytes untouched.
void ColorsToDibColorTable(const std::array<platform::TColor, 256>& colors, BITMAPINFO& info);

