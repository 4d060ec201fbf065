#include "dsp/FrequencyResponse.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "dsp/BiquadDesign.h"
#include "dsp/ComplexArray.h"
#include "dsp/Fft.h"
#include "platform/core/VectorClones.h"
#include "platform/core/VectorLog.h"

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

// |p(e^(-jw))|^2 of a real quadratic p(z) = p0 + p1 z + p2 z^2 without complex
// arithmetic: with its linear phase taken out, e^(jw) p(e^(-jw)) =
// p1 + (p0 + p2) cos w + j (p0 - p2) sin w, a sum of two squares that never
// cancels. The real part is taken in the grid's recurrence factor x
// (2 cos w -+ 2) from the nearer end, cos w = +-1, where p's value is a
// coefficient sum: there the stored cosine would lose the small difference.
struct QuadraticPower {
  double offset;  // p(+-1)
  double slope;   // (p0 + p2) / 2
  double sine;    // (p0 - p2)^2

  QuadraticPower(double p0, double p1, double p2, double cosineEnd)
      : offset(p1 + (p0 + p2) * cosineEnd), slope(0.5 * (p0 + p2)), sine((p0 - p2) * (p0 - p2)) {}

  [[gnu::always_inline]] double At(double x, double sineSquare) const {
    const double re = offset + slope * x;
    return re * re + sine * sineSquare;
  }
};

// A biquad's |N|^2 and |D|^2 over the grid points on one side of cos w = 0.
struct SectionPowers {
  QuadraticPower num;
  QuadraticPower den;

  SectionPowers(const BiquadCoefficients& c, double cosineEnd)
      : num(c.b0, c.b1, c.b2, cosineEnd), den(c.a0, c.a1, c.a2, cosineEnd) {}
};

// Calls range(powers, begin, end) for the grid points with cos w > 0 and
// then for the rest, each with its section's powers.
template <class Range>
void ForEachCosineSide(const BiquadCoefficients& c, Range range) {
  const int split = FrequencyGrid::Get().FirstNonPositiveCosine();
  range(SectionPowers(c, 1.0), 0, split);
  range(SectionPowers(c, -1.0), split, kFrequencyBinCount);
}

// out[k] = |N|^2 / |D|^2 over [begin, end); true where every one lies
// within +-200 dB (false for a zero, an infinity or a NaN).
KRV_VECTOR_CLONES bool PowerRatioRange(const SectionPowers& p, int begin, int end, double* out) {
  constexpr double kLowest = 1e-20;  // -200 dB
  constexpr double kHighest = 1e20;  // +200 dB
  const FrequencyGrid& grid = FrequencyGrid::Get();
  const double* x = grid.CosineRecurrenceFactors().data();
  const double* sineSquares = grid.SineSquares().data();
  const SectionPowers powers = p;
  std::uint64_t outside = 0;
  for (int k = begin; k < end; ++k) {
    const double ratio = powers.num.At(x[k], sineSquares[k]) / powers.den.At(x[k], sineSquares[k]);
    outside |= std::uint64_t(!((ratio >= kLowest) & (ratio <= kHighest)));
    out[k] = ratio;
  }
  return outside == 0;
}

// 10 log10(|N|^2 / |D|^2) over [begin, end), as PowerRatioToDb of the
// quotient, taking the logarithm of the quotient without forming it. Where
// a power lies outside the logarithm's domain the range goes point by point.
KRV_VECTOR_CLONES void MagnitudeDbRange(const SectionPowers& p, int begin, int end, double* out) {
  const FrequencyGrid& grid = FrequencyGrid::Get();
  const double* x = grid.CosineRecurrenceFactors().data();
  const double* sineSquares = grid.SineSquares().data();
  const SectionPowers powers = p;
  std::uint64_t outside = 0;
  for (int k = begin; k < end; ++k) {
    const double num = powers.num.At(x[k], sineSquares[k]);
    const double den = powers.den.At(x[k], sineSquares[k]);
    outside |= std::uint64_t(!(IsLogDomain(num) & IsLogDomain(den)));
    out[k] = ClampDb(kDecibelsPerNeper * VectorLogRatio(num, den));
  }
  if (outside == 0) {
    return;
  }
  for (int k = begin; k < end; ++k) {
    out[k] = PowerRatioToDb(powers.num.At(x[k], sineSquares[k]) / powers.den.At(x[k], sineSquares[k]));
  }
}

// One step of the recurrence below, from term m down to m - 1.
template <bool kPositiveCosine>
[[gnu::always_inline]] inline void CosineSeriesStep(double am, double factor, double& b, double& d) {
  if constexpr (kPositiveCosine) {
    d = factor * b + (am + d);
    b = d + b;
  } else {
    d = factor * b + (am - d);
    b = d - b;
  }
}

// S(w_k) = sum a[m] cos(m w_k), m = 0..count-1, at every grid point by
// Reinsch's form of Clenshaw's recurrence, which stays accurate where cos w
// is near +-1: with b the Clenshaw sums, it carries d = b_m - b_(m+1) (cos w
// > 0) or e = b_m + b_(m+1) (cos w <= 0) instead of the second sum. It is
// the designed FIR curves' inner loop, so it is built for the vector units
// (platform/core/VectorClones.h). The clones are plain functions (one per sign of
// the cosine) around an inlined template, a form every compiler takes. A
// point's sums take two terms in registers before they go back to the block:
// a pass over the block per term is bound by its loads and stores.
template <bool kPositiveCosine>
[[gnu::always_inline]] inline void CosineSeriesRange(const double* a, int count, int begin, int end, double* out) {
  constexpr int kBlock = 256;
  constexpr int kTermsPerPass = 2;
  const auto& factors = FrequencyGrid::Get().CosineRecurrenceFactors();
  for (int start = begin; start < end; start += kBlock) {
    const int size = std::min(kBlock, end - start);
    double factor[kBlock], b[kBlock], d[kBlock];
    for (int j = 0; j < size; ++j) {
      factor[j] = factors[start + j];
      b[j] = 0.0;
      d[j] = 0.0;
    }
    int m = count - 1;
    for (; m >= kTermsPerPass; m -= kTermsPerPass) {
      const double* terms = a + m - (kTermsPerPass - 1);
      for (int j = 0; j < size; ++j) {
        double bj = b[j];
        double dj = d[j];
#pragma GCC unroll kTermsPerPass
        for (int t = kTermsPerPass - 1; t >= 0; --t) {
          CosineSeriesStep<kPositiveCosine>(terms[t], factor[j], bj, dj);
        }
        b[j] = bj;
        d[j] = dj;
      }
    }
    for (; m >= 1; --m) {
      for (int j = 0; j < size; ++j) {
        CosineSeriesStep<kPositiveCosine>(a[m], factor[j], b[j], d[j]);
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

// e^(-j power w) at every grid point: the grid's delay e^(-j w) raised to
// the power by squaring, a block at a time. As exact as sin and cos of the
// rounded angle power x w, and loops that vectorise, where a library call
// a point does not.
KRV_VECTOR_CLONES void DelayPower(int power, double* re, double* im) {
  constexpr int kBlock = 256;
  const FrequencyGrid& grid = FrequencyGrid::Get();
  for (int start = 0; start < kFrequencyBinCount; start += kBlock) {
    double baseRe[kBlock], baseIm[kBlock];
    double* outRe = re + start;
    double* outIm = im + start;
    for (int j = 0; j < kBlock; ++j) {
      baseRe[j] = grid.Z1Real()[start + j];
      baseIm[j] = grid.Z1Imag()[start + j];
      outRe[j] = 1.0;
      outIm[j] = 0.0;
    }
    for (int bits = power; bits != 0; bits >>= 1) {
      if (bits & 1) {
        for (int j = 0; j < kBlock; ++j) {
          const double r = outRe[j] * baseRe[j] - outIm[j] * baseIm[j];
          outIm[j] = outRe[j] * baseIm[j] + outIm[j] * baseRe[j];
          outRe[j] = r;
        }
      }
      if (bits > 1) {
        for (int j = 0; j < kBlock; ++j) {
          const double r = baseRe[j] * baseRe[j] - baseIm[j] * baseIm[j];
          baseIm[j] = 2.0 * baseRe[j] * baseIm[j];
          baseRe[j] = r;
        }
      }
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
  return PowerRatioToDb(magnitude * magnitude);
}

double PowerRatioToDb(double ratio) {
  if (!(ratio > 0.0)) {
    return kCurveFloorDb;
  }
  return std::clamp(kDecibelsPerNeper * std::log(ratio), kCurveFloorDb, -kCurveFloorDb);
}

bool BiquadPowerRatios(const BiquadCoefficients& c, double* ratios) {
  bool within = true;
  ForEachCosineSide(c, [&](const SectionPowers& powers, int begin, int end) {
    within &= PowerRatioRange(powers, begin, end, ratios);
  });
  return within;
}

void BiquadCurve(const BiquadCoefficients& c, int type, bool phaseMode, ResponseCurve& curve) {
  if (!phaseMode) {
    // -20 log10(|D| / |N|) as 10 log10(|N|^2 / |D|^2). A zero numerator lands
    // on the floor, a zero denominator on the ceiling.
    ForEachCosineSide(c, [&](const SectionPowers& powers, int begin, int end) {
      MagnitudeDbRange(powers, begin, end, curve.data());
    });
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
  GridValues delayRe, delayIm;
  DelayPower(half, delayRe.data(), delayIm.data());
  for (int k = 0; k < kFrequencyBinCount; ++k) {
    response[k] = {amplitude[k] * delayRe[k] + unpaired, amplitude[k] * delayIm[k]};
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
