#include <gtest/gtest.h>

#include <QDir>

#include "platform/TBitmap.h"
#include "tests/plot/SystemPlots.h"

namespace {

int CountColour(TCanvas& canvas, const TRect& r, TColor colour) {
  int n = 0;
  for (int y = r.Top; y < r.Bottom; ++y) {
    for (int x = r.Left; x < r.Right; ++x) {
      n += canvas.Pixel(x, y) == colour ? 1 : 0;
    }
  }
  return n;
}

}  // namespace

TEST(SystemPlotsRender, TransferPlot_drawsCurveAndOperatingPoint) {
  TiXYPlot plot;
  SetUpTransferPlot(plot);
  FillTransferPlot(plot, -40);
  TBitmap bitmap(200, 200);
  plot.iPaintTo(bitmap.Canvas());
  ASSERT_TRUE(bitmap.Image().save(QDir::temp().filePath(QStringLiteral("krv_plot_ipComp.png"))));
  const TRect view = plot.DataView(0)->DrawRect();
  EXPECT_GT(CountColour(bitmap.Canvas(), view, clWhite), 150);
  // The operating point's marker sits on the curve's knee.
  const TPoint knee{plot.XAxis(0)->PositionToPixels(-40), plot.YAxis(0)->PositionToPixels(-40)};
  EXPECT_EQ(bitmap.Canvas().Pixel(knee.X + 5, knee.Y), TColor(8421631));
  EXPECT_EQ(plot.XAxis(0)->Min(), -100);
  EXPECT_EQ(plot.YAxis(0)->Span(), 120);
}

TEST(SystemPlotsRender, FirPlot_drawsTwelveCurvesLimitAndAnnotation) {
  TiPlot plot;
  SetUpFirPlot(plot);
  FillFirPlot(plot, 4096);
  TBitmap bitmap(1070, 255);
  plot.iPaintTo(bitmap.Canvas());
  ASSERT_TRUE(bitmap.Image().save(QDir::temp().filePath(QStringLiteral("krv_plot_fftFirDraw.png"))));
  const TRect view = plot.DataView(0)->DrawRect();
  for (TColor colour : {clBlue, clYellow, clRed, clAqua, clFuchsia, clLime}) {
    EXPECT_GT(CountColour(bitmap.Canvas(), view, colour), 200) << std::hex << colour;
  }
  const int zeroRow = plot.YAxis(0)->PositionToPixels(0);
  EXPECT_GT(CountColour(bitmap.Canvas(), {view.Left, zeroRow, view.Right, zeroRow + 1}, TColor(35840)), 100);
  EXPECT_EQ(plot.XAxis(0)->Min(), 11);
  EXPECT_EQ(plot.YAxis(0)->Min(), -27);
}
