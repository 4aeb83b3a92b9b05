// Our GDI: colour mapping on 8-bit targets and the primitives' pixel rules.
#include <gtest/gtest.h>

#include "platform/draw/canvas.h"
#include "platform/draw/gdi_bitmap.h"
#include "platform/draw/text_rasterizer.h"

namespace {

using platform::GdiBitmap;
using platform::RGB;

// An 8-bit bitmap whose palette holds black, white, pure red and a dark red.
GdiBitmap eightBit(int w, int h) {
  GdiBitmap b(w, h, 8);
  b.Palette[1] = {255, 255, 255, 0};
  b.Palette[2] = {255, 0, 0, 0};
  b.Palette[3] = {120, 0, 0, 0};
  for (int i = 4; i < 256; ++i) b.Palette[i] = {0, 0, 255, 0};
  return b;
}

TEST(Gdi, ColoursMapToTheNearestPaletteEntryOnEightBits) {
  GdiBitmap b = eightBit(4, 1);
  auto& c = b.Canvas();
  const std::pair<platform::TColor, int> cases[] = {
      {RGB(255, 0, 0), 2}, {RGB(240, 10, 10), 2}, {RGB(100, 0, 0), 3}, {RGB(250, 250, 250), 1},
      {RGB(0, 0, 0), 0},   {RGB(0, 0, 250), 4},
  };
  for (auto [color, index] : cases) {
    c.SetPixel(0, 0, color);
    EXPECT_EQ(b.PixelIndex(0, 0), index) << std::hex << color;
  }
  EXPECT_EQ(c.GetPixel(0, 0), RGB(0, 0, 255));
  EXPECT_EQ(c.GetPixel(9, 9), 0xFFFFFFFFu);  // outside: an invalid colour
}

TEST(Gdi, RectanglesExcludeTheirRightAndBottomEdges) {
  GdiBitmap b(10, 10);
  auto& c = b.Canvas();
  c.Brush.Color = RGB(0, 0, 255);
  c.FillRect({0, 0, 10, 10});
  c.Pen.Color = RGB(255, 0, 0);
  c.Brush.Color = RGB(0, 255, 0);
  c.Rectangle(2, 2, 6, 5);
  EXPECT_EQ(b.PixelColor(2, 2), RGB(255, 0, 0));  // outline
  EXPECT_EQ(b.PixelColor(5, 4), RGB(255, 0, 0));
  EXPECT_EQ(b.PixelColor(3, 3), RGB(0, 255, 0));  // inside
  EXPECT_EQ(b.PixelColor(6, 4), RGB(0, 0, 255));  // right edge excluded
  EXPECT_EQ(b.PixelColor(5, 5), RGB(0, 0, 255));
  c.Brush.Color = RGB(9, 9, 9);
  c.FrameRect({0, 0, 10, 10});
  EXPECT_EQ(b.PixelColor(9, 9), RGB(9, 9, 9));
  EXPECT_EQ(b.PixelColor(1, 1), RGB(0, 0, 255));
  c.MoveTo(0, 8);
  c.LineTo(5, 8);  // the end point is not drawn
  EXPECT_EQ(b.PixelColor(4, 8), RGB(255, 0, 0));
  EXPECT_EQ(b.PixelColor(5, 8), RGB(0, 0, 255));
}

TEST(Gdi, RoundRectAndPolygon) {
  GdiBitmap b(20, 20);
  auto& c = b.Canvas();
  c.Pen.Color = RGB(0, 0, 0);
  c.Brush.Color = RGB(255, 255, 255);
  c.RoundRect(0, 0, 16, 8, 5, 5);
  EXPECT_EQ(b.PixelColor(0, 0), 0u);  // the corner is cut off (background black)
  EXPECT_EQ(b.PixelColor(8, 0), RGB(0, 0, 0));  // the top edge
  EXPECT_EQ(b.PixelColor(8, 4), RGB(255, 255, 255));
  EXPECT_EQ(b.PixelColor(16, 4), 0u);

  // The run-meter triangle: a filled white triangle.
  c.Pen.Color = RGB(255, 255, 255);
  const platform::TPoint tri[] = {{2, 10}, {2, 16}, {9, 13}};
  c.Polygon(tri);
  EXPECT_EQ(b.PixelColor(2, 10), RGB(255, 255, 255));
  EXPECT_EQ(b.PixelColor(4, 13), RGB(255, 255, 255));
  EXPECT_EQ(b.PixelColor(9, 13), RGB(255, 255, 255));
  EXPECT_EQ(b.PixelColor(8, 10), 0u);
}

TEST(Gdi, TextFillsItsCellUnlessTheBrushIsClear) {
  GdiBitmap b(40, 20);
  auto& c = b.Canvas();
  c.Font.Color = RGB(255, 255, 255);
  c.Brush.Style = platform::bsClear;
  c.TextOut(0, 0, "A B");
  const platform::TSize size = c.TextExtent("A B");
  EXPECT_GT(size.cx, 0);
  EXPECT_EQ(b.PixelColor(1, size.cy - 1), RGB(255, 255, 255));
  EXPECT_EQ(b.PixelColor(size.cx / 3 + 1, size.cy - 1), 0u);  // the blank
  c.Brush.Style = platform::bsSolid;
  c.Brush.Color = RGB(0, 0, 200);
  c.TextOut(0, 0, " ");
  EXPECT_EQ(b.PixelColor(1, 1), RGB(0, 0, 200));
}

TEST(Gdi, BrushCopyReplacesOrLeavesOutTheTransparentColour) {
  GdiBitmap src(2, 1);
  src.Canvas().SetPixel(0, 0, RGB(255, 0, 255));
  src.Canvas().SetPixel(1, 0, RGB(10, 20, 30));
  GdiBitmap dst(2, 1);
  auto& c = dst.Canvas();
  c.Brush.Color = RGB(1, 1, 1);
  c.FillRect({0, 0, 2, 1});
  c.Brush.Style = platform::bsClear;
  c.BrushCopy({0, 0, 2, 1}, src, {0, 0, 2, 1}, RGB(255, 0, 255));
  EXPECT_EQ(dst.PixelColor(0, 0), RGB(1, 1, 1));
  EXPECT_EQ(dst.PixelColor(1, 0), RGB(10, 20, 30));
  c.Brush = {RGB(7, 7, 7), platform::bsSolid};
  c.BrushCopy({0, 0, 2, 1}, src, {0, 0, 2, 1}, RGB(255, 0, 255));
  EXPECT_EQ(dst.PixelColor(0, 0), RGB(7, 7, 7));
}

TEST(Gdi, EightBitBitmapsKeepTheirIndexesOnTheSamePalette) {
  // Two entries of the same colour: a copy keeps the exact index.
  GdiBitmap a = eightBit(1, 1), b = eightBit(1, 1);
  a.Palette[5] = a.Palette[0];
  b.Palette[5] = b.Palette[0];
  a.Canvas().SetPixel(0, 0, RGB(0, 0, 0));
  GdiBitmap src = eightBit(1, 1);
  src.Palette[5] = src.Palette[0];
  platform::PixelView v = src.view();
  v.data[0] = 5;
  b.Canvas().Draw(0, 0, src);
  EXPECT_EQ(b.PixelIndex(0, 0), 5);
}

// Bitmaps of a long level's size live in huge-page blocks: they start black,
// copy whole, and come back black after a resize.
TEST(Gdi, LevelSizedBitmapsStartBlackCopyAndResize) {
  for (int bits : {8, 32}) {
    GdiBitmap big(6000, 208, bits);  // from 1.2 MB (8 bits) to 5 MB (32 bits)
    auto& c = big.Canvas();
    EXPECT_EQ(c.GetPixel(0, 0), RGB(0, 0, 0)) << bits;
    EXPECT_EQ(c.GetPixel(5999, 207), RGB(0, 0, 0)) << bits;
    big.Palette[1] = {255, 255, 255, 0};
    c.SetPixel(5999, 207, RGB(255, 255, 255));
    GdiBitmap copy = big;
    EXPECT_EQ(copy.Canvas().GetPixel(5999, 207), RGB(255, 255, 255)) << bits;
    big.SetSize(3, 3, bits);
    big.SetSize(6000, 208, bits);
    EXPECT_EQ(big.Canvas().GetPixel(5999, 207), RGB(0, 0, 0)) << bits;
    EXPECT_EQ(copy.Canvas().GetPixel(5999, 207), RGB(255, 255, 255)) << bits;
  }
}

}  // namespace
