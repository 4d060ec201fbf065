#include <gtest/gtest.h>

#include <vector>

#include "platform/drawing/GdiConstants.h"
#include "platform/pictures/TBitmap.h"
#include "widgets/gdiplus/TGPBrush.h"
#include "widgets/gdiplus/TGPGraphics.h"
#include "widgets/gdiplus/TGPGraphicsPath.h"

namespace {
constexpr TColor kPathGradientPaper = 0x00112233;

struct PathGradientSurface {
  PathGradientSurface() : bitmap(41, 41) {
    bitmap.Canvas().Brush().SetColor(kPathGradientPaper);
    bitmap.Canvas().FillRect(Rect(0, 0, 41, 41));
  }
  /// Fills the path's box with a path gradient: black centre, one surround
  /// colour per point.
  void Fill(TGPGraphicsPath& path, std::vector<ARGB> surround) {
    TGPGraphics g(bitmap.Canvas());
    TGPPathGradientBrush brush(path);
    brush.SetCenterColor(OpaqueArgb(0, 0, 0));
    int count = int(surround.size());
    ASSERT_EQ(brush.SetSurroundColors(surround.data(), count), Status::Ok);
    ASSERT_EQ(count, int(surround.size()));
    g.FillRectangle(brush, 0, 0, 40, 40);
  }
  TColor At(int x, int y) const { return bitmap.Canvas().Pixel(x, y); }
  TBitmap bitmap;
};

constexpr ARGB kSurroundRed = OpaqueArgb(255, 0, 0);
constexpr ARGB kSurroundGreen = OpaqueArgb(0, 255, 0);
constexpr ARGB kSurroundBlue = OpaqueArgb(0, 0, 255);
constexpr ARGB kSurroundWhite = OpaqueArgb(255, 255, 255);
}  // namespace

TEST(TGPPathGradientBrush, PointCount_countsAClosedFigureAsGdiplusDoes) {
  TGPGraphicsPath box;
  box.AddRectangle(TGPRectF{0, 0, 40, 40});
  TGPPathGradientBrush boxBrush(box);
  EXPECT_EQ(boxBrush.GetPointCount(), 4);
  EXPECT_EQ(box.GetPointCount(), 4);
  const std::vector<ARGB> five(5, kSurroundRed);
  int count = 5;
  EXPECT_EQ(boxBrush.SetSurroundColors(five.data(), count), Status::InvalidParameter);

  TGPGraphicsPath ellipse;
  ellipse.AddEllipse(0, 0, 40, 40);
  EXPECT_EQ(TGPPathGradientBrush(ellipse).GetPointCount(), 13);
}

TEST(TGPPathGradientBrush, SeveralSurroundColours_eachPointTakesItsOwnAndEdgesBlendBetween) {
  PathGradientSurface s;
  TGPGraphicsPath box;
  box.AddRectangle(TGPRectF{0, 0, 40, 40});
  // Corners clockwise from the top left.
  s.Fill(box, {kSurroundRed, kSurroundGreen, kSurroundBlue, kSurroundWhite});
  auto near = [&s](int x, int y, int r, int g, int b) {
    const TColor c = s.At(x, y);
    EXPECT_NEAR(GetRValue(c), r, 24) << x << "," << y;
    EXPECT_NEAR(GetGValue(c), g, 24) << x << "," << y;
    EXPECT_NEAR(GetBValue(c), b, 24) << x << "," << y;
  };
  near(1, 1, 245, 0, 0);
  near(38, 1, 0, 245, 0);
  near(38, 38, 0, 0, 245);
  near(1, 38, 245, 245, 245);
  // Halfway along the top edge: red and green in equal parts.
  near(20, 0, 125, 125, 0);
  // Halfway along the right edge, halfway in: half of green and blue, half dark.
  near(30, 20, 0, 64, 64);
  near(20, 20, 0, 0, 0);
}

TEST(TGPPathGradientBrush, SeveralSurroundColoursOnAnEllipse_followThePointsAroundIt) {
  PathGradientSurface s;
  TGPGraphicsPath ellipse;
  ellipse.AddEllipse(0, 0, 40, 40);
  // Points 0, 6 and 12 lie at 3 and 9 o'clock; 1 to 5 on one half, 7 to 11 on the other.
  std::vector<ARGB> surround(13, kSurroundGreen);
  for (int i = 1; i <= 5; ++i) surround[std::size_t(i)] = kSurroundRed;
  for (int i = 7; i <= 11; ++i) surround[std::size_t(i)] = kSurroundBlue;
  s.Fill(ellipse, surround);
  const TColor top = s.At(20, 1);
  const TColor bottom = s.At(20, 38);
  EXPECT_GT(GetRValue(top) + GetRValue(bottom), 200);
  EXPECT_GT(GetBValue(top) + GetBValue(bottom), 200);
  EXPECT_NE(GetRValue(top) > GetBValue(top), GetRValue(bottom) > GetBValue(bottom));
  EXPECT_GT(GetGValue(s.At(38, 20)), 200);
  EXPECT_EQ(s.At(1, 1), kPathGradientPaper);
}
