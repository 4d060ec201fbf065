#pragma once

#include <cstdint>

#include "plot/channels/TiPlotDataRecordList.h"

/// One point of the full-feature list, 144 bytes: values, flags, high /
/// low / open / close and every appearance attribute (enumerations and the
/// marker character held in their stored widths).
struct TiPlotDataFull {
  double X;
  double Y;
  bool Null;
  bool Empty;
  double High;
  double Low;
  double Open;
  double Close;
  TColor TraceLineColor;
  std::int32_t TraceLineWidth;
  std::uint8_t TraceLineStyle;
  bool MarkerVisible;
  std::int32_t MarkerSize;
  std::uint8_t MarkerStyle;
  TColor MarkerPenColor;
  std::int32_t MarkerPenWidth;
  std::uint8_t MarkerPenStyle;
  TColor MarkerBrushColor;
  std::uint8_t MarkerBrushStyle;
  char16_t MarkerCharacter;
  bool BarVisible;
  double BarReference;
  double BarWidth;
  TColor BarPenColor;
  std::int32_t BarPenWidth;
  std::uint8_t BarPenStyle;
  TColor BarBrushColor;
  std::uint8_t BarBrushStyle;
};

/// The full-feature point list: every point keeps its own null and empty
/// flags, high / low / open / close values (0 until set) and appearance,
/// stamped from the stored values when it is added (marker character 0),
/// so later changes of the channel's look do not reach points already
/// added. Owned by its channel; GUI thread only.
class TiPlotDataFullList : public TiPlotDataRecordList<TiPlotDataFull> {
public:
  TiPlotDataFullList();

  double GetX(int index) const override { return RecordAt(index).X; }
  double GetY(int index) const override { return RecordAt(index).Y; }
  bool GetEmpty(int index) const override { return RecordAt(index).Empty; }
  bool GetNull(int index) const override { return RecordAt(index).Null; }
  double GetHigh(int index) const override { return RecordAt(index).High; }
  double GetLow(int index) const override { return RecordAt(index).Low; }
  double GetOpen(int index) const override { return RecordAt(index).Open; }
  double GetClose(int index) const override { return RecordAt(index).Close; }
  void SetX(int index, double value) override { RecordAt(index).X = value; }
  void SetY(int index, double value) override { RecordAt(index).Y = value; }
  void SetEmpty(int index, bool value) override { RecordAt(index).Empty = value; }
  void SetNull(int index, bool value) override { RecordAt(index).Null = value; }
  void SetHigh(int index, double value) override { RecordAt(index).High = value; }
  void SetLow(int index, double value) override { RecordAt(index).Low = value; }
  void SetOpen(int index, double value) override { RecordAt(index).Open = value; }
  void SetClose(int index, double value) override { RecordAt(index).Close = value; }
  void GetXYEmptyNull(int index, double& x, double& y, bool& empty, bool& null) const override;
  void FoldValid(TiPlotValidTotals& totals) const override;

  TColor GetTraceLineColor(int index) const override { return RecordAt(index).TraceLineColor; }
  int GetTraceLineWidth(int index) const override { return RecordAt(index).TraceLineWidth; }
  TiPlotLineStyle GetTraceLineStyle(int index) const override;
  bool GetMarkerVisible(int index) const override { return RecordAt(index).MarkerVisible; }
  int GetMarkerSize(int index) const override { return RecordAt(index).MarkerSize; }
  TiPlotMarkerStyle GetMarkerStyle(int index) const override;
  TColor GetMarkerPenColor(int index) const override { return RecordAt(index).MarkerPenColor; }
  int GetMarkerPenWidth(int index) const override { return RecordAt(index).MarkerPenWidth; }
  TPenStyle GetMarkerPenStyle(int index) const override;
  TColor GetMarkerBrushColor(int index) const override { return RecordAt(index).MarkerBrushColor; }
  TBrushStyle GetMarkerBrushStyle(int index) const override;
  QChar GetMarkerCharacter(int index) const override { return QChar(RecordAt(index).MarkerCharacter); }
  bool GetBarVisible(int index) const override { return RecordAt(index).BarVisible; }
  double GetBarReference(int index) const override { return RecordAt(index).BarReference; }
  double GetBarWidth(int index) const override { return RecordAt(index).BarWidth; }
  TColor GetBarPenColor(int index) const override { return RecordAt(index).BarPenColor; }
  int GetBarPenWidth(int index) const override { return RecordAt(index).BarPenWidth; }
  TPenStyle GetBarPenStyle(int index) const override;
  TColor GetBarBrushColor(int index) const override { return RecordAt(index).BarBrushColor; }
  TBrushStyle GetBarBrushStyle(int index) const override;

  void SetTraceLineColor(int index, TColor value) override { RecordAt(index).TraceLineColor = value; }
  void SetTraceLineWidth(int index, int value) override { RecordAt(index).TraceLineWidth = value; }
  void SetTraceLineStyle(int index, TiPlotLineStyle value) override;
  void SetMarkerVisible(int index, bool value) override { RecordAt(index).MarkerVisible = value; }
  void SetMarkerSize(int index, int value) override { RecordAt(index).MarkerSize = value; }
  void SetMarkerStyle(int index, TiPlotMarkerStyle value) override;
  void SetMarkerPenColor(int index, TColor value) override { RecordAt(index).MarkerPenColor = value; }
  void SetMarkerPenWidth(int index, int value) override { RecordAt(index).MarkerPenWidth = value; }
  void SetMarkerPenStyle(int index, TPenStyle value) override;
  void SetMarkerBrushColor(int index, TColor value) override { RecordAt(index).MarkerBrushColor = value; }
  void SetMarkerBrushStyle(int index, TBrushStyle value) override;
  void SetMarkerCharacter(int index, QChar value) override { RecordAt(index).MarkerCharacter = value.unicode(); }
  void SetBarVisible(int index, bool value) override { RecordAt(index).BarVisible = value; }
  void SetBarReference(int index, double value) override { RecordAt(index).BarReference = value; }
  void SetBarWidth(int index, double value) override { RecordAt(index).BarWidth = value; }
  void SetBarPenColor(int index, TColor value) override { RecordAt(index).BarPenColor = value; }
  void SetBarPenWidth(int index, int value) override { RecordAt(index).BarPenWidth = value; }
  void SetBarPenStyle(int index, TPenStyle value) override;
  void SetBarBrushColor(int index, TColor value) override { RecordAt(index).BarBrushColor = value; }
  void SetBarBrushStyle(int index, TBrushStyle value) override;

  /// Stamps the stored appearance; high / low / open / close start at 0.
  int Add(double x, double y, bool null, bool empty) override;
  /// "Delete Size Out Of Range" unless 0 <= size < Count.
  void DeletePoints(int size) override;
};
