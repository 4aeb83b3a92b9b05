// The shared pixel-art toolkit: polygon spans, bad sizes and the image set's
// checks.
#include <gtest/gtest.h>

#include <stdexcept>

#include "content/pixelart/canvas.h"
#include "content/pixelart/image_library.h"

namespace {

using pixelart::Canvas;
using pixelart::PolygonSpans;

int countOf(const Canvas& c, pixelart::Index colour) {
  int n = 0;
  for (pixelart::Index px : c.pixels()) n += px == colour;
  return n;
}

TEST(Polygon, SpansDecideThePixelsOnARightHandDiagonal) {
  // The diagonal of the 4x4 square passes through pixel centres (3.5, 0.5),
  // (2.5, 1.5) ...; the upper-left triangle takes them only with closed spans.
  struct Case {
    PolygonSpans spans;
    int upperLeft, overlap;
  };
  for (const Case& c : {Case{PolygonSpans::HalfOpen, 6, 0}, Case{PolygonSpans::Closed, 10, 4}}) {
    Canvas img(4, 4);
    img.fillPolygon({{0, 0}, {4, 0}, {0, 4}}, 1, c.spans);
    EXPECT_EQ(img.countDrawn(), c.upperLeft);
    EXPECT_EQ(img.at(3, 0) == 1, c.spans == PolygonSpans::Closed);
    // The other half of the square, drawn over it.
    img.fillPolygon({{4, 0}, {4, 4}, {0, 4}}, 2, c.spans);
    EXPECT_EQ(img.countDrawn(), 16);
    EXPECT_EQ(countOf(img, 1), c.upperLeft - c.overlap);
  }
}

TEST(Polygon, FewerThanThreeCornersDrawNothing) {
  Canvas img(4, 4);
  img.fillPolygon({}, 1);
  img.fillPolygon({{1, 1}}, 1);
  img.fillPolygon({{0, 0}, {3, 3}}, 1);
  EXPECT_EQ(img.countDrawn(), 0);
}

TEST(Polygon, CornersOutsideTheCanvasAreClipped) {
  Canvas img(4, 4);
  img.fillPolygon({{-10, -10}, {20, -10}, {20, 20}, {-10, 20}}, 3);
  EXPECT_EQ(countOf(img, 3), 16);
}

TEST(Canvas, RefusesSizesThatAreNotPositive) {
  for (auto [w, h] : {std::pair{0, 4}, {4, 0}, {-3, 5}, {-3, -5}})
    EXPECT_THROW(Canvas(w, h), std::invalid_argument) << w << "x" << h;
}

TEST(ImageSet, RefusesBadIndexesAndGaps) {
  pixelart::ImageSet set(3);
  set.put(0, "a", Canvas(1, 1));
  EXPECT_THROW(set.put(0, "again", Canvas(1, 1)), std::logic_error);
  EXPECT_THROW(set.put(3, "past", Canvas(1, 1)), std::logic_error);
  EXPECT_THROW(set.put(-1, "before", Canvas(1, 1)), std::logic_error);
  EXPECT_THROW(set.at(2), std::logic_error);
  set.put(2, "c", Canvas(1, 1));
  EXPECT_EQ(set.missing(), std::vector<int>{1});
  EXPECT_THROW(std::move(set).finish(), std::logic_error);
}

TEST(ImageSet, CutsNamesToTheLibrarysField) {
  pixelart::ImageSet set(1);
  set.put(0, "Fire carry left", Canvas(2, 2));
  const std::vector<pixelart::NamedImage> images = std::move(set).finish();
  ASSERT_EQ(images.size(), 1u);
  EXPECT_EQ(images[0].name, "Fire carry ");
  // The library file takes the cut name.
  EXPECT_EQ(pixelart::toImages(pixelart::Palette{}, images).GetImageHeader(0).Name[0], 11);
}

}  // namespace
