#include "editors/dynamics/CompressorEditor.h"

#include <cstddef>

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

/// The seven parameters in kind order: holding control, box and entry.
struct Parameter {
  const char* control;
  const char* box;
  TypedEntryKind entry;
};
constexpr Parameter kParameters[7] = {
    {"isCompThreshold", "cvdCompThreshold", TypedEntryKind::Threshold},
    {"isCompAttack", "cvdCompAttack", TypedEntryKind::Time},
    {"isCompRelease", "cvdCompRelease", TypedEntryKind::Time},
    {"udCompRatio", "cvdCompRatio", TypedEntryKind::CompressorRatio},
    {"udCompKnee", "cvdCompKnee", TypedEntryKind::Knee},
    {"isCompEqFreq", "cvdCompEqFreq", TypedEntryKind::SideChainFrequency},
    {"isCompEqType", "cvdCompEqType", TypedEntryKind::SideChainEqType},
};

const Parameter* ParameterOf(int kind) { return kind >= 0 && kind < 7 ? &kParameters[kind] : nullptr; }

/// The box text of a position of `kind`, as the change handlers and the
/// sync write it.
QString CompressorText(int kind, int value) {
  switch (static_cast<DynamicsKind>(kind)) {
    case DynamicsKind::Threshold: return ThresholdText(value + kThresholdOffset);
    case DynamicsKind::Attack:
    case DynamicsKind::Release: return DynamicsTimeText(value, false);
    case DynamicsKind::Ratio: return RatioText(value, false);
    case DynamicsKind::Knee: return KneeText(value);
    case DynamicsKind::SideChainFrequency: return FrequencyText(double(float(IndexToFreq(value))));
    case DynamicsKind::SideChainType:
      return value >= 0 && value < int(SideChainEqTypeNames.size())
                 ? QString::fromLatin1(SideChainEqTypeNames[std::size_t(value)])
                 : QString();
  }
  return {};
}

/// The typed-entry pair of each box, in kind order.
struct EntryHandlers {
  void (CompressorEditor::*keyDown)(TObject*, WORD&, TShiftState);
  void (CompressorEditor::*exit)(TObject*);
};
const EntryHandlers kEntryHandlers[] = {
    {&CompressorEditor::cvdCompThresholdInAKeyDown, &CompressorEditor::cvdCompThresholdInAExit},
    {&CompressorEditor::cvdCompAttackInAKeyDown, &CompressorEditor::cvdCompAttackInAExit},
    {&CompressorEditor::cvdCompReleaseInAKeyDown, &CompressorEditor::cvdCompReleaseInAExit},
    {&CompressorEditor::cvdCompRatioInAKeyDown, &CompressorEditor::cvdCompRatioInAExit},
    {&CompressorEditor::cvdCompKneeInAKeyDown, &CompressorEditor::cvdCompKneeInAExit},
    {&CompressorEditor::cvdCompEqFreqInAKeyDown, &CompressorEditor::cvdCompEqFreqInAExit},
    {&CompressorEditor::cvdCompEqTypeInAKeyDown, &CompressorEditor::cvdCompEqTypeInAExit}};

}  // namespace

void CompressorEditor::Bind() {
  ControlRegistry& controls = m_window.Controls();
  const auto mouseDown = [this](TObject* sender, TMouseButton button, TShiftState shift, int x, int y) {
    cvdCompThresholdInAMouseDown(sender, button, shift, x, y);
  };
  const TNotifyEvent barChanges[7] = {[this](TObject* s) { isCompThresholdInAChange(s); },
                                      [this](TObject* s) { isCompAttackInAChange(s); },
                                      [this](TObject* s) { isCompReleaseInAChange(s); },
                                      nullptr,
                                      nullptr,
                                      [this](TObject* s) { isCompEqFreqInAChange(s); },
                                      [this](TObject* s) { isCompEqTypeInAChange(s); }};
  for (int input = 0; input < 3; ++input) {
    for (int kind = 0; kind < 7; ++kind) {
      const Parameter& parameter = kParameters[kind];
      if (auto* bar = controls.Find<TAdvTrackBar>(QLatin1String(parameter.control), input); bar && barChanges[kind]) {
        bar->OnChange = barChanges[kind];
      }
      if (auto* box = controls.Find<TCurvyEdit>(QLatin1String(parameter.box), input)) {
        const EntryHandlers handlers = kEntryHandlers[kind];
        box->OnKeyDown = [this, handlers](TObject* sender, WORD& key, TShiftState shift) {
          (this->*handlers.keyDown)(sender, key, shift);
        };
        box->OnExit = [this, handlers](TObject* sender) { (this->*handlers.exit)(sender); };
        box->OnMouseDown = mouseDown;
      }
    }
    if (auto* ratio = controls.Find<TUpDown>(QStringLiteral("udCompRatio"), input)) {
      ratio->OnChangingEx = [this](TObject* s, bool& allow, short value, TUpDownDirection direction) {
        udCompRatioInAChangingEx(s, allow, value, direction);
      };
    }
    if (auto* knee = controls.Find<TUpDown>(QStringLiteral("udCompKnee"), input)) {
      knee->OnChangingEx = [this](TObject* s, bool& allow, short value, TUpDownDirection direction) {
        udCompKneeInAChangingEx(s, allow, value, direction);
      };
    }
    if (auto* label = controls.Find<TLabel>(QStringLiteral("lbComp"), input)) {
      label->OnMouseDown = [this](TObject* sender, TMouseButton button, TShiftState shift, int x, int y) {
        lbCompInAMouseDown(sender, button, shift, x, y);
      };
    }
  }
  if (auto* timer = controls.Find<TTimer>(QStringLiteral("tmCompDisp"))) {
    timer->OnTimer = [this](TObject* sender) { tmCompDispTimer(sender); };
  }
}

void CompressorEditor::isCompThresholdInAChange(TObject* Sender) { BarChange(Sender, int(DynamicsKind::Threshold)); }

void CompressorEditor::isCompAttackInAChange(TObject* Sender) { BarChange(Sender, int(DynamicsKind::Attack)); }

void CompressorEditor::isCompReleaseInAChange(TObject* Sender) { BarChange(Sender, int(DynamicsKind::Release)); }

void CompressorEditor::isCompEqFreqInAChange(TObject* Sender) {
  BarChange(Sender, int(DynamicsKind::SideChainFrequency));
}

void CompressorEditor::isCompEqTypeInAChange(TObject* Sender) { BarChange(Sender, int(DynamicsKind::SideChainType)); }

void CompressorEditor::udCompRatioInAChangingEx(TObject* Sender, bool&, short NewValue, TUpDownDirection) {
  UpDownChange(Sender, NewValue, int(DynamicsKind::Ratio));
}

void CompressorEditor::udCompKneeInAChangingEx(TObject* Sender, bool&, short NewValue, TUpDownDirection) {
  UpDownChange(Sender, NewValue, int(DynamicsKind::Knee));
}

void CompressorEditor::BarChange(TObject* Sender, int kind) {
  auto* bar = dynamic_cast<TAdvTrackBar*>(Sender);
  if (m_window.State().RefreshingControls || bar == nullptr) {
    return;
  }
  const int channel = bar->Tag();
  const int position = bar->Position();
  ScheduleRedraw(channel);
  SetCompressorParameter(m_window, channel, kind, position);
  SyncCompressorDisplay(channel, kind, position);
}

void CompressorEditor::UpDownChange(TObject* Sender, short NewValue, int kind) {
  auto* upDown = dynamic_cast<TUpDown*>(Sender);
  if (m_window.State().RefreshingControls || upDown == nullptr) {
    return;
  }
  if (NewValue < upDown->Min() || NewValue > upDown->Max()) {
    return;
  }
  const int channel = upDown->Tag();
  auto* box = m_window.Controls().Find<TCurvyEdit>(QLatin1String(kParameters[kind].box), channel);
  if (box == nullptr) {
    return;
  }
  box->SetText(CompressorText(kind, NewValue));
  ScheduleRedraw(channel);
  SetCompressorParameter(m_window, channel, kind, NewValue);
  SyncCompressorDisplay(channel, kind, NewValue);
}

void CompressorEditor::ScheduleRedraw(int channel) {
  if (auto* timer = m_window.Controls().Find<TTimer>(QStringLiteral("tmCompDisp"))) {
    timer->SetEnabled(true);
  }
  m_redrawChannel = channel;
  m_window.State().SelectedCompressorInput = channel;
}

void CompressorEditor::SyncCompressorDisplay(int channel, int kind, int value) {
  const Parameter* parameter = ParameterOf(kind);
  if (parameter == nullptr) {
    return;
  }
  const bool upDown = kind == int(DynamicsKind::Ratio) || kind == int(DynamicsKind::Knee);
  SyncDynamicsDisplay(m_window, channel, QLatin1String(parameter->control), QLatin1String(parameter->box), value,
                      CompressorText(kind, value), upDown);
}

void CompressorEditor::tmCompDispTimer(TObject* Sender) {
  if (auto* timer = dynamic_cast<TTimer*>(Sender)) {
    timer->SetEnabled(false);
  }
  m_panels.RefreshCompressorPanel(m_redrawChannel);
}

void CompressorEditor::cvdCompThresholdInAMouseDown(TObject* Sender, TMouseButton, TShiftState, int, int) {
  if (auto* box = dynamic_cast<TCurvyEdit*>(Sender)) {
    m_panels.RefreshCompressorPanel(box->Tag());
  }
}

void CompressorEditor::lbCompInAMouseDown(TObject* Sender, TMouseButton, TShiftState, int, int) {
  if (auto* label = dynamic_cast<TLabel*>(Sender)) {
    m_panels.RefreshCompressorPanel(label->Tag());
  }
}

void CompressorEditor::cvdCompThresholdInAKeyDown(TObject* Sender, WORD& Key, TShiftState) {
  EntryKeyDown(Sender, Key, int(DynamicsKind::Threshold));
}

void CompressorEditor::cvdCompThresholdInAExit(TObject* Sender) { Entry(Sender, int(DynamicsKind::Threshold)); }

void CompressorEditor::cvdCompAttackInAKeyDown(TObject* Sender, WORD& Key, TShiftState) {
  EntryKeyDown(Sender, Key, int(DynamicsKind::Attack));
}

void CompressorEditor::cvdCompAttackInAExit(TObject* Sender) { Entry(Sender, int(DynamicsKind::Attack)); }

void CompressorEditor::cvdCompReleaseInAKeyDown(TObject* Sender, WORD& Key, TShiftState) {
  EntryKeyDown(Sender, Key, int(DynamicsKind::Release));
}

void CompressorEditor::cvdCompReleaseInAExit(TObject* Sender) { Entry(Sender, int(DynamicsKind::Release)); }

void CompressorEditor::cvdCompRatioInAKeyDown(TObject* Sender, WORD& Key, TShiftState) {
  EntryKeyDown(Sender, Key, int(DynamicsKind::Ratio));
}

void CompressorEditor::cvdCompRatioInAExit(TObject* Sender) { Entry(Sender, int(DynamicsKind::Ratio)); }

void CompressorEditor::cvdCompKneeInAKeyDown(TObject* Sender, WORD& Key, TShiftState) {
  EntryKeyDown(Sender, Key, int(DynamicsKind::Knee));
}

void CompressorEditor::cvdCompKneeInAExit(TObject* Sender) { Entry(Sender, int(DynamicsKind::Knee)); }

void CompressorEditor::cvdCompEqFreqInAKeyDown(TObject* Sender, WORD& Key, TShiftState) {
  EntryKeyDown(Sender, Key, int(DynamicsKind::SideChainFrequency));
}

void CompressorEditor::cvdCompEqFreqInAExit(TObject* Sender) { Entry(Sender, int(DynamicsKind::SideChainFrequency)); }

void CompressorEditor::cvdCompEqTypeInAKeyDown(TObject* Sender, WORD& Key, TShiftState) {
  EntryKeyDown(Sender, Key, int(DynamicsKind::SideChainType));
}

void CompressorEditor::cvdCompEqTypeInAExit(TObject* Sender) { Entry(Sender, int(DynamicsKind::SideChainType)); }

void CompressorEditor::EntryKeyDown(TObject* Sender, WORD& Key, int kind) {
  if (IsEntryKey(Key)) {
    Entry(Sender, kind);
  }
}

void CompressorEditor::Entry(TObject* Sender, int kind) {
  if (const Parameter* parameter = ParameterOf(kind)) {
    RunChannelEntry(m_window.Controls(), Sender, QLatin1String(parameter->control), parameter->entry);
  }
}
