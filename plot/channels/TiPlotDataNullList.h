#pragma once

#include <cstdint>

#include "plot/channels/TiPlotDataRecordList.h"

/// One point of the standard list: X, Y and a flag word (bit 0 null, bit 1
/// empty, bit 2 marker visible, bits 3-6 marker style), 24 bytes.
struct TiPlotDataNull {
  double X;
  double Y;
  std::uint16_t Extra;
};

/// The standard point list: fixed records in one block; only the marker
/// visibility and style are kept per point (stamped from the stored values
/// when the point is added). Owned by its channel; GUI thread only.
class TiPlotDataNullList : public TiPlotDataRecordList<TiPlotDataNull> {
public:
  TiPlotDataNullList();

  double GetX(int index) const override { return Record(index).X; }
  double GetY(int index) const override { return Record(index).Y; }
  bool GetEmpty(int index) const override { return (Record(index).Extra & 2) != 0; }
  bool GetNull(int index) const override { return (Record(index).Extra & 1) != 0; }
  void SetX(int index, double value) override { Record(index).X = value; }
  void SetY(int index, double value) override { Record(index).Y = value; }
  void SetEmpty(int index, bool value) override { SetBit(index, 2, value); }
  void SetNull(int index, bool value) override { SetBit(index, 1, value); }
  void GetXYEmptyNull(int index, double& x, double& y, bool& empty, bool& null) const override;
  void FoldValid(TiPlotValidTotals& totals) const override;
  bool GetMarkerVisible(int index) const override { return (Record(index).Extra & 4) != 0; }
  TiPlotMarkerStyle GetMarkerStyle(int index) const override;
  void SetMarkerVisible(int index, bool value) override { SetBit(index, 4, value); }
  void SetMarkerStyle(int index, TiPlotMarkerStyle value) override;

  int Add(double x, double y, bool null, bool empty) override;
  void DeletePoints(int size) override;

private:
  const TiPlotDataNull& Record(int index) const { return RecordAt(index); }
  TiPlotDataNull& Record(int index) { return RecordAt(index); }
  void SetBit(int index, std::uint16_t bit, bool value);
};
