#include <cstdint>
#include <vector>

#include <benchmark/benchmark.h>

#include "app/TfmMain.h"
#include "bench/support/BenchApplication.h"
#include "link/LinkTransportFactory.h"

namespace {

// One level reply on all 62 meters, lamps and the load label; the goal is at
// most 2 ms, well inside the 300 ms poll.
void BM_ShowLevels(benchmark::State& state) {
  EnsureBenchApplication();
  LinkTransportFactory factory;
  TfmMain window(factory, nullptr);
  std::vector<std::uint8_t> loud(42, 0);
  std::vector<std::uint8_t> quiet(42, 0);
  for (int word = 0; word < 12; ++word) {
    loud[3 * word] = 0x80;
    loud[3 * word + 1] = 0x3F;
  }
  loud[36] = quiet[36] = 0x07;
  loud[38] = quiet[38] = 0x30;
  bool odd = false;
  for (auto _ : state) {
    window.ShowLevels(odd ? loud : quiet);
    odd = !odd;
  }
}
BENCHMARK(BM_ShowLevels)->Unit(benchmark::kMicrosecond);

// The full refresh of every control from the image; the goal is at most
// 100 ms in a Release build.
void BM_RefreshAllFromUnit(benchmark::State& state) {
  EnsureBenchApplication();
  LinkTransportFactory factory;
  TfmMain window(factory, nullptr);
  for (auto _ : state) {
    window.RefreshAllFromUnit();
  }
}
BENCHMARK(BM_RefreshAllFromUnit)->Unit(benchmark::kMillisecond);

}  // namespace
