#include <gtest/gtest.h>

#include "platform/pictures/TBitmap.h"
#include "plot/core/TiPlot.h"
#include "tests/plot/ErrorOf.h"

namespace {

std::unique_ptr<TBitmap> Filled(int w, int h, TColor colour) {
  auto bitmap = std::make_unique<TBitmap>(w, h);
  bitmap->Canvas().Brush().SetColor(colour);
  bitmap->Canvas().FillRect({0, 0, w, h});
  return bitmap;
}

}  // namespace

TEST(PlotImageList, Add_centresSmallerPicturesAndRefusesMixedSizes) {
  TiPlot plot;
  plot.ImageListAdd(1, *Filled(24, 24, clRed));
  auto small = Filled(16, 16, clRed);
  small->SetTransparentColor(clBlue);
  plot.ImageListAdd(1, *small);
  plot.ImageListAdd(1, *Filled(24, 10, clRed));
  EXPECT_EQ(plot.ImageList(1).Count(), 3);
  EXPECT_EQ(ErrorOf([&] { plot.ImageListAdd(1, *Filled(30, 20, clRed)); }),
            QStringLiteral("Image Width and Height must be the same as other images, or both smaller, or both larger"));
  EXPECT_EQ(plot.ImageList(1).Count(), 3);

  TBitmap target(24, 24);
  target.Canvas().Brush().SetColor(clWhite);
  target.Canvas().FillRect({0, 0, 24, 24});
  plot.ImageList(1).Draw(target.Canvas(), 0, 0, 1);
  EXPECT_EQ(target.Canvas().Pixel(3, 3), clWhite);  // the blue border is left out
  EXPECT_EQ(target.Canvas().Pixel(4, 4), clRed);
  EXPECT_EQ(target.Canvas().Pixel(19, 19), clRed);
  EXPECT_EQ(target.Canvas().Pixel(20, 20), clWhite);

  EXPECT_EQ(ErrorOf([&] { plot.ImageListClear(3); }), QStringLiteral("ImageList Index must be 0-2"));
  plot.ImageListClear(1);
  EXPECT_EQ(plot.ImageList(1).Count(), 0);
}

TEST(PlotImageList, LoadFromResource_byNameOrNumber) {
  TiPlot plot;
  plot.ImageListAdd(2, *Filled(24, 24, clRed));
  plot.ImageListLoadFromResourceName(2, QStringLiteral("Picture16"));
  plot.ImageListLoadFromResourceID(2, 101);
  EXPECT_EQ(plot.ImageList(2).Count(), 3);
  // The 16 x 16 picture (blue border, yellow inside) is centred; its
  // transparent colour, the bottom-left pixel's blue, is left out.
  TBitmap target(24, 24);
  target.Canvas().Brush().SetColor(clWhite);
  target.Canvas().FillRect({0, 0, 24, 24});
  plot.ImageList(2).Draw(target.Canvas(), 0, 0, 1);
  EXPECT_EQ(target.Canvas().Pixel(4, 4), clWhite);
  EXPECT_EQ(target.Canvas().Pixel(5, 5), clYellow);
  EXPECT_EQ(target.Canvas().Pixel(18, 18), clYellow);

  EXPECT_EQ(ErrorOf([&] { plot.ImageListLoadFromResourceName(2, QStringLiteral("Nope")); }),
            QStringLiteral("Resource Nope not found"));
  EXPECT_EQ(ErrorOf([&] { plot.ImageListLoadFromResourceID(3, 101); }), QStringLiteral("ImageList Index must be 0-2"));
  EXPECT_EQ(plot.ImageList(2).Count(), 3);
}
