#pragma once

#include "plot/objects/TiPlotAxis.h"

/// An X axis: horizontal unless the plot's XYAxesReverse; fires the
/// plot's OnXAxis... events. Owned by the X axis manager; GUI thread only.
class TiPlotXAxis : public TiPlotAxis {
public:
  TiPlotXAxis(TiPlotComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert, TNotifyEvent onRemove,
              TNotifyEvent onRename);
  TiPlotObjectKind Kind() const override { return TiPlotObjectKind::XAxis; }

protected:
  TiPlotObjectKind OtherAxisKind() const override { return TiPlotObjectKind::YAxis; }
};
