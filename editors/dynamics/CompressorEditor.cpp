#include "editors/dynamics/CompressorEditor.h"

#include <cstddef>

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

/// The seven parameters in kind order.
constexpr DynamicsParameterControls kCompressorParameters[7] = {
    {"isCompThreshold", "cvdCompThreshold", TypedEntryKind::Threshold},
    {"isCompAttack", "cvdCompAttack", TypedEntryKind::Time},
    {"isCompRelease", "cvdCompRelease", TypedEntryKind::Time},
    {"udCompRatio", "cvdCompRatio", TypedEntryKind::CompressorRatio},
    {"udCompKnee", "cvdCompKnee", TypedEntryKind::Knee},
    {"isCompEqFreq", "cvdCompEqFreq", TypedEntryKind::SideChainFrequency},
    {"isCompEqType", "cvdCompEqType", TypedEntryKind::SideChainEqType},
};

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

const DynamicsSection kCompressorSection{kCompressorParameters,
                                         CompressorText,
                                         SetCompressorParameter,
                                         "tmCompDisp",
                                         &DynamicsPanels::RefreshCompressorPanel,
                                         &MainWindowState::SelectedCompressorInput,
                                         false};

}  // namespace

CompressorEditor::CompressorEditor(IEditorWindow& window, DynamicsPanels& panels)
    : m_window(window), m_section(window, panels, kCompressorSection, 0) {}

void CompressorEditor::Bind() {
  ControlRegistry& controls = m_window.Controls();
  const TNotifyEvent barChanges[7] = {[this](TObject* s) { isCompThresholdInAChange(s); },
                                      [this](TObject* s) { isCompAttackInAChange(s); },
                                      [this](TObject* s) { isCompReleaseInAChange(s); },
                                      nullptr,
                                      nullptr,
                                      [this](TObject* s) { isCompEqFreqInAChange(s); },
                                      [this](TObject* s) { isCompEqTypeInAChange(s); }};
  for (int input = 0; input < 3; ++input) {
    for (int kind = 0; kind < 7; ++kind) {
      auto* bar = controls.Find<TAdvTrackBar>(QLatin1String(kCompressorParameters[kind].control), input);
      if (bar != nullptr && barChanges[kind]) {
        bar->OnChange = barChanges[kind];
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
  m_section.BindBoxes(0, 3);
  if (auto* timer = controls.Find<TTimer>(QStringLiteral("tmCompDisp"))) {
    timer->OnTimer = [this](TObject* sender) { tmCompDispTimer(sender); };
  }
}

void CompressorEditor::isCompThresholdInAChange(TObject* Sender) {
  m_section.BarChange(Sender, int(DynamicsKind::Threshold));
}

void CompressorEditor::isCompAttackInAChange(TObject* Sender) { m_section.BarChange(Sender, int(DynamicsKind::Attack)); }

void CompressorEditor::isCompReleaseInAChange(TObject* Sender) {
  m_section.BarChange(Sender, int(DynamicsKind::Release));
}

void CompressorEditor::isCompEqFreqInAChange(TObject* Sender) {
  m_section.BarChange(Sender, int(DynamicsKind::SideChainFrequency));
}

void CompressorEditor::isCompEqTypeInAChange(TObject* Sender) {
  m_section.BarChange(Sender, int(DynamicsKind::SideChainType));
}

void CompressorEditor::udCompRatioInAChangingEx(TObject* Sender, bool&, short NewValue, TUpDownDirection) {
  m_section.UpDownChange(Sender, NewValue, int(DynamicsKind::Ratio));
}

void CompressorEditor::udCompKneeInAChangingEx(TObject* Sender, bool&, short NewValue, TUpDownDirection) {
  m_section.UpDownChange(Sender, NewValue, int(DynamicsKind::Knee));
}

void CompressorEditor::SyncCompressorDisplay(int channel, int kind, int value) { m_section.Sync(channel, kind, value); }

void CompressorEditor::tmCompDispTimer(TObject* Sender) { m_section.RedrawTick(Sender); }

void CompressorEditor::cvdCompThresholdInAMouseDown(TObject* Sender, TMouseButton, TShiftState, int, int) {
  m_section.ShowChannelOf(Sender);
}

void CompressorEditor::lbCompInAMouseDown(TObject* Sender, TMouseButton, TShiftState, int, int) {
  m_section.ShowChannelOf(Sender);
}

void CompressorEditor::cvdCompThresholdInAKeyDown(TObject* Sender, WORD& Key, TShiftState) {
  m_section.EntryKeyDown(Sender, Key, int(DynamicsKind::Threshold));
}

void CompressorEditor::cvdCompThresholdInAExit(TObject* Sender) {
  m_section.Entry(Sender, int(DynamicsKind::Threshold));
}

void CompressorEditor::cvdCompAttackInAKeyDown(TObject* Sender, WORD& Key, TShiftState) {
  m_section.EntryKeyDown(Sender, Key, int(DynamicsKind::Attack));
}

void CompressorEditor::cvdCompAttackInAExit(TObject* Sender) { m_section.Entry(Sender, int(DynamicsKind::Attack)); }

void CompressorEditor::cvdCompReleaseInAKeyDown(TObject* Sender, WORD& Key, TShiftState) {
  m_section.EntryKeyDown(Sender, Key, int(DynamicsKind::Release));
}

void CompressorEditor::cvdCompReleaseInAExit(TObject* Sender) { m_section.Entry(Sender, int(DynamicsKind::Release)); }

void CompressorEditor::cvdCompRatioInAKeyDown(TObject* Sender, WORD& Key, TShiftState) {
  m_section.EntryKeyDown(Sender, Key, int(DynamicsKind::Ratio));
}

void CompressorEditor::cvdCompRatioInAExit(TObject* Sender) { m_section.Entry(Sender, int(DynamicsKind::Ratio)); }

void CompressorEditor::cvdCompKneeInAKeyDown(TObject* Sender, WORD& Key, TShiftState) {
  m_section.EntryKeyDown(Sender, Key, int(DynamicsKind::Knee));
}

void CompressorEditor::cvdCompKneeInAExit(TObject* Sender) { m_section.Entry(Sender, int(DynamicsKind::Knee)); }

void CompressorEditor::cvdCompEqFreqInAKeyDown(TObject* Sender, WORD& Key, TShiftState) {
  m_section.EntryKeyDown(Sender, Key, int(DynamicsKind::SideChainFrequency));
}

void CompressorEditor::cvdCompEqFreqInAExit(TObject* Sender) {
  m_section.Entry(Sender, int(DynamicsKind::SideChainFrequency));
}

void CompressorEditor::cvdCompEqTypeInAKeyDown(TObject* Sender, WORD& Key, TShiftState) {
  m_section.EntryKeyDown(Sender, Key, int(DynamicsKind::SideChainType));
}

void CompressorEditor::cvdCompEqTypeInAExit(TObject* Sender) {
  m_section.Entry(Sender, int(DynamicsKind::SideChainType));
}
