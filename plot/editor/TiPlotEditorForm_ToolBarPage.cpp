// The ToolBar page: the plot's toolbar (the first one, or the newest added
// while the editor is open), its look and the buttons it shows. Its list
// and name sit in the hidden ToolBarHiddenGroupBox.
#include "plot/editor/TiPlotEditorForm.h"

#include "plot/editor/TiComponentEditorGroupBox.h"
#include "plot/editor/TiComponentEditorListBox.h"
#include "plot/editor/TiEditorRow.h"
#include "plot/editor/iPlotEditorPages.h"
#include "plot/editor/iPlotEditorPlacement.h"

namespace {

TiEditorBinding ToolBarRow(const char* group, const char* caption, TiEditorWidget widget, const char* property) {
  return TiEditorRow(QStringLiteral("ToolBar"), caption, widget, property).In(group).Manual();
}

const QStringList kToolBarShowButtons{
    QStringLiteral("ShowResumeButton"),     QStringLiteral("ShowPauseButton"),   QStringLiteral("ShowAxesModeButtons"),
    QStringLiteral("ShowZoomInOutButtons"), QStringLiteral("ShowSelectButton"),  QStringLiteral("ShowZoomBoxButton"),
    QStringLiteral("ShowCursorButton"),     QStringLiteral("ShowEditButton"),    QStringLiteral("ShowCopyButton"),
    QStringLiteral("ShowSaveButton"),       QStringLiteral("ShowPrintButton"),   QStringLiteral("ShowPreviewButton")};

}  // namespace

const TiEditorPageTable& ToolBarPageTable() {
  static const TiEditorPageTable table = [] {
    using W = TiEditorWidget;
    TiEditorPageTable t;
    t.Prefix = QStringLiteral("ToolBar");
    t.Kind = TiPlotObjectKind::ToolBar;
    auto& r = t.Rows;
    r.push_back(ToolBarRow("Hidden", "Name", W::Edit, "Name"));
    r.push_back(ToolBarRow("", "Visible", W::CheckBox, "Visible"));
    r.push_back(ToolBarRow("", "Enabled", W::CheckBox, "Enabled"));
    r.push_back(ToolBarRow("", "Popup Enabled", W::CheckBox, "PopupEnabled"));
    r.push_back(ToolBarRow("", "Flat Border", W::CheckBox, "FlatBorder"));
    r.push_back(ToolBarRow("", "Flat Buttons", W::CheckBox, "FlatButtons"));
    r.push_back(ToolBarRow("", "Small Buttons", W::CheckBox, "SmallButtons"));
    const char* captions[] = {"Resume", "Pause", "Axes Mode", "Zoom In/Out", "Select", "Zoom Box",
                              "Cursor", "Edit",  "Copy",      "Save",        "Print",  "Preview"};
    for (int i = 0; i < kToolBarShowButtons.size(); ++i) {
      r.push_back(ToolBarRow("Show Button", captions[i], W::CheckBox, kToolBarShowButtons[i].toLatin1().constData()));
    }
    r.push_back(ToolBarRow("", "Zoom In/Out Factor", W::Edit, "ZoomInOutFactor"));
    return t;
  }();
  return table;
}

void TiPlotEditorForm::BuildToolBarPage(QWidget* page) {
  m_toolBarPage = BuildObjectPage(page, false, ToolBarPageTable(), [this] { ToolBarChange(); },
                                  [this] { UpdateToolBarEdit(); });
  // The rows were made in the page's area; they are placed there.
  QWidget* area = m_toolBarPage.Controls.front()->parentWidget();
  constexpr int kInset = 6;
  constexpr int kColumn = 130;
  auto* hidden = PlaceGroup(area, QStringLiteral("ToolBarHiddenGroupBox"), QStringLiteral("Hidden"), 0, 0, kColumn,
                            PlacedGroupHeight(1), m_controls);
  hidden->setVisible(false);
  m_toolBarListBox->setParent(hidden);
  PlaceBoundRow(m_toolBarPage, QStringLiteral("Name"), hidden, kInset, 18, kColumn - 2 * kInset, 40);
  const int top = PlaceBoundColumn(m_toolBarPage,
                                   {QStringLiteral("Visible"), QStringLiteral("Enabled"), QStringLiteral("PopupEnabled"),
                                    QStringLiteral("FlatBorder"), QStringLiteral("FlatButtons"),
                                    QStringLiteral("SmallButtons")},
                                   area, kInset, kInset, kColumn, 0);
  PlaceBoundRow(m_toolBarPage, QStringLiteral("ZoomInOutFactor"), area, kInset, top + 4, 2 * kColumn, 120);
  const int groupLeft = kInset + kColumn + kInset;
  auto* show = PlaceGroup(area, QStringLiteral("GroupBoxToolBarShowButton"), QStringLiteral("Show Button"), groupLeft,
                          kInset, 3 * kColumn + 2 * kInset, PlacedGroupHeight(4), m_controls);
  for (int column = 0; column < 3; ++column) {
    PlaceBoundColumn(m_toolBarPage, kToolBarShowButtons.mid(4 * column, 4), show, kInset + column * kColumn, 18,
                     kColumn, 0);
  }
}

void TiPlotEditorForm::UpdateToolBarEdit() {
  FillObjectPage(*m_toolBarListBox, m_toolBarPage);
  m_toolBarListBox->viewport()->update();
}

void TiPlotEditorForm::ToolBarChange() {
  if (ApplyObjectPage(*m_toolBarListBox, m_toolBarPage) != nullptr) UpdateAll();
}
