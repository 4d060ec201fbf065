#include "plot/base/iDrawing.h"

#include <gtest/gtest.h>

#include "platform/drawing/GdiConstants.h"
#include "platform/pictures/TBitmap.h"
#include "plot/base/iTimeUnits.h"

TEST(iDrawing, PrecisionToDecimals_table) {
  struct Case {
    int precision;
    int style;
    double a, b;
    int expected;
  };
  const Case cases[] = {
      {3, 0, 0, 0.05, 4}, {3, 0, 0, 100, 0}, {3, 0, 0, 1, 2}, {3, 0, 0, 0.5, 3}, {3, 0, 0, 0, 1},
      {0, 0, 0, 1, 0},    {3, 1, 0, 100, 3}, {3, 7, 0, 100, 0}, {3, 0, 0, 1e6, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PrecisionToDecimals(c.precision, c.style, c.a, c.b), c.expected) << c.b;
  }
}

TEST(iDrawing, TextFlagsToDT_mapsBitsAndAddsNoPrefix) {
  EXPECT_EQ(TextFlagsToDT(530), DT_CENTER | DT_VCENTER | DT_NOCLIP | DT_NOPREFIX);
  EXPECT_EQ(TextFlagsToDT(2560), DT_CALCRECT | DT_NOCLIP | DT_NOPREFIX);
  EXPECT_EQ(TextFlagsToDT(iTextFlag::ShowPrefix | iTextFlag::WordBreak), DT_WORDBREAK);
}

TEST(iDrawing, ChangeColorBrightness_clampsEachChannel) {
  EXPECT_EQ(ChangeColorBrightness(RGB(250, 10, 100), 64, true), RGB(255, 74, 164));
  EXPECT_EQ(ChangeColorBrightness(RGB(250, 10, 100), 32, false), RGB(218, 0, 68));
}

TEST(iDrawing, iDrawText_disabledBlackDrawsOnceInFontColour) {
  TBitmap bitmap(60, 20);
  bitmap.Canvas().Brush().SetColor(clNavy);
  bitmap.Canvas().FillRect({0, 0, 60, 20});
  bitmap.Canvas().Font().SetColor(clBlack);
  bitmap.Canvas().Brush().SetStyle(TBrushStyle::bsClear);
  TRect r{0, 0, 60, 20};
  iDrawText(bitmap.Canvas(), QStringLiteral("WWW"), r, clBlack, false, 0);
  const TColor shadow = ChangeColorBrightness(clBtnFace, 64, true);
  bool anyDrawn = false;
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 60; ++x) {
      EXPECT_NE(bitmap.Canvas().Pixel(x, y), shadow);
      anyDrawn = anyDrawn || bitmap.Canvas().Pixel(x, y) != clNavy;
    }
  }
  EXPECT_TRUE(anyDrawn);
}

TEST(iDrawing, WrappedTextHeight_measuresWithoutDrawing) {
  TBitmap bitmap(40, 40);
  const QImage before = bitmap.Image();
  const int oneLine = bitmap.Canvas().TextHeight(QStringLiteral("A"));
  EXPECT_EQ(WrappedTextHeight(bitmap.Canvas(), QStringLiteral("alpha beta gamma delta"), 40), 0 + oneLine * 4);
  EXPECT_EQ(bitmap.Image(), before);
}

TEST(iDrawing, MultiLineTextWidth_isWidestLine) {
  TBitmap bitmap(10, 10);
  TCanvas& c = bitmap.Canvas();
  EXPECT_EQ(MultiLineTextWidth(c, QStringLiteral("ab\r\nabcdef\nabc")), c.TextWidth(QStringLiteral("abcdef")));
  EXPECT_EQ(MultiLineTextWidth(c, QString()), 0);
}

TEST(iDrawing, OrientedRect_swapsAndOrders) {
  EXPECT_EQ(OrientedRect(false, 5, 1, 2, 9), (TRect{2, 1, 5, 9}));
  EXPECT_EQ(OrientedRect(true, 5, 1, 2, 9), (TRect{1, 2, 9, 5}));
  EXPECT_EQ(OrientedPoint(true, 1, 2), (TPoint{2, 1}));
}

TEST(iTimeUnits, CountsAndOverflowValues) {
  EXPECT_EQ(DateTimeToMinutes(-1.5), 10000);
  EXPECT_EQ(DateTimeToSeconds(-1.5), 2147483647);
  EXPECT_EQ(DateTimeToHours(2.25), 54);
  EXPECT_EQ(DateTimeToMinutes(3.0), 4320);
  EXPECT_EQ(DateTimeToMilliseconds(1.0 / 86400), 1000);
  EXPECT_EQ(DateTimeToMilliseconds(30.0), 2147483647);
}
