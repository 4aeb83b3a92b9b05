#pragma once
// The pixel-art toolkit of the content generators: an 8-bit palette image
// drawn with shapes, outlines, shadows, dithers, mirroring, turning and
// recolouring. Index 0 is transparent. Drawing outside the canvas is clipped.
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <map>
#include <string_view>
#include <utility>
#include <vector>

namespace pixelart {

using Index = uint8_t;
constexpr Index kClear = 0;

// Which pixels a polygon's spans take whose centre lies exactly on a crossing:
// half-open spans leave those at the right-hand end out, so polygons sharing an
// edge do not overlap; closed spans take them too and draw a little fuller.
enum class PolygonSpans { HalfOpen, Closed };

class Canvas {
 public:
  Canvas() = default;
  // Throws std::invalid_argument unless both sides are positive.
  Canvas(int width, int height, Index fill = kClear);

  int width() const { return width_; }
  int height() const { return height_; }
  bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  Index at(int x, int y) const { return inside(x, y) ? pixels_[offset(x, y)] : kClear; }
  void set(int x, int y, Index c) {
    if (inside(x, y)) pixels_[offset(x, y)] = c;
  }
  // Width x height indexes, top row first, no row padding.
  const std::vector<Index>& pixels() const { return pixels_; }

  void fill(Index c);
  void fillRect(int x, int y, int w, int h, Index c);
  void frameRect(int x, int y, int w, int h, Index c);
  void hline(int x0, int x1, int y, Index c);
  void vline(int x, int y0, int y1, Index c);
  void line(int x0, int y0, int x1, int y1, Index c);
  // Ellipse inscribed in the box (x, y, w, h).
  void fillEllipse(int x, int y, int w, int h, Index c);
  // Polygon with integer corners; a pixel is filled when its centre is inside
  // (even-odd rule). Fewer than three corners draw nothing.
  void fillPolygon(std::initializer_list<std::pair<int, int>> points, Index c,
                   PolygonSpans spans = PolygonSpans::HalfOpen);
  // A picture given as rows of characters with its top-left at (x, y); the
  // i-th character of `keys` stands for colours[i]; other characters ('.')
  // leave the canvas untouched.
  void pattern(int x, int y, std::initializer_list<std::string_view> rows, std::string_view keys,
               std::initializer_list<Index> colours);
  // Ordered 4x4 dither of the box between a and b, `level` 0..16 the share of b.
  void ditherRect(int x, int y, int w, int h, Index a, Index b, int level);

  // Copies the non-transparent pixels of src with its top-left at (x, y).
  void stamp(const Canvas& src, int x, int y);
  // Every transparent pixel next to (4-neighbour) a drawn pixel becomes c.
  void outline(Index c);
  // Every transparent pixel right of, below or diagonally below-right of a
  // drawn pixel becomes c.
  void dropShadow(Index c);
  // Replaces colours by the map; others stay.
  void recolour(const std::map<Index, Index>& map);
  void replace(Index from, Index to);

  Canvas mirrored() const;    // left-right
  Canvas flipped() const;     // top-bottom
  Canvas transposed() const;  // rows become columns: a quarter turn, mirrored
  // A copy of the region w x h from (x, y); outside the canvas is transparent.
  Canvas crop(int x, int y, int w, int h) const;
  int countDrawn() const;

 private:
  size_t offset(int x, int y) const { return static_cast<size_t>(y) * width_ + x; }
  int width_ = 0, height_ = 0;
  std::vector<Index> pixels_;
};

// True where the 4x4 ordered dither at (x, y) shows the second colour of a
// dither of `level` (0..16).
bool ditherOn(int x, int y, int level);

}  // namespace pixelart
