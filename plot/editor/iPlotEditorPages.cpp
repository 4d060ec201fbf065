#include "plot/editor/iPlotEditorPages.h"

std::vector<const TiEditorPageTable*> AllEditorPageTables() {
  return {&ControlPageTable(),  &TitlePageTable(),  &TitlePlotTable(),      &ChannelPageTable(),
          &XAxisPageTable(),    &YAxisPageTable(),  &DataViewPageTable(),   &LegendPageTable(),
          &DataCursorPageTable(), &LimitPageTable(), &LabelPageTable(),     &TablePageTable(),
          &ToolBarPageTable()};
}
