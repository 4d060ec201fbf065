#include "plot/channels/TiPlotDataNullList.h"

TiPlotDataNullList::TiPlotDataNullList() {
  static_assert(sizeof(TiPlotDataNull) == 24);
}

void TiPlotDataNullList::GetXYEmptyNull(int index, double& x, double& y, bool& empty, bool& null) const {
  const TiPlotDataNull& r = Record(index);
  x = r.X;
  y = r.Y;
  empty = (r.Extra & 2) != 0;
  null = (r.Extra & 1) != 0;
}

TiPlotMarkerStyle TiPlotDataNullList::GetMarkerStyle(int index) const {
  return static_cast<TiPlotMarkerStyle>((Record(index).Extra >> 3) & 15);
}

void TiPlotDataNullList::SetMarkerStyle(int index, TiPlotMarkerStyle value) {
  TiPlotDataNull& r = Record(index);
  r.Extra = static_cast<std::uint16_t>((r.Extra & ~(15u << 3)) | ((static_cast<unsigned>(value) & 15u) << 3));
}

void TiPlotDataNullList::SetBit(int index, std::uint16_t bit, bool value) {
  TiPlotDataNull& r = Record(index);
  r.Extra = static_cast<std::uint16_t>(value ? (r.Extra | bit) : (r.Extra & ~bit));
}

int TiPlotDataNullList::Add(double x, double y, bool null, bool empty) {
  unsigned extra = (static_cast<unsigned>(Stored().MarkerStyle) & 15u) << 3;
  if (Stored().MarkerVisible) {
    extra |= 4;
  }
  if (null) {
    extra |= 1;
  }
  if (empty) {
    extra |= 2;
  }
  NextRecord() = {x, y, static_cast<std::uint16_t>(extra)};
  return Count() - 1;
}

void TiPlotDataNullList::DeletePoints(int size) {
  CheckDeleteSize(size);
  RemoveOldest(size);
}

void TiPlotDataNullList::FoldValid(TiPlotValidTotals& totals) const {
  FoldRecords(totals, [](int, const TiPlotDataNull& r) { return TiPlotValidPoint{r.X, r.Y, (r.Extra & 3) == 0}; });
}
