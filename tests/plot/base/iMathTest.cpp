#include "plot/base/iMath.h"

#include <gtest/gtest.h>

#include "plot/base/EPlotError.h"

namespace {

const std::vector<double> kXs{0, 0, 1, 2};
const std::vector<double> kYs{0, 0, 1, 0};

}  // namespace

TEST(iMath, Spline_usesEndSegmentSlopesNotNaturalEnds) {
  std::vector<double> y2;
  Spline(kXs, kYs, 3, 0, 0, y2);
  EXPECT_NEAR(y2[1], 2, 1e-12);
  EXPECT_NEAR(y2[2], -4, 1e-12);
  EXPECT_NEAR(y2[3], 2, 1e-12);
  EXPECT_NEAR(Splint(kXs, kYs, y2, 3, 0.5), 0.625, 1e-12);
  EXPECT_NEAR(Splint(kXs, kYs, y2, 3, 1.5), 0.625, 1e-12);
}

TEST(iMath, Spline_twoPointsIsStraightLine) {
  std::vector<double> y2;
  Spline({0, 0, 4}, {0, 1, 3}, 2, 0, 0, y2);
  EXPECT_NEAR(y2[1], 0, 1e-12);
  EXPECT_NEAR(y2[2], 0, 1e-12);
}

TEST(iMath, Splint_equalBracketRaises) {
  const std::vector<double> xs{0, 1, 1};
  try {
    Splint(xs, {0, 0, 1}, {0, 0, 0}, 2, 1);
    FAIL();
  } catch (const EPlotError& e) {
    EXPECT_EQ(e.Message(), "Splint Error - xa's must be distinct");
  }
}

TEST(iMath, PolIntAndRatInt_interpolate) {
  double dy = 0;
  EXPECT_NEAR(PolInt(kXs, kYs, 3, 0.5, dy), 0.75, 1e-12);
  EXPECT_EQ(RatInt(kXs, kYs, 3, 1.0, dy), 1.0);
  EXPECT_EQ(dy, 0.0);
}

TEST(iMath, LineFromPoints_verticalLineHasHugeSlope) {
  double slope = 0;
  double intercept = 0;
  LineFromPoints({3, 1}, {3, 9}, slope, intercept);
  EXPECT_EQ(slope, 1e30);
  EXPECT_EQ(intercept, 1 - 3 * 1e30);
}

TEST(iMath, SegmentTests_compareXOnly) {
  EXPECT_TRUE(SegmentsIntersect({0, 5}, {100, 5}, {50, 20}, {50, 30}));
  EXPECT_FALSE(SegmentsIntersect({0, 0}, {10, 0}, {0, 5}, {10, 5}));
  EXPECT_TRUE(SegmentIntersectsRect({12, 12}, {14, 14}, {10, 10, 20, 20}));
  EXPECT_FALSE(SegmentIntersectsRect({30, 30}, {40, 31}, {10, 10, 20, 20}));
}
