#include <gtest/gtest.h>

#include "components/peq/PeqBandText.h"

namespace {

const QString kPoint = QStringLiteral(".");

TEST(PeqBandText, DisplayForms) {
  EXPECT_EQ(PeqFreqText(1000), QStringLiteral("1.00KHz"));
  EXPECT_EQ(PeqFreqText(20158.737), QStringLiteral("20.16KHz"));
  EXPECT_EQ(PeqFreqText(19.686), QStringLiteral("19.7Hz"));
  EXPECT_EQ(PeqFreqText(977.24), QStringLiteral("977.2Hz"));
  EXPECT_EQ(PeqQText(0.4, PeqFlavour::Standard, kPoint), QStringLiteral("0.40"));
  EXPECT_EQ(PeqQText(128, PeqFlavour::Standard, kPoint), QStringLiteral("128.00"));
  EXPECT_EQ(PeqGainText(0, PeqFlavour::Standard, kPoint), QStringLiteral("0.0dB"));
  EXPECT_EQ(PeqGainText(-3.5, PeqFlavour::Standard, kPoint), QStringLiteral("-3.5dB"));
  EXPECT_EQ(PeqGainText(12, PeqFlavour::Standard, kPoint), QStringLiteral("12.0dB"));
}

TEST(PeqBandText, TwoStepFormsUseTheLocaleSeparator) {
  EXPECT_EQ(PeqGainText(0, PeqFlavour::TwoStepGain, kPoint), QStringLiteral("0dB"));
  EXPECT_EQ(PeqGainText(16 * 0.2, PeqFlavour::TwoStepGain, kPoint), QStringLiteral("3.2dB"));
  EXPECT_EQ(PeqGainText(-20, PeqFlavour::TwoStepGain, kPoint), QStringLiteral("-20dB"));
  EXPECT_EQ(PeqGainText(16 * 0.2, PeqFlavour::TwoStepGain, QStringLiteral(",")), QStringLiteral("3,2dB"));
  EXPECT_EQ(PeqQText(0.71, PeqFlavour::TwoStepGain, QStringLiteral(",")), QStringLiteral("0,71"));
  EXPECT_EQ(PeqQText(3.0, PeqFlavour::TwoStepGain, kPoint), QStringLiteral("3.00"));
}

TEST(PeqBandText, TypedFrequency) {
  struct Case {
    const char* text;
    int index;  // -1: rejected
  };
  for (const Case& c : {Case{"1k", 170}, Case{"1kHz", 170}, Case{"1000Hz", 170}, Case{"1000", 170}, Case{"1.5k", 188},
                        Case{"10", 0}, Case{"2kHz", 200}, Case{"0.1", 0}, Case{"00", 0}, Case{"0", -1}, Case{"", -1},
                        Case{".", -1}, Case{"1.2.3", -1}, Case{"hz", -1}, Case{"k", -1}, Case{"-5", -1},
                        Case{"1,5k", 170}, Case{"12a", -1}, Case{"20000HZ", 300}}) {
    const std::optional<int> index = PeqTypedFreqIndex(QLatin1String(c.text));
    EXPECT_EQ(index.value_or(-1), c.index) << c.text;
  }
}

TEST(PeqBandText, TypedQ) {
  struct Case {
    const char* text;
    int index;
  };
  for (const Case& c : {Case{"1.3", 20}, Case{"1", 16}, Case{"3", 35}, Case{"00", 0}, Case{"0.2", 0}, Case{"500", 100},
                        Case{"0", -1}, Case{"", -1}, Case{".", -1}, Case{"1.2.3", -1}, Case{"-1", -1},
                        Case{"1,5", -1}, Case{"1Hz", -1}}) {
    const std::optional<int> index = PeqTypedQIndex(QLatin1String(c.text));
    EXPECT_EQ(index.value_or(-1), c.index) << c.text;
  }
}

TEST(PeqBandText, TypedGain) {
  struct Case {
    const char* text;
    int standard;  // INT_MIN: rejected
    int twoStep;
  };
  constexpr int kNo = INT_MIN;
  for (const Case& c :
       {Case{"-3.75", -37, -18}, Case{"-13", -120, -65}, Case{"13dB", 120, 65}, Case{"-12.75", -120, -63},
        Case{"0", 0, 0}, Case{"5.25", 52, 26}, Case{"3.3", 33, 16}, Case{"25", 120, 100}, Case{"5.", kNo, kNo},
        Case{"", kNo, kNo}, Case{"-", kNo, kNo}, Case{".", kNo, kNo}, Case{"1.2.3", kNo, kNo},
        Case{"--1", kNo, kNo}, Case{"1-2", kNo, kNo}, Case{"1,5", kNo, kNo}, Case{"3x", kNo, kNo},
        Case{"-.5", -5, -2}, Case{"6DB", 60, 30}}) {
    EXPECT_EQ(PeqTypedGainStep(QLatin1String(c.text), PeqFlavour::Standard).value_or(kNo), c.standard) << c.text;
    EXPECT_EQ(PeqTypedGainStep(QLatin1String(c.text), PeqFlavour::TwoStepGain).value_or(kNo), c.twoStep) << c.text;
  }
}

}  // namespace
