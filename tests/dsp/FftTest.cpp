#include <cmath>
#include <complex>
#include <numbers>
#include <vector>

#include <gtest/gtest.h>

#include "dsp/Fft.h"
#include "tests/dsp/CsvFixture.h"

namespace {

using Complex = std::complex<double>;

// The same mix of tones the fixture generator transforms.
std::vector<Complex> TestSignal(int n) {
  std::vector<Complex> x(n);
  for (int m = 0; m < n; ++m) {
    x[m] = {std::sin(0.7 * m) + 0.3 * std::cos(2.1 * m), std::cos(1.3 * m) - 0.5 * std::sin(0.4 * m)};
  }
  return x;
}

std::vector<std::complex<long double>> NaiveDft(const std::vector<Complex>& x) {
  const int n = int(x.size());
  std::vector<std::complex<long double>> out(n);
  for (int k = 0; k < n; ++k) {
    for (int m = 0; m < n; ++m) {
      const long double angle = -2.0L * std::numbers::pi_v<long double> * ((long(k) * m) % n) / n;
      out[k] += std::complex<long double>(x[m]) * std::polar(1.0L, angle);
    }
  }
  return out;
}

double Norm(const std::vector<Complex>& x) {
  double sum = 0.0;
  for (const Complex& v : x) {
    sum += std::norm(v);
  }
  return std::sqrt(sum);
}

}  // namespace

TEST(Fft, matchesNaiveDftForEveryPowerOfTwoUpTo256) {
  for (int n = 2; n <= 256; n *= 2) {
    const std::vector<Complex> x = TestSignal(n);
    std::vector<Complex> out(n);
    ASSERT_TRUE(Fft(n, x.data(), out.data()));
    const auto expected = NaiveDft(x);
    const double scale = Norm(out);
    for (int k = 0; k < n; ++k) {
      EXPECT_LE(std::abs(std::complex<long double>(out[k]) - expected[k]), 1e-12 * scale) << "n " << n << " bin " << k;
    }
  }
}

TEST(Fft, matchesNumpyAt4096Points) {
  const CsvFixture expected("fft_4096.csv");
  const std::vector<Complex> x = TestSignal(4096);
  std::vector<Complex> out(4096);
  ASSERT_TRUE(Fft(4096, x.data(), out.data()));
  const double scale = Norm(out);
  for (std::size_t r = 0; r < expected.Rows(); ++r) {
    const int bin = int(expected(r, "bin"));
    const Complex reference(expected(r, "re"), expected(r, "im"));
    EXPECT_LE(std::abs(out[bin] - reference), 1e-12 * scale) << "bin " << bin;
  }
}

TEST(Fft, transformsImpulseAndConstant) {
  const Complex impulse[4] = {1, 0, 0, 0};
  const Complex constant[4] = {1, 1, 1, 1};
  Complex out[4];
  ASSERT_TRUE(Fft(4, impulse, out));
  for (const Complex& v : out) {
    EXPECT_EQ(v, Complex(1, 0));
  }
  ASSERT_TRUE(Fft(4, constant, out));
  EXPECT_EQ(out[0], Complex(4, 0));
  for (int k = 1; k < 4; ++k) {
    EXPECT_EQ(out[k], Complex(0, 0));
  }
}

TEST(Fft, inverseRestoresInputAlsoInPlace) {
  const std::vector<Complex> x = TestSignal(512);
  std::vector<Complex> spectrum(512);
  std::vector<Complex> back(512);
  ASSERT_TRUE(Fft(512, x.data(), spectrum.data()));
  ASSERT_TRUE(InverseFft(512, back.data(), spectrum.data()));
  ASSERT_TRUE(InverseFft(512, spectrum.data(), spectrum.data()));
  for (int m = 0; m < 512; ++m) {
    EXPECT_LE(std::abs(back[m] - x[m]), 1e-13);
    EXPECT_EQ(spectrum[m], back[m]);
  }
}

TEST(Fft, refusesSizesThatAreNotPowersOfTwo) {
  const std::vector<Complex> x = TestSignal(8);
  for (const int n : {0, 1, 3, 6, -4}) {
    std::vector<Complex> out(8, Complex(7, 7));
    EXPECT_FALSE(Fft(n, x.data(), out.data()));
    EXPECT_FALSE(InverseFft(n, out.data(), x.data()));
    EXPECT_EQ(out, std::vector<Complex>(8, Complex(7, 7)));
  }
}
