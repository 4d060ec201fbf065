#include "editors/dynamics/GateEditor.h"

#include "components/MainWindowState.h"
#include "editors/IEditorWindow.h"
#include "editors/dynamics/DynamicsDisplay.h"
#include "editors/dynamics/DynamicsPanels.h"
#include "editors/dynamics/DynamicsParameters.h"
#include "editors/level/TypedEntryBox.h"
#include "platform/widgets/ControlRegistry.h"
#include "platform/widgets/TLabel.h"
#include "protocol/ParameterScales.h"
#include "widgets/smooth/TCurvyEdit.h"
#include "widgets/trackbar/TAdvTrackBar.h"

namespace {

/// The four parameters in kind order: track bar, box and entry.
struct Parameter {
  const char* bar;
  const char* box;
  TypedEntryKind entry;
};
constexpr Parameter kParameters[4] = {
    {"isGateThreshold", "cvdGateThreshold", TypedEntryKind::Threshold},
    {"isGateAttack", "cvdGateAttack", TypedEntryKind::Time},
    {"isGateRelease", "cvdGateRelease", TypedEntryKind::Time},
    {"isGateRatio", "cvdGateRatio", TypedEntryKind::GateRatio},
};

const Parameter* ParameterOf(int kind) { return kind >= 0 && kind < 4 ? &kParameters[kind] : nullptr; }

/// The typed threshold and ratio are judged over the whole range of their
/// values (-90 .. +20 dB, ratio index 0 .. 16): the bars stop at 0 dB and
/// index 15, and a value beyond that still moves them, so it is stored
/// and sent even when the bar already stood at its end.
struct EntryRange {
  int min;
  int max;
};
constexpr EntryRange kEntryRanges[4] = {{-180, 40}, {0, 998}, {9, 2999}, {0, 16}};

QString GateText(int kind, int value) {
  switch (static_cast<DynamicsKind>(kind)) {
    case DynamicsKind::Threshold: return ThresholdText(value + kThresholdOffset);
    case DynamicsKind::Attack:
    case DynamicsKind::Release: return DynamicsTimeText(value, true);
    case DynamicsKind::Ratio: return RatioText(value, true);
    default: return {};
  }
}

/// The typed-entry pair of each box, in kind order.
struct EntryHandlers {
  void (GateEditor::*keyDown)(TObject*, WORD&, TShiftState);
  void (GateEditor::*exit)(TObject*);
};
const EntryHandlers kEntryHandlers[] = {{&GateEditor::cvdGateThresholdInAKeyDown, &GateEditor::cvdGateThresholdInAExit},
                                        {&GateEditor::cvdGateAttackInAKeyDown, &GateEditor::cvdGateAttackInAExit},
                                        {&GateEditor::cvdGateReleaseInAKeyDown, &GateEditor::cvdGateReleaseInAExit},
                                        {&GateEditor::cvdGateRatioInAKeyDown, &GateEditor::cvdGateRatioInAExit}};

}  // namespace

void GateEditor::Bind() {
  ControlRegistry& controls = m_window.Controls();
  const TNotifyEvent changes[4] = {
      [this](TObject* s) { isGateThresholdInAChange(s); }, [this](TObject* s) { isGateAttackInAChange(s); },
      [this](TObject* s) { isGateReleaseInAChange(s); }, [this](TObject* s) { isGateRatioInAChange(s); }};
  for (int input = 0; input < 3; ++input) {
    for (int kind = 0; kind < 4; ++kind) {
      if (auto* bar = controls.Find<TAdvTrackBar>(QLatin1String(kParameters[kind].bar), input)) {
        bar->OnChange = changes[kind];
      }
      if (auto* box = controls.Find<TCurvyEdit>(QLatin1String(kParameters[kind].box), input)) {
        const EntryHandlers handlers = kEntryHandlers[kind];
        box->OnKeyDown = [this, handlers](TObject* sender, WORD& key, TShiftState shift) {
          (this->*handlers.keyDown)(sender, key, shift);
        };
        box->OnExit = [this, handlers](TObject* sender) { (this->*handlers.exit)(sender); };
        box->OnMouseDown = [this](TObject* sender, TMouseButton button, TShiftState shift, int x, int y) {
          cvdGateThresholdInAMouseDown(sender, button, shift, x, y);
        };
      }
    }
    if (auto* ratio = controls.Find<TAdvTrackBar>(QStringLiteral("isGateRatio"), input)) {
      ratio->OnMouseDown = [this](TObject* sender, TMouseButton button, TShiftState shift, int x, int y) {
        isGateThresholdInAMouseDown(sender, button, shift, x, y);
      };
    }
    if (auto* label = controls.Find<TLabel>(QStringLiteral("lbGate"), input)) {
      label->OnMouseDown = [this](TObject* sender, TMouseButton button, TShiftState shift, int x, int y) {
        lbGateInAMouseDown(sender, button, shift, x, y);
      };
    }
  }
}

void GateEditor::isGateThresholdInAChange(TObject* Sender) { BarChange(Sender, int(DynamicsKind::Threshold)); }

void GateEditor::isGateAttackInAChange(TObject* Sender) { BarChange(Sender, int(DynamicsKind::Attack)); }

void GateEditor::isGateReleaseInAChange(TObject* Sender) { BarChange(Sender, int(DynamicsKind::Release)); }

void GateEditor::isGateRatioInAChange(TObject* Sender) { BarChange(Sender, int(DynamicsKind::Ratio)); }

// The panel is redrawn here, not on a timer: a track bar has its position
// before its change event. The redraw also sets the meter's head label, so
// the label names the input the gate meter now shows.
void GateEditor::BarChange(TObject* Sender, int kind) {
  auto* bar = dynamic_cast<TAdvTrackBar*>(Sender);
  if (m_window.State().RefreshingControls || bar == nullptr) {
    return;
  }
  const int channel = bar->Tag();
  m_window.State().SelectedGateInput = channel;
  const int position = bar->Position();
  const ControlRegistry& controls = m_window.Controls();
  auto* box = controls.Find<TCurvyEdit>(QLatin1String(kParameters[kind].box), channel);
  if (box == nullptr || controls.Find<TAdvTrackBar>(QStringLiteral("isGateThreshold"), channel) == nullptr ||
      controls.Find<TAdvTrackBar>(QStringLiteral("isGateRatio"), channel) == nullptr) {
    return;
  }
  box->SetText(GateText(kind, position));
  m_panels.RefreshGatePanel(channel);
  SetGateParameter(m_window, channel, kind, position);
  SyncGateDisplay(channel, kind, position);
}

void GateEditor::SyncGateDisplay(int channel, int kind, int value) {
  if (const Parameter* parameter = ParameterOf(kind)) {
    SyncDynamicsDisplay(m_window, channel, QLatin1String(parameter->bar), QLatin1String(parameter->box), value,
                        GateText(kind, value), kind == int(DynamicsKind::Ratio));
  }
}

void GateEditor::cvdGateThresholdInAMouseDown(TObject* Sender, TMouseButton, TShiftState, int, int) {
  if (auto* box = dynamic_cast<TCurvyEdit*>(Sender)) {
    m_panels.RefreshGatePanel(box->Tag());
  }
}

void GateEditor::lbGateInAMouseDown(TObject* Sender, TMouseButton, TShiftState, int, int) {
  if (auto* label = dynamic_cast<TLabel*>(Sender)) {
    m_panels.RefreshGatePanel(label->Tag());
  }
}

void GateEditor::isGateThresholdInAMouseDown(TObject* Sender, TMouseButton, TShiftState, int, int) {
  if (auto* bar = dynamic_cast<TAdvTrackBar*>(Sender)) {
    m_panels.RefreshGatePanel(bar->Tag());
  }
}

void GateEditor::cvdGateThresholdInAKeyDown(TObject* Sender, WORD& Key, TShiftState) {
  EntryKeyDown(Sender, Key, int(DynamicsKind::Threshold));
}

void GateEditor::cvdGateThresholdInAExit(TObject* Sender) { Entry(Sender, int(DynamicsKind::Threshold)); }

void GateEditor::cvdGateAttackInAKeyDown(TObject* Sender, WORD& Key, TShiftState) {
  EntryKeyDown(Sender, Key, int(DynamicsKind::Attack));
}

void GateEditor::cvdGateAttackInAExit(TObject* Sender) { Entry(Sender, int(DynamicsKind::Attack)); }

void GateEditor::cvdGateReleaseInAKeyDown(TObject* Sender, WORD& Key, TShiftState) {
  EntryKeyDown(Sender, Key, int(DynamicsKind::Release));
}

void GateEditor::cvdGateReleaseInAExit(TObject* Sender) { Entry(Sender, int(DynamicsKind::Release)); }

void GateEditor::cvdGateRatioInAKeyDown(TObject* Sender, WORD& Key, TShiftState) {
  EntryKeyDown(Sender, Key, int(DynamicsKind::Ratio));
}

void GateEditor::cvdGateRatioInAExit(TObject* Sender) { Entry(Sender, int(DynamicsKind::Ratio)); }

void GateEditor::EntryKeyDown(TObject* Sender, WORD& Key, int kind) {
  if (IsEntryKey(Key)) {
    Entry(Sender, kind);
  }
}

void GateEditor::Entry(TObject* Sender, int kind) {
  const Parameter* parameter = ParameterOf(kind);
  auto* box = dynamic_cast<TCurvyEdit*>(Sender);
  if (parameter == nullptr || box == nullptr) {
    return;
  }
  const EntryRange range = kEntryRanges[kind];
  RunTypedEntryOverRange(*box,
                         m_window.Controls().FindObject(QLatin1String(parameter->bar) + ChannelSuffix(box->Tag())),
                         parameter->entry, range.min, range.max);
}
