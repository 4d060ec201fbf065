// The window's side of the filter editing: binding and the routines that
// start-up, the page switch and the refresh call.
#include "app/TfmMain.h"
#include "editors/filter/FilterEditing.h"

void TfmMain::BindFilterEditing() {
  m_filterEditing = std::make_unique<FilterEditing>(*this);
  m_filterEditing->Peq().ShowResetDialog = [this](int channel) { ShowPeqResetDialog(channel); };
  m_filterEditing->Mouse().ScreenDpi = [this] { return logicalDpiX(); };
  m_filterEditing->Bind();
}

void TfmMain::ShowPeqBandValues(int channel, bool enabled, double frequency, double gain, double q) {
  m_filterEditing->Peq().ShowPeqBandValues(channel, enabled, frequency, gain, q);
}

void TfmMain::ResetChannelPeq(int channel) { m_filterEditing->Peq().ResetChannelPeq(channel); }

void TfmMain::LoadPeqCurve(TControl* plot) { m_filterEditing->Views().LoadPeqCurve(plot); }

void TfmMain::UpdateFirCurve(TControl* plot) { m_filterEditing->Views().UpdateFirCurve(plot); }

void TfmMain::UpdateLowCutCurve(TControl* plot) { m_filterEditing->Crossover().UpdateLowCutCurve(plot); }

void TfmMain::UpdateHighCutCurve(TControl* plot) { m_filterEditing->Crossover().UpdateHighCutCurve(plot); }

void TfmMain::UpdateCompressorEqCurve() { m_filterEditing->Views().UpdateCompressorEqCurve(); }

void TfmMain::RefreshGainSummaryCurves() { m_filterEditing->Views().RefreshGainSummaryCurves(); }

void TfmMain::RefreshChannelOverlayCurves(int channel) { m_filterEditing->Views().RefreshChannelOverlayCurves(channel); }
