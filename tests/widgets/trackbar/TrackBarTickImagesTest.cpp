#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "platform/pictures/TImageList.h"
#include "platform/widgets/TForm.h"
#include "tests/widgets/support/ImageListPictures.h"
#include "widgets/trackbar/TAdvTrackBar.h"

TEST(TAdvTrackBar, TickImages_drawPictureVAtValueVAndPictureZeroPastTheList) {
  TForm form;
  form.SetBounds(0, 0, 300, 100);
  auto* bar = new TAdvTrackBar(&form);
  bar->SetBounds(10, 10, 200, 60);
  bar->SetMax(2);
  bar->TickMark().SetStyle(TTickStyle::tsAuto);
  bar->TickMark().SetPosition(TTickMark::tmBottomRight);
  auto images = std::make_unique<TImageList>();
  images->SetSize(4, 4);
  AddSquarePicture(*images, 4, clRed);
  AddSquarePicture(*images, 4, clBlue);
  bar->SetTickImages(images.get());
  std::map<int, TPoint> where;
  bar->OnDrawTick = [&where](TObject*, TCanvas&, TPoint location, int position, TTickMark, int&, TColor&, TColor&,
                             QString&, bool&) { where[position] = location; };
  QImage shown = bar->grab().toImage();
  ASSERT_EQ(where.size(), 3u);
  auto at = [&shown](const TPoint& p) { return shown.pixel(p.X, p.Y + 1) & 0xFFFFFF; };
  EXPECT_EQ(at(where[0]), 0xFF0000u);
  EXPECT_EQ(at(where[1]), 0x0000FFu);
  EXPECT_EQ(at(where[2]), 0xFF0000u);

  images.reset();  // the list goes away: the bar draws lines again
  EXPECT_EQ(bar->TickImages(), nullptr);
  shown = bar->grab().toImage();
  EXPECT_NE(at(where[1]), 0x0000FFu);
}
