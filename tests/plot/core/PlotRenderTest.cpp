#include <gtest/gtest.h>

#include <QImage>

#include "platform/pictures/TBitmap.h"
#include "tests/plot/PlotTestSupport.h"
#include "tests/plot/SystemPlots.h"

TEST(PlotRender, EmptyPlotWithTwoAxesAndDataView_drawsTicksLabelsAndGrid) {
  TiPlotComponent plot;
  plot.SetBounds(0, 0, 400, 260);
  plot.AddXAxis();
  plot.AddYAxis();
  plot.AddDataView();
  plot.YAxis(0)->SetMin(-100);
  plot.YAxis(0)->SetSpan(120);
  TBitmap bitmap(400, 260);
  plot.iPaintTo(bitmap.Canvas());
  const TRect view = plot.DataView(0)->DrawRect();
  EXPECT_GT(view.Width(), 200);
  EXPECT_GT(view.Height(), 150);
  EXPECT_GT(plot.XAxis(0)->TickListCount(), 5);
  // The grid's border and major lines are green; the labels white.
  EXPECT_EQ(bitmap.Canvas().Pixel(view.Left, (view.Top + view.Bottom) / 2), clGreen);
  int white = 0;
  for (int y = view.Bottom + 1; y < 260; ++y) {
    for (int x = 0; x < 400; ++x) {
      white += bitmap.Canvas().Pixel(x, y) == clWhite ? 1 : 0;
    }
  }
  EXPECT_GT(white, 50);
}

TEST(PlotRender, ReversedAxes_putXAxisBesideTheDataView) {
  TiPlotComponent plot;
  plot.SetBounds(0, 0, 300, 200);
  plot.AddXAxis();
  plot.AddYAxis();
  plot.AddDataView();
  plot.SetXYAxesReverse(true);
  EXPECT_FALSE(plot.XAxis(0)->Horizontal());
  EXPECT_TRUE(plot.YAxis(0)->Horizontal());
  EXPECT_TRUE(plot.XAxis(0)->XYAxesReversed());
  TBitmap bitmap(300, 200);
  plot.iPaintTo(bitmap.Canvas());
  const TRect view = plot.DataView(0)->DrawRect();
  EXPECT_EQ(plot.XAxis(0)->DrawRect().Right, view.Left);
  EXPECT_EQ(plot.YAxis(0)->DrawRect().Top, view.Bottom);
  EXPECT_EQ(plot.XAxis(0)->PositionToPixels(0), view.Bottom);
}

TEST(PlotRender, ChannelsInsideTheDataView_drawByAscendingLayerNegativesIncluded) {
  struct Case {
    int layer0;
    int layer1;
  };
  for (const Case c : {Case{-15, -12}, Case{-12, -15}, Case{-100, -2}, Case{-1, 7}, Case{100, 99}}) {
    TiPlot plot;
    plot.SetBounds(0, 0, 300, 200);
    FixedRangesWithoutDecorations(plot);
    plot.XAxis(0)->SetMinSpan(0, 10);
    plot.YAxis(0)->SetMinSpan(0, 10);
    plot.AddChannel();
    const TColor colours[] = {clRed, clBlue};
    const int layers[] = {c.layer0, c.layer1};
    for (int k = 0; k < 2; ++k) {
      TiPlotChannel& channel = *plot.Channel(k);
      channel.SetColor(colours[k]);
      channel.SetTraceLineWidth(5);
      channel.SetLayer(layers[k]);
      channel.AddXY(0, 3.3);
      channel.AddXY(10, 3.3);
    }
    TBitmap bitmap(300, 200);
    plot.iPaintTo(bitmap.Canvas());
    // Away from the grid lines.
    const TColor top = c.layer0 > c.layer1 ? clRed : clBlue;
    EXPECT_EQ(bitmap.Canvas().Pixel(plot.XAxis(0)->PositionToPixels(4.7), plot.YAxis(0)->PositionToPixels(3.3)), top)
        << c.layer0 << " " << c.layer1;
  }
}
