// The editor page of the plot's legends: its binding table, builder, fill
// and apply. Empty stand-ins until the page's controls are built.
#include "plot/editor/TiPlotEditorForm.h"

#include "plot/editor/iPlotEditorPages.h"

const TiEditorPageTable& LegendPageTable() {
  static const TiEditorPageTable table{.Prefix = QStringLiteral("Legend"), .Kind = TiPlotObjectKind::Legend};
  return table;
}

void TiPlotEditorForm::BuildLegendPage(QWidget*) {}

void TiPlotEditorForm::UpdateLegendEdit() {}

void TiPlotEditorForm::LegendChange() {}
