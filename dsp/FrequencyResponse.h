#pragma once

#include <complex>
#include <numbers>
#include <vector>

#include "dsp/FrequencyGrid.h"

struct BiquadCoefficients;

// Response curves on the frequency grid. Magnitudes are in dB, floored at
// kCurveFloorDb (a zero of the response never yields -inf); phases are in
// tens of degrees (-18..+18 for -180..+180), and an undefined angle (0/0)
// is 0. Pure functions, any thread.

/// Lowest (and, negated, highest) magnitude a curve carries.
/// 10 log10(x) = 10 / ln(10) x ln(x): dB of a power ratio per unit of its
/// natural logarithm, the faster one to take.
inline constexpr double kDecibelsPerNeper = 10.0 / std::numbers::ln10;
inline constexpr double kCurveFloorDb = -200.0;

/// 20 log10(magnitude), kept within +-200 dB.
double MagnitudeToDb(double magnitude);
/// 10 log10(ratio) of a power ratio, kept within +-200 dB.
double PowerRatioToDb(double ratio);

/// The curve of one section: magnitude mode -20 log10(|D| / |N|); phase mode
/// the phase of N / D in tens of degrees, except that a section of type 6
/// is not taken down by half a turn where N conj(D) lies in the third
/// quadrant.
void BiquadCurve(const BiquadCoefficients& coefficients, int type, bool phaseMode, ResponseCurve& curve);

/// |N|^2 / |D|^2 of a section at every grid point (kFrequencyBinCount values):
/// the power ratio whose 10 log10 is BiquadCurve's magnitude, so a product of
/// them sums the curves. True where every ratio lies within +-200 dB, so
/// that none of them is clamped on the way to a curve (false for a zero, an
/// infinity or a NaN).
bool BiquadPowerRatios(const BiquadCoefficients& coefficients, double* ratios);

/// H(w_k) = sum c[i] e^(-j i w_k) at every grid point. Coefficients that are
/// symmetric about index size/2 (the designed filters) are summed as a cosine
/// series over half the taps; others by Horner's rule in e^(-j w).
void FirResponseOnGrid(const std::vector<double>& coefficients,
                       std::array<std::complex<double>, kFrequencyBinCount>& response);

/// The curve of a designed FIR: 20 log10 |H|, or in phase mode 0 with the
/// latency removed, else atan(Im H / Re H) x 36/pi.
void DesignedFirCurve(const std::vector<double>& coefficients, bool phaseMode, bool removeLatency,
                      ResponseCurve& curve);

/// The curve of a coefficient set (at most 4096 are used): 4096-point FFT,
/// with the latency removed the largest coefficient first rotated to index 0,
/// then each bin's magnitude or phase interpolated onto the grid.
void CoefficientFirCurve(const float* coefficients, int count, bool phaseMode, bool removeLatency,
                         ResponseCurve& curve);
