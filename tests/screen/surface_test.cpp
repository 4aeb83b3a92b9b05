// Surfaces: clipping, colour keys, pixel collision, lost surfaces.
#include <gtest/gtest.h>

#include <cstring>

#include "components/ZEZ/TGKSurface.h"

namespace {

struct Surfaces {
  explicit Surfaces(int bits) { dd.setDesktopBits(bits); }
  std::unique_ptr<TGKSurface> make(int w, int h) { return TGKSurface::CreateOffscreen(dd, w, h, 8); }
  platform::DirectDraw dd;
};

uint32_t pixel(TGKSurface& s, int x, int y) {
  const auto& d = *s.Surface;
  const uint8_t* row = d.data() + ptrdiff_t(y) * d.pitch();
  if (d.bitsPerPixel() == 8) return row[x];
  uint32_t v;
  std::memcpy(&v, row + 4 * x, 4);
  return v;
}

void setPixel(TGKSurface& s, int x, int y, uint32_t v) { s.Fill({x, y, x + 1, y + 1}, v); }

// The bounding box of the pixels of value v.
TRect extentOf(TGKSurface& s, uint32_t v) {
  TRect r{1 << 20, 1 << 20, -1, -1};
  for (int y = 0; y < s.Height; ++y)
    for (int x = 0; x < s.Width; ++x)
      if (pixel(s, x, y) == v) r = {std::min(r.Left, x), std::min(r.Top, y), std::max(r.Right, x + 1), std::max(r.Bottom, y + 1)};
  return r.Right < 0 ? TRect{} : r;
}

TEST(BlitClip, ClipsToTheDestinationClipRect) {
  const struct {
    const char* name;
    int x, y;
    TRect clip;
    TRect drawn;  // where the 16x16 source's pixels land; empty: nothing
  } cases[] = {
      {"inside", 10, 20, {0, 0, 64, 48}, {10, 20, 26, 36}},
      {"left edge: 12 right-hand columns at 0", -4, 5, {0, 0, 64, 48}, {0, 5, 12, 21}},
      {"top edge", 3, -10, {0, 0, 64, 48}, {3, 0, 19, 6}},
      {"right edge", 56, 0, {0, 0, 64, 48}, {56, 0, 64, 16}},
      {"bottom edge", 0, 40, {0, 0, 64, 48}, {0, 40, 16, 48}},
      {"clip rect inside the surface", 0, 0, {4, 4, 10, 12}, {4, 4, 10, 12}},
      {"touches the right edge", 64, 0, {0, 0, 64, 48}, {}},
      {"touches the left edge", -16, 0, {0, 0, 64, 48}, {}},
      {"touches the bottom edge", 0, 48, {0, 0, 64, 48}, {}},
      {"far outside", 500, 500, {0, 0, 64, 48}, {}},
  };
  for (int bits : {8, 32}) {
    Surfaces f(bits);
    auto src = f.make(16, 16);
    src->Erase(7);
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(c.name) + " at " + std::to_string(bits));
      auto dst = f.make(64, 48);
      dst->Erase(0);
      dst->ClipRect = c.clip;
      EXPECT_NO_THROW(dst->BlitClip(c.x, c.y, *src, src->Rect, false));
      EXPECT_EQ(extentOf(*dst, 7), c.drawn);
    }
  }
}

TEST(BlitClip, TakesTheMatchingPartOfTheSource) {
  Surfaces f(8);
  auto src = f.make(16, 16);
  for (int x = 0; x < 16; ++x) src->Fill({x, 0, x + 1, 16}, uint32_t(x + 1));
  auto dst = f.make(32, 32);
  dst->Erase(0);
  dst->BlitClip(-4, 0, *src, src->Rect, false);
  EXPECT_EQ(pixel(*dst, 0, 0), 5u);  // source column 4
  EXPECT_EQ(pixel(*dst, 11, 0), 16u);
  EXPECT_EQ(pixel(*dst, 12, 0), 0u);
}

TEST(DrawClipped, OneColumnInsideAndOnePixelSourcesAreDrawn) {
  Surfaces f(8);
  auto dst = f.make(32, 32);
  dst->Erase(0);
  auto src = f.make(8, 8);
  src->Erase(3);
  dst->Draw(-7, 0, *src, false);  // one column reaches into the clip rectangle
  EXPECT_EQ(extentOf(*dst, 3), (TRect{0, 0, 1, 8}));
  auto dot = f.make(1, 1);
  dot->Erase(9);
  dst->Draw(20, 20, *dot, false);
  EXPECT_EQ(pixel(*dst, 20, 20), 9u);
  dst->Draw(32, 0, *src, false);  // touching the edge: nothing, no error
  dst->Draw(0, -8, *src, false);
  EXPECT_EQ(extentOf(*dst, 3), (TRect{0, 0, 1, 8}));
  dst->Draw(30, 30, *src, false);
  EXPECT_EQ(extentOf(*dst, 3), (TRect{0, 0, 32, 32}));
}

TEST(ColorKey, KeyPixelsAreLeftOutOnlyWhenTransparent) {
  for (int bits : {8, 32}) {
    SCOPED_TRACE(bits);
    Surfaces f(bits);
    auto sprite = f.make(4, 1);
    const uint32_t key = 5, ink = bits == 8 ? 200 : 0x00FF8000;
    sprite->Erase(key);
    setPixel(*sprite, 1, 0, ink);
    sprite->SetColorKey(uint8_t(key));
    auto dst = f.make(4, 1);
    dst->Erase(1);
    dst->Draw(0, 0, *sprite, true);
    EXPECT_EQ(pixel(*dst, 0, 0), 1u);
    EXPECT_EQ(pixel(*dst, 1, 0), ink);
    dst->BltFast(0, 0, *sprite, sprite->Rect, false);
    EXPECT_EQ(pixel(*dst, 0, 0), key);
    EXPECT_EQ(pixel(*dst, 1, 0), ink);
  }
}

TEST(BltFast, RectanglesOutsideTheSurfacesRaise) {
  Surfaces f(8);
  auto src = f.make(8, 8), dst = f.make(8, 8);
  try {
    dst->BltFast(4, 4, *src, src->Rect, false);
    FAIL();
  } catch (const EGKSurface& e) {
    EXPECT_STREQ(e.what(), "BltFast Failed");
  }
  EXPECT_THROW(dst->BlitClip(0, 0, *src, {4, 0, 12, 4}, false), EGKSurface);  // beyond the source
}

TEST(CollisionTest, RectangleAndPixelTests) {
  for (int bits : {8, 32}) {
    SCOPED_TRACE(bits);
    Surfaces f(bits);
    // Two 8x8 sprites, keyed 0, each with one solid pixel.
    auto a = f.make(8, 8), b = f.make(8, 8);
    a->Erase(0);
    b->Erase(0);
    setPixel(*a, 7, 7, 1);
    setPixel(*b, 0, 0, bits == 8 ? 1 : 0x00FFFFFF);
    a->SetColorKey(0);
    b->SetColorKey(0);
    EXPECT_FALSE(a->CollisionTest(0, 0, *b, 8, 0, false));  // edges only touch
    EXPECT_TRUE(a->CollisionTest(0, 0, *b, 7, 0, false));
    EXPECT_FALSE(a->CollisionTest(0, 0, *b, 6, 6, true));   // overlap holds only key pixels of a
    EXPECT_TRUE(a->CollisionTest(0, 0, *b, 7, 7, true));    // the two solid pixels meet
    // A solid pixel in the last column of a 32-bit overlap is found too.
    auto wide = f.make(8, 1);
    wide->Erase(0);
    wide->SetColorKey(0);
    setPixel(*wide, 7, 0, 2);
    auto bar = f.make(8, 1);
    bar->Erase(3);
    bar->SetColorKey(0);
    EXPECT_TRUE(wide->CollisionTest(0, 0, *bar, 0, 0, true));
    // A surface against itself: two sprites showing the same image.
    EXPECT_TRUE(a->CollisionTest(0, 0, *a, 0, 0, true));
    EXPECT_FALSE(a->CollisionTest(0, 0, *a, 1, 1, true));
  }
}

TEST(LostSurface, DrawingCallsTheRestoreCallbackOrRaises) {
  Surfaces f(8);
  auto src = f.make(4, 4), dst = f.make(8, 8);
  dst->Surface->simulateLoss();
  int restores = 0;
  dst->OnRestore = [&](TGKSurface& s) {
    EXPECT_EQ(&s, dst.get());
    ++restores;
  };
  EXPECT_NO_THROW(dst->Draw(0, 0, *src, false));
  EXPECT_NO_THROW(dst->Erase(0));
  EXPECT_EQ(restores, 2);
  dst->OnRestore = nullptr;
  try {
    dst->BlitClip(0, 0, *src, src->Rect, true);
    FAIL();
  } catch (const EGKSurface& e) {
    EXPECT_STREQ(e.what(), "BlitClip (BltFast) Failed");
  }
  EXPECT_THROW(dst->Erase(0), EGKSurface);
  EXPECT_EQ(dst->Lock(), nullptr);
  EXPECT_EQ(dst->LockedRect, nullptr);
}

TEST(Surface, CreationLockAndCanvas) {
  Surfaces f(8);
  auto wide = f.make(platform::DirectDraw::desktopWidth() + 1, 2);
  EXPECT_TRUE(wide->Surface->inSystemMemory());
  EXPECT_FALSE(f.make(16, 2)->Surface->inSystemMemory());
  try {
    f.make(0, 5);
    FAIL();
  } catch (const EGKSurface& e) {
    EXPECT_STREQ(e.what(), "Could not create memory surface (0, 5)");
  }
  EXPECT_THROW(TGKCanvas(nullptr), EGKCanvas);

  auto s = f.make(5, 3);
  EXPECT_EQ(s->Pitch, 8);
  uint8_t* bits = s->Lock();
  ASSERT_NE(bits, nullptr);
  EXPECT_EQ(s->LockedRect, &s->Rect);
  bits[s->Pitch * 2 + 4] = 77;
  s->Unlock();
  s->Unlock();  // without a lock: nothing
  EXPECT_EQ(pixel(*s, 4, 2), 77u);

  // The canvas holds the surface until released.
  s->Canvas->SetPixel(0, 0, platform::clWhite);
  EXPECT_THROW(s->Erase(0), EGKSurface);
  s->Canvas->Release();
  EXPECT_NO_THROW(s->Erase(0));
}

}  // namespace
