#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "bench/support/BenchApplication.h"
#include "platform/widgets/TPrinter.h"
#include "plot/channels/TiPlotChannel.h"
#include "plot/core/TiPlot.h"

namespace {

/// A 1000 x 600 plot with a trace of 2000 points, printed without dialog.
struct ExportScenario {
  ExportScenario() {
    plot.SetBounds(0, 0, 1000, 600);
    plot.StoredSettings().PrintShowDialog = false;
    for (int i = 0; i < 2000; ++i) {
      plot.Channel(0)->AddXY(i, (i * 37) % 101);
    }
  }
  struct Application {
    Application() { EnsureBenchApplication(); }
  } application;
  TiPlot plot;
};

// Goal: at most 150 ms.
void BM_PngLevel9(benchmark::State& state) {
  ExportScenario scenario;
  for (auto _ : state) {
    benchmark::DoNotOptimize(scenario.plot.GetBytesPNG(9));
  }
}
BENCHMARK(BM_PngLevel9)->Unit(benchmark::kMillisecond);

// Goal: at most 50 ms.
void BM_JpegQuality100(benchmark::State& state) {
  ExportScenario scenario;
  for (auto _ : state) {
    benchmark::DoNotOptimize(scenario.plot.GetBytesJPEG(100, false));
  }
}
BENCHMARK(BM_JpegQuality100)->Unit(benchmark::kMillisecond);

// One Letter page at 600 dpi into a PDF file. Goal: at most 300 ms.
void BM_PrintPdfPage600Dpi(benchmark::State& state) {
  ExportScenario scenario;
  QTemporaryDir dir;
  Printer().SetResolution(600);
  Printer().PrintToPdfFile(dir.filePath(QStringLiteral("page.pdf")));
  for (auto _ : state) {
    scenario.plot.PrintChart();
  }
  Printer().PrintToDevice();
}
BENCHMARK(BM_PrintPdfPage600Dpi)->Unit(benchmark::kMillisecond);

}  // namespace
