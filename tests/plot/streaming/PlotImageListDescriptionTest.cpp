#include <gtest/gtest.h>

#include <QStringList>

#include "platform/drawing/GdiConstants.h"
#include "platform/pictures/TBitmap.h"
#include "plot/core/TiPlot.h"
#include "plot/streaming/TiPlotFormStream.h"
#include "tests/plot/ErrorOf.h"

namespace {
void AddPlotPicture(TiPlot& plot, int list, TColor color) {
  TBitmap picture(24, 24);
  picture.Canvas().Brush().SetColor(color);
  picture.Canvas().FillRect(Rect(0, 0, 24, 24));
  picture.Canvas().SetPixel(0, 23, clOlive);
  picture.SetTransparentColor(clOlive);
  picture.SetTransparent(true);
  plot.ImageListAdd(list, picture);
}

TColor PlotPicturePixel(TiPlot& plot, int list, int index, int x, int y) {
  TBitmap paper(24, 24);
  paper.Canvas().Brush().SetColor(clWhite);
  paper.Canvas().FillRect(Rect(0, 0, 24, 24));
  plot.ImageList(list).Draw(paper.Canvas(), 0, 0, index);
  return paper.Canvas().Pixel(x, y);
}
}  // namespace

TEST(PlotDescription, ImageLists_onlyThoseWithPicturesAreStoredAndReadBack) {
  TiPlot plot;
  EXPECT_FALSE(WritePlotDescription(plot).contains(QStringLiteral("ImageList")));

  AddPlotPicture(plot, 1, clRed);
  AddPlotPicture(plot, 1, clBlue);
  const QString text = WritePlotDescription(plot);
  EXPECT_FALSE(text.contains(QStringLiteral("ImageList0")));
  EXPECT_TRUE(text.contains(QStringLiteral("\nImageList1 = 494C")));
  EXPECT_FALSE(text.contains(QStringLiteral("ImageList2")));

  TiPlot loaded;
  AddPlotPicture(loaded, 2, clLime);  // a list the text does not name keeps its pictures
  ReadPlotDescription(loaded, text);
  ASSERT_EQ(loaded.ImageList(1).Count(), 2);
  EXPECT_EQ(loaded.ImageList(1).Width(), 24);
  EXPECT_EQ(PlotPicturePixel(loaded, 1, 0, 5, 5), clRed);
  EXPECT_EQ(PlotPicturePixel(loaded, 1, 1, 5, 5), clBlue);
  EXPECT_EQ(PlotPicturePixel(loaded, 1, 1, 0, 23), clWhite);
  EXPECT_EQ(loaded.ImageList(2).Count(), 1);
  EXPECT_EQ(WritePlotDescription(loaded).section(QLatin1Char('\n'), 2, 2), text.section(QLatin1Char('\n'), 2, 2));
}

TEST(PlotDescription, ImageListThatCannotBeRead_isRefusedBeforeAnythingChanges) {
  TiPlot source;
  AddPlotPicture(source, 0, clRed);
  QString text = WritePlotDescription(source);
  const int at = text.indexOf(QStringLiteral("ImageList0 = ")) + 13;
  // Cut short; not a stream; an odd number of digits.
  const QStringList brokenTexts = {text.left(at + 60) + QLatin1Char('\n'), text.left(at) + QStringLiteral("FFFF\n"),
                                   text.left(at + 61) + QLatin1Char('\n')};
  for (const QString& broken : brokenTexts) {
    TiPlot plot;
    AddPlotPicture(plot, 0, clBlue);
    EXPECT_EQ(ErrorOf([&] { ReadPlotDescription(plot, broken); }),
              QStringLiteral("Failed to read ImageList data from stream"));
    ASSERT_EQ(plot.ImageList(0).Count(), 1);
    EXPECT_EQ(PlotPicturePixel(plot, 0, 0, 5, 5), clBlue);
  }
}
