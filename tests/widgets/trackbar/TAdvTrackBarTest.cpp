#include <gtest/gtest.h>

#include <limits>
#include <memory>

#include <QGuiApplication>
#include <QScreen>

#include "platform/pictures/TBitmap.h"
#include "platform/widgets/TForm.h"
#include "tests/widgets/support/WidgetInput.h"
#include "widgets/trackbar/TAdvTrackBar.h"
#include "widgets/trackbar/TTrackHintWindow.h"
#include "widgets/trackbar/ThumbFaces.h"

namespace {

QByteArray ThumbBytes(int w, int h, TColor face) {
  TBitmap bitmap(w, h);
  bitmap.Canvas().Brush().SetColor(face);
  bitmap.Canvas().FillRect(Rect(0, 0, w, h));
  bitmap.Canvas().SetPixel(0, h - 1, clFuchsia);
  bitmap.SetPixelFormat(TPixelFormat::pf24bit);
  QByteArray bytes;
  bitmap.SaveToBytes(bytes);
  return bytes;
}

// A vertical fader as the forms place them.
struct Fader {
  explicit Fader(TTrackBarOrientation orientation = TTrackBarOrientation::trVertical)
      : bar(new TAdvTrackBar(&form)) {
    form.SetBounds(0, 0, 200, 220);
    bar->SetOrientation(orientation);
    if (orientation == TTrackBarOrientation::trVertical) {
      bar->SetBounds(20, 20, 26, 155);
      bar->Thumb().Picture().LoadFromBytes(ThumbBytes(16, 29, clGray));
    } else {
      bar->SetBounds(20, 20, 155, 26);
      bar->Thumb().Picture().LoadFromBytes(ThumbBytes(29, 16, clGray));
    }
    bar->TickMark().SetStyle(TTickStyle::tsNone);
    bar->Slider().SetSize(3);
    bar->SetShowFocus(true);
    bar->OnChange = [this](TObject* sender) {
      ++changes;
      lastSender = sender;
    };
  }
  bool Show() { return WidgetInput::ShowActive(&form); }
  QPoint ThumbCentre() const {
    const TRect t = bar->GetThumbRect();
    return QPoint(t.Left + t.Width() / 2, t.Top + t.Height() / 2);
  }
  TForm form;
  TAdvTrackBar* bar;
  int changes = 0;
  TObject* lastSender = nullptr;
};

}  // namespace

TEST(TAdvTrackBar, VerticalFaderGeometry_matchesTheFormsThumbAndSlider) {
  Fader f;
  f.bar->SetMin(-280);
  f.bar->SetMax(120);
  EXPECT_EQ(f.bar->Thumb().Width(), 29);
  EXPECT_EQ(f.bar->Thumb().Size(), 16);
  EXPECT_EQ(f.bar->TrackRect(), Rect(13, 3, 23, 152));
  EXPECT_EQ(f.bar->SliderRect(), Rect(13, 3, 16, 152));
  f.bar->SetPosition(-280);
  EXPECT_EQ(f.bar->GetThumbRect(), Rect(6, 123, 22, 152));
  f.bar->SetPosition(120);
  EXPECT_EQ(f.bar->GetThumbRect(), Rect(6, 3, 22, 32));
}

TEST(TAdvTrackBar, HorizontalThumbPicture_givesLengthFromItsWidth_andIgnoresWidthWrites) {
  Fader f(TTrackBarOrientation::trHorizontal);
  EXPECT_EQ(f.bar->Thumb().Width(), 29);
  EXPECT_EQ(f.bar->Thumb().Size(), 16);
  f.bar->Thumb().SetWidth(12);
  EXPECT_EQ(f.bar->Thumb().Width(), 29);
}

TEST(TAdvTrackBar, SetPosition_raisesOnChangeForClampedWritesButNotForEqualOnes) {
  Fader f;
  f.bar->SetMax(10);
  f.bar->SetPosition(10);
  f.changes = 0;
  f.bar->SetPosition(10);
  EXPECT_EQ(f.changes, 0);
  f.bar->SetPosition(10 + f.bar->PageSize());
  EXPECT_EQ(f.changes, 1);
  EXPECT_EQ(f.bar->Position(), 10);
  EXPECT_EQ(f.lastSender, f.bar);

  f.bar->SetMax(6);
  EXPECT_EQ(f.changes, 2);
  EXPECT_EQ(f.bar->Position(), 6);
  f.bar->SetPosition(2);
  f.bar->SetMin(4);
  EXPECT_EQ(f.bar->Position(), 4);
  EXPECT_EQ(f.changes, 4);
}

TEST(TAdvTrackBar, Keys_moveByOneOrAPageAndIgnoreShift) {
  Fader f;
  ASSERT_TRUE(f.Show());
  f.bar->SetFocus();
  ASSERT_TRUE(WidgetInput::WaitUntil([&] { return f.bar->Focused(); }));
  f.bar->SetMax(100);
  f.bar->SetPageSize(15);
  f.bar->SetPosition(50);
  const struct {
    int key;
    Qt::KeyboardModifiers modifiers;
    int expected;
  } cases[] = {{Qt::Key_Up, Qt::NoModifier, 51},      {Qt::Key_Down, Qt::NoModifier, 50},
               {Qt::Key_PageUp, Qt::NoModifier, 65},  {Qt::Key_PageDown, Qt::NoModifier, 50},
               {Qt::Key_Right, Qt::ShiftModifier, 50}, {Qt::Key_End, Qt::NoModifier, 0},
               {Qt::Key_Home, Qt::NoModifier, 100}};
  for (const auto& c : cases) {
    WidgetInput::KeyClick(f.bar, c.key, {}, c.modifiers);
    EXPECT_EQ(f.bar->Position(), c.expected) << c.key;
  }
}

TEST(TAdvTrackBar, Wheel_stepsByOneWithinTheRange) {
  Fader f;
  f.bar->SetMax(3);
  f.bar->SetPosition(2);
  WidgetInput::Wheel(f.bar, 120);
  EXPECT_EQ(f.bar->Position(), 3);
  f.changes = 0;
  WidgetInput::Wheel(f.bar, 120);
  EXPECT_EQ(f.changes, 0);
  WidgetInput::Wheel(f.bar, -120);
  EXPECT_EQ(f.bar->Position(), 2);
}

TEST(TAdvTrackBar, Drag_keepsTheGripPointAndShowsTheHint) {
  Fader f;
  ASSERT_TRUE(f.Show());
  f.bar->SetMax(120);
  f.bar->SetPosition(0);
  f.bar->SetTrackHint(true);
  QString hinted;
  f.bar->OnGetTrackHint = [&](TObject*, int position, QString& text) {
    text = QStringLiteral("%1 dB").arg(position);
    hinted = text;
  };
  const QPoint grip = f.ThumbCentre() + QPoint(0, 5);
  WidgetInput::Press(f.bar, grip);
  WidgetInput::Move(f.bar, grip - QPoint(0, 60));
  // 60 pixels up on a 120-pixel usable track of 120 steps.
  EXPECT_EQ(f.bar->Position(), 60);
  EXPECT_EQ(hinted, QStringLiteral("60 dB"));
  WidgetInput::Release(f.bar, grip - QPoint(0, 60));
  EXPECT_EQ(f.ThumbCentre() + QPoint(0, 5), grip - QPoint(0, 60));
  WidgetInput::Move(f.bar, grip, Qt::NoButton);
  EXPECT_EQ(f.bar->Position(), 60);
}

TEST(TAdvTrackBar, HoldingTheGroove_pagesAtOnceThenRepeatsUntilTheThumbArrives) {
  Fader f;
  ASSERT_TRUE(f.Show());
  EXPECT_EQ(f.bar->Buttons().InitRepeatPause(), 400);
  EXPECT_EQ(f.bar->Buttons().RepeatPause(), 100);
  f.bar->Buttons().SetInitRepeatPause(40);
  f.bar->Buttons().SetRepeatPause(10);
  f.bar->SetMax(100);
  f.bar->SetPageSize(10);
  f.bar->SetPosition(0);
  const QPoint above(15, 20);
  WidgetInput::Press(f.bar, above);
  EXPECT_EQ(f.bar->Position(), 10);
  ASSERT_TRUE(WidgetInput::WaitUntil([&] { return f.bar->Position() >= 90; }, 3000));
  WidgetInput::Release(f.bar, above);
  const int stopped = f.bar->Position();
  WidgetInput::WaitUntil([] { return false; }, 100);
  EXPECT_EQ(f.bar->Position(), stopped);
  EXPECT_LE(stopped, 100);
}

TEST(TAdvTrackBar, MoveOnClick_jumpsToThePressAndKeepsThePositionWithoutRoom) {
  Fader f(TTrackBarOrientation::trHorizontal);
  ASSERT_TRUE(f.Show());
  f.bar->SetMoveOnClick(TMoveOnClick::mcMove);
  f.bar->SetMax(100);
  const TRect track = f.bar->TrackRect();
  const int usable = track.Width() - f.bar->Thumb().Width();
  WidgetInput::Click(f.bar, QPoint(track.Left + f.bar->PointerOffset() + usable / 2, track.Top + 2));
  EXPECT_NEAR(f.bar->Position(), 50, 1);

  f.bar->SetPosition(30);
  f.bar->SetWidth(30);  // track shorter than the thumb
  EXPECT_EQ(f.bar->PositionFromPress(Point(5, 10)), 30);
  EXPECT_EQ(f.bar->PositionFromDrag(Point(5, 10)), 30);
  EXPECT_EQ(f.bar->PositionFromDrag(Point(-400, 10)), 30);
  f.bar->SetWidth(155);
  f.bar->SetMin(7);
  f.bar->SetMax(7);
  WidgetInput::Click(f.bar, QPoint(100, 10));
  EXPECT_EQ(f.bar->Position(), 7);
}

TEST(TAdvTrackBar, RatingMode_pickTheCellUnderThePointer) {
  Fader f(TTrackBarOrientation::trHorizontal);
  ASSERT_TRUE(f.Show());
  f.bar->SetBounds(20, 20, 170, 40);
  f.bar->SetMax(5);
  f.bar->RateActive().LoadFromBytes(ThumbBytes(12, 12, clYellow));
  f.bar->RateInActive().LoadFromBytes(ThumbBytes(12, 12, clSilver));
  ASSERT_TRUE(f.bar->RatingMode());
  const TRect third = f.bar->RatingCellRect(3);
  WidgetInput::Click(f.bar, QPoint(third.Left + 3, third.Top + 3));
  EXPECT_EQ(f.bar->Position(), 3);
  const TRect first = f.bar->RatingCellRect(1);
  WidgetInput::Click(f.bar, QPoint(first.Left - 2, first.Top + 3));
  EXPECT_EQ(f.bar->Position(), 0);
}

TEST(TAdvTrackBar, RatingMode_cellsWrapIntoRowsOverAnyRange) {
  Fader f(TTrackBarOrientation::trHorizontal);
  f.bar->SetBounds(20, 20, 50, 40);
  f.bar->RateActive().LoadFromBytes(ThumbBytes(12, 12, clYellow));
  f.bar->RateInActive().LoadFromBytes(ThumbBytes(12, 12, clSilver));
  f.bar->SetMax(std::numeric_limits<int>::max());
  ASSERT_TRUE(f.Show());
  const TRect track = f.bar->TrackRect();
  ASSERT_GE(track.Width(), 36);
  ASSERT_LT(track.Width(), 48);
  const int perRow = 3;
  EXPECT_EQ(f.bar->RatingCellRect(1), Bounds(track.Left, track.Top, 12, 12));
  EXPECT_EQ(f.bar->RatingCellRect(3), Bounds(track.Left + 24, track.Top, 12, 12));
  EXPECT_EQ(f.bar->RatingCellRect(perRow + 1), Bounds(track.Left, track.Top + 12, 12, 12));
  EXPECT_EQ(f.bar->RatingCellRect(0), Rect(-1, -1, -1, -1));
  EXPECT_EQ(f.bar->RatingCellRect(std::numeric_limits<int>::max()), Rect(-1, -1, -1, -1));
  const TRect fifth = f.bar->RatingCellRect(5);
  WidgetInput::Click(f.bar, QPoint(fifth.Left + 3, fifth.Top + 3));
  EXPECT_EQ(f.bar->Position(), 5);
  EXPECT_FALSE(f.bar->grab().isNull());
}

TEST(TAdvTrackBar, CustomStyle_removesPicturesAndKeepsColours) {
  Fader f;
  f.bar->Thumb().SetColor(clRed);
  f.bar->SetComponentStyle(TStylePreset::tsCustom);
  EXPECT_TRUE(f.bar->Thumb().Picture().Empty());
  EXPECT_EQ(f.bar->Thumb().Color(), clRed);
  f.bar->SetComponentStyle(TStylePreset::tsOffice2007Luna);
  EXPECT_EQ(f.bar->Thumb().Color(), TColor(15653832));
  EXPECT_EQ(f.bar->TickMark().Color(), TColor(12752500));
}

TEST(TAdvTrackBar, Painting_showsThumbStateAndFocusFrame) {
  Fader f;
  ASSERT_TRUE(f.Show());
  f.bar->Thumb().PictureDown().LoadFromBytes(ThumbBytes(16, 29, clNavy));
  f.bar->SetMax(10);
  f.bar->SetPosition(5);
  auto pixel = [&](QPoint p) { return QRgbToColor(f.bar->grab().toImage().pixel(p)); };
  const QPoint centre = f.ThumbCentre();
  EXPECT_EQ(pixel(centre), clGray);
  WidgetInput::Press(f.bar, centre);
  EXPECT_EQ(pixel(centre), clNavy);
  WidgetInput::Release(f.bar, centre);
  EXPECT_EQ(pixel(centre), clGray);
  f.bar->SetFocus();
  ASSERT_TRUE(WidgetInput::WaitUntil([&] { return f.bar->Focused(); }));
  EXPECT_EQ(pixel(QPoint(0, 0)), clBlack);
  f.bar->SetEnabled(false);
  EXPECT_EQ(pixel(centre), clGray);
}

TEST(ThumbFaces, KnobsAre16By29WithTheKeyAtTheBottomLeft) {
  for (bool horizontal : {false, true}) {
    TBitmap bitmap;
    ASSERT_TRUE(bitmap.LoadFromBytes(ThumbFaces::Bitmap(ThumbFaces::TThumbFace::Normal, horizontal)));
    EXPECT_EQ(bitmap.Width(), horizontal ? 29 : 16);
    EXPECT_EQ(bitmap.Height(), horizontal ? 16 : 29);
    EXPECT_EQ(bitmap.Canvas().Pixel(0, bitmap.Height() - 1), clFuchsia);
    EXPECT_NE(bitmap.Canvas().Pixel(bitmap.Width() / 2, bitmap.Height() / 2), clFuchsia);
  }
  EXPECT_NE(ThumbFaces::Bitmap(ThumbFaces::TThumbFace::Down, false),
            ThumbFaces::Bitmap(ThumbFaces::TThumbFace::Normal, false));
}

TEST(TAdvTrackBar, StepButtons_stepOnReleaseAndRepeatWhileHeld) {
  Fader f(TTrackBarOrientation::trHorizontal);
  f.bar->SetBounds(20, 20, 170, 40);
  f.bar->Buttons().SetVisible(true);
  f.bar->Buttons().SetInitRepeatPause(30);
  f.bar->Buttons().SetRepeatPause(10);
  ASSERT_TRUE(f.Show());
  f.bar->SetMax(50);
  f.bar->SetPosition(20);
  const TRect minButton = f.bar->MinButtonRect();
  const QPoint onMin(minButton.Left + 5, minButton.Top + minButton.Height() / 2);
  WidgetInput::Press(f.bar, onMin);
  EXPECT_EQ(f.bar->Position(), 20);
  WidgetInput::Release(f.bar, onMin);
  EXPECT_EQ(f.bar->Position(), 19);
  const TRect maxButton = f.bar->MaxButtonRect();
  const QPoint onMax(maxButton.Left + 5, maxButton.Top + maxButton.Height() / 2);
  WidgetInput::Press(f.bar, onMax);
  ASSERT_TRUE(WidgetInput::WaitUntil([&] { return f.bar->Position() >= 23; }, 3000));
  WidgetInput::Release(f.bar, onMax);
  const int released = f.bar->Position();
  WidgetInput::WaitUntil([] { return false; }, 80);
  EXPECT_EQ(f.bar->Position(), released);
}

TEST(TTrackHintWindow, NearTheScreenEdge_staysTwoPixelsInside) {
  QWidget owner;
  TTrackHintWindow hint(&owner);
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  hint.ActivateHint(Bounds(screen.right() - 3, screen.bottom() - 3, 0, 0), QStringLiteral("-12.5"));
  EXPECT_EQ(hint.geometry().right() + 1, screen.right() + 1 - 2);
  EXPECT_EQ(hint.geometry().bottom() + 1, screen.bottom() + 1 - 2);
  EXPECT_EQ(hint.width(), hint.TextWidth() + 16);
}
