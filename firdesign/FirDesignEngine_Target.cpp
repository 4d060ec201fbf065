#include "firdesign/FirDesignEngine.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>
#include <vector>

#include "dsp/BiquadDesign.h"
#include "dsp/ComplexArray.h"
#include "dsp/Fft.h"
#include "dsp/SgSmooth.h"
#include "firdesign/FirDesignControls.h"
#include "firdesign/FirDesignView.h"
#include "protocol/ParameterScales.h"

namespace {

/// Levels above this frequency form the automatic gain.
constexpr double kAutoGainFloorHz = 100.0;
/// How a band with a zero numerator is counted: 20 log10(1e-6 / |D|).
constexpr double kZeroNumeratorScale = 1e6;

/// The frequency of a range bound as the designer compares it.
double RangeFrequency(int bound) {
  return static_cast<float>(IndexToFreq(bound));
}

bool InRange(double frequency, int low, int high) {
  return RangeFrequency(low) <= frequency && frequency <= RangeFrequency(high);
}

}  // namespace

double FirDesignEngine::PhaseDegrees(std::complex<double> value) {
  const double re = value.real();
  const double im = value.imag();
  if (re == 0.0) {
    return 0.0;
  }
  double degrees = std::atan(im / re) * 180.0 / std::numbers::pi;
  if (re < 0.0) {
    degrees += im >= 0.0 ? 180.0 : -180.0;
  }
  return degrees;
}

void FirDesignEngine::ApplyAutoGain() {
  double sum = 0.0;
  int count = 0;
  for (int k = 0; k < m_pointCount; ++k) {
    if (m_tableFrequency[k] > kAutoGainFloorHz) {
      sum += m_tableMagnitude[k];
      ++count;
    }
  }
  // Without a point above 100 Hz there is no level to take back.
  const double mean = count > 0 ? sum / count : 0.0;
  const double steps = std::trunc(-mean * 10.0) + kImportGainZero;
  SetImportGainPosition(static_cast<int>(std::clamp(steps, 0.0, double(kMaxImportGainPosition))));
}

void FirDesignEngine::ApplyAutoDelay() {
  const int peak = IndexOfMax(m_measuredImpulse.data(), kPoints);
  // The delay in force is the one the holder can show.
  m_importDelay = static_cast<float>(std::max(-peak, -kMaxImportDelay));
  ShowImportDelayHolder("%1.2fms");
}

void FirDesignEngine::CompensateImportDelay() {
  if (m_importDelay == 0.0f) {
    m_measuredPhase = m_importedPhase;
    return;
  }
  std::vector<std::complex<double>> buffer(kPoints);
  for (int k = 0; k < kPoints; ++k) {
    buffer[k] = {m_measuredImpulse[k], 0.0};
  }
  RotateComplex(buffer.data(), static_cast<int>(m_importDelay), kPoints);
  Fft(kPoints, buffer.data(), buffer.data());
  Curve binPhase;
  for (int k = 0; k < kPoints; ++k) {
    binPhase[k] = PhaseDegrees(buffer[k]);
  }
  InterpolateOntoGrid(kPoints, kPoints, m_logGrid.data(), m_binGrid.data(), binPhase.data(), binPhase.front(),
                      binPhase.back(), m_measuredPhase.data());
}

void FirDesignEngine::ComputeEqCurve() {
  std::vector<std::complex<double>> z1(kPoints);
  std::vector<std::complex<double>> z2(kPoints);
  for (int k = 0; k < kPoints; ++k) {
    const double omega = 2.0 * std::numbers::pi * m_logGrid[k] / kSampleRate;
    z1[k] = std::polar(1.0, -omega);
    z2[k] = std::polar(1.0, -2.0 * omega);
  }
  m_eqMagnitude.fill(0.0);
  for (int b = 0; b < FirDesignControls::kBandCount; ++b) {
    const FirDesignBand band = m_controls.Band(b);
    const std::optional<BiquadCoefficients> c = FirDesignBiquadCoefficients(
        FirDesignSectionType(band.type, band.bypassed), band.q, band.gain, band.frequency);
    if (!c) {
      continue;
    }
    for (int k = 0; k < kPoints; ++k) {
      const double numerator = std::abs(c->b0 + c->b1 * z1[k] + c->b2 * z2[k]);
      const double denominator = std::abs(c->a0 + c->a1 * z1[k] + c->a2 * z2[k]);
      m_eqMagnitude[k] += numerator == 0.0 ? -20.0 * std::log10(kZeroNumeratorScale * denominator)
                                           : 20.0 * std::log10(numerator / denominator);
    }
  }
  if (m_eqBypassed) {
    ShowZeroLine(FirDesignView::PeqMagnitude);
  } else {
    ShowGridCurve(FirDesignView::PeqMagnitude, m_eqMagnitude);
  }
}

void FirDesignEngine::BuildDesignTarget() {
  const bool magnitudeOn = m_controls.IsDown(FirDesignSwitch::MagnitudeRange);
  const bool phaseOn = m_controls.IsDown(FirDesignSwitch::PhaseRange);
  const bool targetOn = m_controls.IsDown(FirDesignSwitch::Target);
  Curve load{};
  Curve exceptMagnitude{};
  Curve exceptPhase{};
  for (int k = 0; k < kPoints; ++k) {
    const double f = m_logGrid[k];
    m_designMagnitude[k] = 0.0;
    if (magnitudeOn && InRange(f, m_magnitudeLow, m_magnitudeHigh)) {
      m_designMagnitude[k] = m_measuredMagnitude[k] - (m_eqBypassed ? 0.0 : m_eqMagnitude[k]) -
                             (targetOn ? m_targetMagnitude[k] : 0.0) + m_importGain;
    }
    m_designPhase[k] = 0.0;
    if (phaseOn && InRange(f, m_phaseLow, m_phaseHigh)) {
      m_designPhase[k] = m_measuredPhase[k] - (targetOn ? m_targetPhase[k] : 0.0);
    }
    load[k] = m_measuredMagnitude[k] + m_importGain;
    exceptMagnitude[k] = -m_designMagnitude[k];
    exceptPhase[k] = -m_designPhase[k];
  }
  ShowGridCurve(FirDesignView::LoadMagnitude, load);
  ShowGridCurve(FirDesignView::LoadPhase, m_measuredPhase);
  ShowGridCurve(FirDesignView::ExceptMagnitude, exceptMagnitude);
  ShowGridCurve(FirDesignView::ExceptPhase, exceptPhase);
}

void FirDesignEngine::SmoothDesignTarget() {
  m_smoothedMagnitude = m_designMagnitude;
  m_smoothedPhase = m_designPhase;
  if (m_smoothingHalfWidth != 0) {
    SgSmoothArray(kPoints, m_smoothedMagnitude.data(), m_smoothingHalfWidth, 1);
    SgSmoothArray(kPoints, m_smoothedPhase.data(), m_smoothingHalfWidth, 1);
  }
  m_view.ShowCurve(FirDesignView::ResultMagnitude, nullptr, nullptr, 0);
  m_view.ShowCurve(FirDesignView::ResultPhase, nullptr, nullptr, 0);
}
