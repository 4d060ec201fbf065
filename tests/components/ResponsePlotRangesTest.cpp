#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tests/components/PlotTestSupport.h"

TEST(ResponsePlotCurves, FFTDraw_newIdReturnsFalseReplaceReturnsTrueAndKeepsColour) {
  auto plot = MakeMainWindowPlot();
  const auto a = FlatCurve(3.0);
  const auto b = FlatCurve(-3.0, 100);
  EXPECT_FALSE(plot->FFTDraw(a.data(), 4096, 5, clRed, 0));
  EXPECT_TRUE(plot->FFTDraw(b.data(), 100, 5, clBlue, 0));
  TColor colour = 0;
  int count = 0;
  ASSERT_TRUE(plot->GetPlotColor(colour, 5));
  ASSERT_TRUE(plot->GetPlotNumPoints(count, 5));
  EXPECT_EQ(colour, clRed);
  EXPECT_EQ(count, 100);
  std::vector<double> x;
  std::vector<double> y;
  ASSERT_TRUE(plot->GetPlotX(x, 5));
  ASSERT_TRUE(plot->GetPlotY(y, 5));
  ASSERT_EQ(x.size(), 100u);
  EXPECT_EQ(x[99], 99.0);
  EXPECT_EQ(y[0], -3.0);
  EXPECT_FALSE(plot->GetPlotY(y, 6));
}

TEST(ResponsePlotCurves, FFTDraw_evenlySpacedOverloadNeedsTwoPoints) {
  auto plot = MakeMainWindowPlot();
  const double y[] = {1, 2, 3};
  EXPECT_FALSE(plot->FFTDraw(y, 3, 10.0, 30.0, 1, clRed, TMyPlotStyle::Line));
  std::vector<double> x;
  ASSERT_TRUE(plot->GetPlotX(x, 1));
  EXPECT_EQ(x, (std::vector<double>{10.0, 20.0, 30.0}));
  EXPECT_FALSE(plot->FFTDraw(y, 1, 10.0, 30.0, 2, clRed, TMyPlotStyle::Line));
  int count = 0;
  EXPECT_FALSE(plot->GetPlotNumPoints(count, 2));
}

TEST(ResponsePlotCurves, withoutAutoRedrawCurveChangesDrawNothing) {
  auto plot = MakeMainWindowPlot();
  plot->SetAutoRedraw(false);
  plot->PlotPage().Clear(clNavy);
  const auto curve = FlatCurve(0.0);
  plot->FFTDraw(curve.data(), 4096, 1, clRed, 0);
  EXPECT_TRUE(plot->RemovePlot(1));
  EXPECT_EQ(PagePixel(plot->PlotPage(), 500, 100), clNavy);
}

TEST(ResponsePlotCurves, RemovePlot_ofAnAbsentIdNeitherRescalesNorRedraws) {
  auto plot = MakeMainWindowPlot();
  plot->SetYAutoScale(true);
  plot->SetYMax(40.0);
  plot->PlotPage().Clear(clNavy);
  EXPECT_FALSE(plot->RemovePlot(3));
  EXPECT_EQ(plot->YMax(), 40.0);
  EXPECT_EQ(PagePixel(plot->PlotPage(), 500, 100), clNavy);
}

TEST(ResponsePlotRanges, autoScaleCases) {
  LMyFFTDrawHpLp6dB plot;
  plot.SetAutoRedraw(false);
  plot.FindYMaxMin();
  EXPECT_EQ(plot.YMin(), -1.0);
  EXPECT_EQ(plot.YMax(), 1.0);
  const auto flat = FlatCurve(5.0, 10);
  plot.FFTDraw(flat.data(), 10, 1, clRed, 0);
  EXPECT_EQ(plot.YMin(), 5.0);
  EXPECT_EQ(plot.YMax(), 6.0);
  EXPECT_EQ(plot.XMin(), 0.0);
  EXPECT_EQ(plot.XMax(), 9.0);
  plot.SetYAxisFormat(TMyAxisFormat::Log);
  EXPECT_EQ(plot.YMin(), 5.0);
  EXPECT_EQ(plot.YMax(), 50.0);
}

TEST(ResponsePlotRanges, emptyAndNanCurvesDoNotSeedTheRange) {
  LMyFFTDrawHpLp6dB plot;
  plot.SetAutoRedraw(false);
  plot.FFTDraw(nullptr, 0, 1, clRed, 0);
  EXPECT_EQ(plot.YMax(), 1.0);
  EXPECT_EQ(plot.YMin(), -1.0);
  const double values[] = {std::numeric_limits<double>::quiet_NaN(), 2.0, 4.0};
  plot.FFTDraw(values, 3, 2, clRed, 0);
  EXPECT_EQ(plot.YMin(), 2.0);
  EXPECT_EQ(plot.YMax(), 4.0);
}

TEST(ResponsePlotRanges, logFormatRepairsNonPositiveBounds) {
  auto plot = MakeMainWindowPlot();
  plot->SetYMax(-3.0);
  plot->SetYAxisFormat(TMyAxisFormat::Log);
  EXPECT_EQ(plot->YMax(), 10.0);
  EXPECT_EQ(plot->YMin(), 1.0);

  plot->SetXYMinMax(966.0, 3840.0, 0.0, 100.0);
  EXPECT_EQ(plot->YMin(), 1.0);
  EXPECT_DOUBLE_EQ(plot->LogYMax(), 2.0);
}

TEST(ResponsePlotRanges, settersHoldTheirValuesInRange) {
  auto plot = MakeMainWindowPlot(500, 250);
  plot->SetAutoRedraw(false);
  struct Case {
    void (LMyFFTDrawHpLp6dB::*set)(int);
    int (LMyFFTDrawHpLp6dB::*get)() const;
    int value;
    int expected;
  };
  const Case cases[] = {
      {&LMyFFTDrawHpLp6dB::SetPointSize, &LMyFFTDrawHpLp6dB::PointSize, 0, 1},
      {&LMyFFTDrawHpLp6dB::SetPointSize, &LMyFFTDrawHpLp6dB::PointSize, 25, 10},
      {&LMyFFTDrawHpLp6dB::SetVertTickLength, &LMyFFTDrawHpLp6dB::VertTickLength, -4, 0},
      {&LMyFFTDrawHpLp6dB::SetVertTickLength, &LMyFFTDrawHpLp6dB::VertTickLength, 400, 250},
      {&LMyFFTDrawHpLp6dB::SetHorzTickLength, &LMyFFTDrawHpLp6dB::HorzTickLength, 5000, 500},
      {&LMyFFTDrawHpLp6dB::SetNumHorzGrid, &LMyFFTDrawHpLp6dB::NumHorzGrid, -2, 0},
      {&LMyFFTDrawHpLp6dB::SetNumHorzGrid, &LMyFFTDrawHpLp6dB::NumHorzGrid, std::numeric_limits<int>::max(), 250},
      {&LMyFFTDrawHpLp6dB::SetNumVertGrid, &LMyFFTDrawHpLp6dB::NumVertGrid, -1, 0},
      {&LMyFFTDrawHpLp6dB::SetNumVertGrid, &LMyFFTDrawHpLp6dB::NumVertGrid, std::numeric_limits<int>::max(), 500},
  };
  for (const Case& c : cases) {
    (plot.get()->*c.set)(c.value);
    EXPECT_EQ((plot.get()->*c.get)(), c.expected) << c.value;
  }
  plot->SetYMax(plot->YMin());
  EXPECT_EQ(plot->YMax(), plot->YMin() + 1);
}

TEST(ResponsePlotMapping, boundsMapOntoThePageEdges) {
  auto plot = MakeMainWindowPlot();
  EXPECT_EQ(plot->ScreenX(966.0), 0.0);
  EXPECT_DOUBLE_EQ(plot->ScreenX(3840.0), plot->GetPlotWidth());
  EXPECT_EQ(plot->ScreenY(18.0), 0.0);
  EXPECT_DOUBLE_EQ(plot->ScreenY(-18.0), plot->GetPlotHeight());
  plot->SetXAxisFormat(TMyAxisFormat::Log);
  EXPECT_DOUBLE_EQ(plot->ScreenX(0.0), plot->ScreenX(96.6));
  EXPECT_LT(plot->ScreenX(-5.0), 0.0);
  EXPECT_DOUBLE_EQ(plot->PlotX(plot->PlotPage().Dest().Left + plot->ScreenX(2000.0)), 2000.0);
}

TEST(ResponsePlotCopy, AssignPlotCopiesCurvesReversedAndProperties) {
  auto source = MakeMainWindowPlot();
  const auto a = FlatCurve(1.0, 10);
  source->FFTDraw(a.data(), 10, 1, clRed, 0);
  source->FFTDraw(a.data(), 10, 2, clBlue, 0);
  source->SetNumHorzGrid(7);
  LMyFFTDrawHpLp6dB copy(*source, nullptr);
  EXPECT_EQ(copy.Plots().Head()->PlotId, 1);
  EXPECT_EQ(copy.NumHorzGrid(), 7);
  EXPECT_EQ(copy.XMax(), 3840.0);
  EXPECT_EQ(copy.SampleRate, TSampleRate::n48000);

  auto other = MakeMainWindowPlot();
  other->FFTDraw(a.data(), 10, 2, clLime, 0);
  other->FFTDraw(a.data(), 10, 5, clLime, 0);
  copy.AppendPlotData(*other);
  EXPECT_EQ(copy.Plots().Head()->PlotId, 5);
  TColor colour = 0;
  copy.GetPlotColor(colour, 2);
  EXPECT_EQ(colour, clBlue);
}

TEST(ResponsePlotCopy, copyingAPlotOntoItselfKeepsEveryCurve) {
  auto plot = MakeMainWindowPlot();
  const auto a = FlatCurve(1.0, 10);
  const auto b = FlatCurve(-2.0, 20);
  plot->FFTDraw(a.data(), 10, 1, clRed, 0);
  plot->FFTDraw(b.data(), 20, 2, clBlue, 0);
  plot->SetNumHorzGrid(7);
  const auto ids = [&plot] {
    std::vector<int> out;
    for (const TPlotListMember* m = plot->Plots().Head(); m != nullptr; m = m->Next.get()) {
      out.push_back(m->PlotId);
    }
    return out;
  };
  plot->AppendPlotData(*plot);
  plot->AssignPlotData(*plot);
  plot->AssignPlot(*plot);
  EXPECT_EQ(ids(), (std::vector<int>{2, 1}));
  std::vector<double> y;
  ASSERT_TRUE(plot->GetPlotY(y, 1));
  EXPECT_EQ(y, a);
  ASSERT_TRUE(plot->GetPlotY(y, 2));
  EXPECT_EQ(y, b);
  EXPECT_EQ(plot->NumHorzGrid(), 7);
}
