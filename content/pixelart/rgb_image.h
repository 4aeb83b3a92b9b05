#pragma once
// A 24-bit image for pictures that are not palette based (the launcher's
// JPEG logo), and colour mixing.
#include <vector>

#include "platform/core/bitmap.h"

namespace pixelart {

using platform::Rgb;

// The colour a share t (0..1) of the way from a to b.
Rgb mix(Rgb a, Rgb b, double t);

class ImageRgb {
 public:
  // Throws std::invalid_argument unless both sides are positive.
  ImageRgb(int width, int height, Rgb fill);
  int width() const { return width_; }
  int height() const { return height_; }
  bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  Rgb at(int x, int y) const { return inside(x, y) ? pixels_[offset(x, y)] : Rgb{}; }
  void set(int x, int y, Rgb c) {
    if (inside(x, y)) pixels_[offset(x, y)] = c;
  }
  // Mixes c over the pixel with coverage alpha (0..1).
  void blend(int x, int y, Rgb c, double alpha);
  platform::Bitmap toBitmap() const;

 private:
  size_t offset(int x, int y) const { return static_cast<size_t>(y) * width_ + x; }
  int width_;
  int height_;
  std::vector<Rgb> pixels_;
};

}  // namespace pixelart
