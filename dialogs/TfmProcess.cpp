#include "dialogs/TfmProcess.h"

#include "dialogs/IDialogHost.h"
#include "platform/widgets/TStatusBar.h"
#include "widgets/smooth/TAdvProgressBar.h"

TfmProcess* fmProcess = nullptr;

namespace {

constexpr int kProcessClientWidth = 454;
constexpr int kProcessClientHeight = 95;

}  // namespace

TfmProcess::TfmProcess(IDialogHost& host, QWidget* parent) : TForm(parent), m_host(host) {
  SetName(QStringLiteral("fmProcess"));
  SetCaption(QStringLiteral("Process"));
  resize(kProcessClientWidth, kProcessClientHeight);
  SetBorderStyle(TFormBorderStyle::bsSingle);
  // A title bar without border icons, above every other window.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint);
  SetPosition(TPosition::poScreenCenter);
  Font().SetName(QStringLiteral("MS Sans Serif"));
  Font().SetHeight(-11);

  ProgressBar = new TAdvProgressBar(this);
  ProgressBar->SetName(QStringLiteral("ProgressBar"));
  ProgressBar->SetBounds(12, 14, 431, 41);
  ProgressBar->SetPosition(0);
  ProgressBar->SetShowBorder(true);
  ProgressBar->SetLevel0ColorTo(0xE1FFE1);
  ProgressBar->SetLevel1ColorTo(0xCAFFFF);
  ProgressBar->SetLevel2Color(0x53A9FF);
  ProgressBar->SetLevel2ColorTo(0xA8D3FF);
  ProgressBar->SetLevel3ColorTo(0xCACAFF);
  TFont gaugeFont;
  gaugeFont.Assign(ProgressBar->GaugeFont());
  gaugeFont.SetName(QStringLiteral("Verdana"));
  gaugeFont.SetHeight(-13);
  ProgressBar->SetGaugeFont(gaugeFont);

  StatusBar = new TStatusBar(this);
  StatusBar->SetName(QStringLiteral("StatusBar"));
  StatusBar->SetBounds(0, kProcessClientHeight - 24, kProcessClientWidth, 24);
  StatusBar->SetColor(clActiveBorder);
  StatusBar->SetSimpleText(QStringLiteral("download now"));

  OnShow = [this](TObject* sender) { FormShow(sender); };
  fmProcess = this;
}

TfmProcess::~TfmProcess() {
  if (fmProcess == this) {
    fmProcess = nullptr;
  }
}

void TfmProcess::DoShow() {
  m_closeAllowed = false;
  TForm::DoShow();
}

void TfmProcess::FormShow(TObject* /*Sender*/) { SetCaption(m_host.LookUpText(QStringLiteral("SID_PROCESS"))); }

void TfmProcess::ShowModeless() {
  SetVisible(true);
  raise();
}

void TfmProcess::CloseProgress() {
  m_closeAllowed = true;
  if (Modal()) {
    SetModalResult(mrOk);
  }
  SetVisible(false);
}

bool TfmProcess::CloseQuery() { return m_closeAllowed && TForm::CloseQuery(); }
