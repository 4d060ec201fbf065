#pragma once

/// Minimum and maximum of the values that fall on one pixel column while a
/// channel draws more points than it has pixels. Plain value; any thread.
class TiPlotMinMaxPoint {
public:
  TiPlotMinMaxPoint() { Clear(); }

  /// Empty again: YMax -1e301, YMin +1e301; the other fields keep their values.
  void Clear();
  void AddData(double newXValue, double newYValue, int newXPixels);
  void AssignDown(const TiPlotMinMaxPoint& source) { *this = source; }

  bool Empty = true;
  int XPixels = 0;
  double XValue = 0;
  double YMax = -1e301;
  double YMin = 1e301;
  double YFirst = 0;
  double YLast = 0;
};
