#pragma once

class LUnitControl;
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

protected:
  IDialogHost() = default;
  IDialogHost(const IDialogHost&) = default;
  IDialogHost& operator=(const IDialogHost&) = default;
};
