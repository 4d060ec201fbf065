#include <gtest/gtest.h>

#include <vector>

#include <QApplication>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScrollBar>

#include "platform/pictures/TBitmap.h"
#include "platform/widgets/ControlRegistry.h"
#include "platform/widgets/TForm.h"
#include "platform/widgets/TImage.h"
#include "platform/widgets/TLabel.h"
#include "platform/widgets/TMainMenu.h"
#include "platform/widgets/TRadioButton.h"
#include "platform/widgets/TUpDown.h"

namespace {
void ClickAt(QWidget* widget, QPoint at) {
  QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(widget, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, at, widget->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(widget, &release);
}

struct Changing {
  short newValue;
  TUpDownDirection direction;
  int positionDuringEvent;
};
}  // namespace

TEST(TUpDown, raisesChangingExBeforeEveryChangeThenClamps) {
  TUpDown upDown;
  upDown.SetMin(0);
  upDown.SetMax(15);
  std::vector<Changing> seen;
  upDown.OnChangingEx = [&](TObject* sender, bool& allow, short newValue, TUpDownDirection direction) {
    EXPECT_EQ(sender, &upDown);
    EXPECT_TRUE(allow);
    seen.push_back({newValue, direction, upDown.Position()});
  };
  upDown.SetPosition(0);  // the value it holds: nothing
  EXPECT_TRUE(seen.empty());
  upDown.SetPosition(7);  // program code: raised with the new value, then taken
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].newValue, 7);
  EXPECT_EQ(seen[0].direction, TUpDownDirection::updNone);
  EXPECT_EQ(seen[0].positionDuringEvent, 0);
  EXPECT_EQ(upDown.Position(), 7);
  upDown.SetPosition(40);  // beyond Max: raised with 40, clamped
  EXPECT_EQ(seen.back().newValue, 40);
  EXPECT_EQ(upDown.Position(), 15);
  upDown.Step(TUpDownDirection::updUp);  // arrow at the bound: raised, stays
  EXPECT_EQ(seen.back().newValue, 16);
  EXPECT_EQ(seen.back().direction, TUpDownDirection::updUp);
  EXPECT_EQ(upDown.Position(), 15);
  upDown.SetBounds(0, 0, 16, 24);
  ClickAt(&upDown, QPoint(8, 20));  // lower half: down arrow
  EXPECT_EQ(seen.back().newValue, 14);
  EXPECT_EQ(seen.back().direction, TUpDownDirection::updDown);
  EXPECT_EQ(upDown.Position(), 14);
}

TEST(TUpDown, handlerCanRefuseAndNegativeRangeWorks) {
  TUpDown upDown;
  upDown.SetMin(-280);
  upDown.SetMax(0);
  EXPECT_EQ(upDown.Position(), 0);
  upDown.OnChangingEx = [](TObject*, bool& allow, short newValue, TUpDownDirection) { allow = newValue != -5; };
  upDown.SetPosition(-5);
  EXPECT_EQ(upDown.Position(), 0);
  upDown.SetPosition(-280);
  EXPECT_EQ(upDown.Position(), -280);
}

TEST(TRadioButton, clickChecksItAloneAmongSiblingsCodeRaisesNothing) {
  TForm form;
  TRadioButton a(&form);
  TRadioButton b(&form);
  b.SetHelpContext(3);
  int clicks = 0;
  a.OnClick = [&](TObject*) { ++clicks; };
  b.OnClick = [&](TObject*) { ++clicks; };
  b.SetChecked(true);
  EXPECT_EQ(clicks, 0);
  ClickAt(&a, QPoint(5, 5));
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(a.Checked());
  EXPECT_FALSE(b.Checked());
  EXPECT_EQ(b.HelpContext(), 3);
}

TEST(TLabel, autoSizeFollowsCaptionAndPaintsText) {
  TForm form;
  TLabel label(&form);
  label.Font().SetHeight(-12);
  label.SetCaption(QStringLiteral("Threshold"));
  const int wide = label.Width();
  EXPECT_GT(wide, 30);
  EXPECT_GT(label.Height(), 8);
  label.SetCaption(QStringLiteral("Q"));
  EXPECT_LT(label.Width(), wide);
  label.SetAutoSize(false);
  label.SetBounds(0, 0, 80, 20);
  label.SetCaption(QStringLiteral("WWWW"));
  EXPECT_EQ(label.Width(), 80);
  label.SetColor(clWhite);
  label.Font().SetColor(clBlack);
  const QImage image = label.grab().toImage();
  bool dark = false;
  for (int x = 0; x < image.width(); ++x) {
    for (int y = 0; y < image.height(); ++y) {
      dark = dark || qGray(image.pixel(x, y)) < 100;
    }
  }
  EXPECT_TRUE(dark);
}

TEST(TImage, drawsItsPictureCentredOrStretched) {
  TForm form;
  TImage image(&form);
  image.SetBounds(0, 0, 20, 20);
  TBitmap& bitmap = image.Picture().Bitmap();
  bitmap.SetSize(4, 4);
  bitmap.Canvas().Brush().SetColor(clRed);
  bitmap.Canvas().FillRect(Rect(0, 0, 4, 4));
  image.SetCenter(true);
  QImage shot = image.grab().toImage();
  EXPECT_EQ(QColor(shot.pixel(9, 9)), QColor(Qt::red));
  EXPECT_NE(QColor(shot.pixel(1, 1)), QColor(Qt::red));
  image.SetStretch(true);
  shot = image.grab().toImage();
  EXPECT_EQ(QColor(shot.pixel(1, 1)), QColor(Qt::red));
}

TEST(TMainMenu, namedItemsBuildTheBarAboveTheClientArea) {
  TForm form;
  TMainMenu menu;
  auto file = std::make_unique<TMenuItem>();
  file->Name = QStringLiteral("File");
  file->Caption = QStringLiteral("File");
  auto open = std::make_unique<TMenuItem>();
  open->Name = QStringLiteral("Open");
  int opened = 0;
  open->OnClick = [&](TObject*) { ++opened; };
  file->Add(std::move(open));
  menu.Add(std::move(file));
  auto hidden = std::make_unique<TMenuItem>();
  hidden->Name = QStringLiteral("LockMode");
  hidden->Visible = false;
  menu.Add(std::move(hidden));
  ASSERT_NE(menu.Find(QStringLiteral("Open")), nullptr);
  EXPECT_EQ(menu.Find(QStringLiteral("Nothing")), nullptr);
  menu.Find(QStringLiteral("Open"))->Click();
  EXPECT_EQ(opened, 1);

  TLabel label(&form);
  label.SetBounds(10, 20, 30, 15);
  form.resize(200, 100);
  form.SetMenu(&menu);
  ASSERT_NE(menu.Bar(), nullptr);
  EXPECT_EQ(menu.Bar()->actions().size(), 1);  // the hidden entry is not shown
  const int barHeight = menu.Bar()->sizeHint().height();
  EXPECT_EQ(label.Top(), 20);
  EXPECT_EQ(label.y(), 20 + barHeight);
  EXPECT_EQ(form.ClientRect().Height(), 100 - barHeight);
  menu.Find(QStringLiteral("LockMode"))->Visible = true;
  menu.Refresh();
  EXPECT_EQ(menu.Bar()->actions().size(), 2);
}

TEST(TForm, autoScrollShowsBarsAndKeepsChildPositions) {
  TForm form;
  TLabel far(&form);
  far.SetAutoSize(false);
  far.SetBounds(300, 250, 50, 50);
  form.resize(400, 400);
  form.show();  // a hidden window gets its resize events only when shown
  form.SetAutoScroll(true);
  EXPECT_FALSE(form.HorzScrollBar()->isVisibleTo(&form));
  EXPECT_FALSE(form.VertScrollBar()->isVisibleTo(&form));
  form.resize(200, 150);
  ASSERT_TRUE(form.HorzScrollBar()->isVisibleTo(&form));
  ASSERT_TRUE(form.VertScrollBar()->isVisibleTo(&form));
  EXPECT_EQ(far.Left(), 300);
  form.VertScrollBar()->setValue(40);
  EXPECT_EQ(far.Top(), 250);  // its place in the client area stays
  EXPECT_EQ(far.y(), 210);    // the client area moved under it
  form.SetAutoScroll(false);
  EXPECT_FALSE(form.VertScrollBar()->isVisibleTo(&form));
  EXPECT_EQ(far.y(), 250);
}

TEST(ControlRegistry, exactNamesTypedLookUpAndDuplicatesRefused) {
  TForm form;
  TLabel label(&form);
  TUpDown upDown(&form);
  ControlRegistry registry;
  EXPECT_TRUE(registry.Register(QStringLiteral("lbGainOut2"), &label));
  EXPECT_FALSE(registry.Register(QStringLiteral("lbGainOut2"), &upDown));
  EXPECT_FALSE(registry.Register(QString(), &upDown));
  EXPECT_TRUE(registry.Register(QStringLiteral("udMixGainAOut6"), &upDown));
  EXPECT_EQ(registry.Count(), 2);
  EXPECT_EQ(registry.Find<TLabel>(QStringLiteral("lbGainOut2")), &label);
  EXPECT_EQ(registry.Find<TLabel>(QStringLiteral("lbGain"), 4), &label);
  EXPECT_EQ(registry.Find<TUpDown>(QStringLiteral("lbGainOut2")), nullptr);  // wrong class
  EXPECT_EQ(registry.Find<TUpDown>(QStringLiteral("udMixGainA"), 8), &upDown);
  EXPECT_EQ(registry.Find<TLabel>(QStringLiteral("lbgainout2")), nullptr);  // exact names only
  EXPECT_EQ(ChannelSuffix(0), QStringLiteral("InA"));
  EXPECT_EQ(ChannelSuffix(2), QStringLiteral("InC"));
  EXPECT_EQ(ChannelSuffix(3), QStringLiteral("Out1"));
  EXPECT_EQ(ChannelSuffix(8), QStringLiteral("Out6"));
  EXPECT_EQ(ChannelSuffix(9), QString());
}
