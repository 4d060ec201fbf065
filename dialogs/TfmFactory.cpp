#include "dialogs/TfmFactory.h"

#include "dialogs/IDialogHost.h"
#include "platform/widgets/TLabel.h"
#include "widgets/buttons/TRzBmpButton.h"

TfmFactory* fmFactory = nullptr;

TfmFactory::TfmFactory(IDialogHost& host, QWidget* parent) : TForm(parent), m_host(host) {
  SetName(QStringLiteral("fmFactory"));
  SetCaption(QStringLiteral("Informaion"));
  m_layout.Build(*this, 361, 174, QStringLiteral("lbMessage"),
                 QStringLiteral("Are you Sure to Return Factory Default?"));
  lbMessage = m_layout.Message;
  btnOK = &MessageDialogLayout::AddButton(*this, QStringLiteral("btnOK"), 70, 128, mrNone);
  bnCancel = &MessageDialogLayout::AddButton(*this, QStringLiteral("bnCancel"), 211, 128, mrNone);
  bnCancel->SetCancel(true);
  btnOK->SetCaption(QStringLiteral("OK"));
  bnCancel->SetCaption(QStringLiteral("Cancel"));
  btnOK->OnClick = [this](TObject* sender) { btnOKClick(sender); };
  bnCancel->OnClick = [this](TObject* sender) { bnCancelClick(sender); };
  fmFactory = this;
}

TfmFactory::~TfmFactory() {
  if (fmFactory == this) {
    fmFactory = nullptr;
  }
}

void TfmFactory::DoShow() {
  SetCaption(m_host.LookUpText(QStringLiteral("SID_INFO_TITLE")));
  lbMessage->SetCaption(m_host.LookUpText(QStringLiteral("SID_FACTORY_DEFAULT")));
  btnOK->SetCaption(m_host.LookUpText(QStringLiteral("SID_EXIT_OK")));
  bnCancel->SetCaption(m_host.LookUpText(QStringLiteral("SID_EXIT_CANCEL")));
  TForm::DoShow();
}

void TfmFactory::btnOKClick(TObject* /*Sender*/) {
  m_host.StartFactoryReset();
  Close();
}

void TfmFactory::bnCancelClick(TObject* /*Sender*/) { Close(); }
