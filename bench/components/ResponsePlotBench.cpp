#include <cmath>
#include <vector>

#include <benchmark/benchmark.h>

#include "bench/support/BenchApplication.h"
#include "components/LMyFFTDrawHpLp6dB.h"

namespace {

// One main-window plot page redrawn with 34 curves of 4096 points (every
// filter section of a channel plus copies of other channels' totals).
void BM_RedrawPlotPage34Curves(benchmark::State& state) {
  EnsureBenchApplication();
  LMyFFTDrawHpLp6dB plot;
  plot.SetAutoRedraw(false);
  plot.SetBounds(0, 0, 1070, 255);
  plot.SetXAutoScale(false);
  plot.SetYAutoScale(false);
  plot.SetXMax(3840.0);
  plot.SetXMin(966.0);
  plot.ResizePaintPage();
  // Band-shaped responses at spread centres and widths, like equaliser
  // sections and their sums.
  std::vector<double> curve(4096);
  for (int id = 0; id < 34; ++id) {
    const double centre = 1000.0 + 80.0 * id;
    const double width = 60.0 + 10.0 * (id % 7);
    const double gain = 15.0 * std::sin(id * 1.3);
    for (int k = 0; k < 4096; ++k) {
      const double u = (k - centre) / width;
      curve[std::size_t(k)] = gain * std::exp(-u * u);
    }
    plot.FFTDraw(curve.data(), 4096, id, TColor(0x101010 * (id % 15 + 1)), 0);
  }
  for (auto _ : state) {
    plot.DrawAllPlots();
    benchmark::DoNotOptimize(plot.PlotPage().Bitmap().Image().constBits());
  }
}
BENCHMARK(BM_RedrawPlotPage34Curves)->Unit(benchmark::kMillisecond);

}  // namespace
