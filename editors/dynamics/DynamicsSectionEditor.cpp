#include "editors/dynamics/DynamicsSectionEditor.h"

#include "components/MainWindowState.h"
#include "editors/IEditorWindow.h"
#include "editors/dynamics/DynamicsDisplay.h"
#include "editors/dynamics/DynamicsPanels.h"
#include "editors/dynamics/DynamicsParameters.h"
#include "platform/threads/TTimer.h"
#include "platform/widgets/ControlRegistry.h"
#include "platform/widgets/TControl.h"
#include "platform/widgets/TUpDown.h"
#include "widgets/smooth/TCurvyEdit.h"
#include "widgets/trackbar/TAdvTrackBar.h"

const DynamicsParameterControls* DynamicsSectionEditor::ParameterOf(int kind) const {
  return kind >= 0 && kind < int(m_section.parameters.size()) ? &m_section.parameters[std::size_t(kind)] : nullptr;
}

void DynamicsSectionEditor::BindBoxes(int first, int last) {
  ControlRegistry& controls = m_window.Controls();
  for (int channel = first; channel < last; ++channel) {
    for (int kind = 0; kind < int(m_section.parameters.size()); ++kind) {
      auto* box = controls.Find<TCurvyEdit>(QLatin1String(m_section.parameters[std::size_t(kind)].box), channel);
      if (box == nullptr) {
        continue;
      }
      box->OnKeyDown = [this, kind](TObject* sender, WORD& key, TShiftState) { EntryKeyDown(sender, key, kind); };
      box->OnExit = [this, kind](TObject* sender) { Entry(sender, kind); };
      box->OnMouseDown = [this](TObject* sender, TMouseButton, TShiftState, int, int) { ShowChannelOf(sender); };
    }
  }
}

void DynamicsSectionEditor::BarChange(TObject* Sender, int kind) {
  auto* bar = dynamic_cast<TAdvTrackBar*>(Sender);
  const DynamicsParameterControls* parameter = ParameterOf(kind);
  if (m_window.State().RefreshingControls || bar == nullptr || parameter == nullptr) {
    return;
  }
  const int channel = bar->Tag();
  const int position = bar->Position();
  if (m_section.barsWriteTheirBox && kind != int(DynamicsKind::Threshold)) {
    m_window.State().*m_section.shownChannel = channel;
    auto* box = m_window.Controls().Find<TCurvyEdit>(QLatin1String(parameter->box), channel);
    if (box == nullptr) {
      return;
    }
    box->SetText(m_section.text(kind, position));
  }
  ScheduleRedraw(channel);
  m_section.store(m_window, channel, kind, position);
  Sync(channel, kind, position);
}

void DynamicsSectionEditor::UpDownChange(TObject* Sender, short NewValue, int kind) {
  auto* upDown = dynamic_cast<TUpDown*>(Sender);
  const DynamicsParameterControls* parameter = ParameterOf(kind);
  if (m_window.State().RefreshingControls || upDown == nullptr || parameter == nullptr) {
    return;
  }
  if (NewValue < upDown->Min() || NewValue > upDown->Max()) {
    return;
  }
  const int channel = upDown->Tag();
  auto* box = m_window.Controls().Find<TCurvyEdit>(QLatin1String(parameter->box), channel);
  if (box == nullptr) {
    return;
  }
  box->SetText(m_section.text(kind, NewValue));
  ScheduleRedraw(channel);
  m_section.store(m_window, channel, kind, NewValue);
  Sync(channel, kind, NewValue);
}

void DynamicsSectionEditor::ScheduleRedraw(int channel) {
  if (auto* timer = m_window.Controls().Find<TTimer>(QLatin1String(m_section.redrawTimer))) {
    timer->SetEnabled(true);
  }
  m_redrawChannel = channel;
  m_window.State().*m_section.shownChannel = channel;
}

void DynamicsSectionEditor::Sync(int channel, int kind, int value) {
  if (const DynamicsParameterControls* parameter = ParameterOf(kind)) {
    const bool upDown = kind == int(DynamicsKind::Ratio) || kind == int(DynamicsKind::Knee);
    SyncDynamicsDisplay(m_window, channel, QLatin1String(parameter->control), QLatin1String(parameter->box), value,
                        m_section.text(kind, value), upDown);
  }
}

void DynamicsSectionEditor::RedrawTick(TObject* Sender) {
  if (auto* timer = dynamic_cast<TTimer*>(Sender)) {
    timer->SetEnabled(false);
  }
  (m_panels.*m_section.refreshPanel)(m_redrawChannel);
}

void DynamicsSectionEditor::ShowChannelOf(TObject* Sender) {
  if (auto* control = dynamic_cast<TControl*>(Sender)) {
    (m_panels.*m_section.refreshPanel)(control->Tag());
  }
}

void DynamicsSectionEditor::EntryKeyDown(TObject* Sender, WORD& Key, int kind) {
  if (IsEntryKey(Key)) {
    Entry(Sender, kind);
  }
}

void DynamicsSectionEditor::Entry(TObject* Sender, int kind) {
  if (const DynamicsParameterControls* parameter = ParameterOf(kind)) {
    RunChannelEntry(m_window.Controls(), Sender, QLatin1String(parameter->control), parameter->entry);
  }
}
