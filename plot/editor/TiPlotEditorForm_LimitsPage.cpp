// The editor page of the plot's limits: its binding table, builder, fill
// and apply. Empty stand-ins until the page's controls are built.
#include "plot/editor/TiPlotEditorForm.h"

#include "plot/editor/iPlotEditorPages.h"

const TiEditorPageTable& LimitPageTable() {
  static const TiEditorPageTable table{.Prefix = QStringLiteral("Limit"), .Kind = TiPlotObjectKind::Limit};
  return table;
}

void TiPlotEditorForm::BuildLimitsPage(QWidget*) {}

void TiPlotEditorForm::UpdateLimitEdit() {}

void TiPlotEditorForm::LimitChange() {}
