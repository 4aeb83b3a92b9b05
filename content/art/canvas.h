#pragma once
// A small pixel-art toolkit over 8-bit palette images: shapes, outlines,
// mirroring, turning and recolouring. Index 0 is transparent.
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <map>
#include <vector>

namespace art {

using Index = uint8_t;
constexpr Index kClear = 0;

class Canvas {
 public:
  Canvas() = default;
  Canvas(int width, int height, Index fill = kClear);

  int width() const { return width_; }
  int height() const { return height_; }
  bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  Index at(int x, int y) const { return inside(x, y) ? pixels_[offset(x, y)] : kClear; }
  // Drawing outside the canvas is clipped.
  void set(int x, int y, Index c) {
    if (inside(x, y)) pixels_[offset(x, y)] = c;
  }
  const std::vector<Index>& pixels() const { return pixels_; }

  void fillRect(int x, int y, int w, int h, Index c);
  void frameRect(int x, int y, int w, int h, Index c);
  void hline(int x0, int x1, int y, Index c);
  void vline(int x, int y0, int y1, Index c);
  void line(int x0, int y0, int x1, int y1, Index c);
  // Ellipse inscribed in the box (x, y, w, h).
  void fillEllipse(int x, int y, int w, int h, Index c);
  // Polygon with integer corners; a pixel is filled when its centre is inside.
  void fillPolygon(std::initializer_list<std::pair<int, int>> points, Index c);

  // Copies the non-transparent pixels of src with its top-left at (x, y).
  void stamp(const Canvas& src, int x, int y);
  // Every transparent pixel next to (4-neighbour) a drawn pixel becomes c.
  void outline(Index c);
  // Replaces colours by the map; others stay.
  void recolour(const std::map<Index, Index>& map);
  void replace(Index from, Index to) { recolour({{from, to}}); }
  Canvas mirrored() const;  // left-right
  Canvas flipped() const;   // top-bottom
  Canvas transposed() const;  // rows become columns: a quarter turn, mirrored
  // A copy of a region (w x h from x, y).
  Canvas crop(int x, int y, int w, int h) const;
  int countDrawn() const;

 private:
  size_t offset(int x, int y) const { return static_cast<size_t>(y) * width_ + x; }
  int width_ = 0, height_ = 0;
  std::vector<Index> pixels_;
};

}  // namespace art
