// The editor page of the plot's channels: its binding table, builder, fill
// and apply. Empty stand-ins until the page's controls are built.
#include "plot/editor/TiPlotEditorForm.h"

#include "plot/editor/iPlotEditorPages.h"

const TiEditorPageTable& ChannelPageTable() {
  static const TiEditorPageTable table{.Prefix = QStringLiteral("Channel"), .Kind = TiPlotObjectKind::Channel};
  return table;
}

void TiPlotEditorForm::BuildChannelsPage(QWidget*) {}

void TiPlotEditorForm::UpdateChannelEdit() {}

void TiPlotEditorForm::ChannelChange() {}

void TiPlotEditorForm::ChannelLogActivateButtonClick() {}

void TiPlotEditorForm::ChannelLogDeactivateButtonClick() {}

void TiPlotEditorForm::ChannelLogFileNamePickerChange() {}

void TiPlotEditorForm::ChannelPropertiesOpenPickerChange() {}

void TiPlotEditorForm::ChannelPropertiesSavePickerChange() {}

void TiPlotEditorForm::ChannelDataOpenPickerChange() {}

void TiPlotEditorForm::ChannelDataSavePickerChange() {}

void TiPlotEditorForm::ChannelStatsRefreshButtonClick() {}

void TiPlotEditorForm::ClearChannelStats() {}

void TiPlotEditorForm::RefreshChannelStats() {}
