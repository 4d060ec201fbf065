#include <cmath>
#include <vector>

#include <benchmark/benchmark.h>

#include "bench/support/BenchApplication.h"
#include "platform/pictures/TBitmap.h"
#include "plot/core/TiPlotComponent.h"
#include "plot/objects/TiPlotXAxis.h"

namespace {

/// A plot with one X axis over 1000 pixels and 10^6 values across its range.
struct AxisScenario {
  AxisScenario(TiPlotScaleType type, double min, double span) : values(1'000'000), pixels(values.size()) {
    plot.AddXAxis();
    TiPlotXAxis& axis = *plot.XAxis(0);
    axis.SetScaleType(type);
    axis.SetMinSpan(min, span);
    axis.SetDrawRect({0, 0, 1000, 30});
    TBitmap scratch(10, 10);
    axis.CalcScaleRect(scratch.Canvas());
    for (std::size_t i = 0; i < values.size(); ++i) {
      values[i] = min + span * double(i) / double(values.size());
    }
  }
  TiPlotXAxis& Axis() const { return *plot.XAxis(0); }
  /// Comes first: the plot is a widget.
  struct Application {
    Application() { EnsureBenchApplication(); }
  } application;
  TiPlotComponent plot;
  std::vector<double> values;
  std::vector<int> pixels;
};

/// A log X axis from 11 to 24011, as the FIR designer's; the logarithms of
/// the points are taken once (a channel keeps them) and every repaint maps
/// them again.
void BM_LogAxisPositionToPixels(benchmark::State& state) {
  AxisScenario s(TiPlotScaleType::ipstLog10, 11, 24000);
  std::vector<double> logs(s.values.size());
  for (std::size_t i = 0; i < s.values.size(); ++i) {
    logs[i] = std::log10(s.values[i]);
  }
  for (auto _ : state) {
    s.Axis().Log10PositionsToPixels(logs.data(), s.pixels.data(), logs.size());
    benchmark::DoNotOptimize(s.pixels.data());
  }
  state.SetItemsProcessed(state.iterations() * std::int64_t(logs.size()));
}
BENCHMARK(BM_LogAxisPositionToPixels)->Unit(benchmark::kMillisecond);

/// Mapping values directly, the logarithms taken on the way on a log axis.
void BM_AxisPositionsToPixels(benchmark::State& state, TiPlotScaleType type, double min, double span) {
  AxisScenario s(type, min, span);
  for (auto _ : state) {
    s.Axis().PositionsToPixels(s.values.data(), s.pixels.data(), s.values.size());
    benchmark::DoNotOptimize(s.pixels.data());
  }
  state.SetItemsProcessed(state.iterations() * std::int64_t(s.values.size()));
}
BENCHMARK_CAPTURE(BM_AxisPositionsToPixels, logUncached, TiPlotScaleType::ipstLog10, 11, 24000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_AxisPositionsToPixels, linear, TiPlotScaleType::ipstLinear, -100, 120)
    ->Unit(benchmark::kMillisecond);

}  // namespace
