#include <cmath>
#include <memory>

#include <QImage>

#include "platform/pictures/TBitmap.h"

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

namespace {
// Bounding box of the pixels darker than mid grey.
TRect DarkInk(const QImage& image) {
  TRect r{image.width(), image.height(), -1, -1};
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (qGray(image.pixel(x, y)) < 128) {
        r = {std::min(r.Left, x), std::min(r.Top, y), std::max(r.Right, x + 1), std::max(r.Bottom, y + 1)};
      }
    }
  }
  return r;
}

bool Within(const TRect& inner, const TRect& outer) {
  return inner.Left >= outer.Left && inner.Top >= outer.Top && inner.Right <= outer.Right &&
         inner.Bottom <= outer.Bottom;
}
}  // namespace

// Straight text at 0, 90, 180 and 270 degrees on an 80 x 80 label, left
// justified: it starts at the edge its angle gives, runs along the angle,
// and its glyphs stand on a baseline a quarter of a line height off the
// centre.
TEST_F(LabelFixture, TurnedText_startsAtItsEdgeAndRunsAlongItsAngle) {
  auto* probe = NewLabel(QStringLiteral("Round"));
  TBitmap metrics(1, 1);
  metrics.Canvas().Font().Assign(probe->Font());
  const int h = metrics.Canvas().TextHeight(QStringLiteral("Pp"));
  const int w = metrics.Canvas().TextWidth(QStringLiteral("Round"));
  const TTextMetric tm = probe->Font().TextMetrics();
  const int q = int(std::lround(h / 4.0));
  struct Case {
    int angle;
    TRect box;  // where the glyphs may lie
    bool runsAcross;
  };
  const Case cases[] = {
      {0, Rect(0, 40 - h / 2, w + 1, 40 - h / 2 + h), true},
      {90, Rect(40 + q - tm.tmAscent - 1, 80 - w - 1, 40 + q + tm.tmDescent + 1, 80), false},
      {180, Rect(80 - w - 1, 40 - h / 4 - tm.tmDescent - 1, 80, 40 - h / 4 + tm.tmAscent + 1), true},
      {270, Rect(40 - q - tm.tmDescent - 1, 0, 40 - q + tm.tmAscent + 1, w + 1), false},
  };
  for (const Case& c : cases) {
    auto* label = NewLabel(QStringLiteral("Round"));
    label->SetRotation(TRotation::roFlat);
    label->SetAngle(c.angle);
    label->SetAutoSize(false);
    label->SetBounds(0, 0, 80, 80);
    label->Font().SetColor(clBlack);
    label->SetColor(clWhite);
    const TRect ink = DarkInk(label->grab().toImage());
    EXPECT_TRUE(Within(ink, c.box)) << c.angle << ": ink " << ink.Left << "," << ink.Top << "," << ink.Right << ","
                                    << ink.Bottom << " box " << c.box.Left << "," << c.box.Top << "," << c.box.Right
                                    << "," << c.box.Bottom;
    EXPECT_GE(c.runsAcross ? ink.Width() : ink.Height(), w - 4) << c.angle;
    EXPECT_LE(c.runsAcross ? ink.Height() : ink.Width(), h) << c.angle;
  }
}

// Text on a circle: each character is centred on its baseline at the
// radius less a line height, the first at the top for angle 0, and every
// further one turned on by the same advance ("w" plus two pixels).
TEST_F(LabelFixture, CurvedText_putsEachCharacterOnTheCircleWithAFixedAdvance) {
  auto* label = NewLabel(QStringLiteral("IIII"));
  label->SetRotation(TRotation::roCurve);
  label->SetAutoSize(false);
  label->SetBounds(0, 0, 120, 120);
  label->Font().SetColor(clBlack);
  label->SetColor(clWhite);
  TBitmap metrics(1, 1);
  metrics.Canvas().Font().Assign(label->Font());
  const int hy = metrics.Canvas().TextHeight(QStringLiteral("Yy"));
  const double advance = (metrics.Canvas().TextWidth(QStringLiteral("w")) + 2) / 60.0;
  const double radius = 60 - hy;
  const TRect ink = DarkInk(label->grab().toImage());
  // The first "I" stands upright at the top centre, the last one three
  // advances further clockwise, leaning by that angle.
  const int ascent = label->Font().TextMetrics().tmAscent;
  const double last = 3 * advance;
  const int lastX = 60 + int(std::lround(radius * std::sin(last)));
  EXPECT_NEAR(ink.Left, 60, 3);
  EXPECT_GE(ink.Right, lastX);
  EXPECT_LE(ink.Right, lastX + int(std::ceil(ascent * std::sin(last))) + 3);
  EXPECT_GE(ink.Top, 60 - int(std::lround(radius)) - ascent);
  EXPECT_LE(ink.Top, 60 - int(std::lround(radius)) - ascent / 2);
}

TEST_F(LabelFixture, ParentColour_isTakenOnceTheLabelIsBuilt) {
  form->SetColor(clRed);
  auto* label = NewLabel(QStringLiteral("On red"));
  EXPECT_TRUE(label->ParentColor());
  EXPECT_EQ(label->Color(), clRed);
  form->SetColor(clBlack);
  EXPECT_EQ(label->Color(), clBlack);
}
