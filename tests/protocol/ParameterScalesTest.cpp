#include <climits>
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "protocol/ParameterScales.h"
#include "protocol/TextRoutines.h"

namespace {

TEST(ParameterScales, freqIndexRoundTripsOverEveryIndex) {
  for (int i = 0; i <= 300; ++i) {
    EXPECT_EQ(FreqToIndex(IndexToFreq(i)), i) << i;
  }
  EXPECT_NEAR(IndexToFreq(0), 19.69, 0.005);
  EXPECT_NEAR(IndexToFreq(300), 20158.74, 0.005);
  EXPECT_EQ(FreqToIndex(1000.0), 170);
  EXPECT_EQ(FreqToIndex(0.0), -132);
}

// Only a fraction strictly above one half rounds up: find a frequency whose
// index computes to exactly x.5 and check it stays down.
TEST(ParameterScales, freqToIndexKeepsAnExactHalfDown) {
  double hz = 1000.0 * std::pow(kFreqIndexRatio, 0.5);
  bool found = false;
  for (int step = 0; step < 200000 && !found; ++step) {
    const double c = std::log(0.001 * hz) / std::log(kFreqIndexRatio) + 170;
    if (c - 170.0 == 0.5) {
      found = true;
      EXPECT_EQ(FreqToIndex(hz), 170);
    }
    hz = std::nextafter(hz, c - 170.0 < 0.5 ? 1e9 : 0.0);
  }
  ASSERT_TRUE(found);
  EXPECT_EQ(FreqToIndex(std::nextafter(hz, 1e9) * 1.0000001), 171);
}

TEST(ParameterScales, freqToIndexOfNonsenseStaysDefined) {
  EXPECT_EQ(FreqToIndex(-5.0), -132);
  EXPECT_EQ(FreqToIndex(std::numeric_limits<double>::quiet_NaN()), -132);
  EXPECT_EQ(FreqToIndex(std::numeric_limits<double>::infinity()), std::numeric_limits<int>::max());
}

TEST(ParameterScales, gainCodeRoundTripsInDouble) {
  for (int code = 0; code <= 240; ++code) {
    EXPECT_EQ(GainToIndex(IndexToGain(code)), code) << code;
  }
  EXPECT_EQ(GainToIndex(-0.15), 119);
  EXPECT_EQ(GainToIndex(12.0), 240);
  // Far beyond any gain: saturates instead of overflowing.
  EXPECT_EQ(GainToIndex(3e8), INT_MAX);
  EXPECT_EQ(GainToIndex(1e300), INT_MAX);
  EXPECT_EQ(GainToIndex(-1e300), INT_MIN + 120);
}

TEST(ParameterScales, qIndexRoundTripsOverTheTable) {
  for (int i = 0; i <= 100; ++i) {
    EXPECT_EQ(QToIndex(QTable[static_cast<std::size_t>(i)]), i) << i;
  }
  EXPECT_EQ(QToIndex(3.0), 35);
  EXPECT_EQ(QToIndex(1.0), 16);
  EXPECT_EQ(QToIndex(128.0), 100);
  EXPECT_FLOAT_EQ(QTable[16], 1.0f);
  EXPECT_FLOAT_EQ(QTable[35], 3.0f);
}

TEST(ParameterScales, delayToSamplesPerUnit) {
  EXPECT_EQ(DelayToSamples(1.0, DELAY_UNIT_METRES), 279);
  EXPECT_EQ(DelayToSamples(1.0, DELAY_UNIT_FEET), 85);
  EXPECT_EQ(DelayToSamples(10.0, DELAY_UNIT_MS), 960);
  EXPECT_EQ(DelayToSamples(10.0, 3), 0);
}

TEST(ParameterScales, valueTexts) {
  struct Case {
    QString text;
    const char* expected;
  };
  const Case cases[] = {
      {GainCodeText(-280), "-60.0dB"},   {GainCodeText(-200), "-20.0dB"},   {GainCodeText(-201), "-20.5dB"},
      {GainCodeText(-1), "-0.1dB"},      {GainCodeText(0), "+0.0dB"},       {GainCodeText(120), "+12.0dB"},
      {FrequencyText(1000.0), "1.00KHz"}, {FrequencyText(20158.74), "20.16KHz"}, {FrequencyText(19.69), " 19.7Hz"},
      {FrequencyText(999.0), " 999.0Hz"}, {DelayText(65280, DELAY_UNIT_MS), "680.000ms"},
      {DelayText(96, DELAY_UNIT_METRES), "0.344m"}, {DelayText(960, DELAY_UNIT_FEET), "11.270ft"},
      {DelayText(96, 7), ""},             {ThresholdText(180), "+0.0dB"},    {ThresholdText(0), "-90.0dB"},
      {ThresholdText(220), "+20.0dB"},    {DynamicsTimeText(0, false), "  1ms"}, {DynamicsTimeText(0, true), "1ms"},
      {DynamicsTimeText(2999, false), "3000ms"}, {RatioText(0, false), "1:1.0"}, {RatioText(14, true), "1:20"},
      {RatioText(15, false), "Limit"},    {RatioText(15, true), "Max"},      {RatioText(16, false), ""},
      {KneeText(12), "12dB"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.text, QString::fromLatin1(c.expected));
  }
  EXPECT_EQ(FirTapsFromCode(0), 256);
  EXPECT_EQ(FirTapsFromCode(24), 1024);
}

TEST(ParameterScales, nameTablesHoldTheExactTexts) {
  EXPECT_STREQ(PeqTypeNames[10], "Band Stop");
  EXPECT_STREQ(CrossoverSlopeNames[0], "BW -6");
  EXPECT_STREQ(CrossoverSlopeNames[19], "LR -48");
  EXPECT_STREQ(SideChainEqTypeNames[9], " 10.0 ");
  EXPECT_STREQ(OutputModeNames[2], "  IIR + FIR");
  EXPECT_STREQ(FirTypeNames[3], "BAND PASS");
  EXPECT_STREQ(FirWindowNames[10], " HARRIS ");
}

TEST(TextRoutines, numericTextAndBlankRemoval) {
  EXPECT_TRUE(IsNumericText(QString()));
  EXPECT_TRUE(IsNumericText(QStringLiteral("1 2,3.4")));
  EXPECT_FALSE(IsNumericText(QStringLiteral("-1")));
  EXPECT_FALSE(IsNumericText(QStringLiteral("1e3")));
  EXPECT_EQ(RemoveSpaces(QStringLiteral(" 1 2 ")), QStringLiteral("12"));
}

}  // namespace
