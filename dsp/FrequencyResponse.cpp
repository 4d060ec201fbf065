#include "dsp/FrequencyResponse.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "dsp/BiquadDesign.h"
#include "dsp/ComplexArray.h"
#include "dsp/Fft.h"

namespace {

using Complex = std::complex<double>;
using GridResponse = std::array<Complex, kFrequencyBinCount>;

constexpr double kTenDegreesPerRadian = 18.0 / std::numbers::pi;
constexpr int kCoefficientFftSize = 4096;

// atan(num / den), 0 where both are 0.
double Arctangent(double num, double den) {
  if (num == 0.0 && den == 0.0) {
    return 0.0;
  }
  return std::atan(num / den);
}

// Sum a[i] z_k^i for real a at every grid point by Horner's rule. The grid is
// walked in blocks small enough to stay in cache while every coefficient is
// applied, and the inner loop runs over independent points so it vectorises.
void EvaluateRealPolynomial(const double* a, int count, GridResponse& out) {
  constexpr int kBlock = 256;
  const auto& z = FrequencyGrid::Get().Z1();
  for (int start = 0; start < kFrequencyBinCount; start += kBlock) {
    double zr[kBlock], zi[kBlock], re[kBlock], im[kBlock];
    for (int j = 0; j < kBlock; ++j) {
      zr[j] = z[start + j].real();
      zi[j] = z[start + j].imag();
      re[j] = count > 0 ? a[count - 1] : 0.0;
      im[j] = 0.0;
    }
    for (int i = count - 2; i >= 0; --i) {
      const double ai = a[i];
      for (int j = 0; j < kBlock; ++j) {
        const double r = re[j] * zr[j] - im[j] * zi[j] + ai;
        im[j] = re[j] * zi[j] + im[j] * zr[j];
        re[j] = r;
      }
    }
    for (int j = 0; j < kBlock; ++j) {
      out[start + j] = {re[j], im[j]};
    }
  }
}

bool IsSymmetricAboutHalf(const std::vector<double>& c) {
  const int n = int(c.size());
  const int half = n / 2;
  for (int m = 1; half + m < n; ++m) {
    if (c[half + m] != c[half - m]) {
      return false;
    }
  }
  return true;
}

}  // namespace

double MagnitudeToDb(double magnitude) {
  if (!(magnitude > 0.0)) {
    return kCurveFloorDb;
  }
  return std::clamp(20.0 * std::log10(magnitude), kCurveFloorDb, -kCurveFloorDb);
}

void BiquadCurve(const BiquadCoefficients& c, int type, bool phaseMode, ResponseCurve& curve) {
  const FrequencyGrid& grid = FrequencyGrid::Get();
  const auto& z1 = grid.Z1();
  const auto& z2 = grid.Z2();
  for (int k = 0; k < kFrequencyBinCount; ++k) {
    const double nr = c.b0 + c.b1 * z1[k].real() + c.b2 * z2[k].real();
    const double ni = c.b1 * z1[k].imag() + c.b2 * z2[k].imag();
    const double dr = c.a0 + c.a1 * z1[k].real() + c.a2 * z2[k].real();
    const double di = c.a1 * z1[k].imag() + c.a2 * z2[k].imag();
    if (!phaseMode) {
      const double num = ComplexMagnitude(nr, ni);
      // -20 log10(|D| / |N|); a zero numerator lands on the floor.
      curve[k] = num == 0.0 ? kCurveFloorDb : -MagnitudeToDb(ComplexMagnitude(dr, di) / num);
      continue;
    }
    const double p = nr * dr + ni * di;
    const double m = di * nr - dr * ni;
    double value = -std::atan(p == 0.0 ? m * 1000000.0 : m / p) * kTenDegreesPerRadian;
    if (p < 0.0) {
      if (m > 0.0 && type != BiquadBandPass) {
        value -= 18.0;
      }
      if (m < 0.0) {
        value += 18.0;
      }
    }
    curve[k] = value;
  }
}

void FirResponseOnGrid(const std::vector<double>& c, GridResponse& response) {
  const int n = int(c.size());
  if (n == 0 || !IsSymmetricAboutHalf(c)) {
    int used = n;
    while (used > 0 && c[used - 1] == 0.0) {
      --used;
    }
    EvaluateRealPolynomial(c.data(), used, response);
    return;
  }
  // H = e^(-j half w) (c[half] + 2 sum_m c[half + m] cos(m w)) (+ c[0] for an
  // even count, whose mirror tap lies beyond the end). The cosine series is
  // 2 Re P(z) with P's constant term c[half] / 2.
  const int half = n / 2;
  std::vector<double> a(c.begin() + half, c.end());
  a[0] *= 0.5;
  EvaluateRealPolynomial(a.data(), int(a.size()), response);
  const double unpaired = n % 2 == 0 ? c[0] : 0.0;
  const auto& omegas = FrequencyGrid::Get().Omegas();
  for (int k = 0; k < kFrequencyBinCount; ++k) {
    const double amplitude = 2.0 * response[k].real();
    const double angle = half * omegas[k];
    response[k] = {amplitude * std::cos(angle) + unpaired, -amplitude * std::sin(angle)};
  }
}

void DesignedFirCurve(const std::vector<double>& coefficients, bool phaseMode, bool removeLatency,
                      ResponseCurve& curve) {
  if (phaseMode && removeLatency) {
    curve.fill(0.0);
    return;
  }
  GridResponse response;
  FirResponseOnGrid(coefficients, response);
  for (int k = 0; k < kFrequencyBinCount; ++k) {
    const Complex h = response[k];
    curve[k] = phaseMode ? Arctangent(h.imag(), h.real()) * 2.0 * kTenDegreesPerRadian
                         : MagnitudeToDb(ComplexMagnitude(h.real(), h.imag()));
  }
}

void CoefficientFirCurve(const float* coefficients, int count, bool phaseMode, bool removeLatency,
                         ResponseCurve& curve) {
  count = std::clamp(count, 0, kCoefficientFftSize);
  std::vector<Complex> points(kCoefficientFftSize);
  std::vector<double> real(count);
  for (int i = 0; i < count; ++i) {
    real[i] = coefficients[i];
    points[i] = {real[i], 0.0};
  }
  if (removeLatency) {
    RotateComplex(points.data(), -IndexOfMax(real.data(), count), kCoefficientFftSize);
  }
  Fft(kCoefficientFftSize, points.data(), points.data());

  // Bins 0 .. n/2 cover the whole grid (up to 48 kHz).
  constexpr int kBins = kCoefficientFftSize / 2 + 1;
  std::vector<double> binFrequency(kBins);
  std::vector<double> binValue(kBins);
  for (int m = 0; m < kBins; ++m) {
    binFrequency[m] = m * (kBiquadSampleRate / kCoefficientFftSize);
    const double re = points[m].real();
    const double im = points[m].imag();
    if (!phaseMode) {
      binValue[m] = MagnitudeToDb(ComplexMagnitude(re, im));
      continue;
    }
    double value = Arctangent(im, re) * kTenDegreesPerRadian;
    if (re < 0.0) {
      value += im >= 0.0 ? 18.0 : -18.0;
    }
    binValue[m] = value;
  }
  InterpolateOntoGrid(kFrequencyBinCount, kBins, FrequencyGrid::Get().Frequencies().data(),
                      binFrequency.data(), binValue.data(), 0.0, 0.0, curve.data());
}
