#include "dsp/FirDesign.h"

#include <cmath>
#include <cstdlib>
#include <numbers>

#include "dsp/BiquadDesign.h"

double FirWindowValue(int window, int n, int taps) {
  const double x = 2.0 * std::numbers::pi * n / taps;
  // Four-term cosine windows a0 + a1 cos x + a2 cos 2x + a3 cos 3x.
  const auto cosines = [x](double a0, double a1, double a2, double a3) {
    return a0 + a1 * std::cos(x) + a2 * std::cos(2.0 * x) + a3 * std::cos(3.0 * x);
  };
  switch (window) {
    case FirWindowRect:
      return 1.0;
    case FirWindowBartlett:
      return 1.0 - 2.0 * std::abs(n) / taps;
    case FirWindowHanning:
      return (std::cos(x) + 1.0) * 0.5;
    case FirWindowHamming:
      return 0.54 + 0.46 * std::cos(x);
    case FirWindowBlackman:
      return 0.42 + 0.5 * std::cos(x) + 0.08 * std::cos(2.0 * x);
    case FirWindowSine:
    case FirWindowNuttall:
      return cosines(0.335768, 0.487396, 0.144232, 0.012604);
    case FirWindowSinc:
      return n == 0 ? 1.0 : std::sin(x) / x;
    case FirWindowKaiser:
      return cosines(0.402, 0.498, 0.098, 0.001);
    case FirWindowBlackmanNuttall:
      return cosines(0.3635819, 0.4891775, 0.1365995, 0.0106411);
    case FirWindowHarris:
      return cosines(0.35875, 0.48829, 0.14128, 0.01168);
    default:
      return 0.0;
  }
}

std::optional<std::vector<double>> DesignWindowedFir(int type, int window, double lower, double upper,
                                                     int taps) {
  if (window < FirWindowRect || window > FirWindowHarris || type < FirTypeNone ||
      type > FirTypeBandPass || taps < 1) {
    return std::nullopt;
  }
  const int half = taps / 2;
  std::vector<double> c(taps, 0.0);
  if (type == FirTypeNone) {
    c[0] = 1.0;
    return c;
  }
  const double pi = std::numbers::pi;
  const double wu = 2.0 * pi * upper / kBiquadSampleRate;
  const double wl = 2.0 * pi * lower / kBiquadSampleRate;
  // h[n] = h[-n]: each offset is computed once and placed on both sides, of
  // which only the first `taps` values are kept.
  for (int n = 0; n <= half; ++n) {
    double h;
    if (n == 0) {
      h = type == FirTypeLowPass ? wu / pi : type == FirTypeHighPass ? (pi - wl) / pi : (wu - wl) / pi;
    } else if (type == FirTypeLowPass) {
      h = std::sin(n * wu) / (n * pi);
    } else if (type == FirTypeHighPass) {
      h = -std::sin(n * wl) / (n * pi);
    } else {
      h = (std::sin(n * wu) - std::sin(n * wl)) / (n * pi);
    }
    h *= FirWindowValue(window, n, taps);
    c[half - n] = h;
    if (half + n < taps) {
      c[half + n] = h;
    }
  }
  return c;
}
