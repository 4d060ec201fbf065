#pragma once

#include "dialogs/MessageDialogLayout.h"
#include "platform/widgets/TForm.h"

class IDialogHost;
class TLabel;
class TRzBmpButton;

/// The lock-mode choice behind the hidden LockMode menu entry, shown
/// modally: One Time hides that entry for the rest of the run and sends the
/// unit the fixed administrator password with the lock off; Permanent and
/// Cancel close and send nothing. Texts follow the current language at
/// each showing. Created at start-up and kept. GUI thread only.
class TfmLockMode : public TForm {
public:
  explicit TfmLockMode(IDialogHost& host, QWidget* parent = nullptr);
  ~TfmLockMode() override;

  TLabel* lbExit = nullptr;
  TRzBmpButton* btnOneTime = nullptr;
  TRzBmpButton* btnPermanent = nullptr;
  TRzBmpButton* btnCancel = nullptr;

  void btnOneTimeClick(TObject* Sender);
  void btnPermanentClick(TObject* Sender);
  void btnCancelClick(TObject* Sender);

protected:
  void DoShow() override;

private:
  IDialogHost& m_host;
  MessageDialogLayout m_layout;
};

/// The lock-mode choice while it exists, else null.
extern TfmLockMode* fmLockMode;
