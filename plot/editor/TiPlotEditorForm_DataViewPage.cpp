// The Data View page: the plot's data view (the first one, or the newest
// added while the editor is open) with its background, grid, axes control
// and grid-line pens. Its list and name sit on the hidden sub-page.
#include "plot/editor/TiPlotEditorForm.h"

#include "plot/core/TiPlotMasterManager.h"
#include "plot/editor/TiComponentEditorGroupBox.h"
#include "plot/editor/TiComponentEditorListBox.h"
#include "plot/editor/TiComponentEditorPageControl.h"
#include "plot/editor/TiEditorRow.h"
#include "plot/editor/iPlotEditorPages.h"
#include "plot/editor/iPlotEditorPlacement.h"

namespace {

const QStringList kDataViewGridStyles{QStringLiteral("Solid"), QStringLiteral("Dash"), QStringLiteral("Dot")};

TiEditorBinding DataViewRow(const char* subPage, const char* group, const char* caption, TiEditorWidget widget,
                            const QString& property) {
  TiEditorRow row(subPage, caption, widget, property);
  row.In(group);
  if (widget == TiEditorWidget::ComboBox) row.Items(kDataViewGridStyles);
  // The flow's narrow columns would clip the captions of these two.
  if (QLatin1String(subPage) == QLatin1String("General") || QLatin1String(subPage) == QLatin1String("Grid Lines")) {
    row.Manual();
  }
  return row;
}

/// The four rows of one family of grid lines' custom pen ("XMajor" ...).
void AddDataViewCustomPenRows(std::vector<TiEditorBinding>& rows, const char* subPage, const char* kind) {
  using W = TiEditorWidget;
  const QString property = QStringLiteral("GridLine") + QString::fromLatin1(kind);
  rows.push_back(DataViewRow(subPage, "", "Custom", W::CheckBox, property + QStringLiteral("Custom")));
  rows.push_back(DataViewRow(subPage, "Custom Properties", "Color", W::ColorPicker, property + QStringLiteral("Color")));
  TiEditorBinding width = DataViewRow(subPage, "Custom Properties", "Width", W::SpinEdit, property + QStringLiteral("Width"));
  width.SpinMax = 100;
  rows.push_back(width);
  rows.push_back(DataViewRow(subPage, "Custom Properties", "Style", W::ComboBox, property + QStringLiteral("Style")));
}

}  // namespace

const TiEditorPageTable& DataViewPageTable() {
  static const TiEditorPageTable table = [] {
    using W = TiEditorWidget;
    TiEditorPageTable t;
    t.Prefix = QStringLiteral("DataView");
    t.Kind = TiPlotObjectKind::DataView;
    t.PageControlName = QStringLiteral("DataViewPageControl");
    t.SubPages = {QStringLiteral("General"),           QStringLiteral("Grid Lines"),
                  QStringLiteral("Grid Lines/X-Majors"), QStringLiteral("Grid Lines/X-Minors"),
                  QStringLiteral("Grid Lines/Y-Majors"), QStringLiteral("Grid Lines/Y-Minors"),
                  QStringLiteral("Hidden")};
    t.HiddenSubPages = {QStringLiteral("Hidden")};
    t.NestedPageControls = {{QStringLiteral("Grid Lines"), QStringLiteral("DataViewGridLinesPageControl")}};
    const QStringList axesControlStyles{QStringLiteral("X-Axis"), QStringLiteral("Y-Axis"), QStringLiteral("Both"),
                                        QStringLiteral("None")};
    auto& r = t.Rows;
    r.push_back(DataViewRow("Hidden", "", "Name", W::Edit, QStringLiteral("Name")));
    r.push_back(DataViewRow("General", "", "Enabled", W::CheckBox, QStringLiteral("Enabled")));
    r.push_back(DataViewRow("General", "", "Popup Enabled", W::CheckBox, QStringLiteral("PopupEnabled")));
    r.push_back(DataViewRow("Grid Lines", "", "Layer", W::SpinEdit, QStringLiteral("Layer")));
    r.push_back(DataViewRow("General", "Background", "Transparent", W::CheckBox, QStringLiteral("BackgroundTransparent")));
    r.push_back(DataViewRow("General", "Background", "Color", W::ColorPicker, QStringLiteral("BackgroundColor")));
    r.push_back(DataViewRow("General", "Grid", "Show", W::CheckBox, QStringLiteral("GridShow")));
    TiEditorBinding gridX = DataViewRow("General", "Grid", "X-Axis Name", W::NameComboBox, QStringLiteral("GridXAxisName"));
    gridX.NameList = TiEditorNameList::DataViewGridXAxes;
    r.push_back(gridX);
    TiEditorBinding gridY = DataViewRow("General", "Grid", "Y-Axis Name", W::NameComboBox, QStringLiteral("GridYAxisName"));
    gridY.NameList = TiEditorNameList::DataViewGridYAxes;
    r.push_back(gridY);
    r.push_back(DataViewRow("General", "Axes Control", "Enabled", W::CheckBox, QStringLiteral("AxesControlEnabled")));
    r.push_back(DataViewRow("General", "Axes Control", "Allow In Select Mode", W::CheckBox,
                            QStringLiteral("AxesControlAllowInSelectMode")));
    TiEditorBinding mouse = DataViewRow("General", "Axes Control", "Mouse Style", W::ComboBox, QStringLiteral("AxesControlMouseStyle"));
    mouse.Items = axesControlStyles;
    r.push_back(mouse);
    TiEditorBinding wheel = DataViewRow("General", "Axes Control", "Wheel Style", W::ComboBox, QStringLiteral("AxesControlWheelStyle"));
    wheel.Items = axesControlStyles;
    r.push_back(wheel);
    r.push_back(DataViewRow("Grid Lines", "", "Color", W::ColorPicker, QStringLiteral("GridLineColor")));
    r.push_back(DataViewRow("Grid Lines", "Show", "Left", W::CheckBox, QStringLiteral("GridLineShowLeft")));
    r.push_back(DataViewRow("Grid Lines", "Show", "Right", W::CheckBox, QStringLiteral("GridLineShowRight")));
    r.push_back(DataViewRow("Grid Lines", "Show", "Top", W::CheckBox, QStringLiteral("GridLineShowTop")));
    r.push_back(DataViewRow("Grid Lines", "Show", "Bottom", W::CheckBox, QStringLiteral("GridLineShowBottom")));
    r.push_back(DataViewRow("Grid Lines/X-Majors", "", "Show", W::CheckBox, QStringLiteral("GridLineShowXMajors")));
    r.push_back(DataViewRow("Grid Lines/X-Minors", "", "Show", W::CheckBox, QStringLiteral("GridLineShowXMinors")));
    r.push_back(DataViewRow("Grid Lines/Y-Majors", "", "Show", W::CheckBox, QStringLiteral("GridLineShowYMajors")));
    r.push_back(DataViewRow("Grid Lines/Y-Minors", "", "Show", W::CheckBox, QStringLiteral("GridLineShowYMinors")));
    r.push_back(DataViewRow("Grid Lines", "", "Major Style", W::ComboBox, QStringLiteral("GridLineMajorStyle")));
    r.push_back(DataViewRow("Grid Lines", "", "Minor Style", W::ComboBox, QStringLiteral("GridLineMinorStyle")));
    AddDataViewCustomPenRows(r, "Grid Lines/X-Majors", "XMajor");
    AddDataViewCustomPenRows(r, "Grid Lines/X-Minors", "XMinor");
    AddDataViewCustomPenRows(r, "Grid Lines/Y-Majors", "YMajor");
    AddDataViewCustomPenRows(r, "Grid Lines/Y-Minors", "YMinor");
    return t;
  }();
  return table;
}

void TiPlotEditorForm::BuildDataViewPage(QWidget* page) {
  m_dataViewPage = BuildObjectPage(page, false, DataViewPageTable(), [this] { DataViewChange(); },
                                   [this] { UpdateDataViewEdit(); });
  QWidget* general = SubPageOf(m_dataViewPage, QStringLiteral("General"));
  QWidget* gridLines = SubPageOf(m_dataViewPage, QStringLiteral("Grid Lines"));
  if (general == nullptr || gridLines == nullptr) return;
  constexpr int kInset = 6;
  const int column = (SubPageWidth(m_dataViewPage) - 3 * kInset) / 2;
  const int inner = column - 2 * kInset;
  const int top = PlaceBoundColumn(m_dataViewPage, {QStringLiteral("Enabled"), QStringLiteral("PopupEnabled")}, general,
                                   kInset, 4, column, 0);
  auto* grid = PlaceGroup(general, QStringLiteral("GroupBoxDataViewGridGeneral"), QStringLiteral("Grid"), kInset, top + 4,
                          column, PlacedGroupHeight(3), m_controls);
  PlaceBoundColumn(m_dataViewPage,
                   {QStringLiteral("GridShow"), QStringLiteral("GridXAxisName"), QStringLiteral("GridYAxisName")}, grid,
                   kInset, 18, inner, 100);
  const int right = 2 * kInset + column;
  auto* background = PlaceGroup(general, QStringLiteral("GroupBoxDataViewBackgroundGeneral"),
                                QStringLiteral("Background"), right, 4, column, PlacedGroupHeight(2), m_controls);
  PlaceBoundColumn(m_dataViewPage, {QStringLiteral("BackgroundTransparent"), QStringLiteral("BackgroundColor")},
                   background, kInset, 18, inner, 100);
  auto* axesControl = PlaceGroup(general, QStringLiteral("GroupBoxDataViewAxesControlGeneral"),
                                 QStringLiteral("Axes Control"), right, 8 + PlacedGroupHeight(2), column,
                                 PlacedGroupHeight(4), m_controls);
  PlaceBoundColumn(m_dataViewPage,
                   {QStringLiteral("AxesControlEnabled"), QStringLiteral("AxesControlAllowInSelectMode"),
                    QStringLiteral("AxesControlMouseStyle"), QStringLiteral("AxesControlWheelStyle")},
                   axesControl, kInset, 18, inner, 100);
  // Grid Lines: the shared settings at the left, the four line families'
  // sub-pages at the right, wide enough for their four tabs.
  constexpr int kShared = 196;
  const int bottom = PlaceBoundColumn(m_dataViewPage,
                                      {QStringLiteral("Layer"), QStringLiteral("GridLineColor"),
                                       QStringLiteral("GridLineMajorStyle"), QStringLiteral("GridLineMinorStyle")},
                                      gridLines, kInset, 4, kShared - kInset, 80);
  auto* show = PlaceGroup(gridLines, QStringLiteral("GroupBoxDataViewShowGridLines"), QStringLiteral("Show"), kInset,
                          bottom + 2, kShared - kInset, PlacedGroupHeight(2), m_controls);
  const int half = (kShared - 3 * kInset) / 2;
  PlaceBoundColumn(m_dataViewPage, {QStringLiteral("GridLineShowLeft"), QStringLiteral("GridLineShowRight")}, show,
                   kInset, 18, half, 0);
  PlaceBoundColumn(m_dataViewPage, {QStringLiteral("GridLineShowTop"), QStringLiteral("GridLineShowBottom")}, show,
                   kInset + half, 18, half, 0);
  if (auto* families = Control<TiComponentEditorPageControl>(QStringLiteral("DataViewGridLinesPageControl"))) {
    families->setGeometry(kShared + kInset, families->y(), SubPageWidth(m_dataViewPage) - kShared - 2 * kInset,
                          families->height());
  }
}

void TiPlotEditorForm::UpdateDataViewEdit() {
  if (TiPlotObject* view = FillObjectPage(*m_dataViewListBox, m_dataViewPage)) {
    FillSpecialNames(m_dataViewPage, *view, m_master->TranslationManager());
  }
  m_dataViewListBox->viewport()->update();
}

void TiPlotEditorForm::DataViewChange() {
  TiPlotObject* view = ApplyObjectPage(*m_dataViewListBox, m_dataViewPage);
  if (view == nullptr) return;
  ApplySpecialNames(m_dataViewPage, *view, m_master->TranslationManager());
  UpdateAll();
}
