// Tests for MulDiv rounding and the 26-point pixel height at common resolutions.
#include "core/font_size.h"

#include <gtest/gtest.h>

#include <climits>

namespace hexcribe {
namespace {

struct MulDivCase {
  int number;
  int numerator;
  int denominator;
  int expected;
};

class MulDivTest : public ::testing::TestWithParam<MulDivCase> {};

TEST_P(MulDivTest, RoundsHalfAwayFromZero) {
  const MulDivCase& c = GetParam();
  EXPECT_EQ(MulDiv(c.number, c.numerator, c.denominator), c.expected)
      << c.number << " * " << c.numerator << " / " << c.denominator;
}

INSTANTIATE_TEST_SUITE_P(Cases, MulDivTest,
                         ::testing::Values(MulDivCase{5, 1, 2, 3}, MulDivCase{-5, 1, 2, -3}, MulDivCase{5, -1, 2, -3},
                                           MulDivCase{5, 1, -2, -3}, MulDivCase{-5, -1, -2, -3},
                                           MulDivCase{7, 1, 3, 2}, MulDivCase{8, 1, 3, 3}, MulDivCase{1, 1, 0, -1},
                                           // The 64-bit intermediate; results outside 32 bits fail.
                                           MulDivCase{INT_MAX, INT_MAX, INT_MAX, INT_MAX},
                                           MulDivCase{INT_MAX, 2, 1, -1}, MulDivCase{INT_MIN, 1, 1, -1}));

struct PixelCase {
  int dpi;
  int pixels;
};

class DisplayFontPixelsTest : public ::testing::TestWithParam<PixelCase> {};

TEST_P(DisplayFontPixelsTest, TwentySixPointsAt) {
  EXPECT_EQ(PointSizeToPixels(260, GetParam().dpi), GetParam().pixels) << GetParam().dpi << " dpi";
  EXPECT_EQ(PointSizeToPixels(260, GetParam().dpi), MulDiv(26, GetParam().dpi, 72));
}

// 96 dpi: 34.67 -> 35; 90 dpi: 32.5 -> 33 (a half rounds up, not to even).
INSTANTIATE_TEST_SUITE_P(Cases, DisplayFontPixelsTest,
                         ::testing::Values(PixelCase{72, 26}, PixelCase{90, 33}, PixelCase{96, 35}, PixelCase{100, 36},
                                           PixelCase{120, 43}, PixelCase{144, 52}, PixelCase{192, 69},
                                           PixelCase{0, 0}));

}  // namespace
}  // namespace hexcribe
