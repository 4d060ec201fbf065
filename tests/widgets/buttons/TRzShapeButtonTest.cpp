#include <memory>

#include "platform/drawing/TCanvas.h"
#include "platform/widgets/TForm.h"
#include "tests/widgets/support/WidgetInput.h"
#include "widgets/buttons/TRzShapeButton.h"

#include <gtest/gtest.h>

namespace {
struct ShapeFixture : ::testing::Test {
  std::unique_ptr<TForm> form = std::make_unique<TForm>();
  TRzShapeButton* shape = new TRzShapeButton(form.get());
  int clicks = 0;

  void SetUp() override {
    form->SetBounds(0, 0, 300, 200);
    shape->OnClick = [this](TObject*) { ++clicks; };
  }
  // A red disc on magenta (the bitmap's bottom-left pixel: its transparent colour).
  void UseDisc(int size) {
    TBitmap disc(size, size);
    disc.Canvas().Brush().SetColor(clFuchsia);
    disc.Canvas().FillRect(Rect(0, 0, size, size));
    disc.Canvas().Brush().SetColor(clRed);
    disc.Canvas().Pen().SetColor(clRed);
    disc.Canvas().Ellipse(0, 0, size, size);
    shape->SetBitmap(disc);
  }
};
}  // namespace

TEST_F(ShapeFixture, Disc_takesClicksInsideAndLetsTheCornersThrough) {
  UseDisc(40);
  ASSERT_TRUE(WidgetInput::ShowActive(form.get()));
  EXPECT_FALSE(shape->PtInMask(1, 1));
  EXPECT_TRUE(shape->PtInMask(20, 20));
  EXPECT_EQ(form->childAt(1, 1), nullptr);
  EXPECT_EQ(form->childAt(20, 20), shape);
  WidgetInput::Click(shape, QPoint(20, 20));
  EXPECT_EQ(clicks, 1);
  WidgetInput::Click(shape, QPoint(1, 1));
  EXPECT_EQ(clicks, 1);
}

TEST_F(ShapeFixture, Press_showsTheDownStateOnlyOverTheShape) {
  UseDisc(40);
  WidgetInput::Press(shape, QPoint(20, 20));
  EXPECT_EQ(shape->State(), TButtonState::bsDown);
  WidgetInput::Move(shape, QPoint(1, 1));
  EXPECT_EQ(shape->State(), TButtonState::bsUp);
  WidgetInput::Move(shape, QPoint(21, 21));
  WidgetInput::Release(shape, QPoint(21, 21));
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(shape->State(), TButtonState::bsUp);
}

TEST_F(ShapeFixture, BevelWidth_isKeptWithinTwo) {
  shape->SetBevelWidth(5);
  EXPECT_EQ(shape->BevelWidth(), 2);
}

TEST_F(ShapeFixture, AutoSize_makesTheButtonTheBitmapPlusFour) {
  TBitmap plate(800, 40);
  shape->SetBitmap(plate);
  EXPECT_EQ(shape->Width(), 804);
  EXPECT_EQ(shape->Height(), 44);
  shape->SetBounds(0, 0, 10, 10);
  EXPECT_EQ(shape->Width(), 804);
}

TEST_F(ShapeFixture, Bevel_growsOutwardFromTheOutline) {
  TBitmap square(20, 20);
  square.Canvas().Brush().SetColor(clFuchsia);
  square.Canvas().FillRect(Rect(0, 0, 20, 20));
  square.Canvas().Brush().SetColor(clRed);
  square.Canvas().FillRect(Rect(5, 5, 15, 15));
  shape->SetBevelHighlightColor(clWhite);
  shape->SetBevelShadowColor(clGray);
  shape->SetBorderColor(clBlack);
  shape->SetBitmap(square);
  const TCanvas& up = shape->BitmapUp().Canvas();
  EXPECT_EQ(up.Pixel(15, 10), clGray);    // ring 1, right
  EXPECT_EQ(up.Pixel(10, 4), clWhite);    // ring 1, top
  EXPECT_EQ(up.Pixel(4, 10), clWhite);    // ring 1, left
  EXPECT_EQ(up.Pixel(10, 15), clGray);    // ring 1, bottom
  EXPECT_EQ(up.Pixel(17, 10), clBlack);   // ring 3: the border
  EXPECT_EQ(up.Pixel(18, 10), clFuchsia);
  const TCanvas& down = shape->BitmapDown().Canvas();
  EXPECT_EQ(down.Pixel(15, 10), clWhite);
  EXPECT_EQ(down.Pixel(10, 4), clGray);
  EXPECT_EQ(down.Pixel(17, 10), clFuchsia);  // no outer ring bottom-right when down
  EXPECT_EQ(down.Pixel(10, 2), clBlack);
}

TEST_F(ShapeFixture, CaptionXY_switchesToFixedPlacement) {
  shape->SetCaptionXY(4, 6);
  EXPECT_EQ(shape->CaptionPosition(), TRzCaptionPosition::cpXY);
  EXPECT_EQ(shape->CaptionX(), 4);
  EXPECT_EQ(shape->CaptionY(), 6);
}
