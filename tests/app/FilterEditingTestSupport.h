#pragma once

#include <stdexcept>

#include "app/TfmMain.h"
#include "components/LMyFFTDrawHpLp6dB.h"
#include "components/peq/TMyPEQType10.h"
#include "protocol/LUnitControl.h"
#include "protocol/ParameterScales.h"

/// What the full refresh does for the filter editing, until it lands: the
/// band panels and curves of every channel from the unit image, sending
/// nothing.
inline void ShowImageOnFilterControls(TfmMain& window) {
  window.State().RefreshingControls = true;
  for (int channel = 0; channel < 9; ++channel) {
    auto* panel = window.Controls().Find<TMyPEQType10>(QStringLiteral("peqPeq"), channel);
    for (int band = 0; band < UnitImage::BandCount(channel); ++band) {
      const PeqBandRecord record = window.UnitControl().GetPeqBand(channel, band);
      panel->SetEqParamValue(band, IndexToFreq(record.freq), record.q, IndexToGain(record.gain), record.type,
                             window.UnitControl().IsPeqBandBypassed(channel, band));
    }
  }
  window.State().RefreshingControls = false;
  for (int channel = 0; channel < 9; ++channel) {
    auto* plot = window.Controls().Find<LMyFFTDrawHpLp6dB>(QStringLiteral("fftDraw"), channel);
    window.UpdateFirCurve(plot);
    window.UpdateLowCutCurve(plot);
    window.UpdateHighCutCurve(plot);
    window.LoadPeqCurve(plot);
    plot->UpdateCurvePage();
  }
}

template <class T>
T& Named(TfmMain& window, const QString& name) {
  T* control = window.Controls().Find<T>(name);
  if (control == nullptr) {
    throw std::runtime_error("no control " + name.toStdString());
  }
  return *control;
}
