#include <filesystem>

#include <benchmark/benchmark.h>

#include "bench/support/BenchApplication.h"
#include "firdesign/DesignedFirReceiver.h"
#include "firdesign/FirDesignEngine.h"
#include "firdesign/FirDesignForm.h"
#include "firdesign/IFirDesignHost.h"
#include "firdesign/TfmFirDesign.h"
#include "platform/widgets/FileChooser.h"
#include "plot/core/TiPlot.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/buttons/TRzButton.h"
#include "widgets/smooth/TCurvyEdit.h"

namespace {

/// A main window that shows and keeps nothing.
class QuietHost : public IFirDesignHost, public DesignedFirReceiver {
public:
  QString LookUpText(const QString& key) const override { return key; }
  void ShowInformation(const QString&) override {}
  void ConfirmEqReset(int) override {}
  void ConfirmFirDownload() override {}
  DesignedFirReceiver& FirReceiver() override { return *this; }
  void ApplyInputFir(int, int, const QByteArray&, const double*) override {}
  void ApplyOutputFir(int, int, const QByteArray&, const double*) override {}
};

/// The tests' fixture measurement: below KRV_TEST_FIXTURES when it is set
/// (as for the tests), else beside this source.
QString Fixture() {
  const QString root = qEnvironmentVariable("KRV_TEST_FIXTURES");
  if (!root.isEmpty()) {
    return root + QStringLiteral("/firdesign/fixtures/mainleft.txt");
  }
  const std::filesystem::path here = std::filesystem::path(__FILE__).parent_path();
  return QString::fromStdString((here / "../../tests/firdesign/fixtures/mainleft.txt").lexically_normal().string());
}

/// The designer on screen with the fixture imported, the magnitude range on.
struct ShownDesigner {
  ShownDesigner() {
    designer.show();
    FileChooser::SetHook([](const FileChoice&) -> std::optional<QString> { return Fixture(); });
    designer.Form().sbOpenFirFile->Click();
    FirDesignForm& c = designer.Form();
    c.rzbFirMagRangeOnOff->SetDown(true);
    c.rzbFirMagRangeOnOff->Click();
    c.rzbFirEq[5]->Click();
  }
  ~ShownDesigner() { FileChooser::SetHook({}); }

  bool Imported() { return designer.Engine().DesignFirName() == QByteArrayLiteral("mainleft"); }

  /// Widgets need the application before the designer is made.
  bool application = (EnsureBenchApplication(), true);
  QuietHost host;
  TfmFirDesign designer{host};
};

// One equaliser key step (gain up or down on band 6) through the dialog:
// the band, the design chain and the repainted plot. Goal: one frame at
// 60 Hz (16 ms).
void BM_EqKeyStepToRepaintedPlot(benchmark::State& state) {
  ShownDesigner shown;
  if (!shown.Imported()) {
    state.SkipWithError("fixture not found: set KRV_TEST_FIXTURES to the tests folder");
    return;
  }
  FirDesignForm& c = shown.designer.Form();
  bool up = true;
  for (auto _ : state) {
    WORD key = up ? VK_UP : VK_DOWN;
    shown.designer.cvdFirEqParamKeyDown(c.cvdFirEqParam, key, {});
    c.fftFirDraw->repaint();
    up = !up;
  }
}
BENCHMARK(BM_EqKeyStepToRepaintedPlot)->Unit(benchmark::kMillisecond);

// An import of the fixture measurement through the open button to the
// repainted plot. Goal: 50 ms.
void BM_ImportToRepaintedPlot(benchmark::State& state) {
  ShownDesigner shown;
  if (!shown.Imported()) {
    state.SkipWithError("fixture not found: set KRV_TEST_FIXTURES to the tests folder");
    return;
  }
  FirDesignForm& c = shown.designer.Form();
  for (auto _ : state) {
    c.sbOpenFirFile->Click();
    c.fftFirDraw->repaint();
  }
}
BENCHMARK(BM_ImportToRepaintedPlot)->Unit(benchmark::kMillisecond);

}  // namespace
