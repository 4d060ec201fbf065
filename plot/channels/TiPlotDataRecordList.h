#pragma once

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>
#include <type_traits>

#include "plot/channels/TiPlotDataCustomList.h"

/// The storage shared by the concrete point lists: one block of Record
/// allocated to exactly Capacity records (grown in place where the
/// allocator can), logical indices mapped through the ring's tail. A
/// wrapped ring is unrolled before its storage is cut or its oldest points
/// are removed, so the remaining points keep their logical order. Owned by
/// its channel; GUI thread only.
/// One point as a statistics scan sees it.
struct TiPlotValidPoint {
  double X;
  double Y;
  bool Valid;
};

template <typename Record>
class TiPlotDataRecordList : public TiPlotDataCustomList {
  static_assert(std::is_trivially_copyable_v<Record>, "records are moved as bytes");

public:
  ~TiPlotDataRecordList() override { std::free(m_list); }

  /// "Exceed Maximum List Size" above MaxDataPoints; points beyond a
  /// smaller capacity (the newest) are dropped.
  void SetCapacity(int newCapacity) override {
    CheckCapacity(newCapacity);
    newCapacity = std::max(newCapacity, 0);
    if (newCapacity == Capacity()) {
      return;
    }
    Unroll();
    if (newCapacity == 0) {
      std::free(m_list);
      m_list = nullptr;
    } else {
      void* block = std::realloc(m_list, sizeof(Record) * static_cast<std::size_t>(newCapacity));
      if (block == nullptr) {
        throw std::bad_alloc();
      }
      m_list = static_cast<Record*>(block);
    }
    StoreCapacity(newCapacity);
  }

protected:
  TiPlotDataRecordList() : TiPlotDataCustomList(int(sizeof(Record))) {}

  const Record& RecordAt(int index) const { return m_list[GetListIndex(index)]; }
  Record& RecordAt(int index) { return m_list[GetListIndex(index)]; }
  /// The record the next Add writes: a new one, or a full ring's oldest.
  Record& NextRecord() {
    const int position = NextAddPosition();  // may move the block
    return m_list[position];
  }
  /// Folds the records in logical order; point(i, record) answers the
  /// TiPlotValidPoint of the record at logical index i.
  template <typename Point>
  void FoldRecords(TiPlotValidTotals& totals, Point point) const {
    int logical = 0;
    for (int position = Tail(); position < Count(); ++position) {
      Fold(totals, point(logical++, m_list[position]));
    }
    for (int position = 0; position < Tail(); ++position) {
      Fold(totals, point(logical++, m_list[position]));
    }
  }
  /// Drops the oldest size points (size checked by the caller).
  void RemoveOldest(int size) {
    Unroll();
    const int remaining = Count() - size;
    if (remaining > 0 && size > 0) {
      std::memmove(m_list, m_list + size, sizeof(Record) * static_cast<std::size_t>(remaining));
    }
    DropOldest(size);
  }

private:
  static void Fold(TiPlotValidTotals& t, const TiPlotValidPoint& p) {
    if (!p.Valid) {
      return;
    }
    t.XMax = p.X > t.XMax ? p.X : t.XMax;
    t.XMin = p.X < t.XMin ? p.X : t.XMin;
    t.YMax = p.Y > t.YMax ? p.Y : t.YMax;
    t.YMin = p.Y < t.YMin ? p.Y : t.YMin;
    ++t.Count;
    t.XTotal += p.X;
    t.YTotal += p.Y;
  }

  /// Moves a wrapped ring's oldest point to position 0 (tail 0 afterwards).
  void Unroll() {
    if (Tail() != 0) {
      std::rotate(m_list, m_list + Tail(), m_list + Count());
      ResetTail();
    }
  }

  Record* m_list = nullptr;
};
