#include <chrono>

#include <benchmark/benchmark.h>

#include "bench/support/BenchApplication.h"
#include "platform/pictures/TBitmap.h"
#include "platform/drawing/TCanvas.h"
#include "platform/text/TFont.h"
#include "widgets/gdiplus/TGDIPFill.h"
#include "widgets/gdiplus/TGPGraphics.h"
#include "widgets/smooth/html/RenderHTMLText.h"
#include "widgets/smooth/splash/TAdvSmoothSplashScreen.h"
#include "widgets/smooth/splash/TSplashListItemsSettings.h"

namespace {

// From Show to the first present of a layered splash like the main
// window's (a picture-sized window with one list line); the goal is 50 ms.
void BM_SplashShowToFirstPresent(benchmark::State& state) {
  EnsureBenchApplication();
  for (auto _ : state) {
    TAdvSmoothSplashScreen splash(nullptr);
    splash.SetDisplayStyle(TDisplayStyle::dsNormal);
    splash.SetWidth(622);
    splash.SetHeight(352);
    splash.Fill().SetOpacity(249);
    splash.ListItems().Add().SetHTMLText(
        QStringLiteral("<FONT size=\"20\" color=\"clWhite\">Loading Program....</FONT><br>"));
    std::chrono::steady_clock::time_point presented;
    bool first = true;
    splash.SetPresentObserver([&](const QImage&, int, const QRect&) {
      if (first) {
        presented = std::chrono::steady_clock::now();
        first = false;
      }
    });
    const auto start = std::chrono::steady_clock::now();
    splash.Show();
    state.SetIterationTime(std::chrono::duration<double>(presented - start).count());
    splash.Hide();
  }
}
BENCHMARK(BM_SplashShowToFirstPresent)->UseManualTime()->Unit(benchmark::kMillisecond);

// Measuring markup of words, tags and entities: the time should grow about
// linearly with the size (compare the two sizes).
void BM_MeasureMarkup(benchmark::State& state) {
  EnsureBenchApplication();
  TBitmap bitmap(400, 300);
  TGPGraphics surface(bitmap.Canvas());
  TFont font;
  font.SetName(QStringLiteral("Tahoma"));
  font.SetSize(10);
  const QString unit = QStringLiteral("word <B>bold</B> &amp; <FONT color=\"clRed\">red</FONT> ");
  const QString text = unit.repeated(state.range(0) / unit.size());
  THTMLRenderOptions options;
  options.MeasureOnly = true;
  for (auto _ : state) {
    benchmark::DoNotOptimize(RenderHTMLText(surface, font, text, TRect{0, 0, 300, 200}, options).TotalHeight);
  }
  state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_MeasureMarkup)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

}  // namespace
