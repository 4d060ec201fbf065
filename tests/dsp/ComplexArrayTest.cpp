#include <algorithm>
#include <cmath>
#include <complex>
#include <vector>

#include <gtest/gtest.h>

#include "dsp/ComplexArray.h"
#include "tests/dsp/CsvFixture.h"

TEST(Rotate, equalsNumpyRollForBothArrayKinds) {
  const CsvFixture rolled("roll.csv");
  for (std::size_t r = 0; r < rolled.Rows();) {
    const int n = int(rolled(r, "n"));
    const int k = int(rolled(r, "k"));
    std::vector<double> real(n);
    std::vector<std::complex<double>> complex(n);
    for (int i = 0; i < n; ++i) {
      real[i] = i;
      complex[i] = {double(i), -double(i)};
    }
    RotateReal(real.data(), k, n);
    RotateComplex(complex.data(), k, n);
    for (int i = 0; i < n; ++i, ++r) {
      EXPECT_EQ(real[i], rolled(r, "value")) << "n " << n << " k " << k << " index " << i;
      EXPECT_EQ(complex[i], std::complex<double>(rolled(r, "value"), -rolled(r, "value")));
    }
  }
}

TEST(IndexOfMax, picksLaterIndexOfLargestNonNegativeValue) {
  struct Case {
    std::vector<double> values;
    int expected;
  };
  const Case cases[] = {
      {{-1.0, -2.0}, 0}, {{0.5, 2.0, 2.0}, 2}, {{0.0, 0.0, 0.0}, 2}, {{}, 0}, {{-3.0, 0.0, -1.0}, 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IndexOfMax(c.values.data(), int(c.values.size())), c.expected);
  }
}

TEST(ComplexHelpers, addAndMeasure) {
  EXPECT_EQ(ComplexMagnitude(3.0, -4.0), 5.0);
  EXPECT_EQ(ComplexAdd({1.0, 2.0}, {0.5, -3.0}), std::complex<double>(1.5, -1.0));
}

TEST(InterpolateOntoGrid, equalsNumpyInterpExceptAtLastDataPoint) {
  const CsvFixture data("interp_data.csv");
  const CsvFixture grid("interp_grid.csv");
  const std::vector<double> x = data.Column("x");
  const std::vector<double> y = data.Column("y");
  const std::vector<double> g = grid.Column("x");
  std::vector<double> out(g.size());
  InterpolateOntoGrid(int(g.size()), int(x.size()), g.data(), x.data(), y.data(), -100.0, 100.0, out.data());
  for (std::size_t i = 0; i < g.size(); ++i) {
    const double expected = g[i] == x.back() ? 100.0 : grid(i, "expected");
    EXPECT_NEAR(out[i], expected, 1e-12 * std::max(1.0, std::abs(expected))) << "x " << g[i];
  }
}

TEST(InterpolateOntoGrid, fillsOutsideTheDataAndHandlesSinglePoint) {
  const double x[] = {0.0, 10.0};
  const double y[] = {0.0, 100.0};
  const double grid[] = {-1.0, 5.5, 10.0, 11.0};
  double out[4];
  InterpolateOntoGrid(4, 2, grid, x, y, -7.0, 7.0, out);
  EXPECT_EQ(out[0], -7.0);
  EXPECT_DOUBLE_EQ(out[1], 55.0);
  EXPECT_EQ(out[2], 7.0);
  EXPECT_EQ(out[3], 7.0);

  InterpolateOntoGrid(4, 1, grid, x, y, -7.0, 7.0, out);
  EXPECT_EQ(out[0], -7.0);
  EXPECT_EQ(out[1], 7.0);
}

TEST(IsSignedNumber, acceptsSignDigitsAndPointsOnly) {
  struct Case {
    const char* text;
    bool expected;
  };
  const Case cases[] = {{"-12.5", true}, {"+3", true}, {"", true},     {"-", true},   {".", true},
                        {"1.2.3", true}, {"1e3", false}, {" 1", false}, {"--1", false}, {"1-", false}};
  for (const Case& c : cases) {
    EXPECT_EQ(IsSignedNumber(c.text), c.expected) << '"' << c.text << '"';
  }
}
