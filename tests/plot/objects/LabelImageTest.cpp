#include <gtest/gtest.h>

#include "platform/pictures/TBitmap.h"
#include "plot/base/EPlotError.h"
#include "plot/objects/TiPlotLabel.h"
#include "tests/plot/SystemPlots.h"

TEST(PlotLabel, Image_drawnTransparentlyAtTheAlignedPlaceInsteadOfTheCaption) {
  TiPlot plot;
  plot.SetBounds(0, 0, 300, 200);
  FixedRangesWithoutDecorations(plot);
  TiPlotLabel& title = *plot.Master().LabelManager().ItemAs<TiPlotLabel>(0);
  title.SetVisible(true);
  title.SetCaption(QStringLiteral("WWWWWWWW"));
  title.Font().SetColor(clLime);
  TBitmap picture(6, 3);
  picture.Canvas().Brush().SetColor(clRed);
  picture.Canvas().FillRect({0, 0, 6, 3});
  picture.Canvas().SetPixel(0, 2, clBlue);
  picture.Canvas().SetPixel(5, 2, clBlue);  // the corner colour: left out
  title.SetImage(&picture);
  TBitmap target(plot.Width(), plot.Height());
  const auto captionPixels = [&] {
    const TRect d = title.DrawRect();
    int count = 0;
    for (int x = d.Left; x < d.Right; ++x) {
      for (int y = d.Top; y < d.Bottom; ++y) {
        count += target.Canvas().Pixel(x, y) == clLime ? 1 : 0;
      }
    }
    return count;
  };
  struct Case {
    TiAlignmentHorizontal alignment;
    int pictureLeft;  // from the label's draw rectangle
  };
  for (const Case& c : {Case{TiAlignmentHorizontal::iahLeft, 0}, Case{TiAlignmentHorizontal::iahCenter, -1},
                        Case{TiAlignmentHorizontal::iahRight, -2}}) {
    title.SetAlignment(c.alignment);
    target.Canvas().Brush().SetColor(clWhite);
    target.Canvas().FillRect({0, 0, plot.Width(), plot.Height()});
    plot.iPaintTo(target.Canvas());
    const TRect d = title.DrawRect();
    const int left = c.pictureLeft == 0    ? d.Left
                     : c.pictureLeft == -1 ? (d.Left + d.Right) / 2 - 3
                                           : d.Right - 6;
    EXPECT_EQ(target.Canvas().Pixel(left, d.Top), clRed);
    EXPECT_EQ(target.Canvas().Pixel(left + 5, d.Top + 1), clRed);
    EXPECT_NE(target.Canvas().Pixel(left + 5, d.Top + 2), clBlue);
    EXPECT_NE(target.Canvas().Pixel(left - 1, d.Top), clRed);
    EXPECT_EQ(captionPixels(), 0);  // the caption is not drawn
  }
  title.ImageClear();
  plot.iPaintTo(target.Canvas());
  EXPECT_GT(captionPixels(), 0);

  // A picture of the plot's lists, when the label names one that exists.
  plot.ImageListAdd(0, picture);
  title.SetAlignment(TiAlignmentHorizontal::iahLeft);
  for (const int listIndex : {3, 0}) {
    title.SetImageListIndex(listIndex);
    plot.iPaintTo(target.Canvas());
    const TRect d = title.DrawRect();
    EXPECT_EQ(target.Canvas().Pixel(d.Left + 1, d.Top) == clRed, listIndex == 0);
    EXPECT_EQ(captionPixels() > 0, listIndex == 3);
  }
}

TEST(PlotLabel, ImageClearAndLoad_signalOnlyRealChanges) {
  TiPlot plot;
  TiPlotLabel& title = *plot.Master().LabelManager().ItemAs<TiPlotLabel>(0);
  EXPECT_EQ(title.ImageListIndex(), -1);
  int changes = 0;
  title.OnChange = [&](TObject*) { ++changes; };
  title.ImageClear();
  EXPECT_EQ(changes, 0);
  TBitmap picture(2, 2);
  title.SetImage(&picture);
  EXPECT_EQ(changes, 1);
  EXPECT_THROW(title.ImageLoadFromFile(QStringLiteral("/nonexistent/title.bmp")), EPlotError);
  EXPECT_EQ(changes, 1);
  ASSERT_NE(title.Image(), nullptr);
  title.ImageClear();
  EXPECT_EQ(title.Image(), nullptr);
  EXPECT_EQ(changes, 2);
}
