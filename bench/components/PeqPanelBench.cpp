#include <benchmark/benchmark.h>

#include "bench/support/BenchApplication.h"
#include "components/peq/TMyPEQType10.h"

namespace {

// One main-window input panel as the form makes it: 50 rows built, then
// sized, set up (which lays out 8 rows) and filled with its bands
// (destruction not timed).
void BM_BuildInputBandPanel(benchmark::State& state) {
  EnsureBenchApplication();
  for (auto _ : state) {
    auto* owned = new TMyPEQType10;
    TMyPEQType10& panel = *owned;
    panel.SetBounds(8, 8, 582, 270);
    panel.SetChannelNumber(8);
    panel.SetLabelColor(clBackground);
    panel.SetEditBackColor(clWhite);
    panel.SetBypassBackColor(clSilver);
    panel.HandleNeeded();
    panel.ChangeLanguage();
    panel.SetNowIndex(0);
    for (int band = 0; band < 8; ++band) {
      panel.SetEqParamValue(band, 100.0 * (band + 1), 16, 0.0, 0, false);
    }
    benchmark::DoNotOptimize(panel.GetFreqValue(7));
    state.PauseTiming();
    delete owned;
    state.ResumeTiming();
  }
}
BENCHMARK(BM_BuildInputBandPanel)->Unit(benchmark::kMillisecond);

// Only the constructor: every row's controls (destruction not timed).
void BM_ConstructBandPanel(benchmark::State& state) {
  EnsureBenchApplication();
  for (auto _ : state) {
    auto* panel = new TMyPEQType10;
    benchmark::DoNotOptimize(panel->GetChannelNumber());
    state.PauseTiming();
    delete panel;
    state.ResumeTiming();
  }
}
BENCHMARK(BM_ConstructBandPanel)->Unit(benchmark::kMillisecond);

}  // namespace
