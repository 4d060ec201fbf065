#include "plot/objects/TiPlotXAxis.h"

#include "plot/core/TiPlot.h"

TiPlotXAxis::TiPlotXAxis(TiPlotComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert,
                         TNotifyEvent onRemove, TNotifyEvent onRename)
    : TiPlotAxis(owner, std::move(onChange), std::move(onInsert), std::move(onRemove), std::move(onRename)) {
  // Time runs along the X axis of a time-series plot: it scrolls with the data.
  if (dynamic_cast<TiPlot*>(owner) != nullptr) {
    SetTrackingStyle(TiPlotTrackingStyle::iptsScrollSmooth);
  }
  SetTrackingAlignFirstStyle(TiPlotAlignFirstStyle::ipafsAuto);
}
