#pragma once

#include "plot/channels/TiPlotDataRecordList.h"

/// One point of the compact list: X and Y in single precision, 8 bytes.
struct TiPlotDataSingle {
  float X;
  float Y;
};

/// The compact point list: X and Y narrowed to single precision and
/// nothing else (no null or empty points, no per-point appearance). Owned
/// by its channel; GUI thread only.
class TiPlotDataCompactList : public TiPlotDataRecordList<TiPlotDataSingle> {
public:
  TiPlotDataCompactList();

  double GetX(int index) const override { return RecordAt(index).X; }
  double GetY(int index) const override { return RecordAt(index).Y; }
  void SetX(int index, double value) override { RecordAt(index).X = static_cast<float>(value); }
  void SetY(int index, double value) override { RecordAt(index).Y = static_cast<float>(value); }
  void GetXYEmptyNull(int index, double& x, double& y, bool& empty, bool& null) const override;
  void FoldValid(TiPlotValidTotals& totals) const override;

  /// Null and Empty are not kept.
  int Add(double x, double y, bool null, bool empty) override;
  /// "Delete size out of Range" unless 0 <= size < Count.
  void DeletePoints(int size) override;
};
