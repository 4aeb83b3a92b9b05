// The pictures the title, the status bar, the launcher and the editor load.
#include <gtest/gtest.h>

#include <set>

#include "content/mapart/logo_art.h"
#include "content/mapart/title_art.h"
#include "content/pixelart/ui_palette.h"
#include "platform/core/bitmap.h"
#include "platform/jpeg/jpeg_decoder.h"
#include "staged_files.h"

namespace {

TEST(StagedFolder, HoldsEveryLibraryAndPicture) {
  for (const char* f : {"sprites/map.iml", "sprites/text.iml", "sprites/splash.iml", "bitmaps/splash0.bmp",
                        "bitmaps/splash1.bmp", "bitmaps/status.bmp", "bitmaps/logo.jpg"})
    EXPECT_TRUE(std::filesystem::is_regular_file(stagedFile(f))) << f;
}

TEST(StagedFolder, PicturesHaveTheirSizes) {
  struct Case {
    const char* file;
    int width, minHeight, maxHeight;
  };
  const Case cases[] = {{"bitmaps/splash0.bmp", 320, 240, 1000},
                        {"bitmaps/splash1.bmp", 320, 240, 240},
                        {"bitmaps/status.bmp", 320, 26, 26}};
  for (const Case& c : cases) {
    const platform::Bitmap bmp = platform::readBmp(stagedFile(c.file));
    EXPECT_EQ(bmp.width, c.width) << c.file;
    EXPECT_GE(bmp.height, c.minHeight) << c.file;
    EXPECT_LE(bmp.height, c.maxHeight) << c.file;
  }
}

TEST(StagedFolder, TitlePicturesUseOnlyTheColoursTheGameCopies) {
  for (const char* f : {"bitmaps/splash0.bmp", "bitmaps/splash1.bmp"}) {
    const platform::Bitmap bmp = platform::readBmp(stagedFile(f));
    ASSERT_EQ(bmp.bitsPerPixel, 8) << f;
    for (uint8_t c : bmp.pixels) ASSERT_LT(c, mapart::kTitlePictureColours) << f;
  }
}

TEST(StagedFolder, StatusBarUsesOnlySharedColours) {
  // At 8 bits the picture is matched to the nearest entry of the library on
  // show; with only the shared colours it looks the same on every screen.
  const platform::Bitmap bmp = platform::readBmp(stagedFile("bitmaps/status.bmp"));
  pixelart::Palette shared;
  pixelart::ui::addUiColours(shared);
  std::set<int> missing;
  for (int y = 0; y < bmp.height; ++y)
    for (int x = 0; x < bmp.width; ++x) {
      bool found = false;
      for (int i = 1; i < 256; ++i) found |= (i <= 10 || i >= 246) && shared[i].rgb == bmp.color(x, y);
      if (!found) missing.insert(y * bmp.width + x);
    }
  EXPECT_TRUE(missing.empty()) << missing.size() << " pixels of other colours";
}

TEST(StagedFolder, CurtainIsTransparentOnlyThroughBlack) {
  // The curtain's colour key is black: its scalloped lower edge shows the
  // background, and nothing else of it may be black.
  const platform::Bitmap bmp = platform::readBmp(stagedFile("bitmaps/splash0.bmp"));
  int clear = 0;
  for (int y = 0; y < bmp.height; ++y)
    for (int x = 0; x < bmp.width; ++x) {
      const platform::Rgb c = bmp.color(x, y);
      const bool black = c == platform::Rgb{0, 0, 0};
      if (black) ++clear;
      EXPECT_FALSE(black && y < bmp.height - 19) << "black above the valance at " << x << "," << y;
    }
  EXPECT_GT(clear, 0);
}

TEST(StagedFolder, LogoIsAJpegTheLauncherDecodes) {
  const platform::Bitmap logo = platform::readJpeg(stagedFile("bitmaps/logo.jpg"));
  EXPECT_GT(logo.width, 200);
  EXPECT_GT(logo.height, 60);
  // The launcher's background is white; so is the logo's corner.
  const platform::Rgb corner = logo.color(0, 0);
  EXPECT_GT(corner.r + corner.g + corner.b, 740);
}

TEST(JpegWriter, ReportsAFolderThatDoesNotExist) {
  const pixelart::ImageRgb img(4, 4, {1, 2, 3});
  EXPECT_THROW(mapart::writeJpeg(std::filesystem::path(TQ_STAGE_DIR) / "no such folder" / "x.jpg", img, 90),
               std::runtime_error);
}

}  // namespace
