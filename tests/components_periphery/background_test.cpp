#include "components/ZEZ/TGKBackground.h"

#include <gtest/gtest.h>

#include "components/ZEZ/TGKScreen.h"
#include "platform/app/application.h"
#include "platform/core/clock.h"

namespace {

class BackgroundTest : public ::testing::Test {
 protected:
  void SetUp() override { platform::application().Reset(); }
  void TearDown() override {
    screen.reset();
    platform::application().Reset();
  }

  // An 8-bit 320x240 screen started with the background attached, the layer
  // surface filled with its column numbers 1..width in row `row`.
  TGKBackgroundImageItem& start(int width, int height) {
    screen = std::make_unique<TGKScreen>(form);
    screen->DisplayMode = dm320x240x8;
    screen->Loaded();
    background.ZEZScreen = screen.get();
    screen->Background = &background;
    TGKBackgroundImageItem& item = background.AddImage();
    item.SetImage(platform::GdiBitmap(width, height, 8));
    item.Stretch = false;
    driver.activate(form);
    EXPECT_TRUE(item.Surface);
    EXPECT_EQ(item.Surface->Width, width);
    uint8_t* bits = item.Surface->Lock();
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) bits[y * item.Surface->Pitch + x] = uint8_t(x + 1);
    item.Surface->Unlock();
    return item;
  }
  std::vector<int> backRow(int y, int from, int count) {
    std::vector<int> row;
    uint8_t* bits = screen->BackSurface->Lock();
    for (int x = from; x < from + count; ++x) row.push_back(bits[y * screen->BackSurface->Pitch + x]);
    screen->BackSurface->Unlock();
    return row;
  }

  platform::FakeClock clock{1000};
  platform::ScopedClock scopedClock{clock};
  platform::HeadlessForm form{320, 240};
  platform::HeadlessDriver driver;
  TGKBackground background;
  std::unique_ptr<TGKScreen> screen;
};

}  // namespace

TEST_F(BackgroundTest, ScrollsLeftAndWrapsInsideTheRegion) {
  TGKBackgroundImageItem& item = start(8, 2);
  item.Scrollregion = {};
  item.Scrollregion.Width = 4;  // the layer's columns 0..3 (values 1..4)
  item.Scrollregion.Height = 1;
  item.Scrollregion.X = 10;
  item.Scrollregion.Y = 5;
  EXPECT_EQ(item.Offset, 0);

  struct Frame {
    int offset;
    std::vector<int> drawn;  // back buffer x = 10..13 on row 5
  } frames[] = {
      {1, {2, 3, 4, 1}},
      {2, {3, 4, 1, 2}},
      {3, {4, 1, 2, 3}},
      {1, {2, 3, 4, 1}},  // past the region's end: back to Left + Step, not 0
  };
  for (const auto& f : frames) {
    screen->BackSurface->Erase(0);
    background.Update();
    EXPECT_EQ(item.Offset, f.offset);
    EXPECT_EQ(backRow(5, 10, 4), f.drawn) << "offset " << f.offset;
    EXPECT_EQ(backRow(5, 9, 1), std::vector<int>{0});
    EXPECT_EQ(backRow(5, 14, 1), std::vector<int>{0});
    EXPECT_EQ(backRow(6, 10, 4), (std::vector<int>{0, 0, 0, 0}));  // Height 1
  }
}

TEST_F(BackgroundTest, RegionsAwayFromTheLeftEdgeWrapWithinThemselves) {
  TGKBackgroundImageItem& item = start(8, 1);
  item.Scrollregion.Left = 2;  // values 3..6
  item.Scrollregion.Width = 4;
  item.Scrollregion.Height = 1;
  item.Direction = Scrollright;
  item.Offset = 0;
  struct Frame {
    int offset;
    std::vector<int> drawn;
  } frames[] = {
      {5, {6, 3, 4, 5}},  // first frame from 0: Left + Width - 1
      {4, {5, 6, 3, 4}},
      {3, {4, 5, 6, 3}},
      {2, {3, 4, 5, 6}},
      {5, {6, 3, 4, 5}},
  };
  for (const auto& f : frames) {
    screen->BackSurface->Erase(0);
    background.Update();
    EXPECT_EQ(item.Offset, f.offset);
    EXPECT_EQ(backRow(0, 0, 5), (std::vector<int>{f.drawn[0], f.drawn[1], f.drawn[2], f.drawn[3], 0}))
        << "offset " << f.offset;
  }
}

TEST_F(BackgroundTest, OversizedRegionIsNarrowedAndStoppedLayersStayUndrawn) {
  TGKBackgroundImageItem& item = start(8, 2);
  EXPECT_EQ(item.Scrollregion.Width, 100);  // defaults: 100 x 100 at (0, 0)
  background.Update();
  EXPECT_EQ(item.Scrollregion.Width, 8);
  EXPECT_EQ(item.Scrollregion.Height, 2);

  item.Scrollregion.Left = 20;  // starts past the surface: nothing to draw
  item.Scrollregion.Width = 4;
  background.Update();
  EXPECT_EQ(item.Scrollregion.Width, 0);

  item.Scrollregion = {};
  item.Autoscroll = false;
  const int offset = item.Offset;
  screen->BackSurface->Erase(0);
  background.Update();
  EXPECT_EQ(item.Offset, offset);
  EXPECT_EQ(backRow(0, 0, 3), (std::vector<int>{0, 0, 0}));
}

TEST(ScrollRegion, IndexedSetterStoresOnlyItsFields) {
  TScrollregion r;
  r.SetValue(TScrollregion::iLeft, 3);
  r.SetValue(TScrollregion::iTop, 4);
  r.SetValue(TScrollregion::iHeight, 5);
  r.SetValue(TScrollregion::iWidth, 6);
  r.SetValue(TScrollregion::iX, 7);  // X and Y have no setter
  r.SetValue(9, 8);
  EXPECT_EQ((std::vector<int>{r.Left, r.Top, r.Height, r.Width, r.X, r.Y}), (std::vector<int>{3, 4, 5, 6, 0, 0}));
}

TEST(HiColorImageLib, KeepsPicturesAndTheirSizes) {
  TGKHiColorImageLib lib;
  EXPECT_EQ(lib.GetCount(), 0);
  lib.AddImage(platform::GdiBitmap(3, 2));
  EXPECT_EQ(lib.GetCount(), 1);
  EXPECT_EQ(lib.Images[0].Width, 3);
  EXPECT_EQ(lib.Images[0].Height, 2);
  EXPECT_EQ(lib.GetPicture(0).Width(), 3);
  EXPECT_THROW(lib.GetPicture(1), std::out_of_range);
}
