#include "content/art/canvas.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

namespace art {

Canvas::Canvas(int width, int height, Index fill)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, fill) {
  if (width <= 0 || height <= 0) throw std::invalid_argument("canvas needs a positive size");
}

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
    if (x0 == x1 && y0 == y1) break;
    const int e2 = 2 * err;
    if (e2 >= dy) { err += dy; x0 += sx; }
    if (e2 <= dx) { err += dx; y0 += sy; }
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

void Canvas::fillPolygon(std::initializer_list<std::pair<int, int>> points, Index c) {
  const std::vector<std::pair<int, int>> p(points);
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) {
      const double px = x + 0.5, py = y + 0.5;
      bool in = false;
      for (size_t i = 0, j = p.size() - 1; i < p.size(); j = i++) {
        const double xi = p[i].first, yi = p[i].second, xj = p[j].first, yj = p[j].second;
        if ((yi > py) != (yj > py) && px < (xj - xi) * (py - yi) / (yj - yi) + xi) in = !in;
      }
      if (in) set(x, y, c);
    }
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

void Canvas::recolour(const std::map<Index, Index>& map) {
  for (Index& p : pixels_)
    if (auto it = map.find(p); it != map.end()) p = it->second;
}

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
  return static_cast<int>(std::count_if(pixels_.begin(), pixels_.end(), [](Index p) { return p != kClear; }));
}

}  // namespace art
