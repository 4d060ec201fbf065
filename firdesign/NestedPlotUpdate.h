#pragma once

#include "plot/core/TiPlotComponent.h"

/// Holds a plot's repaint while the outermost of nested scopes lives: the
/// plot's own update block does not nest, and a recompute runs inside
/// handlers that recompute too. `depth` counts the open scopes and belongs
/// to the plot's owner. GUI thread.
class NestedPlotUpdate {
public:
  NestedPlotUpdate(TiPlotComponent& plot, int& depth);
  ~NestedPlotUpdate();
  NestedPlotUpdate(const NestedPlotUpdate&) = delete;
  NestedPlotUpdate& operator=(const NestedPlotUpdate&) = delete;

private:
  TiPlotComponent& m_plot;
  int& m_depth;
};
