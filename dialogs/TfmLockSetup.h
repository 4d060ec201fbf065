#pragma once

#include <cstdint>

#include "platform/threads/TTimer.h"
#include "platform/widgets/InputTypes.h"
#include "platform/widgets/TForm.h"

class IDialogHost;
class TCheckBox;
class TEdit;
class TImage;
class TLabel;
class TRzBmpButton;

/// The lock setting, shown modally by the Lock menu entry: sets the unit's
/// administrator lock (then says goodbye and disconnects), deletes both
/// locks, or with `cbPanelControl` checked leads to the panel lock
/// setting. Its `UserLockState` is the main window's copy in
/// MainWindowState. Created at start-up and kept. GUI thread only.
class TfmLockSetup : public TForm {
public:
  explicit TfmLockSetup(IDialogHost& host, QWidget* parent = nullptr);
  ~TfmLockSetup() override;

  TImage* imBase = nullptr;
  TLabel* lblLockPassword = nullptr;
  TEdit* edName = nullptr;
  TRzBmpButton* btnOK = nullptr;
  TRzBmpButton* btnDelete = nullptr;
  TRzBmpButton* btnExit = nullptr;
  TCheckBox* cbPanelControl = nullptr;
  TTimer tmClose;

  /// Set by the confirmation's OK; read and cleared after it closes.
  std::uint8_t LockConfirmed = 0;

  std::uint8_t UserLockState() const;
  void SetUserLockState(int state);
  void SetConfirmed(int answer) { LockConfirmed = static_cast<std::uint8_t>(answer); }

  void btnOKClick(TObject* Sender);
  void btnDeleteClick(TObject* Sender);
  void btnExitClick(TObject* Sender);
  void tmCloseTimer(TObject* Sender);
  void edNameKeyDown(TObject* Sender, WORD& Key, TShiftState Shift);

protected:
  void DoShow() override;
  void WndProc(TMessage& message) override;

private:
  /// Puts key's text into the confirmation and shows it; whether OK was
  /// chosen (the flag is cleared).
  bool Confirm(const char* key);

  IDialogHost& m_host;
};

/// The lock setting while it exists, else null.
extern TfmLockSetup* fmLockSetup;
