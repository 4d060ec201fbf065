#pragma once

#include "plot/objects/TiPlotAxis.h"

/// An X axis: horizontal unless the plot's XYAxesReverse; fires the
/// plot's OnXAxis... events. Owned by the X axis manager; GUI thread only.
class TiPlotXAxis : public TiPlotAxis {
public:
  using TiPlotAxis::TiPlotAxis;
  TiPlotObjectKind Kind() const override { return TiPlotObjectKind::XAxis; }

protected:
  TiPlotObjectKind OtherAxisKind() const override { return TiPlotObjectKind::YAxis; }
};
