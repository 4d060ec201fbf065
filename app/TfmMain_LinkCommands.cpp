// The main window's link commands: the link button and the Connect menu,
// the network setup and factory default entries, and what the search and
// setup dialogs ask of the window.
#include "app/TfmMain.h"

#include <utility>

#include "dialogs/TfmFactory.h"
#include "dialogs/TfmNetwork.h"
#include "dialogs/TfmNetworkSetup.h"
#include "link/LUnitSession.h"
#include "link/NetworkGlue.h"
#include "link/NetworkPort.h"
#include "link/ProcessState.h"
#include "link/UsbHidGlue.h"
#include "platform/io/TcpClientSocket.h"
#include "protocol/CM_MCS_CMD.h"
#include "protocol/CommandCodes.h"
#include "widgets/buttons/TRzBmpButton.h"

namespace {

constexpr int kFactoryResetTimeoutMs = 10000;

}  // namespace

void TfmMain::BindLinkCommandHandlers() {
  m_controls.rzbMenuLink->OnClick = [this](TObject* sender) { rzbMenuLinkClick(sender); };
  BindMenuEntries({{"Connected", &TfmMain::ConnectedClick},
                   {"NetworkSetup", &TfmMain::NetworkSetupClick},
                   {"FactoryDefault", &TfmMain::FactoryDefaultClick},
                   {"ConnectHelp", &TfmMain::ConnectHelpClick},
                   {"SettingID", &TfmMain::SettingIDClick},
                   {"BlockDiagram", &TfmMain::BlockDiagramClick}});
}

void TfmMain::rzbMenuLinkClick(TObject* /*Sender*/) {
  // Enabled again by the end of the read-out, the demo mode or Disconnect.
  SetLinkControlsEnabled(false);
  SetLinkButtonDown(false);
  if (m_session->IsUnitLinked()) {
    SendCommand(CM_MCS_CMD(GetUnitId(), CMD_GOODBYE), true, 1);
    SetConnectCaption(LookUpText(QStringLiteral("SID_CONNECT")));
    m_session->StartDisconnectTimer();
    return;
  }
  if (fmNetwork == nullptr) {
    SetLinkControlsEnabled(true);
    return;
  }
  fmNetwork->btnOK->Click();
  SetConnectCaption(LookUpText(QStringLiteral("SID_DISCONNECT")));
  fmNetwork->ShowModal();
}

void TfmMain::ConnectedClick(TObject* /*Sender*/) { rzbMenuLinkClick(m_controls.rzbMenuLink); }

void TfmMain::NetworkSetupClick(TObject* /*Sender*/) {
  if (fmNetworkSetup == nullptr) {
    return;
  }
  fmNetworkSetup->ShowLinkedState(m_controls.rzbMenuLink->Caption() == LookUpText(QStringLiteral("SID_ONLINE")));
  fmNetworkSetup->ShowModal();
}

void TfmMain::FactoryDefaultClick(TObject* /*Sender*/) {
  if (!m_session->IsUnitOnline()) {
    ShowInformation(LookUpText(QStringLiteral("SID_INFO_CON_FIRST")));
    return;
  }
  // The confirmation's OK starts the reset.
  if (fmFactory != nullptr) {
    fmFactory->ShowModal();
  }
}

void TfmMain::StartFactoryReset() {
  m_session->SetProcessState(PROCESS_RELOAD_AFTER_FACTORY_RESET);
  StopLiveDisplay();
  m_session->SetLinkTimeout(kFactoryResetTimeoutMs);
  // Its acknowledgement starts the read-out of the reset unit.
  SendCommand(CM_MCS_CMD(GetUnitId(), CMD_FACTORY_RESET), true, 1);
}

bool TfmMain::HasUsbDevice() const { return m_glue != nullptr && m_glue->HidDevice() != nullptr; }

bool TfmMain::HasUnitAddress() const { return m_network != nullptr && m_state.SelectedUnitAddress != 0; }

void TfmMain::SetComPortName(const QString& name) { m_session->SetComPortName(name); }

void TfmMain::OpenSerialLink() { m_session->OpenSerialLink(); }

void TfmMain::OpenUsbLink() { m_session->OpenUsbLink(); }

void TfmMain::OpenNetworkLink() { m_session->OpenNetworkLink(); }

void TfmMain::Disconnect() { m_session->Disconnect(); }

void TfmMain::ActivateClientSocket() {
  if (m_network != nullptr) {
    m_network->Port()->ActivateClient();
  }
}

void TfmMain::EnableLinkControls() { SetLinkControlsEnabled(true); }

void TfmMain::ClickNetworkSetup() {
  if (TMenuItem* item = m_controls.MainMenu.Find(QStringLiteral("NetworkSetup"))) {
    item->Click();
  }
}

void TfmMain::SetUnitId(int id) { m_session->SetUnitId(id); }

void TfmMain::SetClientAddress(std::uint32_t address) {
  if (m_network != nullptr) {
    m_network->Port()->ClientSocket().SetAddress(address);
  }
}

void TfmMain::SetManualUnitAddress(std::uint32_t address) {
  m_state.SelectedUnitAddress = address;
  if (m_network != nullptr) {
    m_network->Port()->ClientSocket().SetAddress(address);
    // Frames go by UDP to the same unit as by TCP, never to a second one.
    m_network->Port()->SetUdpDestination(address);
  }
  SetLinkLabel(QStringLiteral("IP : ") + NetworkGlue::AddressText(address));
}
