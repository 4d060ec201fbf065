#include <gtest/gtest.h>

#include <QImage>

#include "platform/drawing/TCanvas.h"
#include "tests/support/QtMessageLog.h"

namespace {
// A canvas over a white image, with helpers to read pixels back.
struct Surface {
  explicit Surface(int w = 20, int h = 20) : image(w, h, QImage::Format_ARGB32), canvas(&image) {
    image.fill(0xFFFFFFFFu);
  }
  bool Black(int x, int y) const { return (image.pixel(x, y) & 0xFFFFFFu) == 0; }
  int CountBlack() const {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) n += Black(x, y) ? 1 : 0;
    return n;
  }
  QImage image;
  TCanvas canvas;
};
}  // namespace

TEST(TCanvas, lineToLeavesOutTheEndPoint) {
  Surface s;
  s.canvas.MoveTo(2, 5);
  s.canvas.LineTo(10, 5);
  EXPECT_TRUE(s.Black(2, 5));
  EXPECT_TRUE(s.Black(9, 5));
  EXPECT_FALSE(s.Black(10, 5));
  EXPECT_EQ(s.canvas.PenPos(), Point(10, 5));
  s.canvas.LineTo(10, 12);
  EXPECT_TRUE(s.Black(10, 5));
  EXPECT_FALSE(s.Black(10, 12));
  s.canvas.MoveTo(0, 0);
  s.canvas.LineTo(4, 4);
  EXPECT_TRUE(s.Black(3, 3));
  EXPECT_FALSE(s.Black(4, 4));
}

TEST(TCanvas, fillRectAndRectangleCoverLeftTopButNotRightBottom) {
  Surface s;
  s.canvas.Brush().SetColor(clBlack);
  s.canvas.FillRect(Rect(2, 3, 6, 8));
  EXPECT_EQ(s.CountBlack(), 4 * 5);
  EXPECT_TRUE(s.Black(2, 3));
  EXPECT_TRUE(s.Black(5, 7));
  EXPECT_FALSE(s.Black(6, 7));
  EXPECT_FALSE(s.Black(5, 8));

  Surface outlined;
  outlined.canvas.Brush().SetColor(clWhite);
  outlined.canvas.Rectangle(2, 3, 6, 8);
  EXPECT_EQ(outlined.CountBlack(), 2 * 4 + 2 * 3);  // outline of a 4 x 5 box
  EXPECT_TRUE(outlined.Black(5, 7));
  EXPECT_FALSE(outlined.Black(6, 7));

  Surface penless;
  penless.canvas.Pen().SetStyle(TPenStyle::psClear);
  penless.canvas.Brush().SetColor(clBlack);
  penless.canvas.Rectangle(2, 3, 6, 8);
  EXPECT_EQ(penless.CountBlack(), 3 * 4);  // a clear pen loses the last column and row
}

TEST(TCanvas, everyWriteIsOpaqueOnATransparentImage) {
  QImage image(4, 4, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  TCanvas canvas(&image);
  canvas.Brush().SetColor(0x00FFFFDF);
  canvas.FillRect(Rect(0, 0, 2, 2));
  EXPECT_EQ(image.pixel(1, 1), 0xFFDFFFFFu);
  EXPECT_EQ(qAlpha(image.pixel(3, 3)), 0);
  EXPECT_EQ(canvas.Pixel(1, 1), TColor(0x00FFFFDF));
}

TEST(TCanvas, roundRectCornersAreCutSymmetrically) {
  Surface s;
  s.canvas.Brush().SetColor(clBlack);
  s.canvas.RoundRect(0, 0, 12, 10, 6, 6);
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 12; ++x) {
      EXPECT_EQ(s.Black(x, y), s.Black(11 - x, y)) << x << "," << y;
      EXPECT_EQ(s.Black(x, y), s.Black(x, 9 - y)) << x << "," << y;
    }
  }
  EXPECT_FALSE(s.Black(0, 0));
  EXPECT_TRUE(s.Black(0, 5));
  EXPECT_TRUE(s.Black(6, 0));
  EXPECT_FALSE(s.Black(12, 5));
  EXPECT_FALSE(s.Black(6, 10));
}

TEST(TCanvas, polygonUsesAlternateFillAndTheTopLeftRule) {
  Surface s;
  s.canvas.Pen().SetStyle(TPenStyle::psClear);
  s.canvas.Brush().SetColor(clBlack);
  s.canvas.Polygon({{2, 2}, {8, 2}, {8, 6}, {2, 6}});
  EXPECT_EQ(s.CountBlack(), 6 * 4);
  EXPECT_TRUE(s.Black(2, 2));
  EXPECT_FALSE(s.Black(8, 2));
  EXPECT_FALSE(s.Black(2, 6));

  // A self-overlapping star: alternate leaves the centre empty, winding fills it.
  const std::vector<TPoint> star{{10, 0}, {16, 19}, {0, 7}, {20, 7}, {4, 19}};
  Surface alternate;
  alternate.canvas.Pen().SetStyle(TPenStyle::psClear);
  alternate.canvas.Brush().SetColor(clBlack);
  alternate.canvas.Polygon(star);
  EXPECT_FALSE(alternate.Black(10, 10));
  Surface winding;
  winding.canvas.Pen().SetStyle(TPenStyle::psClear);
  winding.canvas.Brush().SetColor(clBlack);
  winding.canvas.SetPolyFillMode(WINDING);
  winding.canvas.Polygon(star);
  EXPECT_TRUE(winding.Black(10, 10));
}

TEST(TCanvas, styledPensDrawTheirPatterns) {
  Surface s(40, 4);
  s.canvas.Brush().SetStyle(TBrushStyle::bsClear);
  s.canvas.Pen().SetStyle(TPenStyle::psDot);
  s.canvas.MoveTo(0, 1);
  s.canvas.LineTo(12, 1);
  const bool expected[] = {1, 1, 1, 0, 0, 0, 1, 1, 1, 0, 0, 0};
  for (int x = 0; x < 12; ++x) {
    EXPECT_EQ(s.Black(x, 1), expected[x]) << x;
  }
  s.canvas.Pen().SetStyle(TPenStyle::psAlternate);
  s.canvas.MoveTo(0, 2);
  s.canvas.LineTo(6, 2);
  EXPECT_TRUE(s.Black(0, 2));
  EXPECT_FALSE(s.Black(1, 2));
  EXPECT_TRUE(s.Black(2, 2));
}

// A wide styled pen (a plot trace of width 2) keeps its pattern: dashes of
// 18 pixels and gaps of 6, dots of 3 and gaps of 3, in whichever way the
// line is drawn, with its gaps left as they were.
TEST(TCanvas, wideStyledPensDrawTheirPatterns) {
  struct Case {
    TPenStyle style;
    int on;
    int off;
  };
  for (const Case& c : {Case{TPenStyle::psDash, 18, 6}, Case{TPenStyle::psDot, 3, 3}}) {
    for (const bool polyline : {true, false}) {
      Surface s(80, 8);
      s.canvas.Brush().SetStyle(TBrushStyle::bsClear);
      s.canvas.Pen().SetStyle(c.style);
      s.canvas.Pen().SetWidth(2);
      if (polyline) {
        s.canvas.Polyline({{0, 4}, {40, 4}, {72, 4}});
      } else {
        s.canvas.MoveTo(0, 4);
        s.canvas.LineTo(72, 4);
      }
      for (int x = 0; x < 72; ++x) {
        const bool dash = x % (c.on + c.off) < c.on;
        EXPECT_EQ(s.Black(x, 3) || s.Black(x, 4), dash)
            << int(c.style) << (polyline ? " polyline" : " line") << " at " << x;
      }
    }
  }
}

TEST(TCanvas, penModeXorTwiceRestores) {
  Surface s;
  s.canvas.Pen().SetMode(TPenMode::pmXor);
  s.canvas.Pen().SetColor(clWhite);
  s.canvas.MoveTo(0, 0);
  s.canvas.LineTo(5, 0);
  EXPECT_TRUE(s.Black(0, 0));
  s.canvas.MoveTo(0, 0);
  s.canvas.LineTo(5, 0);
  EXPECT_FALSE(s.Black(0, 0));
}

TEST(TCanvas, clipAndOriginMoveAndLimitDrawing) {
  Surface s;
  s.canvas.Brush().SetColor(clBlack);
  s.canvas.SetViewportOrg(5, 5);
  s.canvas.FillRect(Rect(0, 0, 2, 2));
  EXPECT_TRUE(s.Black(5, 5));
  EXPECT_FALSE(s.Black(0, 0));
  EXPECT_EQ(s.canvas.Pixel(0, 0), clBlack);

  Surface clipped;
  clipped.canvas.Brush().SetColor(clBlack);
  const int level = clipped.canvas.SaveDC();
  clipped.canvas.IntersectClipRect(2, 2, 4, 4);
  clipped.canvas.FillRect(Rect(0, 0, 20, 20));
  EXPECT_EQ(clipped.CountBlack(), 4);
  EXPECT_EQ(clipped.canvas.Pixel(0, 0), CLR_INVALID);
  EXPECT_TRUE(clipped.canvas.RestoreDC(level));
  EXPECT_FALSE(clipped.canvas.GetClipRgn().has_value());
  clipped.canvas.ExcludeClipRect(0, 0, 19, 20);
  clipped.canvas.FillRect(Rect(0, 0, 20, 20));
  EXPECT_EQ(clipped.CountBlack(), 4 + 20);

  Surface region;
  region.canvas.Brush().SetColor(clBlack);
  TRegion both = TRegion::CreateRectRgn(0, 0, 2, 2);
  both.Combine(both, TRegion::CreateRectRgn(10, 10, 12, 12), RGN_OR);
  region.canvas.SelectClipRgn(&both);
  region.canvas.FillRect(Rect(0, 0, 20, 20));
  EXPECT_EQ(region.CountBlack(), 8);
  region.canvas.SelectClipRgn(nullptr);
  EXPECT_FALSE(region.canvas.RestoreDC(1));
}

TEST(TCanvas, roundRectRegionMatchesTheDrawnShape) {
  Surface s;
  s.canvas.Brush().SetColor(clBlack);
  s.canvas.RoundRect(1, 1, 15, 11, 8, 6);
  const TRegion region = TRegion::CreateRoundRectRgn(1, 1, 15, 11, 8, 6);
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 20; ++x) {
      EXPECT_EQ(s.Black(x, y), region.Contains(x, y)) << x << "," << y;
    }
  }
}

TEST(TCanvas, hatchBrushLeavesGapsWhenTransparent) {
  Surface s(8, 8);
  s.canvas.Brush().SetColor(clBlack);
  s.canvas.Brush().SetStyle(TBrushStyle::bsHorizontal);
  s.canvas.SetBkMode(TRANSPARENT);
  s.canvas.FillRect(Rect(0, 0, 8, 8));
  EXPECT_EQ(s.CountBlack(), 8);
  EXPECT_TRUE(s.Black(0, 3));
}

// Selecting a hatched brush leaves the background transparent: only the
// hatch lines are painted, whatever the background colour.
TEST(TCanvas, hatchedFillsKeepTheirGaps) {
  struct Case {
    TBrushStyle style;
    int black;
    TPoint line;
    TPoint gap;
  };
  const Case cases[] = {
      {TBrushStyle::bsHorizontal, 8, {5, 3}, {5, 2}}, {TBrushStyle::bsVertical, 8, {4, 6}, {3, 6}},
      {TBrushStyle::bsFDiagonal, 8, {2, 2}, {2, 3}},  {TBrushStyle::bsBDiagonal, 8, {7, 0}, {0, 0}},
      {TBrushStyle::bsCross, 15, {0, 3}, {0, 0}},     {TBrushStyle::bsDiagCross, 16, {3, 4}, {1, 0}},
  };
  for (const Case& c : cases) {
    Surface s(8, 8);
    s.canvas.SetBkColor(clRed);
    s.canvas.Brush().SetColor(clBlack);
    s.canvas.Brush().SetStyle(c.style);
    s.canvas.FillRect(Rect(0, 0, 8, 8));
    EXPECT_EQ(s.CountBlack(), c.black) << int(c.style);
    EXPECT_EQ(s.image.pixel(c.line.X, c.line.Y), 0xFF000000u) << int(c.style);
    EXPECT_EQ(s.image.pixel(c.gap.X, c.gap.Y), 0xFFFFFFFFu) << int(c.style);
  }
}

TEST(TCanvas, gradientFillPutsStartAndStopOnTheEdges) {
  QImage image(10, 3, QImage::Format_ARGB32);
  TCanvas canvas(&image);
  canvas.GradientFill(Rect(0, 0, 10, 3), clBlack, clWhite, false);
  EXPECT_EQ(canvas.Pixel(0, 1), clBlack);
  EXPECT_EQ(canvas.Pixel(9, 1), clWhite);
  canvas.GradientFill(Rect(0, 0, 10, 3), clRed, clBlue, true);
  EXPECT_EQ(canvas.Pixel(4, 0), clRed);
  EXPECT_EQ(canvas.Pixel(4, 2), clBlue);
}

TEST(TCanvas, drawingOnAnEmptyImageDoesNothingAndSaysNothing) {
  QImage empty;
  TCanvas canvas(&empty);
  const QtMessageLog log;
  canvas.TextOut(0, 0, QStringLiteral("flat"));
  canvas.Font().SetOrientation(900);
  canvas.TextOut(5, 5, QStringLiteral("turned"));
  TRect r = Rect(0, 0, 20, 20);
  canvas.TextRect(r, 0, 0, QStringLiteral("clipped"));
  canvas.DrawText(QStringLiteral("wrapped"), r, DT_WORDBREAK);
  canvas.Pen().SetWidth(3);
  canvas.MoveTo(0, 0);
  canvas.LineTo(10, 10);
  canvas.Rectangle(0, 0, 5, 5);
  EXPECT_TRUE(QtMessageLog::Messages().isEmpty()) << QtMessageLog::Messages().join(QLatin1Char('\n')).toStdString();
  EXPECT_TRUE(empty.isNull());
}
