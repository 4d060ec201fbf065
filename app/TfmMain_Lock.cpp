// The window's side of the unit's locks: the menus a restricted editor may
// not use, the pages and controls the panel-lock permission bytes disable,
// the deferred unlock prompt and the lock state the lock dialogs share.
#include "app/TfmMain.h"
#include "components/PanelLockTable.h"
#include "link/LUnitSession.h"
#include "link/ProcessState.h"
#include "widgets/buttons/TRzBmpButton.h"

namespace {

/// The menu entries a locked editor may not use, in the order they are set.
constexpr const char* kLockedMenuItems[] = {"Open", "Save",         "Upload",       "Download", "Link",     "Copy",
                                            "Lock", "InOutSelect", "SourceSelect", "NetworkSetup", "TestTone",
                                            "ChNameList"};
/// Access-lock bit value of an editor with restricted rights.
constexpr int kAccessRestricted = 2;

}  // namespace

void TfmMain::SetMenusLocked(bool locked) {
  for (const char* name : kLockedMenuItems) {
    if (TMenuItem* item = m_controls.MainMenu.Find(QLatin1String(name))) {
      item->Enabled = !locked;
    }
  }
  m_controls.MainMenu.Refresh();
}

void TfmMain::SetUserLockState(int userLockState) {
  m_state.PanelLockSetupUserLockState = static_cast<std::uint8_t>(userLockState & 0xFF);
  m_state.LockSetupUserLockState = static_cast<std::uint8_t>(userLockState & 0xFF);
}

void TfmMain::SetPanelLockPermissions(int inputs, int outputs, int presets) {
  m_state.PanelLockPermissions = {static_cast<std::uint8_t>(inputs & 0xFF), static_cast<std::uint8_t>(outputs & 0xFF),
                                  static_cast<std::uint8_t>(presets & 0xFF)};
}

void TfmMain::StartUnlockPrompt() { m_registry.Find<TTimer>(QStringLiteral("tmUnlockPrompt"))->SetEnabled(true); }

void TfmMain::UnlockPromptTimer(TObject*) {
  m_registry.Find<TTimer>(QStringLiteral("tmUnlockPrompt"))->SetEnabled(false);
  // An acknowledgement in the meantime has reset the state: no prompt then.
  if (m_session->GetProcessState() == PROCESS_UNLOCK_PROMPT) {
    ShowUnlockDialog();
  }
}

void TfmMain::ApplyPanelLock() {
  if ((m_session->GetAccessLockState() & kAccessRestricted) == 0) {
    return;
  }
  const auto& permissions = m_state.PanelLockPermissions;
  const auto setEnabled = [this](const QString& name, bool enabled) {
    if (auto* control = Named<TControl>(name)) {
      control->SetEnabled(enabled);
    }
  };
  for (int byte = 0; byte < int(permissions.size()); ++byte) {
    for (const PanelLockBit& row : kPanelLockBits) {
      if (row.byte != byte || row.control == nullptr) {
        continue;
      }
      bool disabled = (permissions[byte] & row.bit) != 0;
      if (row.alsoNeedsOtherByte != 0) {
        disabled = disabled && (permissions[byte ^ 1] & row.alsoNeedsOtherByte) != 0;
      }
      setEnabled(QLatin1String(row.control), !disabled);
    }
    if (byte > 1) {
      continue;
    }
    const int first = byte == 0 ? 0 : 3;
    const int last = byte == 0 ? 2 : 8;
    for (int channel = first; channel <= last; ++channel) {
      for (const PanelLockBit& row : kPanelLockBits) {
        if (row.byte != byte) {
          continue;
        }
        for (const char* stem : row.channelStems) {
          if (stem != nullptr) {
            setEnabled(QLatin1String(stem) + ChannelSuffix(channel), (permissions[byte] & row.bit) == 0);
          }
        }
      }
    }
  }
  TRzBmpButton* matrix = m_controls.PageButtons[MainWindowState::kPageMatrix];
  if (!matrix->Enabled() && matrix->Down()) {
    TRzBmpButton* gain = m_controls.PageButtons[MainWindowState::kPageGain];
    rzbMenuInAClick(gain);
    gain->SetDown(true);
  }
}
