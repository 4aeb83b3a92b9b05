#include <gtest/gtest.h>

#include <set>

#include "editor/ObjectPalette/object_palette.h"
#include "tests/editor_document/document_fixture.h"

namespace {

TEST(PalettePages, EveryButtonInsertsAKindOfItsDocument) {
  const std::pair<TDocKind, size_t> sets[] = {{DocWorldMap, 86}, {DocLevel, 325}};
  for (auto [kind, expected] : sets) {
    const size_t table = KindImagesOf(kind).size();
    size_t buttons = 0;
    for (const TPalettePage& page : PalettePages(kind)) {
      for (const TPaletteButton& button : page.Buttons) {
        EXPECT_LT(size_t(button.Kind), table) << page.Caption;
        EXPECT_NE(std::string(button.Hint), "");
      }
      buttons += page.Buttons.size();
    }
    EXPECT_EQ(buttons, expected);
  }
  EXPECT_STREQ(PalettePages(DocLevel)[3].Caption, "Tubos");
  EXPECT_EQ(PalettePages(DocLevel)[3].Buttons[0].Kind, 16);
}

struct PaletteFixture : ::testing::Test {
  TObjectPalette palette;
  std::vector<int> armed;  // -1 for a disarm
  PaletteFixture() {
    palette.OnArm = [this](TObjectPalette&, int kind) { armed.push_back(kind); };
    palette.OnDisarm = [this](TObjectPalette&) { armed.push_back(-1); };
  }
};

TEST_F(PaletteFixture, ButtonsArmAndReleaseAndSubPagesArmTheirFirstKind) {
  palette.ShowPageSet(DocLevel);
  palette.ClickButton(1);
  palette.ClickButton(1);
  palette.SelectSubPage(3);
  EXPECT_EQ(armed, (std::vector<int>{4, -1, 16}));
  EXPECT_EQ(palette.DownButton(), 0);
  palette.ShowPageSet(DocWorldMap);
  EXPECT_EQ(palette.SubPage(), 0);
  EXPECT_EQ(palette.DownButton(), -1);
}

TEST_F(PaletteFixture, ScrollingDownAndBackRestoresTheTop) {
  palette.ShowPageSet(DocLevel);
  palette.ScrollDown(200, 300);
  palette.ScrollDown(200, 300);
  EXPECT_EQ(palette.NotebookTop(), 16 - 44);
  EXPECT_TRUE(palette.UpEnabled());
  palette.ScrollUp();
  palette.ScrollUp();
  EXPECT_EQ(palette.NotebookTop(), 16);
  EXPECT_FALSE(palette.UpEnabled());
  EXPECT_TRUE(palette.DownEnabled());
  // The down button stops once the notebook's bottom shows.
  for (int i = 0; i < 6; ++i) palette.ScrollDown(200, 300);
  EXPECT_FALSE(palette.DownEnabled());
}

TEST_F(PaletteFixture, EveryRedrawnGlyphStepsTheProgressBar) {
  TGKEditorImageLib images;
  images.SetImages(fixtureImages());
  int steps = 0;
  palette.OnStep = [&steps](TObjectPalette&) { ++steps; };
  const std::pair<TDocKind, int> sets[] = {{DocWorldMap, 86}, {DocLevel, 325}};
  for (auto [kind, buttons] : sets) {
    steps = 0;
    palette.RefreshGlyphs(kind, images, KindImagesOf(kind));
    EXPECT_EQ(steps, buttons);
  }
}

TEST_F(PaletteFixture, GlyphsComeFromTheDocumentsLibraryWithWhiteTransparency) {
  TGKEditorImageLib images;
  TGKImages lib = fixtureImages();
  images.SetImages(lib);
  images.UseBackgroundColor = true;
  images.BackgroundColor = platform::RGB(1, 2, 3);
  palette.RefreshGlyphs(DocWorldMap, images, KindImagesOf(DocWorldMap));
  EXPECT_EQ(palette.PageSet(), DocWorldMap);
  EXPECT_TRUE(images.UseBackgroundColor);
  const platform::GdiBitmap& first = palette.Glyphs(DocWorldMap)[0][0];  // world kind 4: image 7
  ASSERT_EQ(first.Width(), 18);
  EXPECT_EQ(first.PixelColor(1, 1), platform::RGB(8, 247, 100));
  EXPECT_TRUE(palette.Glyphs(DocLevel).empty());
}

}  // namespace
