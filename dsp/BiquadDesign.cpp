#include "dsp/BiquadDesign.h"

#include <cmath>
#include <iterator>
#include <numbers>

namespace {

// Second-order sections sharing the denominator D = K^2 + K/Q + 1.
BiquadCoefficients OverD(double k, double q, double n0, double n1, double n2) {
  const double d = k * k + k / q + 1.0;
  return {n0 / d, n1 / d, n2 / d, 1.0, 2.0 * (k * k - 1.0) / d, (k * k - k / q + 1.0) / d};
}

// First-order sections sharing the pole (K - 1)/(K + 1).
BiquadCoefficients FirstOrder(double k, double n0, double n1) {
  return {n0, n1, 0.0, 1.0, (k - 1.0) / (k + 1.0), 0.0};
}

BiquadCoefficients Peaking(double k, double q, double gain) {
  const double v = std::pow(10.0, 0.05 * std::fabs(gain));
  const double kn = gain >= 0.0 ? k * v : k;
  const double kd = gain >= 0.0 ? k : k * v;
  const double dp = k * k + kd / q + 1.0;
  return {(k * k + kn / q + 1.0) / dp, 2.0 * (k * k - 1.0) / dp, (k * k - kn / q + 1.0) / dp,
          1.0, 2.0 * (k * k - 1.0) / dp, (k * k - kd / q + 1.0) / dp};
}

BiquadCoefficients Shelf(bool low, double k, double q, double gain) {
  const double w = std::pow(10.0, 0.05 * std::fabs(gain));
  const double sw = std::sqrt(w);
  const double k2 = k * k;
  if (gain >= 0.0) {
    const double g = k / q + 1.0 + k2;
    const double b = low ? 1.0 : w;
    const double c = low ? k2 * w : k2;
    const double b1 = low ? 2.0 * (k2 * w - 1.0) : 2.0 * (k2 - w);
    return {(k * sw / q + b + c) / g, b1 / g, (c + b - k * sw / q) / g,
            1.0, 2.0 * (k2 - 1.0) / g, (k2 + 1.0 - k / q) / g};
  }
  double f, g, e, kk;
  if (low) {
    f = sw * k / q + 1.0 + w * k2;
    g = f;
    e = w * k2;
    kk = k * sw;
  } else {
    f = k2 + w + sw * k / q;
    e = k2 / w;
    g = std::sqrt(1.0 / w) * k / q + 1.0 + e;
    kk = k * std::sqrt(1.0 / w);
  }
  return {(k2 + k / q + 1.0) / f, 2.0 * (k2 - 1.0) / f, (k2 + 1.0 - k / q) / f,
          1.0, 2.0 * (e - 1.0) / g, (e + 1.0 - kk / q) / g};
}

// Types 12 and 15: damping r = c0 (Q 0) or c0 / sqrt(2) / Q.
BiquadCoefficients CrossoverSecondOrder(bool low, double k, double q, double c0) {
  const double r = q == 0.0 ? c0 : c0 / std::numbers::sqrt2 / q;
  const double e = k * k + k * r + 1.0;
  const double p = low ? k * k : 1.0;
  const double rr = low ? 2.0 * k * k : -2.0;
  return {p / e, rr / e, p / e, 1.0, 2.0 * (k * k - 1.0) / e, (k * k - k * r + 1.0) / e};
}

// Types 13 and 16: the prototype factor 1 + c0 s + c1 s^2.
BiquadCoefficients CrossoverPrototype(bool low, double k, double q, double c0, double c1) {
  const double s = q != 0.0 ? 0.7344008869083377 / q : 1.0;
  if (low) {
    const double t = k * k / c1;
    const double e = k * (c0 / c1) * s + 1.0 + t;
    const double b0 = t / e;
    return {b0, 2.0 * k * k / c1 / e, b0, 1.0, 2.0 * (t - 1.0) / e, (1.0 - k * (c0 / c1) * s + t) / e};
  }
  const double t = k * k * c1;
  const double e = k * c0 * s + 1.0 + t;
  return {1.0 / e, -2.0 / e, 1.0 / e, 1.0, 2.0 * (t - 1.0) / e, (1.0 - k * c0 * s + t) / e};
}

std::optional<BiquadCoefficients> Design(int type, double frequency, double gain, double q, double c0,
                                         double c1) {
  const double k = std::tan(std::numbers::pi * frequency / kBiquadSampleRate);
  const double k2 = k * k;
  switch (type) {
    case BiquadPeaking:
      return Peaking(k, q, gain);
    case BiquadLowShelf:
      return Shelf(true, k, q, gain);
    case BiquadHighShelf:
      return Shelf(false, k, q, gain);
    case BiquadHighPass2:
      return OverD(k, q, 1.0, -2.0, 1.0);
    case BiquadLowPass2:
      return OverD(k, q, k2, 2.0 * k2, k2);
    case BiquadBandPass:
      return OverD(k, q, k / q, 0.0, -k / q);
    case BiquadAllPass1:
      return FirstOrder(k, (k - 1.0) / (k + 1.0), 1.0);
    case BiquadLowPass1:
      return FirstOrder(k, k / (k + 1.0), k / (k + 1.0));
    case BiquadHighPass1Inverted:
      return FirstOrder(k, -1.0 / (k + 1.0), 1.0 / (k + 1.0));
    case BiquadUnity:
      return BiquadCoefficients{1.0, 0.0, 0.0, 1.0, 0.0, 0.0};
    case BiquadCrossoverLowPass1: {
      const double kc = k / c0;
      return FirstOrder(kc, kc / (kc + 1.0), kc / (kc + 1.0));
    }
    case BiquadCrossoverLowPass2:
      return CrossoverSecondOrder(true, k, q, c0);
    case BiquadCrossoverLowPassProto:
      return CrossoverPrototype(true, k, q, c0, c1);
    case BiquadCrossoverHighPass1: {
      const double kc = k * c0;
      return FirstOrder(kc, 1.0 / (kc + 1.0), -1.0 / (kc + 1.0));
    }
    case BiquadCrossoverHighPass2:
      return CrossoverSecondOrder(false, k, q, c0);
    case BiquadCrossoverHighPassProto:
      return CrossoverPrototype(false, k, q, c0, c1);
    case BiquadAllPass2: {
      const BiquadCoefficients c = OverD(k, q, k2 - k / q + 1.0, 2.0 * (k2 - 1.0), 0.0);
      return BiquadCoefficients{c.b0, c.b1, 1.0, 1.0, c.a1, c.a2};
    }
    case BiquadGain:
      return BiquadCoefficients{std::pow(10.0, 0.05 * gain), 0.0, 0.0, 1.0, 0.0, 0.0};
    case BiquadNotch:
      return OverD(k, q, k2 + 1.0, 2.0 * (k2 - 1.0), k2 + 1.0);
    default:
      return std::nullopt;
  }
}

bool IsFinite(const BiquadCoefficients& c) {
  return std::isfinite(c.b0) && std::isfinite(c.b1) && std::isfinite(c.b2) && std::isfinite(c.a1) &&
         std::isfinite(c.a2);
}

}  // namespace

std::optional<BiquadCoefficients> DesignBiquad(int type, double frequency, double gain, double q, float c0,
                                               float c1) {
  std::optional<BiquadCoefficients> result = Design(type, frequency, gain, q, c0, c1);
  if (result && !IsFinite(*result)) {
    return std::nullopt;
  }
  return result;
}

std::optional<BiquadCoefficients> FirDesignBiquadCoefficients(int code, double q, double gain,
                                                              double frequency) {
  switch (code) {
    case BiquadCrossoverLowPass1:
    case BiquadCrossoverHighPass1:
      return DesignBiquad(code, frequency, gain, q, 1.0f);
    case BiquadCrossoverLowPass2:
    case BiquadCrossoverHighPass2:
      return DesignBiquad(code, frequency, gain, 0.0, 1.0f);
    case BiquadCrossoverLowPassProto:
    case BiquadCrossoverHighPassProto:
    case BiquadGain:
      return std::nullopt;
    default:
      return DesignBiquad(code, frequency, gain, q);
  }
}

int FirDesignSectionType(int bandType, bool bypassed) {
  static constexpr int kCodes[] = {BiquadPeaking,  BiquadLowShelf, BiquadHighShelf, BiquadLowPass1,
                                   BiquadLowPass2, BiquadHighPass1Inverted, BiquadHighPass2,
                                   BiquadAllPass1};
  if (bypassed) {
    return BiquadUnity;
  }
  if (bandType < 0 || bandType >= int(std::size(kCodes))) {
    return 0;
  }
  return kCodes[bandType];
}
