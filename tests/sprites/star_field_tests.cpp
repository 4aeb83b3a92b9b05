#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "components/ZEZStar/star_field.h"
#include "components/ZEZStar/star_pixel.h"
#include "platform/core/random.h"

namespace {

// A locked surface of its own: w x h pixels at 32 bits, rows exactly w x 4 bytes,
// so that a write outside it is caught.
struct Buffer {
  Buffer(int w, int h, int bpp = 32) : width(w), height(h), bpp(bpp), pitch(w * (bpp == 8 ? 1 : bpp / 8)),
                                       bytes(static_cast<size_t>(pitch) * h) {}
  void run(TGKStarField& f) { f.MoveAndDrawInto(bytes.data(), pitch, bpp, width, height); }
  uint32_t pixel32(int x, int y) const {
    const uint8_t* p = &bytes[static_cast<size_t>(y * pitch + x * 4)];
    return p[0] | (p[1] << 8) | (p[2] << 16) | (uint32_t(p[3]) << 24);
  }
  int lit() const {
    int n = 0;
    for (uint8_t b : bytes) n += b != 0;
    return n;
  }
  int width, height, bpp, pitch;
  std::vector<uint8_t> bytes;
};

struct SeededField : testing::Test {
  SeededField() { platform::fixRandomSeed(1234); }
  ~SeededField() override { platform::unfixRandomSeed(); }
  // One star at (x, y, z) and no others.
  void only(int x, int y, int z) {
    field.SetNumberOfStars(1);
    field.Star(0) = TGKStar{x, y, z, 0, 0, TGKStarField::kSilver};
  }
  TGKStarField field;
};

TEST_F(SeededField, PrepareLimitsTheEdgesToTheSurfaceAndResolvesTheCentre) {
  struct Case {
    int left, right, top, bottom, cx, cy;
    int expLeft, expRight, expTop, expBottom, expCx, expCy;
  } cases[] = {
      {0, 9999, 0, 9999, 9999, 9999, 0, 640, 0, 480, 320, 240},
      {-20, 300, -1, 100, 10, 9999, 0, 300, 0, 100, 10, 240},
      {5, 700, 7, 481, -3, 0, 5, 640, 7, 480, -3, 0},
  };
  for (const Case& c : cases) {
    TGKStarField f;
    f.EdgeLeft = c.left, f.EdgeRight = c.right, f.EdgeTop = c.top, f.EdgeBottom = c.bottom;
    f.CenterX = c.cx, f.CenterY = c.cy;
    f.Prepare(640, 480);
    EXPECT_EQ(f.EdgeLeft, c.expLeft);
    EXPECT_EQ(f.EdgeRight, c.expRight);
    EXPECT_EQ(f.EdgeTop, c.expTop);
    EXPECT_EQ(f.EdgeBottom, c.expBottom);
    EXPECT_EQ(f.CenterX, c.expCx);
    EXPECT_EQ(f.CenterY, c.expCy);
  }
}

TEST_F(SeededField, TheStarCountIsLimitedToThePointArray) {
  EXPECT_EQ(field.GetNumberOfStars(), 200);
  field.SetNumberOfStars(25000);
  EXPECT_EQ(field.GetNumberOfStars(), TGKStarField::kMaxStars);
  field.SetNumberOfStars(-4);
  EXPECT_EQ(field.GetNumberOfStars(), 0);
  field.SetNumberOfStars(TGKStarField::kMaxStars);
  field.StarMode = Vertical;
  field.Prepare(32, 24);
  Buffer b(32, 24);
  b.run(field);  // every point moves and draws inside the surface
  EXPECT_GT(b.lit(), 0);
}

TEST_F(SeededField, PlacingFollowsTheMode) {
  struct Case {
    TStarMode mode;
    int xMin, xMax, yMin, yMax;
  } cases[] = {
      {Horizontal, 0, 63, 10, 19},   // X over the width, Y inside the edges
      {Vertical, 20, 39, 0, 47},     // X inside the edges, Y over the height
      {ThreeD, -32, 31, -24, 23},    // around the centre
  };
  for (const Case& c : cases) {
    TGKStarField f;
    f.StarMode = c.mode;
    f.EdgeLeft = 20, f.EdgeRight = 40, f.EdgeTop = 10, f.EdgeBottom = 20;
    f.Prepare(64, 48);
    for (int i = 0; i < f.GetNumberOfStars(); ++i) {
      const TGKStar& s = f.Star(i);
      ASSERT_TRUE(s.X >= c.xMin && s.X <= c.xMax && s.Y >= c.yMin && s.Y <= c.yMax) << c.mode << " " << i;
      ASSERT_TRUE(s.Z >= 0 && s.Z <= 254);
      if (c.mode != ThreeD) {
        ASSERT_EQ(s.Color, TGKStarField::kSilver);
      }
    }
  }
}

TEST_F(SeededField, FallingRainMovesByDepthBandAndIsDrawnInsideTheEdgesOnly) {
  field.StarMode = Vertical;
  field.Towards = false;
  field.Prepare(40, 30);
  field.SetNumberOfStars(5);
  const TGKStar stars[] = {{10, 5, 0}, {11, 5, 75}, {12, 5, 125}, {13, 5, 175}, {14, 5, 254}};
  for (int i = 0; i < 5; ++i) field.Star(i) = stars[i], field.Star(i).Color = TGKStarField::kSilver;
  Buffer b(40, 30);
  b.run(field);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(field.Star(i).Y, 5 + 2 + (4 - i)) << i;  // Velocity 2 plus 4, 3, 2, 1, 0
    EXPECT_EQ(b.pixel32(10 + i, field.Star(i).Y), 0x00C0C0C0u) << i;
  }
  EXPECT_EQ(b.lit(), 5 * 3);

  only(0, 10, 254);  // on the left edge: moves, but the edges are exclusive
  Buffer c(40, 30);
  c.run(field);
  EXPECT_EQ(field.Star(0).Y, 12);
  EXPECT_EQ(c.lit(), 0);
}

TEST_F(SeededField, RainAtNegativeSpeedSplitsByDepthAndIsNeverRebornAtTheTop) {
  field.StarMode = Vertical;
  field.Towards = false;
  field.Velocity = -2;  // frozen play
  field.Prepare(40, 30);
  field.SetNumberOfStars(2);
  field.Star(0) = TGKStar{10, 3, 230};  // deepest: -2 + 0
  field.Star(1) = TGKStar{20, 3, 10};   // nearest: -2 + 4
  Buffer b(40, 30);
  for (int i = 0; i < 10; ++i) b.run(field);
  EXPECT_EQ(field.Star(0).X, 10);
  EXPECT_EQ(field.Star(0).Y, 3 - 20);  // gone above the top, still the same point
  EXPECT_EQ(field.Star(1).Y, 3 + 20);
}

TEST_F(SeededField, PointsLeavingTheEdgesAreReborn) {
  struct Case {
    TStarMode mode;
    bool towards;
    TGKStar start;
    int xMin, xMax, yMin, yMax;
  } cases[] = {
      // edges 10..50 x 5..25 on a 64 x 32 surface
      {Vertical, false, {30, 24, 0}, 10, 49, -14, 5},     // fell below: back above the top
      {Vertical, true, {30, 6, 0}, 10, 49, 25, 44},       // rose above: back below the bottom
      {Horizontal, true, {11, 15, 0}, 50, 99, 5, 24},     // left the left edge: back past the right
      {Horizontal, false, {49, 15, 0}, -39, 10, 5, 24},   // left the right edge: back before the left
  };
  for (const Case& c : cases) {
    TGKStarField f;
    f.StarMode = c.mode;
    f.Towards = c.towards;
    f.Colored = c.mode == Horizontal;
    f.EdgeLeft = 10, f.EdgeRight = 50, f.EdgeTop = 5, f.EdgeBottom = 25;
    f.Prepare(64, 32);
    f.SetNumberOfStars(1);
    for (int round = 0; round < 20; ++round) {  // 20 different rebirths
      f.Star(0) = c.start;
      Buffer b(64, 32);
      b.run(f);
      const TGKStar& s = f.Star(0);
      ASSERT_TRUE(s.X >= c.xMin && s.X <= c.xMax && s.Y >= c.yMin && s.Y <= c.yMax)
          << c.mode << c.towards << " at " << s.X << "," << s.Y;
      ASSERT_TRUE(s.Z >= 0 && s.Z <= 254);
      if (!f.Colored) {
        ASSERT_EQ(s.Color, TGKStarField::kSilver);
      }
    }
  }
}

TEST_F(SeededField, FlashingColours) {
  field.Prepare(40, 30);
  field.Flashing = true;
  field.StarMode = Vertical;
  only(20, 10, 254);
  Buffer b(40, 30);
  b.run(field);
  EXPECT_EQ(field.Star(0).Color & ~0xFF, 0);  // rain flashes in red only
  EXPECT_LE(field.Star(0).Color, 254);
  field.StarMode = Horizontal;
  bool other = false;
  for (int i = 0; i < 10; ++i) {
    b.run(field);
    other = other || (field.Star(0).Color & 0xFFFF00) != 0;
  }
  EXPECT_TRUE(other);
}

TEST_F(SeededField, ThreeDProjectsFromTheCentreAndRebornsOutOfDepth) {
  field.StarMode = ThreeD;
  field.Prepare(64, 48);  // centre (32, 24)
  only(10, -10, 64);
  Buffer b(64, 48);
  b.run(field);
  EXPECT_EQ(field.Star(0).LastX, 32 + 20);
  EXPECT_EQ(field.Star(0).LastY, 24 - 20);
  EXPECT_EQ(field.Star(0).Z, 62);  // flies towards the viewer
  EXPECT_EQ(b.pixel32(52, 4), 0x00C0C0C0u);

  only(10, -10, 0);  // out of depth: reborn far away, not drawn
  Buffer c(64, 48);
  c.run(field);
  EXPECT_EQ(field.Star(0).Z, 255);
  EXPECT_EQ(c.lit(), 0);

  field.Towards = false;
  only(1, 1, 1);  // projects to (160, 152): outside, reborn at a random depth
  c.run(field);
  EXPECT_LE(field.Star(0).Z, 254);
  EXPECT_EQ(c.lit(), 0);
}

TEST_F(SeededField, EdgesWidenedAfterPreparingNeverWritePastTheSurface) {
  field.StarMode = Vertical;
  field.Towards = false;
  field.Prepare(16, 8);
  field.EdgeRight = field.EdgeBottom = 9999;  // changed by the caller afterwards
  field.SetNumberOfStars(3);
  field.Star(0) = TGKStar{20, 3, 254};
  field.Star(1) = TGKStar{5, 30, 254};
  field.Star(2) = TGKStar{5, 3, 254};
  for (int i = 0; i < 3; ++i) field.Star(i).Color = TGKStarField::kSilver;
  Buffer b(16, 8);
  b.run(field);
  EXPECT_EQ(b.lit(), 3);  // only the point inside the surface
  EXPECT_EQ(b.pixel32(5, 5), 0x00C0C0C0u);
}

TEST(StarPixel, IsWrittenInTheSurfacesFormatAtEveryDepth) {
  const uint32_t color = 0x00336699;  // red 0x99, green 0x66, blue 0x33
  struct Case {
    int bpp;
    std::vector<uint8_t> bytes;  // the pixel at (1, 1)
  } cases[] = {
      {8, {0}},                                    // nothing at 8 bits
      {16, {0x26, 0x9B}},                          // 10011 011001 00110
      {24, {0x33, 0x66, 0x99}},
      {32, {0x33, 0x66, 0x99, 0x00}},
  };
  for (const Case& c : cases) {
    const int bytesPerPixel = c.bpp == 8 ? 1 : c.bpp / 8;
    const int pitch = 3 * bytesPerPixel + 1;  // pitch need not be the row width
    std::vector<uint8_t> surface(static_cast<size_t>(pitch) * 3, 0xEE);
    PlotStarPixel(surface.data(), pitch, c.bpp, 1, 1, color);
    std::vector<uint8_t> got(surface.begin() + pitch + bytesPerPixel,
                             surface.begin() + pitch + bytesPerPixel + static_cast<long>(c.bytes.size()));
    const std::vector<uint8_t> expected = c.bpp == 8 ? std::vector<uint8_t>{0xEE} : c.bytes;
    EXPECT_EQ(got, expected) << c.bpp;
    EXPECT_EQ(std::count(surface.begin(), surface.end(), 0xEE),
              static_cast<long>(surface.size()) - (c.bpp == 8 ? 0 : static_cast<long>(c.bytes.size())))
        << c.bpp;
  }
}

}  // namespace
