#include "dialogs/TfmChannelName.h"

#include "dialogs/ChannelNameText.h"
#include "dialogs/DialogParts.h"
#include "dialogs/IDialogHost.h"
#include "platform/text/AnsiCodePage.h"
#include "platform/widgets/TEdit.h"
#include "platform/widgets/TLabel.h"
#include "widgets/buttons/TRzBmpButton.h"

TfmChannelName* fmChannelName = nullptr;

namespace {

constexpr int kChannelNameClientWidth = 240;
constexpr int kChannelNameClientHeight = 148;
constexpr int kChannelNameFirstOutput = 3;

}  // namespace

TfmChannelName::TfmChannelName(IDialogHost& host, QWidget* parent) : TForm(parent), m_host(host) {
  SetName(QStringLiteral("fmChannelName"));
  SetCaption(QStringLiteral("Channel Name"));
  DialogParts::SetDialogFrame(*this, kChannelNameClientWidth, kChannelNameClientHeight);
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  imBase = &DialogParts::AddBackground(*this, QStringLiteral("imBase"));
  lbChannelName =
      &DialogParts::AddCentredLabel(*this, QStringLiteral("lbChannelName"), 0, 14, kChannelNameClientWidth, QStringLiteral("Channel Name"));
  lbChannelName->Font().SetHeight(-15);
  lbChannel = &DialogParts::AddCentredLabel(*this, QStringLiteral("lbChannel"), 10, 50, 70, QStringLiteral("InA : "));
  edName = new TEdit(this);
  edName->SetName(QStringLiteral("edName"));
  edName->SetBounds(84, 48, 140, 24);
  edName->Font().SetName(QStringLiteral("Arial"));
  edName->Font().SetHeight(-14);
  edName->SetMaxLength(ChannelNameText::kNameBytes);
  edName->SetText(QStringLiteral("Input1"));
  edName->OnKeyDown = [this](TObject* sender, WORD& key, TShiftState shift) { edNameKeyDown(sender, key, shift); };
  btnOK = &DialogParts::AddButton(*this, QStringLiteral("btnOK"), 26, 100, mrNone);
  bnCancel = &DialogParts::AddButton(*this, QStringLiteral("bnCancel"), 134, 100, mrNone);
  bnCancel->SetCancel(true);
  btnOK->OnClick = [this](TObject* sender) { btnOKClick(sender); };
  bnCancel->OnClick = [this](TObject* sender) { bnCancelClick(sender); };
  OnActivate = [this](TObject* sender) { FormActivate(sender); };
  DialogParts::RegisterControls(m_controls, *this);
  fmChannelName = this;
}

TfmChannelName::~TfmChannelName() {
  if (fmChannelName == this) {
    fmChannelName = nullptr;
  }
}

void TfmChannelName::DoShow() {
  SetCaption(m_host.LookUpText(QStringLiteral("SID_CH_NAME")));
  lbChannelName->SetCaption(Caption());
  btnOK->SetCaption(m_host.LookUpText(QStringLiteral("SID_EXIT_OK")));
  bnCancel->SetCaption(m_host.LookUpText(QStringLiteral("SID_EXIT_CANCEL")));
  TForm::DoShow();
}

void TfmChannelName::SetChannel(int channel) {
  NameChannel = channel;
  const QString name = channel < kChannelNameFirstOutput ? QStringLiteral("In") + QChar(u'A' + channel)
                                              : QStringLiteral("Out") + QChar(u'1' + channel - kChannelNameFirstOutput);
  lbChannel->SetCaption(name + QStringLiteral(" :"));
}

void TfmChannelName::SetNameText(const QByteArray& name) {
  QString text = ChannelNameText::Shown(ChannelNameText::Field(AnsiToWide(name)));
  while (!text.isEmpty() && (text.back() == QLatin1Char('\r') || text.back() == QLatin1Char(' '))) {
    text.chop(1);
  }
  edName->SetText(text);
}

void TfmChannelName::FormActivate(TObject* /*Sender*/) {
  edName->SetEnabled(true);
  edName->SetFocus();
  edName->SelectAll();
}

void TfmChannelName::edNameKeyDown(TObject* Sender, WORD& Key, TShiftState /*Shift*/) {
  if (Key == VK_RETURN) {
    Key = 0;
    btnOKClick(Sender);
  }
}

void TfmChannelName::btnOKClick(TObject* /*Sender*/) {
  const QByteArray name = ChannelNameText::Field(edName->Text());
  edName->SetText(ChannelNameText::Shown(name));
  Close();
  m_host.SetChannelName(NameChannel, name);
}

void TfmChannelName::bnCancelClick(TObject* /*Sender*/) { Close(); }
