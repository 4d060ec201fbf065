#pragma once

#include <bit>
#include <cfloat>
#include <cstdint>

// Logarithms written as plain arithmetic and integer bit operations, so the
// loops that call them over arrays vectorise (the library's log and log10 are
// calls the compiler cannot widen). The caller checks once per batch that
// every argument is a positive normal finite number (see IsLogDomain) and
// takes the library functions for anything else. Accurate to about one ulp,
// the method of fdlibm's log: x = 2^k m with m in [sqrt(2)/2, sqrt(2)), and
// log m = 2 atanh(f / (2 + f)), f = m - 1, by a minimax polynomial. The bodies
// stay in the header so they inline into those loops. Any thread.

namespace vector_log_detail {

/// The exponent k as a double and log(m), for a positive normal finite x.
struct Split {
  double k;
  double logMantissa;
};

/// (2 atanh(s) - 2s) / s for |s| <= 3 - 2 sqrt(2), by fdlibm's polynomial.
[[gnu::always_inline]] inline double AtanhRemainder(double s) {
  constexpr double kLg1 = 6.666666666666735130e-01;
  constexpr double kLg2 = 3.999999999940941908e-01;
  constexpr double kLg3 = 2.857142874366239149e-01;
  constexpr double kLg4 = 2.222219843214978396e-01;
  constexpr double kLg5 = 1.818357216161805012e-01;
  constexpr double kLg6 = 1.531383769920937332e-01;
  constexpr double kLg7 = 1.479819860511658591e-01;
  const double z = s * s;
  const double w = z * z;
  const double odd = w * (kLg2 + w * (kLg4 + w * kLg6));
  const double even = z * (kLg1 + w * (kLg3 + w * (kLg5 + w * kLg7)));
  return even + odd;
}

/// The biased exponent field of x (0 .. 2047) as a double, without an
/// integer conversion: the field as the low bits of 2^52.
[[gnu::always_inline]] inline double ExponentField(std::uint64_t bits) {
  return std::bit_cast<double>((bits >> 52) | 0x4330000000000000ULL) - 4503599627370496.0;
}

[[gnu::always_inline]] inline Split SplitLog(double x) {
  constexpr std::uint64_t kSqrtHalfBits = 0x3fe6a09e667f3bcdULL;
  constexpr std::uint64_t kBias = 0x400ULL << 52;
  const std::uint64_t bits = std::bit_cast<std::uint64_t>(x);
  // Biased so the shift is a logical one (k + 0x400 >= 0 for every normal x).
  const std::uint64_t shifted = bits - kSqrtHalfBits + kBias;
  const std::uint64_t biasedK = shifted >> 52;
  const double m = std::bit_cast<double>(bits - (biasedK << 52) + kBias);
  const double k = ExponentField(shifted) - 1024.0;

  const double f = m - 1.0;
  const double halfSquare = 0.5 * f * f;
  const double s = f / (2.0 + f);
  const double r = AtanhRemainder(s);
  return {k, f - (halfSquare - s * (halfSquare + r))};
}

constexpr double kLn2Hi = 6.93147180369123816490e-01;
constexpr double kLn2Lo = 1.90821492927058770002e-10;

}  // namespace vector_log_detail

/// True where VectorLog and VectorLog10 are defined: x positive, normal and
/// finite (false for NaN).
[[gnu::always_inline]] inline bool IsLogDomain(double x) {
  return (x >= DBL_MIN) & (x <= DBL_MAX);
}

/// Natural logarithm of x where IsLogDomain(x).
[[gnu::always_inline]] inline double VectorLog(double x) {
  using namespace vector_log_detail;
  const Split p = SplitLog(x);
  return p.k * kLn2Hi + (p.logMantissa + p.k * kLn2Lo);
}

/// Splits x, where IsLogDomain(x), into a factor in [1, 2) (returned) and
/// its power of two (added to exponent): long products kept this way never
/// overflow, and take one logarithm at the end (VectorLogScaled).
[[gnu::always_inline]] inline double SplitPowerOfTwo(double x, double& exponent) {
  using namespace vector_log_detail;
  const std::uint64_t bits = std::bit_cast<std::uint64_t>(x);
  exponent += ExponentField(bits) - 1023.0;
  return std::bit_cast<double>((bits & 0x000fffffffffffffULL) | 0x3ff0000000000000ULL);
}

/// log(x) + exponent ln 2 where IsLogDomain(x) and exponent is a whole
/// number below 2^20 in magnitude.
[[gnu::always_inline]] inline double VectorLogScaled(double x, double exponent) {
  using namespace vector_log_detail;
  const Split p = SplitLog(x);
  const double k = p.k + exponent;
  return k * kLn2Hi + (p.logMantissa + k * kLn2Lo);
}

/// Natural logarithm of num / den where IsLogDomain(num) and IsLogDomain(den),
/// without forming the quotient (which may overflow or underflow): with
/// num = 2^a n and den = 2^b d, n and d scaled by 2 so that n / d lies in
/// [sqrt(2)/2, sqrt(2)), log(n / d) = 2 atanh((n - d) / (n + d)), where
/// n - d is exact. One division instead of two.
[[gnu::always_inline]] inline double VectorLogRatio(double num, double den) {
  using namespace vector_log_detail;
  constexpr std::uint64_t kMantissa = 0x000fffffffffffffULL;
  constexpr std::uint64_t kOne = 0x3ff0000000000000ULL;
  const std::uint64_t numBits = std::bit_cast<std::uint64_t>(num);
  const std::uint64_t denBits = std::bit_cast<std::uint64_t>(den);
  const std::uint64_t nBits = (numBits & kMantissa) | kOne;
  const std::uint64_t dBits = (denBits & kMantissa) | kOne;
  const double n0 = std::bit_cast<double>(nBits);
  const double d0 = std::bit_cast<double>(dBits);
  // Doubled by one in the exponent field: integer operations, as conditional
  // floating-point arithmetic would keep the loop scalar. The one is
  // selected as the bits of DBL_MIN, a select every vector unit has.
  const std::uint64_t up = std::bit_cast<std::uint64_t>(n0 < 0.70710678118654752 * d0 ? DBL_MIN : 0.0);
  const std::uint64_t down = std::bit_cast<std::uint64_t>(n0 >= 1.41421356237309505 * d0 ? DBL_MIN : 0.0);
  const double n = std::bit_cast<double>(nBits + up);
  const double d = std::bit_cast<double>(dBits + down);
  const double k = ExponentField(numBits + down) - ExponentField(denBits + up);
  const double s = (n - d) / (n + d);
  return k * kLn2Hi + (s + s + (s * AtanhRemainder(s) + k * kLn2Lo));
}

/// Decimal logarithm of x where IsLogDomain(x).
[[gnu::always_inline]] inline double VectorLog10(double x) {
  constexpr double kLog10Of2Hi = 3.01029995663611771306e-01;
  constexpr double kLog10Of2Lo = 3.69423907715893078616e-13;
  constexpr double kInvLn10 = 4.34294481903251816668e-01;
  using namespace vector_log_detail;
  const Split p = SplitLog(x);
  return p.k * kLog10Of2Hi + (p.logMantissa * kInvLn10 + p.k * kLog10Of2Lo);
}
