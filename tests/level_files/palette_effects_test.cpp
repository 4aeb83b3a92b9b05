#include "game/Game/palette_effects.h"

#include <gtest/gtest.h>

#include "components/ZEZ/TGKScreen.h"
#include "platform/app/application.h"

namespace {

struct EffectCase {
  int effect;
  int index;
  uint8_t r, g, b;     // in
  uint8_t er, eg, eb;  // expected
};

void PrintTo(const EffectCase& c, std::ostream* os) {
  *os << "effect " << c.effect << " entry " << c.index << " (" << int(c.r) << "," << int(c.g) << "," << int(c.b) << ")";
}

class PaletteEffect : public testing::TestWithParam<EffectCase> {};

TEST_P(PaletteEffect, ChangesTheColour) {
  const EffectCase& c = GetParam();
  uint8_t r = c.r, g = c.g, b = c.b;
  ApplyPaletteEffect(r, g, b, c.index, c.effect);
  EXPECT_EQ(int(r), c.er);
  EXPECT_EQ(int(g), c.eg);
  EXPECT_EQ(int(b), c.eb);
}

// (200, 100, 50): sum 350, average 116.67 -> 117. (10, 20, 31): sum 61 -> 20.33 -> 20.
INSTANTIATE_TEST_SUITE_P(
    Effects, PaletteEffect,
    testing::Values(
        EffectCase{0, 5, 200, 100, 50, 200, 100, 50}, EffectCase{8, 5, 200, 100, 50, 200, 100, 50},
        EffectCase{-1, 5, 200, 100, 50, 200, 100, 50},
        EffectCase{1, 5, 200, 100, 50, 158, 108, 83}, EffectCase{1, 5, 10, 20, 31, 15, 20, 25},
        EffectCase{2, 5, 200, 100, 50, 117, 117, 117}, EffectCase{2, 5, 10, 20, 31, 20, 20, 20},
        EffectCase{2, 5, 1, 0, 1, 1, 1, 1},  // 2/3 rounds up
        // silhouette: white black, black grey, below entry 130 everything else black
        EffectCase{3, 5, 255, 255, 255, 0, 0, 0}, EffectCase{3, 5, 0, 0, 0, 64, 64, 64},
        EffectCase{3, 20, 0, 0, 200, 0, 0, 0}, EffectCase{3, 140, 0, 0, 200, 0, 0, 200},
        EffectCase{3, 140, 255, 255, 255, 0, 0, 0}, EffectCase{3, 140, 0, 0, 0, 64, 64, 64},
        EffectCase{3, 129, 100, 50, 42, 100, 50, 42},  // channel sum 192 stays
        EffectCase{3, 129, 100, 50, 43, 0, 0, 0},
        EffectCase{4, 5, 200, 100, 50, 125, 75, 0},
        EffectCase{5, 5, 200, 99, 50, 94, 33, 16},   // G 33, R (200+33+50)/3, B 16
        EffectCase{6, 5, 200, 100, 50, 66, 72, 16},  // R 66, G (66+100+50)/3, B 16
        EffectCase{7, 5, 200, 100, 50, 66, 33, 72}   // R 66, B (66+100+50)/3, G 33
        ));

class PaletteFade : public testing::Test {
 protected:
  void SetUp() override {
    platform::application().Reset();
    screen.ColorDepth = 8;
    for (int i = 0; i < 256; ++i) screen.PaletteEntries[size_t(i)] = {uint8_t(i), uint8_t(255 - i), 100, 0};
    screen.PaletteEntries[0] = {255, 255, 255, 0};
    platform::DDPalette::Entries live{};
    for (auto& e : live) e = {1, 2, 3, 7};  // flags 7 must survive the fades
    screen.Palette = std::make_shared<platform::DDPalette>(live);
  }
  void TearDown() override { platform::application().Reset(); }

  // The screen's palette with effect applied at d / steps.
  platform::PALETTEENTRY expected(int i, int effect, int d, int steps) const {
    const auto& full = screen.PaletteEntries[size_t(i)];
    uint8_t r = uint8_t(full.peRed * d / steps), g = uint8_t(full.peGreen * d / steps),
            b = uint8_t(full.peBlue * d / steps);
    ApplyPaletteEffect(r, g, b, i, effect);
    return {r, g, b, 7};
  }

  platform::HeadlessForm form{320, 240};
  TGKScreen screen{form};
};

TEST_F(PaletteFade, FadesRecordStepsPlusOneUpdatesAndEndOnTheEffect) {
  const auto before = screen.PaletteEntries;
  for (int effect : {1, 2, 3, 4, 5, 6, 7}) {
    size_t start = screen.Palette->updateCount();
    FadeInPalette(screen, effect, 20);
    EXPECT_EQ(screen.Palette->updateCount() - start, 21u) << effect;
    for (int i : {0, 5, 129, 130, 255}) EXPECT_EQ(screen.Palette->entries()[size_t(i)], expected(i, effect, 20, 20));

    start = screen.Palette->updateCount();
    FadeOutPalette(screen, effect, 20);
    EXPECT_EQ(screen.Palette->updateCount() - start, 21u) << effect;
    for (int i : {0, 5, 130, 255}) EXPECT_EQ(screen.Palette->entries()[size_t(i)], expected(i, effect, 0, 20));
  }
  EXPECT_EQ(screen.PaletteEntries, before);  // the palette array is never changed
}

TEST_F(PaletteFade, EffectZeroIsTheScreensOwnFade) {
  FadeInPalette(screen, 0, 20);
  EXPECT_EQ(screen.Palette->updateCount(), 21u);
  EXPECT_EQ(screen.Palette->entries()[5].peRed, 5);
  FadeOutPalette(screen, 0, 20);
  EXPECT_EQ(screen.Palette->updateCount(), 42u);
  EXPECT_EQ(screen.Palette->entries()[5].peGreen, 0);
}

TEST_F(PaletteFade, ReturnsAtOnceAbove8Bits) {
  const auto live = screen.Palette->entries();
  for (int depth : {16, 32}) {
    screen.ColorDepth = depth;
    for (int effect : {0, 3}) {
      FadeInPalette(screen, effect, 20);
      FadeOutPalette(screen, effect, 20);
    }
  }
  EXPECT_EQ(screen.Palette->updateCount(), 0u);
  EXPECT_EQ(screen.Palette->entries(), live);
}

TEST_F(PaletteFade, NonPositiveStepsFadeInOneStep) {
  FadeInPalette(screen, 2, 0);
  EXPECT_EQ(screen.Palette->updateCount(), 2u);
  EXPECT_EQ(screen.Palette->entries()[5], expected(5, 2, 1, 1));
}

TEST_F(PaletteFade, WithoutAPaletteItFailsClearly) {
  screen.Palette.reset();
  EXPECT_THROW(FadeInPalette(screen, 3, 20), EGKScreen);
}

}  // namespace
