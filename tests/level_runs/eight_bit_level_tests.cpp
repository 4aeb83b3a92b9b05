// A level built on the 320 x 240 screen of 8 bits a pixel (a settings file
// without window mode): the background picture's colours, the rain's greys and
// the level's own colours go into the palette, which fades in with the level's
// effect.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "components/ZEZ/TGKScreen.h"
#include "game/Game/level_state.h"
#include "game/Game/palette_effects.h"
#include "game/frmMain/frmMain.h"
#include "platform/core/bitmap.h"
#include "tests/support/scratch_folder.h"
#include "tools/tqrun/level_run.h"

namespace fs = std::filesystem;

namespace {

class EightBitLevel : public ::testing::Test {
 protected:
  void SetUp() override {
    // The staged program folder, but with a settings file that asks for no window.
    for (const fs::directory_entry& e : fs::directory_iterator(TQ_STAGE_DIR))
      if (e.path().filename() != "Hopz.ini") fs::create_symlink(e.path(), folder_.path() / e.path().filename());
    folder_.put("Hopz.ini", "[DirectDraw]\r\nWindowMode=0\r\n");
    Level = TLevelState{};
    run_ = std::make_unique<TLevelRun>(folder_.path().string());
  }
  void TearDown() override {
    run_.reset();
    Level.LevelIni.reset();
  }
  TGKScreen& screen() { return *run_->Main().DXScreen; }
  void start(const std::string& options) {
    run_->StartLevel(folder_.put("level.tql", "[Options]\r\n" + options +
                                                  "ImageLib=sprites\\game.iml\r\nWidth=40\r\nHeight=13\r\n"
                                                  "[Sprites]\r\n0=0,1,\r\n"));
  }

  ScratchFolder folder_{"eight_bit_level"};
  std::unique_ptr<TLevelRun> run_;
};

TEST_F(EightBitLevel, PictureRainAndLevelColoursGoIntoThePaletteThatFadesIn) {
  ASSERT_EQ(screen().ColorDepth, 8);
  platform::Bitmap picture(400, 300, 8);
  for (int i = 0; i < 256; ++i) picture.colors[size_t(i)] = {uint8_t(i), uint8_t(255 - i), 77};
  const std::string sky = folder_.put("sky.bmp", platform::encodeBmp(picture));
  start("BgImage=" + sky + "\r\nRain=1\r\nWaterColor=1193046\r\nPl1Color=255\r\nBorderColor=65280\r\n");

  const auto& p = screen().PaletteEntries;
  struct Entry {
    int index;
    uint8_t r, g, b;
    const char* what;
  };
  const Entry entries[] = {
      {130, 0, 255, 77, "the picture's entry 0"}, {229, 99, 156, 77, "the picture's entry 99"},
      {240, 150, 150, 150, "rain grey 1"},        {244, 222, 222, 222, "rain grey 5"},
      {49, 0x56, 0x34, 0x12, "WaterColor"},       {84, 255, 0, 0, "Pl1Color"},
      {101, 255, 0, 0, "Pl1Color again"},         {29, 0, 255, 0, "BorderColor"},
      {56, 0xFF, 0xCC, 0x99, "SPipe1Color's default"},
  };
  for (const Entry& e : entries) {
    SCOPED_TRACE(e.what);
    EXPECT_EQ(p[size_t(e.index)].peRed, e.r);
    EXPECT_EQ(p[size_t(e.index)].peGreen, e.g);
    EXPECT_EQ(p[size_t(e.index)].peBlue, e.b);
  }
  // The fade ended on the whole palette.
  ASSERT_TRUE(screen().Palette);
  for (int i : {29, 49, 130, 240}) {
    EXPECT_EQ(screen().Palette->entries()[size_t(i)].peRed, p[size_t(i)].peRed) << i;
    EXPECT_EQ(screen().Palette->entries()[size_t(i)].peGreen, p[size_t(i)].peGreen) << i;
  }
}

TEST_F(EightBitLevel, ThePaletteEffectShowsInTheLivePaletteOnly) {
  start("PaletteFX=2\r\nWaterColor=255\r\n");  // grey; water pure red
  const auto& full = screen().PaletteEntries[49];
  EXPECT_EQ(full.peRed, 255);
  EXPECT_EQ(full.peGreen, 0);
  const auto& live = screen().Palette->entries()[49];
  EXPECT_EQ(live.peRed, 85);
  EXPECT_EQ(live.peGreen, 85);
  EXPECT_EQ(live.peBlue, 85);
}

}  // namespace
