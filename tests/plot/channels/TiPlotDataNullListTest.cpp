#include <gtest/gtest.h>

#include <vector>

#include "plot/channels/TiPlotDataNullList.h"
#include "tests/plot/ErrorOf.h"

namespace {

std::vector<double> Xs(const TiPlotDataNullList& list) {
  std::vector<double> xs;
  for (int i = 0; i < list.Count(); ++i) {
    xs.push_back(list.GetX(i));
  }
  return xs;
}

void AddRange(TiPlotDataNullList& list, int from, int to) {
  for (int x = from; x <= to; ++x) {
    list.Add(x, x * 10, false, false);
  }
}

}  // namespace

TEST(TiPlotDataNullList, Grow_followsFourSixteenQuarterSteps) {
  TiPlotDataNullList list;
  EXPECT_EQ(list.DataPointSize(), 24);
  EXPECT_EQ(list.MaxDataPoints(), 89478485);
  const std::vector<std::pair<int, int>> steps{{1, 4}, {5, 8}, {9, 12}, {13, 28}, {29, 44}, {77, 95}, {96, 118}};
  int added = 0;
  for (const auto& [count, capacity] : steps) {
    while (added < count) {
      EXPECT_EQ(list.Add(added, 0, false, false), added);
      ++added;
    }
    EXPECT_EQ(list.Capacity(), capacity) << count;
    EXPECT_EQ(list.MemoryUsed(), 24LL * capacity);
  }
}

TEST(TiPlotDataNullList, Clear_releasesLinearStorageButKeepsRingCapacity) {
  TiPlotDataNullList linear;
  AddRange(linear, 1, 5);
  linear.Clear();
  EXPECT_EQ(linear.Capacity(), 0);
  EXPECT_EQ(linear.MemoryUsed(), 0);
  TiPlotDataNullList ring;
  ring.SetRingBufferSize(10);
  AddRange(ring, 1, 15);
  ring.Clear();
  EXPECT_EQ(ring.Count(), 0);
  EXPECT_EQ(ring.Capacity(), 10);
  AddRange(ring, 1, 2);
  EXPECT_EQ(Xs(ring), (std::vector<double>{1, 2}));
}

TEST(TiPlotDataNullList, Ring_overwritesOldestAndKeepsLogicalOrder) {
  TiPlotDataNullList list;
  list.SetRingBufferSize(3);
  int last = -1;
  for (int x = 1; x <= 5; ++x) {
    last = list.Add(x, x * 10, false, false);
  }
  EXPECT_EQ(last, 2);
  EXPECT_EQ(Xs(list), (std::vector<double>{3, 4, 5}));
  EXPECT_EQ(list.GetY(2), 50);
  // Deleting and growing a wrapped ring keep the logical order.
  list.Add(6, 60, false, false);
  list.DeletePoints(1);
  EXPECT_EQ(Xs(list), (std::vector<double>{5, 6}));
  list.Add(7, 70, false, false);
  list.SetCapacity(5);
  list.Add(8, 80, false, false);
  EXPECT_EQ(Xs(list), (std::vector<double>{5, 6, 7, 8}));
}

TEST(TiPlotDataNullList, RingBufferSize_onLinearListKeepsNewestAndOffDependsOnWrap) {
  TiPlotDataNullList list;
  AddRange(list, 1, 5);
  list.SetRingBufferSize(3);
  EXPECT_EQ(Xs(list), (std::vector<double>{3, 4, 5}));
  EXPECT_EQ(list.RingBufferSize(), 3);
  list.Add(6, 0, false, false);  // wraps
  list.SetRingBufferSize(0);
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.Capacity(), 0);
  TiPlotDataNullList unwrapped;
  unwrapped.SetRingBufferSize(4);
  AddRange(unwrapped, 1, 3);
  unwrapped.SetRingBufferSize(0);
  EXPECT_EQ(Xs(unwrapped), (std::vector<double>{1, 2, 3}));
  EXPECT_EQ(unwrapped.RingBufferSize(), 0);
}

TEST(TiPlotDataNullList, BadIndexAndDeleteSize_failAndChangeNothing) {
  TiPlotDataNullList empty;
  EXPECT_EQ(ErrorOf([&] { empty.DeletePoints(0); }), QStringLiteral("Delete size out of Range"));
  TiPlotDataNullList list;
  AddRange(list, 1, 4);
  list.DeletePoints(0);
  EXPECT_EQ(list.Count(), 4);
  EXPECT_EQ(ErrorOf([&] { list.DeletePoints(4); }), QStringLiteral("Delete size out of Range"));
  EXPECT_EQ(ErrorOf([&] { list.DeletePoints(-1); }), QStringLiteral("Delete size out of Range"));
  EXPECT_EQ(ErrorOf([&] { list.GetX(4); }), QStringLiteral("Index out of Bounds"));
  EXPECT_EQ(ErrorOf([&] { list.GetX(-1); }), QStringLiteral("Index out of Bounds"));
  EXPECT_EQ(ErrorOf([&] { list.SetCapacity(89478486); }), QStringLiteral("Exceed Maximum List Size"));
  EXPECT_EQ(Xs(list), (std::vector<double>{1, 2, 3, 4}));
  list.DeletePoints(1);
  EXPECT_EQ(Xs(list), (std::vector<double>{2, 3, 4}));
  list.SetCapacity(2);
  EXPECT_EQ(Xs(list), (std::vector<double>{2, 3}));
}

TEST(TiPlotDataNullList, FlagsAndMarkers_stampedAtAddAndStoredValuesAnsweredLive) {
  TiPlotDataNullList list;
  list.Add(1, 0, true, false);
  list.Stored().MarkerVisible = true;
  list.Stored().MarkerStyle = TiPlotMarkerStyle::ipmsTriangleLeft;
  list.Add(2, 0, false, true);
  double x = 0, y = 0;
  bool empty = true, null = false;
  list.GetXYEmptyNull(0, x, y, empty, null);
  EXPECT_TRUE(null);
  EXPECT_FALSE(empty);
  EXPECT_TRUE(list.GetEmpty(1));
  EXPECT_FALSE(list.GetNull(1));
  EXPECT_FALSE(list.GetMarkerVisible(0));
  EXPECT_EQ(list.GetMarkerStyle(0), TiPlotMarkerStyle::ipmsCircle);
  EXPECT_TRUE(list.GetMarkerVisible(1));
  EXPECT_EQ(list.GetMarkerStyle(1), TiPlotMarkerStyle::ipmsTriangleLeft);
  list.Stored().MarkerPenColor = clLime;
  EXPECT_EQ(list.GetMarkerPenColor(0), clLime);
  list.SetNull(0, false);
  EXPECT_FALSE(list.GetNull(0));
}
