#include <memory>

#include <benchmark/benchmark.h>

#include "app/TfmMain.h"
#include "bench/support/BenchApplication.h"
#include "link/LinkTransportFactory.h"
#include "platform/ProcessMemory.h"

namespace {

// The main window from its constructor (the whole control tree and the
// start-up sequence) to its first painted image, as the program starts; the
// goal is at most 0.5 s in a Release build. The resident memory after the
// first paint is reported as a counter.
void BM_MainWindowToFirstPaint(benchmark::State& state) {
  EnsureBenchApplication();
  LinkTransportFactory factory;
  long resident = 0;
  for (auto _ : state) {
    auto window = std::make_unique<TfmMain>(factory, nullptr);
    window->show();
    QImage image = window->grab().toImage();
    benchmark::DoNotOptimize(image.constBits());
    resident = ResidentKilobytes();
    state.PauseTiming();  // closing the window is not part of the start
    window.reset();
    state.ResumeTiming();
  }
  state.counters["resident_kB"] = double(resident);
}
BENCHMARK(BM_MainWindowToFirstPaint)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
