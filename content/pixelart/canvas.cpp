#include "content/pixelart/canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

namespace pixelart {

Canvas::Canvas(int width, int height, Index fill) {
  if (width <= 0 || height <= 0) throw std::invalid_argument("canvas needs a positive size");
  width_ = width;
  height_ = height;
  pixels_.assign(static_cast<size_t>(width) * static_cast<size_t>(height), fill);
}

void Canvas::fill(Index c) { std::fill(pixels_.begin(), pixels_.end(), c); }

void Canvas::fillRect(int x, int y, int w, int h, Index c) {
  for (int yy = y; yy < y + h; ++yy)
    for (int xx = x; xx < x + w; ++xx) set(xx, yy, c);
}

void Canvas::frameRect(int x, int y, int w, int h, Index c) {
  hline(x, x + w - 1, y, c);
  hline(x, x + w - 1, y + h - 1, c);
  vline(x, y, y + h - 1, c);
  vline(x + w - 1, y, y + h - 1, c);
}

void Canvas::hline(int x0, int x1, int y, Index c) {
  if (x0 > x1) std::swap(x0, x1);
  for (int x = x0; x <= x1; ++x) set(x, y, c);
}

void Canvas::vline(int x, int y0, int y1, Index c) {
  if (y0 > y1) std::swap(y0, y1);
  for (int y = y0; y <= y1; ++y) set(x, y, c);
}

void Canvas::line(int x0, int y0, int x1, int y1, Index c) {
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

void Canvas::fillEllipse(int x, int y, int w, int h, Index c) {
  const double rx = w / 2.0, ry = h / 2.0, cx = x + rx, cy = y + ry;
  for (int yy = y; yy < y + h; ++yy)
    for (int xx = x; xx < x + w; ++xx) {
      const double nx = (xx + 0.5 - cx) / rx, ny = (yy + 0.5 - cy) / ry;
      if (nx * nx + ny * ny <= 1.0) set(xx, yy, c);
    }
}

void Canvas::fillPolygon(std::initializer_list<std::pair<int, int>> points, Index c, PolygonSpans spans) {
  const std::vector<std::pair<int, int>> p(points);
  if (p.size() < 3) return;
  const auto [low, high] =
      std::minmax_element(p.begin(), p.end(), [](const auto& a, const auto& b) { return a.second < b.second; });
  const int top = std::max(low->second, 0), bottom = std::min(high->second, height_ - 1);
  // Scan lines through the pixel centres.
  std::vector<double> crossings;
  for (int y = top; y <= bottom; ++y) {
    const double cy = y + 0.5;
    crossings.clear();
    for (size_t i = 0, j = p.size() - 1; i < p.size(); j = i++) {
      const auto [xi, yi] = p[i];
      const auto [xj, yj] = p[j];
      if ((yi > cy) != (yj > cy)) crossings.push_back((xj - xi) * (cy - yi) / (yj - yi) + xi);
    }
    std::sort(crossings.begin(), crossings.end());
    for (size_t k = 0; k + 1 < crossings.size(); k += 2) {
      const double right = crossings[k + 1];
      for (int x = std::max(static_cast<int>(std::ceil(crossings[k] - 0.5)), 0);
           x < width_ && (x + 0.5 < right || (spans == PolygonSpans::Closed && x + 0.5 == right)); ++x)
        set(x, y, c);
    }
  }
}

void Canvas::pattern(int x, int y, std::initializer_list<std::string_view> rows, std::string_view keys,
                     std::initializer_list<Index> colours) {
  const std::vector<Index> col(colours);
  int yy = y;
  for (std::string_view row : rows) {
    for (size_t i = 0; i < row.size(); ++i) {
      const size_t k = keys.find(row[i]);
      if (k != std::string_view::npos && k < col.size()) set(x + static_cast<int>(i), yy, col[k]);
    }
    ++yy;
  }
}

bool ditherOn(int x, int y, int level) {
  static constexpr int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
  return kBayer[y & 3][x & 3] < level;
}

void Canvas::ditherRect(int x, int y, int w, int h, Index a, Index b, int level) {
  for (int yy = y; yy < y + h; ++yy)
    for (int xx = x; xx < x + w; ++xx) set(xx, yy, ditherOn(xx, yy, level) ? b : a);
}

void Canvas::stamp(const Canvas& src, int x, int y) {
  for (int yy = 0; yy < src.height(); ++yy)
    for (int xx = 0; xx < src.width(); ++xx)
      if (const Index c = src.at(xx, yy); c != kClear) set(x + xx, y + yy, c);
}

void Canvas::outline(Index c) {
  const Canvas before = *this;
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x)
      if (before.at(x, y) == kClear &&
          (before.at(x - 1, y) != kClear || before.at(x + 1, y) != kClear ||
           before.at(x, y - 1) != kClear || before.at(x, y + 1) != kClear))
        set(x, y, c);
}

void Canvas::dropShadow(Index c) {
  const Canvas before = *this;
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x)
      if (before.at(x, y) == kClear &&
          (before.at(x - 1, y) != kClear || before.at(x, y - 1) != kClear || before.at(x - 1, y - 1) != kClear))
        set(x, y, c);
}

void Canvas::recolour(const std::map<Index, Index>& map) {
  for (Index& px : pixels_)
    if (auto it = map.find(px); it != map.end()) px = it->second;
}

void Canvas::replace(Index from, Index to) { std::replace(pixels_.begin(), pixels_.end(), from, to); }

Canvas Canvas::mirrored() const {
  Canvas out(width_, height_);
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) out.set(width_ - 1 - x, y, at(x, y));
  return out;
}

Canvas Canvas::flipped() const {
  Canvas out(width_, height_);
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) out.set(x, height_ - 1 - y, at(x, y));
  return out;
}

Canvas Canvas::transposed() const {
  Canvas out(height_, width_);
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) out.set(y, x, at(x, y));
  return out;
}

Canvas Canvas::crop(int x, int y, int w, int h) const {
  Canvas out(w, h);
  for (int yy = 0; yy < h; ++yy)
    for (int xx = 0; xx < w; ++xx) out.set(xx, yy, at(x + xx, y + yy));
  return out;
}

int Canvas::countDrawn() const {
  return static_cast<int>(std::count_if(pixels_.begin(), pixels_.end(), [](Index px) { return px != kClear; }));
}

}  // namespace pixelart
