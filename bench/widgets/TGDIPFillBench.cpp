#include <benchmark/benchmark.h>

#include "platform/pictures/TBitmap.h"
#include "widgets/gdiplus/TGDIPFill.h"
#include "widgets/gdiplus/TGPGraphics.h"

namespace {

// One Fill of a button-sized rectangle on a 48 x 32 surface, with the
// rounding and shadow a fill description may hold (the goal: well under a
// millisecond for any of them, as the main window paints dozens at start-up).
void BM_FillRounding(benchmark::State& state) {
  TBitmap target(48, 32);
  TGDIPFill fill;
  fill.SetColor(clBlue);
  fill.SetColorTo(clNavy);
  fill.SetRounding(int(state.range(0)));
  fill.SetShadowOffset(1);
  for (auto _ : state) {
    TGPGraphics g(target.Canvas());
    g.SetSmoothingMode(SmoothingMode::SmoothingModeAntiAlias);
    fill.Fill(&g, TGPRectF{4, 3, 40, 26});
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_FillRounding)->Arg(4)->Arg(100)->Arg(3000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

}  // namespace
