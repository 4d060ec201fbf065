#include <cmath>
#include <complex>
#include <numbers>

#include <gtest/gtest.h>

#include "dsp/BiquadDesign.h"
#include "tests/dsp/CsvFixture.h"

namespace {

// H at digital frequency w (radians per sample).
std::complex<double> Response(const BiquadCoefficients& c, double w) {
  const std::complex<double> z = std::polar(1.0, -w);
  return (c.b0 + c.b1 * z + c.b2 * z * z) / (c.a0 + c.a1 * z + c.a2 * z * z);
}

double Db(std::complex<double> h) {
  return 20.0 * std::log10(std::abs(h));
}

double Omega(double f) {
  return 2.0 * std::numbers::pi * f / kBiquadSampleRate;
}

void ExpectCoefficientsNear(const BiquadCoefficients& c, const BiquadCoefficients& e, double tol) {
  EXPECT_NEAR(c.b0, e.b0, tol);
  EXPECT_NEAR(c.b1, e.b1, tol);
  EXPECT_NEAR(c.b2, e.b2, tol);
  EXPECT_EQ(c.a0, 1.0);
  EXPECT_NEAR(c.a1, e.a1, tol);
  EXPECT_NEAR(c.a2, e.a2, tol);
}

}  // namespace

TEST(DesignBiquad, equalsTextbookAndBilinearSections) {
  const CsvFixture rows("biquad_coefficients.csv");
  for (std::size_t r = 0; r < rows.Rows(); ++r) {
    SCOPED_TRACE(testing::Message() << "type " << rows(r, "type") << " f0 " << rows(r, "f0"));
    const auto c = DesignBiquad(int(rows(r, "type")), rows(r, "f0"), rows(r, "gain"), rows(r, "q"));
    ASSERT_TRUE(c);
    ExpectCoefficientsNear(*c,
                           {rows(r, "b0"), rows(r, "b1"), rows(r, "b2"), 1.0, rows(r, "a1"), rows(r, "a2")},
                           1e-12);
  }
}

TEST(DesignBiquad, cutShelvesInvertTheBoostPrototypeAndCrossoverPrototypesAreBilinear) {
  const CsvFixture rows("biquad_more_coefficients.csv");
  for (std::size_t r = 0; r < rows.Rows(); ++r) {
    SCOPED_TRACE(testing::Message() << "type " << rows(r, "type") << " f0 " << rows(r, "f0"));
    const auto c = DesignBiquad(int(rows(r, "type")), rows(r, "f0"), rows(r, "gain"), rows(r, "q"),
                                float(rows(r, "c0")), float(rows(r, "c1")));
    ASSERT_TRUE(c);
    ExpectCoefficientsNear(*c,
                           {rows(r, "b0"), rows(r, "b1"), rows(r, "b2"), 1.0, rows(r, "a1"), rows(r, "a2")},
                           1e-12);
  }
}

TEST(DesignBiquad, peakingIsExactAtCentreAndCutMirrorsBoost) {
  for (const double q : {0.4, 1.0, 7.3}) {
    for (const double gain : {0.5, 6.0, 12.0}) {
      const auto boost = DesignBiquad(BiquadPeaking, 1234.0, gain, q);
      const auto cut = DesignBiquad(BiquadPeaking, 1234.0, -gain, q);
      ASSERT_TRUE(boost && cut);
      EXPECT_NEAR(Db(Response(*boost, Omega(1234.0))), gain, 1e-12);
      for (const double f : {5.0, 300.0, 1234.0, 9000.0, 47000.0}) {
        EXPECT_NEAR(std::abs(Response(*boost, Omega(f)) * Response(*cut, Omega(f))), 1.0, 1e-12);
      }
    }
    const auto flat = DesignBiquad(BiquadPeaking, 500.0, 0.0, q);
    EXPECT_EQ(flat->b0, flat->a0);
    EXPECT_EQ(flat->b1, flat->a1);
    EXPECT_EQ(flat->b2, flat->a2);
  }
}

TEST(DesignBiquad, shelvesReachTheirGainAtDcOrNyquist) {
  for (const double gain : {-12.0, -3.0, 4.5, 12.0}) {
    const auto low = DesignBiquad(BiquadLowShelf, 300.0, gain, 0.71);
    const auto high = DesignBiquad(BiquadHighShelf, 3000.0, gain, 0.71);
    ASSERT_TRUE(low && high);
    EXPECT_NEAR(Db(Response(*low, 0.0)), gain, 1e-9);
    EXPECT_NEAR(Db(Response(*low, std::numbers::pi)), 0.0, 1e-9);
    EXPECT_NEAR(Db(Response(*high, std::numbers::pi)), gain, 1e-9);
    EXPECT_NEAR(Db(Response(*high, 0.0)), 0.0, 1e-9);
  }
}

TEST(DesignBiquad, fixedSectionsAndQuarterRateCorner) {
  const auto unity = DesignBiquad(BiquadUnity, 1000.0, 5.0, 1.0);
  EXPECT_EQ(unity->b0, 1.0);
  EXPECT_EQ(unity->b1 + unity->b2 + unity->a1 + unity->a2, 0.0);

  const auto gain = DesignBiquad(BiquadGain, 1000.0, -6.0, 1.0);
  EXPECT_NEAR(gain->b0, 0.501187233627, 1e-12);
  EXPECT_EQ(gain->a1, 0.0);

  // f0 = 24 kHz puts the corner at K = 1: the first-order low pass halves.
  const auto quarter = DesignBiquad(BiquadLowPass1, 24000.0, 0.0, 1.0);
  EXPECT_NEAR(quarter->b0, 0.5, 1e-15);
  EXPECT_NEAR(quarter->a1, 0.0, 1e-15);
}

TEST(DesignBiquad, crossoverSectionsFollowTheirPrototype) {
  // c0 = 1 gives the plain first-order sections.
  const auto low1 = DesignBiquad(BiquadCrossoverLowPass1, 800.0, 0.0, 0.71, 1.0f);
  ExpectCoefficientsNear(*low1, *DesignBiquad(BiquadLowPass1, 800.0, 0.0, 0.71), 1e-15);
  const auto high1 = DesignBiquad(BiquadCrossoverHighPass1, 800.0, 0.0, 0.71, 1.0f);
  const auto inverted = DesignBiquad(BiquadHighPass1Inverted, 800.0, 0.0, 0.71);
  ExpectCoefficientsNear(*high1, {-inverted->b0, -inverted->b1, 0.0, 1.0, inverted->a1, 0.0}, 1e-15);

  // Damping c0 at Q 0 and c0 / sqrt(2) / Q otherwise.
  const auto atQ0 = DesignBiquad(BiquadCrossoverLowPass2, 800.0, 0.0, 0.0, 1.4142f);
  const auto atQ = DesignBiquad(BiquadCrossoverLowPass2, 800.0, 0.0, 1.0 / std::numbers::sqrt2, 1.4142f);
  ExpectCoefficientsNear(*atQ0, *atQ, 1e-12);
  ExpectCoefficientsNear(*DesignBiquad(BiquadCrossoverHighPass2, 800.0, 0.0, 0.0, std::sqrt(2.0f)),
                         *DesignBiquad(BiquadHighPass2, 800.0, 0.0, 1.0 / std::sqrt(2.0f)), 1e-7);

  // The prototype 1 + c0 s + c1 s^2 at Q 0.7344... (s = 1): high pass at DC 0, Nyquist 1.
  const auto proto = DesignBiquad(BiquadCrossoverHighPassProto, 800.0, 0.0, 0.7344008869083377, 1.3617f, 0.618f);
  EXPECT_NEAR(std::abs(Response(*proto, 0.0)), 0.0, 1e-15);
  EXPECT_NEAR(std::abs(Response(*proto, std::numbers::pi)), 1.0, 1e-12);
  const auto protoLow = DesignBiquad(BiquadCrossoverLowPassProto, 800.0, 0.0, 0.0, 1.3617f, 0.618f);
  EXPECT_NEAR(std::abs(Response(*protoLow, 0.0)), 1.0, 1e-12);
}

TEST(DesignBiquad, unknownTypeOrUnusableParametersDesignNothing) {
  EXPECT_FALSE(DesignBiquad(0, 1000.0, 0.0, 1.0));
  EXPECT_FALSE(DesignBiquad(20, 1000.0, 0.0, 1.0));
  EXPECT_FALSE(DesignBiquad(-1, 1000.0, 0.0, 1.0));
  EXPECT_FALSE(DesignBiquad(BiquadLowPass2, 1000.0, 0.0, 0.0));
  EXPECT_FALSE(DesignBiquad(BiquadCrossoverLowPass1, 1000.0, 0.0, 0.71, 0.0f));
}

TEST(FirDesignBiquadCoefficients, sharesFormulasAndUsesPlainCrossovers) {
  for (const int code : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 17, 19}) {
    const auto designer = FirDesignBiquadCoefficients(code, 2.0, -4.0, 650.0);
    ASSERT_TRUE(designer) << code;
    ExpectCoefficientsNear(*designer, *DesignBiquad(code, 650.0, -4.0, 2.0), 0.0);
  }
  // Damping 1 whatever the Q: E = K^2 + K + 1.
  const double k = std::tan(std::numbers::pi * 650.0 / kBiquadSampleRate);
  const double e = k * k + k + 1.0;
  for (const double q : {0.5, 3.0}) {
    const auto low = FirDesignBiquadCoefficients(BiquadCrossoverLowPass2, q, 0.0, 650.0);
    ExpectCoefficientsNear(*low, {k * k / e, 2 * k * k / e, k * k / e, 1.0, 2 * (k * k - 1) / e, (k * k - k + 1) / e},
                           1e-15);
    const auto high = FirDesignBiquadCoefficients(BiquadCrossoverHighPass2, q, 0.0, 650.0);
    ExpectCoefficientsNear(*high, {1 / e, -2 / e, 1 / e, 1.0, 2 * (k * k - 1) / e, (k * k - k + 1) / e}, 1e-15);
  }
  ExpectCoefficientsNear(*FirDesignBiquadCoefficients(BiquadCrossoverLowPass1, 1.0, 0.0, 650.0),
                         *DesignBiquad(BiquadLowPass1, 650.0, 0.0, 1.0), 1e-15);
  for (const int code : {0, 13, 16, 18, 20}) {
    EXPECT_FALSE(FirDesignBiquadCoefficients(code, 1.0, 0.0, 650.0)) << code;
  }
}

TEST(FirDesignSectionType, mapsDesignerBandTypes) {
  const int expected[] = {1, 2, 3, 8, 5, 9, 4, 7};
  for (int band = 0; band < 8; ++band) {
    EXPECT_EQ(FirDesignSectionType(band, false), expected[band]);
    EXPECT_EQ(FirDesignSectionType(band, true), BiquadUnity);
  }
  EXPECT_EQ(FirDesignSectionType(8, false), 0);
  EXPECT_EQ(FirDesignSectionType(-1, false), 0);
}
