#include <gtest/gtest.h>

#include "tests/components/PlotTestSupport.h"

namespace {

TColor Shown(LMyFFTDrawHpLp6dB& plot, int x, int y) {
  const QImage image = plot.grab().toImage();
  const QRgb rgb = image.pixel(x, y);
  return RGB(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

}  // namespace

TEST(ResponsePlotPaint, anUpdateShowsTheSurfaceWhileRepaintRedrawsEverything) {
  auto plot = MakeMainWindowPlot();
  plot->SetShowHorzGrid(false);
  plot->SetShowVertGrid(false);
  plot->show();
  plot->grab();
  const auto curve = FlatCurve(6.0);
  plot->DrawParam(0, 6.0, 2000.0, 1000.0f, 1.0, clYellow);
  plot->DrawCurveFill(0, curve.data(), 4096);
  plot->SetCurveDisplay(true);
  plot->DrawAllPlots();
  plot->UpdateCurvePage();
  plot->UpdateCurvePage();
  const TRect area = plot->PlotPage().Dest();
  const int x = area.Left + int(plot->ScreenX(3000.0));
  const int y = area.Top + int(plot->ScreenY(3.0));
  EXPECT_EQ(Shown(*plot, x, y), RGB(28, 28, 28));
  // A page changed but not shown stays off the screen until a Repaint
  // redraws the page from scratch.
  plot->PlotPage().Clear(clNavy);
  const int above = area.Top + int(plot->ScreenY(12.0));
  EXPECT_EQ(Shown(*plot, x, above), clBlack);
  plot->Repaint();
  EXPECT_EQ(Shown(*plot, x, above), clBlack);
  EXPECT_NE(Shown(*plot, x, y), RGB(28, 28, 28));
}

TEST(ResponsePlotPaint, aHiddenPlotStillDrawsIntoItsPages) {
  QWidget page;
  auto* plot = new LMyFFTDrawHpLp6dB(&page);
  plot->SetAutoRedraw(false);
  plot->SetXAutoScale(false);
  plot->SetYAutoScale(false);
  plot->SetXMax(3840.0);
  plot->SetXMin(966.0);
  plot->Loaded();
  plot->SetAutoRedraw(true);
  const auto curve = FlatCurve(0.0);
  plot->FFTDraw(curve.data(), 4096, 1, clRed, 0);
  EXPECT_FALSE(plot->isVisible());
  EXPECT_EQ(PagePixel(plot->PlotPage(), 300, int(plot->ScreenY(0.0))), clRed);
  plot->SetVisible(false);
  plot->PlotPage().Clear(clNavy);
  plot->FFTDraw(curve.data(), 4096, 2, clBlue, 0);
  EXPECT_EQ(PagePixel(plot->PlotPage(), 300, 20), clNavy);
}
