#include <gtest/gtest.h>

#include "platform/pictures/TBitmap.h"
#include "plot/annotations/TiPlotAnnotation.h"
#include "plot/base/EPlotError.h"
#include "tests/plot/SystemPlots.h"

namespace {

/// A 4 x 2 red picture whose bottom-left pixel is blue.
std::unique_ptr<TBitmap> RedPictureWithBlueCorner() {
  auto picture = std::make_unique<TBitmap>(4, 2);
  picture->Canvas().Brush().SetColor(clRed);
  picture->Canvas().FillRect({0, 0, 4, 2});
  picture->Canvas().SetPixel(0, 1, clBlue);
  return picture;
}

}  // namespace

TEST(PlotAnnotation, ImageStyle_drawsThePictureCentredWithItsBottomLeftColourLeftOut) {
  TiPlot plot;
  plot.SetBounds(0, 0, 300, 200);
  FixedRangesWithoutDecorations(plot);
  TiPlotAnnotation& note = *plot.Annotation(plot.AddAnnotation());
  note.SetStyle(TiPlotAnnotationStyle::ipasImage);
  note.SetX(50);
  note.SetY(50);
  TBitmap target(plot.Width(), plot.Height());

  auto picture = RedPictureWithBlueCorner();
  picture->SetTransparent(true);
  note.SetImage(picture.get());
  picture->Canvas().SetPixel(1, 0, clGreen);  // the annotation holds its own copy
  plot.iPaintTo(target.Canvas());
  ASSERT_TRUE(note.Showing());
  const TRect box = note.ClickRect();
  EXPECT_EQ(box.Right - box.Left, 4);
  EXPECT_EQ(box.Bottom - box.Top, 2);
  EXPECT_EQ(box.Left, plot.DataView(0)->PositionPercentToPixelsX(50) - 2);
  EXPECT_EQ(target.Canvas().Pixel(box.Left + 1, box.Top), clRed);
  EXPECT_EQ(note.Image()->TransparentColor(), clBlue);
  EXPECT_NE(target.Canvas().Pixel(box.Left, box.Top + 1), clBlue);

  int changes = 0;
  note.OnChange = [&](TObject*) { ++changes; };
  note.ImageClear();
  EXPECT_EQ(note.Image(), nullptr);
  note.ImageClear();
  EXPECT_EQ(changes, 1);
  // Without its own picture: the third list for any index past 1.
  TBitmap listed(8, 6);
  listed.Canvas().Brush().SetColor(clLime);
  listed.Canvas().FillRect({0, 0, 8, 6});
  listed.Canvas().SetPixel(0, 5, clBlue);  // its transparent colour
  plot.ImageListAdd(2, listed);
  note.SetImageListIndex(5);
  plot.iPaintTo(target.Canvas());
  const TRect listBox = note.ClickRect();
  EXPECT_EQ(listBox.Right - listBox.Left, 8);
  EXPECT_EQ(listBox.Bottom - listBox.Top, 6);
  EXPECT_EQ(target.Canvas().Pixel(listBox.Left + 1, listBox.Top + 1), clLime);
}

TEST(PlotAnnotation, ImageLoadFromFile_refusedFileKeepsThePicture) {
  TiPlot plot;
  TiPlotAnnotation& note = *plot.Annotation(plot.AddAnnotation());
  auto picture = RedPictureWithBlueCorner();
  note.SetImage(picture.get());
  EXPECT_THROW(note.ImageLoadFromFile(QStringLiteral("/nonexistent/picture.bmp")), EPlotError);
  ASSERT_NE(note.Image(), nullptr);
  EXPECT_EQ(note.Image()->Width(), 4);
  note.SetImage(nullptr);
  EXPECT_EQ(note.Image(), nullptr);
}
