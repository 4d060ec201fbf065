#include <gtest/gtest.h>

#include "platform/drawing/GdiConstants.h"
#include "platform/core/Rounding.h"
#include "platform/pictures/TBitmap.h"
#include "widgets/gdiplus/GdipNative.h"
#include "widgets/gdiplus/TGPBrush.h"
#include "widgets/gdiplus/TGPFont.h"
#include "widgets/gdiplus/TGPGraphics.h"
#include "widgets/gdiplus/TGPGraphicsPath.h"
#include "widgets/gdiplus/TGPImage.h"
#include "widgets/gdiplus/TGPImageAttributes.h"
#include "widgets/gdiplus/TGPMatrix.h"

namespace {
constexpr TColor kPaper = 0x00112233;

struct Surface {
  explicit Surface(int w = 40, int h = 40) : bitmap(w, h) {
    bitmap.Canvas().Brush().SetColor(kPaper);
    bitmap.Canvas().FillRect(Rect(0, 0, w, h));
  }
  TColor At(int x, int y) const { return bitmap.Canvas().Pixel(x, y); }
  TBitmap bitmap;
};

TFont VclFont(int points) {
  TFont font;
  font.SetName(QStringLiteral("Arial"));
  font.SetSize(points);
  return font;
}
}  // namespace

TEST(TGPGraphics, LastStatus_keepsAFailureUntilReadThenOk) {
  TGPFontFamily family(QStringLiteral("No Such Face 123"));
  EXPECT_EQ(family.GetLastStatus(), Status::FontFamilyNotFound);
  EXPECT_EQ(family.GetLastStatus(), Status::Ok);

  TGPLinearGradientBrush brush(TGPRectF{0, 0, 10, 10}, OpaqueArgb(0, 0, 0), OpaqueArgb(255, 255, 255),
                               LinearGradientMode::LinearGradientModeVertical);
  const ARGB colors[1] = {OpaqueArgb(1, 2, 3)};
  const float positions[1] = {0};
  EXPECT_EQ(brush.SetInterpolationColors(colors, positions, 0), Status::InvalidParameter);
  EXPECT_EQ(brush.SetGammaCorrection(true), Status::Ok);
  EXPECT_EQ(brush.GetLastStatus(), Status::InvalidParameter);
  EXPECT_EQ(brush.GetLastStatus(), Status::Ok);
  EXPECT_EQ(brush.NativeBrush()->stops.size(), 2u);
}

TEST(TGPGraphics, SurfaceWithoutImage_answersInvalidSmoothingMode) {
  TGPGraphics graphics(static_cast<TGPImage*>(nullptr));
  EXPECT_EQ(graphics.GetLastStatus(), Status::Ok);
  EXPECT_EQ(int(graphics.GetSmoothingMode()), -1);
  EXPECT_EQ(graphics.GetLastStatus(), Status::InvalidParameter);
}

TEST(TGPGraphics, Arc_positiveSweepRunsClockwiseOnScreen) {
  TGPGraphicsPath path;
  path.AddArc(0, 0, 20, 20, 0, 90);
  TGPRectF bounds;
  path.GetBounds(bounds);
  // From the right end (20, 10) down to the bottom (10, 20).
  EXPECT_NEAR(bounds.X, 10, 0.01);
  EXPECT_NEAR(bounds.Y, 10, 0.01);
  EXPECT_NEAR(bounds.Width, 10, 0.01);
  EXPECT_NEAR(bounds.Height, 10, 0.01);
}

TEST(TGPGraphics, HardFill_coversThePixelsWhoseCentresLieInside) {
  Surface s;
  {
    TGPGraphics g(s.bitmap.Canvas());
    g.FillRectangle(TGPSolidBrush(OpaqueArgb(255, 0, 0)), 2, 2, 10, 10);
  }
  EXPECT_EQ(s.At(2, 2), clRed);
  EXPECT_EQ(s.At(11, 11), clRed);
  EXPECT_EQ(s.At(12, 12), kPaper);
  EXPECT_EQ(s.At(1, 1), kPaper);
}

TEST(TGPGraphics, SmoothFill_sharesTheEdgePixelsHalfAndHalf) {
  Surface s;
  {
    TGPGraphics g(s.bitmap.Canvas());
    g.SetSmoothingMode(SmoothingMode::SmoothingModeAntiAlias);
    g.FillRectangle(TGPSolidBrush(OpaqueArgb(255, 255, 255)), 2, 2, 10, 10);
  }
  EXPECT_EQ(s.At(5, 5), clWhite);
  const TColor edge = s.At(2, 5);
  EXPECT_NE(edge, clWhite);
  EXPECT_NE(edge, kPaper);
}

TEST(TGPGraphics, VerticalGradient_runsFromTopToBottom) {
  Surface s(20, 41);
  {
    TGPGraphics g(s.bitmap.Canvas());
    const TGPLinearGradientBrush brush(TGPRectF{0, 0, 20, 40}, OpaqueArgb(0, 0, 0), OpaqueArgb(0, 0, 200),
                                       LinearGradientMode::LinearGradientModeVertical);
    g.FillRectangle(brush, 0, 0, 20, 40);
  }
  EXPECT_LT(GetBValue(s.At(10, 1)), 20);
  EXPECT_NEAR(GetBValue(s.At(10, 20)), 100, 10);
  EXPECT_GT(GetBValue(s.At(10, 38)), 180);
}

TEST(TGPGraphics, PathGradient_paintsOnlyInsideItsPath) {
  Surface s;
  {
    TGPGraphics g(s.bitmap.Canvas());
    TGPGraphicsPath ellipse;
    ellipse.AddEllipse(0, 0, 40, 40);
    TGPPathGradientBrush brush(ellipse);
    brush.SetCenterColor(OpaqueArgb(255, 255, 255));
    int count = 1;
    const ARGB surround = OpaqueArgb(0, 0, 0);
    EXPECT_EQ(brush.SetSurroundColors(&surround, count), Status::Ok);
    g.FillRectangle(brush, 0, 0, 40, 40);
  }
  EXPECT_EQ(s.At(0, 0), kPaper);
  EXPECT_GT(GetRValue(s.At(20, 20)), 240);
  EXPECT_LT(GetRValue(s.At(20, 2)), 40);
}

TEST(TGPGraphics, MeasureString_addsASixthOfTheEmAtEachEnd) {
  Surface s;
  TGPGraphics g(s.bitmap.Canvas());
  const TGPFont font(QStringLiteral("Arial"), 24, FontStyleRegular, Unit_::UnitPixel);
  TGPRectF one;
  TGPRectF two;
  g.MeasureString(QStringLiteral("W"), -1, &font, TGPRectF{0, 0, 1000, 1000}, one);
  g.MeasureString(QStringLiteral("WW"), -1, &font, TGPRectF{0, 0, 1000, 1000}, two);
  const float advance = two.Width - one.Width;
  EXPECT_NEAR(one.Width - advance, 24.0 / 3, 0.01);
  TGPRectF spaced;
  g.MeasureString(QStringLiteral("W  "), -1, &font, TGPRectF{0, 0, 1000, 1000}, spaced);
  EXPECT_FLOAT_EQ(spaced.Width, one.Width);
}

TEST(TGPGraphics, DrawTextCalcRect_measuresATrailingSpaceAsAnI) {
  Surface s;
  TGPGraphics g(s.bitmap.Canvas());
  const TFont font = VclFont(14);
  TRect spaced = Rect(0, 0, 100, 30);
  TRect withI = spaced;
  const int height = g.DrawText(QStringLiteral("a "), 2, spaced, font, DT_CALCRECT, clNone);
  g.DrawText(QStringLiteral("ai"), 2, withI, font, DT_CALCRECT, clNone);
  EXPECT_EQ(spaced, withI);
  EXPECT_EQ(height, spaced.Height());
  EXPECT_GT(height, 0);

  // Size 14: the width is the measured one less 2 + (14 - 8) / 1.5 = 6.
  const auto gpFont = TGPGraphics::MakeFont(font);
  TGPRectF box;
  g.MeasureString(QStringLiteral("ai"), 2, gpFont.get(), TGPRectF{0, 0, 1100, 30}, box);
  EXPECT_EQ(withI.Right, Round(box.Width - 6));
}

TEST(TGPGraphics, DrawTextCalcRect_drawsNothingAndPlainDrawKeepsTheRect) {
  Surface s(80, 30);
  TGPGraphics g(s.bitmap.Canvas());
  TFont font = VclFont(10);
  font.SetColor(clWhite);
  TRect measured = Rect(2, 2, 60, 28);
  g.DrawText(QStringLiteral("Hi"), 2, measured, font, DT_CALCRECT, clNone);
  g.Flush();
  bool touched = false;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 80; ++x) touched = touched || s.At(x, y) != kPaper;
  EXPECT_FALSE(touched);

  TRect drawn = Rect(2, 2, 60, 28);
  g.DrawText(QStringLiteral("Hi"), 2, drawn, font, 0, clNone);
  EXPECT_EQ(drawn, Rect(2, 2, 60, 28));
}

TEST(TGPGraphics, MakeFont_fallsBackToArialAndDropsStrikeOut) {
  TFont font;
  font.SetName(QStringLiteral("No Such Face 123"));
  font.SetSize(12);
  font.SetStyle(TFontStyles{TFontStyle::fsBold, TFontStyle::fsStrikeOut});
  const auto gpFont = TGPGraphics::MakeFont(font);
  ASSERT_NE(gpFont->NativeFont(), nullptr);
  EXPECT_EQ(gpFont->NativeFont()->family, QStringLiteral("Arial"));
  EXPECT_EQ(gpFont->NativeFont()->style, FontStyleBold);
  EXPECT_FLOAT_EQ(gpFont->NativeFont()->emSize, 12.0f);
}

TEST(TGPGraphics, ColorKey_leavesTheKeyedPixelsOut) {
  Surface s(4, 4);
  TGPBitmap picture(4, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) picture.SetPixel(x, y, x < 2 ? OpaqueArgb(255, 0, 255) : OpaqueArgb(0, 255, 0));
  TGPImageAttributes attributes;
  attributes.SetColorKey(OpaqueArgb(255, 0, 255), OpaqueArgb(255, 0, 255));
  {
    TGPGraphics g(s.bitmap.Canvas());
    g.DrawImage(&picture, TGPRectF{0, 0, 4, 4}, 0, 0, 4, 4, Unit_::UnitPixel, &attributes);
  }
  EXPECT_EQ(s.At(0, 0), kPaper);
  EXPECT_EQ(s.At(3, 3), clLime);
}

TEST(TGPBitmap, SizeNoPictureCanHold_isOutOfMemoryWithoutAPicture) {
  TGPBitmap picture(70'000'000, 1);  // rows longer than a picture can address
  EXPECT_EQ(picture.GetLastStatus(), Status::OutOfMemory);
  ARGB colour = 0;
  EXPECT_EQ(picture.GetPixel(0, 0, colour), Status::InvalidParameter);
}

TEST(TGPGraphics, DrawImageRect_roundsAFloatRectangleHalvesToEven) {
  Surface s(20, 20);
  TGPBitmap picture(1, 1);
  picture.SetPixel(0, 0, OpaqueArgb(255, 255, 255));
  {
    TGPGraphics g(s.bitmap.Canvas());
    g.DrawImageRect(&picture, TGPRectF{0.5f, 0.5f, 10.5f, 10.5f});
  }
  EXPECT_EQ(s.At(0, 0), clWhite);
  EXPECT_EQ(s.At(9, 9), clWhite);
  EXPECT_EQ(s.At(10, 10), kPaper);
}

TEST(TGPMatrix, RotateAt_turnsAboutTheCentreInEitherOrder) {
  for (MatrixOrder order : {MatrixOrder::MatrixOrderAppend, MatrixOrder::MatrixOrderPrepend}) {
    TGPMatrix matrix;
    matrix.RotateAt(90, TGPPointF{10, 10}, order);
    std::vector<TGPPointF> points = {{10, 10}, {20, 10}};
    matrix.TransformPoints(points);
    EXPECT_NEAR(points[0].X, 10, 1e-4);
    EXPECT_NEAR(points[0].Y, 10, 1e-4);
    EXPECT_NEAR(points[1].X, 10, 1e-4);
    EXPECT_NEAR(points[1].Y, 20, 1e-4);
  }
  TGPMatrix singular(0, 0, 0, 0, 1, 1);
  EXPECT_EQ(singular.Invert(), Status::InvalidParameter);
  EXPECT_FLOAT_EQ(singular.OffsetX(), 1);
}

TEST(TGPGraphics, PathGradientOnARectangle_shadesAlongRaysToItsEdge) {
  Surface s(41, 21);
  {
    TGPGraphics g(s.bitmap.Canvas());
    TGPGraphicsPath box;
    box.AddRectangle(TGPRectF{0, 0, 40, 20});
    TGPPathGradientBrush brush(box);
    brush.SetCenterPoint(TGPPointF{20, 10});
    brush.SetCenterColor(OpaqueArgb(0, 0, 0));
    int count = 1;
    const ARGB edge = OpaqueArgb(200, 200, 200);
    brush.SetSurroundColors(&edge, count);
    g.FillRectangle(brush, 0, 0, 40, 20);
  }
  // Halfway to the edge is half the colour, whether across the short or the long side.
  EXPECT_NEAR(GetRValue(s.At(20, 14)), 100, 16);
  EXPECT_NEAR(GetRValue(s.At(29, 10)), 100, 16);
  EXPECT_GT(GetRValue(s.At(39, 1)), 180);
}
