// The editor page of the plot's X axes: its binding table, builder, fill
// and apply. Empty stand-ins until the page's controls are built.
#include "plot/editor/TiPlotEditorForm.h"

#include "plot/editor/iPlotEditorPages.h"

const TiEditorPageTable& XAxisPageTable() {
  static const TiEditorPageTable table{.Prefix = QStringLiteral("XAxis"), .Kind = TiPlotObjectKind::XAxis};
  return table;
}

void TiPlotEditorForm::BuildXAxesPage(QWidget*) {}

void TiPlotEditorForm::UpdateXAxesEdit() {}

void TiPlotEditorForm::XAxisChange() {}

void TiPlotEditorForm::XAxisCursorCopyDefaultButtonClick() {}

void TiPlotEditorForm::XAxisLegendCopyDefaultButtonClick() {}
