#include "platform/core/Rounding.h"

#include <cmath>
#include <cstdlib>

std::int64_t Round64(double value) {
  const double floor = std::floor(value);
  const double diff = value - floor;
  std::int64_t result = std::int64_t(floor);
  if (diff > 0.5 || (diff == 0.5 && (result & 1) != 0)) {
    ++result;
  }
  return result;
}

int Round(double value) { return int(Round64(value)); }

int Trunc(double value) { return int(std::trunc(value)); }

int MulDiv(int a, int b, int c) {
  if (c == 0) {
    return -1;
  }
  const std::int64_t product = std::int64_t(a) * b;
  const bool negative = (product < 0) != (c < 0);
  const std::int64_t magnitude = (std::llabs(product) + std::llabs(c) / 2) / std::llabs(c);
  return int(negative ? -magnitude : magnitude);
}
