#pragma once

#include <array>
#include <complex>

/// Number of points of every response curve.
inline constexpr int kFrequencyBinCount = 4096;

/// One response curve: a value per point of the frequency grid.
using ResponseCurve = std::array<double, kFrequencyBinCount>;

/// The plots' logarithmic frequency grid: point k stands for
/// f_k = 10^(log10(48000) k / 4096) Hz, evaluated at w_k = 2pi f_k / 96000.
/// Built once and immutable; any thread.
class FrequencyGrid {
public:
  static const FrequencyGrid& Get();

  /// The fractional grid position of a frequency: log10(f) / log10(48000) x 4096.
  static double BinPosition(double frequency);

  const std::array<double, kFrequencyBinCount>& Frequencies() const { return m_frequencies; }
  /// e^(-j w_k) and e^(-2j w_k), the delays at every grid point.
  const std::array<std::complex<double>, kFrequencyBinCount>& Z1() const { return m_z1; }
  const std::array<std::complex<double>, kFrequencyBinCount>& Z2() const { return m_z2; }
  const std::array<double, kFrequencyBinCount>& Omegas() const { return m_omegas; }
  /// For cosine series by Reinsch's recurrence: 2 cos w - 2 = -4 sin^2(w/2)
  /// below FirstNonPositiveCosine(), 2 cos w + 2 = 4 cos^2(w/2) from there on.
  const std::array<double, kFrequencyBinCount>& CosineRecurrenceFactors() const { return m_cosineFactors; }
  int FirstNonPositiveCosine() const { return m_firstNonPositiveCosine; }

private:
  FrequencyGrid();

  std::array<double, kFrequencyBinCount> m_frequencies;
  std::array<double, kFrequencyBinCount> m_omegas;
  std::array<std::complex<double>, kFrequencyBinCount> m_z1;
  std::array<std::complex<double>, kFrequencyBinCount> m_z2;
  std::array<double, kFrequencyBinCount> m_cosineFactors;
  int m_firstNonPositiveCosine = kFrequencyBinCount;
};
