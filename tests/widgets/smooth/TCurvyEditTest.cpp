#include <gtest/gtest.h>

#include <memory>

#include <QBuffer>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QImage>

#include "platform/pictures/TImageList.h"
#include "platform/widgets/TForm.h"
#include "tests/widgets/support/ImageListPictures.h"
#include "tests/widgets/support/WidgetInput.h"
#include "widgets/smooth/TCurvyEdit.h"

namespace {
struct Boxes {
  Boxes() : first(new TCurvyEdit(&form)), second(new TCurvyEdit(&form)) {
    form.SetBounds(0, 0, 300, 100);
    first->SetBounds(10, 10, 80, 24);
    second->SetBounds(10, 50, 80, 24);
  }
  bool Show() { return WidgetInput::ShowActive(&form); }
  TForm form;
  TCurvyEdit* first;
  TCurvyEdit* second;
};
}  // namespace

TEST(TCurvyEdit, Bounds_keepHeight24AndPlaceTheEditBetweenTheCorners) {
  TCurvyEdit box;
  box.SetRounding(4);
  box.SetBounds(0, 0, 56, 40);
  EXPECT_EQ(box.Height(), 24);
  EXPECT_EQ(box.InnerEdit()->geometry(), QRect(4, 5, 46, 18));
  box.SetRounding(6);
  box.SetWidth(58);
  EXPECT_EQ(box.InnerEdit()->geometry(), QRect(6, 5, 44, 18));
}

TEST(TCurvyEdit, SetText_raisesOnChangeWithTheBoxOnlyForANewText) {
  TCurvyEdit box;
  std::vector<TObject*> senders;
  box.OnChange = [&](TObject* sender) { senders.push_back(sender); };
  box.SetText(QStringLiteral("12.5"));
  box.SetText(QStringLiteral("12.5"));
  EXPECT_EQ(box.GetText(), QStringLiteral("12.5"));
  ASSERT_EQ(senders.size(), 1u);
  EXPECT_EQ(senders[0], &box);
}

TEST(TCurvyEdit, SetEnabled_disablesOnlyTheInnerEdit) {
  TCurvyEdit box;
  box.SetText(QStringLiteral("3"));
  box.SetEnabled(false);
  EXPECT_FALSE(box.Enabled());
  EXPECT_FALSE(box.InnerEdit()->isEnabled());
  EXPECT_TRUE(box.isEnabled());
  EXPECT_EQ(box.GetText(), QStringLiteral("3"));
}

TEST(TCurvyEdit, KeyDown_reachesTheHandlerWithTheBoxAndAClearedKeyIsSwallowed) {
  Boxes boxes;
  ASSERT_TRUE(boxes.Show());
  TCurvyEdit* box = boxes.first;
  box->SetFocus();
  ASSERT_TRUE(WidgetInput::WaitUntil([&] { return box->Focused(); }));
  TObject* sender = nullptr;
  box->OnKeyDown = [&](TObject* s, WORD& key, TShiftState) {
    sender = s;
    if (key == 'A') {
      key = 0;
    }
  };
  WidgetInput::Type(box->InnerEdit(), QStringLiteral("ab"));
  EXPECT_EQ(sender, box);
  EXPECT_EQ(box->GetText(), QStringLiteral("b"));
}

TEST(TCurvyEdit, ReadOnly_refusesTyping) {
  Boxes boxes;
  ASSERT_TRUE(boxes.Show());
  boxes.first->SetReadOnly(true);
  boxes.first->SetText(QStringLiteral("7"));
  boxes.first->SetFocus();
  WidgetInput::Type(boxes.first->InnerEdit(), QStringLiteral("9"));
  EXPECT_EQ(boxes.first->GetText(), QStringLiteral("7"));
}

TEST(TCurvyEdit, EndKeyMessage_putsTheCaretAtTheEnd) {
  TCurvyEdit box;
  box.SetText(QStringLiteral("-12.0"));
  box.InnerEdit()->setCursorPosition(0);
  box.Perform(WM_KEYDOWN, VK_END);
  box.Perform(WM_KEYUP, VK_END);
  EXPECT_EQ(box.InnerEdit()->cursorPosition(), 5);
}

// A text wider than the box shows from its first character whenever
// nobody types in the box: after it is set, and once the focus has left.
TEST(TCurvyEdit, TooWideText_showsFromItsFirstCharacterOutsideEditing) {
  const QString wide = QStringLiteral("+20.0dB -90.0dB 3000ms");
  Boxes boxes;
  ASSERT_TRUE(boxes.Show());
  auto picture = [](TCurvyEdit& box) { return box.InnerEdit()->grab().toImage(); };
  auto* reference = new TCurvyEdit(&boxes.form);
  reference->SetBounds(100, 10, 80, 24);
  reference->SetText(wide);
  reference->InnerEdit()->setCursorPosition(0);
  reference->show();
  const QImage fromStart = picture(*reference);
  boxes.second->SetFocus();
  ASSERT_TRUE(WidgetInput::WaitUntil([&] { return boxes.second->Focused(); }));

  boxes.first->SetText(wide);
  EXPECT_EQ(picture(*boxes.first), fromStart);

  boxes.first->SetFocus();
  ASSERT_TRUE(WidgetInput::WaitUntil([&] { return boxes.first->Focused(); }));
  boxes.first->SetText(QString());
  boxes.first->SetText(wide);
  boxes.first->Perform(WM_KEYDOWN, VK_END);
  boxes.first->Perform(WM_KEYUP, VK_END);
  boxes.second->SetFocus();
  ASSERT_TRUE(WidgetInput::WaitUntil([&] { return !boxes.first->Focused(); }));
  EXPECT_EQ(picture(*boxes.first), fromStart);
}

TEST(TCurvyEdit, LeavingTheBox_raisesOnExitWithTheBox) {
  Boxes boxes;
  ASSERT_TRUE(boxes.Show());
  TObject* exited = nullptr;
  boxes.first->OnExit = [&](TObject* s) { exited = s; };
  boxes.first->SetFocus();
  ASSERT_TRUE(WidgetInput::WaitUntil([&] { return boxes.first->Focused(); }));
  boxes.second->SetFocus();
  ASSERT_TRUE(WidgetInput::WaitUntil([&] { return exited != nullptr; }));
  EXPECT_EQ(exited, boxes.first);
}

// Switching windows or opening a pop-up menu leaves the edit focused: no
// exit (and no enter on the way back), so a half-typed entry stays.
TEST(TCurvyEdit, FocusEvents_raiseEnterAndExitOnlyForMovesInsideTheWindow) {
  const struct {
    Qt::FocusReason reason;
    bool raised;
  } cases[] = {{Qt::TabFocusReason, true},
               {Qt::BacktabFocusReason, true},
               {Qt::MouseFocusReason, true},
               {Qt::OtherFocusReason, true},
               {Qt::ActiveWindowFocusReason, false},
               {Qt::PopupFocusReason, false}};
  for (const auto& c : cases) {
    TCurvyEdit box;
    int entered = 0;
    int exited = 0;
    box.OnEnter = [&](TObject*) { ++entered; };
    box.OnExit = [&](TObject*) { ++exited; };
    QFocusEvent in(QEvent::FocusIn, c.reason);
    QFocusEvent out(QEvent::FocusOut, c.reason);
    QCoreApplication::sendEvent(box.InnerEdit(), &in);
    QCoreApplication::sendEvent(box.InnerEdit(), &out);
    EXPECT_EQ(entered, c.raised ? 1 : 0) << c.reason;
    EXPECT_EQ(exited, c.raised ? 1 : 0) << c.reason;
  }
}

TEST(TCurvyEdit, ZeroWidthBox_stillTakesFocusAndKeys) {
  Boxes boxes;
  boxes.first->SetWidth(0);
  ASSERT_TRUE(boxes.Show());
  WORD seen = 0;
  boxes.first->OnKeyDown = [&](TObject*, WORD& key, TShiftState) { seen = key; };
  boxes.first->SetFocus();
  ASSERT_TRUE(WidgetInput::WaitUntil([&] { return boxes.first->Focused(); }));
  WidgetInput::KeyClick(boxes.first->InnerEdit(), Qt::Key_Up);
  EXPECT_EQ(seen, VK_UP);
}

TEST(TCurvyEdit, EmptyText_isWrittenInGreyWhileTheTextIsEmpty) {
  TCurvyEdit box;
  box.SetBounds(0, 0, 120, 24);
  box.SetEmptyText(QStringLiteral("MMMM"));
  const QImage prompt = box.InnerEdit()->grab().toImage();
  bool grey = false;
  for (int y = 0; y < prompt.height(); ++y)
    for (int x = 0; x < prompt.width(); ++x) grey = grey || prompt.pixel(x, y) == qRgb(0x80, 0x80, 0x80);
  EXPECT_TRUE(grey);
  box.SetText(QStringLiteral("1"));
  const QImage text = box.InnerEdit()->grab().toImage();
  bool stillGrey = false;
  for (int y = 0; y < text.height(); ++y)
    for (int x = 0; x < text.width(); ++x) stillGrey = stillGrey || text.pixel(x, y) == qRgb(0x80, 0x80, 0x80);
  EXPECT_FALSE(stillGrey);
}

TEST(TCurvyControlPanel, PictureButton_takesItsMarginAndRaisesOnControlClick) {
  Boxes boxes;
  ASSERT_TRUE(boxes.Show());
  TCurvyEdit* box = boxes.first;
  box->SetRounding(6);
  QImage glyph(10, 10, QImage::Format_ARGB32);
  glyph.fill(Qt::red);
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  glyph.save(&buffer, "PNG");
  TCurvyControl& item = box->Controls().Add();
  item.Picture().LoadFromBytes(png);
  // The right margin grows by the picture's 10 pixels and 2 more.
  EXPECT_EQ(box->InnerEdit()->width(), 80 - 12 - 2 - 12);
  int clicked = -1;
  TObject* sender = nullptr;
  box->OnControlClick = [&](TObject* s, int index) {
    sender = s;
    clicked = index;
  };
  const int start = 80 - 0 - 14 - 3;  // Width - RightSize - RightControlSize - Rounding div 2
  WidgetInput::Click(box, QPoint(start + 5, 12));
  EXPECT_EQ(clicked, 0);
  EXPECT_EQ(sender, box);
}

TEST(TCurvyControlPanel, ImageListButton_showsTheIndexOfItsStateAndGoesWithTheList) {
  Boxes boxes;
  ASSERT_TRUE(boxes.Show());
  TCurvyEdit* box = boxes.first;
  box->SetRounding(6);
  auto images = std::make_unique<TImageList>();
  images->SetSize(8, 8);
  AddSquarePicture(*images, 8, clRed);
  AddSquarePicture(*images, 8, clLime);
  AddSquarePicture(*images, 8, clBlue);
  TCurvyControl& item = box->Controls().Add();
  item.SetImageIndex(0);
  item.SetImageIndexHover(1);
  item.SetImageIndexDown(2);
  box->SetImages(images.get());
  // The right margin takes the list's 8 pixels and 2 more.
  EXPECT_EQ(box->InnerEdit()->width(), 80 - 12 - 2 - 10);
  const int start = 80 - 0 - 12 - 3;  // Width - RightSize - RightControlSize - Rounding div 2
  const QPoint middle(start + 4, 12);  // the image sits at y = (24 - 8) div 2
  auto shown = [&] { return box->grab().toImage().pixel(middle) & 0xFFFFFFu; };
  EXPECT_EQ(shown(), 0xFF0000u);
  WidgetInput::Move(box, middle, Qt::NoButton);
  EXPECT_EQ(item.State(), TControlState::csHover);
  EXPECT_EQ(shown(), 0x00FF00u);
  WidgetInput::Press(box, middle);
  EXPECT_EQ(shown(), 0x0000FFu);
  WidgetInput::Release(box, middle);
  // Without a hover picture the hovered button keeps its normal one.
  item.SetImageIndexHover(-1);
  WidgetInput::Move(box, middle, Qt::NoButton);
  EXPECT_EQ(shown(), 0xFF0000u);

  images.reset();
  EXPECT_EQ(box->Images(), nullptr);
  // The button keeps only its 2 pixels once the list is gone.
  EXPECT_EQ(box->InnerEdit()->width(), 80 - 12 - 2 - 2);
  EXPECT_NE(shown(), 0xFF0000u);
}

TEST(TCurvyControl, Assign_copiesTheImageIndexesButNotThePictures) {
  TCurvyEdit box;
  TCurvyControl& source = box.Controls().Add();
  source.SetImageIndex(3);
  source.SetImageIndexHover(4);
  source.SetImageIndexDown(5);
  source.SetHint(QStringLiteral("tip"));
  TCurvyControl& copy = box.Controls().Add();
  copy.Assign(source);
  EXPECT_EQ(copy.ImageIndex(), 3);
  EXPECT_EQ(copy.ImageIndexHover(), 4);
  EXPECT_EQ(copy.ImageIndexDown(), 5);
  EXPECT_EQ(copy.Hint(), QStringLiteral("tip"));
}
