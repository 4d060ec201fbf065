#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "platform/pictures/TBitmap.h"
#include "platform/pictures/TImageList.h"
#include "platform/widgets/TForm.h"
#include "widgets/trackbar/TAdvTrackBar.h"

namespace {
void AddTickSquare(TImageList& list, TColor color) {
  TBitmap bitmap(4, 4);
  bitmap.Canvas().Brush().SetColor(color);
  bitmap.Canvas().FillRect(Rect(0, 0, 4, 4));
  list.AddMasked(bitmap, clFuchsia);
}
}  // namespace

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
  AddTickSquare(*images, clRed);
  AddTickSquare(*images, clBlue);
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
