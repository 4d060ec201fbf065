#pragma once

#include <utility>
#include <vector>

class TiPlotComponent;
class TiPlotObject;

/// Hides every toolbar of a plot for a picture of it (copy, print) and
/// gives each toolbar its own visibility back when it ends, also when an
/// exception passes. A plot without toolbars is simply left as it is. GUI
/// thread.
class TiPlotToolBarsHidden {
public:
  explicit TiPlotToolBarsHidden(TiPlotComponent& plot);
  ~TiPlotToolBarsHidden();
  TiPlotToolBarsHidden(const TiPlotToolBarsHidden&) = delete;
  TiPlotToolBarsHidden& operator=(const TiPlotToolBarsHidden&) = delete;

private:
  std::vector<std::pair<TiPlotObject*, bool>> m_visible;
};
