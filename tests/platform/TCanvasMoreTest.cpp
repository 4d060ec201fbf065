#include <gtest/gtest.h>

#include <QImage>

#include "platform/drawing/Blit.h"
#include "platform/pictures/TBitmap.h"

namespace {
int Count(const TBitmap& bitmap, TColor color) {
  int n = 0;
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x) n += bitmap.Canvas().Pixel(x, y) == color ? 1 : 0;
  return n;
}

TRect InkBox(const TBitmap& bitmap) {
  TRect r{bitmap.Width(), bitmap.Height(), -1, -1};
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x)
      if (bitmap.Canvas().Pixel(x, y) != clWhite) {
        r = {std::min(r.Left, x), std::min(r.Top, y), std::max(r.Right, x + 1), std::max(r.Bottom, y + 1)};
      }
  return r;
}
}  // namespace

TEST(TCanvasShapes, ellipseStaysInItsBoundsAndIsSymmetric) {
  TBitmap b(20, 20);
  b.Canvas().Brush().SetColor(clBlack);
  b.Canvas().Ellipse(2, 3, 17, 14);
  EXPECT_EQ(InkBox(b), Rect(2, 3, 17, 14));
  for (int y = 3; y < 14; ++y)
    for (int x = 2; x < 17; ++x) EXPECT_EQ(b.Canvas().Pixel(x, y), b.Canvas().Pixel(18 - x, y)) << x << "," << y;
  EXPECT_EQ(b.Canvas().Pixel(2, 3), clWhite);
  EXPECT_EQ(b.Canvas().Pixel(9, 8), clBlack);
}

TEST(TCanvasShapes, outlineAndFillUseTheirOwnColours) {
  TBitmap b(10, 10);
  b.Canvas().Pen().SetColor(clRed);
  b.Canvas().Brush().SetColor(clBlue);
  b.Canvas().Rectangle(1, 1, 9, 9);
  EXPECT_EQ(b.Canvas().Pixel(1, 1), clRed);
  EXPECT_EQ(b.Canvas().Pixel(8, 8), clRed);
  EXPECT_EQ(b.Canvas().Pixel(2, 2), clBlue);
  EXPECT_EQ(b.Canvas().Pixel(9, 9), clWhite);
  EXPECT_EQ(Count(b, clRed), 28);
  b.Canvas().Brush().SetStyle(TBrushStyle::bsClear);
  b.Canvas().Pen().SetColor(clLime);
  b.Canvas().Rectangle(1, 1, 9, 9);
  EXPECT_EQ(b.Canvas().Pixel(2, 2), clBlue);  // a clear brush leaves the inside
}

TEST(TCanvasShapes, widePensCoverTheirWidth) {
  TBitmap b(20, 20);
  b.Canvas().Pen().SetWidth(3);
  b.Canvas().MoveTo(2, 10);
  b.Canvas().LineTo(17, 10);
  EXPECT_EQ(b.Canvas().Pixel(10, 9), clBlack);
  EXPECT_EQ(b.Canvas().Pixel(10, 10), clBlack);
  EXPECT_EQ(b.Canvas().Pixel(10, 11), clBlack);
  EXPECT_EQ(b.Canvas().Pixel(10, 13), clWhite);
}

TEST(TCanvasShapes, windowOriginShiftsTheOtherWay) {
  TBitmap b(10, 10);
  b.Canvas().Brush().SetColor(clBlack);
  EXPECT_EQ(b.Canvas().SetWindowOrg(3, 2), Point(0, 0));
  b.Canvas().FillRect(Rect(3, 2, 4, 3));
  EXPECT_EQ(b.Canvas().Pixel(3, 2), clBlack);
  b.Canvas().SetWindowOrg(0, 0);
  EXPECT_EQ(b.Canvas().Pixel(0, 0), clBlack);
  EXPECT_EQ(b.Canvas().ClipRect(), Rect(0, 0, 10, 10));
}

TEST(TCanvasShapes, restoreDcBringsBackPenBrushAndColours) {
  TBitmap b(4, 4);
  TCanvas& c = b.Canvas();
  c.Pen().SetColor(clRed);
  const int first = c.SaveDC();
  c.Pen().SetColor(clBlue);
  c.SetTextColor(clLime);
  c.SaveDC();
  c.Brush().SetStyle(TBrushStyle::bsClear);
  EXPECT_TRUE(c.RestoreDC(first));
  EXPECT_EQ(c.Pen().Color(), clRed);
  EXPECT_EQ(c.Brush().Style(), TBrushStyle::bsSolid);
  EXPECT_EQ(c.GetTextColor(), clWindowText);  // the font's colour, as saved
  EXPECT_FALSE(c.RestoreDC(-1));
}

TEST(TCanvasShapes, monochromeCanvasWritesOnlyBlackAndWhite) {
  TBitmap mono;
  mono.SetMonochrome(true);
  mono.SetSize(3, 1);
  mono.Canvas().SetPixel(0, 0, RGB(200, 200, 0));
  mono.Canvas().SetPixel(1, 0, RGB(100, 100, 100));
  mono.Canvas().SetPixel(2, 0, RGB(128, 128, 127));
  EXPECT_EQ(mono.Canvas().Pixel(0, 0), clWhite);
  EXPECT_EQ(mono.Canvas().Pixel(1, 0), clBlack);
  EXPECT_EQ(mono.Canvas().Pixel(2, 0), clWhite);
}

TEST(TCanvasShapes, patBltUsesTheBrush) {
  TBitmap b(4, 4);
  b.Canvas().Brush().SetColor(clRed);
  EXPECT_TRUE(PatBlt(b.Canvas(), 0, 0, 2, 2, PATCOPY));
  EXPECT_TRUE(PatBlt(b.Canvas(), 2, 2, 2, 2, BLACKNESS));
  EXPECT_EQ(b.Canvas().Pixel(1, 1), clRed);
  EXPECT_EQ(b.Canvas().Pixel(3, 3), clBlack);
  EXPECT_EQ(b.Canvas().Pixel(2, 1), clWhite);
}

TEST(TCanvasShapes, invertRectTwiceRestoresAndPtVisibleFollowsTheClip) {
  TBitmap b(4, 4);
  b.Canvas().SetPixel(1, 1, RGB(10, 20, 30));
  b.Canvas().InvertRect(Rect(0, 0, 2, 2));
  EXPECT_EQ(b.Canvas().Pixel(1, 1), RGB(245, 235, 225));
  EXPECT_EQ(b.Canvas().Pixel(0, 0), clBlack);
  EXPECT_EQ(b.Canvas().Pixel(2, 2), clWhite);
  b.Canvas().InvertRect(Rect(0, 0, 2, 2));
  EXPECT_EQ(b.Canvas().Pixel(1, 1), RGB(10, 20, 30));
  b.Canvas().IntersectClipRect(0, 0, 2, 2);
  EXPECT_TRUE(b.Canvas().PtVisible(1, 1));
  EXPECT_FALSE(b.Canvas().PtVisible(2, 1));
  EXPECT_FALSE(b.Canvas().PtVisible(-1, 0));
}

TEST(TCanvasText, rotatedTextRunsUpward) {
  TBitmap b(60, 120);
  b.Canvas().Font().SetName(QStringLiteral("Arial"));
  b.Canvas().Font().SetHeight(-14);
  b.Canvas().Font().SetColor(clBlack);
  b.Canvas().Font().SetOrientation(900);
  b.Canvas().Brush().SetStyle(TBrushStyle::bsClear);
  b.Canvas().TextOut(20, 110, QStringLiteral("Vertical"));
  const TRect ink = InkBox(b);
  EXPECT_GT(ink.Height(), 2 * ink.Width());
  EXPECT_LE(ink.Bottom, 111);
  EXPECT_GE(ink.Left, 20);  // the cell's top faces left, at the reference point
  EXPECT_LE(ink.Left, 20 + 5);
}

TEST(TCanvasText, updateCpAdvancesThePenAndBottomAlignsSingleLines) {
  TBitmap b(200, 60);
  TCanvas& c = b.Canvas();
  c.Font().SetName(QStringLiteral("Arial"));
  c.Font().SetHeight(-12);
  c.SetTextAlign(TA_UPDATECP);
  c.MoveTo(5, 5);
  c.TextOut(0, 0, QStringLiteral("ab"));
  EXPECT_EQ(c.PenPos(), Point(5 + c.TextWidth(QStringLiteral("ab")), 5));

  TBitmap sheet(100, 60);
  sheet.Canvas().Font().SetName(QStringLiteral("Arial"));
  sheet.Canvas().Brush().SetStyle(TBrushStyle::bsClear);
  TRect r = Rect(0, 0, 100, 60);
  const int h = sheet.Canvas().TextHeight(QStringLiteral("x"));
  EXPECT_EQ(sheet.Canvas().DrawText(QStringLiteral("Low"), r, DT_BOTTOM | DT_SINGLELINE), 60);
  EXPECT_GE(InkBox(sheet).Top, 60 - h);
  TRect tabs = Rect(0, 0, 0, 0);
  sheet.Canvas().DrawText(QStringLiteral("a\tb"), tabs, DT_CALCRECT | DT_EXPANDTABS | DT_SINGLELINE);
  EXPECT_GE(tabs.Width(), 8 * sheet.Canvas().TextWidth(QStringLiteral("x")));
}

TEST(TCanvasShapes, shapesFarBeyondTheImageCostOnlyTheVisibleRows) {
  TBitmap b(20, 20);
  TCanvas& c = b.Canvas();
  c.Brush().SetColor(clBlack);
  c.Rectangle(-1000000000, 5, 1000000000, 1000000000);
  EXPECT_EQ(c.Pixel(10, 4), clWhite);
  EXPECT_EQ(c.Pixel(10, 5), clBlack);
  EXPECT_EQ(c.Pixel(0, 19), clBlack);
  c.Brush().SetColor(clRed);
  c.Ellipse(-1000000000, -1000000000, 1000000000, 1000000000);
  EXPECT_EQ(c.Pixel(10, 10), clRed);
  c.Brush().SetColor(clBlue);
  c.Polygon({{-2000000000, 0}, {2000000000, 0}, {0, 2000000000}});
  EXPECT_EQ(c.Pixel(10, 10), clBlue);
  c.Pen().SetColor(clLime);
  c.MoveTo(-2000000000, 12);
  c.LineTo(2000000000, 12);
  EXPECT_EQ(c.Pixel(0, 12), clLime);
  EXPECT_EQ(c.Pixel(19, 12), clLime);
  c.Brush().SetColor(clGray);
  c.FillRect(Rect(-1000000000, 15, 1000000000, 1000000000));
  EXPECT_EQ(c.Pixel(3, 17), clGray);
  c.GradientFill(Rect(-1000000000, 0, 1000000000, 2), clBlack, clWhite, false);
  EXPECT_EQ(c.Pixel(10, 1), RGB(127, 127, 127));
  c.Pen().SetWidth(3);
  c.Pen().SetColor(clYellow);
  c.Polyline({{10, -2000000000}, {10, 2000000000}});
  EXPECT_EQ(c.Pixel(10, 0), clYellow);
  EXPECT_EQ(c.Pixel(10, 19), clYellow);
}
