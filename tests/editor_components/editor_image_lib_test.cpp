#include <gtest/gtest.h>

#include "editor/components/TGKEditorImageLib.h"

using platform::RGB;
using platform::TColor;

namespace {

// A 3x1 image using palette entries 0, 1 and 2: entry 0 is dark blue-ish
// (never shown), entry 1 pure black, entry 2 red.
void fillThreePixelLibrary(TGKEditorImageLib& lib) {
  TGKImages images;
  images.Palette[0] = {10, 20, 30, 0};
  images.Palette[1] = {0, 0, 0, 0};
  images.Palette[2] = {200, 0, 0, 0};
  images.AddImage(3, 1, "abc", {0, 1, 2});
  lib.SetImages(images);
}

struct DrawCase {
  const char* name;
  bool useBackground;
  TColor background;
  TColor expectedIndex0;
};

class EditorDrawTest : public ::testing::TestWithParam<DrawCase> {};

TEST_P(EditorDrawTest, IndexZeroShowsBackgroundAndBlackEntriesBecomeNearBlack) {
  const DrawCase& c = GetParam();
  TGKEditorImageLib lib;
  fillThreePixelLibrary(lib);
  lib.UseBackgroundColor = c.useBackground;
  lib.BackgroundColor = c.background;
  platform::GdiBitmap target(5, 2, 32);
  target.Canvas().Brush.Color = RGB(1, 2, 3);
  target.Canvas().FillRect({0, 0, 5, 2});

  lib.DrawTransparentEditor(target.Canvas(), 1, 1, 0);

  EXPECT_EQ(target.PixelColor(1, 1), c.expectedIndex0);
  EXPECT_EQ(target.PixelColor(2, 1), RGB(8, 8, 8));
  EXPECT_EQ(target.PixelColor(3, 1), RGB(200, 0, 0));
  // Outside the image nothing changed, and the caller's brush is kept.
  EXPECT_EQ(target.PixelColor(0, 0), RGB(1, 2, 3));
  EXPECT_EQ(target.PixelColor(4, 1), RGB(1, 2, 3));
  EXPECT_EQ(target.Canvas().Brush.Color, RGB(1, 2, 3));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EditorDrawTest,
    ::testing::Values(DrawCase{"NoBackgroundGiven", false, RGB(0, 0, 255), platform::clWhite},
                      DrawCase{"DocumentBackground", true, RGB(0, 0, 255), RGB(0, 0, 255)},
                      // A black background still keeps black palette entries apart.
                      DrawCase{"BlackBackground", true, platform::clBlack, platform::clBlack}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EditorDraw, IndexOutsideTheImagesDrawsNothing) {
  TGKEditorImageLib lib;
  fillThreePixelLibrary(lib);
  platform::GdiBitmap target(4, 2, 32);
  target.Canvas().Brush.Color = RGB(1, 2, 3);
  target.Canvas().FillRect({0, 0, 4, 2});
  for (int index : {-1, 1, 99}) lib.DrawTransparentEditor(target.Canvas(), 0, 0, index);
  for (int x = 0; x < 4; ++x) EXPECT_EQ(target.PixelColor(x, 0), RGB(1, 2, 3));
}

TEST(EditorDraw, EightBitTargetMapsToItsPalette) {
  TGKEditorImageLib lib;
  fillThreePixelLibrary(lib);
  lib.UseBackgroundColor = true;
  lib.BackgroundColor = RGB(0, 255, 0);
  platform::GdiBitmap target(3, 1, 8);
  target.Palette[0] = {0, 0, 0, 0};
  target.Palette[1] = {0, 255, 0, 0};
  target.Palette[2] = {200, 0, 0, 0};
  target.Palette[3] = {8, 8, 8, 0};
  lib.DrawTransparentEditor(target.Canvas(), 0, 0, 0);
  EXPECT_EQ(target.PixelIndex(0, 0), 1);
  EXPECT_EQ(target.PixelIndex(1, 0), 3);
  EXPECT_EQ(target.PixelIndex(2, 0), 2);
}

}  // namespace
