#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QBuffer>
#include <QImage>
#include <QTemporaryDir>

#include "platform/drawing/GdiConstants.h"
#include "platform/pictures/TBitmap.h"
#include "platform/drawing/TCanvas.h"
#include "platform/text/TFont.h"
#include "platform/pictures/TImageList.h"
#include "widgets/gdiplus/TGDIPPictureContainer.h"
#include "widgets/gdiplus/TGPGraphics.h"
#include "widgets/smooth/html/RenderHTMLText.h"

namespace {

TFont BaseFont(int points = 10) {
  TFont font;
  font.SetName(QStringLiteral("Tahoma"));
  font.SetSize(points);
  font.SetColor(clBlack);
  return font;
}

// A white page with a surface on it and the splash screen's settings.
class RenderHTMLTextTest : public ::testing::Test {
protected:
  RenderHTMLTextTest() : bitmap(400, 300) {
    bitmap.Canvas().Brush().SetColor(clWhite);
    bitmap.Canvas().FillRect(TRect{0, 0, 400, 300});
    surface = std::make_unique<TGPGraphics>(bitmap.Canvas());
    options.LineSpacing = 2;
    options.ShadowOffset = 5;
  }
  THTMLRenderResult Measure(const QString& text, TRect bounds = TRect{0, 0, 300, 200}) {
    THTMLRenderOptions o = options;
    o.MeasureOnly = true;
    return RenderHTMLText(*surface, font, text, bounds, o);
  }
  THTMLRenderResult Draw(const QString& text, TRect bounds = TRect{0, 0, 300, 200}) {
    return RenderHTMLText(*surface, font, text, bounds, options);
  }
  int Width(const QString& run, const TFont& f) {
    TRect r{0, 0, 1, 100};
    surface->DrawText(run, int(run.size()), r, f, DT_CALCRECT, clNone);
    return r.Right - r.Left;
  }
  int Gh(const TFont& f) { return surface->TextHeight(QStringLiteral("gh"), f); }

  TBitmap bitmap;
  std::unique_ptr<TGPGraphics> surface;
  TFont font = BaseFont();
  THTMLRenderOptions options;
};

QByteArray PngOf(int w, int h) {
  QImage image(w, h, QImage::Format_ARGB32);
  image.fill(Qt::red);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}

}  // namespace

TEST_F(RenderHTMLTextTest, LoadingLine_oneLineInTwentyPointWhite) {
  const QString line = QStringLiteral("<FONT size=\"20\" color=\"clWhite\">Loading Program....</FONT><br>");
  TFont big = BaseFont(20);
  const THTMLRenderResult measured = Measure(line);
  EXPECT_EQ(measured.TotalHeight, surface->TextHeight(QStringLiteral("Loading Program...."), big) + 2);
  // Two runs, the first measured with its blank as an "i", as the surface measures.
  EXPECT_EQ(measured.TotalWidth,
            Width(QStringLiteral("Loading "), big) + Width(QStringLiteral("Program...."), big) + 2);
  EXPECT_EQ(measured.PlainText, QStringLiteral("Loading Program....\r"));

  bitmap.Canvas().Brush().SetColor(clBlack);
  bitmap.Canvas().FillRect(TRect{0, 0, 400, 300});
  Draw(line);
  int white = 0;
  for (int x = 0; x < 300; ++x) {
    for (int y = 0; y < 40; ++y) {
      white += bitmap.Canvas().Pixel(x, y) == clWhite ? 1 : 0;
    }
  }
  EXPECT_GT(white, 100);
}

// Markup from outside: every call returns, nothing crashes, and the
// readable part survives (drawing stops at the bottom of the bounds).
TEST_F(RenderHTMLTextTest, HostileMarkup_isLaidOutAndReturns) {
  struct Case {
    QString markup;
    QString plain;
  };
  const Case cases[] = {
      {QStringLiteral("ab<FONT size=20"), QStringLiteral("ab")},
      {QStringLiteral("ab<FONT size=20 and a long tail without an end"), QStringLiteral("ab")},
      {QStringLiteral("ab<"), QStringLiteral("ab")},
      {QStringLiteral("ab<F"), QStringLiteral("ab")},
      {QStringLiteral("ab</"), QStringLiteral("ab")},
      {QStringLiteral("ab</A"), QStringLiteral("ab")},
      {QStringLiteral("<>a</>b<<>"), QStringLiteral("ab")},
      {QStringLiteral("&amp;amp;lt;B&gt;x"), QStringLiteral("<B>x")},
      {QStringLiteral("<UL>").repeated(10'000) + QStringLiteral("<LI>x"), QStringLiteral("x")},
      {QStringLiteral("<FONT>").repeated(10'000) + QStringLiteral("x"), QStringLiteral("x")},
      {QStringLiteral("<SUB>").repeated(10'000) + QStringLiteral("x"), QStringLiteral("x")},
      {QStringLiteral("</UL></A></FONT></H></SUB>x"), QStringLiteral("x")},
      {QStringLiteral("<IMG src=\"IDX:-1\">x<IMG src=\"IDX:99999999999\"><IMG src=\"nosuch\">"), QStringLiteral("x")},
      {QStringLiteral("<A href=\"x>y</A>"), QStringLiteral("y")},
      {QStringLiteral("<P align=\"CENTER\" indent=\"-99999999999\">x"), QStringLiteral("x")},
      {QStringLiteral("<E>x y z</E><HI>h</HI><SH>s</SH><Z>hid</Z><HR>"), QStringLiteral("x y zhshid")},
  };
  for (const Case& c : cases) {
    for (const bool measureOnly : {true, false}) {
      options.MeasureOnly = measureOnly;
      const THTMLRenderResult r = RenderHTMLText(*surface, font, c.markup, TRect{0, 0, 300, 200}, options);
      if (measureOnly) {
        EXPECT_EQ(r.PlainText, c.plain) << c.markup.left(60).toStdString();
      }
      EXPECT_GE(r.TotalHeight, 2);
    }
  }
}

TEST_F(RenderHTMLTextTest, Sizes_saturateIntoTheirRanges) {
  EXPECT_EQ(Measure(QStringLiteral("<FONT size=\"99999999999999999999\">x</FONT>")).TotalHeight,
            Measure(QStringLiteral("<FONT size=\"1000\">x</FONT>")).TotalHeight);
  EXPECT_EQ(Measure(QStringLiteral("<FONT size=\"-5\">x</FONT>")).TotalHeight,
            Measure(QStringLiteral("x")).TotalHeight);
  EXPECT_EQ(Measure(QStringLiteral("<FONT size=3>x</FONT>")).TotalHeight,
            Measure(QStringLiteral("<FONT size=\"12\">x</FONT>")).TotalHeight);
  EXPECT_EQ(Measure(QStringLiteral("<IND x=\"2147483647\">")).TotalWidth, 32767 + 2);
  EXPECT_EQ(Measure(QStringLiteral("<IN x=\"2147483647\">")).TotalWidth, 32767 + 2);
  EXPECT_EQ(Measure(QStringLiteral("<OF x=\"2147483647\">")).TotalWidth, 32767 + 2);
  // A negative offset leaves the width negative: the widest line stays 0.
  EXPECT_EQ(Measure(QStringLiteral("<OF x=\"-2147483648\">")).TotalWidth, 0);

  TGDIPPictureContainer pictures;
  TPictureItem& item = pictures.Add();
  item.SetName(QStringLiteral("Red"));
  item.Picture().LoadFromBytes(PngOf(4, 3));
  options.PictureContainer = &pictures;
  EXPECT_EQ(Measure(QStringLiteral("<IMG src=\"red\">")).TotalWidth, 4 + 2);
  EXPECT_EQ(Measure(QStringLiteral("<IMG src=\"red\" width=\"2147483647\" height=\"1\">")).TotalWidth, 32767 + 2);
  EXPECT_EQ(Measure(QStringLiteral("<IMG src=\"red\" width=\"7\" height=\"0\">")).TotalWidth, 4 + 2);
}

TEST_F(RenderHTMLTextTest, Colors_unquotedValuesChangeNothing) {
  bitmap.Canvas().Brush().SetColor(clWhite);
  options.ShadowOffset = 0;
  font = BaseFont(24);
  font.SetStyle({TFontStyle::fsBold});
  auto inks = [&](const QString& markup, TColor ink) {
    bitmap.Canvas().FillRect(TRect{0, 0, 400, 300});
    Draw(markup);
    int n = 0;
    for (int y = 0; y < 60; ++y) {
      for (int x = 0; x < 120; ++x) {
        n += bitmap.Canvas().Pixel(x, y) == ink ? 1 : 0;
      }
    }
    return n;
  };
  font.SetColor(clBlue);
  EXPECT_GT(inks(QStringLiteral("<FONT color=clred>IIII</FONT>"), clBlue), 20);
  EXPECT_EQ(inks(QStringLiteral("<FONT color=clred>IIII</FONT>"), clRed), 0);
  EXPECT_GT(inks(QStringLiteral("<FONT color=\"#GGGGGG\">IIII</FONT>"), RGB(16, 16, 16)), 20);
  EXPECT_GT(inks(QStringLiteral("<FONT color=\"clnosuch\">IIII</FONT>"), clBlack), 20);
  EXPECT_GT(inks(QStringLiteral("<FONT bgcolor=\"#00FF00\">IIII</FONT>"), clLime), 20);
}

TEST_F(RenderHTMLTextTest, Entities_aMegabyteDecodesToOneLine) {
  const THTMLRenderResult r = Measure(QStringLiteral("&amp;").repeated(200'000));
  EXPECT_EQ(r.PlainText, QString(200'000, QLatin1Char('&')));
  EXPECT_EQ(r.TotalHeight, Gh(font) + 2);
}

TEST_F(RenderHTMLTextTest, LongWord_staysOnOneLineAndGivesItsWidth) {
  const QString word(1'000'000, QLatin1Char('m'));
  const THTMLRenderResult r = Measure(word);
  EXPECT_EQ(r.TotalWidth, Width(word, font) + 2);
  EXPECT_EQ(r.TotalHeight, Gh(font) + 2);
}

TEST_F(RenderHTMLTextTest, Wrapping_breaksOnlyAtRealSpaces) {
  const int gh = Gh(font);
  const int lineStep = gh + 2;
  const int narrow = Width(QStringLiteral("word word"), font) + 4;
  EXPECT_EQ(Measure(QStringLiteral("word&nbsp;word"), TRect{0, 0, narrow - 10, 200}).TotalHeight, gh + 2);
  EXPECT_EQ(Measure(QStringLiteral("word word"), TRect{0, 0, narrow - 10, 200}).TotalHeight, lineStep + gh + 2);
  options.WordWrap = false;
  EXPECT_EQ(Measure(QStringLiteral("word word word word"), TRect{0, 0, 20, 200}).TotalHeight, gh + 2);
  options.WordWrap = true;
  // Bounds without width: every run is wider than the line and so kept.
  for (const int right : {0, -5}) {
    const THTMLRenderResult r = Measure(QStringLiteral("a b c"), TRect{0, 0, right, 200});
    EXPECT_EQ(r.PlainText, QStringLiteral("a b c"));
    EXPECT_EQ(r.TotalHeight, gh + 2);
  }
}

TEST_F(RenderHTMLTextTest, PlainText_holdsEachRunOnceAndACrPerBreak) {
  const THTMLRenderResult r = Draw(QStringLiteral("one<BR>two <Z>hidden</Z>three"));
  EXPECT_EQ(r.PlainText, QStringLiteral("one\rtwo hiddenthree"));
  EXPECT_EQ(Measure(QStringLiteral("two <Z>hidden</Z>three")).TotalWidth,
            Measure(QStringLiteral("two three")).TotalWidth);
}

TEST_F(RenderHTMLTextTest, Subscript_raisesTheLineByHalfTheRun) {
  const int plain = Measure(QStringLiteral("ab")).TotalHeight;
  const int sub = Measure(QStringLiteral("a<SUB>b</SUB>")).TotalHeight;
  EXPECT_EQ(sub - plain, surface->TextHeight(QStringLiteral("b"), font) / 2);
}

TEST_F(RenderHTMLTextTest, List_firstLineEmptyThenMarkerAndText) {
  const int gh = Gh(font);
  const THTMLRenderResult r = Measure(QStringLiteral("<UL><LI>item</UL>"));
  EXPECT_EQ(r.TotalHeight, gh + 2 + gh + 2);
  EXPECT_EQ(r.TotalWidth, 12 + Width(QStringLiteral("item"), font) + 2);
}

TEST_F(RenderHTMLTextTest, MeasureOnly_laysOutBeyondTheBottom) {
  const QString text = QStringLiteral("a<BR>b<BR>c<BR>d");
  const TRect small{0, 0, 300, 20};
  EXPECT_GT(Measure(text, small).TotalHeight, Draw(text, small).TotalHeight);
}

TEST_F(RenderHTMLTextTest, Anchor_underThePointGivesItsTarget) {
  options.HitX = 5;
  options.HitY = 5;
  options.HitTestOnly = true;
  const THTMLRenderResult r = Draw(QStringLiteral("<A href=\"Go.Here\">link</A> and <A href=\"b\">b</A>"));
  EXPECT_TRUE(r.Hit);
  EXPECT_EQ(r.AnchorValue, QStringLiteral("Go.Here"));
  EXPECT_EQ(r.LinkCount, 2);
  EXPECT_EQ(r.HoverLinkIndex, 1);
}

TEST_F(RenderHTMLTextTest, Images_outsideTheListOrShellIconsTakeTheirRoomOnly) {
  TImageList images;
  images.SetSize(10, 10);
  TBitmap glyph(10, 10);
  images.AddMasked(glyph, clFuchsia);
  options.Images = &images;
  EXPECT_EQ(Measure(QStringLiteral("<IMG src=\"IDX:-1\">")).TotalWidth, Measure(QString()).TotalWidth);
  EXPECT_EQ(Measure(QStringLiteral("<IMG src=\"IDX:1\">")).TotalWidth, Measure(QString()).TotalWidth);
  EXPECT_EQ(Measure(QStringLiteral("<IMG src=\"IDX:0\">")).TotalWidth, 10 + 2);

  // Shell icons are judged from the name: a FIFO with no writer would hang
  // any reader, and /dev/zero never ends.
  QTemporaryDir dir;
  const QString fifo = dir.filePath(QStringLiteral("pipe.txt"));
  ASSERT_EQ(mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
  for (const QString& name : {fifo, QStringLiteral("/dev/zero")}) {
    EXPECT_EQ(Draw(QStringLiteral("<IMG src=\"SSYS:%1\">").arg(name)).TotalWidth, 16 + 2);
    EXPECT_EQ(Draw(QStringLiteral("<IMG src=\"LSYS:%1\">").arg(name)).TotalWidth, 32 + 2);
  }
}
