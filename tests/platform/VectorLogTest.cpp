#include "platform/core/VectorLog.h"

#include <algorithm>
#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include <gtest/gtest.h>

namespace {

// Error of a result against the long double logarithm, in ulps at the
// exact value (the larger spacing where it lies just below a power of two).
double VectorLogTestUlps(double result, long double exact) {
  if (exact == 0.0L) {
    return result == 0.0 ? 0.0 : 1e300;
  }
  const double nearest = std::abs(double(exact));
  const double ulp = std::max(std::nextafter(nearest, INFINITY) - nearest, nearest - std::nextafter(nearest, 0.0));
  return double(std::abs((long double)result - exact) / ulp);
}

std::vector<double> VectorLogTestArguments() {
  std::vector<double> xs = {DBL_MIN, DBL_MAX, 1.0, 2.0, 0.5, 10.0, 100.0, 1000.0, 1e-20, 1e20,
                            0.70710678118654746, 0.70710678118654757, 1.4142135623730949, 1.4142135623730951,
                            std::nextafter(1.0, 0.0), std::nextafter(1.0, 2.0)};
  for (int e = -1021; e <= 1023; e += 7) {
    xs.push_back(std::ldexp(1.0, e));
    xs.push_back(std::ldexp(0.7071067811865476, e));
  }
  std::mt19937_64 random(50);
  for (int i = 0; i < 200000; ++i) {
    const double x = std::bit_cast<double>(random() & 0x7fefffffffffffffULL);
    if (x >= DBL_MIN) {
      xs.push_back(x);
    }
    xs.push_back(std::uniform_real_distribution<double>(0.5, 2.0)(random));
  }
  return xs;
}

TEST(VectorLog, naturalAndDecimalLogarithmsAreWithinTwoUlpsOverTheWholeDomain) {
  for (const double x : VectorLogTestArguments()) {
    ASSERT_LE(VectorLogTestUlps(VectorLog(x), std::log((long double)x)), 2.0) << x;
    ASSERT_LE(VectorLogTestUlps(VectorLog10(x), std::log10((long double)x)), 2.0) << x;
  }
}

TEST(VectorLog, logarithmOfAQuotientIsWithinTwoUlpsWithoutFormingIt) {
  std::mt19937_64 random(51);
  const std::vector<double> xs = VectorLogTestArguments();
  for (std::size_t i = 0; i < xs.size(); ++i) {
    const double num = xs[i];
    const double den = i % 2 == 0 ? xs[(i * 7919) % xs.size()] : num * (1.0 + 1e-9 * double(random() % 1000));
    if (!IsLogDomain(den)) {
      continue;
    }
    const long double quotient = (long double)num / (long double)den;
    // Near 1 the difference of two logarithms would lose the digits.
    const long double exact = quotient > 0.5L && quotient < 2.0L
                                  ? std::log1p(((long double)num - (long double)den) / (long double)den)
                                  : std::log((long double)num) - std::log((long double)den);
    ASSERT_LE(VectorLogTestUlps(VectorLogRatio(num, den), exact), 2.0) << num << " / " << den;
  }
  EXPECT_EQ(VectorLogRatio(3.0, 3.0), 0.0);
  EXPECT_NEAR(VectorLogRatio(DBL_MAX, DBL_MIN), std::log(DBL_MAX) - std::log(DBL_MIN), 1e-12);
}

TEST(VectorLog, productsKeptAsFactorAndPowerOfTwoTakeTheLogarithmOfTheWholeProduct) {
  const struct {
    double factor;
    int count;
  } cases[] = {{1e20, 40}, {1e-20, 40}, {3.0, 1000}, {0.999, 5}, {1.0, 1}};
  for (const auto& c : cases) {
    double product = 1.0;
    double exponent = 0.0;
    for (int i = 0; i < c.count; ++i) {
      product = SplitPowerOfTwo(product * c.factor, exponent);
      ASSERT_GE(product, 1.0);
      ASSERT_LT(product, 2.0);
    }
    const double exact = c.count * std::log(c.factor);
    EXPECT_NEAR(VectorLogScaled(product, exponent), exact, 1e-13 * std::max(1.0, std::abs(exact))) << c.factor;
  }
}

TEST(VectorLog, exactPowersOfTenAndOneGiveExactResults) {
  EXPECT_EQ(VectorLog(1.0), 0.0);
  EXPECT_EQ(VectorLog10(1.0), 0.0);
  for (int p = -22; p <= 22; ++p) {
    EXPECT_EQ(VectorLog10(std::pow(10.0, p)), double(p)) << p;
  }
}

TEST(VectorLog, domainIsThePositiveNormalFiniteNumbers) {
  const struct {
    double x;
    bool inDomain;
  } cases[] = {{DBL_MIN, true},          {DBL_MAX, true},     {1.0, true},
               {DBL_MIN / 2, false},     {0.0, false},        {-0.0, false},
               {-1.0, false},            {INFINITY, false},   {-INFINITY, false},
               {std::nan(""), false}};
  for (const auto& c : cases) {
    EXPECT_EQ(IsLogDomain(c.x), c.inDomain) << c.x;
  }
}

}  // namespace
