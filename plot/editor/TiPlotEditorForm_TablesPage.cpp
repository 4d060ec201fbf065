// The Tables page: the plot's tables.
#include "plot/editor/TiPlotEditorForm.h"

#include "plot/editor/TiComponentEditorListBox.h"
#include "plot/editor/TiEditorRow.h"
#include "plot/editor/iPlotEditorPages.h"

namespace {

TiEditorBinding TableRow(const char* subPage, const char* group, const char* caption, TiEditorWidget widget,
                         const char* property, TiEditorPlace place = TiEditorPlace::Flow) {
  TiEditorRow row(subPage, caption, widget, property);
  row.In(group).At(place);
  return row;
}

}  // namespace

const TiEditorPageTable& TablePageTable() {
  static const TiEditorPageTable table = [] {
    using W = TiEditorWidget;
    using P = TiEditorPlace;
    TiEditorPageTable t;
    t.Prefix = QStringLiteral("Table");
    t.Kind = TiPlotObjectKind::Table;
    t.PageControlName = QStringLiteral("TablePageControl");
    t.SubPages = {QStringLiteral("General"), QStringLiteral("Grid"), QStringLiteral("Layout")};
    t.Rows = {TableRow("General", "", "Name", W::Edit, "Name"),
              TableRow("General", "", "Visible", W::CheckBox, "Visible"),
              TableRow("General", "", "Enabled", W::CheckBox, "Enabled"),
              TableRow("General", "", "Popup Enabled", W::CheckBox, "PopupEnabled"),
              TableRow("General", "Margin", "", W::Edit, "MarginTop", P::CrossTop),
              TableRow("General", "Margin", "", W::Edit, "MarginLeft", P::CrossLeft),
              TableRow("General", "Margin", "", W::Edit, "MarginRight", P::CrossRight),
              TableRow("General", "Margin", "", W::Edit, "MarginBottom", P::CrossBottom),
              TableRow("General", "", "Column Spacing", W::Edit, "ColumnSpacing"),
              TableRow("General", "", "Row Spacing", W::Edit, "RowSpacing"),
              TableRow("General", "", "Rows Max", W::Edit, "RowsMax"),
              TableRow("General", "Column Titles", "Visible", W::CheckBox, "ColumnTitlesVisible"),
              TableRow("Grid", "Lines", "Show", W::CheckBox, "GridLinesShow"),
              TableRow("Grid", "Lines", "Color", W::ColorPicker, "GridLinesColor"),
              TableRow("Layout", "", "Start Percent", W::Edit, "StartPercent"),
              TableRow("Layout", "", "Stop Percent", W::Edit, "StopPercent"),
              TableRow("Grid", "Background", "Transparent", W::CheckBox, "GridBackGroundTransparent"),
              TableRow("Grid", "Background", "Color", W::ColorPicker, "GridBackGroundColor"),
              TableRow("General", "Data", "Font", W::FontPicker, "DataFont"),
              TableRow("General", "Column Titles", "Font", W::FontPicker, "ColumnTitlesFont")};
    return t;
  }();
  return table;
}

void TiPlotEditorForm::BuildTablesPage(QWidget* page) {
  m_tablePage = BuildObjectPage(page, true, TablePageTable(), [this] { TableChange(); }, [this] { UpdateTableEdit(); });
}

void TiPlotEditorForm::UpdateTableEdit() { FillObjectPage(*m_tableListBox, m_tablePage); }

void TiPlotEditorForm::TableChange() { ApplyObjectPage(*m_tableListBox, m_tablePage); }
