#include "components/gkspts/fixed16.h"

#include <gtest/gtest.h>

#include <climits>
#include <stdexcept>

namespace {

TEST(Fixed16, ConstructionFromWholeNumbersKeepsSixteenBits) {
  EXPECT_EQ(Fixed16(1).raw(), 65536);
  EXPECT_EQ(Fixed16(-4).raw(), -262144);
  EXPECT_EQ(Fixed16(int16_t{-1}).whole(), -1);
  EXPECT_EQ(Fixed16(70000).whole(), 70000 - 65536);  // the whole part is 16 bits
  EXPECT_EQ(Fixed16(32768).whole(), -32768);
}

TEST(Fixed16, ConstructionFromDoublesRoundsToNearestTiesToEven) {
  struct Case {
    double value;
    int32_t raw;
  } cases[] = {
      {0.3, 19661},  {0.2, 13107},   {5.0, 327680},      {-2.5, -163840},
      {0.5 / 65536, 0},           // tie goes to the even 0
      {1.5 / 65536, 2},           // tie goes to the even 2
      {-1.5 / 65536, -2},
      {32768.0, INT32_MIN},       // wraps like a 32-bit register
      {1e300, 0},                 // far out of range still wraps without fault
  };
  for (const Case& c : cases) EXPECT_EQ(Fixed16(c.value).raw(), c.raw) << c.value;
  EXPECT_DOUBLE_EQ(Fixed16(-2.25).toDouble(), -2.25);
}

TEST(Fixed16, RoundAddsOneFromHalfAFractionUp) {
  struct Case {
    double value;
    int whole, rounded;
  } cases[] = {
      {3.5, 3, 4},   {-3.5, -4, -3}, {3.49998, 3, 3}, {-3.49998, -4, -3},
      {-3.50002, -4, -4}, {0.0, 0, 0}, {100.75, 100, 101}, {32767.5, 32767, 32768},
  };
  for (const Case& c : cases) {
    const Fixed16 f(c.value);
    EXPECT_EQ(f.whole(), c.whole) << c.value;
    EXPECT_EQ(f.round(), c.rounded) << c.value;
  }
}

TEST(Fixed16, ArithmeticWrapsInsteadOfOverflowing) {
  const Fixed16 max = Fixed16::fromRaw(INT32_MAX), min = Fixed16::fromRaw(INT32_MIN);
  EXPECT_EQ((max + Fixed16::fromRaw(1)).raw(), INT32_MIN);
  EXPECT_EQ((min - Fixed16::fromRaw(1)).raw(), INT32_MAX);
  EXPECT_EQ((-min).raw(), INT32_MIN);
  EXPECT_EQ((max * 2).raw(), -2);
  Fixed16 y = Fixed16(32767);
  y += 1;
  EXPECT_EQ(y.whole(), -32768);  // a screen coordinate wraps in 16 bits
}

TEST(Fixed16, ProductsAndQuotients) {
  EXPECT_EQ(Fixed16(1.5) * Fixed16(2.5), Fixed16(3.75));
  EXPECT_EQ(Fixed16(-1.5) * 0.5, Fixed16(-0.75));  // a Double takes the 16.16 product
  EXPECT_EQ(Fixed16(0.25) * 70000, Fixed16(17500));  // a whole count keeps its range
  EXPECT_EQ(Fixed16(3.75) / Fixed16(2.5), Fixed16(1.5));
  EXPECT_EQ(Fixed16(-7) / 2, Fixed16(-3.5));
  EXPECT_EQ((Fixed16::fromRaw(INT32_MIN) / -1).raw(), INT32_MIN);
  EXPECT_THROW(Fixed16(1) / Fixed16(), std::domain_error);
  EXPECT_THROW(Fixed16(1) / 0, std::domain_error);
}

TEST(Fixed16, ComparesByValueAndMixesWithNumbers) {
  EXPECT_LT(Fixed16(-0.5), Fixed16(0));
  EXPECT_GT(Fixed16(0.3), 0);
  EXPECT_EQ(Fixed16(2) + 0.5, Fixed16(2.5));
  EXPECT_EQ(Fixed16::fromRaw(92682).raw(), 92682);
}

}  // namespace
