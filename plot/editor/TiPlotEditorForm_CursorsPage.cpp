// The Cursors page: the plot's data cursors with their style, pointers,
// hint and measured channel.
#include "plot/editor/TiPlotEditorForm.h"

#include "plot/core/TiPlotMasterManager.h"
#include "plot/editor/TiComponentEditorListBox.h"
#include "plot/editor/TiComponentEditorRadioGroup.h"
#include "plot/editor/TiEditorRow.h"
#include "plot/editor/iPlotEditorPages.h"
#include "plot/editor/iPlotEditorPlacement.h"

namespace {

TiEditorBinding DataCursorRow(const char* subPage, const char* caption, TiEditorWidget widget, const char* property) {
  TiEditorRow row(subPage, caption, widget, property);
  // The flow's columns would clip the pointer captions.
  if (QLatin1String(subPage) == QLatin1String("General")) row.Manual();
  return row;
}

}  // namespace

const TiEditorPageTable& DataCursorPageTable() {
  static const TiEditorPageTable table = [] {
    using W = TiEditorWidget;
    TiEditorPageTable t;
    t.Prefix = QStringLiteral("DataCursor");
    t.Kind = TiPlotObjectKind::DataCursor;
    t.PageControlName = QStringLiteral("DataCursorPageControl");
    t.SubPages = {QStringLiteral("General"), QStringLiteral("Channel"), QStringLiteral("Hint")};
    auto& r = t.Rows;
    r.push_back(DataCursorRow("General", "Name", W::Edit, "Name"));
    r.push_back(DataCursorRow("General", "Popup Enabled", W::CheckBox, "PopupEnabled"));
    r.push_back(DataCursorRow("General", "Snap To Data Point", W::CheckBox, "SnapToDataPoint"));
    TiEditorBinding style = DataCursorRow("General", "Style", W::ComboBox, "Style");
    style.Items = {QStringLiteral("Value XY"), QStringLiteral("Value X"), QStringLiteral("Value Y"),
                   QStringLiteral("Delta X"),  QStringLiteral("Delta Y"), QStringLiteral("Inverse Delta X")};
    r.push_back(style);
    r.push_back(DataCursorRow("General", "Color", W::ColorPicker, "Color"));
    r.push_back(DataCursorRow("General", "Use Channel Color", W::CheckBox, "UseChannelColor"));
    r.push_back(DataCursorRow("Hint", "Position", W::Edit, "HintPosition"));
    r.push_back(DataCursorRow("Hint", "Show", W::CheckBox, "HintShow"));
    r.push_back(DataCursorRow("Hint", "Hide On Release", W::CheckBox, "HintHideOnRelease"));
    TiEditorBinding side = DataCursorRow("Hint", "Orientation Side", W::RadioGroup, "HintOrientationSide");
    side.Items = {QStringLiteral("Bottom-Right"), QStringLiteral("Top-Left")};
    r.push_back(side);
    r.push_back(DataCursorRow("General", "Pointer 1 Position", W::Edit, "Pointer1Position"));
    r.push_back(DataCursorRow("General", "Pointer 2 Position", W::Edit, "Pointer2Position"));
    TiEditorBinding penWidth = DataCursorRow("General", "Pointer Pen Width", W::SpinEdit, "PointerPenWidth");
    penWidth.SpinMin = 1;
    penWidth.SpinMax = 50;
    r.push_back(penWidth);
    TiEditorBinding channel = DataCursorRow("Channel", "Name", W::NameComboBox, "ChannelName");
    channel.NameList = TiEditorNameList::DataCursorChannels;
    r.push_back(channel);
    r.push_back(DataCursorRow("Channel", "Allow All", W::CheckBox, "ChannelAllowAll"));
    r.push_back(DataCursorRow("Channel", "Show All In Legend", W::CheckBox, "ChannelShowAllInLegend"));
    r.push_back(DataCursorRow("General", "Font", W::FontPicker, "Font"));
    return t;
  }();
  return table;
}

void TiPlotEditorForm::BuildCursorsPage(QWidget* page) {
  m_dataCursorPage = BuildObjectPage(page, true, DataCursorPageTable(), [this] { DataCursorChange(); },
                                     [this] { UpdateDataCursorEdit(); });
  if (QWidget* general = SubPageOf(m_dataCursorPage, QStringLiteral("General"))) {
    constexpr int kInset = 6;
    const int column = (SubPageWidth(m_dataCursorPage) - 3 * kInset) / 2;
    PlaceBoundColumn(m_dataCursorPage,
                     {QStringLiteral("Name"), QStringLiteral("Style"), QStringLiteral("Color"),
                      QStringLiteral("Pointer1Position"), QStringLiteral("Pointer2Position"),
                      QStringLiteral("PointerPenWidth"), QStringLiteral("Font")},
                     general, kInset, kInset, column, 110);
    PlaceBoundColumn(m_dataCursorPage,
                     {QStringLiteral("PopupEnabled"), QStringLiteral("SnapToDataPoint"),
                      QStringLiteral("UseChannelColor")},
                     general, 2 * kInset + column, kInset, column, 0);
  }
  // The hint side applies on a click rather than on every change of its
  // selection.
  if (auto* side = Control<TiComponentEditorRadioGroup>(QStringLiteral("DataCursorHintOrientationSideRadioGroup"))) {
    side->OnClick = side->OnChange;
    side->OnChange = nullptr;
  }
}

void TiPlotEditorForm::UpdateDataCursorEdit() {
  if (TiPlotObject* cursor = FillObjectPage(*m_dataCursorListBox, m_dataCursorPage)) {
    FillSpecialNames(m_dataCursorPage, *cursor, m_master->TranslationManager());
  }
}

void TiPlotEditorForm::DataCursorChange() {
  TiPlotObject* cursor = ApplyObjectPage(*m_dataCursorListBox, m_dataCursorPage);
  if (cursor == nullptr) return;
  ApplySpecialNames(m_dataCursorPage, *cursor, m_master->TranslationManager());
  UpdateDataCursorEdit();
  m_dataCursorListBox->viewport()->update();
}
