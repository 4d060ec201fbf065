#include <gtest/gtest.h>

#include "platform/pictures/TBitmap.h"
#include "widgets/panelset/Gradients.h"

using namespace Rz;

namespace {
constexpr TColor kGradientPaper = 0x00123456;
constexpr TGradientDirection kAll[] = {
    TGradientDirection::gdDiagonalUp,     TGradientDirection::gdDiagonalDown,   TGradientDirection::gdHorizontalEnd,
    TGradientDirection::gdHorizontalCenter, TGradientDirection::gdHorizontalBox, TGradientDirection::gdVerticalEnd,
    TGradientDirection::gdVerticalCenter, TGradientDirection::gdVerticalBox,    TGradientDirection::gdSquareBox,
    TGradientDirection::gdBigSquareBox};

struct GradientSheet {
  GradientSheet(int w, int h) : bitmap(w, h) {
    bitmap.Canvas().Brush().SetColor(kGradientPaper);
    bitmap.Canvas().FillRect(Rect(0, 0, w, h));
  }
  TColor At(int x, int y) { return bitmap.Canvas().Pixel(x, y); }
  int Count(TColor c) {
    int n = 0;
    for (int y = 0; y < bitmap.Height(); ++y)
      for (int x = 0; x < bitmap.Width(); ++x) n += At(x, y) == c ? 1 : 0;
    return n;
  }
  TBitmap bitmap;
};

int Brightness(TColor c) { return GetRValue(c) + GetGValue(c) + GetBValue(c); }
}  // namespace

TEST(Gradients, emptyRectanglesDrawNothing) {
  for (TGradientDirection d : kAll) {
    GradientSheet sheet(10, 10);
    FillGradient(sheet.bitmap.Canvas(), Rect(2, 2, 2, 8), d, clWhite, clBlack, 1);
    FillGradient(sheet.bitmap.Canvas(), Rect(2, 5, 8, 5), d, clWhite, clBlack, 1);
    EXPECT_EQ(sheet.Count(kGradientPaper), 100) << int(d);
  }
}

TEST(Gradients, equalColoursFillTheWholeRectangle) {
  for (TGradientDirection d : kAll) {
    for (int size : {3, 17}) {
      GradientSheet sheet(size + 2, size + 1);
      FillGradient(sheet.bitmap.Canvas(), Rect(1, 1, 1 + size, 1 + size), d, clTeal, clTeal, 1);
      EXPECT_EQ(sheet.Count(clTeal), size * size) << int(d) << " size " << size;
      EXPECT_EQ(sheet.At(0, 0), kGradientPaper);
    }
  }
}

TEST(Gradients, startAndStopLandWhereTheDirectionSays) {
  const int w = 40;
  const int h = 30;
  struct Case {
    TGradientDirection direction;
    TPoint startAt;
    TPoint stopAt;
  };
  const Case cases[] = {
      {TGradientDirection::gdHorizontalEnd, {20, 0}, {20, h - 1}},
      {TGradientDirection::gdVerticalEnd, {0, 15}, {w - 1, 15}},
      {TGradientDirection::gdHorizontalCenter, {20, 0}, {20, h / 2 + 1}},
      {TGradientDirection::gdVerticalCenter, {0, 15}, {w / 2 + 1, 15}},
      {TGradientDirection::gdSquareBox, {0, 0}, {(w - 1) / 2, (h - 1) / 2}},
      {TGradientDirection::gdHorizontalBox, {w - 1, h - 1}, {w / 2 - 2, (h - 1) / 2}},
      {TGradientDirection::gdVerticalBox, {0, h - 1}, {(w - 1) / 2, h / 2 - 2}},
      {TGradientDirection::gdBigSquareBox, {w - 1, 0}, {w / 2 - 2, h / 2 - 2}},
      {TGradientDirection::gdDiagonalUp, {0, h - 1}, {w - 1, 0}},
      {TGradientDirection::gdDiagonalDown, {0, 0}, {w - 1, h - 1}},
  };
  for (const Case& c : cases) {
    GradientSheet sheet(w, h);
    FillGradient(sheet.bitmap.Canvas(), Rect(0, 0, w, h), c.direction, clWhite, clBlack, 1);
    EXPECT_EQ(sheet.Count(kGradientPaper), 0) << int(c.direction);
    EXPECT_GT(Brightness(sheet.At(c.startAt.X, c.startAt.Y)), 3 * 215) << int(c.direction);
    EXPECT_LT(Brightness(sheet.At(c.stopAt.X, c.stopAt.Y)), 3 * 30) << int(c.direction);
  }
}

TEST(Gradients, boxGradientOnASmallBitmapIsAPlainEdgeFill) {
  for (TSize size : {TSize{4, 10}, TSize{10, 4}}) {
    GradientSheet sheet(size.cx + 1, size.cy + 1);
    BoxGradient(sheet.bitmap.Canvas(), size.cx, size.cy, 1, clBlack, clRed, 0, 0);
    EXPECT_EQ(sheet.Count(clRed), (size.cx + 1) * (size.cy + 1));
  }
}

TEST(Gradients, boxRampRunsFromCentreToEdgeColour) {
  GradientSheet sheet(21, 21);
  BoxGradient(sheet.bitmap.Canvas(), 21, 21, 1, clBlack, clWhite, 0, 0);
  EXPECT_EQ(sheet.At(10, 10), clBlack);
  // n = 11 steps: the outermost band has the colour of step 10.
  EXPECT_EQ(sheet.At(0, 0), RGB(231, 231, 231));
  EXPECT_EQ(sheet.At(10, 0), sheet.At(0, 0));
  for (int x = 1; x <= 10; ++x) {
    EXPECT_GE(GetRValue(sheet.At(x - 1, 10)), GetRValue(sheet.At(x, 10))) << x;
  }
}

TEST(Gradients, boxGradientWithInsetsAtOrBeyondTheHalfSizesEnds) {
  // A zero span used to walk forever and a span of -1 divided by zero.
  for (int inset : {10, 11, 50}) {
    GradientSheet sheet(21, 21);
    BoxGradient(sheet.bitmap.Canvas(), 21, 21, 1, clBlack, clWhite, inset, 0);
    EXPECT_EQ(sheet.Count(kGradientPaper), 21 * 21 - 11 * 11) << inset;  // the top-left quadrant is drawn
    EXPECT_EQ(sheet.At(10, 0), clBlack) << inset;                 // the centre column runs to the top
    EXPECT_GT(GetRValue(sheet.At(0, 5)), 200) << inset;
  }
}

TEST(Gradients, boxDirectionsAreMirrorSymmetric) {
  for (TGradientDirection d : {TGradientDirection::gdSquareBox, TGradientDirection::gdHorizontalBox,
                               TGradientDirection::gdVerticalBox, TGradientDirection::gdBigSquareBox}) {
    // Even and odd sizes, and widths whose half is odd: no seam, no stretch.
    for (TSize size : {TSize{33, 25}, TSize{96, 64}, TSize{30, 22}, TSize{21, 9}}) {
      GradientSheet sheet(size.cx, size.cy);
      FillGradient(sheet.bitmap.Canvas(), Rect(0, 0, size.cx, size.cy), d, clWhite, clNavy, 1);
      for (int y = 0; y < size.cy; ++y) {
        for (int x = 0; x < size.cx; ++x) {
          ASSERT_EQ(sheet.At(x, y), sheet.At(size.cx - 1 - x, y)) << int(d) << " at " << x << "," << y;
          ASSERT_EQ(sheet.At(x, y), sheet.At(x, size.cy - 1 - y)) << int(d) << " at " << x << "," << y;
        }
      }
    }
  }
}

TEST(Gradients, colourStepsMergeBands) {
  EXPECT_EQ(MinimumBandSteps(0), 1);
  EXPECT_EQ(MinimumBandSteps(8), 8);
  EXPECT_EQ(MinimumBandSteps(9), 29);
  GradientSheet fine(8, 64);
  GradientSheet coarse(8, 64);
  LinearGradientStrip(fine.bitmap.Canvas(), true, 32, clWhite, clBlack, 1, 64);
  LinearGradientStrip(coarse.bitmap.Canvas(), true, 32, clWhite, clBlack, 8, 64);
  auto distinct = [](GradientSheet& s) {
    int n = 1;
    for (int y = 1; y < 64; ++y) n += s.At(0, y) != s.At(0, y - 1) ? 1 : 0;
    return n;
  };
  EXPECT_GT(distinct(fine), 2 * distinct(coarse));
}

TEST(Gradients, ringPaintsOnlyTheOuterTwoPixels) {
  GradientSheet sheet(12, 12);
  PaintGradientRing(sheet.bitmap.Canvas(), Rect(0, 0, 12, 12), TGradientDirection::gdSquareBox, clWhite, clBlack);
  EXPECT_EQ(sheet.Count(kGradientPaper), 8 * 8);
  EXPECT_NE(sheet.At(1, 1), kGradientPaper);
  EXPECT_EQ(sheet.At(2, 2), kGradientPaper);
  EXPECT_FALSE(sheet.bitmap.Canvas().GetClipRgn().has_value());
}
