#include "plot/core/TiPlotToolBarsHidden.h"

#include "plot/core/TiPlotComponent.h"
#include "plot/core/TiPlotKindManager.h"
#include "plot/core/TiPlotMasterManager.h"
#include "plot/core/TiPlotObject.h"

TiPlotToolBarsHidden::TiPlotToolBarsHidden(TiPlotComponent& plot) {
  for (TiPlotObject* toolBar : plot.Master().ToolBarManager().Snapshot()) {
    m_visible.emplace_back(toolBar, toolBar->Visible());
    toolBar->SetVisible(false);
  }
}

TiPlotToolBarsHidden::~TiPlotToolBarsHidden() {
  for (auto& [toolBar, visible] : m_visible) {
    toolBar->SetVisible(visible);
  }
}
