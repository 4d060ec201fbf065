#include "plot/base/TiPlotMinMaxPoint.h"

void TiPlotMinMaxPoint::Clear() {
  Empty = true;
  YMax = -1e301;
  YMin = 1e301;
}

void TiPlotMinMaxPoint::AddData(double newXValue, double newYValue, int newXPixels) {
  if (Empty) {
    Empty = false;
    XPixels = newXPixels;
    XValue = newXValue;
    YFirst = newYValue;
  }
  if (newYValue > YMax) {
    YMax = newYValue;
  }
  if (newYValue < YMin) {
    YMin = newYValue;
  }
  YLast = newYValue;
}
