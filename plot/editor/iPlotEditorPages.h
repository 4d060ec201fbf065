#pragma once

#include <vector>

#include "plot/editor/iPlotEditorBinding.h"

// The binding tables of the plot editor's pages, each defined in its
// page's file (TiPlotEditorForm_<Page>Page.cpp).

/// The Control page without its Title sub-page ("General", "Background",
/// "Print", "Hints", "File I/O", "Annotation Defaults"), written by the
/// master manager's BasicPropertyChanged into the plot control.
const TiEditorPageTable& ControlPageTable();
/// The Control page's Title sub-page, written into the title label.
const TiEditorPageTable& TitlePageTable();
/// The Title sub-page's controls as the plot control's title properties.
const TiEditorPageTable& TitlePlotTable();
const TiEditorPageTable& ChannelPageTable();
const TiEditorPageTable& XAxisPageTable();
const TiEditorPageTable& YAxisPageTable();
const TiEditorPageTable& DataViewPageTable();
const TiEditorPageTable& LegendPageTable();
const TiEditorPageTable& DataCursorPageTable();
const TiEditorPageTable& LimitPageTable();
const TiEditorPageTable& LabelPageTable();
const TiEditorPageTable& TablePageTable();
const TiEditorPageTable& ToolBarPageTable();

/// Every table above.
std::vector<const TiEditorPageTable*> AllEditorPageTables();
