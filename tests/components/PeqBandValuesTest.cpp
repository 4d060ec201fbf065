#include <gtest/gtest.h>

#include <cmath>

#include "components/peq/PeqBandValues.h"

namespace {

TEST(PeqBandValues, FreqToIndex_roundsOnTheGridAndHoldsItsEnds) {
  struct Case {
    double value;
    bool kiloHertz;
    int index;
  };
  for (const Case& c : {Case{1000, false, 170}, Case{2, true, 200}, Case{1500, false, 188}, Case{19.7, false, 0},
                        Case{10, false, 0}, Case{20000, false, 300}, Case{25000, false, 300}, Case{0, false, 0},
                        Case{-5, false, 0}, Case{NAN, false, 0}, Case{INFINITY, false, 300}}) {
    EXPECT_EQ(PeqFreqToIndex(c.value, c.kiloHertz), c.index) << c.value;
  }
}

TEST(PeqBandValues, IndexToFreq_followsTheThirtiethOctaveGrid) {
  EXPECT_DOUBLE_EQ(PeqIndexToFreq(170), 1000.0);
  EXPECT_NEAR(PeqIndexToFreq(0), 19.686, 0.001);
  EXPECT_NEAR(PeqIndexToFreq(300), 20158.737, 0.001);
  EXPECT_NEAR(PeqIndexToFreq(188), 1515.7, 0.05);
  EXPECT_NEAR(PeqStepToFreq(30), 2000.0, 1e-9);
}

TEST(PeqBandValues, QTable_holdsTheExactValues) {
  EXPECT_EQ(PeqQTable[0], 0.4);
  EXPECT_EQ(PeqQTable[10], 0.71);
  EXPECT_EQ(PeqQTable[16], 1.0);
  EXPECT_EQ(PeqQTable[35], 3.0);
  EXPECT_EQ(PeqQTable[100], 128.0);
  for (std::size_t i = 1; i < PeqQTable.size(); ++i) {
    EXPECT_LT(PeqQTable[i - 1], PeqQTable[i]) << i;
  }
}

TEST(PeqBandValues, QToIndex_usesBase10594AndRoundsAtTheFirstDecimal) {
  struct Case {
    double q;
    int index;
  };
  for (const Case& c : {Case{1.0, 16}, Case{3.0, 35}, Case{10, 56}, Case{128, 100}, Case{0.4, 0}, Case{1.3, 20},
                        Case{500, 100}, Case{0.01, 0}, Case{0, 0}, Case{NAN, 0},
                        // Exact halves of the exponent (10.5, 16.5, 60.5) go up at
                        // the first decimal, where ties-to-even would give 90, 84, 40.
                        Case{69.83615164555056, 89}, Case{49.39926506235007, 83}, Case{3.900155020368694, 39}}) {
    EXPECT_EQ(PeqQToIndex(c.q), c.index) << c.q;
  }
}

TEST(PeqBandValues, QIndexArgument_isTruncatedAndHeldInTheTable) {
  EXPECT_EQ(PeqQIndexOfArgument(35.9), 35);
  EXPECT_EQ(PeqQIndexOfArgument(-3), 0);
  EXPECT_EQ(PeqQIndexOfArgument(250), 100);
  EXPECT_EQ(PeqQIndexOfArgument(NAN), 0);
  EXPECT_EQ(PeqQOfIndex(101), 128.0);
}

TEST(PeqBandValues, FreqStepOfHertz_movesAwayFromZeroFromSixtyHundredths) {
  struct Case {
    double hertz;
    int standard;
    int twoStep;
  };
  for (const Case& c : {Case{1000, 0, 0}, Case{1012, 0, 0}, Case{1015, 1, 1}, Case{985, -1, -1}, Case{20, -169, -169},
                        Case{10, -199, -199}, Case{20000, 130, 130}}) {
    EXPECT_EQ(PeqFreqStepOfHertz(c.hertz, PeqFlavour::Standard), c.standard) << c.hertz;
    EXPECT_EQ(PeqFreqStepOfHertz(c.hertz, PeqFlavour::TwoStepGain), c.twoStep) << c.hertz;
  }
  // 12.58 steps: two decimals keep .58 (stays), three significant digits make it 12.6 (moves).
  const double hertz = 1000.0 * std::pow(kPeqFreqRatio, 12.58);
  EXPECT_EQ(PeqFreqStepOfHertz(hertz, PeqFlavour::Standard), 12);
  EXPECT_EQ(PeqFreqStepOfHertz(hertz, PeqFlavour::TwoStepGain), 13);
}

TEST(PeqBandValues, FreqStepOfHertz_refusesWhatIsNoFrequency) {
  for (double hertz : {0.0, -100.0, double(NAN), double(INFINITY), 1e300, 1e-300}) {
    EXPECT_FALSE(PeqFreqStepOfHertz(hertz, PeqFlavour::Standard).has_value()) << hertz;
    EXPECT_FALSE(PeqFreqStepOfHertz(hertz, PeqFlavour::TwoStepGain).has_value()) << hertz;
  }
}

TEST(PeqBandValues, GainSteps_wholeBandRoundsTheHundredthAndGainAloneTruncates) {
  struct Case {
    double gain;
    int band;
    int alone;
  };
  for (const Case& c : {Case{3.3, 33, 33}, Case{-3.3, -33, -33}, Case{3.36, 34, 33}, Case{-3.36, -34, -33},
                        Case{3.35, 33, 33}, Case{12, 120, 120}, Case{0, 0, 0}}) {
    EXPECT_EQ(PeqGainStepOfBand(c.gain, PeqFlavour::Standard), c.band) << c.gain;
    EXPECT_EQ(PeqGainStepOfGain(c.gain, PeqFlavour::Standard), c.alone) << c.gain;
  }
  EXPECT_EQ(PeqGainStepOfBand(3.3, PeqFlavour::TwoStepGain), 16);
  EXPECT_EQ(PeqGainStepOfGain(1.0, PeqFlavour::TwoStepGain), 5);
  EXPECT_EQ(PeqGainStepOfGain(-3.36, PeqFlavour::TwoStepGain), -16);
  EXPECT_EQ(PeqGainStepOfGain(1e300, PeqFlavour::Standard), INT_MAX);
}

}  // namespace
