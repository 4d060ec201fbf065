#include <gtest/gtest.h>

#include "platform/pictures/TBitmap.h"
#include "widgets/panelset/TransparentBitmaps.h"

using namespace Rz;

namespace {
// 2 x 2 glyph: red at the top-left, the rest fuchsia (transparent).
void Glyph(TBitmap& glyph) {
  glyph.SetSize(2, 2);
  glyph.Canvas().Brush().SetColor(clFuchsia);
  glyph.Canvas().FillRect(Rect(0, 0, 2, 2));
  glyph.Canvas().SetPixel(0, 0, clRed);
}

void Paper(TBitmap& paper, int w, int h) {
  paper.SetSize(w, h);
  paper.Canvas().Brush().SetColor(clTeal);
  paper.Canvas().FillRect(Rect(0, 0, w, h));
  // Colours that would spoil the mask if they were used for it.
  paper.Canvas().SetBkColor(clYellow);
  paper.Canvas().SetTextColor(clLime);
}
}  // namespace

TEST(TransparentBitmaps, copyLeavesPixelsUnderTheTransparentColour) {
  for (TColor transparent : {clFuchsia, clBlack}) {
    TBitmap glyph;
    Glyph(glyph);
    if (transparent == clBlack) {
      glyph.Canvas().Brush().SetColor(clBlack);
      glyph.Canvas().FillRect(Rect(1, 0, 2, 2));
      glyph.Canvas().SetPixel(0, 1, clBlack);
    }
    TBitmap paper;
    Paper(paper, 4, 4);
    DrawTransparentBitmap(paper.Canvas(), glyph, Rect(0, 0, 4, 4), transparent);
    EXPECT_EQ(paper.Canvas().Pixel(0, 0), clRed);
    EXPECT_EQ(paper.Canvas().Pixel(1, 1), clRed);  // stretched 2x
    EXPECT_EQ(paper.Canvas().Pixel(2, 0), clTeal);
    EXPECT_EQ(paper.Canvas().Pixel(3, 3), clTeal);
    EXPECT_EQ(paper.Canvas().GetBkColor(), clYellow);
  }
}

TEST(TransparentBitmaps, tilesAreCutNotScaledAtTheEdges) {
  TBitmap glyph;
  Glyph(glyph);
  TBitmap paper;
  Paper(paper, 6, 6);
  TileTransparentBitmap(paper.Canvas(), glyph, Rect(0, 0, 5, 5), clFuchsia);
  for (int y = 0; y < 6; ++y) {
    for (int x = 0; x < 6; ++x) {
      const bool red = x < 5 && y < 5 && x % 2 == 0 && y % 2 == 0;
      EXPECT_EQ(paper.Canvas().Pixel(x, y), red ? clRed : clTeal) << x << "," << y;
    }
  }
}

TEST(TransparentBitmaps, stretchThroughTheMaskUsesTheSourceRectangle) {
  TBitmap glyph;
  Glyph(glyph);
  glyph.Canvas().SetPixel(1, 1, clBlue);
  TBitmap paper;
  Paper(paper, 4, 4);
  StretchTransparentBitmap(paper.Canvas(), glyph, Rect(0, 0, 4, 4), clFuchsia, Rect(1, 0, 2, 2));
  EXPECT_EQ(paper.Canvas().Pixel(0, 0), clTeal);
  EXPECT_EQ(paper.Canvas().Pixel(3, 3), clBlue);
  EXPECT_EQ(paper.Canvas().Pixel(0, 2), clBlue);
}
