#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <memory>

#include <benchmark/benchmark.h>

#include "bench/support/BenchApplication.h"
#include "platform/pictures/TBitmap.h"
#include "plot/channels/TiPlotChannel.h"
#include "tests/plot/SystemPlots.h"

namespace {

constexpr int kTenMillion = 10'000'000;

TiPlotDataStyle StyleOf(const benchmark::State& state) { return static_cast<TiPlotDataStyle>(state.range(0)); }

/// Each list kind at 10^7 points; the full-feature list at 10^6 (10^7
/// would take about 1.8 GB with the growth margin).
void EveryListKind(benchmark::internal::Benchmark* b) {
  b->ArgNames({"style", "points"});
  for (int style = 0; style < 3; ++style) {
    b->Args({style, kTenMillion});
  }
  b->Args({int(TiPlotDataStyle::ipdsFullFeature), 1'000'000});
}

/// Resident memory now and at its highest, in bytes.
long long ResidentBytes() {
  long pages = 0;
  long resident = 0;
  if (std::FILE* f = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) {
      resident = 0;
    }
    std::fclose(f);
  }
  return static_cast<long long>(resident) * sysconf(_SC_PAGESIZE);
}

long long PeakResidentBytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<long long>(usage.ru_maxrss) * 1024;
}

/// A laid-out time-series plot whose channel 0 keeps its points in the
/// given style, axes not tracking.
struct ListScenario {
  explicit ListScenario(TiPlotDataStyle style) {
    EnsureBenchApplication();
    plot = std::make_unique<TiPlot>();
    FixedRangesWithoutDecorations(*plot);
    channel().SetDataStyle(style);
    channel().SetXAxisTrackingEnabled(false);
    channel().SetYAxisTrackingEnabled(false);
  }
  TiPlotChannel& channel() { return *plot->Channel(0); }
  void Fill(int n) {
    TiPlotChannel& c = channel();
    for (int i = 0; i < n; ++i) {
      c.AddXY(i, (i % 200) - 100);
    }
  }
  std::unique_ptr<TiPlot> plot;
};

/// ns per AddXY with tracking off, by list kind; bytes per point from the
/// list (MemoryUsed / Count) and from the process (resident growth, and
/// the growth of its peak: run one kind alone for a clean peak).
void BM_ListAddXY(benchmark::State& state) {
  const int n = int(state.range(1));
  double peakGrowth = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto scenario = std::make_unique<ListScenario>(StyleOf(state));
    const long long residentBefore = ResidentBytes();
    const long long peakBefore = PeakResidentBytes();
    state.ResumeTiming();
    scenario->Fill(n);
    state.PauseTiming();
    TiPlotChannel& c = scenario->channel();
    state.counters["list_bytes_per_point"] = double(c.MemoryUsed()) / c.Count();
    state.counters["record_bytes"] = c.DataPointSize();
    state.counters["resident_bytes_per_point"] = double(ResidentBytes() - residentBefore) / n;
    peakGrowth = std::max(peakGrowth, double(PeakResidentBytes() - peakBefore) / (1 << 20));
    scenario.reset();
    state.ResumeTiming();
  }
  state.counters["peak_growth_MB"] = peakGrowth;
  state.counters["time_per_point"] =
      benchmark::Counter(double(state.iterations()) * n, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ListAddXY)
    ->Apply(EveryListKind)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

/// The full-scan statistics over 10^7 points.
void BM_ReCalcRunningMinMaxMean(benchmark::State& state) {
  ListScenario scenario(StyleOf(state));
  scenario.Fill(int(state.range(1)));
  for (auto _ : state) {
    scenario.channel().ReCalcRunningMinMaxMean();
    benchmark::DoNotOptimize(scenario.channel().RunningYMean());
  }
}
BENCHMARK(BM_ReCalcRunningMinMaxMean)
    ->Apply(EveryListKind)
    ->Unit(benchmark::kMillisecond);

/// The fast min/max trace of 10^7 points painted into a data view 1000
/// pixels wide: all of them, or zoomed to 1 % (per mille given).
void BM_FastTracePaint(benchmark::State& state) {
  ListScenario scenario(StyleOf(state));
  TiPlot& plot = *scenario.plot;
  plot.SetBounds(0, 0, 1100, 400);
  scenario.Fill(kTenMillion);
  const double span = kTenMillion * double(state.range(1)) / 1000;
  plot.XAxis(0)->SetMinSpan((kTenMillion - span) / 2, span);
  plot.YAxis(0)->SetMinSpan(-110, 220);
  TBitmap bitmap(1100, 400);
  plot.iPaintTo(bitmap.Canvas());
  TiPlotChannel& c = scenario.channel();
  for (auto _ : state) {
    c.PrepareForDraw(bitmap.Canvas());
    c.Draw(bitmap.Canvas(), clBlack);
  }
  state.counters["columns"] = plot.XAxis(0)->MaxPixels() - plot.XAxis(0)->MinPixels();
  state.counters["points_drawn"] = c.DrawStopIndex() - c.DrawStartIndex() + 1;
}
BENCHMARK(BM_FastTracePaint)
    ->ArgsProduct({{0, 1, 2}, {1000, 10}})
    ->ArgNames({"style", "permille"})
    ->Unit(benchmark::kMillisecond);

/// DeletePoints of the older half of 10^7 points.
void BM_DeleteHalf(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto scenario = std::make_unique<ListScenario>(StyleOf(state));
    scenario->Fill(int(state.range(1)));
    state.ResumeTiming();
    scenario->channel().DeletePoints(int(state.range(1)) / 2);
    benchmark::DoNotOptimize(scenario->channel().Count());
    state.PauseTiming();
    scenario.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_DeleteHalf)
    ->Apply(EveryListKind)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

/// A full ring of 10^6 points overwritten ten times over.
void BM_RingOverwrite(benchmark::State& state) {
  constexpr int kRing = 1'000'000;
  ListScenario scenario(StyleOf(state));
  scenario.channel().SetRingBufferSize(kRing);
  scenario.Fill(kRing);
  TiPlotChannel& c = scenario.channel();
  for (auto _ : state) {
    for (int i = 0; i < 10 * kRing; ++i) {
      c.AddXY(i, i % 100);
    }
  }
  state.counters["time_per_point"] = benchmark::Counter(double(state.iterations()) * 10 * kRing,
                                                        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_RingOverwrite)->DenseRange(0, 3)->ArgName("style")->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
