#include <gtest/gtest.h>

#include <QTest>

#include "tests/components/PlotTestSupport.h"

namespace {

using S = TShiftStateItem;

std::unique_ptr<LMyFFTDrawHpLp6dB> LinearPlot() {
  auto plot = MakeMainWindowPlot();
  plot->SetXYMinMax(0.0, 100.0, -18.0, 18.0);
  return plot;
}

}  // namespace

TEST(ResponsePlotMouse, panningRightByAQuarterShiftsTheRangeLeft) {
  auto plot = LinearPlot();
  const int w = plot->GetPlotWidth();
  plot->MouseDown1(TMouseButton::mbLeft, {S::ssLeft}, 300, 100);
  EXPECT_TRUE(plot->Panning());
  plot->MouseMove1({S::ssLeft}, 300 + w / 4, 100);
  const double dx = (w / 4) * 100.0 / w;
  EXPECT_DOUBLE_EQ(plot->XMin(), -dx);
  EXPECT_DOUBLE_EQ(plot->XMax(), 100.0 - dx);
  EXPECT_DOUBLE_EQ(plot->YMin(), -18.0);
  plot->MouseUp1(TMouseButton::mbLeft, {}, 300 + w / 4, 100);
  EXPECT_FALSE(plot->Panning());
}

TEST(ResponsePlotMouse, zoomingWithAltNarrowsBothEnds) {
  auto plot = LinearPlot();
  const int w = plot->GetPlotWidth();
  const int h = plot->GetPlotHeight();
  plot->MouseDown1(TMouseButton::mbLeft, {S::ssAlt, S::ssLeft}, 300, 100);
  EXPECT_TRUE(plot->Zooming());
  plot->MouseMove1({S::ssAlt, S::ssLeft}, 300 + w / 4, 110);
  const double dx = (w / 4) * 100.0 / w;
  const double dy = 10 * 36.0 / h;
  EXPECT_DOUBLE_EQ(plot->XMin(), dx);
  EXPECT_DOUBLE_EQ(plot->XMax(), 100.0 - dx);
  EXPECT_DOUBLE_EQ(plot->YMin(), -18.0 - dy);
  EXPECT_DOUBLE_EQ(plot->YMax(), 18.0 + dy);
}

TEST(ResponsePlotMouse, panningALogAxisScalesItsBounds) {
  auto plot = LinearPlot();
  plot->SetXYMinMax(10.0, 1000.0, -18.0, 18.0);
  plot->SetXAxisFormat(TMyAxisFormat::Log);
  const int w = plot->GetPlotWidth();
  plot->MouseDown1(TMouseButton::mbLeft, {S::ssLeft}, 300, 100);
  plot->MouseMove1({S::ssLeft}, 300 + w / 2, 100);
  const double factor = std::pow(10.0, (w / 2) * 2.0 / w);
  EXPECT_NEAR(plot->XMin(), 10.0 / factor, 1e-9);
  EXPECT_NEAR(plot->XMax(), 1000.0 / factor, 1e-9);
}

TEST(ResponsePlotMouse, rubberBandGivesTheSameRangeDraggedEitherWay) {
  auto forward = LinearPlot();
  auto backward = LinearPlot();
  forward->MouseDown1(TMouseButton::mbLeft, {S::ssCtrl, S::ssLeft}, 200, 50);
  EXPECT_TRUE(forward->BandSelecting());
  forward->MouseMove1({S::ssCtrl, S::ssLeft}, 500, 150);
  forward->MouseUp1(TMouseButton::mbLeft, {S::ssCtrl}, 500, 150);
  backward->MouseDown1(TMouseButton::mbLeft, {S::ssCtrl, S::ssLeft}, 500, 150);
  backward->MouseMove1({S::ssCtrl, S::ssLeft}, 200, 50);
  backward->MouseUp1(TMouseButton::mbLeft, {S::ssCtrl}, 200, 50);
  EXPECT_FALSE(forward->BandSelecting());
  EXPECT_DOUBLE_EQ(forward->XMin(), backward->XMin());
  EXPECT_DOUBLE_EQ(forward->XMax(), backward->XMax());
  EXPECT_DOUBLE_EQ(forward->YMin(), backward->YMin());
  EXPECT_DOUBLE_EQ(forward->YMax(), backward->YMax());
  EXPECT_LT(forward->XMin(), forward->XMax());
  EXPECT_LT(forward->YMin(), forward->YMax());
}

TEST(ResponsePlotMouse, withoutMouseControlOnlyTheReadOutFollows) {
  auto plot = LinearPlot();
  plot->MouseControl = false;
  plot->MouseDown1(TMouseButton::mbLeft, {S::ssLeft}, 300, 100);
  plot->MouseMove1({S::ssLeft}, 400, 120);
  EXPECT_EQ(plot->XMin(), 0.0);
  EXPECT_EQ(plot->XMax(), 100.0);
  EXPECT_DOUBLE_EQ(plot->MouseX(), plot->PlotX(400));
  EXPECT_DOUBLE_EQ(plot->MouseY(), plot->PlotY(120));
}

TEST(ResponsePlotMouse, theReadOutIsNotRedrawnDuringAPan) {
  auto plot = LinearPlot();
  TPaintPage& readOut = plot->MouseCoordPage();
  readOut.Clear(clNavy);
  plot->MouseDown1(TMouseButton::mbLeft, {S::ssLeft}, 300, 100);
  plot->MouseMove1({S::ssLeft}, 310, 100);
  EXPECT_EQ(PagePixel(readOut, 1, 1), clNavy);
  plot->MouseUp1(TMouseButton::mbLeft, {}, 310, 100);
  plot->MouseMove1({}, 320, 100);
  EXPECT_NE(PagePixel(readOut, 1, 1), clNavy);
}

TEST(ResponsePlotMouse, doubleClickFitsTheAutoScaledAxes) {
  auto plot = LinearPlot();
  const double y[] = {-2.0, 4.0};
  plot->FFTDraw(y, 2, 1, clRed, 0);
  plot->SetYAutoScale(true);
  plot->SetYMax(30.0);
  plot->DblClick1();
  EXPECT_EQ(plot->YMax(), 4.0);
  EXPECT_EQ(plot->XMax(), 100.0);
}

TEST(ResponsePlotMouse, theControlsOwnMouseEventsReachOnlyTheHostsHandlers) {
  auto plot = LinearPlot();
  int presses = 0;
  plot->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++presses; };
  plot->show();
  QTest::mousePress(plot.get(), Qt::LeftButton, Qt::NoModifier, QPoint(300, 100));
  QTest::mouseMove(plot.get(), QPoint(500, 100));
  QTest::mouseRelease(plot.get(), Qt::LeftButton, Qt::NoModifier, QPoint(500, 100));
  EXPECT_EQ(presses, 1);
  EXPECT_FALSE(plot->Panning());
  EXPECT_EQ(plot->XMin(), 0.0);
  // A host forwarding the press starts a gesture, and the inherited handling still fires.
  plot->MouseDown1(TMouseButton::mbLeft, {S::ssLeft}, 300, 100);
  EXPECT_EQ(presses, 2);
  EXPECT_TRUE(plot->Panning());
}
