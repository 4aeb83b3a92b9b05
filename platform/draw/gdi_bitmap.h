#pragma once
// A GDI bitmap (the class library's bitmap): 8-bit with its own palette or
// 32-bit, with a canvas to draw on it.
#include <array>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/core/bitmap.h"
#include "platform/draw/canvas.h"
#include "platform/draw/dd_types.h"
#include "platform/draw/geometry.h"
#include "platform/draw/pixel_buffer.h"
#include "platform/draw/pixel_view.h"

namespace platform {

class GdiBitmap {
 public:
  GdiBitmap() = default;
  GdiBitmap(int width, int height, int bitsPerPixel = 32);
  GdiBitmap(const GdiBitmap& other);
  GdiBitmap& operator=(const GdiBitmap& other);
  ~GdiBitmap();

  // Resizes to width x height at bitsPerPixel (8 or 32); the contents become black
  // (index 0 at 8 bits).
  void SetSize(int width, int height, int bitsPerPixel = 32);
  int Width() const { return width_; }
  int Height() const { return height_; }
  int BitsPerPixel() const { return bpp_; }
  bool Empty() const { return width_ <= 0 || height_ <= 0; }

  // The palette of an 8-bit bitmap (colours map to it when drawn on).
  std::array<PALETTEENTRY, 256> Palette{};

  // Reads a BMP file (8 or 24 bits); 24-bit files become 32-bit bitmaps. Throws
  // platform::BmpError.
  void LoadFromFile(std::string_view storedPath);
  void Assign(const Bitmap& bmp);

  TColor PixelColor(int x, int y) const;
  uint8_t PixelIndex(int x, int y) const { return pixels_[size_t(y) * pitch_ + x]; }
  uint32_t Pixel32(int x, int y) const;

  PixelView view();
  PixelView view() const { return const_cast<GdiBitmap*>(this)->view(); }
  platform::Canvas& Canvas();

 private:
  int width_ = 0, height_ = 0, bpp_ = 32, pitch_ = 0;
  PixelBuffer pixels_;
  std::unique_ptr<platform::Canvas> canvas_;
};

}  // namespace platform
