// The editor page of the plot's data views: its binding table, builder, fill
// and apply. Empty stand-ins until the page's controls are built.
#include "plot/editor/TiPlotEditorForm.h"

#include "plot/editor/iPlotEditorPages.h"

const TiEditorPageTable& DataViewPageTable() {
  static const TiEditorPageTable table{.Prefix = QStringLiteral("DataView"), .Kind = TiPlotObjectKind::DataView};
  return table;
}

void TiPlotEditorForm::BuildDataViewPage(QWidget*) {}

void TiPlotEditorForm::UpdateDataViewEdit() {}

void TiPlotEditorForm::DataViewChange() {}
