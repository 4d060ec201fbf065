#include <gtest/gtest.h>

#include <vector>

#include "platform/drawing/Blit.h"
#include "platform/pictures/TBitmap.h"

namespace {
TBitmap* Filled(TBitmap& bitmap, int w, int h, TColor color) {
  bitmap.SetSize(w, h);
  bitmap.Canvas().Brush().SetColor(color);
  bitmap.Canvas().FillRect(Rect(0, 0, w, h));
  return &bitmap;
}

// A one-row bitmap of the given colours, and the colours of a bitmap's row.
void SetRow(TBitmap& bitmap, const std::vector<TColor>& colours) {
  bitmap.SetSize(int(colours.size()), 1);
  for (std::size_t x = 0; x < colours.size(); ++x) {
    bitmap.Canvas().SetPixel(int(x), 0, colours[x]);
  }
}

std::vector<TColor> Row(const TBitmap& bitmap) {
  std::vector<TColor> colours;
  for (int x = 0; x < bitmap.Width(); ++x) {
    colours.push_back(bitmap.Canvas().Pixel(x, 0));
  }
  return colours;
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
  SetRow(mono, {clBlack, clWhite});
  TBitmap colour;
  Filled(colour, 2, 1, clGray);
  colour.Canvas().SetTextColor(clRed);
  colour.Canvas().SetBkColor(clBlue);
  BitBlt(colour.Canvas(), 0, 0, 2, 1, &mono.Canvas(), 0, 0, SRCCOPY);
  EXPECT_EQ(Row(colour), (std::vector<TColor>{clRed, clBlue}));
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
  EXPECT_EQ(Row(mono), (std::vector<TColor>{clBlack, clWhite, clBlack}));
}

TEST(Blit, negativeExtentsMirrorFromTheOriginPixel) {
  TBitmap source;
  SetRow(source, {clRed, clLime, clBlue});
  TBitmap dest;
  Filled(dest, 5, 1, clWhite);
  StretchBlt(dest.Canvas(), 3, 0, -3, 1, &source.Canvas(), 0, 0, 3, 1, SRCCOPY);
  EXPECT_EQ(Row(dest), (std::vector<TColor>{clWhite, clBlue, clLime, clRed, clWhite}));
}

TEST(Blit, stretchPicksTheNearestSourcePixel) {
  TBitmap source;
  SetRow(source, {clRed, clBlue});
  TBitmap dest;
  dest.SetSize(4, 1);
  StretchBlt(dest.Canvas(), 0, 0, 4, 1, &source.Canvas(), 0, 0, 2, 1, SRCCOPY);
  EXPECT_EQ(Row(dest), (std::vector<TColor>{clRed, clRed, clBlue, clBlue}));
  EXPECT_FALSE(BitBlt(dest.Canvas(), 0, 0, 1, 1, nullptr, 0, 0, SRCCOPY));
}

TEST(Blit, overlappingCopiesReadTheSourceAsItWas) {
  TBitmap strip;
  SetRow(strip, {clRed, clLime, clBlue, clYellow, clAqua});
  BitBlt(strip.Canvas(), 1, 0, 4, 1, &strip.Canvas(), 0, 0, SRCCOPY);  // scroll right by one
  EXPECT_EQ(Row(strip), (std::vector<TColor>{clRed, clRed, clLime, clBlue, clYellow}));
}

TEST(Blit, hugeExtentsVisitOnlyTheDestinationImage) {
  TBitmap source;
  SetRow(source, {clRed, clBlue});
  TBitmap dest(4, 4);
  EXPECT_TRUE(StretchBlt(dest.Canvas(), -500000000, -1000000000, 2000000000, 2000000000, &source.Canvas(), 0, 0,
                         2, 1, SRCCOPY));
  EXPECT_EQ(dest.Canvas().Pixel(0, 0), clRed);  // a quarter into the stretch: its left half
  TBitmap big(3, 3);
  EXPECT_TRUE(BitBlt(dest.Canvas(), -5, -5, 1000000000, 1000000000, &big.Canvas(), -5, -5, SRCCOPY));
  EXPECT_TRUE(PatBlt(dest.Canvas(), 0, 0, 2000000000, 2000000000, BLACKNESS));
  EXPECT_EQ(dest.Canvas().Pixel(3, 3), clBlack);
}
