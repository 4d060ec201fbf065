#include <gtest/gtest.h>

#include "platform/core/Rounding.h"
#include "platform/drawing/TColor.h"

TEST(TColor, literalColoursKeepRedInTheLowByte) {
  EXPECT_EQ(ColorToQRgb(0x00FFFFDF), qRgb(223, 255, 255));  // light cyan, not yellow
  EXPECT_EQ(ColorToQRgb(clRed), qRgb(255, 0, 0));
  EXPECT_EQ(ColorToQRgb(clBlue), qRgb(0, 0, 255));
  EXPECT_EQ(ColorToRGB(15793151u), 0xF0FBFFu);  // decimal literal of clCream
  EXPECT_EQ(QRgbToColor(qRgb(1, 2, 3)), RGB(1, 2, 3));
}

TEST(TColor, systemColoursResolveThroughTheFixedPalette) {
  struct Case {
    TColor color;
    TColor rgb;
  };
  const Case cases[] = {
      {clBtnFace, RGB(240, 240, 240)},     {clHighlight, RGB(51, 153, 255)}, {clHighlightText, RGB(255, 255, 255)},
      {clGrayText, RGB(109, 109, 109)},    {clActiveBorder, RGB(180, 180, 180)}, {clBackground, RGB(0, 0, 0)},
      {clInfoBk, RGB(255, 255, 225)},      {clWindow, RGB(255, 255, 255)},   {clBtnShadow, RGB(160, 160, 160)},
      {cl3DDkShadow, RGB(105, 105, 105)},  {cl3DLight, RGB(227, 227, 227)},  {clBtnHighlight, RGB(255, 255, 255)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ColorToRGB(c.color), c.rgb) << std::hex << c.color;
  }
  EXPECT_EQ(clBtnFace, 0xFF00000Fu);
  EXPECT_EQ(ColorToRGB(clSystemColor | 200), clBlack);
}

TEST(Rounding, roundIsTiesToEvenAndMulDivRoundsHalfAway) {
  EXPECT_EQ(Round(2.5), 2);
  EXPECT_EQ(Round(3.5), 4);
  EXPECT_EQ(Round(-2.5), -2);
  EXPECT_EQ(Round(-2.6), -3);
  EXPECT_EQ(Round(0.49999), 0);
  EXPECT_EQ(Trunc(-2.9), -2);
  EXPECT_EQ(-7 / 2, -3);  // "div" is C++ integer division
  EXPECT_EQ(MulDiv(8, 96, 72), 11);
  EXPECT_EQ(MulDiv(-11, 72, 96), -8);
  EXPECT_EQ(MulDiv(3, 1, 2), 2);
  EXPECT_EQ(MulDiv(-3, 1, 2), -2);
  EXPECT_EQ(MulDiv(1, 1, 0), -1);
}
