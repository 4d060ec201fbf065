#pragma once

#include "plot/channels/TiPlotChannelCustom.h"

/// The channel of TiXYPlot: a polyline through its points in the order
/// they were added, X free to run back and forth; every point is always in
/// the draw range. Owned by the plot's channel manager; GUI thread only.
class TiXYPlotChannel : public TiPlotChannelCustom {
public:
  using TiPlotChannelCustom::TiPlotChannelCustom;
  TiPlotObjectKind Kind() const override { return TiPlotObjectKind::XYChannel; }

  /// A null (or empty) point at (0, 0) straight into the list: no
  /// statistics, tracking or logging; then a change.
  int AddNull();
  int AddEmpty();

  void PrepareForDraw(TCanvas& canvas) override;
  void Draw(TCanvas& canvas, TColor backGroundColor) override;
  void CalcDrawStartIndex() override;
  void CalcDrawStopIndex() override;
  double GetFitXMax() override;
  double GetFitXMin() override;
  double GetFitYMax() override;
  double GetFitYMin() override;
  /// Reads the crossing of the cursor's pointer lines, whatever the data.
  void UpdateDataCursor(TiPlotDataCursor& cursor) override;

private:
  template <typename Pick, typename Better>
  double Fit(double empty, Pick pick, Better better);
};
