// The main window's side of the link session: its link controls and
// captions, and the search and setup dialogs' part in it.
#include "app/ProductName.h"
#include "app/TfmMain.h"
#include "dialogs/TfmInformation.h"
#include "dialogs/TfmNetwork.h"
#include "dialogs/TfmNetworkSetup.h"
#include "widgets/labels/TRzLabel.h"
#include "widgets/smooth/TAdvProgressBar.h"
#include "platform/widgets/TLabel.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/combo/TRzComboBox.h"
#include "widgets/buttons/TRzButton.h"

void TfmMain::ShowInformation(const QString& text) {
  if (fmInformation != nullptr) {
    fmInformation->lbMessage->SetCaption(text);
    fmInformation->ShowModal();
  }
}

void TfmMain::SetUnitIdLabel(const QString& text) {
  if (auto* label = Named<TLabel>(QStringLiteral("lbShowIdNumber"))) {
    label->SetCaption(text);
  }
}

void TfmMain::SetLinkLabel(const QString& text) {
  if (auto* label = Named<TLabel>(QStringLiteral("lbShowIp"))) {
    label->SetCaption(text);
  }
}

void TfmMain::SetLinkButtonCaption(const QString& text) { m_controls.rzbMenuLink->SetCaption(text); }

void TfmMain::SetConnectCaption(const QString& text) {
  if (TMenuItem* item = m_controls.MainMenu.Find(QStringLiteral("Connect"))) {
    item->Caption = text;
    m_controls.MainMenu.Refresh();
  }
}

void TfmMain::SetLinkButtonDown(bool down) { m_controls.rzbMenuLink->SetDown(down); }

void TfmMain::SetLinkControlsEnabled(bool enabled) {
  m_controls.rzbMenuLink->SetEnabled(enabled);
  if (TMenuItem* item = m_controls.MainMenu.Find(QStringLiteral("Connect"))) {
    item->Enabled = enabled;
    m_controls.MainMenu.Refresh();
  }
}

void TfmMain::SetAddressControlsEnabled(bool enabled) {
  if (auto* list = Named<TRzComboBox>(QStringLiteral("rzcIpAddress"))) {
    list->SetEnabled(enabled);
  }
  if (auto* scan = Named<TControl>(QStringLiteral("sbIpScan"))) {
    scan->SetEnabled(enabled);
  }
}

void TfmMain::ShowOfflineCaption() {
  SetCaption(ProductCaption());
  SetEnabled(true);
}

void TfmMain::StartLevelPoll() {
  if (auto* poll = m_registry.Find<TTimer>(QStringLiteral("tmInLevelDet"))) {
    poll->SetEnabled(true);
  }
}

// Without the search dialog (a window made without its dialogs) the window
// keeps the last probe result itself, so Disconnect still knows it.
void TfmMain::ReportProbeResult(int result) {
  m_probeAnswered = result != 0;
  if (fmNetwork != nullptr) {
    fmNetwork->ReportProbeResult(result);
  }
}

void TfmMain::ReportLinkBroken() {
  m_probeAnswered = false;
  if (fmNetwork != nullptr) {
    fmNetwork->ReportLinkBroken();
  }
}

bool TfmMain::ProbeAnswered() const { return fmNetwork != nullptr ? fmNetwork->ProbeAnswered() : m_probeAnswered; }

bool TfmMain::IsSearchDialogVisible() const { return fmNetwork != nullptr && fmNetwork->isVisible(); }

void TfmMain::HideSearchDialog() {
  if (fmNetwork != nullptr) {
    fmNetwork->HideDialog();
  }
}

void TfmMain::ShowSearchDialogAgain() {
  if (fmNetwork != nullptr) {
    fmNetwork->pbScan->SetPosition(0);
    fmNetwork->ShowModal();
  }
}

void TfmMain::SetSearchStatus(const QString& text) {
  if (fmNetwork != nullptr) {
    fmNetwork->lblScan->SetCaption(text);
  }
}

void TfmMain::ShowAddress(std::uint32_t /*address*/) {
  // The dialog reads SelectedUnitAddress, which its callers have set.
  if (fmNetworkSetup != nullptr) {
    fmNetworkSetup->ShowAddress();
  }
}
