#pragma once

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

protected:
  IDialogHost() = default;
  IDialogHost(const IDialogHost&) = default;
  IDialogHost& operator=(const IDialogHost&) = default;
};
