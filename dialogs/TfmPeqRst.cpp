#include "dialogs/TfmPeqRst.h"

#include "dialogs/IDialogHost.h"
#include "platform/widgets/TLabel.h"
#include "widgets/buttons/TRzBmpButton.h"

TfmPeqRst* fmPeqRst = nullptr;

TfmPeqRst::TfmPeqRst(IDialogHost& host, QWidget* parent) : TForm(parent), m_host(host) {
  m_layout.Build(*this, 272, 237, QStringLiteral("lbReset"), QStringLiteral("Are you sure to RESET EQ ?"));
  lbReset = m_layout.Question;
  btnOK = m_layout.btnOK;
  btnCancel = m_layout.btnCancel;
  btnOK->OnClick = [this](TObject* sender) { btnOKClick(sender); };
  btnCancel->OnClick = [this](TObject* sender) { btnExitClick(sender); };
  fmPeqRst = this;
}

TfmPeqRst::~TfmPeqRst() {
  if (fmPeqRst == this) {
    fmPeqRst = nullptr;
  }
}

void TfmPeqRst::DoShow() {
  SetCaption(m_host.LookUpText(QStringLiteral("SID_PEQRST")));
  lbReset->SetCaption(m_host.LookUpText(QStringLiteral("SID_PEQRST_RESET")));
  btnOK->SetCaption(m_host.LookUpText(QStringLiteral("SID_PEQRST_OK")));
  btnCancel->SetCaption(m_host.LookUpText(QStringLiteral("SID_PEQRST_CANCEL")));
  TForm::DoShow();
}

void TfmPeqRst::btnOKClick(TObject*) {
  // Hidden first, so that a message of the reset stands alone.
  SetVisible(false);
  if (ResetAction) {
    ResetAction(m_channel);
  }
  Close();
}

void TfmPeqRst::btnExitClick(TObject*) { Close(); }
