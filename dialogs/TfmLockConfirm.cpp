#include "dialogs/TfmLockConfirm.h"

#include <QCloseEvent>

#include "dialogs/IDialogHost.h"
#include "dialogs/TfmLockSetup.h"
#include "dialogs/TfmPanelLockSetup.h"
#include "platform/widgets/ControlMessages.h"
#include "platform/widgets/InputTypes.h"
#include "platform/widgets/TLabel.h"
#include "widgets/buttons/TRzBmpButton.h"

TfmLockConfirm* fmLockConfirm = nullptr;

TfmLockConfirm::TfmLockConfirm(IDialogHost& host, QWidget* parent) : TForm(parent), m_host(host) {
  SetName(QStringLiteral("fmLockConfirm"));
  SetCaption(QStringLiteral("Informaion"));
  m_layout.Build(*this, 286, 175, QStringLiteral("lbMessage"), QStringLiteral("Are you sure to Lock ?"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  lbMessage = m_layout.Message;
  btnOK = &MessageDialogLayout::AddButton(*this, QStringLiteral("btnOK"), 42, 129, mrNone);
  btnCancel = &MessageDialogLayout::AddButton(*this, QStringLiteral("btnCancel"), 164, 129, mrNone);
  btnOK->OnClick = [this](TObject* sender) { btnOKClick(sender); };
  btnCancel->OnClick = [this](TObject* sender) { btnCancelClick(sender); };
  fmLockConfirm = this;
}

TfmLockConfirm::~TfmLockConfirm() {
  if (fmLockConfirm == this) {
    fmLockConfirm = nullptr;
  }
}

void TfmLockConfirm::DoShow() {
  btnOK->SetCaption(m_host.LookUpText(QStringLiteral("SID_EXIT_OK")));
  btnCancel->SetCaption(m_host.LookUpText(QStringLiteral("SID_EXIT_CANCEL")));
  TForm::DoShow();
}

void TfmLockConfirm::Answer(int answer) {
  if (fmLockSetup != nullptr) {
    fmLockSetup->SetConfirmed(answer);
  }
  if (fmPanelLockSetup != nullptr) {
    fmPanelLockSetup->SetConfirmed(answer);
  }
}

void TfmLockConfirm::btnOKClick(TObject* /*Sender*/) {
  Answer(1);
  Close();
}

void TfmLockConfirm::btnCancelClick(TObject* /*Sender*/) {
  Answer(0);
  Close();
}

void TfmLockConfirm::WndProc(TMessage& message) {
  if (message.Msg == CM_DIALOGKEY && message.WParam == VK_ESCAPE) {
    message.Result = 1;
    btnCancelClick(this);
    return;
  }
  TForm::WndProc(message);
}

void TfmLockConfirm::closeEvent(QCloseEvent* event) {
  // The window's own close is Cancel, unless a button has already answered.
  if (!Modal() || ModalResult() == mrNone) {
    Answer(0);
  }
  TForm::closeEvent(event);
}
