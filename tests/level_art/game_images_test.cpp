// The level image library the art generator draws: every frame the level
// kinds show exists, one size per kind, sizes the level rules rely on, exact
// slope diagonals, and a palette that keeps the game's reserved entries free.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "content/art/families.h"
#include "content/art/game_library.h"
#include "content/art/palette.h"
#include "game/LevelAnimations/level_animations.h"

namespace {

const std::vector<art::NamedImage>& images() {
  static const std::vector<art::NamedImage> all = art::buildGameImages();
  return all;
}

struct Size {
  int w, h;
  bool operator==(const Size&) const = default;
};
Size sizeOf(int index) { return {images()[index].pixels.width(), images()[index].pixels.height()}; }
std::string str(Size s) { return std::to_string(s.w) + "x" + std::to_string(s.h); }

// Every image the player shows in one power mode: the table's frames and the
// carrying, swimming, crouching and throwing frames of the other rules.
std::vector<int> playerModeImages(int mode) {
  const PlayerModeFrames& f = PlayerFramesFor(mode);
  std::vector<int> out;
  for (const auto* list : {&f.idleRight, &f.idleLeft, &f.walkRight, &f.walkLeft, &f.jumpRight, &f.jumpLeft})
    out.insert(out.end(), list->begin(), list->end());
  static const std::vector<int> extra[4] = {
      {6, 240, 241, 242, 243, 472, 473, 474, 475, 476, 477},
      {11, 12, 244, 245, 246, 247, 248, 249, 478, 479, 480, 481, 482, 483},
      {271, 272, 273, 274, 275, 276, 277, 278, 279, 280, 281, 282, 484, 485, 486, 487, 488, 489},
      {563, 564, 565, 566, 567, 568, 569, 570, 571, 572, 573, 574, 575, 576}};
  out.insert(out.end(), extra[mode].begin(), extra[mode].end());
  return out;
}

TEST(GameImages, CoverEveryIndexTheLevelsUse) {
  ASSERT_EQ(images().size(), 655u);
  for (const LevelAnimation& row : LevelAnimationTable())
    for (uint16_t frame : row.allFrames()) EXPECT_LT(frame, images().size()) << "kind " << row.kind;
  for (size_t i = 0; i < images().size(); ++i) {
    EXPECT_GT(images()[i].pixels.countDrawn(), 0) << "image " << i << " is blank";
    EXPECT_FALSE(images()[i].name.empty());
    EXPECT_LE(images()[i].name.size(), 11u);
  }
}

TEST(GameImages, AllFramesOfOneKindShareOneSize) {
  for (const LevelAnimation& row : LevelAnimationTable()) {
    if (row.kind <= PlayerJump) continue;  // by power mode, below
    const auto frames = row.allFrames();
    for (uint16_t f : frames)
      EXPECT_EQ(sizeOf(f), sizeOf(frames.front()))
          << "kind " << row.kind << " frame " << f << " is " << str(sizeOf(f));
  }
  for (int mode = 0; mode < 4; ++mode) {
    const auto frames = playerModeImages(mode);
    for (int f : frames) EXPECT_EQ(sizeOf(f), sizeOf(frames.front())) << "mode " << mode << " frame " << f;
  }
}

TEST(GameImages, SizesTheLevelRulesRelyOn) {
  struct Expect {
    int image;
    Size size;
    const char* why;
  };
  const Expect cases[] = {
      {0, {12, 16}, "small player: 16 high, centred 10 px into a pipe"},
      {7, {16, 26}, "big player: 26 high, 8 px into a pipe"},
      {553, {16, 26}, "fire player like the big one"},
      {253, {20, 27}, "flying player: 27 high, 6 px into a pipe"},
      {15, {16, 17}, "big crouch: 17 high"},
      {267, {20, 17}, "flying crouch: 17 high"},
      {561, {16, 17}, "fire crouch: 17 high"},
      {40, {32, 16}, "standing pipes are 32 across"},
      {49, {32, 16}, "standing pipe mouth"},
      {30, {16, 32}, "lying pipes are 32 high"},
      {17, {16, 16}, "ground cells"},
      {81, {16, 4}, "a pressed switch sinks 12 of its 16 pixels"},
      {288, {16, 8}, "a stomped Wumpet drops 8 pixels"},
      {116, {16, 8}, "a broken skeleton drops 16 of 24"},
      {112, {16, 24}, "skeleton walker"},
      {283, {20, 24}, "winged Wumpet loses wings, 2 px in and 8 down"},
      {285, {16, 16}, "red Wumpet"},
      {287, {16, 8}, "stomped red Wumpet"},
      {175, {16, 16}, "bridge: stood on 8 pixels deep"},
  };
  for (const Expect& e : cases) EXPECT_EQ(sizeOf(e.image), e.size) << e.image << ": " << e.why;
}

// A slope image is an exact diagonal: every column is drawn from its surface
// row to the bottom, and the surface steps by one pixel a column.
TEST(GameImages, SlopesHaveDiagonalMasks) {
  for (int kind : {8, 9, 12, 13, 77, 78, 169, 173}) {
    const int image = LevelAnimationOf(kind).allFrames().front();
    const art::Canvas& c = images()[image].pixels;
    SCOPED_TRACE("kind " + std::to_string(kind));
    std::vector<int> surface;
    for (int x = 0; x < c.width(); ++x) {
      int top = c.height();
      for (int y = 0; y < c.height(); ++y)
        if (c.at(x, y) != art::kClear) {
          top = y;
          break;
        }
      for (int y = top; y < c.height(); ++y) ASSERT_NE(c.at(x, y), art::kClear) << "hole at " << x << "," << y;
      surface.push_back(top);
    }
    const int step = surface[1] - surface[0];
    ASSERT_TRUE(step == 1 || step == -1);
    for (size_t x = 1; x < surface.size(); ++x) EXPECT_EQ(surface[x] - surface[x - 1], step);
    EXPECT_TRUE(surface.front() == 0 || surface.back() == 0);  // reaches the top of the cell
  }
}

TEST(GamePalette, KeepsReservedEntriesFreeAndShowsNoKeyColours) {
  const art::Palette& p = art::gamePalette();
  std::set<int> used;
  for (const auto& img : images())
    for (art::Index px : img.pixels.pixels()) used.insert(px);
  for (int i : used) {
    if (i == 0) continue;
    SCOPED_TRACE("palette entry " + std::to_string(i));
    EXPECT_GE(i, 10);
    EXPECT_LT(i, 130) << "130..229 take the background's colours, 240..244 the rain";
    EXPECT_TRUE(p[i].used);
    EXPECT_FALSE(p[i].rgb.r == 0 && p[i].rgb.g == 0 && p[i].rgb.b == 0) << "pure black is the colour key";
    EXPECT_FALSE(p[i].rgb.r == 255 && p[i].rgb.g == 0 && p[i].rgb.b == 255);
  }
  EXPECT_FALSE(p[0].used);
}

TEST(GamePalette, RecolouredSlotsHoldTheLevelDefaults) {
  // Windows colour values (0x00BBGGRR) of the level file's colour keys
  const std::map<int, uint32_t> defaults = {
      {49, 16760121}, {53, 16770989}, {50, 3775743}, {108, 543438}, {61, 3394611}, {63, 39168},
      {98, 16316664}, {99, 13682872}, {84, 4906570}, {101, 4906570}, {102, 44288}, {56, 10079487},
      {66, 13369548}};
  const art::Palette& p = art::gamePalette();
  for (auto [slot, colour] : defaults) {
    EXPECT_EQ(p[slot].rgb.r, colour & 0xFF) << slot;
    EXPECT_EQ(p[slot].rgb.g, (colour >> 8) & 0xFF) << slot;
    EXPECT_EQ(p[slot].rgb.b, (colour >> 16) & 0xFF) << slot;
  }
}

TEST(StagedGameLibrary, IsTheGeneratorsOutputAndLoads) {
  const std::filesystem::path staged = std::filesystem::path(TQ_STAGE_DIR) / "sprites" / "game.iml";
  ASSERT_TRUE(std::filesystem::exists(staged)) << staged;
  std::ifstream in(staged, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::ostringstream expected;
  art::makeGameLibrary().WriteToStream(expected);
  EXPECT_TRUE(bytes == expected.str()) << "the staged library is not what the generator draws";

  TGKImages lib;
  lib.LoadFromFile(staged.string());
  ASSERT_EQ(lib.GetCount(), 655);
  const TGKImageEntry& pipe = lib.GetImageHeader(40);
  EXPECT_EQ(pipe.Width, 32);
  EXPECT_EQ(pipe.Height, 16);
  EXPECT_EQ(lib.GetImageHeader(0).Width, 12);  // 12 wide: rows padded to 12
  EXPECT_EQ(lib.GetImageHeader(0).Bits.size(), 12u * 16u);
}

}  // namespace
