#pragma once

#include "plot/channels/TiPlotDataRecordList.h"

/// One point of the compact-interval list: Y in single precision, 4 bytes.
struct TiPlotDataCompactInterval {
  float Y;
};

/// The compact-interval point list: only Y is stored; the X of the point
/// at logical index i is FirstX + i x Interval. The interval is learned
/// from the first two points added (the X of later points is not looked
/// at) unless it was set before; -1 means not learned yet. Removing or
/// overwriting the oldest points advances FirstX, so the others keep their
/// X. Owned by its channel; GUI thread only.
class TiPlotDataCompactIntervalList : public TiPlotDataRecordList<TiPlotDataCompactInterval> {
public:
  TiPlotDataCompactIntervalList();

  double Interval() const { return m_interval; }
  void SetInterval(double value) { m_interval = value; }

  /// Computed for any index, without a range check.
  double GetX(int index) const override { return index * m_interval + m_firstX; }
  double GetY(int index) const override { return RecordAt(index).Y; }
  /// Only the first point's X can be set, which moves every point;
  /// anything else fails with "Data Style does not support setting
  /// individual X-Value with the exception of the first X-Value".
  void SetX(int index, double value) override;
  void SetY(int index, double value) override { RecordAt(index).Y = static_cast<float>(value); }
  void GetXYEmptyNull(int index, double& x, double& y, bool& empty, bool& null) const override;
  void FoldValid(TiPlotValidTotals& totals) const override;

  /// Null and Empty are not kept.
  int Add(double x, double y, bool null, bool empty) override;
  /// 0 <= size <= Count (Count empties the list), else "Delete size out of
  /// Range".
  void DeletePoints(int size) override;
  /// Also forgets the interval.
  void Clear() override;

private:
  static constexpr double kUnknownInterval = -1.0;

  double m_interval = kUnknownInterval;
  double m_firstX = 0;
};
