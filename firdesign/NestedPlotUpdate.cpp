#include "firdesign/NestedPlotUpdate.h"

NestedPlotUpdate::NestedPlotUpdate(TiPlotComponent& plot, int& depth) : m_plot(plot), m_depth(depth) {
  if (m_depth++ == 0) {
    m_plot.BeginUpdate();
  }
}

NestedPlotUpdate::~NestedPlotUpdate() {
  if (--m_depth == 0) {
    m_plot.EndUpdate();
  }
}
