#include "firdesign/FirDesignEngine.h"

#include <algorithm>
#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "tests/firdesign/FirDesignFakes.h"
#include "tests/firdesign/ResponseFileWriter.h"

namespace {

class FirDesignTarget : public ::testing::Test {
protected:
  FakeFirDesignControls controls;
  RecordingFirDesignView view;
  FirDesignEngine engine{controls, view};
  ResponseFileWriter files;
};

}  // namespace

TEST_F(FirDesignTarget, AutoGain_takesBackTheMeanLevelAbove100Hz) {
  const struct {
    const char* records;
    int position;
    const char* text;
  } cases[] = {
      {"50 -30 0\n100 -50 0\n200 -6 0\n1000 -6 0\n5000 -6 0\n6000 99 0\n", 180, "+6.0dB"},
      {"200 -6.05 0\n1000 -6.05 0\n5000 0 0\n", 180, "+6.0dB"},  // 60.5 steps cut toward zero
      {"200 0.37 0\n1000 0.37 0\n5000 0 0\n", 117, "-0.3dB"},
      {"200 -20 0\n1000 -20 0\n5000 0 0\n", 240, "+12.0dB"},
      {"200 20 0\n1000 20 0\n5000 0 0\n", 0, "-12.0dB"},
      {"20 -9 0\n50 -9 0\n100 -9 0\n5000 0 0\n", 120, "+0.0dB"},  // no point above 100 Hz
  };
  controls.Set(FirDesignSwitch::AutoGain, true);
  for (const auto& c : cases) {
    ASSERT_TRUE(engine.ImportMeasurement(files.Write("m.txt", c.records))) << c.records;
    EXPECT_EQ(engine.ImportGainPosition(), c.position) << c.records;
    EXPECT_EQ(view.gainPosition, c.position) << c.records;
    EXPECT_EQ(view.gainText, c.text) << c.records;
    EXPECT_EQ(engine.ImportGain(), static_cast<float>((c.position - 120) * 0.1)) << c.records;
  }
}

TEST_F(FirDesignTarget, AutoGainOfAFlatLevel_leavesNoDesignMagnitudeInTheRange) {
  controls.Set(FirDesignSwitch::AutoGain, true);
  controls.Set(FirDesignSwitch::MagnitudeRange, true);
  ASSERT_TRUE(engine.ImportMeasurement(files.WriteFlat("m.txt", -6.0)));
  EXPECT_EQ(view.gainText, "+6.0dB");
  const auto& f = engine.LogFrequencyGrid();
  for (int k = 0; k < FirDesignEngine::kPoints; ++k) {
    const bool inRange = f[k] >= 500.0 && f[k] <= 20158.0;
    if (inRange) {
      ASSERT_NEAR(engine.DesignMagnitude()[k], 0.0, 1e-6) << f[k];
    } else if (f[k] < 499.0 || f[k] > 20159.0) {
      ASSERT_EQ(engine.DesignMagnitude()[k], 0.0) << f[k];
    }
  }
  EXPECT_NEAR(engine.MeasuredMagnitude()[100] + engine.ImportGain(), 0.0, 1e-6);
}

TEST_F(FirDesignTarget, AutoDelay_movesTheImpulsePeakToSampleZero) {
  ASSERT_TRUE(engine.ImportMeasurement(files.WriteDelay("d.txt", 5.0, 300, 12000.0)));
  const FirDesignEngine::Curve imported = engine.MeasuredPhase();

  engine.ApplyAutoDelay();
  EXPECT_EQ(engine.ImportDelay(), -300.0f);
  EXPECT_EQ(view.delayPosition, -300);
  EXPECT_EQ(view.delayText, "-3.12ms");
  engine.CompensateImportDelay();
  // Without the delay the phase is flat; the records' wrapped phase leaves
  // small errors where it is interpolated across a wrap.
  const auto& f = engine.LogFrequencyGrid();
  double sum = 0.0;
  int count = 0;
  for (int k = 0; k < FirDesignEngine::kPoints; ++k) {
    if (f[k] > 200.0 && f[k] < 10000.0) {
      ASSERT_LT(std::abs(engine.MeasuredPhase()[k]), 10.0) << f[k];
      sum += std::abs(engine.MeasuredPhase()[k]);
      ++count;
    }
  }
  EXPECT_LT(sum / count, 2.0);

  // Delay 0 gives back exactly the phase as imported.
  engine.SetImportDelay(0);
  EXPECT_EQ(view.delayText, "0.000ms");
  engine.CompensateImportDelay();
  EXPECT_EQ(engine.MeasuredPhase(), imported);
}

TEST_F(FirDesignTarget, SetImportDelay_keepsTheDelayWithinTheHolderRange) {
  const struct {
    int samples;
    float delay;
    const char* text;
  } cases[] = {{120, 120.0f, "1.250ms"}, {-961, -960.0f, "-10.000ms"}, {4095, 960.0f, "10.000ms"}};
  for (const auto& c : cases) {
    engine.SetImportDelay(c.samples);
    EXPECT_EQ(engine.ImportDelay(), c.delay);
    EXPECT_EQ(view.delayText, c.text);
  }
}

TEST_F(FirDesignTarget, EqCurve_countsActiveBandsOnlyAndBypassKeepsItOutOfTheTarget) {
  controls.Set(FirDesignSwitch::MagnitudeRange, true);
  ASSERT_TRUE(engine.ImportMeasurement(files.WriteFlat("m.txt", 0.0)));
  engine.ComputeEqCurve();
  EXPECT_TRUE(std::all_of(engine.EqMagnitude().begin(), engine.EqMagnitude().end(),
                          [](double v) { return std::abs(v) < 1e-12; }))
      << "flat peaking bands";

  controls.bands[0] = {1000.0, 6.0, 2.0, 0, true};   // bypassed
  controls.bands[1] = {1000.0, 6.0, 2.0, -1, false};  // no type chosen
  engine.ComputeEqCurve();
  EXPECT_TRUE(std::all_of(engine.EqMagnitude().begin(), engine.EqMagnitude().end(),
                          [](double v) { return std::abs(v) < 1e-12; }));

  controls.bands[0].bypassed = false;
  engine.ComputeEqCurve();
  const int at1k = static_cast<int>(std::lround(std::log10(1000.0) / std::log10(48000.0) * 4096));
  EXPECT_NEAR(engine.EqMagnitude()[at1k], 6.0, 0.01);
  engine.BuildDesignTarget();
  EXPECT_NEAR(engine.DesignMagnitude()[at1k], -engine.EqMagnitude()[at1k], 1e-12);
  EXPECT_EQ(view.curves.at(FirDesignView::PeqMagnitude).y[at1k], engine.EqMagnitude()[at1k]);

  engine.SetEqBypassed(true);
  engine.ComputeEqCurve();
  engine.BuildDesignTarget();
  EXPECT_NEAR(engine.EqMagnitude()[at1k], 6.0, 0.01) << "still computed";
  EXPECT_EQ(view.curves.at(FirDesignView::PeqMagnitude).y[at1k], 0.0);
  EXPECT_NEAR(engine.DesignMagnitude()[at1k], 0.0, 1e-12);
}

TEST_F(FirDesignTarget, Ranges_limitEachCurveAndAreEmptyWhenReversed) {
  controls.Set(FirDesignSwitch::MagnitudeRange, true);
  controls.Set(FirDesignSwitch::PhaseRange, true);
  ASSERT_TRUE(engine.ImportMeasurement(files.Write("m.txt", "10 3 30\n40000 3 30\n45000 3 30\n")));
  engine.SetMagnitudeRange(200, 100);
  engine.SetPhaseRange(140, 300);
  engine.BuildDesignTarget();
  const auto& f = engine.LogFrequencyGrid();
  for (int k = 0; k < FirDesignEngine::kPoints; ++k) {
    ASSERT_EQ(engine.DesignMagnitude()[k], 0.0) << f[k];
    const bool inside = f[k] >= static_cast<float>(500.0) && f[k] <= static_cast<float>(20158.74);
    if (f[k] < 499.9 || f[k] > 20159.0 || inside) {
      ASSERT_EQ(engine.DesignPhase()[k], inside ? 30.0 : 0.0) << f[k];
    }
  }
  EXPECT_EQ(view.curves.at(FirDesignView::ExceptPhase).y[2000], -engine.DesignPhase()[2000]);
}

TEST_F(FirDesignTarget, Smoothing_copiesWhenOffAndSmoothsOverTheChosenWidth) {
  const int widths[] = {0, 96, 48, 32, 16, 8, 7, 6, 0};
  for (int item = 0; item < 9; ++item) {
    EXPECT_EQ(FirDesignEngine::SmoothingHalfWidthOfItem(item), widths[item]) << item;
  }
  controls.Set(FirDesignSwitch::MagnitudeRange, true);
  ASSERT_TRUE(engine.ImportMeasurement(files.Write("m.txt", "10 0 0\n999 0 0\n1000 12 0\n1001 0 0\n40000 0 0\n45000 0 0\n")));
  EXPECT_EQ(engine.SmoothedMagnitude(), engine.DesignMagnitude());

  engine.SetSmoothingHalfWidth(FirDesignEngine::SmoothingHalfWidthOfItem(1));
  engine.SmoothDesignTarget();
  // A spike at one grid point spreads over the window of 193 points.
  const auto& design = engine.DesignMagnitude();
  const int spike = static_cast<int>(std::max_element(design.begin(), design.end()) - design.begin());
  EXPECT_NEAR(engine.SmoothedMagnitude()[spike + 96], design[spike] / 193.0, 1e-9);
  EXPECT_NEAR(engine.SmoothedMagnitude()[spike - 96], design[spike] / 193.0, 1e-9);
  EXPECT_NEAR(engine.SmoothedMagnitude()[spike + 97], 0.0, 1e-12);
  EXPECT_TRUE(view.curves.at(FirDesignView::ResultMagnitude).y.empty());
}
