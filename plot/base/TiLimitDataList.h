#pragma once

#include <vector>

/// One element of a limit band: (Position, UpperLimit, LowerLimit).
struct TiLimitDataRecord {
  double Value1 = 0;
  double Value2 = 0;
  double Value3 = 0;
};

/// A growable list of three-double records with the library's growth rule
/// (+4 up to 8, +16 up to 64, then +25 %). Owned by a limit; GUI thread.
class TiLimitDataList {
public:
  int Add(double value1, double value2, double value3);
  /// Throws EPlotError "Exceed Maximum List Size" above 134217727 records.
  void SetCapacity(int newCapacity);
  void Clear();
  int Count() const { return m_count; }
  int Capacity() const { return m_capacity; }
  /// Throws EPlotError "Index out of Bounds" outside 0..Count-1.
  const TiLimitDataRecord& Item(int index) const;
  double Value1(int index) const { return Item(index).Value1; }
  double Value2(int index) const { return Item(index).Value2; }
  double Value3(int index) const { return Item(index).Value3; }

private:
  std::vector<TiLimitDataRecord> m_items;
  int m_count = 0;
  int m_capacity = 0;
};
