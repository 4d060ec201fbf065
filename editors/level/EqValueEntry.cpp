#include "editors/level/EqValueEntry.h"

#include <algorithm>

#include "components/peq/TMyPEQPanel.h"
#include "editors/IEditorWindow.h"
#include "editors/level/TypedEntryBox.h"
#include "platform/widgets/ControlRegistry.h"
#include "platform/widgets/TLabel.h"
#include "widgets/smooth/TCurvyEdit.h"
#include "widgets/trackbar/TAdvTrackBar.h"

namespace {

constexpr WORD kPlusKey = 0xBB;   // "=" / "+" of the main keys
constexpr WORD kMinusKey = 0xBD;  // "-" of the main keys

/// A cut box's holding control is always an output's: an input's read-only
/// cut box names no control, so its entry does nothing.
void EnterCut(IEditorWindow& window, TObject* sender, const char* stem) {
  auto* box = dynamic_cast<TCurvyEdit*>(sender);
  if (box == nullptr) {
    return;
  }
  RunTypedEntry(*box, window.Controls().FindObject(QLatin1String(stem) + TagSuffix(box->Tag())),
                TypedEntryKind::CutFrequency);
}

/// One step of a band track bar; a step beyond an end does nothing.
void Nudge(TAdvTrackBar& bar, int step) { bar.SetPosition(std::clamp(bar.Position() + step, bar.Min(), bar.Max())); }

}  // namespace

void EqValueEntry::Bind() {
  ControlRegistry& controls = m_window.Controls();
  for (int c = 0; c < 9; ++c) {
    if (auto* box = controls.Find<TCurvyEdit>(QStringLiteral("cvdEqBw"), c)) {
      box->OnKeyDown = [this](TObject* sender, WORD& key, TShiftState shift) { cvdEqBwInAKeyDown(sender, key, shift); };
      box->OnExit = [this](TObject* sender) { cvdEqBwInAExit(sender); };
    }
    if (auto* box = controls.Find<TCurvyEdit>(QStringLiteral("cvdEqGain"), c)) {
      box->OnKeyDown = [this](TObject* sender, WORD& key, TShiftState shift) {
        cvdEqGainInAKeyDown(sender, key, shift);
      };
      box->OnExit = [this](TObject* sender) { cvdEqGainInAExit(sender); };
    }
    if (auto* box = controls.Find<TCurvyEdit>(QStringLiteral("cvdEqParam"), c)) {
      box->OnKeyDown = [this](TObject* sender, WORD& key, TShiftState shift) {
        cvdEqParamInAKeyDown(sender, key, shift);
      };
    }
    // The inputs' high-cut box shares the handlers; the low-cut entry is
    // the outputs' alone.
    if (auto* box = controls.Find<TCurvyEdit>(QStringLiteral("cvdHighCutFreq"), c);
        box != nullptr && (c >= 3 || c == 0)) {
      box->OnKeyDown = [this](TObject* sender, WORD& key, TShiftState shift) {
        cvdHighCutFreqInAKeyDown(sender, key, shift);
      };
      box->OnExit = [this](TObject* sender) { cvdHighCutFreqInAExit(sender); };
    }
    if (auto* box = controls.Find<TCurvyEdit>(QStringLiteral("cvdLowCutFreq"), c); box != nullptr && c >= 3) {
      box->OnKeyDown = [this](TObject* sender, WORD& key, TShiftState shift) {
        cvdLowCutFreqInAKeyDown(sender, key, shift);
      };
      box->OnExit = [this](TObject* sender) { cvdLowCutFreqInAExit(sender); };
    }
  }
}

void EqValueEntry::cvdEqBwInAKeyDown(TObject* Sender, WORD& Key, TShiftState) {
  if (IsEntryKey(Key)) {
    cvdEqBwInAExit(Sender);
  }
}

void EqValueEntry::cvdEqBwInAExit(TObject* Sender) {
  RunChannelEntry(m_window.Controls(), Sender, QStringLiteral("isEqBw"), TypedEntryKind::Bandwidth);
}

void EqValueEntry::cvdEqGainInAKeyDown(TObject* Sender, WORD& Key, TShiftState) {
  if (IsEntryKey(Key)) {
    cvdEqGainInAExit(Sender);
  }
}

void EqValueEntry::cvdEqGainInAExit(TObject* Sender) {
  RunChannelEntry(m_window.Controls(), Sender, QStringLiteral("isEqGain"), TypedEntryKind::PeqGain);
}

void EqValueEntry::cvdHighCutFreqInAKeyDown(TObject* Sender, WORD& Key, TShiftState) {
  if (IsEntryKey(Key)) {
    cvdHighCutFreqInAExit(Sender);
  }
}

void EqValueEntry::cvdHighCutFreqInAExit(TObject* Sender) { EnterCut(m_window, Sender, "isHighCutFreqOut"); }

void EqValueEntry::cvdLowCutFreqInAKeyDown(TObject* Sender, WORD& Key, TShiftState) {
  if (IsEntryKey(Key)) {
    cvdLowCutFreqInAExit(Sender);
  }
}

void EqValueEntry::cvdLowCutFreqInAExit(TObject* Sender) { EnterCut(m_window, Sender, "isLowCutFreqOut"); }

void EqValueEntry::cvdEqParamInAKeyDown(TObject* Sender, WORD& Key, TShiftState) {
  auto* box = dynamic_cast<TCurvyEdit*>(Sender);
  if (box == nullptr) {
    return;
  }
  const int c = box->Tag();
  const ControlRegistry& controls = m_window.Controls();
  auto* freq = controls.Find<TAdvTrackBar>(QStringLiteral("isEqFreq"), c);
  auto* bw = controls.Find<TAdvTrackBar>(QStringLiteral("isEqBw"), c);
  auto* gain = controls.Find<TAdvTrackBar>(QStringLiteral("isEqGain"), c);
  if (freq == nullptr || bw == nullptr || gain == nullptr ||
      controls.Find<TMyPEQPanel>(QStringLiteral("peqPeq"), c) == nullptr ||
      controls.Find<TLabel>(QStringLiteral("lbFftParam"), c) == nullptr) {
    return;
  }
  switch (Key) {
    case VK_LEFT: Nudge(*freq, -1); break;
    case VK_RIGHT: Nudge(*freq, 1); break;
    case VK_ADD:
    case kPlusKey: Nudge(*bw, 1); break;
    case VK_SUBTRACT:
    case kMinusKey: Nudge(*bw, -1); break;
    case VK_UP: Nudge(*gain, 1); break;
    case VK_DOWN: Nudge(*gain, -1); break;
    default: break;
  }
}
