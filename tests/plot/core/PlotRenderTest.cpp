#include <gtest/gtest.h>

#include <QDir>
#include <QImage>

#include "platform/pictures/TBitmap.h"
#include "tests/plot/PlotTestSupport.h"

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
  const QString out = QDir::temp().filePath(QStringLiteral("krv_plot_empty.png"));
  ASSERT_TRUE(bitmap.Image().save(out));
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
