#include <gtest/gtest.h>

#include "components/ZEZStar/star_field.h"
#include "components/gkspts/sprite_mgr.h"
#include "platform/core/keys.h"
#include "platform/core/random.h"
#include "screen_fixture.h"

namespace {

struct SpritesOnScreen : ScreenWorld {
  SpritesOnScreen() {
    mgr.ZEZScreen = &screen;
    red = addImage(8, 8, 0xFF0000);
    green = addImage(8, 8, 0x00FF00);
    blue = addImage(12, 6, 0x0000FF);
    TGKAnimation& solid = mgr.Animations.GetAnimation(mgr.Animations.Add("solid", true));
    solid.DefineSequence(0, 100, {uint16_t(red)});
    solid.DefineSequence(8, 100, {uint16_t(green), uint16_t(blue)});
    solid.DefineSequence(16, 100, {uint16_t(blue)});
    TGKAnimation& odd = mgr.Animations.GetAnimation(mgr.Animations.Add("odd", true));
    odd.DefineSequence(4, 100, {uint16_t(red)});
  }
  TGKSprite& add(int x, int y, int direction, int animation = 0) {
    return mgr.Sprites.GetSprite(mgr.Sprites.AddBouncer(mgr.Sprites.Count(), x, y, direction, 0, animation));
  }
  TGKSpriteMgr mgr;
  int red, green, blue;
};

TEST(SpritesOnScreen, TakeTheirBoundsAndSizesFromTheScreen) {
  SpritesOnScreen w;
  TGKSprite& s = w.add(10, 10, 0);
  EXPECT_EQ(s.Bounds.Right, 320);
  EXPECT_EQ(s.Bounds.Bottom, 240);
  EXPECT_EQ(s.Width, 8);
  s.SetDirection(16);
  EXPECT_EQ(s.Width, 12);
  EXPECT_EQ(s.Height, 6);
  s.SetDirection(8);
  EXPECT_EQ(s.Width, 8);
  s.LastFrameTime = 0;
  s.Animate(100);  // the next frame brings its image's size
  EXPECT_EQ(s.Width, 12);
}

TEST(SpritesOnScreen, AreDrawnInPassOrderWithTheColourKey) {
  SpritesOnScreen w;
  for (int i = 0; i < 3; ++i) w.add(100, 100, 0);  // three red blocks on one spot
  w.mgr.Sprites.GetSprite(1).SetDirection(8);   // green
  w.mgr.Sprites.GetSprite(2).SetDirection(16);  // blue, wider
  w.mgr.DrawSprites();
  EXPECT_EQ(w.pixel(100, 100), 0xFF0000u);  // sprite 0 on top
  EXPECT_EQ(w.pixel(110, 100), 0x0000FFu);  // only sprite 2 reaches there
  EXPECT_EQ(w.pixel(99, 100), 0u);

  w.mgr.PlayerBehind = true;
  w.mgr.DrawSprites();
  EXPECT_EQ(w.pixel(100, 100), 0x00FF00u);  // 2 then 1 over the player
}

TEST(SpritesOnScreen, HiddenAndFramelessSpritesAreNotDrawn) {
  SpritesOnScreen w;
  w.add(10, 10, 0).Hide();
  w.add(50, 50, 0, 1);  // "odd" lacks direction 0: nothing to show
  TGKSprite& clipped = w.add(-4, 236, 0);
  w.mgr.DrawSprites();
  EXPECT_EQ(w.pixel(10, 10), 0u);
  EXPECT_EQ(w.pixel(50, 50), 0u);
  EXPECT_EQ(w.pixel(0, 239), 0xFF0000u);  // clipped at the corner of the back buffer
  EXPECT_EQ(clipped.GetX(), -4);
  w.mgr.MoveSprites();  // nothing about the frameless sprite crashes
}

TEST(SpritesOnScreen, KeysGoThroughTheScreen) {
  SpritesOnScreen w;
  platform::keyState().clear();
  w.mgr.KeyRight = 'L';
  w.mgr.Sprites.AddJumper(0, 50, 50, 24, 2.0, 0);
  platform::keyState().keyDown('L');
  w.mgr.MoveSprites();
  EXPECT_EQ(w.screen.Keys.Right, 'L');
  EXPECT_EQ(w.mgr.Sprites.GetSprite(0).Direction, 8);
  platform::keyState().clear();
}

TEST(SpritesOnScreen, WithoutImageSurfacesTheScreenReportsTheMissingLibrary) {
  ScreenWorld w;
  TGKSpriteMgr mgr;
  mgr.ZEZScreen = &w.screen;
  mgr.Animations.GetAnimation(mgr.Animations.Add("a", true)).DefineAllSequences(10, {0});
  try {
    mgr.Sprites.AddBouncer(0, 0, 0, 0, 1.0, 0);
    FAIL() << "no exception";
  } catch (const EGKScreen& e) {
    EXPECT_STREQ(e.what(), "A library must be set with SetImageLibrary");
  }
}

struct RainOnScreen : ScreenWorld {
  explicit RainOnScreen(TDisplayMode mode) : ScreenWorld(mode) {
    platform::fixRandomSeed(77);
    rain.ZEZScreen = &screen;
    rain.StarMode = Vertical;
    rain.Towards = false;
    rain.Erase = false;
    rain.SetNumberOfStars(300);
  }
  ~RainOnScreen() { platform::unfixRandomSeed(); }
  int litPixels() {
    int n = 0;
    for (int y = 0; y < 240; ++y)
      for (int x = 0; x < 320; ++x) n += pixel(x, y) != 0;
    return n;
  }
  TGKStarField rain;
};

TEST(StarFieldOnScreen, InitializeTakesTheBackBuffersSizeAndDraws) {
  RainOnScreen w(dm640x480x32);
  w.rain.EdgeLeft = -5;
  w.rain.Initialize();
  EXPECT_EQ(w.rain.EdgeRight, 320);
  EXPECT_EQ(w.rain.EdgeBottom, 240);
  EXPECT_EQ(w.rain.EdgeLeft, 0);
  EXPECT_EQ(w.rain.CenterX, 160);
  EXPECT_GT(w.litPixels(), 100);
  EXPECT_EQ(w.pixel(w.rain.Star(0).X, w.rain.Star(0).Y) != 0, true);
}

TEST(StarFieldOnScreen, EraseClearsOnlyTheEdgeRectangle) {
  RainOnScreen w(dm640x480x32);
  w.screen.BackSurface->Erase(0x123456);
  w.rain.EdgeLeft = 100;
  w.rain.EdgeRight = 200;
  w.rain.Erase = true;
  w.rain.SetNumberOfStars(0);
  w.rain.Initialize();
  w.rain.Update();
  EXPECT_EQ(w.pixel(150, 120), 0u);
  EXPECT_EQ(w.pixel(99, 120), 0x123456u);
  EXPECT_EQ(w.pixel(200, 120), 0x123456u);
}

TEST(StarFieldOnScreen, An8BitScreenShowsNoRainButThePointsMove) {
  RainOnScreen w(dm320x240x8);
  ASSERT_EQ(w.screen.BackSurface->Surface->bitsPerPixel(), 8);
  w.rain.Initialize();
  const int y = w.rain.Star(0).Y;
  w.rain.Update();
  EXPECT_NE(w.rain.Star(0).Y, y);
  EXPECT_EQ(w.litPixels(), 0);
}

TEST(StarFieldOnScreen, NothingHappensWithoutAScreen) {
  TGKStarField f;
  f.Initialize();
  f.Update();
  EXPECT_EQ(f.SurfaceWidth(), 0);
}

}  // namespace
