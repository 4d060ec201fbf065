#include <gtest/gtest.h>

#include "platform/pictures/TBitmap.h"
#include "widgets/panelset/FrameStyles.h"
#include "widgets/panelset/ShadeSystem.h"

using namespace Rz;

namespace {
constexpr TColor kFramePaper = 0x00A1B2C3;

struct FrameSheet {
  explicit FrameSheet(int w = 8, int h = 8) : bitmap(w, h) {
    bitmap.Canvas().Brush().SetColor(kFramePaper);
    bitmap.Canvas().FillRect(Rect(0, 0, w, h));
  }
  TCanvas& Canvas() { return bitmap.Canvas(); }
  TColor At(int x, int y) { return bitmap.Canvas().Pixel(x, y); }
  bool Untouched() {
    for (int y = 0; y < bitmap.Height(); ++y)
      for (int x = 0; x < bitmap.Width(); ++x)
        if (At(x, y) != kFramePaper) return false;
    return true;
  }
  TBitmap bitmap;
};
}  // namespace

TEST(FrameStyles, noneAndNoSidesDrawNothingAndKeepTheRectangle) {
  FrameSheet sheet;
  const TRect r = Rect(0, 0, 8, 8);
  TBorderFrame frame;
  EXPECT_EQ(PaintBorderFrame(sheet.Canvas(), r, frame), r);
  EXPECT_EQ(StrokeSides(sheet.Canvas(), r, clNone, clNone, AllSides), Rect(1, 1, 7, 7));
  for (int style = 0; style <= int(TFrameStyleEx::fsFlatRounded); ++style) {
    EXPECT_EQ(StrokeFrameStyle(sheet.Canvas(), r, TFrameStyleEx(style), TSides()), r) << style;
    EXPECT_EQ(StrokeShadedFrameStyle(sheet.Canvas(), r, clRed, TFrameStyleEx(style), TSides()), r) << style;
  }
  EXPECT_TRUE(sheet.Untouched());
}

TEST(FrameStyles, strokeSidesPaintsUpperLeftThenLowerRight) {
  FrameSheet sheet;
  EXPECT_EQ(StrokeSides(sheet.Canvas(), Rect(0, 0, 8, 8), clRed, clBlue, {TSide::sdLeft, TSide::sdBottom}),
            Rect(1, 0, 8, 7));
  EXPECT_EQ(sheet.At(0, 0), clRed);
  EXPECT_EQ(sheet.At(0, 6), clRed);
  EXPECT_EQ(sheet.At(0, 7), clBlue);  // the bottom line is drawn last
  EXPECT_EQ(sheet.At(7, 7), clBlue);
  EXPECT_EQ(sheet.At(7, 0), kFramePaper);
}

TEST(FrameStyles, raisedBorderUsesTwoLinesOfSystemColours) {
  FrameSheet sheet;
  EXPECT_EQ(StrokeFrameStyle(sheet.Canvas(), Rect(0, 0, 8, 8), TFrameStyleEx::fsRaised), Rect(2, 2, 6, 6));
  EXPECT_EQ(sheet.At(0, 0), ColorToRGB(cl3DLight));
  EXPECT_EQ(sheet.At(7, 0), ColorToRGB(cl3DDkShadow));
  EXPECT_EQ(sheet.At(1, 1), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(sheet.At(6, 6), ColorToRGB(clBtnShadow));
  EXPECT_EQ(sheet.At(2, 2), kFramePaper);
}

TEST(FrameStyles, grooveIsEtchedInShadowAndHighlight) {
  FrameSheet sheet(6, 6);
  EXPECT_EQ(StrokeFrameStyle(sheet.Canvas(), Rect(0, 0, 6, 6), TFrameStyleEx::fsGroove), Rect(2, 2, 4, 4));
  const TColor s = ColorToRGB(clBtnShadow);
  const TColor h = ColorToRGB(clBtnHighlight);
  const TColor rows[6][6] = {
      {s, s, s, s, s, h},          {s, h, h, h, s, h},          {s, h, kFramePaper, kFramePaper, s, h},
      {s, h, kFramePaper, kFramePaper, s, h}, {s, s, s, s, s, h},          {h, h, h, h, h, h},
  };
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 6; ++x) EXPECT_EQ(sheet.At(x, y), rows[y][x]) << x << "," << y;
}

TEST(FrameStyles, roundedAndDottedBoxes) {
  FrameSheet sheet;
  EXPECT_EQ(StrokeRoundedBox(sheet.Canvas(), Rect(0, 0, 8, 8), clRed, AllSides), Rect(2, 2, 6, 6));
  EXPECT_EQ(sheet.At(0, 0), kFramePaper);
  EXPECT_EQ(sheet.At(1, 0), kFramePaper);
  EXPECT_EQ(sheet.At(2, 0), clRed);
  EXPECT_EQ(sheet.At(1, 1), clRed);
  EXPECT_EQ(sheet.At(6, 6), clRed);
  EXPECT_EQ(sheet.At(0, 6), kFramePaper);

  FrameSheet dotted;
  EXPECT_EQ(StrokeDottedBox(dotted.Canvas(), Rect(0, 0, 8, 8)), Rect(1, 1, 7, 7));
  EXPECT_EQ(dotted.At(0, 0), kFramePaper);
  EXPECT_EQ(dotted.At(1, 0), clBlack);
  EXPECT_EQ(dotted.At(2, 0), kFramePaper);
  EXPECT_EQ(dotted.At(0, 1), clBlack);
  EXPECT_EQ(dotted.At(7, 3), clBlack);
}

TEST(FrameStyles, borderFrameAndClientRectAgree) {
  TBorderFrame frame;
  frame.Outer = TFrameStyleEx::fsFlat;
  frame.Inner = TFrameStyleEx::fsLowered;
  frame.BorderWidth = 2;
  frame.BorderColor = clRed;
  FrameSheet sheet(16, 16);
  const TRect inner = PaintBorderFrame(sheet.Canvas(), Rect(0, 0, 16, 16), frame);
  EXPECT_EQ(inner, Rect(5, 5, 11, 11));
  EXPECT_EQ(inner, FramedClientRect(Rect(0, 0, 16, 16), frame, true));
  EXPECT_EQ(sheet.At(0, 0), AdjustedShade(clBtnShadow, 30));
  EXPECT_EQ(sheet.At(1, 1), clRed);
  EXPECT_EQ(sheet.At(2, 2), clRed);
  EXPECT_EQ(sheet.At(3, 3), ColorToRGB(clBtnShadow));

  frame.Sides = {TSide::sdTop};
  frame.Outer = TFrameStyleEx::fsStatus;
  frame.BevelWidth = 3;
  EXPECT_EQ(FramedClientRect(Rect(0, 0, 16, 16), frame, false), Rect(0, 5, 16, 16));
}

TEST(FrameStyles, shadedButtonBorderDerivesFromTheFace) {
  FrameSheet sheet;
  StrokeShadedButtonBorder(sheet.Canvas(), Rect(0, 0, 8, 8), clSkyBlue, true);
  EXPECT_EQ(sheet.At(0, 0), DarkerShade(clSkyBlue, 100));
  EXPECT_EQ(sheet.At(7, 7), DarkerShade(clSkyBlue, 100));
  EXPECT_EQ(sheet.At(1, 1), DarkerShade(clSkyBlue, 50));
  EXPECT_EQ(FrameWidth(TFrameStyleEx::fsPopup, 4), 4);
  EXPECT_EQ(FrameWidth(TFrameStyleEx::fsFlatRounded, 4), 2);
}
