// The main window's side of the link session: its link controls and
// captions. Dialog calls stay no-ops until their dialogs exist.
#include "app/TfmMain.h"
#include "dialogs/TfmInformation.h"
#include "platform/widgets/TLabel.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/combo/TRzComboBox.h"
#include "widgets/buttons/TRzButton.h"

namespace {
const QString kProductName = QStringLiteral("KRV-71 FIR DSP Processor Editor");
const QString kVersion = QStringLiteral("V1.0");
}  // namespace

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
  SetCaption(kProductName + QLatin1Char(' ') + kVersion);
  SetEnabled(true);
}

void TfmMain::StartLevelPoll() {
  if (auto* poll = m_registry.Find<TTimer>(QStringLiteral("tmInLevelDet"))) {
    poll->SetEnabled(true);
  }
}
