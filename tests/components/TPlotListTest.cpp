#include <gtest/gtest.h>

#include <vector>

#include "components/TPaintPage.h"
#include "components/TPlotList.h"

namespace {

std::vector<int> Ids(const TPlotList& list) {
  std::vector<int> ids;
  for (const TPlotListMember* m = list.Head(); m != nullptr; m = m->Next.get()) {
    ids.push_back(m->PlotId);
  }
  return ids;
}

void Add(TPlotList& list, int id, double value, int count = 3, TColor color = clRed) {
  std::vector<double> x(std::size_t(count), 1.0);
  std::vector<double> y(std::size_t(count), value);
  list.AddOrReplace(x.data(), y.data(), count, id, color, TMyPlotStyle::Line);
}

}  // namespace

TEST(TPlotList, AddOrReplace_newKeysGoToHeadAndReplaceKeepsPlaceColourAndStyle) {
  TPlotList list;
  const double x[] = {0, 1};
  const double y[] = {5, 6};
  EXPECT_FALSE(list.AddOrReplace(x, y, 2, 1, clRed, TMyPlotStyle::Line));
  EXPECT_FALSE(list.AddOrReplace(x, y, 2, 2, clRed, TMyPlotStyle::Line));
  EXPECT_FALSE(list.AddOrReplace(x, y, 2, 3, clRed, TMyPlotStyle::Line));
  EXPECT_EQ(Ids(list), (std::vector<int>{3, 2, 1}));

  const double x3[] = {7, 8, 9};
  const double y3[] = {-1, -2, -3};
  EXPECT_TRUE(list.AddOrReplace(x3, y3, 3, 2, clBlue, TMyPlotStyle::ColorSquares));
  EXPECT_EQ(Ids(list), (std::vector<int>{3, 2, 1}));
  TPlotListMember* member = nullptr;
  ASSERT_TRUE(list.Find(2, member));
  EXPECT_EQ(member->NumPoints, 3);
  EXPECT_EQ(member->Y[2], -3);
  EXPECT_EQ(member->X[0], 7);
  EXPECT_EQ(member->Color, clRed);
  EXPECT_EQ(member->Style, TMyPlotStyle::Line);
}

TEST(TPlotList, copyHoldsTheReverseOrderAndOwnsItsArrays) {
  TPlotList list;
  Add(list, 1, 1.0);
  Add(list, 2, 2.0);
  Add(list, 3, 3.0);
  const TPlotList copy(list);
  EXPECT_EQ(Ids(copy), (std::vector<int>{1, 2, 3}));
  Add(list, 1, 9.0);
  TPlotListMember* member = nullptr;
  ASSERT_TRUE(copy.Find(1, member));
  EXPECT_EQ(member->Y[0], 1.0);
}

TEST(TPlotList, Remove_unlinksHeadMiddleOrLastAndRefusesUnknownKeys) {
  TPlotList list;
  Add(list, 1, 0.0);
  Add(list, 2, 0.0);
  Add(list, 3, 0.0);
  EXPECT_FALSE(list.Remove(7));
  EXPECT_EQ(Ids(list), (std::vector<int>{3, 2, 1}));
  EXPECT_TRUE(list.Remove(3));
  EXPECT_EQ(Ids(list), (std::vector<int>{2, 1}));
  EXPECT_TRUE(list.Remove(1));
  EXPECT_EQ(Ids(list), (std::vector<int>{2}));
  EXPECT_EQ(list.Head()->Next, nullptr);
}

TEST(TPlotList, AppendFrom_addsNewKeysAtHeadAndTakesPointsOfKnownKeys) {
  TPlotList list;
  Add(list, 1, 1.0, 3, clRed);
  Add(list, 2, 2.0, 3, clRed);
  TPlotList other;
  Add(other, 2, 20.0, 4, clBlue);
  Add(other, 5, 50.0, 3, clBlue);
  list.AppendFrom(other);
  EXPECT_EQ(Ids(list), (std::vector<int>{5, 2, 1}));
  TPlotListMember* member = nullptr;
  ASSERT_TRUE(list.Find(2, member));
  EXPECT_EQ(member->NumPoints, 4);
  EXPECT_EQ(member->Y[3], 20.0);
  EXPECT_EQ(member->Color, clRed);
}

TEST(TPaintPage, SetBounds_sizesTheBitmapAndBothRectangles) {
  TPaintPage page;
  EXPECT_EQ(page.Dest(), Rect(0, 0, 0, 0));
  page.SetBounds(10, 20, 110, 70);
  EXPECT_EQ(page.Bitmap().Width(), 100);
  EXPECT_EQ(page.Bitmap().Height(), 50);
  EXPECT_EQ(page.Source(), Rect(0, 0, 100, 50));
  EXPECT_EQ(page.Dest(), Rect(10, 20, 110, 70));
  page.SetBounds(0, 0, -30, 10);
  EXPECT_EQ(page.Bitmap().Width(), 0);
  page.SetBounds(0, 0, 4, 4);
  page.Clear(clNavy);
  EXPECT_EQ(page.Canvas().Pixel(3, 3), clNavy);
}
