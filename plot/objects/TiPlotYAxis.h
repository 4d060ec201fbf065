#pragma once

#include "plot/objects/TiPlotAxis.h"

/// A Y axis: vertical unless the plot's XYAxesReverse; fires the plot's
/// OnYAxis... events. Owned by the Y axis manager; GUI thread only.
class TiPlotYAxis : public TiPlotAxis {
public:
  TiPlotYAxis(TiPlotComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert, TNotifyEvent onRemove,
              TNotifyEvent onRename);
  TiPlotObjectKind Kind() const override { return TiPlotObjectKind::YAxis; }

protected:
  TiPlotObjectKind OtherAxisKind() const override { return TiPlotObjectKind::XAxis; }
};
