#pragma once

class LCmd;
class LUnitControl;
class QByteArray;
class LUnitSession;
class QString;
struct MainWindowState;

/// What the dialogs need of the main window: its texts in the current
/// language, its shared state, the unit model and the link session. The
/// main window implements it and hands it to each dialog it creates.
/// GUI thread only.
class IDialogHost {
public:
  virtual ~IDialogHost() = default;

  /// The text of `key` ("SID_...") in the current language.
  virtual QString LookUpText(const QString& key) const = 0;
  virtual MainWindowState& State() = 0;
  virtual LUnitControl& UnitControl() = 0;
  virtual LUnitSession& Session() = 0;
  /// Asks the main window to close (it closes once ExitAllowed is set).
  virtual void CloseMainWindow() = 0;
  /// True while a unit is linked.
  virtual bool IsUnitOnline() const = 0;
  /// Stores the setting as preset row + 1 under name (14 bytes, blank padded).
  virtual void StorePreset(int row, const QByteArray& name) = 0;
  /// Recalls preset row (0 the factory preset F00, n the user preset Un).
  virtual void RecallPreset(int row) = 0;
  /// Copies channel source onto destination (0-2 inputs, 3-8 outputs).
  virtual void CopyChannel(int source, int destination, int mode) = 0;
  virtual void StartFactoryReset() = 0;

  // Lock dialogs and the lock-mode choice.
  /// The send routine: frames the command with mode (1 = CommandFrame) for
  /// the open transport (dropped when none is open); forceAppend keeps it
  /// from replacing a queued frame of the same code.
  virtual void SendCommand(const LCmd& command, bool forceAppend, int mode) = 0;
  /// The unit id every command is addressed to.
  virtual int GetUnitId() const = 0;
  /// Starts the link's `tmDisconnect` (300 ms, then disconnect).
  virtual void StartDisconnectTimer() = 0;
  /// Disables (true) or enables the menu entries a restricted user may not use.
  virtual void SetMenusLocked(bool locked) = 0;
  virtual void SetAccessLockState(int value) = 0;
  /// The click action of the gain page button `rzbMenuGain`.
  virtual void ShowGainPage() = 0;
  /// Hides the main menu's `LockMode` entry.
  virtual void HideLockModeEntry() = 0;

protected:
  IDialogHost() = default;
  IDialogHost(const IDialogHost&) = default;
  IDialogHost& operator=(const IDialogHost&) = default;
};
