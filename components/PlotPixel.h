#pragma once

#include <cmath>

/// Turns a real plot coordinate into a pixel: truncation toward zero,
/// saturated to +-2^24 so that huge values, infinities and NaN (which maps
/// to 0) stay well inside int arithmetic. Every real-to-pixel conversion of
/// the response plots goes through it.
inline int PixelTrunc(double value) {
  constexpr double kLimit = 16777216.0;
  if (std::isnan(value)) {
    return 0;
  }
  if (value >= kLimit) {
    return int(kLimit);
  }
  if (value <= -kLimit) {
    return -int(kLimit);
  }
  return int(value);
}
