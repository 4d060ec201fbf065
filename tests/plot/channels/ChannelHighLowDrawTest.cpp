#include <gtest/gtest.h>

#include <algorithm>

#include "platform/pictures/TBitmap.h"
#include "plot/channels/TiPlotChannel.h"
#include "tests/plot/SystemPlots.h"

namespace {

/// A 300 x 300 plot, X 0..10 and Y 0..100 fixed, with a full-feature
/// channel 0 drawing high-low points; pixels are read along the X axis (a)
/// and the Y axis (b), so reversed axes are read through the same names.
struct HighLowFixture {
  explicit HighLowFixture(bool reversed) : reversed(reversed) {
    plot.SetBounds(0, 0, 300, 300);
    FixedRangesWithoutDecorations(plot);
    plot.SetXYAxesReverse(reversed);
    plot.XAxis(0)->SetMinSpan(0, 10);
    plot.YAxis(0)->SetMinSpan(0, 100);
    TBitmap layout(300, 300);
    plot.iPaintTo(layout.Canvas());
    c.SetDataStyle(TiPlotDataStyle::ipdsFullFeature);
    c.SetTraceVisible(false);
    c.SetHighLowEnabled(true);
  }
  void Draw() {
    bitmap.Canvas().Brush().SetColor(clBlack);
    bitmap.Canvas().FillRect({0, 0, 300, 300});
    c.PrepareForDraw(bitmap.Canvas());
    c.Draw(bitmap.Canvas(), clBlack);
  }
  int a(double x) { return plot.XAxis(0)->PositionToPixels(x); }
  int b(double y) { return plot.YAxis(0)->PositionToPixels(y); }
  int xWidth(double w) { return plot.XAxis(0)->WidthToPixels(w); }
  int yWidth(double h) { return plot.YAxis(0)->WidthToPixels(h); }
  TColor At(int pa, int pb) { return reversed ? bitmap.Canvas().Pixel(pb, pa) : bitmap.Canvas().Pixel(pa, pb); }

  bool reversed;
  TiPlot plot;
  TiPlotChannel& c = *plot.Channel(0);
  TBitmap bitmap{300, 300};
};

}  // namespace

TEST(ChannelHighLowDraw, OpenClose_barBetweenHighAndLowWithTicksEitherSide) {
  for (bool reversed : {false, true}) {
    SCOPED_TRACE(reversed);
    HighLowFixture f(reversed);
    f.c.SetHighLowBarWidth(0.2);
    f.c.SetHighLowOpenWidth(1);
    f.c.SetHighLowCloseWidth(1);
    f.c.SetHighLowOpenHeight(6);
    f.c.SetHighLowCloseHeight(6);
    f.c.AddHighLow(5, 80, 20, 30, 60);
    f.Draw();
    const int cx = f.a(5);
    const int bw = f.xWidth(0.2);
    const int left = cx - bw / 2;
    const int right = cx + bw - bw / 2;
    const int m = (left + right) / 2;
    const int h = f.yWidth(6);
    ASSERT_GT(bw, 2);
    ASSERT_GT(h, 4);
    // The bar: High to Low, left to right (exclusive), over the ticks.
    EXPECT_EQ(f.At(left, f.b(50)), clAqua);
    EXPECT_EQ(f.At(right - 1, f.b(50)), clAqua);
    EXPECT_EQ(f.At(right, f.b(50)), clBlack);
    EXPECT_EQ(f.At(left - 1, f.b(50)), clBlack);
    const int lo = std::min(f.b(80), f.b(20));
    const int hi = std::max(f.b(80), f.b(20));
    EXPECT_EQ(f.At(cx, lo), clAqua);
    EXPECT_EQ(f.At(cx, lo - 1), clBlack);
    EXPECT_EQ(f.At(cx, hi - 1), clAqua);
    EXPECT_EQ(f.At(cx, hi), clBlack);
    EXPECT_EQ(f.At(cx, f.b(30)), clAqua);
    // The open tick left of the centre, the close tick right of it, each
    // spanning y - h div 2 .. y + h - h div 2 - 1 (exclusive).
    const int o = f.xWidth(1);
    const int yo = f.b(30);
    const int yc = f.b(60);
    EXPECT_EQ(f.At(m - o + 1, yo), clLime);
    EXPECT_EQ(f.At(m - o, yo), clBlack);
    EXPECT_EQ(f.At(m - 5, yo - h / 2), clLime);
    EXPECT_EQ(f.At(m - 5, yo - h / 2 - 1), clBlack);
    EXPECT_EQ(f.At(m - 5, yo + h - h / 2 - 2), clLime);
    EXPECT_EQ(f.At(m - 5, yo + h - h / 2 - 1), clBlack);
    EXPECT_EQ(f.At(m + 5, yo), clBlack);
    EXPECT_EQ(f.At(m + o - 2, yc), clRed);
    EXPECT_EQ(f.At(m + o - 1, yc), clBlack);
    EXPECT_EQ(f.At(m - 5, yc), clBlack);
  }
}

TEST(ChannelHighLowDraw, CandleStick_bodyColouredByDirectionOverAWick) {
  for (bool reversed : {false, true}) {
    SCOPED_TRACE(reversed);
    HighLowFixture f(reversed);
    f.c.SetHighLowStyle(TiPlotHighLowStyle::iphlsCandleStick);
    f.c.SetHighLowBarWidth(1);
    f.c.SetHighLowBullishColor(clYellow);
    f.c.SetHighLowBearishColor(clFuchsia);
    f.c.AddHighLow(3, 90, 10, 30, 60);  // bullish: it closed higher
    f.c.AddHighLow(7, 90, 10, 60, 30);  // bearish
    f.Draw();
    const int w = f.xWidth(1);
    for (double x : {3.0, 7.0}) {
      const int cx = f.a(x);
      const TColor body = x == 3 ? clYellow : clFuchsia;
      EXPECT_EQ(f.At(cx, f.b(45)), body) << x;
      EXPECT_EQ(f.At(cx - w / 2 + 1, f.b(45)), body) << x;
      // Outlined in the shadow colour from cx - w div 2 to cx + w div 2.
      EXPECT_EQ(f.At(cx - w / 2, f.b(45)), clGray) << x;
      EXPECT_EQ(f.At(cx + w / 2, f.b(45)), clGray) << x;
      EXPECT_EQ(f.At(cx + w / 2 + 1, f.b(45)), clBlack) << x;
      EXPECT_EQ(f.At(cx - w / 2 - 1, f.b(45)), clBlack) << x;
      EXPECT_EQ(f.At(cx, std::min(f.b(60), f.b(30))), clGray) << x;
      EXPECT_EQ(f.At(cx, std::max(f.b(60), f.b(30)) - 1), clGray) << x;
      // The wick above and below the body.
      EXPECT_EQ(f.At(cx, f.b(75)), clGray) << x;
      EXPECT_EQ(f.At(cx, f.b(20)), clGray) << x;
      EXPECT_EQ(f.At(cx + 1, f.b(75)), clBlack) << x;
      EXPECT_EQ(f.At(cx, f.b(95)), clBlack) << x;
    }
  }
}

TEST(ChannelHighLowDraw, Disabled_orStandardListDrawsNoBars) {
  HighLowFixture f(false);
  f.c.AddHighLow(5, 80, 20, 30, 60);
  f.c.SetHighLowEnabled(false);
  f.Draw();
  EXPECT_EQ(f.At(f.a(5), f.b(50)), clBlack);
  // A standard list keeps no high-low values: everything sits at 0.
  f.c.SetDataStyle(TiPlotDataStyle::ipdsStandard);
  f.c.SetHighLowEnabled(true);
  f.c.AddHighLow(5, 80, 20, 30, 60);
  f.Draw();
  EXPECT_EQ(f.At(f.a(5), f.b(50)), clBlack);
}
