// Palette rules every library of the title, map and font follows, and the
// interface colours the level library shares with them.
#include <gtest/gtest.h>

#include <string>

#include "content/pixelart/ui_palette.h"
#include "staged_files.h"

namespace {

class EveryLibrary : public ::testing::TestWithParam<const char*> {};

TEST_P(EveryLibrary, EntryZeroIsTransparentBlackAndVisiblePixelsAreNeither) {
  const TGKImages lib = loadStagedLibrary(GetParam());
  const auto& p = lib.Palette;
  EXPECT_EQ(p[0].peRed + p[0].peGreen + p[0].peBlue, 0);
  for (int i = 0; i < lib.GetCount(); ++i)
    forEachPixel(lib.GetImageHeader(i), [&](int x, int y, uint8_t c) {
      if (c == 0) return;
      const auto& e = p[c];
      EXPECT_NE(e.peRed + e.peGreen + e.peBlue, 0) << "pure black in image " << i << " at " << x << "," << y;
      EXPECT_FALSE(e.peRed == 255 && e.peGreen == 0 && e.peBlue == 255) << "image " << i;
      EXPECT_NE(e.peFlags, 0) << "unused entry " << int(c) << " drawn in image " << i;
    });
}

TEST_P(EveryLibrary, KeepsTheSharedInterfaceColours) {
  // At 8 bits the font and the status bar picture are shown through whatever
  // library is loaded, so the shared entries must agree everywhere.
  const TGKImages lib = loadStagedLibrary(GetParam());
  pixelart::Palette shared;
  pixelart::ui::addUiColours(shared);
  for (int i = 1; i < 256; ++i) {
    if (!(i <= 10 || i >= 246)) continue;
    const auto& e = lib.Palette[size_t(i)];
    EXPECT_EQ((platform::Rgb{e.peRed, e.peGreen, e.peBlue}), shared[i].rgb) << "entry " << i;
  }
}

INSTANTIATE_TEST_SUITE_P(Staged, EveryLibrary,
                         ::testing::Values("sprites/map.iml", "sprites/text.iml", "sprites/splash.iml"));

TEST(SharedColours, AllFourLibrariesHoldThemAtTheSameEntries) {
  // The level library too: the font and the status bar are drawn over levels.
  pixelart::Palette shared;
  pixelart::ui::addSharedColours(shared);
  for (const char* file : {"sprites/game.iml", "sprites/map.iml", "sprites/text.iml", "sprites/splash.iml"}) {
    const TGKImages lib = loadStagedLibrary(file);
    for (int i = 0; i < 256; ++i) {
      if (!pixelart::ui::isSharedEntry(i)) continue;
      const auto& e = lib.Palette[size_t(i)];
      EXPECT_EQ((platform::Rgb{e.peRed, e.peGreen, e.peBlue}), shared[i].rgb) << file << " entry " << i;
      EXPECT_NE(e.peFlags, 0) << file << " entry " << i;
    }
  }
}

TEST(SplashLibrary, AnimationsFitAndStayOutOfTheTitlePictureEntries) {
  const TGKImages lib = loadStagedLibrary("sprites/splash.iml");
  ASSERT_GE(lib.GetCount(), 6);
  for (int frame : {1, 2, 3}) {
    EXPECT_EQ(lib.GetImageHeader(frame).Width, lib.GetImageHeader(0).Width);
    EXPECT_EQ(lib.GetImageHeader(frame).Height, lib.GetImageHeader(0).Height);
  }
  EXPECT_EQ(lib.GetImageHeader(4).Width, lib.GetImageHeader(5).Width);
  EXPECT_EQ(lib.GetImageHeader(4).Height, lib.GetImageHeader(5).Height);
  // 30-151 take the two title pictures' colours and 152 the options box grey.
  for (int i = 0; i < lib.GetCount(); ++i)
    forEachPixel(lib.GetImageHeader(i),
                 [&](int, int, uint8_t c) { EXPECT_FALSE(c >= 30 && c <= 152) << "image " << i << " uses " << int(c); });
}

}  // namespace
