#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dsp/FrequencyResponse.h"
#include "dsp/Plot.h"
#include "dsp/ResponsePlotTarget.h"

namespace {

/// Records what the plot hands to its control.
class RecordingTarget : public ResponsePlotTarget {
public:
  struct Curve {
    int id;
    TColor colour;
    int style;
    std::vector<double> values;
  };

  bool FFTDraw(const double* values, int count, int id, TColor colour, int style) override {
    curves.push_back({id, colour, style, std::vector<double>(values, values + count)});
    calls.push_back("FFTDraw");
    return false;
  }
  bool RemovePlot(int id) override {
    removed.push_back(id);
    calls.push_back("RemovePlot");
    return true;
  }
  void DrawBlock(double y, double x, TColor colour, int index, bool hidden, int shape) override {
    blockY = y;
    blockX = x;
    blockColour = colour;
    blockIndex = index;
    blockHidden = hidden;
    blockShape = shape;
    calls.push_back("DrawBlock");
  }
  void SetBlockParameter(int index, double frequency, double gain, double q, int filterCode) override {
    parameterIndex = index;
    parameterFrequency = frequency;
    parameterGain = gain;
    parameterQ = q;
    parameterCode = filterCode;
    calls.push_back("SetBlockParameter");
  }
  void DrawParam(int bandType, double gain, double x, float frequency, double q, TColor colour) override {
    paramType = bandType;
    paramGain = gain;
    paramX = x;
    paramFrequency = frequency;
    paramQ = q;
    paramColour = colour;
    calls.push_back("DrawParam");
  }
  void DrawCurveFill(int bandType, const double* values, int count) override {
    fillType = bandType;
    fill.assign(values, values + count);
    calls.push_back("DrawCurveFill");
  }
  void SetCurveDisplay(bool on) override {
    curveDisplay = on;
    calls.push_back(on ? "SetCurveDisplay(true)" : "SetCurveDisplay(false)");
  }

  std::vector<std::string> calls;
  std::vector<Curve> curves;
  std::vector<int> removed;
  double blockY = 0, blockX = 0, parameterFrequency = 0, parameterGain = 0, parameterQ = 0;
  double paramGain = 0, paramX = 0, paramQ = 0;
  float paramFrequency = 0;
  TColor blockColour = 0, paramColour = 0;
  int blockIndex = -1, blockShape = -1, parameterIndex = -1, parameterCode = -1, paramType = -1, fillType = -1;
  bool blockHidden = true;
  bool curveDisplay = false;
  std::vector<double> fill;
};

}  // namespace

TEST(Plot, newPlotIsFlatAndDrawsItsTotalInThePlotColour) {
  RecordingTarget target;
  Plot plot(target);
  EXPECT_EQ(plot.GetSectionCount(), 48);
  EXPECT_EQ(plot.Section(47).GetType(), 3);
  EXPECT_EQ(plot.Section(47).GetQ(), 0.4);

  plot.DrawTotal(3);
  ASSERT_EQ(target.curves.size(), 1u);
  EXPECT_EQ(target.curves[0].id, 33);
  EXPECT_EQ(target.curves[0].colour, RGB(0xFF, 0x00, 0x00));
  EXPECT_EQ(target.curves[0].style, 0);
  ASSERT_EQ(target.curves[0].values.size(), 4096u);
  for (const double v : target.curves[0].values) {
    ASSERT_NEAR(v, 0.0, 1e-12);
  }
  plot.DrawTotal(0);
  EXPECT_EQ(target.curves[1].colour, RGB(0x80, 0x00, 0x80));
  plot.DrawTotal(10);
  EXPECT_EQ(target.curves[2].colour, RGB(0xFF, 0xFB, 0xF0));
}

TEST(Plot, totalSumsSectionsUpToThirtyTwoOnly) {
  RecordingTarget target;
  Plot plot(target);
  // Two identical crossover sections make a Linkwitz-Riley: twice the Butterworth in dB.
  plot.Section(34).SetCrossoverSection(0.0, 2000.0, 0.71, 12, 1.4142f, 0.0f);
  plot.Section(31).SetCrossoverSection(0.0, 2000.0, 0.71, 12, 1.4142f, 0.0f);
  plot.Section(32).SetCrossoverSection(0.0, 2000.0, 0.71, 12, 1.4142f, 0.0f);
  plot.DrawTotal(0);
  const ResponseCurve& single = plot.Section(34).GetCurve();
  const ResponseCurve& total = plot.Section(Plot::kTotalSection).GetCurve();
  for (int k = 0; k < kFrequencyBinCount; ++k) {
    ASSERT_NEAR(total[k], 2.0 * single[k], 1e-12) << k;
  }
}

TEST(Plot, magnitudeTotalIsTheSumOfEveryKindOfSectionCurveClampedOnesIncluded) {
  RecordingTarget target;
  Plot plot(target);
  for (int band = 0; band < 9; ++band) {
    plot.Section(band).SetFilter(band - 4.0, 40.0 * std::pow(2.0, band), 1.4, 1);
  }
  plot.Section(30).SetFirDesign(3, 3, 200.0, 8000.0, 255);
  ResponseCurve copied{};
  copied.fill(-250.0);
  copied[7] = 3.5;
  plot.Section(20).SetCurve(copied);
  // A gain beyond the curves' range: that section's curve is clamped.
  plot.Section(12).SetFilter(250.0, 1000.0, 1.0, BiquadGain);
  ASSERT_EQ(plot.Section(12).GetCurve()[100], -kCurveFloorDb);
  plot.DrawTotal(0);
  const ResponseCurve& total = plot.Section(Plot::kTotalSection).GetCurve();
  for (int k = 0; k < kFrequencyBinCount; ++k) {
    double sum = 0.0;
    for (int s = 0; s < Plot::kTotalSection; ++s) {
      sum += plot.Section(s).GetCurve()[k];
    }
    ASSERT_NEAR(total[k], sum, 1e-9) << k;
  }
}

TEST(Plot, phaseTotalIsFoldedIntoHalfTurnEitherSide) {
  struct Case {
    double sum;
    double folded;
  };
  const Case cases[] = {{25.0, -11.0}, {-25.0, 11.0}, {18.0, 18.0}, {-18.0, -18.0}, {60.0, -12.0},
                        {-60.0, 12.0}, {170.0, -10.0}, {5.0, 5.0}};
  RecordingTarget target;
  Plot plot(target);
  plot.SetPhaseMode(true);
  for (const Case& c : cases) {
    ResponseCurve curve;
    curve.fill(0.0);
    for (int s = 1; s < 33; ++s) {
      plot.Section(s).SetCurve(curve);
    }
    curve.fill(c.sum);
    plot.Section(0).SetCurve(curve);
    plot.DrawTotal(0);
    EXPECT_NEAR(plot.Section(33).GetCurve()[100], c.folded, 1e-9) << c.sum;
  }
}

TEST(Plot, bandMarkerSitsAtTheSectionFrequencyInItsMarkerColour) {
  RecordingTarget target;
  Plot plot(target);
  plot.Section(15).SetFilter(-3.5, 1000.0, 2.0, 1);
  plot.DrawBandMarker(15, -3.5, 2);
  EXPECT_EQ(target.calls, (std::vector<std::string>{"DrawBlock", "SetBlockParameter"}));
  EXPECT_EQ(target.blockY, -3.5);
  EXPECT_NEAR(target.blockX, std::log10(1000.0) / std::log10(48000.0) * 4096.0, 1e-12);
  EXPECT_EQ(target.blockColour, RGB(0xFF, 0xFF, 0x00));
  EXPECT_EQ(target.blockIndex, 15);
  EXPECT_FALSE(target.blockHidden);
  EXPECT_EQ(target.blockShape, 2);
  EXPECT_EQ(target.parameterIndex, 15);
  EXPECT_EQ(target.parameterFrequency, 1000.0);
  EXPECT_EQ(target.parameterGain, -3.5);
  EXPECT_EQ(target.parameterQ, 2.0);
  EXPECT_EQ(target.parameterCode, 1);

  plot.DrawBandMarker(0, 0.0, 1);
  EXPECT_EQ(target.blockColour, RGB(0xFF, 0x00, 0x00));
  plot.DrawBandMarker(48, 0.0, 1);
  plot.DrawBandMarker(-1, 0.0, 1);
  EXPECT_EQ(target.calls.size(), 4u);
}

TEST(Plot, sectionFillShowsTheSelectedBandOrOnlyHidesIt) {
  RecordingTarget target;
  Plot plot(target);
  plot.Section(0).SetFilter(6.0, 250.0, 1.5, 1);
  plot.DrawSectionFill(4, -2, 6.0, 1.5, true);
  EXPECT_EQ(target.calls,
            (std::vector<std::string>{"DrawParam", "DrawCurveFill", "SetCurveDisplay(true)"}));
  EXPECT_EQ(target.paramType, 4);
  EXPECT_EQ(target.paramGain, 6.0);
  EXPECT_NEAR(target.paramX, std::log10(250.0) / std::log10(48000.0) * 4096.0, 1e-12);
  EXPECT_EQ(target.paramFrequency, 250.0f);
  EXPECT_EQ(target.paramQ, 1.5);
  EXPECT_EQ(target.paramColour, TColor(0xFFFF));
  EXPECT_EQ(target.fillType, 4);
  EXPECT_EQ(target.fill, std::vector<double>(plot.Section(0).GetCurve().begin(), plot.Section(0).GetCurve().end()));

  target.calls.clear();
  plot.DrawSectionFill(1, 0, 0.0, 0.4, false);
  EXPECT_EQ(target.calls, (std::vector<std::string>{"SetCurveDisplay(false)"}));
}

TEST(Plot, drawAndRemoveCurvesByNumber) {
  RecordingTarget target;
  Plot plot(target);
  plot.Section(40).SetFilter(3.0, 500.0, 1.0, 1);
  plot.DrawSection(40, clWhite);
  ASSERT_EQ(target.curves.size(), 1u);
  EXPECT_EQ(target.curves[0].id, 40);
  EXPECT_EQ(target.curves[0].colour, clWhite);
  EXPECT_NEAR(*std::max_element(target.curves[0].values.begin(), target.curves[0].values.end()), 3.0, 0.01);
  plot.RemoveCurve(40);
  EXPECT_EQ(target.removed, std::vector<int>{40});
  plot.DrawSection(48, clWhite);
  EXPECT_EQ(target.curves.size(), 1u);
}

TEST(Plot, phaseModeAppliesOnlyFromTheNextComputation) {
  RecordingTarget target;
  Plot plot(target);
  plot.Section(0).SetFilter(0.0, 1000.0, 0.71, 5);
  const ResponseCurve before = plot.Section(0).GetCurve();
  plot.SetPhaseMode(true);
  EXPECT_TRUE(plot.GetPhaseMode());
  EXPECT_TRUE(plot.Section(47).GetPhaseMode());
  EXPECT_EQ(plot.Section(0).GetCurve(), before);
  plot.Section(0).SetFilter(0.0, 1000.0, 0.71, 5);
  EXPECT_NEAR(plot.Section(0).GetCurve()[2625], -9.0, 0.01);

  plot.SetRemoveFirLatency(true);
  EXPECT_TRUE(plot.GetRemoveFirLatency());
  EXPECT_TRUE(plot.Section(30).GetRemoveFirLatency());
}

TEST(Plot, sectionIndexOutsideTheSectionsIsRefusedInEveryBuild) {
  RecordingTarget target;
  Plot plot(target);
  const Plot& constPlot = plot;
  for (const int index : {-1, plot.GetSectionCount()}) {
    EXPECT_THROW(plot.Section(index), std::out_of_range) << index;
    EXPECT_THROW(constPlot.Section(index), std::out_of_range) << index;
  }
  EXPECT_NO_THROW(plot.Section(plot.GetSectionCount() - 1));
}

TEST(PlotSection, failedDesignsKeepTheSectionsPreviousCoefficients) {
  PlotSection section;
  section.SetFilter(6.0, 1000.0, 1.0, 1);
  const ResponseCurve peak = section.GetCurve();
  section.SetFilter(0.0, 200.0, 1.0, 0);
  EXPECT_EQ(section.GetType(), 0);
  EXPECT_EQ(section.GetFrequency(), 200.0);
  EXPECT_EQ(section.GetCurve(), peak);

  section.SetFirDesign(1, 3, 0.0, 2000.0, 512);
  const ResponseCurve lowPass = section.GetCurve();
  section.SetFirDesign(1, 11, 0.0, 8000.0, 256);
  EXPECT_EQ(section.GetFirWindow(), 11);
  EXPECT_EQ(section.GetFirTaps(), 256);
  EXPECT_EQ(section.GetCurve(), lowPass);
}

TEST(PlotSection, coefficientCountIsLimitedToTheTransformLength) {
  std::vector<float> taps(5000, 0.0f);
  taps[0] = 1.0f;
  PlotSection section;
  section.SetFirTaps(taps.data(), 5000);
  EXPECT_EQ(section.GetFirTaps(), 4096);
  for (const double v : section.GetCurve()) {
    ASSERT_EQ(v, 0.0);
  }
}

TEST(PlotSection, everyNewSectionStartsAsItsOwnFlatShelf) {
  PlotSection reference;
  reference.SetFilter(0.0, 1000.0, 0.4, BiquadHighShelf);
  PlotSection first;
  EXPECT_EQ(first.GetType(), BiquadHighShelf);
  EXPECT_EQ(first.GetFrequency(), 1000.0);
  EXPECT_EQ(first.GetGain(), 0.0);
  EXPECT_EQ(first.GetQ(), 0.4);
  EXPECT_EQ(first.GetCurve(), reference.GetCurve());
  // A change to one section leaves the next new one as it was.
  first.SetPhaseMode(true);
  first.SetFilter(6.0, 100.0, 1.0, 1);
  const PlotSection second;
  EXPECT_FALSE(second.GetPhaseMode());
  EXPECT_EQ(second.GetGain(), 0.0);
  EXPECT_EQ(second.GetCurve(), reference.GetCurve());
}
