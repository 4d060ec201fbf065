#pragma once

#include <algorithm>
#include <chrono>
#include <stdexcept>

#include "app/TfmMain.h"
#include "components/LMyFFTDrawHpLp6dB.h"
#include "components/peq/TMyPEQType10.h"
#include "link/LUnitSession.h"
#include "protocol/LUnitControl.h"
#include "protocol/ParameterScales.h"
#include "tests/support/ProcessEventsUntil.h"
#include "tools/unitsim/SimUnitImage.h"
#include "tools/unitsim/UnitSim.h"

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

/// Links InA and InB in the simulated unit, opens the window's serial link to
/// the simulator's pty and waits until the read-out has brought the unit's
/// image over; false when it does not within a minute.
inline bool LinkInputPairAndReadOut(TfmMain& window, UnitSim& sim) {
  sim.ModifyState([](SimUnitState& state) {
    for (int input : {0, 1}) {
      WriteWord(state.image, SimImageLayout::ChannelRecord(input) + SimImageLayout::kInLinkMask, 0x0003);
    }
  });
  window.Session().SetComPortName(QString::fromStdString(sim.PtyPath()));
  window.Session().OpenSerialLink();
  return ProcessEventsUntil(
      [&] {
        const SimImage unit = sim.Image();
        const auto editor = window.UnitControl().Image().Bytes();
        return window.Session().IsUnitOnline() && window.Session().GetProcessState() == 0 &&
               std::equal(unit.begin() + 2, unit.begin() + 1006, editor.begin() + 2);
      },
      std::chrono::seconds(60));
}
