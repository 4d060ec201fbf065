// The Limits page: the plot's limit lines and bands with their style,
// positions, pens and axes. Its one sub-page holds more rows than a column
// of the flow, so they are placed by hand in two columns.
#include "plot/editor/TiPlotEditorForm.h"

#include "plot/core/TiPlotMasterManager.h"
#include "plot/editor/TiComponentEditorListBox.h"
#include "plot/editor/TiEditorRow.h"
#include "plot/editor/iPlotEditorPages.h"
#include "plot/editor/iPlotEditorPlacement.h"

namespace {

TiEditorBinding LimitRow(const char* caption, TiEditorWidget widget, const char* property) {
  return TiEditorRow(QStringLiteral("General"), caption, widget, property).Manual();
}

}  // namespace

const TiEditorPageTable& LimitPageTable() {
  static const TiEditorPageTable table = [] {
    using W = TiEditorWidget;
    TiEditorPageTable t;
    t.Prefix = QStringLiteral("Limit");
    t.Kind = TiPlotObjectKind::Limit;
    t.PageControlName = QStringLiteral("LimitPageControl");
    t.SubPages = {QStringLiteral("General")};
    auto& r = t.Rows;
    r.push_back(LimitRow("Name", W::Edit, "Name"));
    r.push_back(LimitRow("Visible", W::CheckBox, "Visible"));
    r.push_back(LimitRow("User Can Move", W::CheckBox, "UserCanMove"));
    r.push_back(LimitRow("Popup Enabled", W::CheckBox, "PopupEnabled"));
    r.push_back(LimitRow("Clip To Axes", W::CheckBox, "ClipToAxes"));
    r.push_back(LimitRow("Layer", W::SpinEdit, "Layer"));
    TiEditorBinding style = LimitRow("Style", W::ComboBox, "Style");
    style.Items = {QStringLiteral("Line X"), QStringLiteral("Line Y"),      QStringLiteral("Band X"),
                   QStringLiteral("Band Y"), QStringLiteral("Poly Band X"), QStringLiteral("Poly Band Y")};
    r.push_back(style);
    r.push_back(LimitRow("Line 1 Position", W::Edit, "Line1Position"));
    r.push_back(LimitRow("Line 2 Position", W::Edit, "Line2Position"));
    TiEditorBinding fill = LimitRow("Fill Style", W::ComboBox, "FillStyle");
    fill.Items = {QStringLiteral("Solid"),    QStringLiteral("Clear"),     QStringLiteral("Horizontal"),
                  QStringLiteral("Vertical"), QStringLiteral("FDiagonal"), QStringLiteral("BDiagonal"),
                  QStringLiteral("Cross"),    QStringLiteral("DiagCross")};
    r.push_back(fill);
    TiEditorBinding line = LimitRow("Line Style", W::ComboBox, "LineStyle");
    line.Items = {QStringLiteral("Solid"),      QStringLiteral("Dash"),  QStringLiteral("Dot"),
                  QStringLiteral("DashDot"),    QStringLiteral("DashDotDot"), QStringLiteral("Clear"),
                  QStringLiteral("Inside Frame")};
    r.push_back(line);
    TiEditorBinding width = LimitRow("Line Width", W::SpinEdit, "LineWidth");
    width.SpinMax = 100;
    r.push_back(width);
    r.push_back(LimitRow("Color", W::ColorPicker, "Color"));
    TiEditorBinding xAxis = LimitRow("X-Axis Name", W::NameComboBox, "XAxisName");
    xAxis.NameList = TiEditorNameList::XAxes;
    r.push_back(xAxis);
    TiEditorBinding yAxis = LimitRow("Y-Axis Name", W::NameComboBox, "YAxisName");
    yAxis.NameList = TiEditorNameList::YAxes;
    r.push_back(yAxis);
    return t;
  }();
  return table;
}

void TiPlotEditorForm::BuildLimitsPage(QWidget* page) {
  m_limitPage = BuildObjectPage(page, true, LimitPageTable(), [this] { LimitChange(); }, [this] { UpdateLimitEdit(); });
  QWidget* general = SubPageOf(m_limitPage, QStringLiteral("General"));
  if (general == nullptr) return;
  constexpr int kInset = 6;
  const int column = (SubPageWidth(m_limitPage) - 3 * kInset) / 2;
  PlaceBoundColumn(m_limitPage,
                   {QStringLiteral("Name"), QStringLiteral("Style"), QStringLiteral("Line1Position"),
                    QStringLiteral("Line2Position"), QStringLiteral("FillStyle"), QStringLiteral("LineStyle"),
                    QStringLiteral("LineWidth"), QStringLiteral("Color")},
                   general, kInset, kInset, column, 92);
  PlaceBoundColumn(m_limitPage,
                   {QStringLiteral("XAxisName"), QStringLiteral("YAxisName"), QStringLiteral("Layer"),
                    QStringLiteral("Visible"), QStringLiteral("UserCanMove"), QStringLiteral("PopupEnabled"),
                    QStringLiteral("ClipToAxes")},
                   general, 2 * kInset + column, kInset, column, 80);
}

void TiPlotEditorForm::UpdateLimitEdit() {
  if (TiPlotObject* limit = FillObjectPage(*m_limitListBox, m_limitPage)) {
    FillSpecialNames(m_limitPage, *limit, m_master->TranslationManager());
  }
}

void TiPlotEditorForm::LimitChange() {
  TiPlotObject* limit = ApplyObjectPage(*m_limitListBox, m_limitPage);
  if (limit == nullptr) return;
  ApplySpecialNames(m_limitPage, *limit, m_master->TranslationManager());
  UpdateLimitEdit();
  m_limitListBox->viewport()->update();
}
