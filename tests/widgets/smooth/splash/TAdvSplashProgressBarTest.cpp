#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "widgets/gdiplus/TGDIPFill.h"
#include "widgets/smooth/splash/TAdvSplashProgressBar.h"
#include "widgets/smooth/splash/TGDIPSplashProgress.h"

namespace {

void ExpectRect(const TGPRectF& r, float x, float y, float w, float h) {
  EXPECT_FLOAT_EQ(r.X, x);
  EXPECT_FLOAT_EQ(r.Y, y);
  EXPECT_FLOAT_EQ(r.Width, w);
  EXPECT_FLOAT_EQ(r.Height, h);
}

}  // namespace

TEST(TGDIPSplashProgress, Geometry_frameAndDonePartByBorders) {
  TGDIPSplashProgress p;
  const TRect r{0, 0, 300, 17};
  ExpectRect(p.GetInsideRectF(r), 0, 0, 299, 16);
  ExpectRect(p.CalculateProgressRectangle(r, 0, 100, 50), 0, 0, 149.5f, 16);
  ExpectRect(p.CalculateProgressRectangle(r, 0, 100, 500), 0, 0, 299, 16);
  ExpectRect(p.CalculateProgressRectangle(r, 5, 5, 5), 0, 0, 0, 16);

  p.BackGroundFill().SetBorderColor(clGray);
  p.BackGroundFill().SetBorderWidth(1);
  ExpectRect(p.GetInsideRectF(r), 1, 1, 297, 14);
  p.BackGroundFill().SetBorderWidth(3);
  ExpectRect(p.GetInsideRectF(r), 2, 2, 295, 12);
  p.ProgressFill().SetBorderColor(clBlack);
  p.ProgressFill().SetBorderWidth(2);
  ExpectRect(p.CalculateProgressRectangle(r, 0, 100, 100), 3, 3, 295 - 2, 12 - 2);
}

TEST(TGDIPSplashProgress, ValueText_onlyForOneFloatingConversion) {
  TGDIPSplashProgress p;
  p.SetValueType(TGDIPProgressValueType::vtPercentage);
  struct Case {
    const char* format;
    const char* text;
  };
  const Case cases[] = {
      {"%.0f%%", "50%"}, {"%5.1f", " 50.0"}, {"%%%e", "%5.000000e+01"}, {"%-+08.2f|", "+50.00  |"},
      {"%s", ""},        {"%d%d", ""},       {"%f%f", ""},             {"%%", ""},
      {"%n", ""},        {"%*f", ""},        {"%lf", ""},              {"%", ""},
      {"50", ""},        {"%.0f%", ""},
  };
  for (const Case& c : cases) {
    p.SetValueFormat(QString::fromLatin1(c.format));
    EXPECT_EQ(p.ValueText(20, 70, 45), QString::fromLatin1(c.text)) << c.format;
  }
  p.SetValueFormat(QStringLiteral("%.0f%%"));
  EXPECT_EQ(p.ValueText(20, 70, 999), QStringLiteral("100%"));
  EXPECT_EQ(p.ValueText(30, 30, 30), QStringLiteral("30%"));
  p.SetValueType(TGDIPProgressValueType::vtAbsolute);
  EXPECT_EQ(p.ValueText(20, 70, 45), QStringLiteral("45%"));
}

TEST(TGDIPSplashProgress, Setters_notifyOnChangeButStepAndNonFiniteValuesDoNot) {
  TGDIPSplashProgress p;
  int changes = 0;
  p.OnChange = [&](TObject*) { ++changes; };
  p.SetStep(3);
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(p.Step(), 3);
  for (const double bad : {std::nan(""), std::numeric_limits<double>::infinity()}) {
    p.SetPosition(bad);
    p.SetMaximum(-bad);
    p.SetMinimum(bad);
    p.SetStep(bad);
  }
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(p.Maximum(), 100);
  p.SetPosition(4);
  p.SetPosition(4);
  p.SetVisible(false);
  p.ProgressFill().SetColor(clRed);
  EXPECT_EQ(changes, 3);
}

TEST(TAdvSplashProgressBar, Appearance_givesBoundsVisibilityAndValues) {
  TAdvSplashProgressBar bar;
  EXPECT_EQ(bar.Width(), 150);
  EXPECT_EQ(bar.Height(), 17);
  TGDIPSplashProgress a;
  a.SetLeft(160);
  a.SetTop(220);
  a.SetHeight(12);
  a.SetMaximum(200);
  a.SetPosition(100);
  bar.SetAppearance(a);
  EXPECT_EQ(bar.Left(), 160);
  EXPECT_EQ(bar.Top(), 220);
  EXPECT_EQ(bar.Width(), 300);
  EXPECT_EQ(bar.Height(), 12);
  EXPECT_EQ(bar.Maximum(), 200);
  EXPECT_EQ(bar.Position(), 100);

  int changes = 0;
  bar.OnChange = [&](TObject*) { ++changes; };
  bar.SetMaximum(50);
  EXPECT_EQ(bar.Position(), 50);
  bar.SetPosition(std::nan(""));
  bar.SetPosition(-10);
  EXPECT_EQ(bar.Position(), 0);
  EXPECT_EQ(changes, 2);
}

TEST(TAdvSplashProgressBar, ProgressAnimation_movesAFifteenthOfTheWayPerTick) {
  TAdvSplashProgressBar bar;
  bar.SetProgressAnimation(true);
  QList<double> reported;
  bar.OnPositionChanged = [&](TObject*, double value) { reported.append(value); };
  bar.SetPosition(100);
  EXPECT_TRUE(reported.isEmpty());
  EXPECT_TRUE(bar.AnimationInProgress());
  double expected = 0;
  for (int tick = 0; tick < 400 && bar.AnimationInProgress(); ++tick) {
    bar.AnimationTick();
    expected += std::max((100 - expected) / 15, 0.000001);
    ASSERT_NEAR(bar.Position(), std::min(expected, 100.0), 1e-6) << tick;
  }
  EXPECT_FALSE(bar.AnimationInProgress());
  const qsizetype before = reported.size();
  bar.AnimationTick();
  EXPECT_EQ(reported.size(), before + 1);  // after arrival every tick reports again
  EXPECT_NEAR(reported.last(), 100, 0.001);
}

TEST(TAdvSplashProgressBar, Glow_runsAcrossTheDonePartThenWaitsAtMinusSixty) {
  TAdvSplashProgressBar bar;
  bar.SetBounds(0, 0, 300, 17);
  bar.grab();  // the glow measures the done part of the last paint
  bar.SetPosition(50);
  bar.SetGlowAnimation(true);
  EXPECT_EQ(bar.GlowPos(), -40);
  bar.AnimationTick();
  EXPECT_EQ(bar.GlowPos(), -37);
  int ticks = 1;
  while (bar.GlowPos() != -60 && ticks < 1000) {
    bar.AnimationTick();
    ++ticks;
  }
  EXPECT_EQ(bar.GlowPos(), -60);
  EXPECT_EQ(ticks, 64);  // -40 + 3 x 63 = 149 <= 149.5, then past the end
  for (int wait = 0; wait < 150; ++wait) {
    bar.AnimationTick();
    ASSERT_EQ(bar.GlowPos(), -60) << wait;
  }
  bar.AnimationTick();
  EXPECT_EQ(bar.GlowPos(), -57);
}

TEST(TAdvSplashProgressBar, StylePresets_colourBothFills) {
  struct Case {
    TStylePreset style;
    TColor bg, bgTo, bgBorder, color, colorTo, mirror, mirrorTo, border;
    bool mirrorVertical;
  };
  const Case cases[] = {
      {TStylePreset::tsOffice2003Blue, 0xFFD2AF, 0xFFD2AF, 0xC0C0C0, 0xFCE1CB, 0xE0A57D, clNone, clNone, 0x962D00, true},
      {TStylePreset::tsOffice2007Luna, 0xFFD2AF, 0xFFD2AF, 0xC0C0C0, 0xFFEFE3, 0xFFDDC4, 0xFFD1AD, 0xFFDBC0, 0xFFD1AD,
       true},
      {TStylePreset::tsTerminal, clBtnFace, clBtnFace, 0x808080, 0xFFFFFF, 0xFFFFFF, clNone, clNone, 0x808080, false},
      {TStylePreset::tsOffice2010Black, 0xBFBFBF, 0x919191, 0xD7D7D6, 0x828282, clNone, clNone, clNone, 0x6D6D6D, true},
  };
  for (const Case& c : cases) {
    TAdvSplashProgressBar bar;
    bar.Appearance().ProgressFill().SetGradientMirrorType(TAdvGradientType::gtHorizontal);
    bar.SetComponentStyle(c.style);
    const TGDIPFill& bg = bar.Appearance().BackGroundFill();
    const TGDIPFill& pf = bar.Appearance().ProgressFill();
    EXPECT_EQ(bg.Color(), c.bg) << int(c.style);
    EXPECT_EQ(bg.ColorTo(), c.bgTo);
    EXPECT_EQ(bg.BorderColor(), c.bgBorder);
    EXPECT_EQ(pf.Color(), c.color);
    EXPECT_EQ(pf.ColorTo(), c.colorTo);
    EXPECT_EQ(pf.ColorMirror(), c.mirror);
    EXPECT_EQ(pf.ColorMirrorTo(), c.mirrorTo);
    EXPECT_EQ(pf.BorderColor(), c.border);
    EXPECT_EQ(pf.GradientMirrorType(), c.mirrorVertical ? TAdvGradientType::gtVertical : TAdvGradientType::gtHorizontal);
  }
  TAdvSplashProgressBar custom;
  const TColor before = custom.Appearance().ProgressFill().Color();
  custom.SetComponentStyle(TStylePreset::tsCustom);
  EXPECT_EQ(custom.Appearance().ProgressFill().Color(), before);
  EXPECT_EQ(custom.Version(), QStringLiteral("1.2.0.0"));
}
