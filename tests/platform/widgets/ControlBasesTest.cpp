#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QImage>
#include <QMouseEvent>
#include <QTimer>

#include "platform/TTimer.h"
#include "platform/widgets/TCustomControl.h"
#include "platform/widgets/TForm.h"
#include "platform/widgets/TGraphicControl.h"
#include "tests/support/ModalDialogCloser.h"

namespace {
class Swatch : public TCustomControl {
public:
  using TCustomControl::TCustomControl;
  int paints = 0;

protected:
  void Paint() override {
    ++paints;
    Canvas().Brush().SetColor(clRed);
    Canvas().FillRect(Rect(0, 0, 2, 2));
  }
};

class Listener : public TGraphicControl {
public:
  using TGraphicControl::TGraphicControl;
  std::vector<unsigned> seen;
  unsigned answer = 0;

  void WndProc(TMessage& message) override {
    seen.push_back(message.Msg);
    if (message.Msg == answer) {
      message.Result = 1;
    }
    TGraphicControl::WndProc(message);
  }
};

void Click(QWidget* widget, QPoint at) {
  QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(widget, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, at, widget->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(widget, &release);
}
}  // namespace

TEST(TForm, resultSetByAClickHandlerClosesTheModalFormAfterTheHandler) {
  TForm form;
  auto* button = new Swatch(&form);
  button->SetBounds(0, 0, 20, 20);
  bool stillModalInHandler = false;
  button->OnClick = [&](TObject*) {
    form.SetModalResult(mrOk);
    stillModalInHandler = form.Modal();
  };
  QTimer::singleShot(0, &form, [&] { Click(button, QPoint(5, 5)); });
  EXPECT_EQ(form.ShowModal(), mrOk);
  EXPECT_TRUE(stillModalInHandler);
  EXPECT_FALSE(form.isVisible());
}

TEST(TForm, closingAModalFormGivesCancelAndCloseActionNoneKeepsItOpen) {
  {
    TForm form;
    form.SetCaption(QStringLiteral("Title"));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Title"));
    ModalDialogCloser closer;
    EXPECT_EQ(form.ShowModal(), mrCancel);
    EXPECT_EQ(closer.Texts().value(0), QStringLiteral("Title"));
  }

  TForm stubborn;
  int attempts = 0;
  stubborn.OnClose = [&](TObject*, TCloseAction& action) {
    if (++attempts == 1) {
      action = TCloseAction::caNone;
    }
  };
  QTimer::singleShot(0, &stubborn, [&] { stubborn.SetModalResult(mrYes); });
  QTimer::singleShot(20, &stubborn, [&] {
    EXPECT_EQ(stubborn.ModalResult(), mrNone);
    stubborn.SetModalResult(mrNo);
  });
  EXPECT_EQ(stubborn.ShowModal(), mrNo);
  EXPECT_EQ(attempts, 2);
}

TEST(TControl, paintStartsFromATransparentImage) {
  TWinControl parent;
  auto* swatch = new Swatch(&parent);
  swatch->SetColor(clNone);
  swatch->SetBounds(0, 0, 4, 4);
  QImage image(4, 4, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  swatch->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
  EXPECT_EQ(image.pixel(0, 0), 0xFFFF0000u);
  EXPECT_EQ(qAlpha(image.pixel(3, 3)), 0);
  EXPECT_EQ(swatch->paints, 1);
}

TEST(TControl, propertyWritesNotifyThroughWndProcOnlyOnChange) {
  TWinControl parent;
  auto* child = new Listener(&parent);
  child->seen.clear();
  child->SetCaption(QStringLiteral("a"));
  child->SetCaption(QStringLiteral("a"));
  child->SetEnabled(false);
  child->SetEnabled(false);
  child->Font().SetHeight(-20);
  EXPECT_EQ(child->seen, (std::vector<unsigned>{CM_TEXTCHANGED, CM_ENABLEDCHANGED, CM_FONTCHANGED}));
  EXPECT_TRUE(child->testAttribute(Qt::WA_TransparentForMouseEvents));

  child->SetParentColor(true);
  parent.SetColor(clRed);
  EXPECT_EQ(child->Color(), clRed);
}

TEST(TWinControl, broadcastStopsAtTheFirstAnswer) {
  TWinControl parent;
  auto* first = new Listener(&parent);
  auto* second = new Listener(&parent);
  auto* third = new Listener(&parent);
  second->answer = WM_USER + 1;
  TMessage message{WM_USER + 1, 0, 0, 0};
  parent.Broadcast(message);
  EXPECT_EQ(message.Result, 1);
  EXPECT_EQ(first->seen.back(), WM_USER + 1);
  EXPECT_TRUE(third->seen.empty() || third->seen.back() != WM_USER + 1);
  EXPECT_EQ(parent.ControlCount(), 3);
}

TEST(TGraphicControl, staysBelowWindowedSiblings) {
  TWinControl parent;
  auto* windowed = new TWinControl(&parent);
  auto* graphic = new TGraphicControl(&parent);
  graphic->BringToFront();
  const QObjectList order = parent.children();
  EXPECT_LT(order.indexOf(graphic), order.indexOf(windowed));
}

TEST(TTimer, firesWhileEnabledAndStopsWhenDisabled) {
  TTimer timer;
  int ticks = 0;
  timer.SetInterval(5);
  timer.OnTimer = [&](TObject* sender) {
    EXPECT_EQ(sender, &timer);
    ++ticks;
  };
  QDeadlineTimer deadline(5000);
  while (ticks < 2 && !deadline.hasExpired()) {
    QApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  EXPECT_GE(ticks, 2);
  timer.SetEnabled(false);
  const int stopped = ticks;
  QApplication::processEvents(QEventLoop::AllEvents, 30);
  EXPECT_EQ(ticks, stopped);
}
