// Point sizes to pixel heights with the rounding of the Windows MulDiv function.
#pragma once

#include <cstdint>

namespace hexcribe {

// number * numerator / denominator with a 64-bit intermediate, rounded half
// away from zero; -1 when the denominator is 0 or the result does not fit.
constexpr int MulDiv(int number, int numerator, int denominator) {
  if (denominator == 0) return -1;
  std::int64_t product = static_cast<std::int64_t>(number) * numerator;
  std::int64_t divisor = denominator;
  if (divisor < 0) {
    divisor = -divisor;
    product = -product;
  }
  const std::int64_t half = divisor / 2;
  const std::int64_t result = product < 0 ? (product - half) / divisor : (product + half) / divisor;
  if (result > 2147483647 || result < -2147483647) return -1;
  return static_cast<int>(result);
}

// The character height in pixels of a font of tenthsOfPoint / 10 points on a
// device of logicalDpi dots per inch: 26.0 points at 96 dpi is 35 pixels.
constexpr int PointSizeToPixels(int tenthsOfPoint, int logicalDpi) { return MulDiv(tenthsOfPoint, logicalDpi, 720); }

}  // namespace hexcribe
