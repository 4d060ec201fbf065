#include "dsp/Fft.h"

#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

namespace {

using Complex = std::complex<double>;

bool IsFftSize(int n) {
  return n >= 2 && (n & (n - 1)) == 0;
}

// Decimation in time; the two half transforms go to `scratch` (with `out` as
// their scratch) and are combined into `out`. Twiddle i of a level of size m
// is table[i * n / m], the same angle 2pi i / m as computing it in place.
void FftRadix2(int n, int start, int stride, const Complex* in, Complex* out, Complex* scratch,
               const Complex* twiddles, int twiddleStep) {
  if (n == 2) {
    const Complex a = in[start];
    const Complex b = in[start + stride];
    out[start] = {a.real() + b.real(), a.imag() + b.imag()};
    out[start + stride] = {a.real() - b.real(), a.imag() - b.imag()};
    return;
  }
  const int h = n / 2;
  FftRadix2(h, start, 2 * stride, in, scratch, out, twiddles, 2 * twiddleStep);
  FftRadix2(h, start + stride, 2 * stride, in, scratch, out, twiddles, 2 * twiddleStep);
  for (int i = 0; i < h; ++i) {
    const double c = twiddles[i * twiddleStep].real();
    const double s = twiddles[i * twiddleStep].imag();
    const Complex e = scratch[start + 2 * i * stride];
    const Complex o = scratch[start + stride + 2 * i * stride];
    const double tr = c * o.real() + s * o.imag();
    const double ti = c * o.imag() - s * o.real();
    out[start + i * stride] = {e.real() + tr, e.imag() + ti};
    out[start + (i + h) * stride] = {e.real() - tr, e.imag() - ti};
  }
}

// (cos theta, sin theta) for theta = 2pi i / n, i < n / 2.
std::vector<Complex> Twiddles(int n) {
  std::vector<Complex> twiddles(n / 2);
  for (int i = 0; i < n / 2; ++i) {
    const double theta = 2.0 * std::numbers::pi * i / n;
    twiddles[i] = {std::cos(theta), std::sin(theta)};
  }
  return twiddles;
}

}  // namespace

bool Fft(int n, const Complex* in, Complex* out) {
  if (!IsFftSize(n)) {
    return false;
  }
  // Every transform of the curves and the FIR designer is 4096 points long;
  // its table serves every smaller size, as scaling the angle's divisor by a
  // power of two is exact.
  constexpr int kTableSize = 4096;
  static const std::vector<Complex> table = Twiddles(kTableSize);
  std::vector<Complex> ownTable;
  const Complex* twiddles = table.data();
  int step = kTableSize / n;
  if (n > kTableSize) {
    ownTable = Twiddles(n);
    twiddles = ownTable.data();
    step = 1;
  }
  std::vector<Complex> scratch(n);
  std::vector<Complex> copy;
  if (in == out) {
    copy.assign(in, in + n);
    in = copy.data();
  }
  FftRadix2(n, 0, 1, in, out, scratch.data(), twiddles, step);
  return true;
}

bool InverseFft(int n, Complex* out, const Complex* in) {
  if (!Fft(n, in, out)) {
    return false;
  }
  const double count = n;
  out[0] /= count;
  out[n / 2] /= count;
  for (int i = 1; i < n / 2; ++i) {
    std::swap(out[i], out[n - i]);
    out[i] /= count;
    out[n - i] /= count;
  }
  return true;
}
