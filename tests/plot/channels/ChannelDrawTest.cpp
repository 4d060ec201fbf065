#include <gtest/gtest.h>

#include "platform/pictures/TBitmap.h"
#include "plot/channels/TiPlotChannel.h"
#include "plot/channels/TiXYPlotChannel.h"
#include "tests/plot/SystemPlots.h"

namespace {

/// A 300 x 200 plot with fixed axes X 2..8 and Y 0..10 and a white
/// channel 0, laid out once; channels then draw on a fresh black bitmap.
template <typename Plot>
struct DrawFixture {
  DrawFixture(double xMin = 2, double xSpan = 6, double yMin = 0, double ySpan = 10) {
    plot.SetBounds(0, 0, 300, 200);
    FixedRangesWithoutDecorations(plot);
    plot.XAxis(0)->SetMinSpan(xMin, xSpan);
    plot.YAxis(0)->SetMinSpan(yMin, ySpan);
    plot.Channel(0)->SetColor(clWhite);
    TBitmap layout(300, 200);
    plot.iPaintTo(layout.Canvas());
    bitmap.Canvas().Brush().SetColor(clBlack);
    bitmap.Canvas().FillRect({0, 0, 300, 200});
    canvas().Pen().SetColor(clWhite);
  }
  TCanvas& canvas() { return bitmap.Canvas(); }
  int px(double x) { return plot.XAxis(0)->PositionToPixels(x); }
  int py(double y) { return plot.YAxis(0)->PositionToPixels(y); }
  bool White(int x, int y) { return canvas().Pixel(x, y) == clWhite; }
  int WhiteCount() {
    int n = 0;
    for (int y = 0; y < 200; ++y) {
      for (int x = 0; x < 300; ++x) {
        n += White(x, y) ? 1 : 0;
      }
    }
    return n;
  }
  Plot plot;
  TBitmap bitmap{300, 200};
};

}  // namespace

TEST(ChannelDraw, DrawLine_clipsToTheXRangeAlways) {
  DrawFixture<TiXYPlot> f;
  TiXYPlotChannel& c = *f.plot.Channel(0);
  c.DrawLine(f.canvas(), false, 0, 5, 10, 5);
  const int y = f.py(5);
  EXPECT_TRUE(f.White(f.px(2), y));
  // GDI lines leave out their last pixel.
  EXPECT_TRUE(f.White(f.px(8) - 1, y));
  EXPECT_FALSE(f.White(f.px(2) - 1, y));
  EXPECT_FALSE(f.White(f.px(8) + 1, y));
  DrawFixture<TiXYPlot> g;
  g.plot.Channel(0)->DrawLine(g.canvas(), false, -5, 5, 1, 5);
  EXPECT_EQ(g.WhiteCount(), 0);
}

TEST(ChannelDraw, DrawLine_clipsYOnlyWithClipToAxes) {
  for (bool clip : {true, false}) {
    DrawFixture<TiXYPlot> f(0, 10, 0, 5);
    TiXYPlotChannel& c = *f.plot.Channel(0);
    c.SetClipToAxes(clip);
    f.canvas().Pen().SetColor(clWhite);
    c.DrawLine(f.canvas(), false, 0, -10, 10, 10);
    int below = 0;
    for (int y = f.py(0) + 2; y < 200; ++y) {
      for (int x = 0; x < 300; ++x) {
        below += f.White(x, y) ? 1 : 0;
      }
    }
    EXPECT_EQ(below > 0, !clip) << clip;
    EXPECT_GT(f.WhiteCount(), 10);
  }
}

TEST(ChannelDraw, FastTrace_reducesAPixelColumnToOneStroke) {
  DrawFixture<TiPlot> f(0, 1000, 0, 100);
  TiPlotChannel& c = *f.plot.Channel(0);
  for (int i = 0; i < 100; ++i) {
    c.AddXY(500 + i * 1e-6, i);
  }
  c.PrepareForDraw(f.canvas());
  c.DrawTrace(f.canvas(), clBlack);
  const int x = f.px(500);
  // One stroke between the lowest and the highest value (its last pixel
  // left out).
  EXPECT_TRUE(f.White(x, f.py(98)));
  EXPECT_TRUE(f.White(x, f.py(50)));
  EXPECT_TRUE(f.White(x, f.py(1)));
  EXPECT_EQ(f.WhiteCount(), f.py(0) - f.py(99));
}

TEST(ChannelDraw, FastTrace_joinsColumnsAtTheirFirstAndLastValues_acrossMappingChunks) {
  DrawFixture<TiPlot> f(0, 1000, 0, 100);
  TiPlotChannel& c = *f.plot.Channel(0);
  c.AddXY(400, 50);
  // 600 points on one pixel column, more than the trace maps at once:
  // first 50, then up to 90, down to 10 and back to 30.
  for (int i = 0; i < 600; ++i) {
    c.AddXY(500 + i * 1e-6, i == 0 ? 50 : (i < 200 ? 90 : (i < 500 ? 10 : 30)));
  }
  c.AddXY(600, 30);
  c.PrepareForDraw(f.canvas());
  c.DrawTrace(f.canvas(), clBlack);
  EXPECT_TRUE(f.White(f.px(450), f.py(50)));
  EXPECT_TRUE(f.White(f.px(500), f.py(89)));
  EXPECT_TRUE(f.White(f.px(500), f.py(11)));
  EXPECT_TRUE(f.White(f.px(550), f.py(30)));
}

TEST(ChannelDraw, FastTrace_leavesAGapAtANullPoint) {
  DrawFixture<TiPlot> f;
  TiPlotChannel& c = *f.plot.Channel(0);
  c.AddXY(2.5, 5);
  c.AddXY(4, 5);
  c.AddXNull(5);
  c.AddXY(6, 5);
  c.AddXY(7.5, 5);
  c.PrepareForDraw(f.canvas());
  c.DrawTrace(f.canvas(), clBlack);
  const int y = f.py(5);
  EXPECT_TRUE(f.White(f.px(3), y));
  EXPECT_TRUE(f.White(f.px(7), y));
  EXPECT_FALSE(f.White(f.px(5), y));
}

TEST(ChannelDraw, DrawRange_isOnePointWiderThanTheAxisAtEachSide) {
  TiPlot plot;
  FixedRangesWithoutDecorations(plot);
  TiPlotChannel& c = *plot.Channel(0);
  for (int i = 0; i < 10000; ++i) {
    c.AddXY(i + 0.5, 0);
  }
  plot.XAxis(0)->SetMinSpan(5000, 1000);
  c.CalcDrawStartIndex();
  c.CalcDrawStopIndex();
  EXPECT_EQ(c.DrawStartIndex(), 4999);
  EXPECT_EQ(c.DrawStopIndex(), 6000);
}

TEST(ChannelDraw, Markers_turnOffLimitAndLegendSampleSize) {
  DrawFixture<TiXYPlot> f(0, 20, 0, 20);
  TiXYPlotChannel& c = *f.plot.Channel(0);
  c.SetMarkersVisible(true);
  c.SetMarkersStyle(TiPlotMarkerStyle::ipmsSquare);
  c.SetMarkersTurnOffLimit(10);
  for (int i = 0; i <= 11; ++i) {
    c.AddXY(i + 1, 10);
  }
  c.PrepareForDraw(f.canvas());
  c.DrawMarkers(f.canvas(), clBlack);
  EXPECT_EQ(f.WhiteCount(), 0);
  c.SetMarkersTurnOffLimit(11);
  c.SetMarkersSize(9);
  c.DrawMarker(f.canvas(), -1, clBlack, {150, 100});
  EXPECT_TRUE(f.White(144, 100));
  EXPECT_FALSE(f.White(142, 100));
}

TEST(ChannelDraw, XYTrace_runsBackInXAndBreaksAtNull) {
  DrawFixture<TiXYPlot> f(0, 10, 0, 10);
  TiXYPlotChannel& c = *f.plot.Channel(0);
  c.AddXY(1, 1);
  c.AddXY(9, 9);
  c.AddXY(5, 1);
  c.AddNull();
  c.AddXY(1, 9);
  c.PrepareForDraw(f.canvas());
  c.DrawTrace(f.canvas(), clBlack);
  EXPECT_TRUE(f.White(f.px(7), f.py(5)));
  EXPECT_FALSE(f.White(f.px(3), f.py(5)));
  EXPECT_EQ(c.RunningXMin(), 1);
}

TEST(ChannelDraw, CurveStyles_drawPerColumnAndAnswerFromThePixelList) {
  DrawFixture<TiPlot> f(-1, 4, -1, 3);
  TiPlotChannel& c = *f.plot.Channel(0);
  c.SetInterpolationStyle(TiPlotInterpolationStyle::ipistCubicSpline);
  c.AddXY(0, 0);
  c.AddXY(1, 1);
  c.AddXY(2, 0);
  c.PrepareForDraw(f.canvas());
  c.Draw(f.canvas(), clBlack);
  EXPECT_TRUE(f.White(f.px(1), f.py(1)) || f.White(f.px(1), f.py(1) + 1));
  EXPECT_FALSE(f.White(f.px(2.5), f.py(0)));
  double y = 0;
  EXPECT_EQ(c.GetCursorYValue(1.5, y), TiPlotDataPointStatus::ipdpsValid);
  EXPECT_GT(y, 0.5);
  EXPECT_EQ(c.GetCursorYValue(2.5, y), TiPlotDataPointStatus::ipdpsEmpty);
  // Two points with the same X end the polynomial's drawing quietly.
  c.SetInterpolationStyle(TiPlotInterpolationStyle::ipistPolynomial);
  c.AddXY(2, 1);
  c.PrepareForDraw(f.canvas());
  EXPECT_NO_THROW(c.Draw(f.canvas(), clBlack));
}

TEST(ChannelDraw, Digital_drawsLevelRunsAndHoldsTheLevelBetweenPoints) {
  DrawFixture<TiPlot> f(-1, 5, 0, 100);
  TiPlotChannel& c = *f.plot.Channel(0);
  c.SetDigitalEnabled(true);
  for (int x = 0; x < 4; ++x) {
    c.AddXY(x, x < 2 ? 0 : 5);
  }
  c.PrepareForDraw(f.canvas());
  c.DrawTrace(f.canvas(), clBlack);
  const int low = f.py(10);
  const int high = f.py(90);
  EXPECT_TRUE(f.White(f.px(1), low));
  EXPECT_FALSE(f.White(f.px(1), high));
  EXPECT_TRUE(f.White(f.px(2.5), high));
  EXPECT_TRUE(f.White(f.px(2), (low + high) / 2));
  double y = 1;
  EXPECT_TRUE(c.GetYInterpolated(1.5, y));
  EXPECT_EQ(y, 0);
}
