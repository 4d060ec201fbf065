#include <gtest/gtest.h>

#include "components/peq/PeqBandStore.h"

namespace {

TEST(PeqBandStore, OwnerSettersStoreStepsAndReturnTheBoxTexts) {
  PeqBandStore store(PeqFlavour::Standard, QStringLiteral("."));
  EXPECT_EQ(store.SetFreq(49, 1015), QStringLiteral("1.02KHz"));
  EXPECT_EQ(store.Row(49).freqStep, 1);
  EXPECT_EQ(store.SetBandGain(49, 3.36), QStringLiteral("3.4dB"));
  EXPECT_EQ(store.Row(49).gainStep, 34);
  EXPECT_EQ(store.SetGain(49, 3.36), QStringLiteral("3.4dB"));
  EXPECT_EQ(store.Row(49).gainStep, 33);
  EXPECT_EQ(store.GainText(49), QStringLiteral("3.3dB"));
  EXPECT_EQ(store.SetQ(49, 35.9), QStringLiteral("3.00"));
  EXPECT_TRUE(store.ToggleBypass(49));
  EXPECT_FALSE(store.ToggleBypass(49));
}

TEST(PeqBandStore, RefusedFrequencyKeepsTheStepAndShowsIt) {
  PeqBandStore store(PeqFlavour::Standard, QStringLiteral("."));
  store.SetFreq(0, 2000);
  EXPECT_EQ(store.SetFreq(0, 0.0), QStringLiteral("2.00KHz"));
  EXPECT_EQ(store.Row(0).freqStep, 30);
}

TEST(PeqBandStore, TypedTextIsTakenOrTheStoredValueShownAgain) {
  PeqBandStore store(PeqFlavour::TwoStepGain, QStringLiteral(","));
  PeqTypedResult gain = store.TypeGain(2, QStringLiteral("3.3"));
  EXPECT_TRUE(gain.accepted);
  EXPECT_EQ(gain.shown, QStringLiteral("3,2dB"));
  gain = store.TypeGain(2, QStringLiteral("5."));
  EXPECT_FALSE(gain.accepted);
  EXPECT_EQ(gain.shown, QStringLiteral("3,2dB"));
  EXPECT_EQ(store.TypeQ(2, QStringLiteral("0")).shown, QStringLiteral("0,40"));
  EXPECT_TRUE(store.TypeFreq(2, QStringLiteral("1k")).accepted);
  EXPECT_DOUBLE_EQ(store.Freq(2), 1000.0);
}

TEST(PeqBandStore, RowsOutsideAreIgnoredAndReadAsAnEmptyBand) {
  PeqBandStore store(PeqFlavour::Standard, QStringLiteral("."));
  store.SetFreq(50, 2000);
  store.SetBypass(-1, true);
  EXPECT_FALSE(store.TypeGain(50, QStringLiteral("3")).accepted);
  EXPECT_DOUBLE_EQ(store.Freq(50), 1000.0);
  EXPECT_FALSE(store.Bypass(-1));
  EXPECT_EQ(store.Q(50), 0.4);
}

}  // namespace
