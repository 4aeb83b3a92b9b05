#pragma once
// Our GDI for canvases: the drawing primitives the programs use, on an 8-bit
// indexed or a 32-bit target. On 8-bit targets every colour maps to the nearest
// palette entry, as GDI does. Coordinates follow GDI: rectangles exclude their
// right and bottom edges, a line excludes its end point.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "platform/draw/geometry.h"
#include "platform/draw/pixel_view.h"

namespace platform {

class GdiBitmap;

enum TBrushStyle : uint8_t { bsSolid, bsClear };
enum TPenStyle : uint8_t { psSolid, psClear };

struct TFont {
  std::string Name = "MS Sans Serif";  // Windows-1252
  int Size = 8;                        // points; 72 points to 96 pixels
  bool Bold = false;
  bool Italic = false;
  TColor Color = clBlack;
  int pixelHeight() const { return Size < 0 ? -Size : (Size * 96 + 36) / 72; }
};
struct TPen {
  TColor Color = clBlack;
  int Width = 1;
  TPenStyle Style = psSolid;
};
struct TBrush {
  TColor Color = clWhite;
  TBrushStyle Style = bsSolid;
};
struct TSize {
  int cx = 0, cy = 0;
};

class Canvas {
 public:
  Canvas() = default;
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;
  virtual ~Canvas() = default;

  TFont Font;
  TPen Pen;
  TBrush Brush;

  void SetPixel(int x, int y, TColor color);
  TColor GetPixel(int x, int y);
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  TPoint PenPos() const { return penPos_; }
  // Outline with the pen, inside with the brush.
  void Rectangle(int x1, int y1, int x2, int y2);
  void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
  void RoundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight);
  void Polygon(std::span<const TPoint> points);
  // With the brush only.
  void FillRect(const TRect& r);
  void FrameRect(const TRect& r);
  // Text at (x, y), the top-left of its cell, in Font; the cell is filled with the
  // brush unless the brush style is bsClear.
  void TextOut(int x, int y, std::string_view text);
  TSize TextExtent(std::string_view text);
  int TextWidth(std::string_view text) { return TextExtent(text).cx; }
  int TextHeight(std::string_view text) { return TextExtent(text).cy; }
  // Bitmaps: opaque at (x, y); scaled onto dest; BrushCopy copies source onto dest
  // with every pixel of colour `transparent` replaced by the brush colour, or left
  // out when the brush style is bsClear.
  void Draw(int x, int y, const GdiBitmap& bitmap);
  void StretchDraw(const TRect& dest, const GdiBitmap& bitmap);
  void BrushCopy(const TRect& dest, const GdiBitmap& bitmap, const TRect& source, TColor transparent);
  void CopyRect(const TRect& dest, Canvas& source, const TRect& sourceRect);

  // The whole drawing area.
  TRect ClipRect();
  bool HandleAllocated() const { return bool(view_); }

 protected:
  // Called whenever drawing needs the target; must call SetHandle.
  virtual void CreateHandle() = 0;
  void SetHandle(const PixelView& view) { view_ = view; }
  void ClearHandle() { view_ = {}; }

 private:
  const PixelView& handle();
  PixelView view_;
  TPoint penPos_{};
};

// Picks the palette entry nearest to a colour (exact matches first, lowest index
// on ties).
uint8_t nearestPaletteIndex(const PALETTEENTRY* palette, TColor color);
// The pixel value of a colour on a target.
uint32_t pixelValueOf(const PixelView& view, TColor color);

}  // namespace platform
