#pragma once
// Rectangles, points and colour values in the Windows manner: rectangles are
// half-open (Right and Bottom lie outside), colours are 0x00BBGGRR.
#include <algorithm>
#include <cstdint>

namespace platform {

struct TPoint {
  int X = 0, Y = 0;
  bool operator==(const TPoint&) const = default;
};

struct TRect {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  int width() const { return Right - Left; }
  int height() const { return Bottom - Top; }
  bool isEmpty() const { return Right <= Left || Bottom <= Top; }
  bool contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
  bool operator==(const TRect&) const = default;
};

inline TRect Rect(int left, int top, int right, int bottom) { return {left, top, right, bottom}; }
inline TRect Bounds(int left, int top, int width, int height) {
  return {left, top, left + width, top + height};
}

// The intersection, or false (and an all-zero rectangle) when it is empty.
inline bool IntersectRect(TRect& out, const TRect& a, const TRect& b) {
  out = {std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
         std::min(a.Bottom, b.Bottom)};
  if (out.isEmpty()) {
    out = {};
    return false;
  }
  return true;
}

// A colour value: red in the lowest byte, green in the second, blue in the third.
using TColor = uint32_t;
constexpr TColor RGB(uint8_t r, uint8_t g, uint8_t b) {
  return TColor(r) | (TColor(g) << 8) | (TColor(b) << 16);
}
constexpr uint8_t GetRValue(TColor c) { return uint8_t(c); }
constexpr uint8_t GetGValue(TColor c) { return uint8_t(c >> 8); }
constexpr uint8_t GetBValue(TColor c) { return uint8_t(c >> 16); }
constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;

// A 32-bit display pixel is 0x00RRGGBB (blue in the lowest byte).
constexpr uint32_t colorToPixel32(TColor c) {
  return (uint32_t(GetRValue(c)) << 16) | (uint32_t(GetGValue(c)) << 8) | GetBValue(c);
}
constexpr TColor pixel32ToColor(uint32_t p) {
  return RGB(uint8_t(p >> 16), uint8_t(p >> 8), uint8_t(p));
}

}  // namespace platform
