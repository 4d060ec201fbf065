#include <benchmark/benchmark.h>

#include "app/TfmMain.h"
#include "bench/support/BenchApplication.h"
#include "components/LMyFFTDrawHpLp6dB.h"
#include "link/LinkTransportFactory.h"
#include "platform/threads/TTimer.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/combo/TRzComboBox.h"
#include "widgets/trackbar/TAdvTrackBar.h"
#include "widgets/vr/TVrPowerButton.h"

namespace {

/// The Out1 page on screen with band 4 chosen and the five other outputs'
/// curves shown over it.
struct Out1Page {
  LinkTransportFactory factory;
  TfmMain window{factory, nullptr};
  LMyFFTDrawHpLp6dB* plot = nullptr;
  TTimer* eqCurve = nullptr;

  Out1Page() {
    window.show();
    window.Controls().Find<TRzBmpButton>(QStringLiteral("rzbMenuOut1"))->Click();
    window.Controls().Find<TRzBmpButton>(QStringLiteral("rzbEq4Out1"))->Click();
    for (int other = 2; other <= 6; ++other) {
      window.MarkCurveOverlayDirty(other + 2);
      auto* toggle = window.Controls().Find<TVrPowerButton>(QStringLiteral("vrbShow%1Out1").arg(other));
      toggle->SetActive(true);
    }
    window.RefreshChannelOverlayCurves(3);
    plot = window.Controls().Find<LMyFFTDrawHpLp6dB>(QStringLiteral("fftDrawOut1"));
    eqCurve = window.Controls().Find<TTimer>(QStringLiteral("tmEqCurve"));
  }
};

// One gain step of the chosen band, from the track bar through the curve
// timer (store, send, curve, markers, fill) to the repainted plot; the goal
// is at most 2 ms median in a Release build.
void BM_BandGainEditToRepaintedPlot(benchmark::State& state) {
  EnsureBenchApplication();
  Out1Page page;
  auto* gain = page.window.Controls().Find<TAdvTrackBar>(QStringLiteral("isEqGainOut1"));
  int step = 0;
  for (auto _ : state) {
    gain->SetPosition(150 + (step++ & 1));
    page.eqCurve->OnTimer(page.eqCurve);
    page.plot->repaint();
  }
}
BENCHMARK(BM_BandGainEditToRepaintedPlot)->Unit(benchmark::kMillisecond);

// A slope change of the low cut: the crossover assembled from its
// sections, stored, sent and shown; the same goal.
void BM_LowCutSlopeChangeToRepaintedPlot(benchmark::State& state) {
  EnsureBenchApplication();
  Out1Page page;
  auto* slope = page.window.Controls().Find<TRzComboBox>(QStringLiteral("rzcLowCutSlopOut1"));
  int step = 0;
  for (auto _ : state) {
    slope->SetItemIndex((step++ & 1) != 0 ? 9 : 19);
    slope->OnChange(slope);
    page.plot->repaint();
  }
}
BENCHMARK(BM_LowCutSlopeChangeToRepaintedPlot)->Unit(benchmark::kMillisecond);

}  // namespace
