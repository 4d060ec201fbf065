#include "plot/channels/TiPlotDataCompactList.h"

TiPlotDataCompactList::TiPlotDataCompactList() { static_assert(sizeof(TiPlotDataSingle) == 8); }

void TiPlotDataCompactList::GetXYEmptyNull(int index, double& x, double& y, bool& empty, bool& null) const {
  const TiPlotDataSingle& r = RecordAt(index);
  x = r.X;
  y = r.Y;
  empty = false;
  null = false;
}

int TiPlotDataCompactList::Add(double x, double y, bool, bool) {
  NextRecord() = {static_cast<float>(x), static_cast<float>(y)};
  return Count() - 1;
}

void TiPlotDataCompactList::DeletePoints(int size) {
  CheckDeleteSize(size);
  RemoveOldest(size);
}

void TiPlotDataCompactList::FoldValid(TiPlotValidTotals& totals) const {
  FoldRecords(totals, [](int, const TiPlotDataSingle& r) { return TiPlotValidPoint{r.X, r.Y, true}; });
}
