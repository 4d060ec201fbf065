#include <benchmark/benchmark.h>

#include "app/TfmMain.h"
#include "bench/support/BenchApplication.h"
#include "components/LMyFFTDrawHpLp6dB.h"
#include "link/LinkTransportFactory.h"
#include "plot/core/TiXYPlot.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/trackbar/TAdvTrackBar.h"

namespace {

/// The window with one dynamics page on screen.
struct DynamicsPage {
  LinkTransportFactory factory;
  TfmMain window{factory, nullptr};

  explicit DynamicsPage(const char* pageButton) {
    window.show();
    window.Controls().Find<TRzBmpButton>(QLatin1String(pageButton))->Click();
  }
  template <class T>
  T* Find(const char* name) {
    return window.Controls().Find<T>(QLatin1String(name));
  }
};

// One redraw of the compressor panel: the side-chain curve computed and
// drawn, the transfer curve replaced, both plots repainted. Goal: at most
// 5 ms median in a Release build.
void BM_CompressorPanelRedraw(benchmark::State& state) {
  EnsureBenchApplication();
  DynamicsPage page("rzbMenuComp");
  page.Find<TAdvTrackBar>("isCompEqTypeInA")->SetPosition(2);
  auto* frequency = page.Find<TAdvTrackBar>("isCompEqFreqInA");
  auto* transfer = page.Find<TiXYPlot>("ipComp");
  auto* sideChain = page.Find<LMyFFTDrawHpLp6dB>("fftDrawCompEq");
  int step = 0;
  for (auto _ : state) {
    frequency->SetPosition(150 + (step++ & 1));
    page.window.RefreshCompressorPanel(0);
    transfer->repaint();
    sideChain->repaint();
  }
}
BENCHMARK(BM_CompressorPanelRedraw)->Unit(benchmark::kMillisecond);

// One redraw of the gate or limiter panel with its plot repainted. Goal: at
// most 3 ms median in a Release build.
void BM_GatePanelRedraw(benchmark::State& state) {
  EnsureBenchApplication();
  DynamicsPage page("rzbMenuGate");
  auto* threshold = page.Find<TAdvTrackBar>("isGateThresholdInB");
  auto* plot = page.Find<TiXYPlot>("ipGate");
  int step = 0;
  for (auto _ : state) {
    threshold->SetPosition(-80 + (step++ & 1));
    plot->repaint();
  }
}
BENCHMARK(BM_GatePanelRedraw)->Unit(benchmark::kMillisecond);

void BM_LimiterPanelRedraw(benchmark::State& state) {
  EnsureBenchApplication();
  DynamicsPage page("rzbMenuLimit");
  auto* threshold = page.Find<TAdvTrackBar>("isLimitThresholdOut2");
  auto* plot = page.Find<TiXYPlot>("ipLimit");
  int step = 0;
  for (auto _ : state) {
    threshold->SetPosition(-40 + (step++ & 1));
    page.window.RefreshLimiterPanel(4);
    plot->repaint();
  }
}
BENCHMARK(BM_LimiterPanelRedraw)->Unit(benchmark::kMillisecond);

}  // namespace
