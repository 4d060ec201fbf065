#include "dialogs/TfmExit.h"

#include "components/MainWindowState.h"
#include "dialogs/IDialogHost.h"
#include "link/LUnitSession.h"
#include "platform/widgets/TLabel.h"
#include "protocol/CM_MCS_CMD.h"
#include "protocol/CommandCodes.h"
#include "widgets/buttons/TRzBmpButton.h"

TfmExit* fmExit = nullptr;

TfmExit::TfmExit(IDialogHost& host, QWidget* parent) : TForm(parent), m_host(host) {
  SetCaption(QStringLiteral("Informaion"));
  m_layout.Build(*this, 265, 174, QStringLiteral("lbExit"), QStringLiteral("Are you sure to quit ?"));
  lbExit = m_layout.Message;
  btnOK = &MessageDialogLayout::AddButton(*this, QStringLiteral("btnOK"), 36, 128, mrNone);
  btnCancel = &MessageDialogLayout::AddButton(*this, QStringLiteral("btnCancel"), 149, 128, mrNone);
  btnCancel->SetCancel(true);
  btnOK->OnClick = [this](TObject* sender) { btnOKClick(sender); };
  btnCancel->OnClick = [this](TObject* sender) { btnExitClick(sender); };
  fmExit = this;
}

TfmExit::~TfmExit() {
  if (fmExit == this) {
    fmExit = nullptr;
  }
}

void TfmExit::DoShow() {
  SetCaption(m_host.LookUpText(QStringLiteral("SID_INFO_TITLE")));
  lbExit->SetCaption(m_host.LookUpText(QStringLiteral("SID_EXIT_QUIT")));
  btnOK->SetCaption(m_host.LookUpText(QStringLiteral("SID_EXIT_OK")));
  btnCancel->SetCaption(m_host.LookUpText(QStringLiteral("SID_EXIT_CANCEL")));
  TForm::DoShow();
}

void TfmExit::btnOKClick(TObject*) {
  LUnitSession& session = m_host.Session();
  session.SendCommand(CM_MCS_CMD(session.GetUnitId(), CMD_GOODBYE), true);
  m_host.State().ExitAllowed = true;
  Close();
  m_host.CloseMainWindow();
}

void TfmExit::btnExitClick(TObject*) {
  Close();
  m_host.State().ExitAllowed = false;
}
