#include "dialogs/TfmInformation.h"

#include "dialogs/IDialogHost.h"
#include "platform/widgets/TLabel.h"
#include "widgets/buttons/TRzBmpButton.h"

TfmInformation* fmInformation = nullptr;

TfmInformation::TfmInformation(IDialogHost& host, QWidget* parent) : TForm(parent), m_host(host) {
  SetCaption(QStringLiteral("Informaion"));
  m_layout.Build(*this, 288, 174, QStringLiteral("lbMessage"), QStringLiteral("You Must Connect First !!"));
  lbMessage = m_layout.Message;
  btnOK = &MessageDialogLayout::AddButton(*this, QStringLiteral("btnOK"), 104, 128, mrOk);
  fmInformation = this;
}

TfmInformation::~TfmInformation() {
  if (fmInformation == this) {
    fmInformation = nullptr;
  }
}

void TfmInformation::DoShow() {
  SetCaption(m_host.LookUpText(QStringLiteral("SID_INFO_TITLE")));
  btnOK->SetCaption(m_host.LookUpText(QStringLiteral("SID_EXIT_OK")));
  TForm::DoShow();
}
