#include "content/mapart/pixels.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

namespace mapart {

Image8::Image8(int width, int height, uint8_t fill) : width_(width), height_(height) {
  if (width <= 0 || height <= 0) throw std::invalid_argument("image size must be positive");
  pixels_.assign(size_t(width) * size_t(height), fill);
}

void Image8::fill(uint8_t c) { std::fill(pixels_.begin(), pixels_.end(), c); }

void Image8::fillRect(int x, int y, int w, int h, uint8_t c) {
  for (int j = y; j < y + h; ++j)
    for (int i = x; i < x + w; ++i) set(i, j, c);
}

void Image8::frameRect(int x, int y, int w, int h, uint8_t c) {
  hline(x, x + w - 1, y, c);
  hline(x, x + w - 1, y + h - 1, c);
  vline(x, y, y + h - 1, c);
  vline(x + w - 1, y, y + h - 1, c);
}

void Image8::hline(int x0, int x1, int y, uint8_t c) {
  if (x0 > x1) std::swap(x0, x1);
  for (int x = x0; x <= x1; ++x) set(x, y, c);
}

void Image8::vline(int x, int y0, int y1, uint8_t c) {
  if (y0 > y1) std::swap(y0, y1);
  for (int y = y0; y <= y1; ++y) set(x, y, c);
}

void Image8::line(int x0, int y0, int x1, int y1, uint8_t c) {
  const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
  const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
  int err = dx + dy;
  for (;;) {
    set(x0, y0, c);
    if (x0 == x1 && y0 == y1) return;
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x0 += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y0 += sy;
    }
  }
}

void Image8::fillEllipse(int x, int y, int w, int h, uint8_t c) {
  const double cx = x + w / 2.0, cy = y + h / 2.0, rx = w / 2.0, ry = h / 2.0;
  for (int j = y; j < y + h; ++j)
    for (int i = x; i < x + w; ++i) {
      const double nx = (i + 0.5 - cx) / rx, ny = (j + 0.5 - cy) / ry;
      if (nx * nx + ny * ny <= 1.0) set(i, j, c);
    }
}

void Image8::fillPolygon(std::initializer_list<std::pair<int, int>> points, uint8_t c) {
  std::vector<std::pair<int, int>> p(points);
  if (p.size() < 3) return;
  int top = p[0].second, bottom = p[0].second;
  for (auto& q : p) {
    top = std::min(top, q.second);
    bottom = std::max(bottom, q.second);
  }
  // Scan lines through pixel centres, even-odd rule.
  for (int y = top; y <= bottom; ++y) {
    std::vector<double> xs;
    const double sy = y + 0.5;
    for (size_t i = 0; i < p.size(); ++i) {
      auto [x0, y0] = p[i];
      auto [x1, y1] = p[(i + 1) % p.size()];
      if ((y0 <= sy && y1 > sy) || (y1 <= sy && y0 > sy))
        xs.push_back(x0 + (sy - y0) * double(x1 - x0) / double(y1 - y0));
    }
    std::sort(xs.begin(), xs.end());
    for (size_t i = 0; i + 1 < xs.size(); i += 2)
      for (int x = int(std::ceil(xs[i] - 0.5)); x + 0.5 <= xs[i + 1]; ++x) set(x, y, c);
  }
}

void Image8::pattern(int x, int y, std::initializer_list<std::string_view> rows, std::string_view keys,
                     std::initializer_list<uint8_t> colours) {
  const std::vector<uint8_t> col(colours);
  int j = 0;
  for (std::string_view row : rows) {
    for (size_t i = 0; i < row.size(); ++i) {
      const size_t k = keys.find(row[i]);
      if (k != std::string_view::npos && k < col.size()) set(x + int(i), y + j, col[k]);
    }
    ++j;
  }
}

void Image8::blit(const Image8& src, int x, int y) {
  for (int j = 0; j < src.height(); ++j)
    for (int i = 0; i < src.width(); ++i)
      if (uint8_t c = src.at(i, j)) set(x + i, y + j, c);
}

void Image8::replace(uint8_t from, uint8_t to) { std::replace(pixels_.begin(), pixels_.end(), from, to); }

void Image8::outline(uint8_t c) {
  const Image8 src = *this;
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x)
      if (!src.at(x, y) && (src.at(x - 1, y) || src.at(x + 1, y) || src.at(x, y - 1) || src.at(x, y + 1)))
        set(x, y, c);
}

void Image8::dropShadow(uint8_t c) {
  const Image8 src = *this;
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x)
      if (!src.at(x, y) && (src.at(x - 1, y) || src.at(x, y - 1) || src.at(x - 1, y - 1))) set(x, y, c);
}

bool ditherOn(int x, int y, int level) {
  static const int bayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
  return bayer[y & 3][x & 3] < level;
}

void Image8::ditherRect(int x, int y, int w, int h, uint8_t a, uint8_t b, int level) {
  for (int j = y; j < y + h; ++j)
    for (int i = x; i < x + w; ++i) set(i, j, ditherOn(i, j, level) ? b : a);
}

Image8 Image8::mirrored() const {
  Image8 out(width_, height_);
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) out.set(width_ - 1 - x, y, at(x, y));
  return out;
}

Image8 Image8::cropped(int x, int y, int w, int h) const {
  Image8 out(w, h);
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i) out.set(i, j, at(x + i, y + j));
  return out;
}

int Image8::drawnCount() const {
  return int(std::count_if(pixels_.begin(), pixels_.end(), [](uint8_t c) { return c != 0; }));
}

ImageRgb::ImageRgb(int width, int height, Rgb fill) : width_(width), height_(height) {
  if (width <= 0 || height <= 0) throw std::invalid_argument("image size must be positive");
  pixels_.assign(size_t(width) * size_t(height), fill);
}

Rgb mix(Rgb a, Rgb b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  auto ch = [t](uint8_t p, uint8_t q) { return uint8_t(std::lround(p + (q - p) * t)); };
  return {ch(a.r, b.r), ch(a.g, b.g), ch(a.b, b.b)};
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

}  // namespace mapart
