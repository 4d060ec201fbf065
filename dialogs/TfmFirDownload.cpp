#include "dialogs/TfmFirDownload.h"

#include "dialogs/IDialogHost.h"
#include "platform/widgets/TLabel.h"
#include "widgets/buttons/TRzBmpButton.h"

TfmFirDownload* fmFirDownload = nullptr;

TfmFirDownload::TfmFirDownload(IDialogHost& host, QWidget* parent) : TForm(parent), m_host(host) {
  m_layout.Build(*this, 283, 245, QStringLiteral("lbDownload"), QStringLiteral("Are you sure to Download FIR ?"));
  lbDownload = m_layout.Question;
  btnOK = m_layout.btnOK;
  btnCancel = m_layout.btnCancel;
  btnOK->OnClick = [this](TObject* sender) { btnOKClick(sender); };
  btnCancel->OnClick = [this](TObject* sender) { btnExitClick(sender); };
  fmFirDownload = this;
}

TfmFirDownload::~TfmFirDownload() {
  if (fmFirDownload == this) {
    fmFirDownload = nullptr;
  }
}

void TfmFirDownload::DoShow() {
  SetCaption(m_host.LookUpText(QStringLiteral("SID_PEQRST")));
  lbDownload->SetCaption(m_host.LookUpText(QStringLiteral("SID_INFO_FIR_DOWNLOAD")));
  btnOK->SetCaption(m_host.LookUpText(QStringLiteral("SID_PEQRST_OK")));
  btnCancel->SetCaption(m_host.LookUpText(QStringLiteral("SID_PEQRST_CANCEL")));
  TForm::DoShow();
}

void TfmFirDownload::btnOKClick(TObject*) {
  // Hidden first, so that a refusal of the main window stands alone.
  SetVisible(false);
  if (DownloadAction) {
    DownloadAction();
  }
  Close();
}

void TfmFirDownload::btnExitClick(TObject*) { Close(); }
