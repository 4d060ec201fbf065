// The editor page of the plot's toolbars: its binding table, builder, fill
// and apply. Empty stand-ins until the page's controls are built.
#include "plot/editor/TiPlotEditorForm.h"

#include "plot/editor/iPlotEditorPages.h"

const TiEditorPageTable& ToolBarPageTable() {
  static const TiEditorPageTable table{.Prefix = QStringLiteral("ToolBar"), .Kind = TiPlotObjectKind::ToolBar};
  return table;
}

void TiPlotEditorForm::BuildToolBarPage(QWidget*) {}

void TiPlotEditorForm::UpdateToolBarEdit() {}

void TiPlotEditorForm::ToolBarChange() {}
