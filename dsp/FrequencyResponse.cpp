#include "dsp/FrequencyResponse.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "dsp/BiquadDesign.h"
#include "dsp/ComplexArray.h"
#include "dsp/Fft.h"
#include "platform/VectorClones.h"
#include "platform/VectorLog.h"

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
  const FrequencyGrid& grid = FrequencyGrid::Get();
  const double* zr = grid.Z1Real().data();
  const double* zi = grid.Z1Imag().data();
  for (int start = 0; start < kFrequencyBinCount; start += kBlock) {
    double re[kBlock], im[kBlock];
    for (int j = 0; j < kBlock; ++j) {
      re[j] = count > 0 ? a[count - 1] : 0.0;
      im[j] = 0.0;
    }
    for (int i = count - 2; i >= 0; --i) {
      const double ai = a[i];
      for (int j = 0; j < kBlock; ++j) {
        const double r = re[j] * zr[start + j] - im[j] * zi[start + j] + ai;
        im[j] = re[j] * zi[start + j] + im[j] * zr[start + j];
        re[j] = r;
      }
    }
    for (int j = 0; j < kBlock; ++j) {
      out[start + j] = {re[j], im[j]};
    }
  }
}

// A dB value kept within +-200 dB.
[[gnu::always_inline]] inline double ClampDb(double db) {
  return db < kCurveFloorDb ? kCurveFloorDb : (db > -kCurveFloorDb ? -kCurveFloorDb : db);
}

// True where a block of values are all positive normal numbers: then the
// logarithm that vectorises serves every one of them.
[[gnu::always_inline]] inline bool AllInLogDomain(const double* values, int size) {
  int outside = 0;
  for (int j = 0; j < size; ++j) {
    outside |= int(!IsLogDomain(values[j]));
  }
  return outside == 0;
}

constexpr int kLogBlock = 256;

// 10 log10 of every power ratio, as PowerRatioToDb; a block with a value
// outside the logarithm's domain goes value by value.
KRV_VECTOR_CLONES void PowerRatiosToDbRange(double* values, int count) {
  for (int start = 0; start < count; start += kLogBlock) {
    double* block = values + start;
    const int size = std::min(kLogBlock, count - start);
    if (!AllInLogDomain(block, size)) {
      for (int j = 0; j < size; ++j) {
        block[j] = PowerRatioToDb(block[j]);
      }
      continue;
    }
    for (int j = 0; j < size; ++j) {
      block[j] = ClampDb(kDecibelsPerNeper * VectorLog(block[j]));
    }
  }
}

// |N|^2 and |D|^2 of a biquad at grid point k, from the separate real and
// imaginary delay tables (plain arithmetic: the loops around it vectorise).
[[gnu::always_inline]] inline void SectionPowers(const BiquadCoefficients& c, const FrequencyGrid& grid, int k,
                                                 double& num, double& den) {
  const double z1r = grid.Z1Real()[k], z1i = grid.Z1Imag()[k];
  const double z2r = grid.Z2Real()[k], z2i = grid.Z2Imag()[k];
  const double nr = c.b0 + c.b1 * z1r + c.b2 * z2r;
  const double ni = c.b1 * z1i + c.b2 * z2i;
  const double dr = c.a0 + c.a1 * z1r + c.a2 * z2r;
  const double di = c.a1 * z1i + c.a2 * z2i;
  num = nr * nr + ni * ni;
  den = dr * dr + di * di;
}

// How many of the grid's power ratios lie beyond +-200 dB or are no numbers.
KRV_VECTOR_CLONES int CountOutsideCurveRange(const double* ratios) {
  constexpr double kLowest = 1e-20;  // -200 dB
  constexpr double kHighest = 1e20;  // +200 dB
  int outside = 0;
  for (int k = 0; k < kFrequencyBinCount; ++k) {
    outside += int(!((ratios[k] >= kLowest) & (ratios[k] <= kHighest)));
  }
  return outside;
}

// |N|^2 / |D|^2 of a biquad at every grid point.
KRV_VECTOR_CLONES void PowerRatioQuotients(const BiquadCoefficients& section, double* out) {
  const BiquadCoefficients c = section;
  const FrequencyGrid& grid = FrequencyGrid::Get();
  for (int k = 0; k < kFrequencyBinCount; ++k) {
    double num, den;
    SectionPowers(c, grid, k, num, den);
    out[k] = num / den;
  }
}

// 10 log10(|N|^2 / |D|^2) of a biquad at every grid point, as PowerRatioToDb
// of the quotient, taking the logarithm of the quotient without forming it.
KRV_VECTOR_CLONES void BiquadMagnitudeDb(const BiquadCoefficients& section, double* out) {
  const BiquadCoefficients c = section;
  const FrequencyGrid& grid = FrequencyGrid::Get();
  for (int start = 0; start < kFrequencyBinCount; start += kLogBlock) {
    double num[kLogBlock], den[kLogBlock];
    for (int j = 0; j < kLogBlock; ++j) {
      SectionPowers(c, grid, start + j, num[j], den[j]);
    }
    double* block = out + start;
    if (!AllInLogDomain(num, kLogBlock) || !AllInLogDomain(den, kLogBlock)) {
      for (int j = 0; j < kLogBlock; ++j) {
        block[j] = PowerRatioToDb(num[j] / den[j]);
      }
      continue;
    }
    for (int j = 0; j < kLogBlock; ++j) {
      block[j] = ClampDb(kDecibelsPerNeper * VectorLogRatio(num[j], den[j]));
    }
  }
}

// S(w_k) = sum a[m] cos(m w_k), m = 0..count-1, at every grid point by
// Reinsch's form of Clenshaw's recurrence, which stays accurate where cos w
// is near +-1: with b the Clenshaw sums, it carries d = b_m - b_(m+1) (cos w
// > 0) or e = b_m + b_(m+1) (cos w <= 0) instead of the second sum. It is
// the designed FIR curves' inner loop, so it is built twice, for AVX2 and
// for any x86-64, and the loader picks what the processor runs. The clones
// are plain functions (one per sign of the cosine) around an inlined
// template, a form every compiler takes.
template <bool kPositiveCosine>
[[gnu::always_inline]] inline void CosineSeriesRange(const double* a, int count, int begin, int end, double* out) {
  constexpr int kBlock = 256;
  const auto& factors = FrequencyGrid::Get().CosineRecurrenceFactors();
  for (int start = begin; start < end; start += kBlock) {
    const int size = std::min(kBlock, end - start);
    double factor[kBlock], b[kBlock], d[kBlock];
    for (int j = 0; j < size; ++j) {
      factor[j] = factors[start + j];
      b[j] = 0.0;
      d[j] = 0.0;
    }
    for (int m = count - 1; m >= 1; --m) {
      const double am = a[m];
      for (int j = 0; j < size; ++j) {
        if constexpr (kPositiveCosine) {
          d[j] = am + factor[j] * b[j] + d[j];
          b[j] = d[j] + b[j];
        } else {
          d[j] = am + factor[j] * b[j] - d[j];
          b[j] = d[j] - b[j];
        }
      }
    }
    // The last step, m = 0, gives S = d_0 -+ factor / 2 b_1.
    for (int j = 0; j < size; ++j) {
      const double d0 = kPositiveCosine ? a[0] + factor[j] * b[j] + d[j] : a[0] + factor[j] * b[j] - d[j];
      out[start + j] = d0 - 0.5 * factor[j] * b[j];
    }
  }
}

KRV_VECTOR_CLONES void PositiveCosineSeriesRange(const double* a, int count, int begin, int end, double* out) {
  CosineSeriesRange<true>(a, count, begin, end, out);
}

KRV_VECTOR_CLONES void NegativeCosineSeriesRange(const double* a, int count, int begin, int end, double* out) {
  CosineSeriesRange<false>(a, count, begin, end, out);
}

void CosineSeries(const double* a, int count, double* out) {
  const int split = FrequencyGrid::Get().FirstNonPositiveCosine();
  PositiveCosineSeriesRange(a, count, 0, split, out);
  NegativeCosineSeriesRange(a, count, split, kFrequencyBinCount, out);
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
  return PowerRatioToDb(magnitude * magnitude);
}

double PowerRatioToDb(double ratio) {
  if (!(ratio > 0.0)) {
    return kCurveFloorDb;
  }
  return std::clamp(kDecibelsPerNeper * std::log(ratio), kCurveFloorDb, -kCurveFloorDb);
}

void BiquadPowerRatios(const BiquadCoefficients& c, double* ratios) {
  PowerRatioQuotients(c, ratios);
}

bool PowerRatiosWithinCurveRange(const double* ratios) {
  return CountOutsideCurveRange(ratios) == 0;
}

void BiquadCurve(const BiquadCoefficients& c, int type, bool phaseMode, ResponseCurve& curve) {
  if (!phaseMode) {
    // -20 log10(|D| / |N|) as 10 log10(|N|^2 / |D|^2). A zero numerator lands
    // on the floor, a zero denominator on the ceiling.
    BiquadMagnitudeDb(c, curve.data());
    return;
  }
  const FrequencyGrid& grid = FrequencyGrid::Get();
  const auto& z1r = grid.Z1Real();
  const auto& z1i = grid.Z1Imag();
  const auto& z2r = grid.Z2Real();
  const auto& z2i = grid.Z2Imag();
  for (int k = 0; k < kFrequencyBinCount; ++k) {
    const double nr = c.b0 + c.b1 * z1r[k] + c.b2 * z2r[k];
    const double ni = c.b1 * z1i[k] + c.b2 * z2i[k];
    const double dr = c.a0 + c.a1 * z1r[k] + c.a2 * z2r[k];
    const double di = c.a1 * z1i[k] + c.a2 * z2i[k];
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
  // even count, whose mirror tap lies beyond the end).
  const int half = n / 2;
  std::vector<double> a(c.begin() + half, c.end());
  for (std::size_t m = 1; m < a.size(); ++m) {
    a[m] *= 2.0;
  }
  std::vector<double> amplitude(kFrequencyBinCount);
  CosineSeries(a.data(), int(a.size()), amplitude.data());
  const double unpaired = n % 2 == 0 ? c[0] : 0.0;
  const auto& omegas = FrequencyGrid::Get().Omegas();
  for (int k = 0; k < kFrequencyBinCount; ++k) {
    const double angle = half * omegas[k];
    response[k] = {amplitude[k] * std::cos(angle) + unpaired, -amplitude[k] * std::sin(angle)};
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
  if (!phaseMode) {
    for (int k = 0; k < kFrequencyBinCount; ++k) {
      curve[k] = std::norm(response[k]);
    }
    PowerRatiosToDbRange(curve.data(), kFrequencyBinCount);
    return;
  }
  for (int k = 0; k < kFrequencyBinCount; ++k) {
    const Complex h = response[k];
    curve[k] = Arctangent(h.imag(), h.real()) * 2.0 * kTenDegreesPerRadian;
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
      binValue[m] = re * re + im * im;
      continue;
    }
    double value = Arctangent(im, re) * kTenDegreesPerRadian;
    if (re < 0.0) {
      value += im >= 0.0 ? 18.0 : -18.0;
    }
    binValue[m] = value;
  }
  if (!phaseMode) {
    PowerRatiosToDbRange(binValue.data(), kBins);
  }
  InterpolateOntoGrid(kFrequencyBinCount, kBins, FrequencyGrid::Get().Frequencies().data(),
                      binFrequency.data(), binValue.data(), 0.0, 0.0, curve.data());
}
