#include "plot/core/TiPlotDefaultObjects.h"

#include "plot/annotations/TiPlotAnnotation.h"
#include "plot/annotations/TiPlotDataCursor.h"
#include "plot/annotations/TiPlotLimit.h"
#include "plot/channels/TiPlotChannelCustom.h"
#include "plot/core/TiPlotComponent.h"
#include "plot/core/TiPlotMasterManager.h"
#include "plot/objects/TiPlotLabel.h"
#include "plot/objects/TiPlotLegend.h"
#include "plot/objects/TiPlotTable.h"
#include "plot/objects/TiPlotToolBar.h"

void BuildDefaultPlotObjects(TiPlotComponent& plot, TiPlotObjectFactory channelClass) {
  TiPlotMasterManager& master = plot.Master();
  master.SetChannelClass(std::move(channelClass), &TiPlotChannelCustom::GiveFirstReferences);
  master.ToolBarManager().SetObjectClass(PlotObjectFactory<TiPlotToolBar>(), nullptr);
  master.LegendManager().SetObjectClass(PlotObjectFactory<TiPlotLegend>(), nullptr);
  master.TableManager().SetObjectClass(PlotObjectFactory<TiPlotTable>(), nullptr);
  master.LabelManager().SetObjectClass(PlotObjectFactory<TiPlotLabel>(), nullptr);
  master.LimitManager().SetObjectClass(PlotObjectFactory<TiPlotLimit>(), nullptr);
  master.AnnotationManager().SetObjectClass(PlotObjectFactory<TiPlotAnnotation>(), nullptr);
  master.DataCursorManager().SetObjectClass(PlotObjectFactory<TiPlotDataCursor>(), nullptr);
  plot.DisableLayoutManager();
  struct Enable {
    TiPlotComponent& plot;
    ~Enable() { plot.EnableLayoutManager(); }
  } enable{plot};
  master.ToolBarManager().ItemAs<TiPlotToolBar>(master.AddToolBar())->SetZOrder(3);
  master.LegendManager().ItemAs<TiPlotLegend>(master.AddLegend())->SetZOrder(2);
  master.AddXAxis();
  master.AddYAxis();
  master.AddChannel();
  master.AddDataView();
  master.AddDataCursor();
  auto* title = master.LabelManager().ItemAs<TiPlotLabel>(master.AddLabel());
  title->SetZOrder(2);
  title->SetName(QStringLiteral("Title"));
  title->SetCaption(QStringLiteral("Untitled"));
  title->SetMarginBottom(0);
}
