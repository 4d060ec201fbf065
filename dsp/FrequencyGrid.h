#pragma once

#include <array>

/// Number of points of every response curve.
inline constexpr int kFrequencyBinCount = 4096;

/// One response curve: a value per point of the frequency grid.
using ResponseCurve = std::array<double, kFrequencyBinCount>;
/// Any other array of a value per grid point.
using GridValues = std::array<double, kFrequencyBinCount>;

/// The plots' logarithmic frequency grid: point k stands for
/// f_k = 10^(log10(48000) k / 4096) Hz, evaluated at w_k = 2pi f_k / 96000.
/// Built once and immutable; any thread.
class FrequencyGrid {
public:
  static const FrequencyGrid& Get();

  /// The fractional grid position of a frequency: log10(f) / log10(48000) x 4096.
  static double BinPosition(double frequency);

  const std::array<double, kFrequencyBinCount>& Frequencies() const { return m_frequencies; }
  /// e^(-j w_k) and e^(-2j w_k), the delays at every grid point, as separate
  /// arrays of real and imaginary parts (loops over the grid vectorise).
  const GridValues& Z1Real() const { return m_z1Real; }
  const GridValues& Z1Imag() const { return m_z1Imag; }
  const GridValues& Z2Real() const { return m_z2Real; }
  const GridValues& Z2Imag() const { return m_z2Imag; }
  const std::array<double, kFrequencyBinCount>& Omegas() const { return m_omegas; }
  /// For cosine series by Reinsch's recurrence: 2 cos w - 2 = -4 sin^2(w/2)
  /// below FirstNonPositiveCosine(), 2 cos w + 2 = 4 cos^2(w/2) from there on.
  const std::array<double, kFrequencyBinCount>& CosineRecurrenceFactors() const { return m_cosineFactors; }
  int FirstNonPositiveCosine() const { return m_firstNonPositiveCosine; }
  /// sin^2 w at every grid point.
  const GridValues& SineSquares() const { return m_sineSquares; }

private:
  FrequencyGrid();

  std::array<double, kFrequencyBinCount> m_frequencies;
  std::array<double, kFrequencyBinCount> m_omegas;
  GridValues m_z1Real;
  GridValues m_z1Imag;
  GridValues m_z2Real;
  GridValues m_z2Imag;
  std::array<double, kFrequencyBinCount> m_cosineFactors;
  GridValues m_sineSquares;
  int m_firstNonPositiveCosine = kFrequencyBinCount;
};
