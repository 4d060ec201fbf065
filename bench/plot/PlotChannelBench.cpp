#include <memory>
#include <utility>
#include <vector>

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include "bench/support/BenchApplication.h"
#include "platform/pictures/TBitmap.h"
#include "tests/plot/SystemPlots.h"

namespace {

/// A time-series plot whose axes track; channel 0 takes the points.
struct AppendScenario {
  explicit AppendScenario(int ringSize) {
    plot.Channel(0)->SetRingBufferSize(ringSize);
  }
  struct Application {
    Application() { EnsureBenchApplication(); }
  } application;
  TiPlot plot;
};

/// ns per AddXY, linear list or a ring of 4096, for 4096 .. 10^7 points.
void BM_AddXY(benchmark::State& state) {
  const int n = int(state.range(0));
  const int ring = int(state.range(1));
  for (auto _ : state) {
    state.PauseTiming();
    auto scenario = std::make_unique<AppendScenario>(ring);
    TiPlotChannel& channel = *scenario->plot.Channel(0);
    state.ResumeTiming();
    for (int i = 0; i < n; ++i) {
      channel.AddXY(i, (i % 200) - 100);
    }
    benchmark::DoNotOptimize(channel.Count());
    state.PauseTiming();
    scenario.reset();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_AddXY)
    ->ArgsProduct({{4096, 1 << 16, 1 << 20, 10'000'000}, {0, 4096}})
    ->ArgNames({"points", "ring"})
    ->Unit(benchmark::kMillisecond);

/// The reference for BM_AddXY: the same pairs appended to a std::vector
/// that starts empty, in the same binary and run.
void BM_PushBack(benchmark::State& state) {
  const int n = int(state.range(0));
  for (auto _ : state) {
    std::vector<std::pair<double, double>> points;
    for (int i = 0; i < n; ++i) {
      points.push_back({double(i), double((i % 200) - 100)});
    }
    benchmark::DoNotOptimize(points.data());
    state.PauseTiming();
    points = {};
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_PushBack)
    ->Arg(4096)->Arg(1 << 16)->Arg(1 << 20)->Arg(10'000'000)
    ->ArgName("points")
    ->Unit(benchmark::kMillisecond);

/// Paints of a shown plot while 10^5 points arrive and the events run
/// once afterwards: changes are coalesced, not painted one by one.
void BM_PaintsDuring100kAppends(benchmark::State& state) {
  AppendScenario scenario(0);
  TiPlot& plot = scenario.plot;
  plot.SetBounds(0, 0, 600, 300);
  plot.show();
  QCoreApplication::processEvents();
  int paints = 0;
  plot.OnAfterPaint = [&paints](TObject*) { ++paints; };
  for (auto _ : state) {
    paints = 0;
    TiPlotChannel& channel = *plot.Channel(0);
    channel.Clear();
    for (int i = 0; i < 100'000; ++i) {
      channel.AddXY(i, i % 100);
    }
    QCoreApplication::processEvents();
  }
  state.counters["paints"] = paints;
}
BENCHMARK(BM_PaintsDuring100kAppends)->Unit(benchmark::kMillisecond)->Iterations(3);

/// One full repaint of the FIR designer's plot: twelve curves of 4096
/// points (or none: the frame alone) on a log axis, limit line and
/// annotation.
void BM_RepaintFirPlot(benchmark::State& state) {
  EnsureBenchApplication();
  TiPlot plot;
  SetUpFirPlot(plot);
  if (state.range(0) > 0) {
    FillFirPlot(plot, int(state.range(0)));
  }
  TBitmap bitmap(plot.Width(), plot.Height());
  for (auto _ : state) {
    plot.iPaintTo(bitmap.Canvas());
  }
}
BENCHMARK(BM_RepaintFirPlot)->Arg(0)->Arg(4096)->ArgName("points")->Unit(benchmark::kMillisecond);

}  // namespace
