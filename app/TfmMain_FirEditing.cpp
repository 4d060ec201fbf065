// The window's side of the per-channel FIR: binding and the routines the
// refresh, the setting file, the unit-file download, the page switch and
// the FIR design dialog call.
#include "app/TfmMain.h"
#include "editors/filter/FilterEditing.h"
#include "editors/fir/FirEditing.h"
#include "editors/fir/FirTapBudget.h"
#include "widgets/buttons/TRzBmpButton.h"

void TfmMain::BindFirEditing() {
  m_firEditing = std::make_unique<FirEditing>(*this, *m_filterEditing, *this, *this);
  m_firEditing->Bind();
  for (int channel = 0; channel < MainWindowState::kChannels; ++channel) {
    if (auto* design = m_registry.Find<TRzBmpButton>(QStringLiteral("rzbFirDesign"), channel)) {
      design->OnClick = [this](TObject* sender) { rzbFirDesignInAClick(sender); };
    }
  }
  if (TMenuItem* item = m_controls.MainMenu.Find(QStringLiteral("FirDesign"))) {
    item->OnClick = [this](TObject* sender) { FirDesignClick(sender); };
  }
}

bool TfmMain::ReserveFirTaps(int n) { return m_firEditing->ReserveFirTaps(n); }

void TfmMain::SendFirCoefficients(int channel, int taps) { m_firEditing->SendFirCoefficients(channel, taps); }

void TfmMain::StoreFirCoefficientsInEeprom(int preset, int channel, int count) {
  m_firEditing->StoreFirCoefficientsInEeprom(preset, channel, count);
}

void TfmMain::ApplyInputFir(int channel, int taps, QByteArrayView name, std::span<const double> values) {
  m_firEditing->ApplyInputFir(channel, taps, name, values);
}

void TfmMain::ApplyOutputFir(int channel, int taps, QByteArrayView name, std::span<const double> values) {
  m_firEditing->ApplyOutputFir(channel, taps, name, values);
}

void TfmMain::RecountFirTapsInUse() { m_state.FirTapsInUse = FirTapBudget::CountInUse(*m_unitControl); }

void TfmMain::RefreshOutputModeControls(int channel) { m_firEditing->RefreshOutputModeControls(channel); }

void TfmMain::CopyFirDesignSettings(int channel) {
  if (m_firEditing != nullptr) {
    m_firEditing->Designer().CopyFirDesignSettings(channel);
  }
}

void TfmMain::rzbFirDesignInAClick(TObject* Sender) {
  auto* button = dynamic_cast<TControl*>(Sender);
  if (button == nullptr) return;
  m_firDesignChannel = button->Tag();
  ShowFirDesigner(m_firDesignChannel);
}

void TfmMain::FirDesignClick(TObject* /*Sender*/) { ShowFirDesigner(m_firDesignChannel); }
