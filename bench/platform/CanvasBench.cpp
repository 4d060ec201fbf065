#include <benchmark/benchmark.h>

#include "platform/drawing/Blit.h"
#include "platform/pictures/TBitmap.h"

namespace {

// Filling and outlining shapes on a 400 x 300 bitmap, as a control's paint does.
void BM_CanvasShapes(benchmark::State& state) {
  TBitmap target(400, 300);
  TCanvas& c = target.Canvas();
  c.Brush().SetColor(clSkyBlue);
  for (auto _ : state) {
    c.FillRect(Rect(0, 0, 400, 300));
    c.RoundRect(10, 10, 390, 290, 16, 16);
    c.Ellipse(50, 50, 350, 250);
    c.Polygon({{200, 20}, {380, 280}, {20, 280}});
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_CanvasShapes);

// The off-screen face copied to the control's image in one block transfer.
void BM_BitBltFace(benchmark::State& state) {
  TBitmap face(400, 300);
  TBitmap target(400, 300);
  for (auto _ : state) {
    BitBlt(target.Canvas(), 0, 0, 400, 300, &face.Canvas(), 0, 0, SRCCOPY);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_BitBltFace);

}  // namespace
