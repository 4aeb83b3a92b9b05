#include "content/pixelart/rgb_image.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace pixelart {

Rgb mix(Rgb a, Rgb b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  auto channel = [t](uint8_t p, uint8_t q) { return static_cast<uint8_t>(std::lround(p + (q - p) * t)); };
  return {channel(a.r, b.r), channel(a.g, b.g), channel(a.b, b.b)};
}

ImageRgb::ImageRgb(int width, int height, Rgb fill) : width_(width), height_(height) {
  if (width <= 0 || height <= 0) throw std::invalid_argument("image size must be positive");
  pixels_.assign(static_cast<size_t>(width) * static_cast<size_t>(height), fill);
}

void ImageRgb::blend(int x, int y, Rgb c, double alpha) {
  if (inside(x, y)) set(x, y, mix(at(x, y), c, alpha));
}

platform::Bitmap ImageRgb::toBitmap() const {
  platform::Bitmap bmp(width_, height_, 24);
  for (size_t i = 0; i < pixels_.size(); ++i) {
    bmp.pixels[i * 3] = pixels_[i].r;
    bmp.pixels[i * 3 + 1] = pixels_[i].g;
    bmp.pixels[i * 3 + 2] = pixels_[i].b;
  }
  return bmp;
}

}  // namespace pixelart
