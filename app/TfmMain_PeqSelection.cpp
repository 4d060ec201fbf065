// The selected equaliser band of every channel: cleared before a refresh,
// band 1 after it, and the band track bars and boxes that show it.
#include "app/ChannelControls.h"
#include "app/TfmMain.h"
#include "components/LMyFFTDrawHpLp6dB.h"
#include "components/peq/TMyPEQType10.h"
#include "widgets/buttons/TRzBmpButton.h"

namespace {

constexpr int kNoBand = 15;
constexpr int kBandMarker = 1;

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
