// The selected equaliser band of every channel: cleared before a refresh,
// band 1 after it, and the band track bars and boxes that show it.
#include "app/ChannelControls.h"
#include "app/RefreshingScope.h"
#include "app/TfmMain.h"
#include "components/LMyFFTDrawHpLp6dB.h"
#include "components/peq/TMyPEQType10.h"
#include "platform/CFormat.h"
#include "protocol/ParameterScales.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/smooth/TCurvyEdit.h"
#include "widgets/trackbar/TAdvTrackBar.h"

namespace {

constexpr int kNoBand = 15;
constexpr int kBandMarker = 1;
constexpr int kGainCodeZero = 120;

}  // namespace

void TfmMain::ClearPeqBandSelection() {
  for (int channel = 0; channel < MainWindowState::kChannels; ++channel) {
    const ChannelControls& c = m_live->channels[channel];
    ShowPeqBandValues(channel, false, 19.7, 0.0, 0.4);
    c.peqPeq->SetNowIndex(kNoBand);
    c.peqPeq->SetNowIndex(-1);
    Plot& curves = *m_responseCurves[channel];
    curves.DrawSectionFill(1, 0, 0.0, 0.4, false);
    curves.DrawTotal(channel);
    c.fftDraw->UpdateCurvePage();
  }
}

void TfmMain::SelectFirstPeqBand() {
  for (int channel = 0; channel < MainWindowState::kChannels; ++channel) {
    const ChannelControls& c = m_live->channels[channel];
    c.rzbEq1->SetDown(true);
    const double hertz = c.peqPeq->GetFreqValue(0);
    const double gain = c.peqPeq->GetGainValue(0);
    const double q = c.peqPeq->GetQValue(0);
    const int type = c.peqPeq->GetTypeValue(0);
    c.peqPeq->SetNowIndex(0);
    ShowPeqBandValues(channel, true, hertz, gain, q);
    Plot& curves = *m_responseCurves[channel];
    curves.DrawBandMarker(0, gain, kBandMarker);
    curves.DrawSectionFill(type, 0, gain, static_cast<float>(q), true);
    curves.DrawTotal(channel);
    c.fftDraw->UpdateCurvePage();
  }
}

void TfmMain::ShowPeqBandValues(int channel, bool enabled, double hertz, double gain, double q) {
  if (m_state.RefreshingControls || channel < 0 || channel >= MainWindowState::kChannels) {
    return;
  }
  const ChannelControls& c = m_live->channels[channel];
  // The bars' change handlers stay silent while the flag is set.
  const RefreshingScope refreshing(m_state.RefreshingControls);
  c.eqFreq.bar->SetPosition(FreqToIndex(hertz));
  c.eqFreq.bar->SetEnabled(enabled);
  c.eqFreq.box->SetText(CutFrequencyText(hertz));
  c.eqGain.bar->SetPosition(GainToIndex(gain));
  c.eqGain.bar->SetEnabled(enabled);
  const int step = c.eqGain.bar->Position() - kGainCodeZero;
  c.eqGain.box->SetText(FormatC(step >= 0 ? "+%3.1fdB" : "%4.1fdB", step * 0.1));
  c.eqBw.bar->SetPosition(QToIndex(q));
  c.eqBw.bar->SetEnabled(enabled);
  c.eqBw.box->SetText(FormatC("%3.2f", double(QTable.at(c.eqBw.bar->Position()))));
}
