#include "components/BmpUtil/BmpUtil.h"

#include <cstdint>
#include <cstring>
#include <stdexcept>

std::shared_ptr<platform::DDPalette> CreateDibPalette(const BITMAPINFO& info) {
  platform::DDPalette::Entries entries;
  for (int i = 0; i < 256; ++i)
    entries[i] = {info.bmiColors[i].rgbRed, info.bmiColors[i].rgbGreen, info.bmiColors[i].rgbBlue, 0};
  return std::make_shared<platform::DDPalette>(entries);
}

void DibToBitmap(platform::GdiBitmap& bitmap, const BITMAPINFO& info, const uint8_t* bits) {
  const BITMAPINFOHEADER& h = info.bmiHeader;
  const int64_t width = h.biWidth;
  const int64_t height = h.biHeight < 0 ? -int64_t(h.biHeight) : int64_t(h.biHeight);
  if (!bits || h.biBitCount != 8 || h.biCompression != 0 || h.biPlanes != 1 || width <= 0 ||
      height <= 0 || height > INT32_MAX)
    throw std::runtime_error("CreateDIBitmap failed");
  try {
    bitmap.SetSize(int(width), int(height), 8);
  } catch (const std::exception&) {
    throw std::runtime_error("CreateDIBitmap failed");
  }
  for (int i = 0; i < 256; ++i)
    bitmap.Palette[i] = {info.bmiColors[i].rgbRed, info.bmiColors[i].rgbGreen, info.bmiColors[i].rgbBlue, 0};
  const size_t rowBytes = size_t(DibRowBytes(int(width)));
  platform::PixelView v = bitmap.view();
  const bool topDown = h.biHeight < 0;
  for (int y = 0; y < height; ++y) {
    const uint8_t* src = bits + size_t(topDown ? y : height - 1 - y) * rowBytes;
    std::memcpy(v.row(y), src, size_t(width));
  }
}

void ColorsToDibColorTable(const std::array<platform::TColor, 256>& colors, BITMAPINFO& info) {
  for (int i = 0; i < 256; ++i) {
    info.bmiColors[i].rgbRed = platform::GetRValue(colors[i]);
    info.bmiColors[i].rgbGreen = platform::GetGValue(colors[i]);
    info.bmiColors[i].rgbBlue = platform::GetBValue(colors[i]);
  }
}
