#include "plot/base/iRounding.h"

#include <cmath>
#include <limits>

namespace {

int ClampToInt(double value) {
  if (std::isnan(value)) {
    return 0;
  }
  if (value >= double(std::numeric_limits<int>::max())) {
    return std::numeric_limits<int>::max();
  }
  if (value <= double(std::numeric_limits<int>::min())) {
    return std::numeric_limits<int>::min();
  }
  return int(value);
}

}  // namespace

int RoundSafe(double value) { return ClampToInt(std::nearbyint(value)); }

int TruncSafe(double value) { return ClampToInt(std::trunc(value)); }
