#include "dsp/FrequencyGrid.h"

#include <cmath>
#include <numbers>

#include "dsp/BiquadDesign.h"

const FrequencyGrid& FrequencyGrid::Get() {
  static const FrequencyGrid grid;
  return grid;
}

double FrequencyGrid::BinPosition(double frequency) {
  return std::log10(frequency) / std::log10(48000.0) * kFrequencyBinCount;
}

FrequencyGrid::FrequencyGrid() {
  const double top = std::log10(48000.0);
  for (int k = 0; k < kFrequencyBinCount; ++k) {
    m_frequencies[k] = std::pow(10.0, top * k / kFrequencyBinCount);
    m_omegas[k] = 2.0 * std::numbers::pi * m_frequencies[k] / kBiquadSampleRate;
    m_z1Real[k] = std::cos(m_omegas[k]);
    m_z1Imag[k] = -std::sin(m_omegas[k]);
    m_z2Real[k] = std::cos(2.0 * m_omegas[k]);
    m_z2Imag[k] = -std::sin(2.0 * m_omegas[k]);
    if (m_z1Real[k] <= 0.0 && m_firstNonPositiveCosine == kFrequencyBinCount) {
      m_firstNonPositiveCosine = k;
    }
    const double s = std::sin(0.5 * m_omegas[k]);
    const double c = std::cos(0.5 * m_omegas[k]);
    m_cosineFactors[k] = k < m_firstNonPositiveCosine ? -4.0 * s * s : 4.0 * c * c;
    m_sineSquares[k] = m_z1Imag[k] * m_z1Imag[k];
  }
}
