#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "platform/text/FloatToStrF.h"
#include "tests/components/PlotTestSupport.h"

namespace {

// The widest y label the layout reserves room for, measured like the plot.
int WidestLabel(LMyFFTDrawHpLp6dB& plot) {
  int widest = 0;
  for (int e = -100; e <= 100; ++e) {
    const QString text = FloatToStrF(std::numbers::pi * std::pow(10.0, e), TFloatFormat::ffGeneral, 5, 4);
    widest = std::max(widest, plot.YLabelPage().Canvas().TextWidth(text));
  }
  return widest;
}

}  // namespace

TEST(ResponsePlotLayout, mainWindowPagesFollowTheLabelMetrics) {
  auto plot = MakeMainWindowPlot();
  const int left = -30 + WidestLabel(*plot) + 4;
  const int labelHeight = plot->XLabelPage().Canvas().TextHeight(QStringLiteral("966"));
  const int plotBottom = int(255 - 1.2 * labelHeight);
  EXPECT_EQ(plot->PlotPage().Dest(), Rect(left, 10, 1060, plotBottom));
  EXPECT_EQ(plot->XLabelPage().Dest(), Rect(left, plotBottom, 1060, 255));
  EXPECT_EQ(plot->XTitlePage().Dest(), Rect(left, 255, 1060, 255));
  EXPECT_EQ(plot->YLabelPage().Dest(), Rect(0, 10, left, 255));
  EXPECT_EQ(plot->YTitlePage().Dest(), Rect(0, 10, 0, 255));
  EXPECT_EQ(plot->PlotTitlePage().Dest(), Rect(0, 0, 1060, 10));
  EXPECT_EQ(plot->RightMarginPage().Dest(), Rect(1060, 0, 1070, 255));
  EXPECT_EQ(plot->GetPlotWidth(), 1060 - left);
  EXPECT_EQ(plot->GetPlotHeight(), plotBottom - 10);
  // The read-out sits inside the top right corner of the plot area.
  EXPECT_EQ(plot->MouseCoordPage().Dest().Right, 1065);
  EXPECT_EQ(plot->MouseCoordPage().Dest().Top, 14);
  // The widest label is the 12-character exponent form.
  EXPECT_EQ(FloatToStrF(std::numbers::pi * 1e-100, TFloatFormat::ffGeneral, 5, 4), QStringLiteral("3.1416E-0100"));
}

TEST(ResponsePlotLayout, withoutYLabelAndTitleThePlotBeginsLeftOfTheControl) {
  auto plot = MakeMainWindowPlot();
  plot->SetShowYLabel(false);
  EXPECT_EQ(plot->PlotPage().Dest().Left, -30);
  EXPECT_EQ(plot->YLabelPage().Bitmap().Width(), 0);
}

TEST(ResponsePlotLayout, tooShortDropsTitleAndXLabelsTooNarrowDropsYLabels) {
  auto plot = MakeMainWindowPlot();
  plot->SetShowPlotTitle(true);
  plot->SetShowXTitle(true);
  plot->SetBounds(0, 0, 1070, 30);
  plot->ResizePaintPage();
  EXPECT_FALSE(plot->ShowPlotTitle());
  EXPECT_FALSE(plot->ShowXLabel());
  EXPECT_FALSE(plot->ShowXTitle());
  EXPECT_TRUE(plot->ShowYLabel());
  EXPECT_EQ(plot->PlotPage().Dest(), Rect(plot->PlotPage().Dest().Left, 10, 1060, 30));

  auto narrow = MakeMainWindowPlot(30, 255);
  EXPECT_FALSE(narrow->ShowYLabel());
  EXPECT_FALSE(narrow->ShowYTitle());
  EXPECT_EQ(narrow->PlotPage().Dest().Left, -30);
}

TEST(ResponsePlotLayout, markersGetTheirScreenPointsAfterALayout) {
  auto plot = MakeMainWindowPlot();
  plot->DrawBlock(-6.0, 2048.0, clRed, 4, false, 1);
  plot->SetBounds(0, 0, 530, 255);
  plot->ResizePaintPage();
  EXPECT_EQ(plot->GetBlockPos(4).X, int(plot->ScreenX(2048.0)));
  EXPECT_EQ(plot->GetBlockPos(4).Y, int(plot->ScreenY(-6.0)));
}

TEST(ResponsePlotLayout, firstPaintLaysOutAndShowsThePages) {
  LMyFFTDrawHpLp6dB plot;
  plot.SetBounds(0, 0, 600, 200);
  EXPECT_EQ(plot.GetPlotWidth(), 0);
  const QImage shown = plot.grab().toImage();
  EXPECT_GT(plot.GetPlotWidth(), 0);
  EXPECT_EQ(plot.Surface().Width(), 600);
  // The right margin is black and the frame of the plot area is in the axis colour.
  EXPECT_EQ(QColor(shown.pixel(595, 100)).rgb() & 0xFFFFFF, 0u);
  const TRect area = plot.PlotPage().Dest();
  EXPECT_EQ(shown.pixel(area.Left + 5, area.Top) & 0xFFFFFF, ColorToQRgb(35840) & 0xFFFFFF);
}
