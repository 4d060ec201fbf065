#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "plot/channels/TiPlotDataCompactIntervalList.h"
#include "plot/channels/TiPlotDataCompactList.h"
#include "plot/channels/TiPlotDataFullList.h"
#include "plot/channels/TiPlotDataNullList.h"
#include "tests/plot/ErrorOf.h"

namespace {

/// One kind of point list and what differs between the kinds.
struct ListKind {
  const char* Name;
  std::function<std::unique_ptr<TiPlotDataCustomList>()> Create;
  int DataPointSize;
  int MaxDataPoints;
  QString DeleteMessage;
  bool DeletesWholeCount;
};

const std::vector<ListKind>& Kinds() {
  static const std::vector<ListKind> kinds{
      {"standard", [] { return std::make_unique<TiPlotDataNullList>(); }, 24, 89478485,
       QStringLiteral("Delete size out of Range"), false},
      {"compact", [] { return std::make_unique<TiPlotDataCompactList>(); }, 8, 268435455,
       QStringLiteral("Delete size out of Range"), false},
      {"compact-interval", [] { return std::make_unique<TiPlotDataCompactIntervalList>(); }, 4, 536870911,
       QStringLiteral("Delete size out of Range"), true},
      {"full-feature", [] { return std::make_unique<TiPlotDataFullList>(); }, 144, 14913080,
       QStringLiteral("Delete Size Out Of Range"), false},
  };
  return kinds;
}

/// Points (x, 10 x) for x = from .. to: every kind holds them exactly, and
/// the compact-interval list's computed X must stay in step with its Y.
void AddRange(TiPlotDataCustomList& list, int from, int to) {
  for (int x = from; x <= to; ++x) {
    list.Add(x, x * 10, false, false);
  }
}

/// The X values, each checked against its Y.
std::vector<double> Xs(const TiPlotDataCustomList& list) {
  std::vector<double> xs;
  for (int i = 0; i < list.Count(); ++i) {
    double x = 0, y = 0;
    bool empty = true, null = true;
    list.GetXYEmptyNull(i, x, y, empty, null);
    EXPECT_EQ(x, list.GetX(i));
    EXPECT_EQ(y, x * 10) << "point " << i;
    xs.push_back(x);
  }
  return xs;
}

using Xv = std::vector<double>;

}  // namespace

TEST(PointLists, GrowthSizeAndMemory_followTheSharedRule) {
  for (const ListKind& kind : Kinds()) {
    SCOPED_TRACE(kind.Name);
    auto list = kind.Create();
    EXPECT_EQ(list->DataPointSize(), kind.DataPointSize);
    EXPECT_EQ(list->MaxDataPoints(), kind.MaxDataPoints);
    const std::vector<std::pair<int, int>> steps{{1, 4}, {5, 8}, {9, 12}, {13, 28}, {29, 44}, {77, 95}};
    int added = 0;
    for (const auto& [count, capacity] : steps) {
      while (added < count) {
        EXPECT_EQ(list->Add(added, added * 10, false, false), added);
        ++added;
      }
      EXPECT_EQ(list->Capacity(), capacity) << count;
      EXPECT_EQ(list->MemoryUsed(), static_cast<long long>(kind.DataPointSize) * capacity);
    }
    EXPECT_EQ(Xs(*list).back(), 76);
    EXPECT_EQ(ErrorOf([&] { list->SetCapacity(kind.MaxDataPoints + 1); }),
              QStringLiteral("Exceed Maximum List Size"));
    EXPECT_EQ(list->Capacity(), 95);
    EXPECT_EQ(ErrorOf([&] { list->GetY(77); }), QStringLiteral("Index out of Bounds"));
    EXPECT_EQ(ErrorOf([&] { list->GetY(-1); }), QStringLiteral("Index out of Bounds"));
  }
}

TEST(PointLists, RingAndClear_behaveAlikeForEveryKind) {
  for (const ListKind& kind : Kinds()) {
    SCOPED_TRACE(kind.Name);
    auto ring = kind.Create();
    ring->SetRingBufferSize(3);
    int last = -1;
    for (int x = 1; x <= 5; ++x) {
      last = ring->Add(x, x * 10, false, false);
    }
    EXPECT_EQ(last, 2);
    EXPECT_EQ(Xs(*ring), (Xv{3, 4, 5}));
    ring->Clear();
    EXPECT_EQ(ring->Count(), 0);
    EXPECT_EQ(ring->Capacity(), 3);
    AddRange(*ring, 7, 8);
    EXPECT_EQ(Xs(*ring), (Xv{7, 8}));

    auto linear = kind.Create();
    AddRange(*linear, 1, 5);
    linear->SetRingBufferSize(3);
    EXPECT_EQ(linear->RingBufferSize(), 3);
    EXPECT_EQ(Xs(*linear), (Xv{3, 4, 5}));
    linear->SetRingBufferSize(0);
    linear->Clear();
    EXPECT_EQ(linear->Capacity(), 0);
    EXPECT_EQ(linear->MemoryUsed(), 0);
  }
}

TEST(PointLists, DeletePoints_boundsAndEachKindsMessage) {
  for (const ListKind& kind : Kinds()) {
    SCOPED_TRACE(kind.Name);
    auto list = kind.Create();
    EXPECT_EQ(ErrorOf([&] { list->DeletePoints(-1); }), kind.DeleteMessage);
    AddRange(*list, 1, 4);
    list->DeletePoints(0);
    EXPECT_EQ(Xs(*list), (Xv{1, 2, 3, 4}));
    EXPECT_EQ(ErrorOf([&] { list->DeletePoints(5); }), kind.DeleteMessage);
    EXPECT_EQ(ErrorOf([&] { list->DeletePoints(4); }), kind.DeletesWholeCount ? QString() : kind.DeleteMessage);
    EXPECT_EQ(list->Count(), kind.DeletesWholeCount ? 0 : 4);
    list->Clear();
    AddRange(*list, 1, 4);
    list->DeletePoints(1);
    EXPECT_EQ(Xs(*list), (Xv{2, 3, 4}));
    list->SetCapacity(2);
    EXPECT_EQ(Xs(*list), (Xv{2, 3}));
  }
}

TEST(PointLists, WrappedRings_deleteAndResizeInLogicalOrder) {
  for (const ListKind& kind : Kinds()) {
    SCOPED_TRACE(kind.Name);
    auto list = kind.Create();
    list->SetRingBufferSize(4);
    AddRange(*list, 1, 6);  // tail 2: storage 5 6 3 4
    list->DeletePoints(1);
    EXPECT_EQ(Xs(*list), (Xv{4, 5, 6}));
    AddRange(*list, 7, 9);  // full again and wrapped
    EXPECT_EQ(Xs(*list), (Xv{6, 7, 8, 9}));
    list->SetCapacity(6);
    AddRange(*list, 10, 11);
    EXPECT_EQ(Xs(*list), (Xv{6, 7, 8, 9, 10, 11}));
    AddRange(*list, 12, 15);  // wraps by four
    EXPECT_EQ(Xs(*list), (Xv{10, 11, 12, 13, 14, 15}));
    list->SetCapacity(3);  // a smaller capacity drops the newest
    EXPECT_EQ(Xs(*list), (Xv{10, 11, 12}));
    AddRange(*list, 13, 14);
    list->DeletePoints(2);
    EXPECT_EQ(Xs(*list), (Xv{14}));
  }
}

TEST(TiPlotDataCompactIntervalList, XComesFromTheFirstValueAndTheInterval) {
  TiPlotDataCompactIntervalList learned;
  EXPECT_EQ(learned.Interval(), -1.0);
  learned.Add(10, 1, false, false);
  learned.Add(10.5, 2, false, false);
  learned.Add(99, 3, false, false);
  EXPECT_EQ(learned.GetX(2), 11);
  EXPECT_EQ(learned.GetY(2), 3);
  EXPECT_EQ(learned.GetX(7), 13.5);  // computed, no range check
  learned.Clear();
  EXPECT_EQ(learned.Interval(), -1.0);
  learned.Add(0, 0, false, false);
  learned.Add(3, 0, false, false);
  EXPECT_EQ(learned.GetX(1), 3);

  TiPlotDataCompactIntervalList preset;
  preset.SetInterval(2);
  for (double x : {5, 6, 7}) {
    preset.Add(x, 0, false, false);
  }
  EXPECT_EQ(preset.GetX(1), 7);
  EXPECT_EQ(preset.GetX(2), 9);

  TiPlotDataCompactIntervalList ring;
  ring.SetRingBufferSize(2);
  for (double x : {0, 1, 2, 3}) {
    ring.Add(x, x, false, false);
  }
  EXPECT_EQ(ring.GetX(0), 2);
  EXPECT_EQ(ring.GetX(1), 3);
}

TEST(TiPlotDataCompactIntervalList, RingOfOnePoint_movesItsXWithEveryOverwrite) {
  TiPlotDataCompactIntervalList ring;
  ring.SetRingBufferSize(1);
  for (double x : {0, 1, 2, 3}) {
    ring.Add(x, x * 10, false, false);
  }
  EXPECT_EQ(ring.Count(), 1);
  EXPECT_EQ(ring.GetY(0), 30);
  EXPECT_EQ(ring.GetX(0), 3);
}

TEST(TiPlotDataCompactIntervalList, SetX_movesEveryPointOnlyThroughTheFirst) {
  const QString refused =
      QStringLiteral("Data Style does not support setting individual X-Value with the exception of the first X-Value");
  TiPlotDataCompactIntervalList list;
  EXPECT_EQ(ErrorOf([&] { list.SetX(0, 1); }), refused);
  list.SetInterval(0.5);
  AddRange(list, 1, 3);
  EXPECT_EQ(ErrorOf([&] { list.SetX(1, 1); }), refused);
  list.SetX(0, 100);
  EXPECT_EQ(list.GetX(0), 100);
  EXPECT_EQ(list.GetX(2), 101);
  list.DeletePoints(1);
  EXPECT_EQ(list.GetX(0), 100.5);
}

TEST(TiPlotDataCompactList, KeepsSinglePrecisionAndNoFlags) {
  TiPlotDataCompactList list;
  list.Add(1, 0.1, true, true);
  EXPECT_EQ(list.GetY(0), double(0.1f));
  EXPECT_NE(list.GetY(0), 0.1);
  EXPECT_FALSE(list.GetNull(0));
  EXPECT_FALSE(list.GetEmpty(0));
  list.SetX(0, 0.2);
  EXPECT_EQ(list.GetX(0), double(0.2f));
}

TEST(TiPlotDataFullList, PointsKeepTheirOwnLookAndValues) {
  TiPlotDataFullList list;
  list.Stored().TraceLineColor = clRed;
  list.Stored().MarkerStyle = TiPlotMarkerStyle::ipmsCharacter;
  list.Stored().MarkerCharacter = QChar(u'A');
  list.Stored().BarPenStyle = TPenStyle::psDot;
  list.Add(1, 2, true, false);
  list.Stored().TraceLineColor = clLime;
  list.Stored().BarPenStyle = TPenStyle::psDash;
  list.Add(2, 3, false, true);
  EXPECT_EQ(list.GetTraceLineColor(0), clRed);
  EXPECT_EQ(list.GetTraceLineColor(1), clLime);
  EXPECT_EQ(list.GetBarPenStyle(0), TPenStyle::psDot);
  EXPECT_EQ(list.GetMarkerStyle(0), TiPlotMarkerStyle::ipmsCharacter);
  EXPECT_EQ(list.GetMarkerCharacter(0), QChar(0));
  EXPECT_TRUE(list.GetNull(0));
  EXPECT_TRUE(list.GetEmpty(1));
  EXPECT_EQ(list.GetOpen(0), 0);
  EXPECT_EQ(list.GetClose(0), 0);
  list.SetHigh(1, 9);
  list.SetLow(1, 1);
  list.SetOpen(1, 4);
  list.SetClose(1, 6);
  list.SetBarBrushColor(1, clBlue);
  list.SetMarkerCharacter(1, QChar(u'x'));
  list.DeletePoints(1);
  EXPECT_EQ(list.GetHigh(0), 9);
  EXPECT_EQ(list.GetLow(0), 1);
  EXPECT_EQ(list.GetOpen(0), 4);
  EXPECT_EQ(list.GetClose(0), 6);
  EXPECT_EQ(list.GetBarBrushColor(0), clBlue);
  EXPECT_EQ(list.GetMarkerCharacter(0), QChar(u'x'));
}
