#include "dsp/Fft.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

namespace {

using Complex = std::complex<double>;

bool IsFftSize(int n) {
  return n >= 2 && (n & (n - 1)) == 0;
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

// Puts the points in bit-reversed index order, in place.
void BitReverse(int n, Complex* data) {
  for (int i = 1, j = 0; i < n; ++i) {
    int bit = n >> 1;
    for (; j & bit; bit >>= 1) {
      j ^= bit;
    }
    j |= bit;
    if (i < j) {
      std::swap(data[i], data[j]);
    }
  }
}

// Radix-2 decimation in time on bit-reversed data, level by level: each level
// of size m joins the transforms e of the even and o of the odd points as
// e + t and e - t with t = o e^(-j2pi i/m), as the recursive form does, but
// on neighbouring points. Twiddle i of level m is table[i * step * n / m].
void FftRadix2(int n, Complex* data, const Complex* twiddles, int step) {
  for (int block = 0; block < n; block += 2) {
    const Complex a = data[block];
    const Complex b = data[block + 1];
    data[block] = {a.real() + b.real(), a.imag() + b.imag()};
    data[block + 1] = {a.real() - b.real(), a.imag() - b.imag()};
  }
  for (int m = 4; m <= n; m *= 2) {
    const int h = m / 2;
    const int levelStep = step * (n / m);
    for (int block = 0; block < n; block += m) {
      for (int i = 0; i < h; ++i) {
        const double c = twiddles[i * levelStep].real();
        const double s = twiddles[i * levelStep].imag();
        const Complex e = data[block + i];
        const Complex o = data[block + i + h];
        const double tr = c * o.real() + s * o.imag();
        const double ti = c * o.imag() - s * o.real();
        data[block + i] = {e.real() + tr, e.imag() + ti};
        data[block + i + h] = {e.real() - tr, e.imag() - ti};
      }
    }
  }
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
  if (in != out) {
    std::copy(in, in + n, out);
  }
  BitReverse(n, out);
  FftRadix2(n, out, twiddles, step);
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
