#include <memory>

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QWindow>

#include "app/TfmMain.h"
#include "link/LinkTransportFactory.h"
#include "tests/support/ProcessEventsUntil.h"
#include "widgets/smooth/splash/TAdvSmoothSplashScreen.h"
#include "widgets/smooth/splash/TSplashScreenWindow.h"

#include <gtest/gtest.h>

// The start-up splash as a real X server shows it. app/CMakeLists.txt runs
// this suite under Xvfb with the xcb platform; elsewhere it is skipped.

namespace {

struct SplashScreenGrab {
  QImage screen;
  QImage presented;
  QRect geometry;
  int presents = 0;
};

// Whether the screen shows the presented buffer at geometry: the window is
// drawn with its pixels' colours weighted by their alpha (no compositor).
bool SplashScreenShowsBuffer(const SplashScreenGrab& grab) {
  int sampled = 0;
  int matching = 0;
  for (int y = 0; y < grab.presented.height(); y += 7) {
    for (int x = 0; x < grab.presented.width(); x += 7) {
      const QRgb want = grab.presented.pixel(x, y);
      const QRgb seen = grab.screen.pixel(grab.geometry.x() + x, grab.geometry.y() + y);
      const auto near = [&](int w, int s) { return std::abs(w * qAlpha(want) / 255 - s) <= 12; };
      ++sampled;
      matching += near(qRed(want), qRed(seen)) && near(qGreen(want), qGreen(seen)) && near(qBlue(want), qBlue(seen));
    }
  }
  return matching * 20 >= sampled * 19;
}

// White text pixels of the presented buffer inside r.
int SplashScreenWhiteIn(const QImage& image, const QRect& r) {
  int white = 0;
  for (int y = r.top(); y <= r.bottom(); ++y) {
    for (int x = r.left(); x <= r.right(); ++x) {
      const QRgb p = image.pixel(x, y);
      white += qRed(p) > 230 && qGreen(p) > 230 && qBlue(p) > 230 ? 1 : 0;
    }
  }
  return white;
}

}  // namespace

TEST(MainWindowSplashOnX, screenShowsTheSplashWhileTheWindowIsBuiltAndNotAfter) {
  if (QGuiApplication::platformName() != QLatin1String("xcb")) {
    GTEST_SKIP() << "needs an X server (xcb platform)";
  }
  QScreen* screen = QGuiApplication::primaryScreen();
  SplashScreenGrab grab;
  TAdvSmoothSplashScreen::SetDefaultPresentObserver([&](const QImage& buffer, int, const QRect& geometry) {
    if (grab.presents++ == 0) {
      grab.screen = screen->grabWindow(0).toImage();
      grab.presented = buffer.copy();
      grab.geometry = geometry;
    }
  });
  LinkTransportFactory factory;
  auto window = std::make_unique<TfmMain>(factory, nullptr);
  TAdvSmoothSplashScreen::SetDefaultPresentObserver({});

  ASSERT_GE(grab.presents, 1);
  EXPECT_EQ(grab.geometry.size(), QSize(622, 352));
  EXPECT_EQ(grab.geometry.center(), screen->geometry().center());
  EXPECT_TRUE(SplashScreenShowsBuffer(grab)) << "the screen does not show the splash";
  // Program name, version and the loading line, in white on the picture.
  EXPECT_GT(SplashScreenWhiteIn(grab.presented, QRect(45, 130, 300, 30)), 100);
  EXPECT_GT(SplashScreenWhiteIn(grab.presented, QRect(540, 140, 60, 25)), 20);
  EXPECT_GT(SplashScreenWhiteIn(grab.presented, QRect(180, 210, 220, 35)), 200);
  EXPECT_GT(SplashScreenWhiteIn(grab.screen, QRect(180, 210, 220, 35).translated(grab.geometry.topLeft())), 200);

  TAdvSmoothSplashScreen* splash = window->asScreen();
  ASSERT_NE(splash, nullptr);
  ASSERT_TRUE(splash->Showing());
  TSplashScreenWindow* shown = splash->SplashWindow();
  ASSERT_NE(shown, nullptr);
  ProcessEventsUntil([shown] { return shown->windowHandle() != nullptr && shown->windowHandle()->isExposed(); });
  EXPECT_FALSE(shown->isActiveWindow());
  EXPECT_NE(QGuiApplication::focusWindow(), shown->windowHandle());

  int closes = 0;
  splash->OnClose = [&](TObject*) { ++closes; };
  window->show();
  EXPECT_FALSE(splash->Showing());
  EXPECT_EQ(splash->SplashWindow(), nullptr);
  EXPECT_EQ(closes, 1);
  EXPECT_FALSE(bool(window->OnShow));
  ProcessEventsUntil([&] { return window->isActiveWindow(); });
  // The window shows where the splash was.
  const QImage after = screen->grabWindow(0).toImage();
  grab.screen = after;
  EXPECT_FALSE(SplashScreenShowsBuffer(grab));
}
