#include "firdesign/FirDesignEngine.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dsp/ComplexArray.h"
#include "tests/firdesign/FirDesignFakes.h"
#include "tests/firdesign/ResponseFileWriter.h"
#include "tests/support/FixturePath.h"

namespace {

QString ImportFixture(const std::string& name) {
  return QString::fromStdString(FixturePath("firdesign/fixtures/" + name));
}

bool AllZero(const FirDesignEngine::Curve& curve) {
  return std::all_of(curve.begin(), curve.end(), [](double v) { return v == 0.0; });
}

class FirDesignImport : public ::testing::Test {
protected:
  FakeFirDesignControls controls;
  RecordingFirDesignView view;
  FirDesignEngine engine{controls, view};
  ResponseFileWriter files;
};

/// Everything an import may change.
struct EngineState {
  explicit EngineState(const FirDesignEngine& e)
      : grid(e.LogFrequencyGrid()), magnitude(e.MeasuredMagnitude()), phase(e.MeasuredPhase()),
        target(e.TargetMagnitude()), impulse(e.MeasuredImpulse()), coefficients(e.DesignCoefficients()),
        tableFrequency(e.TableFrequency()), tableMagnitude(e.TableMagnitude()), count(e.PointCount()),
        gain(e.ImportGain()), delay(e.ImportDelay()), name(e.DesignFirName()) {}
  bool operator==(const EngineState&) const = default;

  FirDesignEngine::Curve grid, magnitude, phase, target, impulse, coefficients;
  std::vector<double> tableFrequency, tableMagnitude;
  int count;
  float gain, delay;
  QByteArray name;
};

}  // namespace

TEST_F(FirDesignImport, RefusedFiles_showTheMessageAndChangeNothing) {
  controls.Set(FirDesignSwitch::AutoGain, true);
  controls.Set(FirDesignSwitch::AutoDelay, true);
  controls.Set(FirDesignSwitch::Target, true);
  ASSERT_TRUE(engine.ImportMeasurement(ImportFixture("measurement.txt")));
  ASSERT_TRUE(engine.ImportTarget(ImportFixture("target.txt")));
  const EngineState before(engine);

  const QString refused[] = {
      ImportFixture("measurement.csv"),
      files.Write("short.txt", "20 -3 45\n"),
      files.Write("descending.txt", "100 -3 45\n50 -2 40\n200 0 0\n"),
      files.Write("cut.txt", "100 -3 45\n200 -2 40\n300 -1\n"),
      files.Write("empty.txt", ""),
      ImportFixture("no-such-file.txt"),
  };
  for (const QString& path : refused) {
    view = RecordingFirDesignView();
    EXPECT_FALSE(engine.ImportMeasurement(path)) << path.toStdString();
    EXPECT_EQ(view.information, QStringList{"SID_INFO_ERROR_UNIT"});
    EXPECT_EQ(view.measurementName, "FirFile");
    EXPECT_TRUE(view.curves.empty());
    EXPECT_TRUE(EngineState(engine) == before) << path.toStdString();

    view = RecordingFirDesignView();
    EXPECT_FALSE(engine.ImportTarget(path)) << path.toStdString();
    EXPECT_EQ(view.information, QStringList{"SID_INFO_ERROR_UNIT"});
    EXPECT_EQ(view.targetName, "FirFile");
    EXPECT_TRUE(EngineState(engine) == before) << path.toStdString();
  }
}

TEST_F(FirDesignImport, Measurement_keepsAllButTheLastRecordAndHoldsItsLevelTo48k) {
  ASSERT_TRUE(engine.ImportMeasurement(files.Write("m.txt", "100 -3 10\n1000 -6 20\n2000 -9 30\n5000 0 0\n")));
  EXPECT_EQ(engine.PointCount(), 3);
  EXPECT_EQ(engine.TableFrequency(), (std::vector<double>{100, 1000, 2000, 2010, 48000}));
  EXPECT_EQ(engine.TableMagnitude(), (std::vector<double>{-3, -6, -9, -9, -9}));
  EXPECT_EQ(engine.TablePhase(), (std::vector<double>{10, 20, 30, 30, 30}));

  const auto& f = engine.LogFrequencyGrid();
  EXPECT_DOUBLE_EQ(f[0], 1.0);
  EXPECT_NEAR(f[4095], 47873.85, 0.01);
  for (int k = 0; k < FirDesignEngine::kPoints; ++k) {
    const double expected = f[k] < 100.0    ? -3.0
                            : f[k] < 1000.0 ? -3.0 - 3.0 * (f[k] - 100.0) / 900.0
                            : f[k] < 2000.0 ? -6.0 - 3.0 * (f[k] - 1000.0) / 1000.0
                                            : -9.0;
    ASSERT_NEAR(engine.MeasuredMagnitude()[k], expected, 1e-12) << f[k];
  }
  EXPECT_EQ(view.curves.at(FirDesignView::LoadPhase).y, std::vector<double>(engine.MeasuredPhase().begin(), engine.MeasuredPhase().end()));
}

TEST_F(FirDesignImport, Target_returnsToFlatAboveItsLastButOneRecord) {
  ASSERT_TRUE(engine.ImportTarget(files.Write("t.txt", "100 -3 10 0.9\n1000 -6 20 0.8\n2000 -9 30 0.9\n5000 4 4 0.7\n")));
  const auto& f = engine.LogFrequencyGrid();
  for (int k = 0; k < FirDesignEngine::kPoints; ++k) {
    const double expected = f[k] < 100.0    ? -3.0
                            : f[k] < 1000.0 ? -3.0 - 3.0 * (f[k] - 100.0) / 900.0
                            : f[k] < 2000.0 ? -6.0 - 3.0 * (f[k] - 1000.0) / 1000.0
                            : f[k] < 2010.0 ? -9.0 + 9.0 * (f[k] - 2000.0) / 10.0
                                            : 0.0;
    ASSERT_NEAR(engine.TargetMagnitude()[k], expected, 1e-12) << f[k];
  }
  EXPECT_EQ(view.targetName, "t");
  EXPECT_EQ(engine.DesignFirName(), "FirName") << "a target names nothing";
  // The target switch is up: zero lines and no design.
  EXPECT_EQ(view.curves.at(FirDesignView::TargetMagnitude).y, std::vector<double>(FirDesignEngine::kPoints, 0.0));
  EXPECT_EQ(view.curves.count(FirDesignView::FirMagnitude), 0u);

  controls.Set(FirDesignSwitch::Target, true);
  ASSERT_TRUE(engine.ImportTarget(files.Write("t.txt", "100 -3 10\n1000 -6 20\n2000 -9 30\n5000 4 4\n")));
  EXPECT_EQ(view.curves.at(FirDesignView::TargetMagnitude).y,
            std::vector<double>(engine.TargetMagnitude().begin(), engine.TargetMagnitude().end()));
  EXPECT_EQ(view.curves.count(FirDesignView::FirMagnitude), 1u);
}

TEST_F(FirDesignImport, Names_areTheFileNameCutToEightBytesOfWholeCharacters) {
  const struct {
    QString file;
    QString name;
    QByteArray bytes;
  } cases[] = {
      {"Main L.txt", "Main L", "Main L"},
      {"Long measurement.v2.txt", "Long mea", "Long mea"},
      {QString::fromUtf8("abcdefg\u6d4b.txt"), "abcdefg", "abcdefg"},
      {QString::fromUtf8("\u6d4b\u8bd5\u6d4b\u8bd5\u6d4b.txt"), QString::fromUtf8("\u6d4b\u8bd5\u6d4b\u8bd5"),
       QByteArray("\xb2\xe2\xca\xd4\xb2\xe2\xca\xd4")},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(engine.ImportMeasurement(files.Write(c.file, "20 0 0\n40 0 0\n80 0 0\n")));
    EXPECT_EQ(view.measurementName, c.name);
    EXPECT_EQ(view.firName, c.name);
    EXPECT_EQ(engine.DesignFirName(), c.bytes);
  }
}

TEST_F(FirDesignImport, LongMeasurementWithLatePeak_growsTheTableAndBoundsTheWindow) {
  controls.Set(FirDesignSwitch::AutoDelay, true);
  ASSERT_TRUE(engine.ImportMeasurement(files.WriteDelay("late.txt", 5.0, 3000, 2000.0)));
  EXPECT_EQ(engine.PointCount(), 9598);
  EXPECT_EQ(engine.TableFrequency().back(), 48000.0);
  const auto& impulse = engine.MeasuredImpulse();
  EXPECT_TRUE(std::all_of(impulse.begin(), impulse.end(), [](double v) { return std::isfinite(v); }));
  EXPECT_EQ(IndexOfMax(impulse.data(), FirDesignEngine::kPoints), 3000);
  // The delay in force is the one the value holder shows.
  EXPECT_EQ(engine.ImportDelay(), -960.0f);
  EXPECT_EQ(view.delayPosition, -960);
  EXPECT_EQ(view.delayText, "-10.00ms");
}

TEST_F(FirDesignImport, ImpulsePeakingAtSampleZero_takesTheCircularWindowAroundIt) {
  ASSERT_TRUE(engine.ImportMeasurement(files.Write("flat.txt", "10 0 0\n1000 0 0\n40000 0 0\n45000 0 0\n")));
  // h is a unit impulse at 0; the circular window is nearly 1 there and 0
  // half-way round.
  const double window = 0.5 * (1.0 - std::cos(2.0 * M_PI * -2048.0 / 4095.0));
  EXPECT_NEAR(engine.MeasuredImpulse()[0], window, 1e-12);
  EXPECT_NEAR(engine.MeasuredImpulse()[2048], 0.0, 1e-12);
}

TEST_F(FirDesignImport, Clear_zeroesTheMeasurementAndResetsNameAndDelay) {
  controls.Set(FirDesignSwitch::PhaseRange, true);
  ASSERT_TRUE(engine.ImportMeasurement(files.WriteSampled("big.txt", 10.0, [](double) { return -6.0; },
                                                          [](double f) { return std::remainder(f / 10.0, 360.0); })));
  ASSERT_GT(engine.TableMagnitude().size(), 4096u);
  engine.SetImportDelay(120);
  engine.CompensateImportDelay();
  view = RecordingFirDesignView();

  engine.ClearMeasurement();
  EXPECT_TRUE(AllZero(engine.MeasuredMagnitude()));
  EXPECT_TRUE(AllZero(engine.MeasuredPhase()));
  EXPECT_TRUE(AllZero(engine.MeasuredImpulse()));
  EXPECT_TRUE(std::all_of(engine.TableMagnitude().begin(), engine.TableMagnitude().end(), [](double v) { return v == 0.0; }));
  EXPECT_TRUE(std::all_of(engine.TablePhase().begin(), engine.TablePhase().end(), [](double v) { return v == 0.0; }));
  EXPECT_EQ(engine.ImportGain(), 0.0f);
  EXPECT_EQ(view.gainText, "+0.0dB");
  EXPECT_EQ(engine.ImportDelay(), 0.0f);
  EXPECT_EQ(view.delayPosition, 0);
  EXPECT_EQ(view.delayText, "0.00ms");
  EXPECT_EQ(view.measurementName, "FileName");
  EXPECT_EQ(view.firName, "FileName");
  EXPECT_EQ(engine.DesignFirName(), "FileName");
  EXPECT_TRUE(AllZero(engine.DesignPhase()));

  // A later delay of 0 does not bring the cleared phase back.
  engine.SetImportDelay(96);
  engine.CompensateImportDelay();
  engine.SetImportDelay(0);
  engine.CompensateImportDelay();
  EXPECT_TRUE(AllZero(engine.MeasuredPhase()));
}

TEST_F(FirDesignImport, FirstImport_carriesTheEqualiserOverToItsGrid) {
  controls.bands[0] = {1000.0, 6.0, 2.0, 0, false};
  engine.ComputeEqCurve();
  ASSERT_TRUE(engine.ImportMeasurement(files.WriteFlat("m.txt", 0.0)));
  const auto& f = engine.LogFrequencyGrid();
  const auto at1k = std::lower_bound(f.begin(), f.end(), 1000.0) - f.begin();
  EXPECT_NEAR(engine.EqMagnitude()[at1k], 6.0, 0.01);
  EXPECT_EQ(view.curves.at(FirDesignView::PeqMagnitude).x[at1k], f[at1k]);
}
