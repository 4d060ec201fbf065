#include <cmath>
#include <memory>
#include <vector>

#include <QApplication>

#include <benchmark/benchmark.h>

#include "platform/TBitmap.h"
#include "plot/core/TiPlotComponent.h"
#include "plot/objects/TiPlotXAxis.h"

namespace {

/// The plot is a widget: one offscreen application for the whole run.
void EnsureApplication() {
  static std::unique_ptr<QApplication> app = [] {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "bench_plot";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QApplication>(argc, argv);
  }();
}

/// A log X axis from 11 to 24011 over 1000 pixels, as the FIR designer's.
void BM_LogAxisPositionToPixels(benchmark::State& state) {
  EnsureApplication();
  TiPlotComponent plot;
  plot.AddXAxis();
  TiPlotXAxis& axis = *plot.XAxis(0);
  axis.SetScaleType(TiPlotScaleType::ipstLog10);
  axis.SetMinSpan(11, 24000);
  axis.SetDrawRect({0, 0, 1000, 30});
  TBitmap scratch(10, 10);
  axis.CalcScaleRect(scratch.Canvas());
  std::vector<double> values(1'000'000);
  for (std::size_t i = 0; i < values.size(); ++i) {
    values[i] = 11 + 24000.0 * double(i) / double(values.size());
  }
  // The logarithms of the points are taken once (a channel keeps them);
  // every repaint maps them again.
  std::vector<double> logs(values.size());
  for (std::size_t i = 0; i < values.size(); ++i) {
    logs[i] = std::log10(values[i]);
  }
  std::vector<int> pixels(values.size());
  for (auto _ : state) {
    axis.Log10PositionsToPixels(logs.data(), pixels.data(), logs.size());
    benchmark::DoNotOptimize(pixels.data());
  }
  state.SetItemsProcessed(state.iterations() * std::int64_t(values.size()));
}
BENCHMARK(BM_LogAxisPositionToPixels)->Unit(benchmark::kMillisecond);

/// The same axis taking every logarithm on the way.
void BM_LogAxisPositionsToPixelsUncached(benchmark::State& state) {
  EnsureApplication();
  TiPlotComponent plot;
  plot.AddXAxis();
  TiPlotXAxis& axis = *plot.XAxis(0);
  axis.SetScaleType(TiPlotScaleType::ipstLog10);
  axis.SetMinSpan(11, 24000);
  axis.SetDrawRect({0, 0, 1000, 30});
  TBitmap scratch(10, 10);
  axis.CalcScaleRect(scratch.Canvas());
  std::vector<double> values(1'000'000);
  for (std::size_t i = 0; i < values.size(); ++i) {
    values[i] = 11 + 24000.0 * double(i) / double(values.size());
  }
  std::vector<int> pixels(values.size());
  for (auto _ : state) {
    axis.PositionsToPixels(values.data(), pixels.data(), values.size());
    benchmark::DoNotOptimize(pixels.data());
  }
  state.SetItemsProcessed(state.iterations() * std::int64_t(values.size()));
}
BENCHMARK(BM_LogAxisPositionsToPixelsUncached)->Unit(benchmark::kMillisecond);

void BM_LinearAxisPositionsToPixels(benchmark::State& state) {
  EnsureApplication();
  TiPlotComponent plot;
  plot.AddXAxis();
  TiPlotXAxis& axis = *plot.XAxis(0);
  axis.SetMinSpan(-100, 120);
  axis.SetDrawRect({0, 0, 1000, 30});
  TBitmap scratch(10, 10);
  axis.CalcScaleRect(scratch.Canvas());
  std::vector<double> values(1'000'000);
  for (std::size_t i = 0; i < values.size(); ++i) {
    values[i] = -100 + 120.0 * double(i) / double(values.size());
  }
  std::vector<int> pixels(values.size());
  for (auto _ : state) {
    axis.PositionsToPixels(values.data(), pixels.data(), values.size());
    benchmark::DoNotOptimize(pixels.data());
  }
  state.SetItemsProcessed(state.iterations() * std::int64_t(values.size()));
}
BENCHMARK(BM_LinearAxisPositionsToPixels)->Unit(benchmark::kMillisecond);

}  // namespace
