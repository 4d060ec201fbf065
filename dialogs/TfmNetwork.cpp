#include "dialogs/TfmNetwork.h"

#include <functional>
#include <utility>

#include <QStringList>

#include "dialogs/DialogParts.h"
#include "dialogs/IDialogHost.h"
#include "platform/io/SerialPortList.h"
#include "platform/widgets/TImage.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/combo/TRzComboBox.h"
#include "widgets/labels/TRzLabel.h"
#include "widgets/panels/TRzGroupBox.h"
#include "widgets/smooth/TAdvProgressBar.h"

TfmNetwork* fmNetwork = nullptr;

namespace {

constexpr int kNetworkClientWidth = 400;
constexpr int kNetworkClientHeight = 196;
constexpr int kStepMs = 100;
constexpr int kNetworkWatchdogMs = 6000;
constexpr int kSerialWatchdogMs = 10000;
/// The light grey of the editor's group boxes.

TRzLabel* AddStatusLabel(QWidget& parent, const QString& name, int left, int top, int width, TAlignment alignment) {
  auto* label = new TRzLabel(&parent);
  label->SetName(name);
  label->SetAutoSize(false);
  label->SetBounds(left, top, width, 20);
  label->SetAlignment(alignment);
  label->SetLayout(TTextLayout::tlCenter);
  label->SetTransparent(true);
  label->Font().SetName(QStringLiteral("Arial"));
  label->Font().SetHeight(-14);
  label->Font().SetColor(RGB(16, 32, 64));
  return label;
}

void MakeStepTimer(TTimer& timer, int milliseconds, std::function<void(TObject*)> handler) {
  timer.SetEnabled(false);
  timer.SetInterval(milliseconds);
  timer.OnTimer = std::move(handler);
}

}  // namespace

TfmNetwork::TfmNetwork(IDialogHost& host, QWidget* parent) : TForm(parent), m_host(host) {
  SetName(QStringLiteral("fmNetwork"));
  SetCaption(QStringLiteral("Connect"));
  DialogParts::SetDialogFrame(*this, kNetworkClientWidth, kNetworkClientHeight);
  // A title bar without border icons, above every other window.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint);
  imBase = &DialogParts::AddBackground(*this, QStringLiteral("imBase"));

  GroupBox1 = new TRzGroupBox(this);
  GroupBox1->SetName(QStringLiteral("GroupBox1"));
  GroupBox1->SetBounds(12, 12, kNetworkClientWidth - 24, 112);
  GroupBox1->SetGroupStyle(TRzGroupBoxStyle::gsCustom);
  GroupBox1->SetColor(DialogParts::kGroupColor);
  lblScan = AddStatusLabel(*GroupBox1, QStringLiteral("lblScan"), 14, 14, kNetworkClientWidth - 52, TAlignment::taLeftJustify);
  lblScan->Font().SetStyle({TFontStyle::fsBold});
  pbScan = new TAdvProgressBar(GroupBox1);
  pbScan->SetName(QStringLiteral("pbScan"));
  pbScan->SetBounds(14, 44, kNetworkClientWidth - 52, 28);
  pbScan->SetShowBorder(true);
  pbScan->SetShowPosition(false);
  pbScan->SetLevel0ColorTo(0xE1FFE1);
  pbScan->SetLevel1ColorTo(0xCAFFFF);
  pbScan->SetLevel2Color(0x53A9FF);
  pbScan->SetLevel2ColorTo(0xA8D3FF);
  pbScan->SetLevel3ColorTo(0xCACAFF);
  pbScan->SetMax(1);
  pbScan->SetPosition(0);
  lblDeviceID = AddStatusLabel(*GroupBox1, QStringLiteral("lblDeviceID"), kNetworkClientWidth - 138, 80, 100,
                               TAlignment::taRightJustify);
  cbCOM = new TRzComboBox(this, TComboBoxStyle::csDropDownList);
  cbCOM->SetName(QStringLiteral("cbCOM"));
  cbCOM->SetBounds(12, 140, 80, 22);
  cbCOM->SetVisible(false);

  btnOK = &DialogParts::AddButton(*this, QStringLiteral("btnOK"), 36, 146, mrNone);
  btnExit = &DialogParts::AddButton(*this, QStringLiteral("btnExit"), 160, 146, mrNone);
  btnId = &DialogParts::AddButton(*this, QStringLiteral("btnId"), 284, 146, mrNone);
  btnOK->OnClick = [this](TObject* sender) { btnOKClick(sender); };
  btnExit->OnClick = [this](TObject* sender) { btnExitClick(sender); };
  btnId->OnClick = [this](TObject* sender) { btnIdClick(sender); };

  MakeStepTimer(tmConnect, kStepMs, [this](TObject* sender) { tmConnectTimer(sender); });
  MakeStepTimer(tmLinkBroken, kStepMs, [this](TObject* sender) { tmLinkBrokenTimer(sender); });
  MakeStepTimer(tmRunUsbConnect, kStepMs, [this](TObject* sender) { tmRunUsbConnectTimer(sender); });
  MakeStepTimer(tmRunNetConnect, kStepMs, [this](TObject* sender) { tmRunNetConnectTimer(sender); });
  MakeStepTimer(tmRunComConnect, kStepMs, [this](TObject* sender) { tmRunComConnectTimer(sender); });
  MakeStepTimer(tmWatchDog, kSerialWatchdogMs, [this](TObject* sender) { tmWatchDogTimer(sender); });
  OnShow = [this](TObject* sender) { FormShow(sender); };
  fmNetwork = this;
}

TfmNetwork::~TfmNetwork() {
  if (fmNetwork == this) {
    fmNetwork = nullptr;
  }
}

void TfmNetwork::FormShow(TObject* /*Sender*/) {
  SetCaption(m_host.LookUpText(QStringLiteral("SID_CONNECT")));
  btnOK->SetCaption(m_host.LookUpText(QStringLiteral("SID_START_SCAN")));
  btnExit->SetCaption(m_host.LookUpText(QStringLiteral("SID_DEMO")));
  btnId->SetCaption(m_host.LookUpText(QStringLiteral("SID_SET")));
}

int TfmNetwork::Total() const { return static_cast<int>(cbCOM->Items().size()) + m_extraCandidates; }

void TfmNetwork::SetButtonsEnabled(bool enabled) {
  btnOK->SetEnabled(enabled);
  btnId->SetEnabled(enabled);
  btnExit->SetEnabled(enabled);
}

void TfmNetwork::ShowCounter() {
  lblDeviceID->SetCaption(QStringLiteral("%1/%2").arg(m_candidateIndex).arg(Total()));
}

void TfmNetwork::StartSearch() {
  m_extraCandidates = 0;
  SetButtonsEnabled(false);
  BuildCandidates();
}

void TfmNetwork::BuildCandidates() {
  QStringList ports;
  for (const std::string& port : SerialPortList::List()) {
    ports << QString::fromStdString(port);
  }
  cbCOM->SetItems(ports);
  if (!ports.isEmpty()) {
    cbCOM->SetItemIndex(0);
  }
  // USB when the unit is attached, else the network when an address is
  // known; never both.
  const bool usb = m_host.HasUsbDevice();
  const bool network = !usb && m_host.HasUnitAddress();
  if (usb || network) {
    m_extraCandidates += 1;
  }
  if (usb) {
    m_candidateIndex = 1;
    StartCandidate(m_host.LookUpText(QStringLiteral("SID_SCAN_USB")), kNetworkWatchdogMs);
    tmRunUsbConnect.SetEnabled(true);
  } else if (network) {
    m_host.ActivateClientSocket();
    m_candidateIndex = 1;
    StartCandidate(m_host.LookUpText(QStringLiteral("SID_SCAN_NET")), kNetworkWatchdogMs);
    tmRunNetConnect.SetEnabled(true);
  } else if (!ports.isEmpty()) {
    m_candidateIndex = 1;
    StartSerialCandidate();
  } else {
    ShowNoDevice();
    tmConnect.SetEnabled(true);
  }
}

void TfmNetwork::StartCandidate(const QString& status, int watchdogMs) {
  ShowCounter();
  lblScan->SetCaption(status);
  pbScan->SetMax(Total());
  pbScan->SetPosition(m_candidateIndex);
  // Restarted for every candidate: a count left from the last candidate or
  // the last search would cut this probe short.
  tmWatchDog.SetEnabled(false);
  tmWatchDog.SetInterval(watchdogMs);
  tmWatchDog.SetEnabled(true);
}

void TfmNetwork::StartSerialCandidate() {
  const QString port = cbCOM->Items().value(m_candidateIndex - 1 - m_extraCandidates);
  StartCandidate(m_host.LookUpText(QStringLiteral("SID_SCAN")) + port + QStringLiteral(" ......"), kSerialWatchdogMs);
  m_host.SetComPortName(port);
  tmRunComConnect.SetEnabled(true);
}

void TfmNetwork::ShowNoDevice() {
  tmWatchDog.SetEnabled(false);
  pbScan->SetPosition(pbScan->Max());
  lblScan->SetCaption(m_host.LookUpText(QStringLiteral("SID_NO_DEVICE")));
  lblDeviceID->SetCaption(QString());
}

void TfmNetwork::ReportProbeResult(int value) {
  m_probeResult = value;
  tmConnect.SetEnabled(true);
}

void TfmNetwork::ReportLinkBroken() {
  m_probeResult = 0;
  tmLinkBroken.SetEnabled(true);
  m_host.CloseProgress();
}

void TfmNetwork::HideDialog() {
  if (Modal()) {
    Close();
  } else {
    SetVisible(false);
  }
}

void TfmNetwork::btnOKClick(TObject* /*Sender*/) {
  m_host.SendDiscovery();
  StartSearch();
}

void TfmNetwork::btnExitClick(TObject* /*Sender*/) {
  m_host.EnableLinkControls();
  HideDialog();
}

void TfmNetwork::btnIdClick(TObject* /*Sender*/) { m_host.ClickNetworkSetup(); }

void TfmNetwork::tmRunUsbConnectTimer(TObject* /*Sender*/) {
  tmRunUsbConnect.SetEnabled(false);
  m_host.OpenUsbLink();
}

void TfmNetwork::tmRunNetConnectTimer(TObject* /*Sender*/) {
  tmRunNetConnect.SetEnabled(false);
  m_host.OpenNetworkLink();
}

void TfmNetwork::tmRunComConnectTimer(TObject* /*Sender*/) {
  tmRunComConnect.SetEnabled(false);
  m_host.OpenSerialLink();
}

void TfmNetwork::tmWatchDogTimer(TObject* /*Sender*/) {
  tmWatchDog.SetEnabled(false);
  tmConnect.SetEnabled(true);
}

void TfmNetwork::tmConnectTimer(TObject* /*Sender*/) {
  tmConnect.SetEnabled(false);
  if (m_probeResult == 1) {
    tmWatchDog.SetEnabled(false);
    HideDialog();
    return;
  }
  m_host.Disconnect();
  if (m_candidateIndex >= Total()) {
    SetButtonsEnabled(true);
    ShowNoDevice();
    return;
  }
  m_candidateIndex += 1;
  StartSerialCandidate();
}

void TfmNetwork::tmLinkBrokenTimer(TObject* /*Sender*/) {
  tmLinkBroken.SetEnabled(false);
  SetButtonsEnabled(true);
  lblScan->SetCaption(m_host.LookUpText(QStringLiteral("SID_LINK_BROKEN")));
  lblDeviceID->SetCaption(QString());
}
