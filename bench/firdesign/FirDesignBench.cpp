#include <cmath>
#include <string>

#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

#include "firdesign/FirDesignControls.h"
#include "firdesign/FirDesignEngine.h"
#include "firdesign/FirDesignView.h"

namespace {

class AllDown : public FirDesignControls {
public:
  bool IsDown(FirDesignSwitch) const override { return true; }
  FirDesignBand Band(int band) const override { return {250.0 * (band + 1), band % 2 ? -3.0 : 2.0, 1.4, band % 3, false}; }
};

class NullView : public FirDesignView {
public:
  void ShowCurve(int, const double* x, const double* y, int) override {
    benchmark::DoNotOptimize(x);
    benchmark::DoNotOptimize(y);
  }
  void ShowImportGain(int, const QString&) override {}
  void ShowImportDelay(int, const QString&) override {}
  void ShowMeasurementName(const QString&) override {}
  void ShowTargetName(const QString&) override {}
  void ShowFirName(const QString&) override {}
  void ShowInformation(const char*) override {}
};

/// A measured loudspeaker of 400 records from 20 Hz to 20 kHz.
QString WriteMeasurement(const QTemporaryDir& dir) {
  std::string text = "Frequency Magnitude Phase Coherence\n";
  for (int i = 0; i < 400; ++i) {
    const double f = 20.0 * std::pow(1000.0, i / 399.0);
    const double level = -6.0 - 12.0 * std::exp(-f / 80.0) + 3.0 * std::sin(std::log(f) * 2.0);
    const double phase = std::remainder(-360.0 * f * 0.0008, 360.0);
    text += QString::asprintf("%.2f %.2f %.2f 0.95\n", f, level, phase).toStdString();
  }
  const QString path = dir.filePath("speaker.txt");
  QFile file(path);
  if (file.open(QIODevice::WriteOnly)) {
    file.write(text.data(), static_cast<qint64>(text.size()));
  }
  return path;
}

/// A designer of 2048 taps with smoothing 1/6 that has imported a measurement.
struct ImportedDesign {
  ImportedDesign() {
    engine.SetDesignTaps(2048);
    engine.SetDesignOutputDelay(1024);
    engine.SetSmoothingHalfWidth(FirDesignEngine::SmoothingHalfWidthOfItem(4));
    imported = engine.ImportMeasurement(WriteMeasurement(dir));
  }

  /// The design chain after an edit.
  void Recompute() {
    engine.BuildDesignTarget();
    engine.SmoothDesignTarget();
    engine.SynthesizeFir();
    engine.ShowPredictedResult();
    benchmark::DoNotOptimize(engine.DesignCoefficients().data());
  }

  QTemporaryDir dir;
  AllDown controls;
  NullView view;
  FirDesignEngine engine{controls, view};
  bool imported = false;
};

// One recompute of the design after an edit: target, smoothing, synthesis
// of 2048 taps and the predicted result.
void BM_FullDesign(benchmark::State& state) {
  ImportedDesign design;
  if (!design.imported) {
    state.SkipWithError("measurement refused");
    return;
  }
  for (auto _ : state) {
    design.Recompute();
  }
}
BENCHMARK(BM_FullDesign)->Unit(benchmark::kMillisecond);

// One equaliser step: the ten bands on the grid, then the design.
void BM_EqStep(benchmark::State& state) {
  ImportedDesign design;
  if (!design.imported) {
    state.SkipWithError("measurement refused");
    return;
  }
  for (auto _ : state) {
    design.engine.ComputeEqCurve();
    design.Recompute();
  }
}
BENCHMARK(BM_EqStep)->Unit(benchmark::kMillisecond);

}  // namespace
