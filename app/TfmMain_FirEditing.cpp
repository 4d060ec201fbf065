// The window's side of the per-channel FIR: binding and the routines the
// refresh, the setting file and the FIR design dialog call.
#include "app/TfmMain.h"
#include "editors/filter/FilterEditing.h"
#include "editors/fir/FirEditing.h"
#include "editors/fir/FirTapBudget.h"

void TfmMain::BindFirEditing() {
  m_firEditing = std::make_unique<FirEditing>(*this, *m_filterEditing);
  m_firEditing->Bind();
}

bool TfmMain::ReserveFirTaps(int n) { return m_firEditing->ReserveFirTaps(n); }

void TfmMain::SendFirCoefficients(int channel, int taps) { m_firEditing->SendFirCoefficients(channel, taps); }

void TfmMain::RecountFirTapsInUse() { m_state.FirTapsInUse = FirTapBudget::CountInUse(*m_unitControl); }

void TfmMain::RefreshOutputModeControls(int channel) { m_firEditing->RefreshOutputModeControls(channel); }
