#include "plot/base/TiCustomComponent.h"

#include <gtest/gtest.h>

#include <chrono>
#include <stdexcept>
#include <string>

#include "plot/base/TiChangeGroup.h"
#include "plot/base/TiUpdateClock.h"

namespace {

constexpr std::int64_t kMs = 1'000'000;

/// A component that counts the repaints it carries out and can fail while
/// painting.
class CountingComponent : public TiCustomComponent {
public:
  void InvalidateNow() override {
    ++repaints;
    TiCustomComponent::InvalidateNow();
  }
  void iPaintTo(TCanvas& canvas) override {
    if (failWith.isEmpty()) {
      DrawBackGround(canvas, BackGroundColor());
      return;
    }
    throw std::runtime_error(failWith.toStdString());
  }
  int repaints = 0;
  QString failWith;
};

class TiComponentTest : public ::testing::Test {
protected:
  void SetUp() override {
    TiUpdateClock::SetHook([this] { return now; });
  }
  void TearDown() override { TiUpdateClock::SetHook(nullptr); }
  std::int64_t now = 1000 * kMs;
};

}  // namespace

TEST_F(TiComponentTest, WithoutAutoFrameRate_everyChangeRepaints) {
  CountingComponent c;
  c.InvalidateChange();
  c.InvalidateChange();
  EXPECT_EQ(c.repaints, 2);
}

TEST_F(TiComponentTest, AutoFrameRate_secondChangeWithinFrameWaitsForTimerTick) {
  CountingComponent c;
  c.SetAutoFrameRate(true);
  now += 100 * kMs;
  c.repaints = 0;
  c.InvalidateChange();
  EXPECT_EQ(c.repaints, 1);
  now += 5 * kMs;
  c.InvalidateChange();
  EXPECT_EQ(c.repaints, 1);
  EXPECT_TRUE(c.GetNeedsRepaint());
  now += 20 * kMs;
  GlobalUpdateObject().TimerTick();
  EXPECT_EQ(c.repaints, 2);
  EXPECT_FALSE(c.GetNeedsRepaint());
}

TEST_F(TiComponentTest, AutoFrameRate_clockIsMonotonicNotWallTime) {
  // Unhooked, the throttle reads the monotonic clock: its reading lies
  // between two steady-clock readings (a wall-clock one lies decades away).
  TiUpdateClock::SetHook(nullptr);
  const auto steadyNs = [] {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
  };
  const std::int64_t before = steadyNs();
  const std::int64_t reading = TiUpdateClock::NowNs();
  const std::int64_t after = steadyNs();
  EXPECT_LE(before, reading);
  EXPECT_LE(reading, after);
  TiUpdateClock::SetHook([this] { return now; });

  CountingComponent c;
  c.SetAutoFrameRate(true);
  now += 100 * kMs;
  c.repaints = 0;
  c.InvalidateChange();
  now += 17 * kMs;
  c.InvalidateChange();
  EXPECT_EQ(c.repaints, 2);
}

TEST_F(TiComponentTest, CoarseClock_isTheMonotonicClockNeverAhead) {
  TiUpdateClock::SetHook(nullptr);
  const std::int64_t before = TiUpdateClock::NowNs();
  const std::int64_t coarse = TiUpdateClock::CoarseNowNs();
  const std::int64_t after = TiUpdateClock::NowNs();
  EXPECT_LE(coarse, after);
  // One kernel tick behind at most, not a wall-clock reading decades away.
  EXPECT_GT(coarse, before - 1000 * kMs);
  TiUpdateClock::SetHook([this] { return now; });
  EXPECT_EQ(TiUpdateClock::CoarseNowNs(), now);
}

TEST_F(TiComponentTest, ChangeGroup_endsAsItsChangesMadeOneAfterAnotherAtOneInstant) {
  struct Case {
    bool autoFrameRate;
    int frameRate;
    bool block;
    std::int64_t sinceLastUpdate;
    int changes;
  };
  const Case cases[] = {
      {true, 60, false, 100 * kMs, 1}, {true, 60, false, 100 * kMs, 2}, {true, 60, false, 100 * kMs, 3},
      {true, 60, false, 5 * kMs, 2},   {true, 0, false, 0, 2},          {false, 60, false, 0, 3},
      {true, 60, true, 100 * kMs, 2},  {true, 60, false, 100 * kMs, 0},
  };
  for (const Case& k : cases) {
    CountingComponent alone;
    CountingComponent grouped;
    for (CountingComponent* c : {&alone, &grouped}) {
      c->SetAutoFrameRate(k.autoFrameRate);
      c->SetUpdateFrameRate(k.frameRate);
      c->InvalidateNow();
      c->repaints = 0;
      if (k.block) {
        c->BeginUpdate();
      }
    }
    now += k.sinceLastUpdate;
    for (int i = 0; i < k.changes; ++i) {
      alone.InvalidateChange();
    }
    {
      const TiChangeGroup outer(grouped);
      {
        const TiChangeGroup inner(grouped);
        for (int i = 0; i < k.changes; ++i) {
          grouped.InvalidateChange();
        }
      }
      EXPECT_EQ(grouped.repaints, 0) << "closing an inner group carries nothing out";
    }
    const std::string label = std::to_string(k.frameRate) + " " + std::to_string(k.changes);
    EXPECT_EQ(grouped.repaints, alone.repaints) << label;
    EXPECT_EQ(grouped.GetNeedsRepaint(), alone.GetNeedsRepaint()) << label;
    EXPECT_EQ(grouped.GetLastUpdate(), alone.GetLastUpdate()) << label;
  }
}

TEST_F(TiComponentTest, FrameRateZero_isAlwaysDue) {
  CountingComponent c;
  c.SetAutoFrameRate(true);
  c.SetUpdateFrameRate(0);
  c.repaints = 0;
  c.InvalidateChange();
  c.InvalidateChange();
  EXPECT_EQ(c.repaints, 2);
}

TEST_F(TiComponentTest, UpdateBlock_tenChangesGiveOneRepaintAtEnd) {
  CountingComponent c;
  c.BeginUpdate();
  for (int i = 0; i < 10; ++i) {
    c.InvalidateChange();
  }
  EXPECT_EQ(c.repaints, 0);
  GlobalUpdateObject().TimerTick();
  EXPECT_EQ(c.repaints, 0);
  c.EndUpdate();
  EXPECT_EQ(c.repaints, 1);
}

TEST_F(TiComponentTest, SwitchingAutoFrameRateOff_endsOpenBlock) {
  CountingComponent c;
  c.SetAutoFrameRate(true);
  c.BeginUpdate();
  c.InvalidateChange();
  now += 100 * kMs;
  c.repaints = 0;
  c.SetAutoFrameRate(false);
  EXPECT_FALSE(c.GetUpdateActive());
  EXPECT_EQ(c.repaints, 1);
}

TEST_F(TiComponentTest, UpdateTimer_runsWhileControlsAreRegistered) {
  const int before = GlobalUpdateObject().ControlCount();
  {
    CountingComponent c;
    EXPECT_TRUE(GlobalUpdateObject().TimerEnabled());
    EXPECT_EQ(GlobalUpdateObject().ControlCount(), before + 1);
  }
  EXPECT_EQ(GlobalUpdateObject().ControlCount(), before);
  EXPECT_EQ(GlobalUpdateObject().TimerEnabled(), before > 0);
}

TEST_F(TiComponentTest, PaintError_showsMessageWhiteOnBlack) {
  CountingComponent c;
  c.SetBounds(0, 0, 200, 40);
  c.failWith = QStringLiteral("Broken");
  const QImage image = c.grab().toImage().convertToFormat(QImage::Format_RGB32);
  int white = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      EXPECT_TRUE(qRed(p) == qGreen(p) && qGreen(p) == qBlue(p)) << x << "," << y;
      white += p == qRgb(255, 255, 255) ? 1 : 0;
    }
  }
  EXPECT_GT(white, 0);
  EXPECT_EQ(image.pixel(199, 39), qRgb(0, 0, 0));
}

TEST_F(TiComponentTest, InternalTimer_startsOnlyWithADelayOrInterval) {
  CountingComponent c;
  c.InternalTimerStart(0, 0);
  EXPECT_FALSE(c.InternalTimerActive());
  c.InternalTimerStart(500, 100);
  EXPECT_TRUE(c.InternalTimerActive());
  c.InternalTimerStop();
  EXPECT_FALSE(c.InternalTimerActive());
}
