#include "dsp/PlotSection.h"

#include <algorithm>

#include "dsp/FirDesign.h"
#include "dsp/FrequencyResponse.h"

namespace {

/// A new section's filter: a flat high shelf at 1000 Hz, Q 0.4. Every
/// section starts from it, so its curve is computed once.
struct FlatShelf {
  static constexpr double kFrequency = 1000.0;
  static constexpr double kQ = 0.4;
  BiquadCoefficients biquad;
  ResponseCurve curve{};
  GridValues powerRatios{};
  bool ratiosWithinCurveRange = false;
};

const FlatShelf& Flat() {
  static const FlatShelf flat = [] {
    FlatShelf shelf;
    if (auto designed = DesignBiquad(BiquadHighShelf, FlatShelf::kFrequency, 0.0, FlatShelf::kQ, 0.0f, 0.0f)) {
      shelf.biquad = *designed;
    }
    BiquadCurve(shelf.biquad, BiquadHighShelf, false, shelf.curve);
    shelf.ratiosWithinCurveRange = BiquadPowerRatios(shelf.biquad, shelf.powerRatios.data());
    return shelf;
  }();
  return flat;
}

}  // namespace

PlotSection::PlotSection()
    : m_type(BiquadHighShelf),
      m_frequency(FlatShelf::kFrequency),
      m_q(FlatShelf::kQ),
      m_biquad(Flat().biquad),
      m_curve(Flat().curve) {}

void PlotSection::SetFilter(double gain, double frequency, double q, int type) {
  m_gain = gain;
  m_frequency = frequency;
  m_q = q;
  m_type = type;
  ComputeBiquadCurve();
}

void PlotSection::SetCrossoverSection(double gain, double frequency, double q, int type, float c0,
                                      float c1) {
  m_c0 = c0;
  m_c1 = c1;
  SetFilter(gain, frequency, q, type);
}

void PlotSection::SetFirDesign(int firType, int window, double lower, double upper, int taps) {
  m_firType = firType;
  m_firWindow = window;
  m_firLower = lower;
  m_firUpper = upper;
  m_firTaps = taps;
  if (auto designed = DesignWindowedFir(firType, window, lower, upper, taps)) {
    m_firCoefficients = std::move(*designed);
  }
  DropPowerRatios();
  DesignedFirCurve(m_firCoefficients, m_phaseMode, m_removeFirLatency, m_curve);
}

void PlotSection::SetFirTaps(const float* coefficients, int count) {
  count = std::clamp(count, 0, kFrequencyBinCount);
  m_firTapCopy.assign(coefficients, coefficients + count);
  m_firTaps = count;
  DropPowerRatios();
  CoefficientFirCurve(m_firTapCopy.data(), count, m_phaseMode, m_removeFirLatency, m_curve);
}

const ResponseCurve& PlotSection::GetCurve() const {
  if (m_curvePending) {
    BiquadCurve(m_biquad, m_type, false, m_curve);
    m_curvePending = false;
  }
  return m_curve;
}

void PlotSection::SetCurve(const ResponseCurve& curve) {
  DropPowerRatios();
  m_curve = curve;
}

const double* PlotSection::GetPowerRatios() const {
  switch (m_ratioSource) {
    case RatioSource::FlatShelf:
      return Flat().ratiosWithinCurveRange ? Flat().powerRatios.data() : nullptr;
    case RatioSource::Own:
      return m_ratiosWithinCurveRange ? m_powerRatios.data() : nullptr;
    case RatioSource::None:
      break;
  }
  return nullptr;
}

void PlotSection::DropPowerRatios() {
  m_ratioSource = RatioSource::None;
  m_curvePending = false;
}

void PlotSection::ComputeBiquadCurve() {
  if (auto designed = DesignBiquad(m_type, m_frequency, m_gain, m_q, m_c0, m_c1)) {
    m_biquad = *designed;
  }
  if (m_phaseMode) {
    DropPowerRatios();
    BiquadCurve(m_biquad, m_type, true, m_curve);
    return;
  }
  m_powerRatios.resize(kFrequencyBinCount);
  m_ratiosWithinCurveRange = BiquadPowerRatios(m_biquad, m_powerRatios.data());
  m_ratioSource = RatioSource::Own;
  m_curvePending = true;
}
