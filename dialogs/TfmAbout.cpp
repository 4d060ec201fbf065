#include "dialogs/TfmAbout.h"

#include "dialogs/DialogParts.h"
#include "dialogs/IDialogHost.h"
#include "platform/widgets/TLabel.h"
#include "widgets/buttons/TRzBmpButton.h"

TfmAbout* fmAbout = nullptr;

TfmAbout::TfmAbout(IDialogHost& host, QWidget* parent) : TForm(parent), m_host(host) {
  SetName(QStringLiteral("fmAbout"));
  SetCaption(QStringLiteral("About"));
  DialogParts::SetDialogFrame(*this, 485, 119);
  imBase = &DialogParts::AddBackground(*this, QStringLiteral("imBase"));
  ProductName = &DialogParts::AddLabel(*this, QStringLiteral("ProductName"), 24, 18,
                                       QStringLiteral("Product Name : KRV-71 FIR DSP Processor Editor"));
  Version = &DialogParts::AddLabel(*this, QStringLiteral("Version"), 24, 44, QStringLiteral("Version : V1.0"));
  Label3 = &DialogParts::AddLabel(*this, QStringLiteral("Label3"), 24, 70,
                                  QStringLiteral("Loudspeaker management, 3 inputs and 6 outputs"));
  Label3->Font().SetColor(RGB(190, 200, 215));
  btnOK = &DialogParts::AddButton(*this, QStringLiteral("btnOK"), 385, 77, mrOk);
  fmAbout = this;
}

TfmAbout::~TfmAbout() {
  if (fmAbout == this) {
    fmAbout = nullptr;
  }
}

void TfmAbout::DoShow() {
  SetCaption(m_host.LookUpText(QStringLiteral("SID_ABOUT")));
  btnOK->SetCaption(m_host.LookUpText(QStringLiteral("SID_EXIT_OK")));
  TForm::DoShow();
}
