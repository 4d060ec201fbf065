#include <gtest/gtest.h>

#include "platform/Blit.h"
#include "platform/TBitmap.h"

namespace {
TBitmap* Filled(TBitmap& bitmap, int w, int h, TColor color) {
  bitmap.SetSize(w, h);
  bitmap.Canvas().Brush().SetColor(color);
  bitmap.Canvas().FillRect(Rect(0, 0, w, h));
  return &bitmap;
}
}  // namespace

TEST(Blit, ropTruthTablesCombineSourceAndDestinationPerBit) {
  struct Case {
    std::uint32_t rop;
    TColor source;
    TColor dest;
    TColor brush;
    TColor expected;
  };
  const Case cases[] = {
      {SRCCOPY, 0x123456, 0xABCDEF, clBlack, 0x123456},
      {SRCAND, 0x0F0F0F, 0x3C3C3C, clBlack, 0x0C0C0C},
      {SRCPAINT, 0x0F0F0F, 0x3C3C3C, clBlack, 0x3F3F3F},
      {SRCINVERT, 0x0F0F0F, 0x3C3C3C, clBlack, 0x333333},
      {MERGEPAINT, 0x0F0F0F, 0x3C3C3C, clBlack, 0xFCFCFC},
      {NOTSRCCOPY, 0x0F0F0F, 0x3C3C3C, clBlack, 0xF0F0F0},
      {ROP_DSPDxax, 0xFFFFFF, 0x3C3C3C, 0x112233, 0x112233},
      {ROP_DSPDxax, 0x000000, 0x3C3C3C, 0x112233, 0x3C3C3C},
      {PATCOPY, 0x000000, 0x3C3C3C, 0x112233, 0x112233},
      {DSTINVERT, 0x000000, 0x3C3C3C, 0x112233, 0xC3C3C3},
  };
  for (const Case& c : cases) {
    TBitmap source;
    TBitmap dest;
    Filled(source, 2, 2, c.source);
    Filled(dest, 2, 2, c.dest);
    dest.Canvas().Brush().SetColor(c.brush);
    EXPECT_TRUE(BitBlt(dest.Canvas(), 0, 0, 2, 2, &source.Canvas(), 0, 0, c.rop));
    EXPECT_EQ(dest.Canvas().Pixel(1, 1), c.expected) << std::hex << c.rop;
  }
}

TEST(Blit, monochromeToColourUsesTextAndBackgroundColours) {
  TBitmap mono;
  mono.SetMonochrome(true);
  mono.SetSize(2, 1);
  mono.Canvas().SetPixel(0, 0, clBlack);
  mono.Canvas().SetPixel(1, 0, clWhite);
  TBitmap colour;
  Filled(colour, 2, 1, clGray);
  colour.Canvas().SetTextColor(clRed);
  colour.Canvas().SetBkColor(clBlue);
  BitBlt(colour.Canvas(), 0, 0, 2, 1, &mono.Canvas(), 0, 0, SRCCOPY);
  EXPECT_EQ(colour.Canvas().Pixel(0, 0), clRed);
  EXPECT_EQ(colour.Canvas().Pixel(1, 0), clBlue);
}

TEST(Blit, colourToMonochromeSetsPixelsOfTheSourceBackground) {
  TBitmap colour;
  Filled(colour, 3, 1, clLime);
  colour.Canvas().SetPixel(1, 0, clFuchsia);
  colour.Canvas().SetBkColor(clFuchsia);
  TBitmap mono;
  mono.SetMonochrome(true);
  mono.SetSize(3, 1);
  BitBlt(mono.Canvas(), 0, 0, 3, 1, &colour.Canvas(), 0, 0, SRCCOPY);
  EXPECT_EQ(mono.Canvas().Pixel(0, 0), clBlack);
  EXPECT_EQ(mono.Canvas().Pixel(1, 0), clWhite);
  EXPECT_EQ(mono.Canvas().Pixel(2, 0), clBlack);
}

TEST(Blit, negativeExtentsMirrorFromTheOriginPixel) {
  TBitmap source;
  source.SetSize(3, 1);
  source.Canvas().SetPixel(0, 0, clRed);
  source.Canvas().SetPixel(1, 0, clLime);
  source.Canvas().SetPixel(2, 0, clBlue);
  TBitmap dest;
  Filled(dest, 5, 1, clWhite);
  StretchBlt(dest.Canvas(), 3, 0, -3, 1, &source.Canvas(), 0, 0, 3, 1, SRCCOPY);
  EXPECT_EQ(dest.Canvas().Pixel(3, 0), clRed);
  EXPECT_EQ(dest.Canvas().Pixel(2, 0), clLime);
  EXPECT_EQ(dest.Canvas().Pixel(1, 0), clBlue);
  EXPECT_EQ(dest.Canvas().Pixel(0, 0), clWhite);
  EXPECT_EQ(dest.Canvas().Pixel(4, 0), clWhite);
}

TEST(Blit, stretchPicksTheNearestSourcePixel) {
  TBitmap source;
  source.SetSize(2, 1);
  source.Canvas().SetPixel(0, 0, clRed);
  source.Canvas().SetPixel(1, 0, clBlue);
  TBitmap dest;
  dest.SetSize(4, 1);
  StretchBlt(dest.Canvas(), 0, 0, 4, 1, &source.Canvas(), 0, 0, 2, 1, SRCCOPY);
  EXPECT_EQ(dest.Canvas().Pixel(0, 0), clRed);
  EXPECT_EQ(dest.Canvas().Pixel(1, 0), clRed);
  EXPECT_EQ(dest.Canvas().Pixel(2, 0), clBlue);
  EXPECT_EQ(dest.Canvas().Pixel(3, 0), clBlue);
  EXPECT_FALSE(BitBlt(dest.Canvas(), 0, 0, 1, 1, nullptr, 0, 0, SRCCOPY));
}

TEST(Blit, overlappingCopiesReadTheSourceAsItWas) {
  TBitmap strip;
  strip.SetSize(5, 1);
  const TColor colours[] = {clRed, clLime, clBlue, clYellow, clAqua};
  for (int x = 0; x < 5; ++x) {
    strip.Canvas().SetPixel(x, 0, colours[x]);
  }
  BitBlt(strip.Canvas(), 1, 0, 4, 1, &strip.Canvas(), 0, 0, SRCCOPY);  // scroll right by one
  EXPECT_EQ(strip.Canvas().Pixel(0, 0), clRed);
  for (int x = 1; x < 5; ++x) {
    EXPECT_EQ(strip.Canvas().Pixel(x, 0), colours[x - 1]) << x;
  }
}
