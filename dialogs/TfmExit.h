#pragma once

#include "dialogs/MessageDialogLayout.h"
#include "platform/widgets/TForm.h"

class IDialogHost;
class TLabel;
class TRzBmpButton;

/// The quit confirmation, shown without waiting when the main window is
/// asked to close. OK says goodbye to the unit, allows the exit and closes
/// the main window again; Cancel closes the dialog and keeps the window.
/// Texts follow the current language at each showing. GUI thread only.
class TfmExit : public TForm {
public:
  TfmExit(IDialogHost& host, QWidget* parent = nullptr);
  ~TfmExit() override;

  TLabel* lbExit = nullptr;
  TRzBmpButton* btnOK = nullptr;
  TRzBmpButton* btnCancel = nullptr;

  void btnOKClick(TObject* Sender);
  void btnExitClick(TObject* Sender);

protected:
  void DoShow() override;

private:
  IDialogHost& m_host;
  MessageDialogLayout m_layout;
};

/// The quit confirmation while it exists, else null.
extern TfmExit* fmExit;
