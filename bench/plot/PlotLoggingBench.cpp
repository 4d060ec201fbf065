#include <memory>
#include <vector>

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "bench/support/BenchApplication.h"
#include "plot/core/TiPlot.h"
#include "plot/core/TiPlotKindManager.h"
#include "plot/core/TiPlotMasterManager.h"

namespace {

constexpr int Channels = 12;
constexpr int Rows = 100000;

/// A plot of twelve channels logging text rows to a fresh file.
struct LoggingScenario {
  explicit LoggingScenario(int bufferSize) {
    while (plot.ChannelCount() < Channels) {
      plot.AddChannel();
    }
    plot.SetLogFileName(dir.filePath(QStringLiteral("log.txt")));
    plot.SetLogBufferSize(bufferSize);
    plot.LogActivate(false);
  }
  struct Application {
    Application() { EnsureBenchApplication(); }
  } application;
  QTemporaryDir dir;
  TiPlot plot;
};

/// Rows per second of AddDataArray with logging at LogBufferSize 1 and
/// 1000 (the goal: at least 100,000 rows/s with 1000, Release build).
void BM_AddDataArrayLogged(benchmark::State& state) {
  const int bufferSize = int(state.range(0));
  std::vector<double> row(Channels);
  for (auto _ : state) {
    state.PauseTiming();
    auto scenario = std::make_unique<LoggingScenario>(bufferSize);
    state.ResumeTiming();
    for (int r = 0; r < Rows; ++r) {
      for (int c = 0; c < Channels; ++c) {
        row[size_t(c)] = (r + c) % 200 - 100;
      }
      scenario->plot.AddDataArray(r * 0.001, row);
    }
    scenario->plot.LogDeactivate();
    state.PauseTiming();
    scenario.reset();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * Rows);
}
BENCHMARK(BM_AddDataArrayLogged)->Arg(1)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
