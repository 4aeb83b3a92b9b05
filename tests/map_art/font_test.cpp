// The bitmap font: one glyph per character index, 8-pixel cells, the wide
// pause word, and pixels the game can show at any display depth.
#include <gtest/gtest.h>

#include "content/mapart/font_art.h"
#include "content/pixelart/ui_palette.h"
#include "staged_files.h"

namespace {

TEST(Font, HasEveryGlyphInItsCell) {
  const TGKImages font = loadStagedLibrary("sprites/text.iml");
  ASSERT_GE(font.GetCount(), mapart::kFontGlyphCount);
  for (int i = 0; i < mapart::kFontGlyphCount; ++i) {
    if (i == mapart::kPauseGlyph) continue;
    const auto& e = font.GetImageHeader(i);
    EXPECT_LE(e.Width, mapart::kGlyphCell) << "glyph " << i;
    EXPECT_LE(e.Height, mapart::kGlyphCell) << "glyph " << i;
    int drawn = 0;
    forEachPixel(e, [&](int, int, uint8_t c) { drawn += c != pixelart::ui::kFontKey; });
    EXPECT_GT(drawn, 3) << "glyph " << i << " is empty";
  }
  // "PAUSA" is one picture, wider than the five cells it replaces.
  EXPECT_GE(font.GetImageHeader(mapart::kPauseGlyph).Width, 5 * mapart::kGlyphCell);
}

TEST(Font, GlyphsUseOnlyTheKeyAndSharedColours) {
  // The glyphs are copied unchanged into 8-bit screens keyed on entry 10; at
  // other depths the key's colour (240, 244, 248) is what turns transparent.
  const TGKImages font = loadStagedLibrary("sprites/text.iml");
  const auto& key = font.Palette[pixelart::ui::kFontKey];
  EXPECT_EQ((platform::Rgb{key.peRed, key.peGreen, key.peBlue}), (platform::Rgb{240, 244, 248}));
  for (int i = 0; i < font.GetCount(); ++i) {
    forEachPixel(font.GetImageHeader(i), [&](int, int, uint8_t c) {
      EXPECT_TRUE((c >= 1 && c <= 10) || c >= 246) << "glyph " << i << " uses " << int(c);
    });
  }
}

TEST(Font, DistinctCharactersLookDistinct) {
  const TGKImages font = loadStagedLibrary("sprites/text.iml");
  for (int a = 0; a < mapart::kFontGlyphCount; ++a)
    for (int b = a + 1; b < mapart::kFontGlyphCount; ++b)
      EXPECT_NE(font.GetImageHeader(a).Bits, font.GetImageHeader(b).Bits) << a << " and " << b;
}

}  // namespace
