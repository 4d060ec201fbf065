#include <gtest/gtest.h>

#include "tests/components/PlotTestSupport.h"
#include "tests/support/QtMessageLog.h"

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
  EXPECT_EQ(Shown(*plot, x, y), RGB(15, 15, 15));
  // A page changed but not shown stays off the screen until a repaint
  // redraws the page from scratch; the fill is painted once again.
  plot->PlotPage().Clear(clNavy);
  const int above = area.Top + int(plot->ScreenY(12.0));
  EXPECT_EQ(Shown(*plot, x, above), clBlack);
  plot->RepaintPlot();
  EXPECT_EQ(Shown(*plot, x, above), clBlack);
  EXPECT_EQ(Shown(*plot, x, y), RGB(15, 15, 15));
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

// Before its first layout every page is empty: the plot's drawing, the
// overlays' translucent fill and a copy of the plot do nothing there.
TEST(ResponsePlotPaint, drawingBeforeTheFirstLayoutSaysNothing) {
  const QtMessageLog log;
  LMyFFTDrawHpLp6dB plot;
  plot.SetShowYTitle(true);
  plot.SetShowPlotTitle(true);
  const auto curve = FlatCurve(3.0);
  plot.FFTDraw(curve.data(), 4096, 1, clRed, 0);
  plot.DrawBlock(3.0, 2000.0, clRed, 0, false, 1);
  plot.DrawParam(0, 3.0, 2000.0, 1000.0f, 1.0, clYellow);
  plot.DrawCurveFill(0, curve.data(), 4096);
  plot.SetCurveDisplay(true);
  plot.DrawTextA(10, 10, 60, clBtnFace, QStringLiteral("Times New Roman"), QStringLiteral("BYPASS"));
  plot.UpdateCurvePage();
  plot.Redraw();
  const LMyFFTDrawHpLp6dB copy(plot, nullptr);
  EXPECT_TRUE(QtMessageLog::Messages().isEmpty()) << QtMessageLog::Messages().join(QLatin1Char('\n')).toStdString();
}
