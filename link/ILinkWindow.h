#pragma once

#include <cstdint>
#include <span>

class QByteArray;
class QString;

/// What the unit session needs of the main window and its dialogs: the
/// progress window, the information dialog, the device search dialog, the
/// preset lists, the link controls, the live display, the lock dialogs and
/// the texts. The main window implements it; tests record the calls. GUI
/// thread only. Calls that show a window modally return when it closes, and
/// replies keep being dispatched meanwhile.
class ILinkWindow {
public:
  virtual ~ILinkWindow() = default;

  /// The text of `key` in the current language.
  virtual QString LookUpText(const QString& key) const = 0;

  // Progress window (`fmProcess`).
  virtual void ShowProgressModal() = 0;
  virtual void CloseProgress() = 0;
  virtual void SetProgressStatus(const QString& text) = 0;
  virtual int ProgressPosition() const = 0;
  /// Clamped to 0..max by the bar.
  virtual void SetProgressPosition(int position) = 0;
  virtual int ProgressMax() const = 0;
  virtual void SetProgressMax(int max) = 0;

  /// Shows `text` in the information dialog, modally.
  virtual void ShowInformation(const QString& text) = 0;

  // Device search dialog (`fmNetwork`).
  virtual void ReportProbeResult(int result) = 0;
  virtual void ReportLinkBroken() = 0;
  /// Whether the last probe was answered (`TfmNetwork::ProbeAnswered`).
  virtual bool ProbeAnswered() const = 0;
  virtual bool IsSearchDialogVisible() const = 0;
  virtual void HideSearchDialog() = 0;
  /// Sets the search dialog's progress bar to 0 and shows the dialog modally.
  virtual void ShowSearchDialogAgain() = 0;

  // Preset lists of the store and recall dialogs; names are 14 8-bit characters.
  virtual void SetRecallPresetRow(int row, const QByteArray& name) = 0;
  virtual void SetStorePresetRow(int row, const QByteArray& name) = 0;

  // Link controls of the main window.
  virtual void SetUnitIdLabel(const QString& text) = 0;          ///< `lbShowIdNumber`
  virtual void SetLinkLabel(const QString& text) = 0;            ///< `lbShowIp`
  virtual void SetLinkButtonCaption(const QString& text) = 0;    ///< `rzbMenuLink`
  virtual void SetConnectCaption(const QString& text) = 0;       ///< menu item `Connect`
  virtual void SetLinkButtonDown(bool down) = 0;
  /// Enables or disables `rzbMenuLink` and the `Connect` menu item together.
  virtual void SetLinkControlsEnabled(bool enabled) = 0;
  /// Enables or disables the address list `rzcIpAddress` and `sbIpScan`.
  virtual void SetAddressControlsEnabled(bool enabled) = 0;
  /// The unit address chosen for the network link, first octet in bits 24-31.
  virtual std::uint32_t SelectedUnitAddress() const = 0;
  /// The rest of going offline: the window caption (title and version), the
  /// main window enabled.
  virtual void ShowOfflineCaption() = 0;

  // Live display and refresh.
  virtual void RefreshAllFromUnit() = 0;
  /// Starts the level-meter poll `tmInLevelDet`.
  virtual void StartLevelPoll() = 0;
  /// Stops the level poll, resets the live display and the DSP load alarm.
  virtual void StopLiveDisplay() = 0;
  /// Reply 64 (`TfmMain::ShowLevels`).
  virtual void ShowLevels(std::span<const std::uint8_t> payload) = 0;

  // Lock state (lock status reply and unlock prompt).
  /// Hands the unit's user-lock byte to both lock setup dialogs.
  virtual void SetUserLockState(int userLockState) = 0;
  virtual void SetPanelLockPermissions(int inputs, int outputs, int presets) = 0;
  virtual void SetMenusLocked(bool locked) = 0;
  /// Starts `tmUnlockPrompt`, whose handler shows the unlock dialog while
  /// the session's ProcessState is still PROCESS_UNLOCK_PROMPT.
  virtual void StartUnlockPrompt() = 0;
  /// The unit's verdict on the unlock password (`TfmLockPassWord::SetResult`).
  virtual void SetPasswordVerdict(int verdict) = 0;

  // Platform.
  /// Enumerates the HID devices again (`HidCtl` DeviceChange).
  virtual void RescanHidDevices() = 0;
  /// Makes the program's own folder the current folder.
  virtual void RestoreWorkingFolder() = 0;
  /// Adds one line to the traffic monitor while it is shown.
  virtual void AddTrafficLine(const QString& line) = 0;

protected:
  ILinkWindow() = default;
  ILinkWindow(const ILinkWindow&) = default;
  ILinkWindow& operator=(const ILinkWindow&) = default;
};
