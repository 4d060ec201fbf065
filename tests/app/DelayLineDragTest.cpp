#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include "link/LinkTransportFactory.h"
#include "platform/widgets/TImage.h"
#include "tests/app/MainWindowFixture.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/trackbar/TAdvTrackBar.h"

namespace {

class DelayLineDrag : public SharedMainWindow<LinkTransportFactory> {
protected:
  void SetUp() override {
    window.show();
    Get<TRzBmpButton>(QStringLiteral("rzbMenuDelay")).Click();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  }
  /// Where the middle of a control lies in the window.
  QPoint MiddleInWindow(QWidget& control) { return control.mapTo(&window, control.rect().center()); }
};

// The user takes a speaker picture and pulls it along its line: the mouse
// goes to the window, which hands it to whatever lies on top there.
TEST_F(DelayLineDrag, pullingAPictureAlongItsLineSetsTheDelay) {
  for (const char* suffix : {"InA", "Out3"}) {
    auto& picture = Get<TImage>(QStringLiteral("imDelay") + QLatin1String(suffix));
    auto& bar = Get<TAdvTrackBar>(QStringLiteral("isDelay") + QLatin1String(suffix));
    ASSERT_TRUE(picture.isVisible());
    ASSERT_EQ(bar.Position(), 0);
    const QPoint from = MiddleInWindow(picture);
    QWindow* handle = window.windowHandle();
    QTest::mousePress(handle, Qt::LeftButton, {}, from);
    for (int step = 1; step <= 5; ++step) {
      QTest::mouseMove(handle, from + QPoint(30 * step, 0));
    }
    QTest::mouseRelease(handle, Qt::LeftButton, {}, from + QPoint(150, 0));
    EXPECT_GT(bar.Position(), 0) << suffix;
    EXPECT_GE(MiddleInWindow(picture).x(), from.x() + 140) << suffix;
  }
}

}  // namespace
