#pragma once
// Plain pixel buffers the art is drawn into before it is saved: an 8-bit
// indexed image (index 0 is transparent) and a 24-bit image for the JPEG logo.
#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "platform/core/bitmap.h"

namespace mapart {

using platform::Rgb;

class Image8 {
 public:
  Image8() = default;
  Image8(int width, int height, uint8_t fill = 0);

  int width() const { return width_; }
  int height() const { return height_; }
  bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  uint8_t at(int x, int y) const { return inside(x, y) ? pixels_[index(x, y)] : 0; }
  void set(int x, int y, uint8_t c) {
    if (inside(x, y)) pixels_[index(x, y)] = c;
  }
  const std::vector<uint8_t>& pixels() const { return pixels_; }

  void fill(uint8_t c);
  void fillRect(int x, int y, int w, int h, uint8_t c);
  void frameRect(int x, int y, int w, int h, uint8_t c);
  void hline(int x0, int x1, int y, uint8_t c);
  void vline(int x, int y0, int y1, uint8_t c);
  void line(int x0, int y0, int x1, int y1, uint8_t c);
  // Filled ellipse inside the box (x, y, w, h).
  void fillEllipse(int x, int y, int w, int h, uint8_t c);
  void fillPolygon(std::initializer_list<std::pair<int, int>> points, uint8_t c);
  // A picture given as rows of characters; each character is looked up in
  // `keys`, whose i-th character stands for colours[i]; '.' and unknown
  // characters are left untouched.
  void pattern(int x, int y, std::initializer_list<std::string_view> rows, std::string_view keys,
               std::initializer_list<uint8_t> colours);
  // Copies the non-transparent pixels of `src` to (x, y).
  void blit(const Image8& src, int x, int y);
  // Pixels of colour `from` inside the box become `to`.
  void replace(uint8_t from, uint8_t to);
  // Adds a one-pixel border of colour c around every drawn pixel (4-neighbours).
  void outline(uint8_t c);
  // Adds a shadow of colour c one pixel right and down of every drawn pixel.
  void dropShadow(uint8_t c);
  // Ordered 4x4 dither between a and b with `level` in 0..16 (share of b).
  void ditherRect(int x, int y, int w, int h, uint8_t a, uint8_t b, int level);
  Image8 mirrored() const;
  Image8 cropped(int x, int y, int w, int h) const;
  // Pixels drawn (not index 0).
  int drawnCount() const;

 private:
  size_t index(int x, int y) const { return size_t(y) * width_ + x; }
  int width_ = 0;
  int height_ = 0;
  std::vector<uint8_t> pixels_;
};

// True when the 4x4 ordered dither threshold at (x, y) is below level (0..16).
bool ditherOn(int x, int y, int level);

class ImageRgb {
 public:
  ImageRgb(int width, int height, Rgb fill);
  int width() const { return width_; }
  int height() const { return height_; }
  bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  Rgb at(int x, int y) const { return inside(x, y) ? pixels_[size_t(y) * width_ + x] : Rgb{}; }
  void set(int x, int y, Rgb c) {
    if (inside(x, y)) pixels_[size_t(y) * width_ + x] = c;
  }
  // Mixes c over the pixel with coverage alpha (0..1).
  void blend(int x, int y, Rgb c, double alpha);
  platform::Bitmap toBitmap() const;

 private:
  int width_;
  int height_;
  std::vector<Rgb> pixels_;
};

Rgb mix(Rgb a, Rgb b, double t);

}  // namespace mapart
