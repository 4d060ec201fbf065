#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dsp/SgSmooth.h"
#include "tests/dsp/CsvFixture.h"

namespace {

std::string CapturedStderrOf(const std::function<void()>& call) {
  testing::internal::CaptureStderr();
  call();
  return testing::internal::GetCapturedStderr();
}

}  // namespace

TEST(SgSmooth, equalsScipySavgolFilterInInterpMode) {
  const CsvFixture expected("savgol.csv");
  const float_vect input = expected.Column("input");
  struct Case {
    int w, d;
  };
  for (const Case c : {Case{1, 1}, Case{2, 1}, Case{4, 1}, Case{3, 2}, Case{5, 3}, Case{6, 2}}) {
    const std::string column = "w" + std::to_string(c.w) + "d" + std::to_string(c.d);
    const float_vect out = sgsmooth(input, c.w, c.d);
    ASSERT_EQ(out.size(), input.size());
    for (std::size_t i = 0; i < out.size(); ++i) {
      EXPECT_NEAR(out[i], expected(i, column), 1e-12 * std::max(1.0, std::abs(expected(i, column))))
          << column << " point " << i;
    }
  }
}

TEST(SgSmooth, keepsConstantsAndLinesAndAveragesAtDegreeZero) {
  for (const int d : {0, 1, 2}) {
    const float_vect out = sgsmooth(float_vect(20, 2.5), 3, d);
    for (const double v : out) {
      EXPECT_NEAR(v, 2.5, 1e-12) << "degree " << d;
    }
  }
  float_vect line(30);
  for (int i = 0; i < 30; ++i) {
    line[i] = 0.75 * i - 4.0;
  }
  const float_vect smoothedLine = sgsmooth(line, 5, 1);
  for (int i = 0; i < 30; ++i) {
    EXPECT_NEAR(smoothedLine[i], line[i], 1e-11);
  }
  EXPECT_EQ(sgsmooth({3, 6, 9, 12}, 1, 0), (float_vect{3, 6, 9, 12}));
}

TEST(SgSmooth, interiorWeightsOfDegreeOneAreTheMovingAverage) {
  float_vect impulse(11, 0.0);
  impulse[5] = 1.0;
  const float_vect out = sgsmooth(impulse, 2, 1);
  for (int i = 3; i <= 7; ++i) {
    EXPECT_NEAR(out[i], 0.2, 1e-14);
  }
}

TEST(SgSmooth, parameterErrorWritesOneLineAndGivesZeros) {
  const float_vect four{1, 2, 3, 4};
  struct Case {
    float_vect v;
    int w, d;
  };
  const Case cases[] = {{four, 0, 1}, {four, 2, 1}, {float_vect(20, 1.0), 2, -1}, {float_vect(20, 1.0), 2, 5}};
  for (const Case& c : cases) {
    float_vect out;
    EXPECT_EQ(CapturedStderrOf([&] { out = sgsmooth(c.v, c.w, c.d); }), "sgsmooth: parameter error.\n");
    EXPECT_EQ(out, float_vect(c.v.size(), 0.0));
  }
}

TEST(SgSmoothArray, smoothsInPlaceAndLeavesTheArrayOnAParameterError) {
  double values[] = {1.0, 5.0, 1.0, 5.0, 1.0, 5.0};
  SgSmoothArray(6, values, 1, 1);
  EXPECT_NEAR(values[2], 11.0 / 3.0, 1e-12);

  double untouched[] = {1.0, 2.0, 3.0, 4.0};
  EXPECT_EQ(CapturedStderrOf([&] { SgSmoothArray(4, untouched, 2, 1); }), "sgsmooth: parameter error.\n");
  EXPECT_EQ(untouched[0], 1.0);
  EXPECT_EQ(untouched[3], 4.0);
}

TEST(FloatMat, reportsUnbuildableAndIncompatibleMatrices) {
  float_mat empty;
  EXPECT_EQ(CapturedStderrOf([&] { empty = float_mat(0, 3, 1.0); }),
            "cannot build matrix with 0 rows and 3 columns\n");
  EXPECT_EQ(empty.nr_rows(), 0u);

  const float_mat a(2, 3, 1.0);
  const float_mat b(2, 4, 1.0);
  float_mat product;
  EXPECT_EQ(CapturedStderrOf([&] { product = a * b; }), "incompatible matrices in multiplication\n");
  ASSERT_EQ(product.nr_rows(), 2u);
  ASSERT_EQ(product.nr_cols(), 4u);
  EXPECT_EQ(product[1][3], 0.0);
}

TEST(FloatMat, luFactorizeRefusesNonSquareAndZeroRows) {
  int_vect idx;
  float_mat wide(2, 3, 1.0);
  EXPECT_EQ(CapturedStderrOf([&] { EXPECT_FALSE(lu_factorize(wide, idx, 0.0)); }),
            "lu_factorize(): cannot handle empty or nonsquare matrices.\n");
  float_mat zeroRow(3, 3, 1.0);
  zeroRow[1] = {0.0, 0.0, 0.0};
  EXPECT_EQ(CapturedStderrOf([&] { EXPECT_FALSE(lu_factorize(zeroRow, idx, -1.0)); }),
            "lu_factorize(): zero pivot found.\n");
}

TEST(FloatMat, invertNeedsPivotingAndUndoesTheMatrix) {
  float_mat a(3, 3, 0.0);
  a[0] = {0.0, 2.0, 1.0};
  a[1] = {1.0, 1e-3, 4.0};
  a[2] = {3.0, 1.0, 0.0};
  const float_mat product = invert(a) * a;
  for (std::size_t i = 0; i < 3; ++i) {
    for (std::size_t j = 0; j < 3; ++j) {
      EXPECT_NEAR(product[i][j], i == j ? 1.0 : 0.0, 1e-14);
    }
  }
  const float_mat t = transpose(float_mat(float_vect{1.0, 2.0}));
  ASSERT_EQ(t.nr_rows(), 1u);
  EXPECT_EQ(t[0], (float_vect{1.0, 2.0}));
}
