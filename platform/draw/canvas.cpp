#include "platform/draw/canvas.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <stdexcept>
#include <unordered_map>
#include <vector>

#include "platform/draw/gdi_bitmap.h"
#include "platform/draw/text_rasterizer.h"

namespace platform {

uint8_t nearestPaletteIndex(const PALETTEENTRY* palette, TColor color) {
  if (!palette) return GetRValue(color);
  const int r = GetRValue(color), g = GetGValue(color), b = GetBValue(color);
  int best = 0;
  int bestDistance = 1 << 30;
  for (int i = 0; i < 256; ++i) {
    const int dr = palette[i].peRed - r, dg = palette[i].peGreen - g, db = palette[i].peBlue - b;
    const int d = dr * dr + dg * dg + db * db;
    if (d < bestDistance) {
      bestDistance = d;
      best = i;
      if (d == 0) break;
    }
  }
  return uint8_t(best);
}

uint32_t pixelValueOf(const PixelView& view, TColor color) {
  return view.bitsPerPixel == 8 ? nearestPaletteIndex(view.palette, color) : colorToPixel32(color);
}

namespace {

constexpr TColor kInvalidColor = 0xFFFFFFFF;

TColor colorAt(const PixelView& v, int x, int y) {
  if (v.bitsPerPixel == 8) {
    const uint8_t i = v.row(y)[x];
    if (!v.palette) return RGB(i, i, i);
    return RGB(v.palette[i].peRed, v.palette[i].peGreen, v.palette[i].peBlue);
  }
  return pixel32ToColor(reinterpret_cast<const uint32_t*>(v.row(y))[x]);
}

void put(const PixelView& v, int x, int y, uint32_t value) {
  if (x < 0 || y < 0 || x >= v.width || y >= v.height) return;
  if (v.bitsPerPixel == 8) v.row(y)[x] = uint8_t(value);
  else reinterpret_cast<uint32_t*>(v.row(y))[x] = value;
}

void span(const PixelView& v, int x1, int x2, int y, uint32_t value) {
  if (y < 0 || y >= v.height) return;
  x1 = std::max(x1, 0);
  x2 = std::min(x2, v.width);
  if (x1 >= x2) return;
  if (v.bitsPerPixel == 8) std::fill(v.row(y) + x1, v.row(y) + x2, uint8_t(value));
  else std::fill(reinterpret_cast<uint32_t*>(v.row(y)) + x1, reinterpret_cast<uint32_t*>(v.row(y)) + x2, value);
}

// A one-pixel border just inside r.
void frame(const PixelView& v, const TRect& r, uint32_t value) {
  span(v, r.Left, r.Right, r.Top, value);
  span(v, r.Left, r.Right, r.Bottom - 1, value);
  for (int y = r.Top; y < r.Bottom; ++y) {
    put(v, r.Left, y, value);
    put(v, r.Right - 1, y, value);
  }
}

// A shape as a mask over its bounding box: filled with the brush, its boundary
// (pixels with a 4-neighbour outside) drawn with the pen.
struct Shape {
  TRect box;
  std::vector<uint8_t> in;
  bool at(int x, int y) const {
    if (x < box.Left || y < box.Top || x >= box.Right || y >= box.Bottom) return false;
    return in[size_t(y - box.Top) * box.width() + (x - box.Left)] != 0;
  }
};

void paintShape(const PixelView& v, const Shape& s, const TPen& pen, const TBrush& brush) {
  const bool fill = brush.Style != bsClear, outline = pen.Style != psClear;
  const uint32_t brushValue = pixelValueOf(v, brush.Color), penValue = pixelValueOf(v, pen.Color);
  for (int y = s.box.Top; y < s.box.Bottom; ++y)
    for (int x = s.box.Left; x < s.box.Right; ++x) {
      if (!s.at(x, y)) continue;
      const bool edge = !s.at(x - 1, y) || !s.at(x + 1, y) || !s.at(x, y - 1) || !s.at(x, y + 1);
      if (edge && outline) put(v, x, y, penValue);
      else if (fill) put(v, x, y, brushValue);
    }
}

TRect normalized(int x1, int y1, int x2, int y2) {
  return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

// Bitmaps larger than this are refused instead of allocating a mask for them.
bool sensibleBox(const TRect& r) { return int64_t(r.width()) * r.height() <= (int64_t(1) << 24); }

// Maps source pixels to a target's pixel values.
class PixelMapper {
 public:
  PixelMapper(const PixelView& src, const PixelView& dst) : src_(src), dst_(dst) {
    if (src.bitsPerPixel == 8) {
      const bool samePalette =
          dst.bitsPerPixel == 8 && src.palette && dst.palette &&
          std::equal(src.palette, src.palette + 256, dst.palette,
                     [](const PALETTEENTRY& a, const PALETTEENTRY& b) {
                       return a.peRed == b.peRed && a.peGreen == b.peGreen && a.peBlue == b.peBlue;
                     });
      for (int i = 0; i < 256; ++i) {
        const TColor c = src.palette ? RGB(src.palette[i].peRed, src.palette[i].peGreen, src.palette[i].peBlue)
                                     : RGB(uint8_t(i), uint8_t(i), uint8_t(i));
        lut_[i] = samePalette ? uint32_t(i) : pixelValueOf(dst, c);
      }
    }
  }
  TColor color(int x, int y) const { return colorAt(src_, x, y); }
  uint32_t value(int x, int y) {
    if (src_.bitsPerPixel == 8) return lut_[src_.row(y)[x]];
    const uint32_t p = reinterpret_cast<const uint32_t*>(src_.row(y))[x];
    if (dst_.bitsPerPixel != 8) return p;
    if (auto it = cache_.find(p); it != cache_.end()) return it->second;
    return cache_[p] = nearestPaletteIndex(dst_.palette, pixel32ToColor(p));
  }

 private:
  const PixelView& src_;
  const PixelView& dst_;
  uint32_t lut_[256]{};
  std::unordered_map<uint32_t, uint32_t> cache_;
};

// Copies source of src onto dest of dst, scaled; pixels whose colour is
// `transparent` take `replacement` (or are left out when it is absent).
void copyScaled(const PixelView& dst, const TRect& dest, const PixelView& src, const TRect& source,
                std::optional<TColor> transparent, std::optional<TColor> replacement) {
  if (dest.isEmpty() || source.isEmpty()) return;
  PixelMapper map(src, dst);
  const uint32_t replaceValue = replacement ? pixelValueOf(dst, *replacement) : 0;
  const int dw = dest.width(), dh = dest.height(), sw = source.width(), sh = source.height();
  const int y0 = std::max(dest.Top, 0), y1 = std::min(dest.Bottom, dst.height);
  const int x0 = std::max(dest.Left, 0), x1 = std::min(dest.Right, dst.width);
  for (int y = y0; y < y1; ++y) {
    const int sy = source.Top + int(int64_t(y - dest.Top) * sh / dh);
    if (sy < 0 || sy >= src.height) continue;
    for (int x = x0; x < x1; ++x) {
      const int sx = source.Left + int(int64_t(x - dest.Left) * sw / dw);
      if (sx < 0 || sx >= src.width) continue;
      if (transparent && map.color(sx, sy) == *transparent) {
        if (replacement) put(dst, x, y, replaceValue);
        continue;
      }
      put(dst, x, y, map.value(sx, sy));
    }
  }
}

}  // namespace

const PixelView& Canvas::handle() {
  if (!view_) CreateHandle();
  if (!view_) throw std::runtime_error("Canvas does not allow drawing");
  return view_;
}

TRect Canvas::ClipRect() {
  const PixelView& v = handle();
  return {0, 0, v.width, v.height};
}

void Canvas::SetPixel(int x, int y, TColor color) {
  const PixelView& v = handle();
  put(v, x, y, pixelValueOf(v, color));
}

TColor Canvas::GetPixel(int x, int y) {
  const PixelView& v = handle();
  if (x < 0 || y < 0 || x >= v.width || y >= v.height) return kInvalidColor;
  return colorAt(v, x, y);
}

void Canvas::MoveTo(int x, int y) { penPos_ = {x, y}; }

void Canvas::LineTo(int x, int y) {
  const PixelView& v = handle();
  if (Pen.Style != psClear) {
    const uint32_t value = pixelValueOf(v, Pen.Color);
    const int half = (std::max(Pen.Width, 1) - 1) / 2, size = std::max(Pen.Width, 1);
    int x0 = penPos_.X, y0 = penPos_.Y;
    const int dx = std::abs(x - x0), sx = x0 < x ? 1 : -1;
    const int dy = -std::abs(y - y0), sy = y0 < y ? 1 : -1;
    int err = dx + dy;
    while (!(x0 == x && y0 == y)) {  // the end point itself is not drawn
      for (int py = 0; py < size; ++py) span(v, x0 - half, x0 - half + size, y0 - half + py, value);
      const int e2 = 2 * err;
      if (e2 >= dy) { err += dy; x0 += sx; }
      if (e2 <= dx) { err += dx; y0 += sy; }
    }
  }
  penPos_ = {x, y};
}

void Canvas::Rectangle(int x1, int y1, int x2, int y2) {
  const PixelView& v = handle();
  const TRect r = normalized(x1, y1, x2, y2);
  if (r.isEmpty()) return;
  if (Brush.Style != bsClear) {
    const uint32_t b = pixelValueOf(v, Brush.Color);
    for (int y = r.Top; y < r.Bottom; ++y) span(v, r.Left, r.Right, y, b);
  }
  if (Pen.Style != psClear) frame(v, r, pixelValueOf(v, Pen.Color));
}

void Canvas::RoundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight) {
  const PixelView& v = handle();
  const TRect r = normalized(x1, y1, x2, y2);
  if (r.isEmpty() || !sensibleBox(r)) return;
  const double rx = std::min(std::abs(cornerWidth), r.width()) / 2.0;
  const double ry = std::min(std::abs(cornerHeight), r.height()) / 2.0;
  Shape s{r, std::vector<uint8_t>(size_t(r.width()) * r.height())};
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) {
      const double px = x + 0.5, py = y + 0.5;
      double cx = px, cy = py;  // nearest point of the inner rectangle
      if (px < r.Left + rx) cx = r.Left + rx;
      else if (px > r.Right - rx) cx = r.Right - rx;
      if (py < r.Top + ry) cy = r.Top + ry;
      else if (py > r.Bottom - ry) cy = r.Bottom - ry;
      bool inside = true;
      if ((cx != px || cy != py) && rx > 0 && ry > 0) {
        const double nx = (px - cx) / rx, ny = (py - cy) / ry;
        inside = nx * nx + ny * ny <= 1.0;
      }
      s.in[size_t(y - r.Top) * r.width() + (x - r.Left)] = inside;
    }
  paintShape(v, s, Pen, Brush);
}

void Canvas::Polygon(std::span<const TPoint> points) {
  const PixelView& v = handle();
  if (points.size() < 2) return;
  TRect box{points[0].X, points[0].Y, points[0].X, points[0].Y};
  for (const TPoint& p : points) {
    box.Left = std::min(box.Left, p.X);
    box.Top = std::min(box.Top, p.Y);
    box.Right = std::max(box.Right, p.X);
    box.Bottom = std::max(box.Bottom, p.Y);
  }
  if (!sensibleBox(box)) return;
  if (Brush.Style != bsClear) {
    // Alternate filling at pixel centres.
    const uint32_t b = pixelValueOf(v, Brush.Color);
    std::vector<double> xs;
    for (int y = box.Top; y < box.Bottom; ++y) {
      const double py = y + 0.5;
      xs.clear();
      for (size_t i = 0; i < points.size(); ++i) {
        const TPoint a = points[i], c = points[(i + 1) % points.size()];
        if ((a.Y <= py) != (c.Y <= py)) xs.push_back(a.X + (py - a.Y) * (c.X - a.X) / double(c.Y - a.Y));
      }
      std::sort(xs.begin(), xs.end());
      for (size_t i = 0; i + 1 < xs.size(); i += 2) {
        const int from = int(xs[i] + 0.5), to = int(xs[i + 1] + 0.5);
        span(v, from, to, y, b);
      }
    }
  }
  if (Pen.Style != psClear) {
    const TPoint saved = penPos_;
    MoveTo(points.back().X, points.back().Y);
    for (const TPoint& p : points) LineTo(p.X, p.Y);
    put(v, points.back().X, points.back().Y, pixelValueOf(v, Pen.Color));
    penPos_ = saved;
  }
}

void Canvas::FillRect(const TRect& r) {
  const PixelView& v = handle();
  if (Brush.Style == bsClear) return;
  const uint32_t b = pixelValueOf(v, Brush.Color);
  for (int y = r.Top; y < r.Bottom; ++y) span(v, r.Left, r.Right, y, b);
}

void Canvas::FrameRect(const TRect& r) {
  const PixelView& v = handle();
  if (r.isEmpty() || Brush.Style == bsClear) return;
  frame(v, r, pixelValueOf(v, Brush.Color));
}

void Canvas::TextOut(int x, int y, std::string_view text) {
  const PixelView& v = handle();
  const GlyphMask mask = textRasterizer().render(text, Font);
  if (Brush.Style != bsClear) {
    const uint32_t b = pixelValueOf(v, Brush.Color);
    for (int row = 0; row < mask.height; ++row) span(v, x, x + mask.width, y + row, b);
  }
  const uint32_t ink = pixelValueOf(v, Font.Color);
  for (int row = 0; row < mask.height; ++row)
    for (int col = 0; col < mask.width; ++col)
      if (mask.coverage[size_t(row) * mask.width + col] >= 128) put(v, x + col, y + row, ink);
  penPos_ = {x + mask.width, y};
}

TSize Canvas::TextExtent(std::string_view text) { return textRasterizer().measure(text, Font); }

void Canvas::Draw(int x, int y, const GdiBitmap& bitmap) {
  if (bitmap.Empty()) return;
  const PixelView& v = handle();
  const PixelView src = bitmap.view();
  copyScaled(v, Bounds(x, y, bitmap.Width(), bitmap.Height()), src, {0, 0, src.width, src.height},
             std::nullopt, std::nullopt);
}

void Canvas::StretchDraw(const TRect& dest, const GdiBitmap& bitmap) {
  if (bitmap.Empty()) return;
  const PixelView& v = handle();
  const PixelView src = bitmap.view();
  copyScaled(v, dest, src, {0, 0, src.width, src.height}, std::nullopt, std::nullopt);
}

void Canvas::BrushCopy(const TRect& dest, const GdiBitmap& bitmap, const TRect& source, TColor transparent) {
  if (bitmap.Empty()) return;
  const PixelView& v = handle();
  std::optional<TColor> replacement;
  if (Brush.Style != bsClear) replacement = Brush.Color;
  copyScaled(v, dest, bitmap.view(), source, transparent, replacement);
}

void Canvas::CopyRect(const TRect& dest, Canvas& source, const TRect& sourceRect) {
  const PixelView& v = handle();
  const PixelView src = source.handle();
  copyScaled(v, dest, src, sourceRect, std::nullopt, std::nullopt);
}

}  // namespace platform
