#include <gtest/gtest.h>

#include <cmath>

#include "tests/components/PlotTestSupport.h"

namespace {

double Bin(double f) { return std::log10(f) / std::log10(48000.0) * 4096.0; }

// A page drawn like the y-label page from the expected texts, to compare
// with the plot's own (the same font on both sides).
QImage ExpectedYLabels(LMyFFTDrawHpLp6dB& plot, const std::vector<std::pair<QString, double>>& labels) {
  TPaintPage page;
  const TRect dest = plot.YLabelPage().Dest();
  page.SetBounds(dest.Left, dest.Top, dest.Right, dest.Bottom);
  page.Clear(clBlack);
  page.SetFont(plot.AxisLabelFont());
  TCanvas& canvas = page.Canvas();
  for (const auto& [text, y] : labels) {
    canvas.TextOut(page.Bitmap().Width() - canvas.TextWidth(text) - 2, int(y), text);
  }
  return page.Bitmap().Image();
}

}  // namespace

TEST(ResponsePlotDrawing, decadesAreAxisColouredColumnsAndMultiplesGridColoured) {
  auto plot = MakeMainWindowPlot();
  plot->DrawAllPlots();
  TPaintPage& page = plot->PlotPage();
  const int y = 40;
  for (double f : {100.0, 1000.0, 10000.0}) {
    EXPECT_EQ(PagePixel(page, int(plot->ScreenX(Bin(f))), y), TColor(35840)) << f;
  }
  for (double f : {200.0, 5000.0}) {
    EXPECT_EQ(PagePixel(page, int(plot->ScreenX(Bin(f))), y), TColor(18432)) << f;
  }
  EXPECT_EQ(PagePixel(page, int(plot->ScreenX(Bin(1500.0))), y), clBlack);
  // Horizontal grid every 3 dB, the 0 dB axis line and the frame.
  EXPECT_EQ(PagePixel(page, 300, int(plot->ScreenY(9.0))), TColor(18432));
  EXPECT_EQ(PagePixel(page, 300, int(plot->ScreenY(0.0))), TColor(35840));
  EXPECT_EQ(PagePixel(page, 300, 0), TColor(35840));
  EXPECT_EQ(PagePixel(page, 0, 100), TColor(35840));
}

TEST(ResponsePlotDrawing, yLabelsReadPlus18DownToMinus18) {
  auto plot = MakeMainWindowPlot();
  plot->DrawYAxisLabels();
  TCanvas& canvas = plot->YLabelPage().Canvas();
  const int half = canvas.TextHeight(QStringLiteral("0")) / 2;
  std::vector<std::pair<QString, double>> labels{{QStringLiteral("+18dB"), 0}};
  labels.emplace_back(QStringLiteral("-18dB"), plot->ScreenY(-18.0) - canvas.TextHeight(QStringLiteral("0")));
  const char* middle[] = {"-12dB", "-6dB", "0dB", "+6dB", "+12dB"};
  for (int k = 0; k < 5; ++k) {
    labels.emplace_back(QString::fromLatin1(middle[k]), plot->ScreenY(-12.0 + 6.0 * k) - half);
  }
  EXPECT_EQ(plot->YLabelPage().Bitmap().Image(), ExpectedYLabels(*plot, labels));
}

TEST(ResponsePlotDrawing, negativeYMaxKeepsThePlusSign) {
  auto plot = MakeMainWindowPlot();
  plot->SetNumHorzGrid(0);
  plot->SetYMin(-20.0);
  plot->SetYMax(-5.0);
  const int height = plot->YLabelPage().Canvas().TextHeight(QStringLiteral("0"));
  const double bottom = plot->ScreenY(-20.0) - height;
  EXPECT_EQ(plot->YLabelPage().Bitmap().Image(),
            ExpectedYLabels(*plot, {{QStringLiteral("+-5dB"), 0}, {QStringLiteral("-20dB"), bottom}}));
}

TEST(ResponsePlotDrawing, xLabelCountFollowsTheControlWidth) {
  for (int width : {799, 800}) {
    auto plot = MakeMainWindowPlot(width, 255);
    plot->DrawXAxisLabels();
    TPaintPage expected;
    const TRect dest = plot->XLabelPage().Dest();
    expected.SetBounds(dest.Left, dest.Top, dest.Right, dest.Bottom);
    expected.Clear(clBlack);
    expected.SetFont(plot->AxisLabelFont());
    const char* texts[] = {"20Hz", "100Hz", "1KHz", "10KHz", "20KHz", "50Hz", "200Hz", "500Hz", "2KHz", "5KHz"};
    const double freqs[] = {20, 100, 1000, 10000, 20000, 50, 200, 500, 2000, 5000};
    const int count = width < 800 ? 4 : 10;
    for (int i = 0; i < count; ++i) {
      const QString text = QString::fromLatin1(texts[i]);
      expected.Canvas().TextOut(int(plot->ScreenX(Bin(freqs[i])) - 0.5 * expected.Canvas().TextWidth(text)), 1, text);
    }
    EXPECT_EQ(plot->XLabelPage().Bitmap().Image(), expected.Bitmap().Image()) << width;
  }
}

TEST(ResponsePlotDrawing, aPointFarBelowThePageGetsNoSegmentToItButOneFromIt) {
  auto plot = MakeMainWindowPlot();
  plot->SetShowHorzGrid(false);
  plot->SetShowVertGrid(false);
  plot->SetShowVertTicks(false);
  plot->SetShowHorzTicks(false);
  plot->SetAxisStyle(TMyAxisStyle::None);
  // x 1000, 2000, 3000 at 12 dB, far below, 12 dB.
  const double x[] = {1000, 2000, 3000};
  const double y[] = {12, -1000, 12};
  plot->FFTDraw(x, y, 3, 1, clRed, TMyPlotStyle::Line);
  TPaintPage& page = plot->PlotPage();
  const int row = int(plot->ScreenY(6.0));
  const int x1 = int(plot->ScreenX(1000)), x2 = int(plot->ScreenX(2000)), x3 = int(plot->ScreenX(3000));
  auto redIn = [&](int from, int to) {
    for (int px = from; px < to; ++px) {
      if (PagePixel(page, px, row) == clRed) {
        return true;
      }
    }
    return false;
  };
  EXPECT_FALSE(redIn(x1, x2));
  EXPECT_TRUE(redIn(x2, x3 + 1));
}

TEST(ResponsePlotDrawing, curvesAtHeadAreDrawnFirstAndBackgroundSquaresHideTheGrid) {
  auto plot = MakeMainWindowPlot();
  const auto flat = FlatCurve(0.0);
  plot->FFTDraw(flat.data(), 4096, 1, clRed, 0);
  plot->FFTDraw(flat.data(), 4096, 2, clBlue, 0);
  const int row = int(plot->ScreenY(0.0));
  EXPECT_EQ(PagePixel(plot->PlotPage(), 300, row), clRed);

  const double x[] = {2000};
  const double y[] = {9.0};
  plot->SetPointSize(6);
  plot->FFTDraw(x, y, 1, 3, clYellow, TMyPlotStyle::BackgroundSquares);
  const int sx = int(plot->ScreenX(2000)), sy = int(plot->ScreenY(9.0));
  EXPECT_EQ(PagePixel(plot->PlotPage(), sx, sy), clBlack);
  EXPECT_EQ(PagePixel(plot->PlotPage(), sx + 9, int(plot->ScreenY(9.0 - 3.0))), TColor(18432));
}

TEST(ResponsePlotDrawing, infiniteAndHugeValuesSaturateInsteadOfOverflowing) {
  auto plot = MakeMainWindowPlot();
  const double x[] = {1000, 2000, 3000, 3500};
  const double y[] = {INFINITY, -1e300, NAN, 1e18};
  plot->FFTDraw(x, y, 4, 1, clRed, TMyPlotStyle::LineColorSquares);
  plot->DrawBlock(1e300, -INFINITY, clRed, 0, false, 1);
  plot->UpdateCurvePage();
  EXPECT_EQ(plot->GetBlockPos(0).X, -16777216);
  EXPECT_EQ(plot->GetBlockPos(0).Y, -16777216);
}

TEST(ResponsePlotDrawing, axisStyleLBDrawsLeftEdgeAndBottomRow) {
  auto plot = MakeMainWindowPlot();
  plot->SetShowHorzGrid(false);
  plot->SetShowVertGrid(false);
  plot->SetAxisStyle(TMyAxisStyle::LB);
  TPaintPage& page = plot->PlotPage();
  const int h = plot->GetPlotHeight();
  EXPECT_EQ(PagePixel(page, 0, 50), TColor(35840));
  EXPECT_EQ(PagePixel(page, 500, h - 1), TColor(35840));
  EXPECT_EQ(PagePixel(page, 500, 0), clBlack);
  EXPECT_EQ(PagePixel(page, plot->GetPlotWidth() - 1, 50), clBlack);
}
