// The editor page of the plot's data cursors: its binding table, builder, fill
// and apply. Empty stand-ins until the page's controls are built.
#include "plot/editor/TiPlotEditorForm.h"

#include "plot/editor/iPlotEditorPages.h"

const TiEditorPageTable& DataCursorPageTable() {
  static const TiEditorPageTable table{.Prefix = QStringLiteral("DataCursor"), .Kind = TiPlotObjectKind::DataCursor};
  return table;
}

void TiPlotEditorForm::BuildCursorsPage(QWidget*) {}

void TiPlotEditorForm::UpdateDataCursorEdit() {}

void TiPlotEditorForm::DataCursorChange() {}
