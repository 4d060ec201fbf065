// The main window's side of the network link and discovery: the unit
// address list and its scan button, the discovery timer and the passes the
// start-up makes, all handed to the network glue.
#include "app/TfmMain.h"
#include "link/NetworkGlue.h"
#include "platform/threads/TTimer.h"
#include "platform/widgets/TLabel.h"
#include "widgets/buttons/TRzButton.h"
#include "widgets/combo/TRzComboBox.h"

namespace {

const QString kAddressList = QStringLiteral("rzcIpAddress");

}  // namespace

void TfmMain::BindNetworkHandlers() {
  Named<TTimer>(QStringLiteral("tmHostCheck"))->OnTimer = [this](TObject*) { m_network->tmHostCheckTimer(); };
  Named<TRzButton>(QStringLiteral("sbIpScan"))->OnClick = [this](TObject*) { m_network->sbIpScanClick(); };
  Named<TRzComboBox>(kAddressList)->OnChange = [this](TObject*) { m_network->rzcIpAddressChange(); };
}

void TfmMain::MakeHostBroadcastAddress() {
  if (m_network != nullptr) {
    m_network->MakeHostBroadcastAddress();
  }
}

void TfmMain::BuildHostBroadcastList() {
  if (m_network != nullptr) {
    m_network->BuildHostBroadcastList();
  }
}

void TfmMain::SendDiscovery() {
  if (m_network != nullptr) {
    m_network->SendDiscovery();
  }
}

int TfmMain::AddressCount() const { return static_cast<int>(Named<TRzComboBox>(kAddressList)->Items().size()); }

QString TfmMain::AddressAt(int index) const { return Named<TRzComboBox>(kAddressList)->Items().value(index); }

void TfmMain::InsertAddress(int index, const QString& text) {
  Named<TRzComboBox>(kAddressList)->InsertItemValue(index, text, text);
}

void TfmMain::ClearAddresses() { Named<TRzComboBox>(kAddressList)->ClearItemsValues(); }

int TfmMain::SelectedAddressIndex() const { return Named<TRzComboBox>(kAddressList)->ItemIndex(); }

void TfmMain::SelectAddress(int index) { Named<TRzComboBox>(kAddressList)->SetItemIndex(index); }

void TfmMain::ShowAddressList() {
  Named<TLabel>(QStringLiteral("lbIp"))->SetVisible(true);
  Named<TRzComboBox>(kAddressList)->SetVisible(true);
  Named<TRzButton>(QStringLiteral("sbIpScan"))->SetEnabled(true);
}

void TfmMain::SetHostCheckEnabled(bool enabled) { Named<TTimer>(QStringLiteral("tmHostCheck"))->SetEnabled(enabled); }
