#include <memory>

#include <QImage>

#include "platform/widgets/TForm.h"
#include "widgets/labels/TRzLabel.h"
#include "widgets/panelset/PaintHelpers.h"

#include <gtest/gtest.h>

namespace {
struct LabelFixture : ::testing::Test {
  std::unique_ptr<TForm> form = std::make_unique<TForm>();
  TRzLabel* NewLabel(const QString& caption) {
    auto* label = new TRzLabel(form.get());
    label->SetCaption(caption);
    return label;
  }
};

// Counts pixels whose colour is close to the given one.
int CountNear(const QImage& image, QRgb color) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      if (std::abs(qRed(p) - qRed(color)) < 40 && std::abs(qGreen(p) - qGreen(color)) < 40 &&
          std::abs(qBlue(p) - qBlue(color)) < 40) {
        ++n;
      }
    }
  }
  return n;
}
}  // namespace

TEST_F(LabelFixture, Angle_isKeptWithinOneTurn) {
  auto* label = NewLabel(QStringLiteral("A"));
  for (const auto& [written, stored] : {std::pair{-90, 270}, {450, 90}, {360, 0}, {45, 45}}) {
    label->SetAngle(written);
    EXPECT_EQ(label->Angle(), stored) << written;
  }
  label->SetAngle(90);
  EXPECT_EQ(label->Rotation(), TRotation::roFlat);
  label->SetRotation(TRotation::roNone);
  EXPECT_EQ(label->Angle(), 0);
}

TEST_F(LabelFixture, Rotation_withAFontThatIsNotTrueType_switchesToVerdana) {
  auto* label = NewLabel(QStringLiteral("A"));
  label->Font().SetName(QStringLiteral("URW Gothic"));
  if (Rz::IsTrueTypeFont(label->Font())) {
    GTEST_SKIP() << "no PostScript font installed";
  }
  label->SetAngle(30);
  EXPECT_EQ(label->Font().Name(), QStringLiteral("Verdana"));
  EXPECT_EQ(label->Angle(), 30);
  label->Font().SetName(QStringLiteral("URW Gothic"));
  EXPECT_EQ(label->Angle(), 0);
}

TEST_F(LabelFixture, Blinking_labelsChangeColourOnTheSameTickAndShareIntervals) {
  auto* first = NewLabel(QStringLiteral("One"));
  auto* second = NewLabel(QStringLiteral("Two"));
  auto* quiet = NewLabel(QStringLiteral("Three"));
  first->SetBlinkColor(clRed);
  second->SetBlinkColor(clBlue);
  first->SetBlinking(true);
  second->SetBlinking(true);
  first->SetBlinkIntervalOn(300);
  EXPECT_EQ(second->BlinkIntervalOn(), 300);
  TRzBlinkingControlsList* list = TRzBlinkingControlsList::Instance();
  ASSERT_NE(list, nullptr);
  const TColor font = first->Font().Color();
  if (list->BlinkState() == TBlinkState::bsOn) {
    list->TimerFired();
  }
  list->TimerFired();  // to bsOn: the font colour, for the off interval
  EXPECT_EQ(first->CurrentColor(), font);
  EXPECT_EQ(list->NextInterval(), list->IntervalOff());
  list->TimerFired();  // to bsOff: the blink colour, for the on interval
  EXPECT_EQ(first->CurrentColor(), clRed);
  EXPECT_EQ(second->CurrentColor(), clBlue);
  EXPECT_EQ(quiet->CurrentColor(), quiet->Font().Color());
  EXPECT_EQ(list->NextInterval(), 300);
  first->SetBlinking(false);
  EXPECT_EQ(first->CurrentColor(), font);
}

TEST_F(LabelFixture, BlinkList_livesAsLongAsAnyLabel) {
  form.reset();
  EXPECT_EQ(TRzBlinkingControlsList::Instance(), nullptr);
  auto label = std::make_unique<TRzLabel>();
  EXPECT_NE(TRzBlinkingControlsList::Instance(), nullptr);
  label.reset();
  EXPECT_EQ(TRzBlinkingControlsList::Instance(), nullptr);
}

TEST_F(LabelFixture, CondenseCaption_turnsAutoSizeOffAndEndsWithAnEllipsis) {
  auto* label = NewLabel(QStringLiteral("A caption far too long for its label"));
  EXPECT_GT(label->Width(), 60);
  label->SetCondenseCaption(TRzCondenseCaption::ccAtEnd);
  EXPECT_FALSE(label->AutoSize());
  label->SetWidth(60);
  label->SetCaption(QStringLiteral("A caption far too long for its label, longer"));
  EXPECT_EQ(label->Width(), 60);
}

TEST_F(LabelFixture, AutoSize_growsByFramesMarginAndShadow) {
  auto* plain = NewLabel(QStringLiteral("Text"));
  auto* framed = NewLabel(QStringLiteral("Text"));
  framed->SetBorderOuter(Rz::TFrameStyleEx::fsFlat);  // 1 a side
  framed->SetTextMargin(3);                            // 3 a side
  framed->SetTextStyle(TTextStyle::tsShadow);          // + ShadowDepth 2
  EXPECT_EQ(framed->Width(), plain->Width() + 2 + 6 + 2);
  EXPECT_EQ(framed->Height(), plain->Height() + 2 + 6 + 2);
}

TEST_F(LabelFixture, TextStyles_drawTheirCopiesOnlyWhileEnabled) {
  auto* label = NewLabel(QStringLiteral("WWWW"));
  label->Font().SetHeight(-20);
  label->Font().SetStyle({TFontStyle::fsBold});
  label->Font().SetColor(clBlack);
  label->SetColor(clWhite);
  label->SetHighlightColor(clRed);
  label->SetShadowColor(clBlue);
  label->SetTextMargin(2);
  label->SetTextStyle(TTextStyle::tsRaised);
  const QImage raised = label->grab().toImage();
  EXPECT_GT(CountNear(raised, qRgb(255, 0, 0)), 0);
  EXPECT_GT(CountNear(raised, qRgb(0, 0, 255)), 0);
  label->SetLightTextStyle(true);
  const QImage light = label->grab().toImage();
  EXPECT_GT(CountNear(light, qRgb(255, 0, 0)), 0);
  EXPECT_EQ(CountNear(light, qRgb(0, 0, 255)), 0);
  label->SetTextStyle(TTextStyle::tsRecessed);
  const QImage recessed = label->grab().toImage();
  EXPECT_GT(CountNear(recessed, qRgb(255, 0, 0)), 0);
  EXPECT_EQ(CountNear(recessed, qRgb(0, 0, 255)), 0);
  label->SetLightTextStyle(false);
  label->SetEnabled(false);
  const QImage disabled = label->grab().toImage();
  EXPECT_EQ(CountNear(disabled, qRgb(255, 0, 0)), 0);
  EXPECT_EQ(CountNear(disabled, qRgb(0, 0, 255)), 0);
  EXPECT_GT(CountNear(disabled, ColorToQRgb(clGrayText)), 0);
}

TEST_F(LabelFixture, FlyBy_showsTheHoverColourAndGivesTheFontColourBack) {
  auto* label = NewLabel(QStringLiteral("Hover"));
  label->Font().SetColor(clNavy);
  label->SetFlyByEnabled(true);
  label->SetFlyByColor(clRed);
  label->Perform(CM_MOUSEENTER);
  EXPECT_EQ(label->CurrentColor(), clRed);
  label->Perform(CM_MOUSELEAVE);
  EXPECT_EQ(label->Font().Color(), clNavy);
  EXPECT_EQ(label->CurrentColor(), clNavy);
}

TEST_F(LabelFixture, CurvedAndTurnedText_paintWithoutFault) {
  for (const TRotation rotation : {TRotation::roFlat, TRotation::roCurve}) {
    for (const int angle : {0, 45, 90, 135, 180, 270}) {
      auto* label = NewLabel(QStringLiteral("Round"));
      label->SetRotation(rotation);
      label->SetAngle(angle);
      label->SetAutoSize(false);
      label->SetBounds(0, 0, 80, 80);
      label->Font().SetColor(clBlack);
      label->SetColor(clWhite);
      EXPECT_GT(CountNear(label->grab().toImage(), qRgb(0, 0, 0)), 0) << int(rotation) << " " << angle;
    }
  }
}

TEST_F(LabelFixture, ParentColour_isTakenOnceTheLabelIsBuilt) {
  form->SetColor(clRed);
  auto* label = NewLabel(QStringLiteral("On red"));
  EXPECT_TRUE(label->ParentColor());
  EXPECT_EQ(label->Color(), clRed);
  form->SetColor(clBlack);
  EXPECT_EQ(label->Color(), clBlack);
}
