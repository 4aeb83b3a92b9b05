// The images a button glyph builds per state, and the shared glyph lists they live in.
#include <gtest/gtest.h>

#include <QPalette>

#include "tests/toolbars/test_main_app.h"
#include "toolbars/TBZCtls/button_glyph.h"
#include "toolbars/TBZUtils/TBZUtils.h"

using namespace tbz;

namespace {

constexpr QRgb kKey = 0xFFFF00FF;
constexpr QRgb kColours[] = {0xFFC00000, 0xFF00A000, 0xFF0000C0, 0xFF808000, 0xFF008080};

// A strip of n 16x16 images, each in its colour, with the key colour in the
// bottom-left pixel of every image.
QImage strip(int n, int size = 16) {
  QImage image(size * n, size, QImage::Format_RGB32);
  for (int i = 0; i < n; ++i) {
    for (int y = 0; y < size; ++y)
      for (int x = 0; x < size; ++x) image.setPixel(i * size + x, y, kColours[i]);
    image.setPixel(i * size, size - 1, kKey);
  }
  return image;
}

QRgb centre(const QImage* image) { return image ? image->pixel(5, 5) : 0; }

struct GlyphImages : ::testing::Test {
  QApplication& app = testApp();
  QPalette pal = QApplication::palette();
  TButtonGlyph glyph;
};

TEST_F(GlyphImages, EachStateTakesItsImageOfTheStrip) {
  glyph.SetGlyph(strip(3));
  ASSERT_EQ(glyph.NumGlyphs(), 3);
  EXPECT_EQ(glyph.TransparentColor(), kKey);
  struct Case { TButtonState state; QRgb colour; } cases[] = {
      {bsUp, kColours[0]}, {bsDisabled, kColours[1]}, {bsDown, kColours[2]},
      {bsExclusive, kColours[0]}, {bsHot, kColours[0]}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.state);
    const QImage* image = glyph.StateImage(c.state, pal);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->size(), QSize(16, 16));
    EXPECT_EQ(centre(image), c.colour);
    EXPECT_EQ(qAlpha(image->pixel(0, 15)), 0);  // the key colour is transparent
  }
}

TEST_F(GlyphImages, StripRuleForNumGlyphs) {
  struct Case { QSize size; int num; } cases[] = {
      {{48, 16}, 3}, {{80, 16}, 5}, {{96, 16}, 1}, {{20, 16}, 1}, {{16, 16}, 1}, {{8, 16}, 1}, {{0, 0}, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.size.width());
    glyph.SetGlyph(c.size.isEmpty() ? QImage() : QImage(c.size, QImage::Format_RGB32));
    EXPECT_EQ(glyph.NumGlyphs(), c.num);
  }
  glyph.SetGlyph(strip(1));
  for (auto [set, got] : {std::pair{0, 1}, {-3, 1}, {5, 5}, {9, 5}}) {
    glyph.SetNumGlyphs(set);
    EXPECT_EQ(glyph.NumGlyphs(), got);
  }
  // Four images claimed from a one-image strip are too narrow to draw: none is built.
  glyph.SetGlyph(QImage(3, 16, QImage::Format_RGB32));
  glyph.SetNumGlyphs(4);
  EXPECT_TRUE(glyph.GlyphSize().isEmpty());
  EXPECT_EQ(glyph.StateImage(bsUp, pal), nullptr);
}

TEST_F(GlyphImages, SuppliedDisabledImageIsRecoloured) {
  QImage s = strip(2);
  s.setPixel(16 + 5, 5, 0xFFFFFFFF);
  s.setPixel(16 + 6, 5, 0xFF808080);
  glyph.SetGlyph(s);
  const QImage* image = glyph.StateImage(bsDisabled, pal);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->size(), QSize(16, 16));
  EXPECT_EQ(image->pixel(5, 5), pal.color(QPalette::Light).rgb());
  EXPECT_EQ(image->pixel(6, 5), pal.color(QPalette::Dark).rgb());
  EXPECT_EQ(image->pixel(7, 5), kColours[1]);
}

// Generated disabled image: one pixel larger, transparent face, the shape in
// shadow with its highlight one pixel below right.
TEST_F(GlyphImages, GeneratedDisabledImageFromColoursMaskOrImageList) {
  QImage g(8, 8, QImage::Format_RGB32);
  g.fill(kKey);
  g.setPixel(2, 2, 0xFF000000);
  g.setPixel(4, 2, 0xFFFFFFFF);  // white does not count as shape, but does in the old style
  g.setPixel(6, 2, 0xFFC0C0C0);
  const QRgb light = pal.color(QPalette::Light).rgb(), dark = pal.color(QPalette::Dark).rgb();
  glyph.SetGlyph(g);
  const QImage* d = glyph.StateImage(bsDisabled, pal);
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(d->size(), QSize(9, 9));
  EXPECT_EQ(d->pixel(2, 2), dark);
  EXPECT_EQ(d->pixel(3, 3), light);
  EXPECT_EQ(qAlpha(d->pixel(0, 0)), 0);
  EXPECT_EQ(qAlpha(d->pixel(4, 2)), 0);
  EXPECT_EQ(qAlpha(d->pixel(6, 2)), 0);

  glyph.SetOldDisabledStyle(true);
  d = glyph.StateImage(bsDisabled, pal);
  EXPECT_EQ(d->pixel(4, 2), dark);
  EXPECT_EQ(d->pixel(6, 2), dark);
  glyph.SetOldDisabledStyle(false);

  // A mask strip decides the shape, whatever the colours.
  QImage mask(8, 8, QImage::Format_RGB32);
  mask.fill(0xFFFFFFFF);
  mask.setPixel(5, 5, 0xFF000000);
  glyph.SetGlyphMask(mask);
  d = glyph.StateImage(bsDisabled, pal);
  EXPECT_EQ(d->pixel(5, 5), dark);
  EXPECT_EQ(qAlpha(d->pixel(2, 2)), 0);
  EXPECT_EQ(qAlpha(glyph.StateImage(bsUp, pal)->pixel(2, 2)), 0);
  // A mask that does not fit the strip is not used.
  glyph.SetGlyphMask(QImage(3, 3, QImage::Format_RGB32));
  EXPECT_EQ(glyph.StateImage(bsDisabled, pal)->pixel(2, 2), dark);

  // An image list's image: its transparency is the shape.
  TImageList images(8, 8);
  QImage one(8, 8, QImage::Format_ARGB32);
  one.fill(0);
  one.setPixel(1, 6, 0xFF102030);
  images.Add(one);
  glyph.SetImages(&images);
  glyph.SetImageIndex(0);
  d = glyph.StateImage(bsDisabled, pal);
  EXPECT_EQ(d->pixel(1, 6), dark);
  EXPECT_EQ(qAlpha(d->pixel(2, 2)), 0);
}

TEST_F(GlyphImages, ImageListReplacesTheStripWhileItsIndexIsValid) {
  glyph.SetGlyph(strip(3));
  TImageList images(16, 16);
  QImage a(16, 16, QImage::Format_RGB32), b(16, 16, QImage::Format_RGB32);
  a.fill(0xFF111111);
  b.fill(0xFF222222);
  images.Add(a);
  images.Add(b);
  int changes = 0;
  glyph.OnChange = [&] { ++changes; };
  glyph.SetImages(&images);
  EXPECT_EQ(centre(glyph.StateImage(bsUp, pal)), kColours[0]);  // index -1: still the strip
  glyph.SetImageIndex(1);
  EXPECT_EQ(glyph.NumGlyphs(), 1);
  EXPECT_EQ(centre(glyph.StateImage(bsDown, pal)), 0xFF222222u);
  glyph.SetNumGlyphs(3);
  EXPECT_EQ(glyph.NumGlyphs(), 1);
  // A change in the list reaches the glyph through its link.
  const int before = changes;
  QImage c(16, 16, QImage::Format_RGB32);
  c.fill(0xFF333333);
  images.Replace(1, c);
  EXPECT_GT(changes, before);
  EXPECT_EQ(centre(glyph.StateImage(bsDown, pal)), 0xFF333333u);
  // Back to the strip, which keeps the NumGlyphs of 1 set while the list was used.
  glyph.SetImageIndex(7);
  EXPECT_EQ(glyph.NumGlyphs(), 1);
  EXPECT_EQ(centre(glyph.StateImage(bsDown, pal)), kColours[0]);
}

TEST_F(GlyphImages, FreedImageListLeavesTheGlyph) {
  glyph.SetGlyph(strip(1));
  int changes = 0;
  glyph.OnChange = [&] { ++changes; };
  {
    TImageList images(16, 16);
    QImage a(16, 16, QImage::Format_RGB32);
    a.fill(0xFF111111);
    images.Add(a);
    glyph.SetImages(&images);
    glyph.SetImageIndex(0);
    EXPECT_EQ(centre(glyph.StateImage(bsUp, pal)), 0xFF111111u);
    changes = 0;
  }
  EXPECT_EQ(glyph.Images(), nullptr);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(centre(glyph.StateImage(bsUp, pal)), kColours[0]);
}

TEST(GlyphCache, ListsAreSharedBySizeAndFreedWhenUnused) {
  testApp();
  const QPalette pal = QApplication::palette();
  const QSize size(13, 11);
  ASSERT_EQ(GlyphCache().Find(size), nullptr);
  auto a = std::make_unique<TButtonGlyph>(), b = std::make_unique<TButtonGlyph>();
  QImage g(13, 11, QImage::Format_RGB32);
  g.fill(0xFF000000);
  a->SetGlyph(g);
  b->SetGlyph(g);
  a->StateImage(bsUp, pal);
  a->StateImage(bsDown, pal);
  b->StateImage(bsUp, pal);
  TGlyphList* list = GlyphCache().Find(size);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->UseCount(), 3);
  a->StateImage(bsDisabled, pal);  // generated: a list one pixel larger
  ASSERT_NE(GlyphCache().Find(QSize(14, 12)), nullptr);

  // Slots freed by one glyph are taken again by the next image.
  a.reset();
  EXPECT_EQ(GlyphCache().Find(size), list);
  EXPECT_EQ(list->UseCount(), 1);
  EXPECT_EQ(GlyphCache().Find(QSize(14, 12)), nullptr);
  EXPECT_FALSE(list->SlotUsed(0));
  EXPECT_TRUE(list->SlotUsed(2));
  b->StateImage(bsHot, pal);
  EXPECT_TRUE(list->SlotUsed(0));
  EXPECT_EQ(list->Count(), 3);  // no new slot while one was free

  b->SetGlyph(QImage());
  EXPECT_EQ(GlyphCache().Find(size), nullptr);
}

TEST(GlyphCache, WrongSizesRaiseTheirErrors) {
  TGlyphList list(8, 8);
  QImage image(8, 8, QImage::Format_RGB32);
  image.fill(0xFF000000);
  try {
    list.Add(QImage(9, 8, QImage::Format_RGB32));
    FAIL() << "no exception";
  } catch (const EInvalidOperation& e) {
    EXPECT_STREQ(e.what(), "Invalid image size");
  }
  try {
    list.Add(image, QImage(4, 4, QImage::Format_Mono));
    FAIL() << "no exception";
  } catch (const EInvalidOperation& e) {
    EXPECT_STREQ(e.what(), "Unable to Replace Image");
  }
  EXPECT_EQ(list.UseCount(), 0);
  EXPECT_EQ(list.Add(image), 0);  // the failed slot is still free
  EXPECT_THROW(TImageList(8, 8).Add(QImage(8, 9, QImage::Format_RGB32)), EInvalidOperation);
}

TEST(ButtonText, CaptionAccelerator) {
  struct Case { const char* caption; char accel; } cases[] = {
      {"&Guardar", 'G'}, {"Ab&rir", 'R'}, {"Tom && Jerry", 0}, {"A && &b", 'B'}, {"Fin&", 0}, {"", 0}};
  for (const Case& c : cases) EXPECT_EQ(CaptionAccelerator(c.caption), QChar(c.accel)) << c.caption;
}

}  // namespace
