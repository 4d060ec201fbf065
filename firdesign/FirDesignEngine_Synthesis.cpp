#include "firdesign/FirDesignEngine.h"

#include <cmath>
#include <complex>
#include <numbers>
#include <vector>

#include "dsp/ComplexArray.h"
#include "dsp/Fft.h"
#include "dsp/FrequencyResponse.h"
#include "firdesign/DesignedFirReceiver.h"
#include "firdesign/FirDesignView.h"

void FirDesignEngine::SynthesizeFir() {
  const int halfTaps = m_designTaps / 2;
  const int delay = m_designOutputDelay;

  // The correction's impulse, time zero at sample 0, pre-ringing at the end.
  Curve h{};
  ImpulseOfLogResponse(m_smoothedMagnitude, m_smoothedPhase, m_designMagnitude.front(), m_designMagnitude.back(),
                       m_designPhase.front(), m_designPhase.back(), -1.0, h);

  // Time zero to sample s, then a Hann window of length 2s centred half a
  // sample before it.
  const int s = 2 * halfTaps - delay;
  RotateReal(h.data(), s, kPoints);
  m_coefficients.fill(0.0);
  for (int k = 0; k < 2 * s; ++k) {
    m_coefficients[k] = 0.5 * (1.0 - std::cos(2.0 * std::numbers::pi * k / (2 * s - 1))) * h[k];
  }
  // Drop what lies more than `delay` samples before the time zero and move
  // the time zero to tap `delay`.
  const int cut = 2 * (halfTaps - delay);
  for (int k = 0; k < cut; ++k) {
    m_coefficients[k] = 0.0;
  }
  RotateReal(m_coefficients.data(), -cut, kPoints);

  // The FIR's own response without its latency.
  std::vector<std::complex<double>> buffer(kPoints);
  for (int k = 0; k < kPoints; ++k) {
    buffer[k] = {m_coefficients[k], 0.0};
  }
  RotateComplex(buffer.data(), -delay, kPoints);
  Fft(kPoints, buffer.data(), buffer.data());
  for (int k = 0; k < kPoints; ++k) {
    m_firMagnitude[k] = MagnitudeToDb(std::abs(buffer[k]));
    m_firPhase[k] = PhaseDegrees(buffer[k]);
  }
  m_view.ShowCurve(FirDesignView::FirMagnitude, m_binGrid.data(), m_firMagnitude.data(), kPoints);
  m_view.ShowCurve(FirDesignView::FirPhase, m_binGrid.data(), m_firPhase.data(), kPoints);
}

void FirDesignEngine::ShowPredictedResult() {
  Curve firOnGrid{};
  InterpolateOntoGrid(kPoints, kPoints, m_logGrid.data(), m_binGrid.data(), m_firMagnitude.data(),
                      m_firMagnitude.front(), m_firMagnitude.back(), firOnGrid.data());
  for (int k = 0; k < kPoints; ++k) {
    m_predictedMagnitude[k] = firOnGrid[k] + m_measuredMagnitude[k] + m_importGain;
  }
  InterpolateOntoGrid(kPoints, kPoints, m_logGrid.data(), m_binGrid.data(), m_firPhase.data(), m_firPhase.front(),
                      m_firPhase.back(), firOnGrid.data());
  for (int k = 0; k < kPoints; ++k) {
    m_predictedPhase[k] = firOnGrid[k] + m_measuredPhase[k];
  }
  ShowGridCurve(FirDesignView::ResultMagnitude, m_predictedMagnitude);
  ShowGridCurve(FirDesignView::ResultPhase, m_predictedPhase);
}
