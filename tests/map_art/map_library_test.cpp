// The world-map library against the frames of the 100 world kinds.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "content/mapart/map_art.h"
#include "staged_files.h"

namespace {

// Frames of every world kind, all directions together, by kind number.
std::vector<std::vector<int>> worldKindFrames() {
  std::vector<std::vector<int>> k(100);
  k[0] = {0, 1};
  k[1] = {2, 3};
  k[2] = {4, 5};
  for (int i = 3; i <= 31; ++i) k[size_t(i)] = {i + 3};
  k[32] = {35, 36, 37, 38};
  for (int i = 33; i <= 40; ++i) k[size_t(i)] = {i + 6};
  k[41] = {47, 48, 49, 48};
  k[42] = {50, 51};
  for (int i = 43; i <= 46; ++i) k[size_t(i)] = {i + 9};
  k[47] = {58, 56, 57, 56};
  for (int i = 48; i <= 52; ++i) k[size_t(i)] = {i + 14};
  for (int i = 53; i <= 60; ++i) k[size_t(i)] = {2 * i - 39, 2 * i - 38};
  for (int i = 61; i <= 65; ++i) k[size_t(i)] = {2 * i - 38, 2 * i - 39};
  k[66] = {93};
  k[67] = {94};
  k[68] = {97, 97, 95, 96, 95, 93};
  k[69] = {98};
  k[70] = {99, 100, 101, 102, 99, 100};
  k[71] = {103};
  k[72] = {104, 105, 106, 107};
  k[73] = {108, 109, 110, 111};
  k[74] = {112, 113, 113, 114};
  k[75] = {115, 116, 117, 118};
  k[76] = {119, 120, 121, 120};
  k[77] = {122};
  k[78] = {125, 125, 123, 124, 123, 94};
  k[79] = {126, 127, 128, 129};
  k[80] = {130};
  k[81] = {131};
  k[82] = {132};
  k[83] = {133, 134};
  k[84] = {135, 136, 137, 138};
  k[85] = {139, 140};
  k[86] = {141, 142};
  k[87] = {143, 144};
  for (int i = 88; i <= 95; ++i) k[size_t(i)] = {i + 57};
  k[96] = {153, 154};
  k[97] = {155, 156};
  k[98] = {157, 158};
  k[99] = {159};
  return k;
}

class MapLibrary : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { held = std::make_unique<TGKImages>(loadStagedLibrary("sprites/map.iml")); }
  static void TearDownTestSuite() { held.reset(); }
  static inline std::unique_ptr<TGKImages> held;
  TGKImages* lib = held.get();
};

TEST_F(MapLibrary, EveryFrameOfEveryKindExistsAndOneKindHasOneSize) {
  ASSERT_GE(lib->GetCount(), mapart::kMapImageCount);
  const auto kinds = worldKindFrames();
  for (size_t kind = 0; kind < kinds.size(); ++kind) {
    ASSERT_FALSE(kinds[kind].empty()) << "kind " << kind;
    const auto& first = lib->GetImageHeader(kinds[kind][0]);
    for (int frame : kinds[kind]) {
      ASSERT_LT(frame, lib->GetCount()) << "kind " << kind;
      const auto& e = lib->GetImageHeader(frame);
      EXPECT_EQ(e.Width, first.Width) << "kind " << kind << " frame " << frame;
      EXPECT_EQ(e.Height, first.Height) << "kind " << kind << " frame " << frame;
    }
  }
}

TEST_F(MapLibrary, FiguresFitTheWaysTheMapPlacesThem) {
  struct Case {
    int image, width, height;
    const char* why;
  };
  // The player stands at node x + 1 in the small mode and 3 or 6 px higher in
  // the tall ones, so every mode ends at the bottom of a 16-px cell; the big
  // castle is moved half a cell down and still ends at its cell's bottom row.
  const Case cases[] = {
      {0, 14, 16, "small player"}, {2, 16, 19, "big player"}, {4, 16, 22, "flying player"},
      {133, 16, 19, "fire player"}, {6, 16, 16, "start node"},   {25, 16, 16, "path"},
      {54, 16, 24, "big castle"},  {135, 16, 16, "wandering enemy"},
  };
  for (const Case& c : cases) {
    const auto& e = lib->GetImageHeader(c.image);
    EXPECT_EQ(e.Width, c.width) << c.why;
    EXPECT_EQ(e.Height, c.height) << c.why;
  }
  // The three card faces at 59-61 share one size, as the status bar's slots expect.
  EXPECT_EQ(lib->GetImageHeader(59).Width, lib->GetImageHeader(61).Width);
  EXPECT_EQ(lib->GetImageHeader(60).Height, lib->GetImageHeader(61).Height);
}

TEST_F(MapLibrary, WaterAndShipsUseTheEntriesTheWorldFileRecolours) {
  auto uses = [&](int image, int entry) {
    bool found = false;
    forEachPixel(lib->GetImageHeader(image), [&](int, int, uint8_t c) { found |= c == entry; });
    return found;
  };
  EXPECT_TRUE(uses(81, mapart::kMapWaterEntry)) << "open water";
  EXPECT_TRUE(uses(67, mapart::kMapWaterEntry)) << "river";
  EXPECT_TRUE(uses(155, mapart::kMapShipEntry)) << "ship";
  EXPECT_TRUE(uses(155, mapart::kMapShip2Entry)) << "ship";
}

TEST_F(MapLibrary, NoImageUsesTheBackgroundPictureEntries) {
  // 230-239 take the map picture's colours and 245 the plain background colour.
  for (int i = 0; i < lib->GetCount(); ++i)
    forEachPixel(lib->GetImageHeader(i), [&](int x, int y, uint8_t c) {
      EXPECT_FALSE((c >= 230 && c <= 239) || c == 245) << "image " << i << " at " << x << "," << y;
    });
}

}  // namespace
