#include "plot/channels/TiPlotDataFullList.h"

#include "plot/base/EPlotError.h"

namespace {

template <typename E>
std::uint8_t Narrow(E value) {
  return static_cast<std::uint8_t>(value);
}

}  // namespace

TiPlotDataFullList::TiPlotDataFullList() { static_assert(sizeof(TiPlotDataFull) == 144); }

void TiPlotDataFullList::GetXYEmptyNull(int index, double& x, double& y, bool& empty, bool& null) const {
  const TiPlotDataFull& r = RecordAt(index);
  x = r.X;
  y = r.Y;
  empty = r.Empty;
  null = r.Null;
}

TiPlotLineStyle TiPlotDataFullList::GetTraceLineStyle(int index) const {
  return static_cast<TiPlotLineStyle>(RecordAt(index).TraceLineStyle);
}

TiPlotMarkerStyle TiPlotDataFullList::GetMarkerStyle(int index) const {
  return static_cast<TiPlotMarkerStyle>(RecordAt(index).MarkerStyle);
}

TPenStyle TiPlotDataFullList::GetMarkerPenStyle(int index) const {
  return static_cast<TPenStyle>(RecordAt(index).MarkerPenStyle);
}

TBrushStyle TiPlotDataFullList::GetMarkerBrushStyle(int index) const {
  return static_cast<TBrushStyle>(RecordAt(index).MarkerBrushStyle);
}

TPenStyle TiPlotDataFullList::GetBarPenStyle(int index) const {
  return static_cast<TPenStyle>(RecordAt(index).BarPenStyle);
}

TBrushStyle TiPlotDataFullList::GetBarBrushStyle(int index) const {
  return static_cast<TBrushStyle>(RecordAt(index).BarBrushStyle);
}

void TiPlotDataFullList::SetTraceLineStyle(int index, TiPlotLineStyle value) {
  RecordAt(index).TraceLineStyle = Narrow(value);
}

void TiPlotDataFullList::SetMarkerStyle(int index, TiPlotMarkerStyle value) {
  RecordAt(index).MarkerStyle = Narrow(value);
}

void TiPlotDataFullList::SetMarkerPenStyle(int index, TPenStyle value) {
  RecordAt(index).MarkerPenStyle = Narrow(value);
}

void TiPlotDataFullList::SetMarkerBrushStyle(int index, TBrushStyle value) {
  RecordAt(index).MarkerBrushStyle = Narrow(value);
}

void TiPlotDataFullList::SetBarPenStyle(int index, TPenStyle value) { RecordAt(index).BarPenStyle = Narrow(value); }

void TiPlotDataFullList::SetBarBrushStyle(int index, TBrushStyle value) {
  RecordAt(index).BarBrushStyle = Narrow(value);
}

int TiPlotDataFullList::Add(double x, double y, bool null, bool empty) {
  const TiPlotStoredAppearance& s = Stored();
  TiPlotDataFull r{};
  r.X = x;
  r.Y = y;
  r.Null = null;
  r.Empty = empty;
  r.TraceLineColor = s.TraceLineColor;
  r.TraceLineWidth = s.TraceLineWidth;
  r.TraceLineStyle = Narrow(s.TraceLineStyle);
  r.MarkerVisible = s.MarkerVisible;
  r.MarkerSize = s.MarkerSize;
  r.MarkerStyle = Narrow(s.MarkerStyle);
  r.MarkerPenColor = s.MarkerPenColor;
  r.MarkerPenWidth = s.MarkerPenWidth;
  r.MarkerPenStyle = Narrow(s.MarkerPenStyle);
  r.MarkerBrushColor = s.MarkerBrushColor;
  r.MarkerBrushStyle = Narrow(s.MarkerBrushStyle);
  r.BarVisible = s.BarVisible;
  r.BarReference = s.BarReference;
  r.BarWidth = s.BarWidth;
  r.BarPenColor = s.BarPenColor;
  r.BarPenWidth = s.BarPenWidth;
  r.BarPenStyle = Narrow(s.BarPenStyle);
  r.BarBrushColor = s.BarBrushColor;
  r.BarBrushStyle = Narrow(s.BarBrushStyle);
  NextRecord() = r;
  return Count() - 1;
}

void TiPlotDataFullList::DeletePoints(int size) {
  if (size < 0 || size >= Count()) {
    throw EPlotError(QStringLiteral("Delete Size Out Of Range"));
  }
  RemoveOldest(size);
}

void TiPlotDataFullList::FoldValid(TiPlotValidTotals& totals) const {
  FoldRecords(totals, [](int, const TiPlotDataFull& r) { return TiPlotValidPoint{r.X, r.Y, !r.Null && !r.Empty}; });
}
