#include <gtest/gtest.h>

#include <memory>

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

#include "platform/pictures/TBitmap.h"
#include "platform/widgets/TForm.h"
#include "tests/widgets/support/WidgetInput.h"
#include "widgets/smooth/TAdvProgressBar.h"

namespace {

class PaintCounter : public QObject {
public:
  explicit PaintCounter(QWidget* w) { w->installEventFilter(this); }
  int count = 0;

protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      ++count;
    }
    return false;
  }
};

struct Shown {
  Shown() : bar(new TAdvProgressBar(&form)) {
    form.SetBounds(0, 0, 200, 60);
    bar->SetBounds(10, 10, 128, 18);
    form.show();
    WidgetInput::WaitUntil([&] { return bar->isVisible(); });
  }
  TForm form;
  TAdvProgressBar* bar;
};

TGaugeSettings Flat(int percent) {
  TGaugeSettings s;
  s.Level0Color = clLime;
  s.Level1Color = clYellow;
  s.Level2Color = clAqua;
  s.Level3Color = clRed;
  s.ShowGradient = false;
  s.ShowPosition = false;
  s.Rounded = false;
  s.Position = percent;
  return s;
}

std::unique_ptr<TBitmap> Gauge(const TGaugeSettings& s, int w = 128, int h = 18) {
  auto bitmap = std::make_unique<TBitmap>(w, h);
  DrawGauge(bitmap->Canvas(), Rect(0, 0, w, h), s);
  return bitmap;
}

}  // namespace

TEST(TAdvProgressBar, SetPosition_paintsEveryHundredthOrChangedPercentage) {
  Shown shown;
  PaintCounter counter(shown.bar);
  shown.bar->SetMax(100);
  QCoreApplication::processEvents();
  counter.count = 0;
  for (int v = 0; v <= 100; ++v) {
    shown.bar->SetPosition(v);
  }
  EXPECT_EQ(counter.count, 101);

  shown.bar->SetMax(1000);
  shown.bar->SetPosition(0);
  QCoreApplication::processEvents();
  counter.count = 0;
  for (int v = 1; v <= 9; ++v) {
    shown.bar->SetPosition(v);
  }
  // 6 and 9 (and not 5, a tie kept even) change the rounded percentage.
  EXPECT_EQ(counter.count, 1);
  shown.bar->SetPosition(10);
  EXPECT_EQ(counter.count, 2);
}

TEST(TAdvProgressBar, OutOfRangePosition_isClampedWithoutPainting) {
  Shown shown;
  PaintCounter counter(shown.bar);
  QCoreApplication::processEvents();
  counter.count = 0;
  shown.bar->SetPosition(150);
  EXPECT_EQ(shown.bar->Position(), 100);
  shown.bar->SetPosition(-3);
  EXPECT_EQ(shown.bar->Position(), 0);
  EXPECT_EQ(counter.count, 0);
}

TEST(TAdvProgressBar, EmptyRange_showsZeroPercent) {
  TAdvProgressBar bar;
  bar.SetMax(0);
  bar.SetPosition(0);
  EXPECT_EQ(bar.Percentage(), 0);
}

TEST(TAdvProgressBar, LevelPairs_followThePercentage) {
  const struct {
    int percent;
    TColor color;
  } cases[] = {{50, clLime}, {70, clYellow}, {89, clYellow}, {90, clAqua}, {99, clAqua}, {100, clRed}};
  for (const auto& c : cases) {
    EXPECT_EQ(Gauge(Flat(c.percent))->Canvas().Pixel(4, 9), c.color) << c.percent;
  }
}

TEST(TAdvProgressBar, Blocks_atHalfAre7PixelBlocksWithoutShortOne) {
  const auto bitmap = Gauge(Flat(50));
  const TCanvas& canvas = bitmap->Canvas();
  for (int x : {2, 8, 11, 17, 56, 62}) {
    EXPECT_EQ(canvas.Pixel(x, 9), clLime) << x;
  }
  for (int x : {9, 10, 63, 65, 70}) {
    EXPECT_EQ(canvas.Pixel(x, 9), clWhite) << x;
  }
}

TEST(TAdvProgressBar, Stacked_fillsTheLevelsInTheirOwnColours) {
  TGaugeSettings s = Flat(100);
  s.Stacked = true;
  const auto full = Gauge(s);
  EXPECT_EQ(full->Canvas().Pixel(5, 9), clLime);
  EXPECT_EQ(full->Canvas().Pixel(100, 9), clYellow);
  EXPECT_EQ(full->Canvas().Pixel(125, 9), clAqua);
  s.Position = 50;
  const auto half = Gauge(s);
  EXPECT_EQ(half->Canvas().Pixel(60, 9), clLime);
  EXPECT_EQ(half->Canvas().Pixel(70, 9), clWhite);
}

TEST(TAdvProgressBar, Gradient_runsFromTheSecondColourAtTheEdgeToTheFirstAtTheMiddle) {
  TGaugeSettings s = Flat(100);
  s.ShowGradient = true;
  s.Level3Color = RGB(0, 0, 0);
  s.Level3ColorTo = RGB(160, 160, 160);
  s.Steps = 4;
  const auto bitmap = Gauge(s, 128, 22);
  EXPECT_EQ(bitmap->Canvas().Pixel(20, 2), RGB(160, 160, 160));
  EXPECT_EQ(bitmap->Canvas().Pixel(20, 10), RGB(40, 40, 40));
  s.Steps = 0;
  const auto one = Gauge(s, 128, 22);
  EXPECT_EQ(one->Canvas().Pixel(20, 10), RGB(160, 160, 160));
}

TEST(TAdvProgressBar, Rounded_leavesFuchsiaOutsideTheFrameForTheParent) {
  TGaugeSettings s = Flat(0);
  s.Rounded = true;
  const auto bitmap = Gauge(s);
  EXPECT_EQ(bitmap->Canvas().Pixel(0, 0), clFuchsia);
  EXPECT_EQ(bitmap->Canvas().Pixel(0, 17), clFuchsia);
  EXPECT_EQ(bitmap->Canvas().Pixel(64, 9), clWhite);
}

TEST(TAdvProgressBar, BusyMode_windowRunsUpAndDownInStepsOfFour) {
  TAdvProgressBar bar;
  bar.SetInfinite(true);
  bar.SetAnimated(true);
  std::vector<int> seen;
  for (int i = 0; i < 28; ++i) {
    bar.InfiniteTimerTick();
    seen.push_back(bar.InfinitePos());
  }
  EXPECT_EQ(seen[0], 0);
  EXPECT_EQ(seen[1], 4);
  EXPECT_EQ(seen[25], 100);
  EXPECT_EQ(seen[26], 96);
}
