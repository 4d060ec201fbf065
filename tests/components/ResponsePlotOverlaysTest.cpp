#include <gtest/gtest.h>

#include "components/BandParameterText.h"
#include "components/LMyFFTDrawPhase.h"
#include "tests/components/PlotTestSupport.h"

namespace {

// A plot whose page shows nothing but the overlays: no grid, ticks or axis.
template <typename PlotClass = LMyFFTDrawHpLp6dB>
std::unique_ptr<PlotClass> BarePlot() {
  auto plot = std::make_unique<PlotClass>();
  plot->SetAutoRedraw(false);
  plot->SetBounds(0, 0, 1070, 255);
  plot->SetXAutoScale(false);
  plot->SetYAutoScale(false);
  plot->SetXMax(3840.0);
  plot->SetXMin(966.0);
  plot->SetShowHorzGrid(false);
  plot->SetShowVertGrid(false);
  plot->SetShowHorzTicks(false);
  plot->SetShowVertTicks(false);
  plot->SetAxisStyle(TMyAxisStyle::None);
  plot->ResizePaintPage();
  plot->DrawAllPlots();
  return plot;
}

bool ColourInBox(const QImage& image, TColor colour, int left, int top, int right, int bottom) {
  for (int y = std::max(top, 0); y < std::min(bottom, image.height()); ++y) {
    for (int x = std::max(left, 0); x < std::min(right, image.width()); ++x) {
      if (ImagePixel(image, x, y) == colour) {
        return true;
      }
    }
  }
  return false;
}

bool InkInBox(const QImage& image, int left, int top, int right, int bottom) {
  for (int y = std::max(top, 0); y < std::min(bottom, image.height()); ++y) {
    for (int x = std::max(left, 0); x < std::min(right, image.width()); ++x) {
      if (ImagePixel(image, x, y) != clBlack) {
        return true;
      }
    }
  }
  return false;
}

// Which of the text rows at offsets (from the point) hold any drawing.
std::vector<bool> TextRows(ResponsePlotBase& plot, const QImage& image, double x, double gain,
                           const std::vector<int>& offsets) {
  const int sx = int(plot.ScreenX(x) - 20);
  const double sy = plot.ScreenY(gain);
  std::vector<bool> rows;
  for (int offset : offsets) {
    rows.push_back(InkInBox(image, sx, int(sy + offset) + 2, sx + 90, int(sy + offset) + 10));
  }
  return rows;
}

const std::vector<int> kAbove{-69, -56, -43};
const std::vector<int> kBelow{20, 33, 46};

}  // namespace

TEST(BandParameterText, linesAsWritten) {
  EXPECT_EQ(BandFrequencyText(999.9f), QStringLiteral("999.9Hz"));
  EXPECT_EQ(BandFrequencyText(1000.0f), QStringLiteral("1.00KHz"));
  EXPECT_EQ(BandFrequencyText(20000.0f), QStringLiteral("20.00KHz"));
  EXPECT_EQ(BandFrequencyText(20.0f), QStringLiteral("20.0Hz"));
  EXPECT_EQ(BandQText(0.707), QStringLiteral("Q:0.71"));
  EXPECT_EQ(BandGainText(-12.0), QStringLiteral("-12.0dB"));
  EXPECT_EQ(BandGainText(3.0), QStringLiteral(" 3.0dB"));
}

TEST(ResponsePlotOverlays, DrawBlock_recordsLevelFirstAndPaintsWithAWiderPenLater) {
  auto plot = BarePlot();
  plot->DrawBlock(-6.0, 2048.0, clRed, 4, false, 1);
  EXPECT_EQ(plot->Overlay().BlockX[4], 2048.0);
  EXPECT_EQ(plot->Overlay().BlockY[4], -6.0);
  const TPoint p = plot->GetBlockPos(4);
  EXPECT_EQ(p.X, int(plot->ScreenX(2048.0)));
  EXPECT_EQ(p.Y, int(plot->ScreenY(-6.0)));
  const QImage& page = plot->PlotPage().Bitmap().Image();
  EXPECT_TRUE(ColourInBox(page, clRed, p.X - 3, p.Y - 3, p.X + 4, p.Y + 4));
  EXPECT_FALSE(ColourInBox(page, clRed, p.X + 5, p.Y - 1, p.X + 6, p.Y + 1));
  // The number's white ink lies 23 pixels above the point.
  EXPECT_TRUE(ColourInBox(page, clWhite, p.X - 3, p.Y - 23, p.X + 10, p.Y - 8));
  plot->DrawAllPlots();
  plot->UpdateCurvePage();
  EXPECT_TRUE(ColourInBox(ShownPlotPage(*plot), clRed, p.X + 4, p.Y - 1, p.X + 6, p.Y + 1));
}

TEST(ResponsePlotOverlays, unknownShapesAndHiddenMarkersAreNotRepainted) {
  auto plot = BarePlot();
  const QImage& page = plot->PlotPage().Bitmap().Image();
  plot->DrawBlock(0.0, 2000.0, clRed, 7, false, 7);
  EXPECT_FALSE(ColourInBox(page, clRed, 0, 0, 2000, 300));
  EXPECT_EQ(plot->GetBlockPos(7).X, int(plot->ScreenX(2000.0)));
  plot->DrawBlock(0.0, 2500.0, clRed, 8, true, 1);
  EXPECT_TRUE(ColourInBox(page, clRed, 0, 0, 2000, 300));
  plot->DrawAllPlots();
  plot->UpdateCurvePage();
  EXPECT_FALSE(ColourInBox(ShownPlotPage(*plot), clRed, 0, 0, 2000, 300));
}

TEST(ResponsePlotOverlays, markerIndicesOutsideTheTableAreIgnored) {
  auto plot = BarePlot();
  const QImage before = plot->PlotPage().Bitmap().Image();
  for (int index : {-1, 50, 1000}) {
    plot->DrawBlock(0.0, 2000.0, clRed, index, false, 1);
    plot->SetBlockParameter(index, 1000.0, 3.0, 1.0, 1);
    plot->SetBlockPosition(10.0, 10.0, index);
    EXPECT_EQ(plot->GetBlockPos(index), TPoint{});
  }
  EXPECT_EQ(plot->PlotPage().Bitmap().Image(), before);
}

TEST(ResponsePlotOverlays, parameterTextLinesByBandTypeAndSide) {
  struct Case {
    int code;
    double gain;
    std::vector<bool> above;
    std::vector<bool> below;
  };
  const Case cases[] = {
      {0, 3.0, {false, false, false}, {true, true, true}},
      {-1, -3.0, {true, true, true}, {false, false, false}},
      {3, -3.0, {false, false, true}, {false, false, false}},
      {4, -3.0, {true, true, false}, {false, false, false}},
      {3, 0.1, {false, false, false}, {true, false, false}},
      {9, 0.0, {true, true, false}, {false, false, false}},
  };
  for (const Case& c : cases) {
    auto plot = BarePlot();
    plot->DrawParam(c.code, c.gain, 2000.0, 1000.0f, 0.707, clYellow);
    const QImage& page = plot->PlotPage().Bitmap().Image();
    EXPECT_EQ(TextRows(*plot, page, 2000.0, c.gain, kAbove), c.above) << c.code << " " << c.gain;
    EXPECT_EQ(TextRows(*plot, page, 2000.0, c.gain, kBelow), c.below) << c.code << " " << c.gain;
  }
}

TEST(ResponsePlotOverlays, phasePlotWritesItsOwnLinesAndMoreOnRepaint) {
  auto phase = BarePlot<LMyFFTDrawPhase>();
  phase->DrawParam(3, -3.0, 2000.0, 1000.0f, 1.0, clYellow);
  EXPECT_EQ(TextRows(*phase, phase->PlotPage().Bitmap().Image(), 2000.0, -3.0, kAbove),
            (std::vector<bool>{true, true, false}));

  auto silent = BarePlot<LMyFFTDrawPhase>();
  silent->DrawParam(8, -3.0, 2000.0, 1000.0f, 1.0, clYellow);
  EXPECT_EQ(TextRows(*silent, silent->PlotPage().Bitmap().Image(), 2000.0, -3.0, kAbove),
            (std::vector<bool>{false, false, false}));
  silent->SetCurveDisplay(true);
  silent->UpdateCurvePage();
  EXPECT_EQ(TextRows(*silent, ShownPlotPage(*silent), 2000.0, -3.0, kAbove), (std::vector<bool>{true, true, false}));

  auto tenth = BarePlot<LMyFFTDrawPhase>();
  tenth->DrawParam(10, 0.1, 2000.0, 1000.0f, 1.0, clYellow);
  EXPECT_EQ(TextRows(*tenth, tenth->PlotPage().Bitmap().Image(), 2000.0, 0.1, kBelow),
            (std::vector<bool>{true, false, false}));
}

TEST(ResponsePlotOverlays, parameterDisplayWritesBesideCircleMarkersButNotTheSelectedBand) {
  auto plot = BarePlot();
  plot->DrawBlock(-3.0, 2000.0, clRed, 0, false, 1);
  plot->SetBlockParameter(0, 1000.0, -3.0, 1.0, 6);  // band pass: frequency only
  plot->SetParameterDisplay(true);
  plot->DrawAllPlots();
  plot->UpdateCurvePage();
  const int sx = int(plot->ScreenX(2000.0) - 20);
  const int sy = int(plot->ScreenY(-3.0));
  EXPECT_TRUE(ColourInBox(ShownPlotPage(*plot), clWhite, sx, sy - 43, sx + 60, sy - 32));
  EXPECT_FALSE(ColourInBox(ShownPlotPage(*plot), clWhite, sx, sy - 69, sx + 60, sy - 45));

  plot->DrawParam(0, -3.0, 2000.0, 1000.0f, 1.0, clYellow);
  plot->DrawAllPlots();
  plot->UpdateCurvePage();
  EXPECT_FALSE(ColourInBox(ShownPlotPage(*plot), clWhite, sx, sy - 43, sx + 60, sy - 32));
}

TEST(ResponsePlotOverlays, fillIsTranslucentGreyAndLooksTheSameAfterEveryUpdate) {
  auto plot = BarePlot();
  const auto curve = FlatCurve(6.0);
  plot->DrawParam(0, 6.0, 2000.0, 1000.0f, 1.0, clYellow);
  plot->DrawCurveFill(0, curve.data(), 4096);
  const int x = int(plot->ScreenX(3000.0));
  const int y = int(plot->ScreenY(3.0));
  EXPECT_EQ(PagePixel(plot->PlotPage(), x, y), RGB(15, 15, 15));
  plot->SetCurveDisplay(true);
  plot->DrawAllPlots();
  plot->UpdateCurvePage();
  EXPECT_EQ(ImagePixel(ShownPlotPage(*plot), x, y), RGB(15, 15, 15));
  EXPECT_EQ(PagePixel(plot->PlotPage(), x, y), clBlack);
  const QImage once = ShownPlotPage(*plot);
  for (int i = 0; i < 10; ++i) {
    plot->UpdateCurvePage();
    plot->RedrawScreen();
  }
  EXPECT_EQ(ShownPlotPage(*plot), once);
}

TEST(ResponsePlotOverlays, fillClosureFollowsTheLastBandType) {
  struct Case {
    int type;
    double gain;
    double curve;
    std::vector<double> filled;
    std::vector<double> empty;
  };
  const Case cases[] = {
      {0, 6.0, 6.0, {3.0}, {-3.0, 12.0}},
      {1, 6.0, 6.0, {3.0}, {-3.0, 12.0}},
      {3, 0.0, 0.0, {-3.0, -15.0}, {3.0}},
      {-1, 0.0, 6.0, {}, {3.0, -3.0}},
  };
  for (const Case& c : cases) {
    auto plot = BarePlot();
    plot->DrawParam(c.type, c.gain, 2000.0, 1000.0f, 1.0, clYellow);
    const auto curve = FlatCurve(c.curve);
    plot->DrawCurveFill(7, curve.data(), 4096);
    const int x = int(plot->ScreenX(2500.0));
    for (double level : c.filled) {
      EXPECT_EQ(PagePixel(plot->PlotPage(), x, int(plot->ScreenY(level))), RGB(15, 15, 15)) << c.type << " " << level;
    }
    for (double level : c.empty) {
      EXPECT_EQ(PagePixel(plot->PlotPage(), x, int(plot->ScreenY(level))), clBlack) << c.type << " " << level;
    }
  }
}

TEST(ResponsePlotOverlays, DrawCurveFill_takesAtMost4096ValuesAndKeepsTheRest) {
  auto plot = BarePlot();
  const auto many = FlatCurve(2.0, 5000);
  plot->DrawCurveFill(0, many.data(), 5000);
  EXPECT_EQ(plot->Overlay().FillCurve[4095], 2.0);
  const auto few = FlatCurve(-4.0, 100);
  plot->DrawCurveFill(0, few.data(), 100);
  EXPECT_EQ(plot->Overlay().FillCurve[99], -4.0);
  EXPECT_EQ(plot->Overlay().FillCurve[100], 2.0);
  plot->DrawCurveFill(0, few.data(), -5);
  EXPECT_EQ(plot->Overlay().FillCurve[0], -4.0);
}

TEST(ResponsePlotOverlays, overlayLineIsDashedAtOnceDottedOnRepaintAndStays) {
  auto plot = BarePlot();
  plot->DrawLine(2000.0, clGreen, true);
  const int x = int(plot->ScreenX(2000.0));
  TPaintPage& page = plot->PlotPage();
  EXPECT_EQ(PagePixel(page, x, 4), clRed);
  EXPECT_EQ(PagePixel(page, x, 15), clRed);
  const int sy = int(plot->ScreenY(-3.0));
  EXPECT_EQ(PagePixel(page, x - 4, sy), clYellow);
  plot->DrawAllPlots();
  plot->UpdateCurvePage();
  const QImage shown = ShownPlotPage(*plot);
  EXPECT_EQ(ImagePixel(shown, x, 0), clRed);
  EXPECT_NE(ImagePixel(shown, x, 4), clRed);
  EXPECT_EQ(ImagePixel(shown, x, 6), clRed);
}

TEST(ResponsePlotOverlays, emptyOverlayTextStopsTheRepaintOfThePreviousOne) {
  auto plot = BarePlot();
  plot->DrawTextA(350, 60, 60, clBtnFace, QStringLiteral("Times New Roman"), QStringLiteral("BYPASS"));
  plot->DrawAllPlots();
  plot->UpdateCurvePage();
  EXPECT_TRUE(ColourInBox(ShownPlotPage(*plot), ColorToRGB(clBtnFace), 350, 60, 800, 160));
  plot->DrawTextA(350, 60, 60, clBtnFace, QStringLiteral("Times New Roman"), QString());
  plot->DrawAllPlots();
  plot->UpdateCurvePage();
  EXPECT_FALSE(ColourInBox(ShownPlotPage(*plot), ColorToRGB(clBtnFace), 350, 60, 800, 160));
}

TEST(ResponsePlotOverlays, UpdateCurvePageShowsThePlotPageOnTheControl) {
  auto plot = BarePlot();
  plot->DrawBlock(0.0, 2000.0, clRed, 0, false, 0);
  plot->UpdateCurvePage();
  const TPoint p = plot->GetBlockPos(0);
  const TRect dest = plot->PlotPage().Dest();
  EXPECT_EQ(plot->Surface().Canvas().Pixel(dest.Left + p.X - 3, dest.Top + p.Y), clRed);
}

TEST(ResponsePlotOverlays, phasePlotDrawsTheSamePagesApartFromParameterTexts) {
  auto response = BarePlot();
  auto phase = BarePlot<LMyFFTDrawPhase>();
  ResponsePlotBase* const plots[] = {response.get(), phase.get()};
  for (ResponsePlotBase* plot : plots) {
    const auto curve = FlatCurve(4.0);
    plot->DrawBlock(4.0, 2000.0, clRed, 0, false, 1);
    plot->DrawBlock(0.0, 1500.0, clAqua, 31, false, 2);
    plot->DrawParam(0, 4.0, 2000.0, 1000.0f, 1.0, clYellow);
    plot->DrawCurveFill(0, curve.data(), 4096);
    plot->SetCurveDisplay(true);
    plot->FFTDraw(curve.data(), 4096, 1, clLime, 0);
    plot->UpdateCurvePage();
  }
  EXPECT_EQ(response->PlotPage().Bitmap().Image(), phase->PlotPage().Bitmap().Image());
  EXPECT_EQ(response->Surface().Image(), phase->Surface().Image());
}

// A marker's cross-hatched square and its number leave the page around
// their ink: the 3 dB grid line runs on through the number's cell.
TEST(ResponsePlotOverlays, gridLinePassesThroughAMarkerNumbersCell) {
  auto plot = MakeMainWindowPlot();
  plot->DrawBlock(0.0, 2000.0, clRed, 0, false, 1);
  plot->DrawAllPlots();
  plot->UpdateCurvePage();
  const QImage shown = ShownPlotPage(*plot);
  const TPoint p = plot->GetBlockPos(0);
  const int row = int(plot->ScreenY(3.0));
  ASSERT_GT(row, p.Y - 23);
  ASSERT_LT(row, p.Y - 12);
  int grid = 0;
  for (int x = p.X - 3; x < p.X + 3; ++x) {
    grid += ImagePixel(shown, x, row) == plot->GridColor() ? 1 : 0;
  }
  EXPECT_GE(grid, 3);
}
