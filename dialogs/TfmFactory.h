#pragma once

#include "dialogs/MessageDialogLayout.h"
#include "platform/widgets/TForm.h"

class IDialogHost;
class TLabel;
class TRzBmpButton;

/// The factory-default confirmation behind the File menu's hidden
/// FactoryDefault entry, shown modally while a unit is online: OK starts
/// the unit's factory reset through the main window, Cancel closes. Texts
/// follow the current language at each showing. Created at start-up and
/// kept. GUI thread only.
class TfmFactory : public TForm {
public:
  explicit TfmFactory(IDialogHost& host, QWidget* parent = nullptr);
  ~TfmFactory() override;

  TLabel* lbMessage = nullptr;
  TRzBmpButton* btnOK = nullptr;
  TRzBmpButton* bnCancel = nullptr;

  void btnOKClick(TObject* Sender);
  void bnCancelClick(TObject* Sender);

protected:
  void DoShow() override;

private:
  IDialogHost& m_host;
  MessageDialogLayout m_layout;
};

/// The factory-default confirmation while it exists, else null.
extern TfmFactory* fmFactory;
