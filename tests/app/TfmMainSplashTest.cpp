#include <QGuiApplication>
#include <QScreen>

#include "link/LinkTransportFactory.h"
#include "tests/app/MainWindowFixture.h"
#include "widgets/smooth/splash/TAdvSmoothSplashScreen.h"
#include "widgets/smooth/splash/TSplashScreenWindow.h"

// The suite's one window is built in its set-up, so its splash is still up.
using MainWindowSplash = SharedMainWindow<LinkTransportFactory>;

TEST_F(MainWindowSplash, splashIsUpWhileBuildingAndGoesWhenTheWindowShows) {
  TAdvSmoothSplashScreen* splash = window.asScreen();
  ASSERT_NE(splash, nullptr);
  ASSERT_TRUE(splash->Showing());
  TSplashScreenWindow* shown = splash->SplashWindow();
  ASSERT_NE(shown, nullptr);
  EXPECT_EQ(shown->size(), QSize(622, 352));
  EXPECT_EQ(shown->geometry().center(), QGuiApplication::primaryScreen()->geometry().center());
  EXPECT_TRUE(shown->Layered());
  EXPECT_EQ(shown->Opacity(), 255);
  EXPECT_TRUE(shown->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_TRUE(shown->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
  EXPECT_TRUE(shown->testAttribute(Qt::WA_ShowWithoutActivating));
  // The picture fills the window and the loading line is white on it.
  const QImage& presented = shown->Presented();
  ASSERT_EQ(presented.size(), QSize(622, 352));
  int white = 0;
  for (int y = 210; y < 245; ++y) {
    for (int x = 180; x < 400; ++x) {
      white += qRed(presented.pixel(x, y)) > 240 && qBlue(presented.pixel(x, y)) > 240 ? 1 : 0;
    }
  }
  EXPECT_GT(white, 200);
  EXPECT_GT(qAlpha(presented.pixel(300, 20)), 200);

  int closes = 0;
  splash->OnClose = [&](TObject*) { ++closes; };
  window.show();
  EXPECT_FALSE(splash->Showing());
  EXPECT_EQ(splash->SplashWindow(), nullptr);
  EXPECT_EQ(closes, 1);
  EXPECT_FALSE(bool(window.OnShow));
}
