#pragma once

#include "plot/core/TiPlotLayoutObject.h"

/// A marker that stands for the data view on the Z scale of one
/// orientation: layout objects with a greater Z-order lie above (or right
/// of) the data view, the others below (or left of) it. Held by the layout
/// manager's list, moved by its Z-order shifts, never placed or drawn.
class TiPlotDataViewLayout : public TiPlotLayoutObject {
public:
  using TiPlotLayoutObject::TiPlotLayoutObject;
  TiPlotObjectKind Kind() const override { return TiPlotObjectKind::LayoutMarker; }
};

/// The horizontal marker (its Z-order is the plot's DataViewZHorz).
class TiPlotDataViewHorz : public TiPlotDataViewLayout {
public:
  using TiPlotDataViewLayout::TiPlotDataViewLayout;
};

/// The vertical marker (its Z-order is the plot's DataViewZVert).
class TiPlotDataViewVert : public TiPlotDataViewLayout {
public:
  using TiPlotDataViewLayout::TiPlotDataViewLayout;
};
