#pragma once

#include "dialogs/MessageDialogLayout.h"
#include "platform/widgets/TForm.h"

class IDialogHost;
class TLabel;
class TRzBmpButton;

/// The yes/no confirmation of the two lock setting dialogs: the caller puts
/// the question into `lbMessage` and shows it modally; OK sets
/// `LockConfirmed` in both setting dialogs, Cancel (also Escape and the
/// window's own close) clears it in both. Created at start-up and kept.
/// GUI thread only.
class TfmLockConfirm : public TForm {
public:
  explicit TfmLockConfirm(IDialogHost& host, QWidget* parent = nullptr);
  ~TfmLockConfirm() override;

  TLabel* lbMessage = nullptr;
  TRzBmpButton* btnOK = nullptr;
  TRzBmpButton* btnCancel = nullptr;

  void btnOKClick(TObject* Sender);
  void btnCancelClick(TObject* Sender);

protected:
  void DoShow() override;
  void WndProc(TMessage& message) override;
  void closeEvent(QCloseEvent* event) override;

private:
  /// Stores the answer in both setting dialogs.
  static void Answer(int answer);

  IDialogHost& m_host;
  MessageDialogLayout m_layout;
};

/// The lock confirmation while it exists, else null.
extern TfmLockConfirm* fmLockConfirm;
