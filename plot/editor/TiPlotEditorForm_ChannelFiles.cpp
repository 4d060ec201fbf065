// The Channels page's "File I/O" and "Stats" sub-pages: the selected
// channel's configuration and data files, its log, and its statistics.
#include "plot/editor/TiPlotEditorForm.h"

#include <type_traits>

#include "platform/widgets/TLabel.h"
#include "plot/base/iPropertyText.h"
#include "plot/channels/TiPlotChannelCustom.h"
#include "plot/editor/TiComponentEditorButton.h"
#include "plot/editor/TiComponentEditorEdit.h"
#include "plot/editor/TiComponentEditorListBox.h"
#include "plot/editor/TiComponentEditorOpenPicker.h"
#include "plot/editor/TiComponentEditorSavePicker.h"
#include "plot/editor/TiEditorRowPlacer.h"
#include "plot/editor/iHandlerError.h"
#include "plot/editor/iPlotEditorChannelPage.h"
#include "plot/objects/TiPlotXAxis.h"
#include "plot/objects/TiPlotYAxis.h"

namespace {

constexpr int kChannelFileButtonWidth = 58;
constexpr int kChannelFileButtonHeight = 25;
const QString kChannelConfigFilter = QStringLiteral("Config (*.cfg)|*.cfg|All Files (*.*)|*.*");
const QString kChannelDataFilter = QStringLiteral("Data (*.dat)|*.dat|All Files (*.*)|*.*");
const QString kChannelLogFilter = QStringLiteral("Log (*.log)|*.log|All Files (*.*)|*.*");

/// The statistics in the order shown: the key naming their labels, the caption.
struct ChannelStat {
  const char* Key;
  const char* Caption;
};
constexpr ChannelStat kChannelStats[] = {{"PointCount", "Point Count"},
                                         {"PointCapacity", "Point Capacity"},
                                         {"MemoryUsed", "Memory Used"},
                                         {"DataPointSize", "Data Point Size"},
                                         {"MaxDataPoints", "Max Data Points"},
                                         {"XMin", "X-Min"},
                                         {"XMax", "X-Max"},
                                         {"XMean", "X-Mean"},
                                         {"YMin", "Y-Min"},
                                         {"YMax", "Y-Max"},
                                         {"YMean", "Y-Mean"}};
/// The statistics of the left column; the others stand on the right.
constexpr int kChannelStatsLeft = 5;

TiPlotChannelCustom* SelectedChannel(const TiPlotEditorForm& form) {
  return dynamic_cast<TiPlotChannelCustom*>(TiPlotEditorForm::SelectedObject(form.ChannelListBox()));
}

TLabel* ChannelStatLabel(const TiPlotEditorForm& form, int index) {
  return form.Control<TLabel>(ChannelStatValueLabelName(index));
}

void SetChannelStat(const TiPlotEditorForm& form, int index, const QString& text) {
  if (TLabel* label = ChannelStatLabel(form, index)) label->SetCaption(text);
}

template <class Button>
Button* ChannelFileButton(TiPlotEditorForm& form, Button* button, const char* name, const char* caption, int left,
                          int top, int width, const std::function<void()>& handler) {
  button->SetName(QString::fromLatin1(name));
  button->SetCaption(QString::fromLatin1(caption));
  button->SetBounds(left, top, width, kChannelFileButtonHeight);
  auto run = [&form, handler](TObject*) { RunShowingErrors(&form, handler); };
  if constexpr (std::is_base_of_v<TiComponentEditorFilePicker, Button>) {
    button->OnChange = run;
  } else {
    button->OnClick = run;
  }
  form.Controls().Register(button->Name(), button);
  return button;
}

template <class Picker>
void ChannelFilePicker(TiPlotEditorForm& form, QWidget* group, const char* name, const char* caption, int left,
                       const QString& filter, const char* extension, const std::function<void()>& handler) {
  Picker* picker =
      ChannelFileButton(form, new Picker(group), name, caption, left, 20, kChannelFileButtonWidth, handler);
  picker->SetFilter(filter);
  picker->SetDefaultExt(QString::fromLatin1(extension));
}

}  // namespace

QString ChannelStatValueLabelName(int index) {
  return QStringLiteral("ChannelStats") + QLatin1String(kChannelStats[index].Key) + QStringLiteral("ValueLabel");
}

int ChannelStatCount() { return int(std::size(kChannelStats)); }

void BuildChannelFileControls(TiPlotEditorForm& form, TiEditorRowPlacer& placer, QWidget* fileIo, QWidget* stats) {
  using F = TiPlotEditorForm;
  auto handler = [&form](void (F::*member)()) { return [&form, member] { (form.*member)(); }; };
  const int groupWidth = 2 * kChannelFileButtonWidth + 22;
  QWidget* properties = placer.Group(fileIo, QStringLiteral("Properties"), 6, 4, groupWidth, 54);
  ChannelFilePicker<TiComponentEditorOpenPicker>(form, properties, "ChannelPropertiesOpenPicker", "Load", 8,
                                                 kChannelConfigFilter, "cfg",
                                                 handler(&F::ChannelPropertiesOpenPickerChange));
  ChannelFilePicker<TiComponentEditorSavePicker>(form, properties, "ChannelPropertiesSavePicker", "Save",
                                                 14 + kChannelFileButtonWidth, kChannelConfigFilter, "cfg",
                                                 handler(&F::ChannelPropertiesSavePickerChange));
  QWidget* data = placer.Group(fileIo, QStringLiteral("Data"), 12 + groupWidth, 4, groupWidth, 54);
  ChannelFilePicker<TiComponentEditorOpenPicker>(form, data, "ChannelDataOpenPicker", "Load", 8, kChannelDataFilter,
                                                 "dat", handler(&F::ChannelDataOpenPickerChange));
  ChannelFilePicker<TiComponentEditorSavePicker>(form, data, "ChannelDataSavePicker", "Save",
                                                 14 + kChannelFileButtonWidth, kChannelDataFilter, "dat",
                                                 handler(&F::ChannelDataSavePickerChange));
  QWidget* log = placer.Group(fileIo, QStringLiteral("Log"), 6, 64, kEditorSubPageWidth - 12, 84);
  placer.Place(QStringLiteral("LogFileName"), 8, 20, 72, log->width() - 8 - 72 - 8 - 23);
  placer.Place(QStringLiteral("LogBufferSize"), 8, 50, 72, 70);
  auto* logFile = ChannelFileButton(form, new TiComponentEditorOpenPicker(log), "ChannelLogFileNamePicker", "...",
                                    log->width() - 8 - 21, 20, 21, handler(&F::ChannelLogFileNamePickerChange));
  logFile->setFixedHeight(21);
  logFile->SetFilter(kChannelLogFilter);
  logFile->SetDefaultExt(QStringLiteral("log"));
  ChannelFileButton(form, new TiComponentEditorButton(log), "ChannelLogActivateButton", "Activate", 170, 48, 75,
                    handler(&F::ChannelLogActivateButtonClick));
  ChannelFileButton(form, new TiComponentEditorButton(log), "ChannelLogDeactivateButton", "Deactivate", 250, 48, 75,
                    handler(&F::ChannelLogDeactivateButtonClick));

  for (int i = 0; i < ChannelStatCount(); ++i) {
    const bool left = i < kChannelStatsLeft;
    const int row = left ? i : i - kChannelStatsLeft;
    const int x = left ? 8 : 216;
    auto* caption = new TLabel(stats);
    caption->setObjectName(QStringLiteral("ChannelStats") + QLatin1String(kChannelStats[i].Key) +
                           QStringLiteral("CaptionLabel"));
    caption->SetCaption(QString::fromLatin1(kChannelStats[i].Caption));
    caption->SetTransparent(true);
    caption->SetBounds(x, 8 + 20 * row, left ? 92 : 46, 17);
    auto* value = new TLabel(stats);
    value->SetName(ChannelStatValueLabelName(i));
    value->SetAutoSize(false);
    value->SetTransparent(true);
    value->SetCaption(QStringLiteral("Click Refresh"));
    value->SetBounds(x + (left ? 96 : 48), 8 + 20 * row, left ? 104 : kEditorSubPageWidth - x - 52, 17);
    form.Controls().Register(value->Name(), value);
  }
  ChannelFileButton(form, new TiComponentEditorButton(stats), "ChannelStatsRefreshButton", "Refresh", 8,
                    8 + 20 * kChannelStatsLeft + 8, 75, handler(&F::ChannelStatsRefreshButtonClick));
}

void SetChannelLogControls(const TiPlotEditorForm& form, const TiPlotChannelCustom* channel) {
  if (channel == nullptr) return;
  const bool logging = channel->LoggingActive();
  if (auto* edit = form.Control<TiComponentEditorEdit>(QStringLiteral("ChannelLogFileNameEdit"))) {
    logging ? edit->DisableNoClear() : edit->Enable();
  }
  if (auto* picker = form.Control<TiComponentEditorOpenPicker>(QStringLiteral("ChannelLogFileNamePicker"))) {
    picker->SetEnabled(!logging);
  }
  if (auto* activate = form.Control<TiComponentEditorButton>(QStringLiteral("ChannelLogActivateButton"))) {
    activate->SetEnabled(!logging);
  }
  if (auto* deactivate = form.Control<TiComponentEditorButton>(QStringLiteral("ChannelLogDeactivateButton"))) {
    deactivate->SetEnabled(logging);
  }
}

void TiPlotEditorForm::ChannelLogActivateButtonClick() {
  if (TiPlotChannelCustom* channel = SelectedChannel(*this)) {
    channel->LogActivate(false);
    UpdateChannelEdit();
  }
}

void TiPlotEditorForm::ChannelLogDeactivateButtonClick() {
  if (TiPlotChannelCustom* channel = SelectedChannel(*this)) {
    channel->LogDeactivate();
    UpdateChannelEdit();
  }
}

void TiPlotEditorForm::ChannelLogFileNamePickerChange() {
  auto* picker = Control<TiComponentEditorOpenPicker>(QStringLiteral("ChannelLogFileNamePicker"));
  Control<TiComponentEditorEdit>(QStringLiteral("ChannelLogFileNameEdit"))->SetAsString(picker->FileName());
  ChannelChange();
}

void TiPlotEditorForm::ChannelPropertiesOpenPickerChange() {
  if (TiPlotChannelCustom* channel = SelectedChannel(*this)) {
    channel->LoadPropertiesFromFile(
        Control<TiComponentEditorOpenPicker>(QStringLiteral("ChannelPropertiesOpenPicker"))->FileName());
    m_channelListBox->viewport()->update();
  }
}

void TiPlotEditorForm::ChannelPropertiesSavePickerChange() {
  if (TiPlotChannelCustom* channel = SelectedChannel(*this)) {
    channel->SavePropertiesToFile(
        Control<TiComponentEditorSavePicker>(QStringLiteral("ChannelPropertiesSavePicker"))->FileName());
  }
}

void TiPlotEditorForm::ChannelDataOpenPickerChange() {
  if (TiPlotChannelCustom* channel = SelectedChannel(*this)) {
    channel->LoadDataFromFile(Control<TiComponentEditorOpenPicker>(QStringLiteral("ChannelDataOpenPicker"))->FileName(),
                              true);
  }
}

void TiPlotEditorForm::ChannelDataSavePickerChange() {
  if (TiPlotChannelCustom* channel = SelectedChannel(*this)) {
    channel->SaveDataToFile(Control<TiComponentEditorSavePicker>(QStringLiteral("ChannelDataSavePicker"))->FileName());
  }
}

void TiPlotEditorForm::ChannelStatsRefreshButtonClick() { RefreshChannelStats(); }

void TiPlotEditorForm::ClearChannelStats() {
  const QString text = SelectedChannel(*this) != nullptr ? QStringLiteral("Click Refresh") : QString();
  for (int i = 0; i < ChannelStatCount(); ++i) SetChannelStat(*this, i, text);
}

void TiPlotEditorForm::RefreshChannelStats() {
  TiPlotChannelCustom* channel = SelectedChannel(*this);
  if (channel == nullptr) {
    ClearChannelStats();
    return;
  }
  const QString bytes = QStringLiteral(" Bytes");
  channel->ReCalcRunningMinMaxMean();
  TiPlotXAxis* x = channel->XAxis();
  TiPlotYAxis* y = channel->YAxis();
  // A date-time axis shows its values as dates; without an axis the plain number.
  auto xText = [x](double v) { return x != nullptr ? x->GetLabelText(v) : FloatToText(v); };
  auto yText = [y](double v) { return y != nullptr ? y->GetLabelText(v) : FloatToText(v); };
  const QString values[] = {QString::number(channel->Count()),
                            QString::number(channel->Capacity()),
                            QString::number(channel->MemoryUsed()) + bytes,
                            QString::number(channel->DataPointSize()) + bytes,
                            QString::number(channel->MaxDataPoints()),
                            xText(channel->RunningXMin()),
                            xText(channel->RunningXMax()),
                            xText(channel->RunningXMean()),
                            yText(channel->RunningYMin()),
                            yText(channel->RunningYMax()),
                            yText(channel->RunningYMean())};
  for (int i = 0; i < ChannelStatCount(); ++i) SetChannelStat(*this, i, values[i]);
}
