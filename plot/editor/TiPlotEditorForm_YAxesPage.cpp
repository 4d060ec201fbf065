// The editor page of the plot's Y axes: its binding table, builder, fill
// and apply. Empty stand-ins until the page's controls are built.
#include "plot/editor/TiPlotEditorForm.h"

#include "plot/editor/iPlotEditorPages.h"

const TiEditorPageTable& YAxisPageTable() {
  static const TiEditorPageTable table{.Prefix = QStringLiteral("YAxis"), .Kind = TiPlotObjectKind::YAxis};
  return table;
}

void TiPlotEditorForm::BuildYAxesPage(QWidget*) {}

void TiPlotEditorForm::UpdateYAxesEdit() {}

void TiPlotEditorForm::YAxisChange() {}

void TiPlotEditorForm::YAxisCursorCopyDefaultButtonClick() {}

void TiPlotEditorForm::YAxisLegendCopyDefaultButtonClick() {}
