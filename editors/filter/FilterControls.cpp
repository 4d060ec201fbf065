#include "editors/filter/FilterControls.h"

#include "components/LMyFFTDrawHpLp6dB.h"
#include "components/peq/TMyPEQType10.h"

LMyFFTDrawHpLp6dB* FilterControls::PlotControl(int channel) const {
  return Find<LMyFFTDrawHpLp6dB>(QStringLiteral("fftDraw"), channel);
}

TMyPEQType10* FilterControls::Panel(int channel) const {
  return Find<TMyPEQType10>(QStringLiteral("peqPeq"), channel);
}

int FilterControls::ChannelOf(TObject* sender) {
  auto* control = dynamic_cast<TControl*>(sender);
  return control != nullptr ? control->Tag() : -1;
}
