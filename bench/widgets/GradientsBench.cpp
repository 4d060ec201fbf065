#include <benchmark/benchmark.h>

#include "platform/pictures/TBitmap.h"
#include "widgets/panelset/Gradients.h"

namespace {

// One fill of a 400 x 300 panel-sized rectangle per direction (the banner
// and panel gradients of the widget set redraw at this size).
void BM_FillGradient(benchmark::State& state) {
  const auto direction = Rz::TGradientDirection(state.range(0));
  TBitmap target(400, 300);
  for (auto _ : state) {
    Rz::FillGradient(target.Canvas(), Rect(0, 0, 400, 300), direction, clWhite, clNavy, 1);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_FillGradient)->DenseRange(0, int(Rz::TGradientDirection::gdBigSquareBox));

}  // namespace
