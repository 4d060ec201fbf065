#include <cmath>
#include <complex>
#include <iterator>
#include <limits>
#include <numbers>
#include <vector>

#include <gtest/gtest.h>

#include "dsp/BiquadDesign.h"
#include "dsp/FirDesign.h"
#include "dsp/FrequencyResponse.h"
#include "tests/dsp/CsvFixture.h"

namespace {

using Complex = std::complex<double>;

constexpr int kFixtureSections = 15;
constexpr double kDbPerRelativeError = 20.0 / std::numbers::ln10;

// A section's expected dB agree to 1e-9 dB wherever rounding allows: the
// numerator and denominator carry an absolute error of a few ulps of their
// coefficient sums, which a deep stop band magnifies.
double BiquadToleranceDb(const BiquadCoefficients& c, double omega) {
  const Complex z = std::polar(1.0, -omega);
  const double n = std::abs(c.b0 + c.b1 * z + c.b2 * z * z);
  const double d = std::abs(c.a0 + c.a1 * z + c.a2 * z * z);
  const double eps = 64.0 * std::numeric_limits<double>::epsilon();
  const double relative = eps * (std::abs(c.b0) + std::abs(c.b1) + std::abs(c.b2)) / n +
                          eps * (1.0 + std::abs(c.a1) + std::abs(c.a2)) / d;
  return 1e-9 + kDbPerRelativeError * relative;
}

std::vector<Complex> DirectFirSum(const std::vector<double>& c) {
  std::vector<Complex> out(kFrequencyBinCount);
  const auto& omegas = FrequencyGrid::Get().Omegas();
  for (int k = 0; k < kFrequencyBinCount; ++k) {
    std::complex<long double> sum = 0;
    for (std::size_t i = 0; i < c.size(); ++i) {
      sum += (long double)c[i] * std::polar(1.0L, -(long double)i * omegas[k]);
    }
    out[k] = Complex(sum);
  }
  return out;
}

}  // namespace

TEST(BiquadCurve, equalsScipyFreqzOnTheGrid) {
  const CsvFixture sections("biquad_coefficients.csv");
  const CsvFixture curves("biquad_curves.csv");
  ASSERT_EQ(sections.Rows(), std::size_t(kFixtureSections));
  const auto& omegas = FrequencyGrid::Get().Omegas();
  for (int s = 0; s < kFixtureSections; ++s) {
    const int type = int(sections(s, "type"));
    const auto c = DesignBiquad(type, sections(s, "f0"), sections(s, "gain"), sections(s, "q"));
    ASSERT_TRUE(c);
    ResponseCurve curve;
    BiquadCurve(*c, type, false, curve);
    for (std::size_t r = 0; r < curves.Rows(); ++r) {
      const int k = int(curves(r, "bin"));
      EXPECT_NEAR(curve[k], curves(r, "s" + std::to_string(s)), BiquadToleranceDb(*c, omegas[k]))
          << "section " << s << " bin " << k;
    }
  }
}

TEST(BiquadCurve, cutShelvesCrossoverPrototypesAndBandPassPhaseEqualScipy) {
  const CsvFixture sections("biquad_more_coefficients.csv");
  const CsvFixture curves("biquad_more_curves.csv");
  const auto& omegas = FrequencyGrid::Get().Omegas();
  for (std::size_t s = 0; s < sections.Rows(); ++s) {
    // The curve's type differs from the design's where an all-pass section is
    // drawn as a band pass, to reach the band pass's own phase rule.
    const int type = int(sections(s, "curve"));
    const auto c = DesignBiquad(int(sections(s, "type")), sections(s, "f0"), sections(s, "gain"), sections(s, "q"),
                                float(sections(s, "c0")), float(sections(s, "c1")));
    ASSERT_TRUE(c);
    ResponseCurve magnitude;
    ResponseCurve phase;
    BiquadCurve(*c, type, false, magnitude);
    BiquadCurve(*c, type, true, phase);
    for (std::size_t r = 0; r < curves.Rows(); ++r) {
      const int k = int(curves(r, "bin"));
      const double tolerance = BiquadToleranceDb(*c, omegas[k]);
      EXPECT_NEAR(magnitude[k], curves(r, "mag" + std::to_string(s)), tolerance)
          << "type " << type << " section " << s << " bin " << k;
      EXPECT_NEAR(phase[k], curves(r, "phase" + std::to_string(s)), tolerance)
          << "type " << type << " section " << s << " bin " << k;
    }
  }
}

TEST(BiquadCurve, sixDecibelPeakAtOneKilohertz) {
  ResponseCurve curve;
  BiquadCurve(*DesignBiquad(BiquadPeaking, 1000.0, 6.0, 1.0), BiquadPeaking, false, curve);
  EXPECT_NEAR(FrequencyGrid::Get().Frequencies()[2625], 1000.15, 0.005);
  EXPECT_NEAR(curve[2625], 5.9999997, 5e-8);
}

TEST(BiquadCurve, phaseFollowsTheAngleOfTheResponse) {
  const auto& omegas = FrequencyGrid::Get().Omegas();
  for (const int type : {BiquadLowPass2, BiquadHighPass2, BiquadAllPass2, BiquadNotch, BiquadPeaking}) {
    const auto c = DesignBiquad(type, 700.0, 3.0, 2.0);
    ResponseCurve curve;
    BiquadCurve(*c, type, true, curve);
    for (int k = 0; k < kFrequencyBinCount; k += 97) {
      const Complex z = std::polar(1.0, -omegas[k]);
      const Complex h = (c->b0 + c->b1 * z + c->b2 * z * z) / (c->a0 + c->a1 * z + c->a2 * z * z);
      EXPECT_NEAR(curve[k], std::arg(h) * 18.0 / std::numbers::pi, 1e-9) << "type " << type << " bin " << k;
    }
  }
}

TEST(BiquadCurve, invertedHighPassLeadsPlainHighPassByHalfATurn) {
  ResponseCurve inverted;
  ResponseCurve plain;
  BiquadCurve(*DesignBiquad(BiquadHighPass1Inverted, 5000.0, 0.0, 1.0), BiquadHighPass1Inverted, true, inverted);
  BiquadCurve(*DesignBiquad(BiquadCrossoverHighPass1, 5000.0, 0.0, 1.0, 1.0f), BiquadCrossoverHighPass1, true,
              plain);
  EXPECT_NEAR(plain[0], 9.0, 0.01);
  EXPECT_NEAR(inverted[0], plain[0] - 18.0, 1e-9);
}

TEST(BiquadCurve, zeroResponseGivesFloorAndZeroPhaseNotInfinityOrNan) {
  // A band pass at 0 Hz has an all-zero numerator.
  const auto c = DesignBiquad(BiquadBandPass, 0.0, 0.0, 1.0);
  ASSERT_TRUE(c);
  ResponseCurve magnitude;
  ResponseCurve phase;
  BiquadCurve(*c, BiquadBandPass, false, magnitude);
  BiquadCurve(*c, BiquadBandPass, true, phase);
  for (int k = 0; k < kFrequencyBinCount; ++k) {
    ASSERT_EQ(magnitude[k], kCurveFloorDb);
    ASSERT_EQ(phase[k], 0.0);
  }
}

namespace {

struct FirFixtureDesign {
  int type, window;
  double lower, upper;
  int taps;
};

// Magnitude and phase of each design against the columns magN / argN of a
// fixture whose designs are listed in the generator's order.
void ExpectDesignsMatchFixture(const std::vector<FirFixtureDesign>& designs, const std::string& fixture) {
  const CsvFixture expected(fixture);
  for (int d = 0; d < int(designs.size()); ++d) {
    const FirFixtureDesign& design = designs[d];
    const auto c = DesignWindowedFir(design.type, design.window, design.lower, design.upper, design.taps);
    ASSERT_TRUE(c);
    ResponseCurve magnitude;
    ResponseCurve phase;
    DesignedFirCurve(*c, false, false, magnitude);
    DesignedFirCurve(*c, true, false, phase);
    for (std::size_t r = 0; r < expected.Rows(); ++r) {
      const int k = int(expected(r, "bin"));
      const double mag = expected(r, "mag" + std::to_string(d));
      const double arg = expected(r, "arg" + std::to_string(d));
      // The direct sum itself is exact only to ~1e-13 absolute.
      const double relative = 1e-12 / mag;
      EXPECT_NEAR(magnitude[k], 20.0 * std::log10(mag), 1e-9 + kDbPerRelativeError * relative)
          << fixture << " design " << d << " bin " << k;
      double tens = std::atan(std::tan(arg)) * 36.0 / std::numbers::pi;
      EXPECT_NEAR(phase[k], tens, 1e-6 + 36.0 / std::numbers::pi * relative)
          << fixture << " design " << d << " bin " << k;
    }
  }
}

}  // namespace

TEST(DesignedFirCurve, equalsDirectSumOfTheWindowedSinc) {
  // The designs of the fixture generator, in its order.
  ExpectDesignsMatchFixture({{1, 3, 0.0, 2000.0, 512},
                             {2, 4, 200.0, 0.0, 1024},
                             {3, 10, 300.0, 5000.0, 768},
                             {1, 8, 0.0, 8000.0, 301},
                             {3, 1, 1000.0, 2000.0, 256},
                             {2, 6, 120.0, 0.0, 1023}},
                            "fir_designs.csv");
  // Rectangle, Hanning, Sine, Nuttall and Blackman-Nuttall.
  ExpectDesignsMatchFixture({{1, 0, 0.0, 3000.0, 256},
                             {2, 2, 500.0, 0.0, 512},
                             {3, 5, 400.0, 4000.0, 1024},
                             {1, 7, 0.0, 1200.0, 767},
                             {2, 9, 1500.0, 0.0, 300}},
                            "fir_windows.csv");
}

TEST(DesignedFirCurve, fastEvaluationMatchesDirectSumForAnyCoefficients) {
  const std::vector<std::vector<double>> sets = {
      {0.3, -0.2, 0.7, 0.1, -0.05},               // asymmetric
      {0.25, 0.5, 0.25},                           // symmetric, odd
      {0.1, 0.2, 0.4, 0.2},                        // symmetric about size/2, even
      {1.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0},         // unit impulse at the start
      {0.0, 0.0, 0.0},                             // silence
  };
  for (const auto& c : sets) {
    std::array<Complex, kFrequencyBinCount> fast;
    FirResponseOnGrid(c, fast);
    const std::vector<Complex> direct = DirectFirSum(c);
    for (int k = 0; k < kFrequencyBinCount; ++k) {
      ASSERT_LE(std::abs(fast[k] - direct[k]), 1e-14) << "set of " << c.size() << " bin " << k;
    }
  }
}

TEST(DesignedFirCurve, lowPassIsHalfAmplitudeAtItsCutOffAndTypeNoneIsFlat) {
  const double cutOff = FrequencyGrid::Get().Frequencies()[2625];
  ResponseCurve curve;
  DesignedFirCurve(*DesignWindowedFir(FirTypeLowPass, FirWindowHamming, 0.0, cutOff, 1024), false, false, curve);
  EXPECT_NEAR(curve[2625], -6.02, 0.02);

  DesignedFirCurve(*DesignWindowedFir(FirTypeNone, FirWindowHarris, 0.0, 0.0, 512), false, false, curve);
  for (const double v : curve) {
    ASSERT_EQ(v, 0.0);
  }
  DesignedFirCurve(*DesignWindowedFir(FirTypeLowPass, FirWindowHamming, 0.0, 5000.0, 512), true, true, curve);
  for (const double v : curve) {
    ASSERT_EQ(v, 0.0);
  }
}

TEST(DesignWindowedFir, refusesUnknownWindowTypeAndEmptyLength) {
  EXPECT_FALSE(DesignWindowedFir(FirTypeLowPass, 11, 0.0, 1000.0, 256));
  EXPECT_FALSE(DesignWindowedFir(FirTypeLowPass, -1, 0.0, 1000.0, 256));
  EXPECT_FALSE(DesignWindowedFir(4, FirWindowHamming, 0.0, 1000.0, 256));
  EXPECT_FALSE(DesignWindowedFir(FirTypeLowPass, FirWindowHamming, 0.0, 1000.0, 0));
  const auto c = DesignWindowedFir(FirTypeHighPass, FirWindowSinc, 500.0, 0.0, 7);
  ASSERT_TRUE(c);
  EXPECT_EQ(c->size(), 7u);
  EXPECT_NEAR((*c)[3], (std::numbers::pi - 2 * std::numbers::pi * 500.0 / 96000.0) / std::numbers::pi, 1e-15);
}

TEST(CoefficientFirCurve, equalsNumpyFftInterpolatedOntoTheGrid) {
  const std::vector<double> column = CsvFixture("fir_taps.csv").Column("tap");
  const std::vector<float> taps(column.begin(), column.end());
  const CsvFixture expected("fir_taps_curves.csv");
  struct Mode {
    bool phase, remove;
    const char* column;
  };
  for (const Mode mode : {Mode{false, false, "mag"}, Mode{true, false, "phase"}, Mode{false, true, "mag_removed"},
                          Mode{true, true, "phase_removed"}}) {
    ResponseCurve curve;
    CoefficientFirCurve(taps.data(), int(taps.size()), mode.phase, mode.remove, curve);
    for (std::size_t r = 0; r < expected.Rows(); ++r) {
      const int k = int(expected(r, "bin"));
      EXPECT_NEAR(curve[k], expected(r, mode.column), 1e-9) << mode.column << " bin " << k;
    }
  }
}

TEST(CoefficientFirCurve, impulseIsFlatAndItsLatencyCanBeRemoved) {
  std::vector<float> taps(11, 0.0f);
  taps[0] = 1.0f;
  ResponseCurve curve;
  CoefficientFirCurve(taps.data(), 1, false, false, curve);
  for (const double v : curve) {
    ASSERT_EQ(v, 0.0);
  }
  taps[0] = 0.0f;
  taps[10] = 1.0f;
  CoefficientFirCurve(taps.data(), 11, true, false, curve);
  EXPECT_GT(std::abs(curve[4000]), 1.0);
  CoefficientFirCurve(taps.data(), 11, true, true, curve);
  for (const double v : curve) {
    ASSERT_NEAR(v, 0.0, 1e-12);
  }
}

TEST(CoefficientFirCurve, silenceGivesFloorAndZeroPhaseNotInfinityOrNan) {
  const std::vector<float> silence(64, 0.0f);
  ResponseCurve magnitude;
  ResponseCurve phase;
  CoefficientFirCurve(silence.data(), 64, false, false, magnitude);
  CoefficientFirCurve(silence.data(), 64, true, false, phase);
  for (int k = 0; k < kFrequencyBinCount; ++k) {
    ASSERT_EQ(magnitude[k], kCurveFloorDb);
    ASSERT_EQ(phase[k], 0.0);
  }
}
