#include "firdesign/FirDesignEngine.h"

#include <cmath>
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "tests/dsp/CsvFixture.h"
#include "tests/firdesign/FirDesignFakes.h"
#include "tests/support/FixturePath.h"

namespace {

// CsvFixture looks in tests/dsp/fixtures; ours live beside these tests.
CsvFixture Golden(const std::string& name) {
  return CsvFixture("../../firdesign/fixtures/" + name);
}

QString Fixture(const std::string& name) {
  return QString::fromStdString(FixturePath("firdesign/fixtures/" + name));
}

/// The scenario of tools/firdesignref/make_fixtures.py: every switch down,
/// three active bands and a bypassed one, smoothing 1/6, 512 taps with the
/// time zero at tap 200, the target read before the measurement. The
/// equaliser is set before the first import, so the import's new grid must
/// carry it over.
class FirDesignGolden : public ::testing::Test {
protected:
  void SetUp() override {
    for (FirDesignSwitch s : {FirDesignSwitch::AutoGain, FirDesignSwitch::AutoDelay, FirDesignSwitch::MagnitudeRange,
                              FirDesignSwitch::PhaseRange, FirDesignSwitch::Target}) {
      controls.Set(s, true);
    }
    controls.bands[0] = {1000.0, 3.0, 2.0, 0, false};
    controls.bands[1] = {100.0, -4.0, 0.71, 1, false};
    controls.bands[2] = {8000.0, -2.5, 0.71, 2, false};
    controls.bands[3] = {40.0, 0.0, 0.71, 6, false};
    controls.bands[4] = {5000.0, 6.0, 3.0, 0, true};
    for (int b = 5; b < FirDesignControls::kBandCount; ++b) {
      controls.bands[b] = {1000.0, 0.0, 3.0, 0, false};
    }
    engine.SetSmoothingHalfWidth(FirDesignEngine::SmoothingHalfWidthOfItem(4));
    engine.SetDesignTaps(512);
    engine.SetDesignOutputDelay(200);
    engine.ComputeEqCurve();
    ASSERT_TRUE(engine.ImportTarget(Fixture("target.txt")));
    ASSERT_TRUE(engine.ImportMeasurement(Fixture("measurement.txt")));
  }

  FakeFirDesignControls controls;
  RecordingFirDesignView view;
  FirDesignEngine engine{controls, view};
};

void ExpectCurve(const CsvFixture& golden, const std::string& column, const FirDesignEngine::Curve& actual,
                 double tolerance) {
  for (std::size_t r = 0; r < golden.Rows(); ++r) {
    const int k = static_cast<int>(golden(r, "index"));
    const double expected = golden(r, column);
    ASSERT_NEAR(actual[k], expected, tolerance * std::max(1.0, std::abs(expected))) << column << " at " << k;
  }
}

}  // namespace

TEST_F(FirDesignGolden, AutomaticGainAndDelay_matchTheReference) {
  const CsvFixture scalars = Golden("design_scalars.csv");
  EXPECT_EQ(engine.PointCount(), static_cast<int>(scalars(0, "point_count")));
  EXPECT_EQ(engine.ImportGainPosition(), static_cast<int>(scalars(0, "gain_position")));
  EXPECT_EQ(engine.ImportGain(), static_cast<float>(scalars(0, "import_gain")));
  EXPECT_EQ(engine.ImportDelay(), static_cast<float>(scalars(0, "import_delay")));
  EXPECT_EQ(view.gainText, "+10.6dB");
  EXPECT_EQ(view.delayPosition, -119);
  EXPECT_EQ(view.delayText, "-1.24ms");
}

TEST_F(FirDesignGolden, Curves_matchTheReference) {
  const CsvFixture curves = Golden("design_curves.csv");
  ExpectCurve(curves, "grid", engine.LogFrequencyGrid(), 1e-13);
  ExpectCurve(curves, "measured_mag", engine.MeasuredMagnitude(), 1e-12);
  ExpectCurve(curves, "measured_phase", engine.MeasuredPhase(), 1e-9);
  ExpectCurve(curves, "target_mag", engine.TargetMagnitude(), 1e-12);
  ExpectCurve(curves, "target_phase", engine.TargetPhase(), 1e-12);
  ExpectCurve(curves, "impulse", engine.MeasuredImpulse(), 1e-12);
  ExpectCurve(curves, "eq_mag", engine.EqMagnitude(), 1e-10);
  ExpectCurve(curves, "design_mag", engine.DesignMagnitude(), 1e-10);
  ExpectCurve(curves, "design_phase", engine.DesignPhase(), 1e-9);
  ExpectCurve(curves, "smoothed_mag", engine.SmoothedMagnitude(), 1e-9);
  ExpectCurve(curves, "smoothed_phase", engine.SmoothedPhase(), 1e-9);
  ExpectCurve(curves, "fir_mag", engine.FirMagnitude(), 1e-8);
  ExpectCurve(curves, "fir_phase", engine.FirPhase(), 1e-7);
  ExpectCurve(curves, "predicted_mag", engine.PredictedMagnitude(), 1e-8);
  ExpectCurve(curves, "predicted_phase", engine.PredictedPhase(), 1e-7);
}

TEST_F(FirDesignGolden, Coefficients_matchTheReferenceAndEndAtTheTapCount) {
  const CsvFixture taps = Golden("design_coefficients.csv");
  ASSERT_EQ(taps.Rows(), 512u);
  for (std::size_t k = 0; k < taps.Rows(); ++k) {
    ASSERT_NEAR(engine.DesignCoefficients()[k], taps(k, "value"), 1e-10) << "tap " << k;
  }
  for (int k = 512; k < FirDesignEngine::kPoints; ++k) {
    ASSERT_EQ(engine.DesignCoefficients()[k], 0.0) << "tap " << k;
  }
}

TEST_F(FirDesignGolden, PlotChannels_showTheCurvesOnTheirGrids) {
  const auto& grid = engine.LogFrequencyGrid();
  const auto& bins = engine.BinFrequencyGrid();
  struct Shown {
    int channel;
    const FirDesignEngine::Curve* x;
    std::function<double(int)> y;
  };
  const Shown shown[] = {
      {FirDesignView::LoadMagnitude, &grid, [&](int k) { return engine.MeasuredMagnitude()[k] + engine.ImportGain(); }},
      {FirDesignView::LoadPhase, &grid, [&](int k) { return engine.MeasuredPhase()[k]; }},
      {FirDesignView::ExceptMagnitude, &grid, [&](int k) { return -engine.DesignMagnitude()[k]; }},
      {FirDesignView::ExceptPhase, &grid, [&](int k) { return -engine.DesignPhase()[k]; }},
      {FirDesignView::FirMagnitude, &bins, [&](int k) { return engine.FirMagnitude()[k]; }},
      {FirDesignView::FirPhase, &bins, [&](int k) { return engine.FirPhase()[k]; }},
      {FirDesignView::PeqMagnitude, &grid, [&](int k) { return engine.EqMagnitude()[k]; }},
      {FirDesignView::TargetMagnitude, &grid, [&](int k) { return engine.TargetMagnitude()[k]; }},
      {FirDesignView::TargetPhase, &grid, [&](int k) { return engine.TargetPhase()[k]; }},
      {FirDesignView::ResultMagnitude, &grid, [&](int k) { return engine.PredictedMagnitude()[k]; }},
      {FirDesignView::ResultPhase, &grid, [&](int k) { return engine.PredictedPhase()[k]; }},
  };
  for (const Shown& s : shown) {
    const RecordingFirDesignView::Points& points = view.curves.at(s.channel);
    ASSERT_EQ(points.x.size(), std::size_t(FirDesignEngine::kPoints)) << s.channel;
    for (int k = 0; k < FirDesignEngine::kPoints; k += 97) {
      EXPECT_EQ(points.x[k], (*s.x)[k]) << s.channel;
      EXPECT_EQ(points.y[k], s.y(k)) << s.channel << " at " << k;
    }
  }
}
