#include "editors/dynamics/LimiterEditor.h"

#include "components/MainWindowState.h"
#include "editors/IEditorWindow.h"
#include "editors/dynamics/DynamicsDisplay.h"
#include "editors/dynamics/DynamicsPanels.h"
#include "editors/dynamics/DynamicsParameters.h"
#include "editors/level/TypedEntryBox.h"
#include "platform/TTimer.h"
#include "platform/widgets/ControlRegistry.h"
#include "platform/widgets/TLabel.h"
#include "protocol/ParameterScales.h"
#include "widgets/smooth/TCurvyEdit.h"
#include "widgets/trackbar/TAdvTrackBar.h"

namespace {

constexpr int kThresholdOffset = 180;

/// The five parameters in kind order: holding control, box and entry.
struct Parameter {
  const char* control;
  const char* box;
  TypedEntryKind entry;
};
constexpr Parameter kParameters[5] = {
    {"isLimitThreshold", "cvdLimitThreshold", TypedEntryKind::Threshold},
    {"isLimitAttack", "cvdLimitAttack", TypedEntryKind::Time},
    {"isLimitRelease", "cvdLimitRelease", TypedEntryKind::Time},
    {"udLimitRatio", "cvdLimitRatio", TypedEntryKind::LimiterRatio},
    {"udLimitKnee", "cvdLimitKnee", TypedEntryKind::Knee},
};

const Parameter* ParameterOf(int kind) { return kind >= 0 && kind < 5 ? &kParameters[kind] : nullptr; }

QString LimiterText(int kind, int value) {
  switch (static_cast<DynamicsKind>(kind)) {
    case DynamicsKind::Threshold: return ThresholdText(value + kThresholdOffset);
    case DynamicsKind::Attack:
    case DynamicsKind::Release: return DynamicsTimeText(value, false);
    case DynamicsKind::Ratio: return RatioText(value, false);
    case DynamicsKind::Knee: return KneeText(value);
    default: return {};
  }
}

/// The typed-entry pair of each box, in kind order.
struct EntryHandlers {
  void (LimiterEditor::*keyDown)(TObject*, WORD&, TShiftState);
  void (LimiterEditor::*exit)(TObject*);
};
const EntryHandlers kEntryHandlers[] = {
    {&LimiterEditor::cvdLimitThresholdOut1KeyDown, &LimiterEditor::cvdLimitThresholdOut1Exit},
    {&LimiterEditor::cvdLimitAttackOut1KeyDown, &LimiterEditor::cvdLimitAttackOut1Exit},
    {&LimiterEditor::cvdLimitReleaseOut1KeyDown, &LimiterEditor::cvdLimitReleaseOut1Exit},
    {&LimiterEditor::cvdLimitRatioOut1KeyDown, &LimiterEditor::cvdLimitRatioOut1Exit},
    {&LimiterEditor::cvdLimitKneeOut1KeyDown, &LimiterEditor::cvdLimitKneeOut1Exit}};

}  // namespace

void LimiterEditor::Bind() {
  ControlRegistry& controls = m_window.Controls();
  const TNotifyEvent barChanges[3] = {[this](TObject* s) { isLimitThresholdOut1Change(s); },
                                      [this](TObject* s) { isLimitAttackOut1Change(s); },
                                      [this](TObject* s) { isLimitReleaseOut1Change(s); }};
  for (int output = 3; output < 9; ++output) {
    for (int kind = 0; kind < 5; ++kind) {
      const Parameter& parameter = kParameters[kind];
      if (auto* bar = controls.Find<TAdvTrackBar>(QLatin1String(parameter.control), output); bar && kind < 3) {
        bar->OnChange = barChanges[kind];
        bar->OnMouseDown = [this](TObject* sender, TMouseButton button, TShiftState shift, int x, int y) {
          isLimitThresholdOut1MouseDown(sender, button, shift, x, y);
        };
      }
      if (auto* box = controls.Find<TCurvyEdit>(QLatin1String(parameter.box), output)) {
        const EntryHandlers handlers = kEntryHandlers[kind];
        box->OnKeyDown = [this, handlers](TObject* sender, WORD& key, TShiftState shift) {
          (this->*handlers.keyDown)(sender, key, shift);
        };
        box->OnExit = [this, handlers](TObject* sender) { (this->*handlers.exit)(sender); };
        box->OnMouseDown = [this](TObject* sender, TMouseButton button, TShiftState shift, int x, int y) {
          cvdLimitThresholdOut1MouseDown(sender, button, shift, x, y);
        };
      }
    }
    if (auto* knee = controls.Find<TUpDown>(QStringLiteral("udLimitKnee"), output)) {
      knee->OnChangingEx = [this](TObject* s, bool& allow, short value, TUpDownDirection direction) {
        udLimitKneeOut1ChangingEx(s, allow, value, direction);
      };
    }
    if (auto* ratio = controls.Find<TUpDown>(QStringLiteral("udLimitRatio"), output)) {
      ratio->OnChangingEx = [this](TObject* s, bool& allow, short value, TUpDownDirection direction) {
        udLimitRatioOut1ChangingEx(s, allow, value, direction);
      };
    }
    if (auto* label = controls.Find<TLabel>(QStringLiteral("lbLimit"), output)) {
      label->OnMouseDown = [this](TObject* sender, TMouseButton button, TShiftState shift, int x, int y) {
        lbLimitOut1MouseDown(sender, button, shift, x, y);
      };
    }
  }
  if (auto* timer = controls.Find<TTimer>(QStringLiteral("tmLimitDisp"))) {
    timer->OnTimer = [this](TObject* sender) { tmLimitDispTimer(sender); };
  }
}

void LimiterEditor::isLimitThresholdOut1Change(TObject* Sender) { BarChange(Sender, int(DynamicsKind::Threshold)); }

void LimiterEditor::isLimitAttackOut1Change(TObject* Sender) { BarChange(Sender, int(DynamicsKind::Attack)); }

void LimiterEditor::isLimitReleaseOut1Change(TObject* Sender) { BarChange(Sender, int(DynamicsKind::Release)); }

void LimiterEditor::udLimitKneeOut1ChangingEx(TObject* Sender, bool&, short NewValue, TUpDownDirection) {
  UpDownChange(Sender, NewValue, int(DynamicsKind::Knee));
}

void LimiterEditor::udLimitRatioOut1ChangingEx(TObject* Sender, bool&, short NewValue, TUpDownDirection) {
  UpDownChange(Sender, NewValue, int(DynamicsKind::Ratio));
}

// The threshold's own box is written by the sync, which includes the
// edited output for the track-bar kinds.
void LimiterEditor::BarChange(TObject* Sender, int kind) {
  auto* bar = dynamic_cast<TAdvTrackBar*>(Sender);
  if (m_window.State().RefreshingControls || bar == nullptr) {
    return;
  }
  const int channel = bar->Tag();
  const int position = bar->Position();
  if (kind != int(DynamicsKind::Threshold)) {
    m_window.State().SelectedLimiterOutput = channel;
    auto* box = m_window.Controls().Find<TCurvyEdit>(QLatin1String(kParameters[kind].box), channel);
    if (box == nullptr) {
      return;
    }
    box->SetText(LimiterText(kind, position));
  }
  ScheduleRedraw(channel);
  SetLimiterParameter(m_window, channel, kind, position);
  SyncLimiterDisplay(channel, kind, position);
}

void LimiterEditor::UpDownChange(TObject* Sender, short NewValue, int kind) {
  auto* upDown = dynamic_cast<TUpDown*>(Sender);
  if (m_window.State().RefreshingControls || upDown == nullptr) {
    return;
  }
  if (NewValue < upDown->Min() || NewValue > upDown->Max()) {
    return;
  }
  const int channel = upDown->Tag();
  m_window.State().SelectedLimiterOutput = channel;
  auto* box = m_window.Controls().Find<TCurvyEdit>(QLatin1String(kParameters[kind].box), channel);
  if (box == nullptr) {
    return;
  }
  box->SetText(LimiterText(kind, NewValue));
  ScheduleRedraw(channel);
  SetLimiterParameter(m_window, channel, kind, NewValue);
  SyncLimiterDisplay(channel, kind, NewValue);
}

void LimiterEditor::ScheduleRedraw(int channel) {
  if (auto* timer = m_window.Controls().Find<TTimer>(QStringLiteral("tmLimitDisp"))) {
    timer->SetEnabled(true);
  }
  m_redrawChannel = channel;
  m_window.State().SelectedLimiterOutput = channel;
}

void LimiterEditor::SyncLimiterDisplay(int channel, int kind, int value) {
  if (const Parameter* parameter = ParameterOf(kind)) {
    const bool upDown = kind == int(DynamicsKind::Ratio) || kind == int(DynamicsKind::Knee);
    SyncDynamicsDisplay(m_window, channel, QLatin1String(parameter->control), QLatin1String(parameter->box), value,
                        LimiterText(kind, value), upDown);
  }
}

void LimiterEditor::tmLimitDispTimer(TObject* Sender) {
  if (auto* timer = dynamic_cast<TTimer*>(Sender)) {
    timer->SetEnabled(false);
  }
  m_panels.RefreshLimiterPanel(m_redrawChannel);
}

void LimiterEditor::cvdLimitThresholdOut1MouseDown(TObject* Sender, TMouseButton, TShiftState, int, int) {
  if (auto* box = dynamic_cast<TCurvyEdit*>(Sender)) {
    m_panels.RefreshLimiterPanel(box->Tag());
  }
}

void LimiterEditor::isLimitThresholdOut1MouseDown(TObject* Sender, TMouseButton, TShiftState, int, int) {
  if (auto* bar = dynamic_cast<TAdvTrackBar*>(Sender)) {
    m_panels.RefreshLimiterPanel(bar->Tag());
  }
}

void LimiterEditor::lbLimitOut1MouseDown(TObject* Sender, TMouseButton, TShiftState, int, int) {
  if (auto* label = dynamic_cast<TLabel*>(Sender)) {
    m_panels.RefreshLimiterPanel(label->Tag());
  }
}

void LimiterEditor::cvdLimitThresholdOut1KeyDown(TObject* Sender, WORD& Key, TShiftState) {
  EntryKeyDown(Sender, Key, int(DynamicsKind::Threshold));
}

void LimiterEditor::cvdLimitThresholdOut1Exit(TObject* Sender) { Entry(Sender, int(DynamicsKind::Threshold)); }

void LimiterEditor::cvdLimitAttackOut1KeyDown(TObject* Sender, WORD& Key, TShiftState) {
  EntryKeyDown(Sender, Key, int(DynamicsKind::Attack));
}

void LimiterEditor::cvdLimitAttackOut1Exit(TObject* Sender) { Entry(Sender, int(DynamicsKind::Attack)); }

void LimiterEditor::cvdLimitReleaseOut1KeyDown(TObject* Sender, WORD& Key, TShiftState) {
  EntryKeyDown(Sender, Key, int(DynamicsKind::Release));
}

void LimiterEditor::cvdLimitReleaseOut1Exit(TObject* Sender) { Entry(Sender, int(DynamicsKind::Release)); }

void LimiterEditor::cvdLimitRatioOut1KeyDown(TObject* Sender, WORD& Key, TShiftState) {
  EntryKeyDown(Sender, Key, int(DynamicsKind::Ratio));
}

void LimiterEditor::cvdLimitRatioOut1Exit(TObject* Sender) { Entry(Sender, int(DynamicsKind::Ratio)); }

void LimiterEditor::cvdLimitKneeOut1KeyDown(TObject* Sender, WORD& Key, TShiftState) {
  EntryKeyDown(Sender, Key, int(DynamicsKind::Knee));
}

void LimiterEditor::cvdLimitKneeOut1Exit(TObject* Sender) { Entry(Sender, int(DynamicsKind::Knee)); }

void LimiterEditor::EntryKeyDown(TObject* Sender, WORD& Key, int kind) {
  if (IsEntryKey(Key)) {
    Entry(Sender, kind);
  }
}

void LimiterEditor::Entry(TObject* Sender, int kind) {
  if (const Parameter* parameter = ParameterOf(kind)) {
    RunChannelEntry(m_window.Controls(), Sender, QLatin1String(parameter->control), parameter->entry);
  }
}
