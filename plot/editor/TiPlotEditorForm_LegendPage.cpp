// The Legend page: the plot's legend (the first one, or the newest added
// while the editor is open) with its margins, columns, wrapping and fonts.
// Its list and name sit on the hidden sub-page; the Columns and Wrap
// sub-pages are placed by hand (long and nested groups).
#include "plot/editor/TiPlotEditorForm.h"

#include "plot/editor/TiComponentEditorGroupBox.h"
#include "plot/editor/TiComponentEditorListBox.h"
#include "plot/editor/TiEditorRow.h"
#include "plot/editor/iPlotEditorPages.h"
#include "plot/editor/iPlotEditorPlacement.h"

namespace {

TiEditorBinding LegendRow(const char* subPage, const char* group, const char* caption, TiEditorWidget widget,
                          const char* property, TiEditorPlace place = TiEditorPlace::Flow) {
  TiEditorRow row(subPage, caption, widget, property);
  row.In(group);
  // Every visible sub-page is placed by hand: the flow's columns would clip
  // captions, cannot nest the Wrap groups and cannot fit the Columns ones.
  row.At(QLatin1String(subPage) != QLatin1String("Hidden") ? TiEditorPlace::Manual : place);
  return row;
}

TiEditorBinding LegendCountRow(const char* group, const char* caption, const char* property) {
  TiEditorBinding row = LegendRow("Wrap", group, caption, TiEditorWidget::SpinEdit, property);
  row.SpinMin = 1;
  row.SpinMax = 1000;
  return row;
}

/// One wrap direction ("Col" or "Row") in its group: the desired count,
/// then the nested "Auto Count" and "Spacing" groups.
void PlaceLegendWrapGroup(const TiEditorBoundPage& page, QWidget* subPage, ControlRegistry& controls,
                          const QString& direction, const QStringList& properties, int left, int width) {
  constexpr int kInset = 6;
  constexpr int kLabel = 90;
  const int inner = width - 2 * kInset;
  const QString stem = QStringLiteral("GroupBoxLegendWrap") + direction;
  const int nestedHeight = PlacedGroupHeight(2);
  auto* group = PlaceGroup(subPage, stem, direction, left, 2, width, 18 + kPlacedRowPitch + 2 * (nestedHeight + 2),
                           controls);
  PlaceBoundRow(page, properties[0], group, kInset, 18, inner, kLabel);
  int top = 18 + kPlacedRowPitch;
  const char* nestedCaptions[] = {"Auto Count", "Spacing"};
  for (int n = 0; n < 2; ++n) {
    const QString caption = QString::fromLatin1(nestedCaptions[n]);
    auto* nested = PlaceGroup(group, stem + QString(caption).remove(QLatin1Char(' ')), caption, kInset, top, inner,
                              nestedHeight, controls);
    PlaceBoundColumn(page, properties.mid(1 + 2 * n, 2), nested, kInset, 18, inner - 2 * kInset, kLabel - kInset);
    top += nestedHeight + 2;
  }
}

/// The General sub-page in three columns: switches and margins; channel
/// name, line column and spacing; background, selected item and font.
void PlaceLegendGeneral(const TiEditorBoundPage& page, QWidget* general, ControlRegistry& controls) {
  constexpr int kInset = 6;
  constexpr int kLabel = 100;
  const int column = (SubPageWidth(page) - 4 * kInset) / 3;
  const int inner = column - 2 * kInset;
  const int second = 2 * kInset + column;
  const int third = 3 * kInset + 2 * column;
  const QString stem = QStringLiteral("GroupBoxLegend");
  const auto group = [&](const char* caption, int left, int top, int height) {
    return PlaceGroup(general, stem + QString::fromLatin1(caption).remove(QLatin1Char(' ')) + QStringLiteral("General"),
                      QString::fromLatin1(caption), left, top, column, height, controls);
  };
  int top = PlaceBoundColumn(page,
                             {QStringLiteral("Visible"), QStringLiteral("Enabled"), QStringLiteral("PopupEnabled")},
                             general, kInset, 4, column, 0);
  // The four margins as a cross: top, left and right, bottom.
  constexpr int kCrossEdit = 44;
  QWidget* margin = group("Margin", kInset, top + 2, PlacedGroupHeight(3));
  const int centre = (column - kCrossEdit) / 2;
  PlaceBoundRow(page, QStringLiteral("MarginTop"), margin, centre, 18, kCrossEdit, 0);
  PlaceBoundRow(page, QStringLiteral("MarginLeft"), margin, kInset, 18 + kPlacedRowPitch, kCrossEdit, 0);
  PlaceBoundRow(page, QStringLiteral("MarginRight"), margin, column - kInset - kCrossEdit,
                18 + kPlacedRowPitch, kCrossEdit, 0);
  PlaceBoundRow(page, QStringLiteral("MarginBottom"), margin, centre, 18 + 2 * kPlacedRowPitch, kCrossEdit, 0);

  QWidget* channelName = group("Channel Name", second, 4, PlacedGroupHeight(2));
  PlaceBoundColumn(page, {QStringLiteral("ChannelNameMaxWidth"), QStringLiteral("ChannelNameColorStyle")},
                   channelName, kInset, 18, inner, 80);
  top = 8 + PlacedGroupHeight(2);
  QWidget* lineColumn = group("Line Column", second, top, PlacedGroupHeight(2));
  PlaceBoundColumn(page, {QStringLiteral("LineColumnWidth"), QStringLiteral("LineColumnHeight")}, lineColumn,
                   kInset, 18, inner, 80);
  PlaceBoundRow(page, QStringLiteral("ColumnSpacing"), general, second, top + PlacedGroupHeight(2) + 4, column,
                kLabel);

  QWidget* background = group("Background", third, 4, PlacedGroupHeight(2));
  PlaceBoundColumn(page, {QStringLiteral("BackGroundTransparent"), QStringLiteral("BackGroundColor")},
                   background, kInset, 18, inner, 80);
  QWidget* selected = group("Selected Item", third, top, PlacedGroupHeight(2) + 4);
  PlaceBoundColumn(page, {QStringLiteral("SelectedItemBackGroundColor"), QStringLiteral("SelectedItemFont")},
                   selected, kInset, 18, inner, 110);
  PlaceBoundRow(page, QStringLiteral("Font"), general, third, top + PlacedGroupHeight(2) + 8, column, 0);
}

}  // namespace

const TiEditorPageTable& LegendPageTable() {
  static const TiEditorPageTable table = [] {
    using W = TiEditorWidget;
    using P = TiEditorPlace;
    TiEditorPageTable t;
    t.Prefix = QStringLiteral("Legend");
    t.Kind = TiPlotObjectKind::Legend;
    t.PageControlName = QStringLiteral("LegendPageControl");
    t.SubPages = {QStringLiteral("General"), QStringLiteral("Columns"), QStringLiteral("Wrap"),
                  QStringLiteral("Hidden")};
    t.HiddenSubPages = {QStringLiteral("Hidden")};
    auto& r = t.Rows;
    r.push_back(LegendRow("Hidden", "", "Name", W::Edit, "Name"));
    r.push_back(LegendRow("General", "", "Visible", W::CheckBox, "Visible"));
    r.push_back(LegendRow("General", "", "Enabled", W::CheckBox, "Enabled"));
    r.push_back(LegendRow("General", "", "Popup Enabled", W::CheckBox, "PopupEnabled"));
    r.push_back(LegendRow("General", "Margin", "", W::Edit, "MarginTop", P::CrossTop));
    r.push_back(LegendRow("General", "Margin", "", W::Edit, "MarginBottom", P::CrossBottom));
    r.push_back(LegendRow("General", "Margin", "", W::Edit, "MarginLeft", P::CrossLeft));
    r.push_back(LegendRow("General", "Margin", "", W::Edit, "MarginRight", P::CrossRight));
    r.push_back(LegendRow("General", "Channel Name", "Max Width", W::Edit, "ChannelNameMaxWidth"));
    TiEditorBinding colorStyle = LegendRow("General", "Channel Name", "Color Style", W::ComboBox, "ChannelNameColorStyle");
    colorStyle.Items = {QStringLiteral("Font"), QStringLiteral("ChannelColor"), QStringLiteral("XAxisFontColor "),
                        QStringLiteral("YAxisFontColor")};
    r.push_back(colorStyle);
    r.push_back(LegendRow("General", "Line Column", "Width", W::Edit, "LineColumnWidth"));
    r.push_back(LegendRow("General", "Line Column", "Height", W::Edit, "LineColumnHeight"));
    r.push_back(LegendRow("General", "", "Column Spacing", W::Edit, "ColumnSpacing"));
    r.push_back(LegendRow("General", "Background", "Transparent", W::CheckBox, "BackGroundTransparent"));
    r.push_back(LegendRow("General", "Background", "Color", W::ColorPicker, "BackGroundColor"));
    r.push_back(LegendRow("General", "Selected Item", "Background Color", W::ColorPicker,
                          "SelectedItemBackGroundColor"));
    r.push_back(LegendRow("Columns", "Show", "Line", W::CheckBox, "ShowColumnLine"));
    r.push_back(LegendRow("Columns", "Show", "Marker", W::CheckBox, "ShowColumnMarker"));
    r.push_back(LegendRow("Columns", "Show", "X-Axis Title", W::CheckBox, "ShowColumnXAxisTitle"));
    r.push_back(LegendRow("Columns", "Show", "Y-Axis Title", W::CheckBox, "ShowColumnYAxisTitle"));
    r.push_back(LegendRow("Columns", "Show", "X-Value", W::CheckBox, "ShowColumnXValue"));
    r.push_back(LegendRow("Columns", "Show", "Y-Value", W::CheckBox, "ShowColumnYValue"));
    r.push_back(LegendRow("Columns", "Show", "Y-Max", W::CheckBox, "ShowColumnYMax"));
    r.push_back(LegendRow("Columns", "Show", "Y-Min", W::CheckBox, "ShowColumnYMin"));
    r.push_back(LegendRow("Columns", "Show", "Y-Mean", W::CheckBox, "ShowColumnYMean"));
    r.push_back(LegendCountRow("Col", "Desired Count", "WrapColDesiredCount"));
    r.push_back(LegendRow("Wrap", "Auto Count", "Enabled", W::CheckBox, "WrapColAutoCountEnabled"));
    r.push_back(LegendCountRow("Auto Count", "Max", "WrapColAutoCountMax"));
    r.push_back(LegendRow("Wrap", "Spacing", "Min", W::Edit, "WrapColSpacingMin"));
    r.push_back(LegendRow("Wrap", "Spacing", "Auto", W::CheckBox, "WrapColSpacingAuto"));
    r.push_back(LegendCountRow("Row", "Desired Count", "WrapRowDesiredCount"));
    r.push_back(LegendRow("Wrap", "Auto Count", "Enabled", W::CheckBox, "WrapRowAutoCountEnabled"));
    r.push_back(LegendCountRow("Auto Count", "Max", "WrapRowAutoCountMax"));
    r.push_back(LegendRow("Wrap", "Spacing", "Min", W::Edit, "RowSpacing"));
    r.push_back(LegendRow("Wrap", "Spacing", "Auto", W::CheckBox, "WrapRowSpacingAuto"));
    r.push_back(LegendRow("Columns", "Titles", "Visible", W::CheckBox, "ColumnTitlesVisible"));
    r.push_back(LegendRow("General", "", "Font", W::FontPicker, "Font"));
    r.push_back(LegendRow("General", "Selected Item", "Font", W::FontPicker, "SelectedItemFont"));
    r.push_back(LegendRow("Columns", "Titles", "Font", W::FontPicker, "ColumnTitlesFont"));
    return t;
  }();
  return table;
}

void TiPlotEditorForm::BuildLegendPage(QWidget* page) {
  m_legendPage = BuildObjectPage(page, false, LegendPageTable(), [this] { LegendChange(); },
                                 [this] { UpdateLegendEdit(); });
  if (QWidget* hidden = SubPageOf(m_legendPage, QStringLiteral("Hidden"))) {
    hidden->setObjectName(QStringLiteral("LegendHiddenTabSheet"));
  }
  if (QWidget* general = SubPageOf(m_legendPage, QStringLiteral("General"))) PlaceLegendGeneral(m_legendPage, general, m_controls);
  QWidget* columns = SubPageOf(m_legendPage, QStringLiteral("Columns"));
  QWidget* wrap = SubPageOf(m_legendPage, QStringLiteral("Wrap"));
  if (columns == nullptr || wrap == nullptr) return;
  constexpr int kInset = 6;
  const int groupWidth = SubPageWidth(m_legendPage) - 2 * kInset;
  const int showColumn = (groupWidth - 2 * kInset) / 3;
  auto* show = PlaceGroup(columns, QStringLiteral("GroupBoxLegendColumnsShow"), QStringLiteral("Show"), kInset, 4,
                          groupWidth, PlacedGroupHeight(3), m_controls);
  const QStringList shown{QStringLiteral("ShowColumnLine"),       QStringLiteral("ShowColumnMarker"),
                          QStringLiteral("ShowColumnXAxisTitle"), QStringLiteral("ShowColumnYAxisTitle"),
                          QStringLiteral("ShowColumnXValue"),     QStringLiteral("ShowColumnYValue"),
                          QStringLiteral("ShowColumnYMax"),       QStringLiteral("ShowColumnYMin"),
                          QStringLiteral("ShowColumnYMean")};
  for (int column = 0; column < 3; ++column) {
    PlaceBoundColumn(m_legendPage, shown.mid(3 * column, 3), show, kInset + column * showColumn, 18, showColumn, 0);
  }
  auto* titles = PlaceGroup(columns, QStringLiteral("GroupBoxLegendColumnsTitles"), QStringLiteral("Titles"), kInset,
                            8 + PlacedGroupHeight(3), showColumn + 2 * kInset, PlacedGroupHeight(2) + 4, m_controls);
  PlaceBoundColumn(m_legendPage, {QStringLiteral("ColumnTitlesVisible"), QStringLiteral("ColumnTitlesFont")}, titles,
                   kInset, 18, showColumn, 0);
  const int half = (groupWidth - kInset) / 2;
  PlaceLegendWrapGroup(m_legendPage, wrap, m_controls, QStringLiteral("Col"),
                       {QStringLiteral("WrapColDesiredCount"), QStringLiteral("WrapColAutoCountEnabled"),
                        QStringLiteral("WrapColAutoCountMax"), QStringLiteral("WrapColSpacingMin"),
                        QStringLiteral("WrapColSpacingAuto")},
                       kInset, half);
  PlaceLegendWrapGroup(m_legendPage, wrap, m_controls, QStringLiteral("Row"),
                       {QStringLiteral("WrapRowDesiredCount"), QStringLiteral("WrapRowAutoCountEnabled"),
                        QStringLiteral("WrapRowAutoCountMax"), QStringLiteral("RowSpacing"),
                        QStringLiteral("WrapRowSpacingAuto")},
                       2 * kInset + half, half);
}

void TiPlotEditorForm::UpdateLegendEdit() {
  FillObjectPage(*m_legendListBox, m_legendPage);
  m_legendListBox->viewport()->update();
}

void TiPlotEditorForm::LegendChange() {
  if (ApplyObjectPage(*m_legendListBox, m_legendPage) != nullptr) UpdateAll();
}
