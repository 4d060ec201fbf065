#include "plot/base/iTimeUnits.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

struct Parts {
  std::int64_t days;
  std::int64_t h;
  std::int64_t m;
  std::int64_t s;
  std::int64_t ms;
};

Parts DecodeTimeParts(double x) {
  const double day = std::trunc(x + 1e-15);
  const std::int64_t days =
      std::isfinite(day) ? std::int64_t(std::clamp(day, -1e15, 1e15)) : std::numeric_limits<std::int32_t>::min();
  const double frac = std::isfinite(x) ? std::fabs(x - std::trunc(x)) : 0.0;
  const std::int64_t time = std::int64_t(std::nearbyint(frac * 86400000.0));
  return {days, time / 3600000, time / 60000 % 60, time / 1000 % 60, time % 1000};
}

int Limit(std::int64_t value, int overflow) {
  return (value < 0 || value > std::numeric_limits<std::int32_t>::max()) ? overflow : int(value);
}

constexpr int kOverflow = 2147483647;

}  // namespace

int DateTimeToMilliseconds(double x) {
  const Parts p = DecodeTimeParts(x);
  return Limit(p.days * 86400000 + p.h * 3600000 + p.m * 60000 + p.s * 1000 + p.ms, kOverflow);
}

int DateTimeToSeconds(double x) {
  const Parts p = DecodeTimeParts(x);
  return Limit(p.days * 86400 + p.h * 3600 + p.m * 60 + p.s, kOverflow);
}

int DateTimeToMinutes(double x) {
  const Parts p = DecodeTimeParts(x);
  return Limit(p.days * 1440 + p.h * 60 + p.m, 10000);
}

int DateTimeToHours(double x) {
  const Parts p = DecodeTimeParts(x);
  return Limit(p.days * 24 + p.h, kOverflow);
}
