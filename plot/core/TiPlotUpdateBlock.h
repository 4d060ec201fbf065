#pragma once

#include "plot/core/TiPlotComponent.h"

/// BeginUpdate on the plot now, EndUpdate when the scope ends, however it
/// ends. GUI thread.
class TUpdateBlock {
public:
  explicit TUpdateBlock(TiPlotComponent& plot) : m_plot(plot) { m_plot.BeginUpdate(); }
  ~TUpdateBlock() { m_plot.EndUpdate(); }
  TUpdateBlock(const TUpdateBlock&) = delete;
  TUpdateBlock& operator=(const TUpdateBlock&) = delete;

private:
  TiPlotComponent& m_plot;
};
