#pragma once

#include "plot/channels/TiPlotChannelCustom.h"

/// The channel of TiXYPlot: a polyline through its points in the order
/// they were added, X free to run back and forth; every point is always in
/// the draw range. Owned by the plot's channel manager; GUI thread only.
class TiXYPlotChannel : public TiPlotChannelCustom {
public:
  TiXYPlotChannel(TiPlotComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert, TNotifyEvent onRemove,
                  TNotifyEvent onRename);
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

  // OPC binding (TiXYPlotChannel_Opc.cpp): a group update of the channel's
  // group gives X from item 0 and Y from item 1. Suspend and resume act on
  // the channel's group, and do nothing before there is one.
  void OPCActivate() override;
  void OPCActivateSuspend() override;
  void OPCDeactivate() override;
  void OPCUpdateSuspend() override;
  void OPCUpdateResume() override;

private:
  void BindOPCHandlers();
  template <typename Pick, typename Better>
  double Fit(double empty, Pick pick, Better better);
};
