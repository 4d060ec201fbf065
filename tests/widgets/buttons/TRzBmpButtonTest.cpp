#include <memory>

#include <QTimer>

#include "platform/drawing/TCanvas.h"
#include "platform/widgets/TForm.h"
#include "tests/widgets/support/WidgetInput.h"
#include "widgets/buttons/ButtonFaces.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/panels/TRzPanel.h"

#include <gtest/gtest.h>

namespace {
std::unique_ptr<TBitmap> Solid(int w, int h, TColor color) {
  auto bitmap = std::make_unique<TBitmap>(w, h);
  bitmap->Canvas().Brush().SetColor(color);
  bitmap->Canvas().FillRect(Rect(0, 0, w, h));
  return bitmap;
}

QRgb PixelOf(QWidget* w, int x, int y) { return w->grab().toImage().pixel(x, y) & 0xFFFFFF; }
QRgb Rgb(TColor c) { return ColorToQRgb(c) & 0xFFFFFF; }

struct BmpButtonFixture : ::testing::Test {
  std::unique_ptr<TForm> form = std::make_unique<TForm>();
  TRzPanel* panel = new TRzPanel(form.get());
  int clicks = 0;

  void SetUp() override {
    form->SetBounds(0, 0, 400, 300);
    panel->SetBounds(0, 0, 400, 150);
    ASSERT_TRUE(WidgetInput::ShowActive(form.get()));
  }
  TRzBmpButton* NewButton(TWinControl* parent, int group, int left = 0) {
    auto* button = new TRzBmpButton(parent);
    button->SetButtonSize(TBtnSize::bszStretchToButton);
    button->SetBounds(left, 0, 60, 24);
    button->SetGroupIndex(group);
    button->OnClick = [this](TObject*) { ++clicks; };
    return button;
  }
  void ClickOn(TRzBmpButton* button) { WidgetInput::Click(button, QPoint(5, 5)); }
};
}  // namespace

TEST_F(BmpButtonFixture, RadioGroup_clickSelectsOneAndTheSelectedOneStaysDown) {
  TRzBmpButton* a = NewButton(panel, 1, 0);
  TRzBmpButton* b = NewButton(panel, 1, 70);
  TRzBmpButton* c = NewButton(panel, 1, 140);
  a->SetDown(true);
  ClickOn(b);
  EXPECT_TRUE(b->Down());
  EXPECT_FALSE(a->Down());
  EXPECT_FALSE(c->Down());
  ClickOn(b);
  EXPECT_TRUE(b->Down());
  EXPECT_EQ(clicks, 2);
  b->SetDown(false);
  EXPECT_TRUE(b->Down());
  EXPECT_EQ(b->State(), TButtonState::bsExclusive);
}

TEST_F(BmpButtonFixture, Toggle_withItsOwnGroupAndAllowAllUp_flipsOnEveryClick) {
  TRzBmpButton* toggle = NewButton(panel, 2);
  toggle->SetAllowAllUp(true);
  ClickOn(toggle);
  EXPECT_TRUE(toggle->Down());
  ClickOn(toggle);
  EXPECT_FALSE(toggle->Down());
  EXPECT_EQ(clicks, 2);
}

TEST_F(BmpButtonFixture, Down_withoutGroup_isNeverTrue) {
  TRzBmpButton* plain = NewButton(panel, 0);
  plain->SetDown(true);
  ClickOn(plain);
  EXPECT_FALSE(plain->Down());
  EXPECT_EQ(plain->State(), TButtonState::bsUp);
}

TEST_F(BmpButtonFixture, Groups_areKeptPerParentAndShareAllowAllUp) {
  auto* other = new TRzPanel(form.get());
  other->SetBounds(0, 160, 400, 100);
  TRzBmpButton* here = NewButton(panel, 1);
  TRzBmpButton* mate = NewButton(panel, 1, 70);
  TRzBmpButton* there = NewButton(other, 1);
  there->SetDown(true);
  here->SetDown(true);
  EXPECT_TRUE(there->Down());
  mate->SetAllowAllUp(true);
  EXPECT_TRUE(here->AllowAllUp());
  EXPECT_FALSE(there->AllowAllUp());
  here->SetDown(false);
  EXPECT_FALSE(here->Down());
}

TEST_F(BmpButtonFixture, Release_onTheBottomEdgeCountsAsInsideButNotOnTheRightEdge) {
  TRzBmpButton* button = NewButton(panel, 0);
  const int w = button->ClientWidth();
  const int h = button->ClientHeight();
  WidgetInput::Press(button, QPoint(5, 5));
  WidgetInput::Release(button, QPoint(5, h));
  EXPECT_EQ(clicks, 1);
  WidgetInput::Press(button, QPoint(5, 5));
  WidgetInput::Move(button, QPoint(w, 5));
  EXPECT_EQ(button->State(), TButtonState::bsUp);
  WidgetInput::Release(button, QPoint(w, 5));
  EXPECT_EQ(clicks, 1);
}

TEST_F(BmpButtonFixture, Click_onAModalDialog_closesItWithTheButtonsResult) {
  TForm dialog;
  dialog.SetBounds(0, 0, 160, 80);
  auto* button = new TRzBmpButton(&dialog);
  button->SetModalResult(mrIgnore);
  QTimer::singleShot(0, button, [button] { button->Click(); });
  EXPECT_EQ(dialog.ShowModal(), mrIgnore);
  button->OnClick = [&dialog](TObject*) { dialog.SetModalResult(mrOk); };
  QTimer::singleShot(0, button, [button] { button->Click(); });
  EXPECT_EQ(dialog.ShowModal(), mrOk);
}

TEST_F(BmpButtonFixture, ButtonToBitmap_takesTheSizeOfItsUpBitmap) {
  auto* button = new TRzBmpButton(panel);
  button->SetBounds(0, 0, 100, 100);
  button->Bitmaps().SetUp(*Solid(74, 40, clRed));
  EXPECT_EQ(button->Width(), 74);
  EXPECT_EQ(button->Height(), 40);
  button->SetBounds(0, 0, 120, 20);
  EXPECT_EQ(button->Width(), 74);
  button->SetButtonBorder(TButtonBorder::bbSingle);
  EXPECT_EQ(button->Width(), 76);
}

TEST_F(BmpButtonFixture, DisabledWithoutDisabledBitmap_showsTheEmbossedUpFace) {
  std::unique_ptr<TBitmap> upFace = Solid(20, 20, clTeal);
  TBitmap& up = *upFace;
  up.Canvas().Brush().SetColor(clBlack);
  up.Canvas().FillRect(Rect(5, 5, 11, 11));
  TBitmap face;
  TRzBmpButton::MakeDisabledFace(up, face);
  EXPECT_EQ(face.Canvas().Pixel(7, 7), ColorToRGB(clBtnShadow));
  EXPECT_EQ(face.Canvas().Pixel(11, 11), clWhite);
  EXPECT_EQ(face.Canvas().Pixel(2, 2), ColorToRGB(clBtnFace));

  TRzBmpButton* button = NewButton(panel, 0);
  button->SetButtonSize(TBtnSize::bszButtonToBitmap);
  button->Bitmaps().SetTransparentColor(clTeal);
  button->Bitmaps().SetUp(up);
  button->SetEnabled(false);
  EXPECT_EQ(button->State(), TButtonState::bsUp);
  EXPECT_EQ(PixelOf(button, 7, 7), Rgb(clBtnShadow));
  EXPECT_EQ(button->State(), TButtonState::bsDisabled);
}

TEST_F(BmpButtonFixture, DisabledCaption_isWhiteUnderGrey) {
  TRzBmpButton* button = NewButton(panel, 0);
  button->Font().SetHeight(-20);
  button->Font().SetStyle({TFontStyle::fsBold});
  button->SetCaption(QStringLiteral("III"));
  button->SetEnabled(false);
  const QImage image = button->grab().toImage();
  bool white = false;
  bool grey = false;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y) & 0xFFFFFF;
      white = white || p == 0xFFFFFF;
      grey = grey || p == 0x808080;
    }
  }
  EXPECT_TRUE(white);
  EXPECT_TRUE(grey);
}

TEST_F(BmpButtonFixture, DownButtonDisabledAndEnabledAgain_showsItsStayDownFace) {
  TRzBmpButton* button = NewButton(panel, 3);
  button->Bitmaps().SetUp(*Solid(8, 8, clRed));
  button->Bitmaps().SetStayDown(*Solid(8, 8, clBlue));
  button->SetDown(true);
  button->SetEnabled(false);
  button->grab();
  button->SetEnabled(true);
  EXPECT_EQ(PixelOf(button, 10, 10), Rgb(clBlue));
  EXPECT_EQ(button->State(), TButtonState::bsExclusive);
}

TEST_F(BmpButtonFixture, HotFace_showsWhileTheMouseIsOver) {
  TRzBmpButton* button = NewButton(panel, 0);
  button->Bitmaps().SetUp(*Solid(8, 8, clRed));
  button->Bitmaps().SetHot(*Solid(8, 8, clLime));
  EXPECT_EQ(PixelOf(button, 10, 10), Rgb(clRed));
  button->Perform(CM_MOUSEENTER);
  EXPECT_EQ(PixelOf(button, 10, 10), Rgb(clLime));
  button->Perform(CM_MOUSELEAVE);
  EXPECT_EQ(PixelOf(button, 10, 10), Rgb(clRed));
}

TEST_F(BmpButtonFixture, DoubleClick_onAToggle_pressesTwiceAndReportsTheDoubleClickWhileDown) {
  TRzBmpButton* toggle = NewButton(panel, 4);
  toggle->SetAllowAllUp(true);
  int doubles = 0;
  toggle->OnDblClick = [&doubles](TObject*) { ++doubles; };
  WidgetInput::DoubleClick(toggle, QPoint(5, 5));
  EXPECT_EQ(clicks, 2);
  EXPECT_FALSE(toggle->Down());
  EXPECT_EQ(doubles, 1);
}

TEST_F(BmpButtonFixture, OwnArtwork_keyColourCornersShowTheParent) {
  panel->SetColor(clYellow);
  panel->SetBorderOuter(Rz::TFrameStyleEx::fsNone);
  TRzBmpButton* button = NewButton(panel, 0);
  ButtonFaces::Fill(button->Bitmaps(), 60, 24, clTeal);
  EXPECT_EQ(PixelOf(button, 0, 0), Rgb(clYellow));
  EXPECT_EQ(PixelOf(button, 0, 12), Rgb(clBlack));
}
