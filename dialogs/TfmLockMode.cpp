#include "dialogs/TfmLockMode.h"

#include "dialogs/IDialogHost.h"
#include "platform/widgets/TLabel.h"
#include "protocol/commands/UnitCommands.h"
#include "widgets/buttons/TRzBmpButton.h"

TfmLockMode* fmLockMode = nullptr;

TfmLockMode::TfmLockMode(IDialogHost& host, QWidget* parent) : TForm(parent), m_host(host) {
  SetName(QStringLiteral("fmLockMode"));
  SetCaption(QStringLiteral("Informaion"));
  m_layout.Build(*this, 330, 166, QStringLiteral("lbExit"), QStringLiteral("Select Lock Mode!"));
  lbExit = m_layout.Message;
  btnOneTime = &MessageDialogLayout::AddButton(*this, QStringLiteral("btnOneTime"), 22, 122, mrNone);
  btnPermanent = &MessageDialogLayout::AddButton(*this, QStringLiteral("btnPermanent"), 125, 122, mrNone);
  btnCancel = &MessageDialogLayout::AddButton(*this, QStringLiteral("btnCancel"), 228, 122, mrNone);
  btnCancel->SetCancel(true);
  btnOneTime->SetCaption(QStringLiteral("One Time"));
  btnPermanent->SetCaption(QStringLiteral("Permanent"));
  btnCancel->SetCaption(QStringLiteral("Cancel"));
  btnOneTime->OnClick = [this](TObject* sender) { btnOneTimeClick(sender); };
  btnPermanent->OnClick = [this](TObject* sender) { btnPermanentClick(sender); };
  btnCancel->OnClick = [this](TObject* sender) { btnCancelClick(sender); };
  fmLockMode = this;
}

TfmLockMode::~TfmLockMode() {
  if (fmLockMode == this) {
    fmLockMode = nullptr;
  }
}

void TfmLockMode::DoShow() {
  SetCaption(m_host.LookUpText(QStringLiteral("SID_LOCK_MODE_SETUP")));
  lbExit->SetCaption(m_host.LookUpText(QStringLiteral("SID_LOCK_MODE")));
  btnOneTime->SetCaption(m_host.LookUpText(QStringLiteral("SID_LOCK_ONE_TIME")));
  btnPermanent->SetCaption(m_host.LookUpText(QStringLiteral("SID_LOCK_PERMANENT")));
  btnCancel->SetCaption(m_host.LookUpText(QStringLiteral("SID_EXIT_CANCEL")));
  TForm::DoShow();
}

void TfmLockMode::btnOneTimeClick(TObject* /*Sender*/) {
  m_host.HideLockModeEntry();
  m_host.SendCommand(CM_MCS_SET_LOCK(m_host.GetUnitId(), QByteArrayLiteral("8531"), 0), true, 1);
  Close();
}

void TfmLockMode::btnPermanentClick(TObject* /*Sender*/) { Close(); }

void TfmLockMode::btnCancelClick(TObject* /*Sender*/) { Close(); }
