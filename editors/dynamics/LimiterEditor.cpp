#include "editors/dynamics/LimiterEditor.h"

#include "components/MainWindowState.h"
#include "editors/IEditorWindow.h"
#include "editors/dynamics/DynamicsPanels.h"
#include "editors/dynamics/DynamicsParameters.h"
#include "platform/threads/TTimer.h"
#include "platform/widgets/ControlRegistry.h"
#include "platform/widgets/TLabel.h"
#include "protocol/ParameterScales.h"
#include "widgets/trackbar/TAdvTrackBar.h"

namespace {

/// The five parameters in kind order.
constexpr DynamicsParameterControls kLimiterParameters[5] = {
    {"isLimitThreshold", "cvdLimitThreshold", TypedEntryKind::Threshold},
    {"isLimitAttack", "cvdLimitAttack", TypedEntryKind::Time},
    {"isLimitRelease", "cvdLimitRelease", TypedEntryKind::Time},
    {"udLimitRatio", "cvdLimitRatio", TypedEntryKind::LimiterRatio},
    {"udLimitKnee", "cvdLimitKnee", TypedEntryKind::Knee},
};

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

const DynamicsSection kLimiterSection{kLimiterParameters,
                                      LimiterText,
                                      SetLimiterParameter,
                                      "tmLimitDisp",
                                      &DynamicsPanels::RefreshLimiterPanel,
                                      &MainWindowState::SelectedLimiterOutput,
                                      true};

}  // namespace

LimiterEditor::LimiterEditor(IEditorWindow& window, DynamicsPanels& panels)
    : m_window(window), m_section(window, panels, kLimiterSection, 3) {}

void LimiterEditor::Bind() {
  ControlRegistry& controls = m_window.Controls();
  const TNotifyEvent barChanges[3] = {[this](TObject* s) { isLimitThresholdOut1Change(s); },
                                      [this](TObject* s) { isLimitAttackOut1Change(s); },
                                      [this](TObject* s) { isLimitReleaseOut1Change(s); }};
  for (int output = 3; output < 9; ++output) {
    for (int kind = 0; kind < 3; ++kind) {
      if (auto* bar = controls.Find<TAdvTrackBar>(QLatin1String(kLimiterParameters[kind].control), output)) {
        bar->OnChange = barChanges[kind];
        bar->OnMouseDown = [this](TObject* sender, TMouseButton button, TShiftState shift, int x, int y) {
          isLimitThresholdOut1MouseDown(sender, button, shift, x, y);
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
  m_section.BindBoxes(3, 9);
  if (auto* timer = controls.Find<TTimer>(QStringLiteral("tmLimitDisp"))) {
    timer->OnTimer = [this](TObject* sender) { tmLimitDispTimer(sender); };
  }
}

void LimiterEditor::isLimitThresholdOut1Change(TObject* Sender) {
  m_section.BarChange(Sender, int(DynamicsKind::Threshold));
}

void LimiterEditor::isLimitAttackOut1Change(TObject* Sender) { m_section.BarChange(Sender, int(DynamicsKind::Attack)); }

void LimiterEditor::isLimitReleaseOut1Change(TObject* Sender) {
  m_section.BarChange(Sender, int(DynamicsKind::Release));
}

void LimiterEditor::udLimitKneeOut1ChangingEx(TObject* Sender, bool&, short NewValue, TUpDownDirection) {
  m_section.UpDownChange(Sender, NewValue, int(DynamicsKind::Knee));
}

void LimiterEditor::udLimitRatioOut1ChangingEx(TObject* Sender, bool&, short NewValue, TUpDownDirection) {
  m_section.UpDownChange(Sender, NewValue, int(DynamicsKind::Ratio));
}

void LimiterEditor::SyncLimiterDisplay(int channel, int kind, int value) { m_section.Sync(channel, kind, value); }

void LimiterEditor::tmLimitDispTimer(TObject* Sender) { m_section.RedrawTick(Sender); }

void LimiterEditor::cvdLimitThresholdOut1MouseDown(TObject* Sender, TMouseButton, TShiftState, int, int) {
  m_section.ShowChannelOf(Sender);
}

void LimiterEditor::isLimitThresholdOut1MouseDown(TObject* Sender, TMouseButton, TShiftState, int, int) {
  m_section.ShowChannelOf(Sender);
}

void LimiterEditor::lbLimitOut1MouseDown(TObject* Sender, TMouseButton, TShiftState, int, int) {
  m_section.ShowChannelOf(Sender);
}

void LimiterEditor::cvdLimitThresholdOut1KeyDown(TObject* Sender, WORD& Key, TShiftState) {
  m_section.EntryKeyDown(Sender, Key, int(DynamicsKind::Threshold));
}

void LimiterEditor::cvdLimitThresholdOut1Exit(TObject* Sender) {
  m_section.Entry(Sender, int(DynamicsKind::Threshold));
}

void LimiterEditor::cvdLimitAttackOut1KeyDown(TObject* Sender, WORD& Key, TShiftState) {
  m_section.EntryKeyDown(Sender, Key, int(DynamicsKind::Attack));
}

void LimiterEditor::cvdLimitAttackOut1Exit(TObject* Sender) { m_section.Entry(Sender, int(DynamicsKind::Attack)); }

void LimiterEditor::cvdLimitReleaseOut1KeyDown(TObject* Sender, WORD& Key, TShiftState) {
  m_section.EntryKeyDown(Sender, Key, int(DynamicsKind::Release));
}

void LimiterEditor::cvdLimitReleaseOut1Exit(TObject* Sender) { m_section.Entry(Sender, int(DynamicsKind::Release)); }

void LimiterEditor::cvdLimitRatioOut1KeyDown(TObject* Sender, WORD& Key, TShiftState) {
  m_section.EntryKeyDown(Sender, Key, int(DynamicsKind::Ratio));
}

void LimiterEditor::cvdLimitRatioOut1Exit(TObject* Sender) { m_section.Entry(Sender, int(DynamicsKind::Ratio)); }

void LimiterEditor::cvdLimitKneeOut1KeyDown(TObject* Sender, WORD& Key, TShiftState) {
  m_section.EntryKeyDown(Sender, Key, int(DynamicsKind::Knee));
}

void LimiterEditor::cvdLimitKneeOut1Exit(TObject* Sender) { m_section.Entry(Sender, int(DynamicsKind::Knee)); }
