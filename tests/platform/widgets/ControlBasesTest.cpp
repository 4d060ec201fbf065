#include <gtest/gtest.h>

#include <stdexcept>
#include <utility>
#include <vector>

#include <QApplication>
#include <QDeadlineTimer>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

#include "platform/threads/TTimer.h"
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

TEST(TWinControl, alignLaysOutTopBottomLeftRightThenClient) {
  TWinControl parent;
  parent.SetBounds(0, 0, 100, 80);
  auto* top = new TWinControl(&parent);
  top->SetBounds(0, 0, 10, 10);
  top->SetAlign(TAlign::alTop);
  auto* bottom = new TWinControl(&parent);
  bottom->SetBounds(0, 0, 10, 5);
  bottom->SetAlign(TAlign::alBottom);
  auto* left = new TWinControl(&parent);
  left->SetBounds(0, 0, 20, 10);
  left->SetAlign(TAlign::alLeft);
  auto* client = new TWinControl(&parent);
  client->SetAlign(TAlign::alClient);
  EXPECT_EQ(top->BoundsRect(), Rect(0, 0, 100, 10));
  EXPECT_EQ(bottom->BoundsRect(), Rect(0, 75, 100, 80));
  EXPECT_EQ(left->BoundsRect(), Rect(0, 10, 20, 75));
  EXPECT_EQ(client->BoundsRect(), Rect(20, 10, 100, 75));

  parent.SetBounds(0, 0, 200, 100);
  EXPECT_EQ(bottom->BoundsRect(), Rect(0, 95, 200, 100));
  EXPECT_EQ(client->BoundsRect(), Rect(20, 10, 200, 95));
  top->SetHeight(30);
  EXPECT_EQ(client->BoundsRect(), Rect(20, 30, 200, 95));
  top->SetVisible(false);
  EXPECT_EQ(client->BoundsRect(), Rect(20, 0, 200, 95));

  class Framed : public TWinControl {
  public:
    using TWinControl::TWinControl;

  protected:
    void AdjustClientRect(TRect& rect) const override { rect = InflateRect(rect, -3, -3); }
  };
  Framed framed;
  auto* filler = new TWinControl(&framed);
  filler->SetAlign(TAlign::alClient);
  framed.SetBounds(0, 0, 50, 40);
  EXPECT_EQ(filler->BoundsRect(), Rect(3, 3, 47, 37));
}

TEST(TControl, doubleClickIsASecondClickWithoutDoubleClickStyle) {
  TWinControl parent;
  auto* button = new Swatch(&parent);
  button->SetBounds(0, 0, 20, 20);
  int clicks = 0;
  int doubles = 0;
  button->OnClick = [&](TObject*) { ++clicks; };
  button->OnDblClick = [&](TObject*) { ++doubles; };
  auto doubleClick = [&] {
    Click(button, QPoint(5, 5));
    QMouseEvent again(QEvent::MouseButtonDblClick, QPointF(5, 5), button->mapToGlobal(QPointF(5, 5)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(button, &again);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), button->mapToGlobal(QPointF(5, 5)),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(button, &release);
  };
  doubleClick();
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(doubles, 1);
  button->SetControlStyle(button->ControlStyle().Exclude(TControlStyleItem::csDoubleClicks));
  doubleClick();
  EXPECT_EQ(clicks, 3);
  EXPECT_EQ(doubles, 1);
  EXPECT_EQ(GetParentForm(button), nullptr);
  TForm form;
  auto* inner = new TWinControl(&form);
  EXPECT_EQ(GetParentForm(new TGraphicControl(inner)), &form);
}

TEST(TControl, aThrowingHandlerDoesNotLeaveTheEventDispatch) {
  TWinControl parent;
  auto* button = new Swatch(&parent);
  button->SetBounds(0, 0, 20, 20);
  int after = 0;
  button->OnClick = [](TObject*) { throw std::runtime_error("handler fault"); };
  button->OnMouseMove = [&](TObject*, TShiftState, int, int) { ++after; };
  Click(button, QPoint(5, 5));
  QMouseEvent move(QEvent::MouseMove, QPointF(6, 6), button->mapToGlobal(QPointF(6, 6)), Qt::NoButton,
                   Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(button, &move);
  EXPECT_EQ(after, 1);
}

TEST(TForm, screenCentredFormsAppearInTheMiddleAndDialogsKeepTheirSize) {
  TForm form;
  form.SetBounds(0, 0, 200, 100);
  form.SetPosition(TPosition::poScreenCenter);
  form.SetBorderStyle(TFormBorderStyle::bsDialog);
  form.Show();
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_LE((form.geometry().center() - screen.center()).manhattanLength(), 2);
  EXPECT_EQ(form.minimumSize(), QSize(200, 100));
  EXPECT_EQ(form.maximumSize(), QSize(200, 100));
  form.Hide();
}

TEST(TWinControl, unkeptKeysGoToTheWindowAsDialogKeysAndMnemonics) {
  class Answering : public TWinControl {
  public:
    using TWinControl::TWinControl;
    std::vector<std::pair<unsigned, std::intptr_t>> seen;
    std::intptr_t keeps = 0;

    void WndProc(TMessage& message) override {
      if (message.Msg == WM_GETDLGCODE) {
        message.Result = keeps;
        return;
      }
      if (message.Msg == CM_DIALOGKEY || message.Msg == CM_DIALOGCHAR) {
        seen.emplace_back(message.Msg, message.WParam);
        message.Result = message.WParam == VK_RETURN || message.WParam == 'o';
        return;
      }
      TWinControl::WndProc(message);
    }
  };
  TForm form;
  auto* panel = new TWinControl(&form);
  auto* answering = new Answering(panel);
  auto* focused = new Answering(&form);
  int presses = 0;
  focused->OnKeyPress = [&](TObject*, QChar&) { ++presses; };
  auto press = [&](int key, const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(focused, &event);
  };
  press(Qt::Key_Return, QStringLiteral("\r"));
  press(Qt::Key_O, QStringLiteral("o"));
  press(Qt::Key_X, QStringLiteral("x"));
  const std::vector<std::pair<unsigned, std::intptr_t>> expected{
      {CM_DIALOGKEY, VK_RETURN}, {CM_DIALOGCHAR, 'o'}, {CM_DIALOGCHAR, 'x'}};
  EXPECT_EQ(answering->seen, expected);
  EXPECT_EQ(presses, 1);  // only the character nobody took

  focused->keeps = DLGC_WANTCHARS;
  answering->seen.clear();
  press(Qt::Key_O, QStringLiteral("o"));
  press(Qt::Key_O, QStringLiteral("o"), Qt::AltModifier);
  EXPECT_EQ(answering->seen, (std::vector<std::pair<unsigned, std::intptr_t>>{{CM_DIALOGCHAR, 'o'}}));
  EXPECT_EQ(presses, 2);
}

TEST(TControl, plainQtChildrenAreNoControls) {
  TWinControl parent;
  auto* edit = new QLineEdit(&parent);
  auto* child = new Listener(&parent);
  child->SetParentColor(true);
  parent.SetColor(clRed);  // notifies the child controls only
  parent.Font().SetHeight(-20);
  EXPECT_EQ(child->Color(), clRed);
  EXPECT_EQ(parent.ControlCount(), 1);
  TMessage message{WM_USER + 7, 0, 0, 0};
  parent.Broadcast(message);
  EXPECT_EQ(child->seen.back(), WM_USER + 7);
  EXPECT_EQ(edit->parentWidget(), &parent);
}
