#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>

#include "platform/text/FontRegistry.h"
#include "platform/drawing/TCanvas.h"

namespace {
struct TextSurface {
  TextSurface() : image(200, 100, QImage::Format_ARGB32), canvas(&image) {
    image.fill(0xFFFFFFFFu);
    canvas.Font().SetName(QStringLiteral("Arial"));
    canvas.Font().SetHeight(-12);
    canvas.Font().SetColor(clBlack);
  }
  // Bounding box of the non-white pixels.
  TRect Ink() const {
    TRect r{image.width(), image.height(), -1, -1};
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if ((image.pixel(x, y) & 0xFFFFFFu) != 0xFFFFFFu) {
          r.Left = std::min(r.Left, x);
          r.Top = std::min(r.Top, y);
          r.Right = std::max(r.Right, x + 1);
          r.Bottom = std::max(r.Bottom, y + 1);
        }
    return r;
  }
  QImage image;
  TCanvas canvas;
};
}  // namespace

TEST(TCanvasText, textHeightIsTheCellHeightForAnyString) {
  TextSurface s;
  const int h = s.canvas.TextHeight(QStringLiteral("x"));
  EXPECT_GT(h, 12);
  EXPECT_EQ(s.canvas.TextHeight(QStringLiteral("Wg|")), h);
  EXPECT_EQ(s.canvas.TextHeight(QString()), h);
  EXPECT_EQ(s.canvas.TextExtent(QStringLiteral("abc")).cx, s.canvas.TextWidth(QStringLiteral("abc")));
  EXPECT_EQ(s.canvas.TextWidth(QString()), 0);
}

TEST(TCanvasText, drawTextVCenterNeedsSingleLine) {
  TextSurface s;
  TRect r = Rect(0, 0, 200, 100);
  s.canvas.Brush().SetStyle(TBrushStyle::bsClear);
  const int lineHeight = s.canvas.TextHeight(QStringLiteral("A"));
  EXPECT_EQ(s.canvas.DrawText(QStringLiteral("A"), r, DT_VCENTER), lineHeight);
  EXPECT_LT(s.Ink().Top, lineHeight);

  TextSurface centred;
  centred.canvas.Brush().SetStyle(TBrushStyle::bsClear);
  TRect r2 = Rect(0, 0, 200, 100);
  const int result = centred.canvas.DrawText(QStringLiteral("A"), r2, DT_VCENTER | DT_SINGLELINE);
  EXPECT_EQ(result, (100 - lineHeight) / 2 + lineHeight);
  EXPECT_GT(centred.Ink().Top, 30);
}

TEST(TCanvasText, drawTextCalcRectMeasuresLinesAndDrawsNothing) {
  TextSurface s;
  const int lineHeight = s.canvas.TextHeight(QStringLiteral("A"));
  TRect r = Rect(10, 10, 200, 10);
  EXPECT_EQ(s.canvas.DrawText(QStringLiteral("one\r\ntwo\nthree"), r, DT_CALCRECT), 3 * lineHeight);
  EXPECT_EQ(r.Bottom, 10 + 3 * lineHeight);
  EXPECT_EQ(r.Width(), s.canvas.TextWidth(QStringLiteral("three")));
  EXPECT_EQ(s.Ink().Right, -1);

  TRect narrow = Rect(0, 0, s.canvas.TextWidth(QStringLiteral("word word")) - 1, 0);
  EXPECT_EQ(s.canvas.DrawText(QStringLiteral("word word word"), narrow, DT_CALCRECT | DT_WORDBREAK), 3 * lineHeight);

  TRect single = Rect(0, 0, 5, 0);
  EXPECT_EQ(s.canvas.DrawText(QStringLiteral("a\nb"), single, DT_CALCRECT | DT_SINGLELINE), lineHeight);
}

TEST(TCanvasText, prefixesAreStrippedUnlessNoPrefix) {
  TextSurface s;
  TRect a = Rect(0, 0, 0, 0);
  s.canvas.DrawText(QStringLiteral("&Open && Save"), a, DT_CALCRECT | DT_SINGLELINE);
  EXPECT_EQ(a.Width(), s.canvas.TextWidth(QStringLiteral("Open & Save")));
  TRect b = Rect(0, 0, 0, 0);
  s.canvas.DrawText(QStringLiteral("&Open"), b, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  EXPECT_EQ(b.Width(), s.canvas.TextWidth(QStringLiteral("&Open")));
}

TEST(TCanvasText, alignmentAndEllipsisPlaceTheInk) {
  TextSurface right;
  right.canvas.Brush().SetStyle(TBrushStyle::bsClear);
  TRect r = Rect(0, 0, 200, 20);
  right.canvas.DrawText(QStringLiteral("Right"), r, DT_RIGHT | DT_SINGLELINE);
  EXPECT_GT(right.Ink().Left, 150);
  EXPECT_LE(right.Ink().Right, 200);

  TextSurface clipped;
  clipped.canvas.Brush().SetStyle(TBrushStyle::bsClear);
  TRect small = Rect(0, 0, 40, 20);
  clipped.canvas.DrawText(QStringLiteral("A rather long caption"), small, DT_END_ELLIPSIS | DT_SINGLELINE);
  EXPECT_LE(clipped.Ink().Right, 40);
}

TEST(TCanvasText, textOutBaselineAlignmentPutsInkAboveY) {
  TextSurface s;
  s.canvas.Brush().SetStyle(TBrushStyle::bsClear);
  s.canvas.SetTextAlign(TA_BASELINE | TA_CENTER);
  s.canvas.TextOut(100, 50, QStringLiteral("HH"));
  const TRect ink = s.Ink();
  EXPECT_LE(ink.Bottom, 51);
  EXPECT_LT(std::abs((ink.Left + ink.Right) / 2 - 100), 3);
}

TEST(TCanvasText, solidBrushPaintsTheTextCell) {
  TextSurface s;
  s.canvas.Brush().SetColor(clBlack);
  s.canvas.TextOut(10, 10, QStringLiteral("i"));
  const TSize cell = s.canvas.TextExtent(QStringLiteral("i"));
  EXPECT_EQ(s.Ink(), Bounds(10, 10, cell.cx, cell.cy));
}

TEST(TCanvasText, textAfterAHatchedBrushLeavesTheCellAroundItsGlyphs) {
  TextSurface s;
  s.canvas.Brush().SetColor(clRed);
  s.canvas.Brush().SetStyle(TBrushStyle::bsCross);
  s.canvas.TextOut(10, 10, QStringLiteral("i"));
  const TSize cell = s.canvas.TextExtent(QStringLiteral("i"));
  // The cell's top and bottom rows hold no glyph: they keep the white below.
  for (int x = 10; x < 10 + cell.cx; ++x) {
    EXPECT_EQ(s.image.pixel(x, 10), 0xFFFFFFFFu) << x;
    EXPECT_EQ(s.image.pixel(x, 10 + cell.cy - 1), 0xFFFFFFFFu) << x;
  }
  EXPECT_NE(s.Ink().Right, -1);
}

TEST(FontRegistry, substitutesWindowsFacesByFreeOnes) {
  EXPECT_EQ(SubstituteFaceName(QStringLiteral("Arial")), QStringLiteral("Liberation Sans"));
  EXPECT_EQ(SubstituteFaceName(QStringLiteral("times new roman")), QStringLiteral("Liberation Serif"));
  EXPECT_EQ(SubstituteFaceName(QString::fromUtf8("宋体")), ChineseFallbackFace());
  EXPECT_EQ(SubstituteFaceName(QStringLiteral("Unknown Face")), QStringLiteral("Unknown Face"));
  TFont font;
  font.SetName(QStringLiteral("Arial"));
  EXPECT_EQ(QFontInfo(font.ToQFont()).family(), QStringLiteral("Liberation Sans"));
  font.SetName(QStringLiteral("Tahoma"));
  EXPECT_EQ(QFontInfo(font.ToQFont()).family(), QStringLiteral("Tahoma"));
}

TEST(TFont, cellHeightComesFromTheFacesWindowsMetrics) {
  // Tahoma prefers shorter typographic line metrics; the platform's cell is
  // usWinAscent + usWinDescent scaled to the em: 8 points give 13 pixels.
  TFont font;
  font.SetName(QStringLiteral("Tahoma"));
  font.SetSize(8);
  const TTextMetric tm = font.TextMetrics();
  EXPECT_EQ(tm.tmAscent, 11);
  EXPECT_EQ(tm.tmHeight, 13);
  EXPECT_EQ(tm.tmInternalLeading, 2);
  font.SetHeight(13);  // a positive height asks for that cell
  EXPECT_EQ(font.TextMetrics().tmHeight, 13);
  EXPECT_EQ(font.ToQFont().pixelSize(), 11);
}

TEST(TFont, sizeAndHeightConvertAt96Dpi) {
  TFont font;
  font.SetSize(8);
  EXPECT_EQ(font.Height(), -11);
  EXPECT_EQ(font.Size(), 8);
  font.SetSize(9);
  EXPECT_EQ(font.Height(), -12);
  int changes = 0;
  font.OnChange = [&](TObject*) { ++changes; };
  font.SetHeight(-12);
  EXPECT_EQ(changes, 0);
  font.SetStyle({TFontStyle::fsBold});
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(font.ToQFont().bold());
  EXPECT_EQ(font.ToQFont().pixelSize(), 12);
}

// The key hints draw arrows and full-width signs with the label face
// (Arial at 12 px). Each must show as its own shape, not as a line on the
// baseline like "_": an arrow's or the plus's ink reaches across its shaft
// by at least a third of the em (the head, the cross bar), and the signs
// stand clear above the baseline.
TEST(TCanvasText, arrowsAndFullWidthSignsOfTheLabelFaceAreNotLinesOnTheBaseline) {
  struct Glyph {
    char16_t code;
    int across;       // the least ink across the glyph's shaft
    bool aboveBaseline;
  };
  const Glyph glyphs[] = {{u'\u2190', 4, false}, {u'\u2192', 4, false}, {u'\u2191', 4, false},
                          {u'\u2193', 4, false}, {u'\uff0b', 4, true},  {u'\uff0d', 1, true}};
  for (const Glyph& glyph : glyphs) {
    TextSurface s;
    s.canvas.Brush().SetStyle(TBrushStyle::bsClear);
    s.canvas.TextOut(10, 10, QString(QChar(glyph.code)));
    const int baseline = 10 + s.canvas.Font().TextMetrics().tmAscent;
    TRect ink{s.image.width(), s.image.height(), -1, -1};
    for (int y = 0; y < s.image.height(); ++y) {
      for (int x = 0; x < s.image.width(); ++x) {
        if (qGray(s.image.pixel(x, y)) < 192) {
          ink = {std::min(ink.Left, x), std::min(ink.Top, y), std::max(ink.Right, x + 1), std::max(ink.Bottom, y + 1)};
        }
      }
    }
    const QString where = QStringLiteral("U+%1").arg(unsigned(glyph.code), 4, 16, QLatin1Char('0'));
    EXPECT_GE(std::min(ink.Width(), ink.Height()), glyph.across) << where.toStdString();
    EXPECT_GE(std::max(ink.Width(), ink.Height()), 4) << where.toStdString();
    if (glyph.aboveBaseline) {
      EXPECT_LE(ink.Bottom, baseline - 2) << where.toStdString() << " sits on the baseline";
    }
  }
}
