#include <clocale>
#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "editors/level/TypedValueEntry.h"

namespace {

using Kind = TypedEntryKind;
using Verdict = TypedEntryResult::Verdict;
constexpr Verdict A = Verdict::Accepted;
constexpr Verdict U = Verdict::Unchanged;
constexpr Verdict R = Verdict::Rejected;

struct Control {
  Kind kind;
  TypedEntryControl control;
};

// The holding controls as the window builds them.
const Control kGain{Kind::Level, {-280, 120, 0}};
const Control kMix{Kind::Level, {-280, 0, 0}};
const Control kCompThreshold{Kind::Threshold, {-180, 40, 0}};
const Control kGateThreshold{Kind::Threshold, {-180, 0, -20}};
const Control kKnee{Kind::Knee, {0, 12, 0}};
const Control kAttack{Kind::Time, {0, 998, 0}};
const Control kRelease{Kind::Time, {9, 2999, 9}};
const Control kCompRatio{Kind::CompressorRatio, {0, 15, 3}};
const Control kLimitRatio{Kind::LimiterRatio, {0, 15, 3}};
const Control kGateRatio{Kind::GateRatio, {0, 15, 3}};
// The gate's threshold and ratio entries judge over their values' whole
// range; the track bar clamps what lies beyond it.
const Control kGateThresholdRange{Kind::Threshold, {-180, 40, 0}};
const Control kGateRatioRange{Kind::GateRatio, {0, 16, 15}};
const Control kEqType{Kind::SideChainEqType, {0, 9, 0}};
const Control kHighCut{Kind::CutFrequency, {0, 300, 300}};
const Control kLowCut{Kind::CutFrequency, {0, 300, 0}};
const Control kEqFreq{Kind::SideChainFrequency, {0, 300, 100}};
const Control kQ{Kind::Bandwidth, {0, 100, 16}};
const Control kPeqGain{Kind::PeqGain, {0, 240, 120}};
const Control kDelayMs{Kind::Delay, {0, 65280, 0, 0}};
const Control kDelayM{Kind::Delay, {0, 65280, 0, 1}};
const Control kDelayFt{Kind::Delay, {0, 65280, 0, 2}};

Control At(Control c, int position) {
  c.control.position = position;
  return c;
}

struct Case {
  Control control;
  std::string text;  // UTF-8
  Verdict verdict;
  int position;      // the position set, or kept
  const char* shown; // the box text afterwards
};

const std::string kNines(400, '9');

const Case kCases[] = {
    // Channel gain: suffixes, cut decimals, half steps below -20 dB, clamps.
    {kGain, "3", A, 30, "+3.0dB"},
    {kGain, "3dB", A, 30, "+3.0dB"},
    {kGain, "3 DB", A, 30, "+3.0dB"},
    {kGain, "3db", A, 30, "+3.0dB"},
    {kGain, "12dBx", R, 0, "+0.0dB"},
    {kGain, "1.27", A, 12, "+1.2dB"},
    {kGain, "-1.27", A, -12, "-1.2dB"},
    {kGain, "-25.3", A, -210, "-25.0dB"},
    {kGain, "-25.5", A, -211, "-25.5dB"},
    {kGain, "-25.7", A, -211, "-25.5dB"},
    {kGain, "-20.3", A, -200, "-20.0dB"},
    {kGain, "-20.7", A, -201, "-20.5dB"},
    {kGain, "-20", A, -200, "-20.0dB"},
    {kGain, "-20.5", A, -201, "-20.5dB"},
    {kGain, "-25", A, -210, "-25.0dB"},
    {kGain, "-60.5", A, -280, "-60.0dB"},
    {kGain, "-70", A, -280, "-60.0dB"},
    {kGain, "12.5", A, 120, "+12.0dB"},
    {kGain, "13", A, 120, "+12.0dB"},
    {kGain, ".5", A, 5, "+0.5dB"},
    {kGain, "-.5", A, -5, "-0.5dB"},
    {kGain, "+5", A, 50, "+5.0dB"},
    {kGain, "5.", R, 0, "+0.0dB"},
    {kGain, "-", R, 0, "+0.0dB"},
    {kGain, ".", R, 0, "+0.0dB"},
    {kGain, "", R, 0, "+0.0dB"},
    {kGain, "--5", R, 0, "+0.0dB"},
    {kGain, "1.2.3", R, 0, "+0.0dB"},
    {kGain, "- 5", U, 0, "+0.0dB"},
    {kGain, "0", U, 0, "+0.0dB"},
    {kGain, "1,5", A, 10, "+1.0dB"},
    {kGain, "-25.,5", R, 0, "+0.0dB"},
    {At(kGain, -201), "-20.5dB", U, -201, "-20.5dB"},
    // Texts no number box may take, whatever the C library would make of them.
    {kGain, "abc", R, 0, "+0.0dB"},
    {kGain, "1e3", R, 0, "+0.0dB"},
    {kGain, "1E3dB", R, 0, "+0.0dB"},
    {kGain, "0x10", R, 0, "+0.0dB"},
    {kGain, "inf", R, 0, "+0.0dB"},
    {kGain, "\xEF\xBC\x95", R, 0, "+0.0dB"},  // fullwidth five
    {kGain, "2147483648ms", R, 0, "+0.0dB"},
    {kGain, kNines, A, 120, "+12.0dB"},
    {kGain, "-" + kNines, A, -280, "-60.0dB"},
    // Mix level: the top is 0 dB.
    {kMix, "-59.9", A, -279, "-59.5dB"},
    {kMix, "-21.25dB", A, -202, "-21.0dB"},
    {kMix, "-3.45", A, -34, "-3.4dB"},
    {At(kMix, -100), "12", A, 0, "+0.0dB"},
    {kMix, "-99", A, -280, "-60.0dB"},
    {kMix, "5.", R, 0, "+0.0dB"},
    {kMix, "-3x", R, 0, "+0.0dB"},
    // Threshold: half steps everywhere.
    {kCompThreshold, "-10.7", A, -21, "-10.5dB"},
    {kCompThreshold, "-10.3", A, -20, "-10.0dB"},
    {kCompThreshold, "25", A, 40, "+20.0dB"},
    {kCompThreshold, "-100dB", A, -180, "-90.0dB"},
    {kGateThreshold, "25", A, 0, "+0.0dB"},
    // Knee: whole dB.
    {kKnee, "3.7", A, 3, "3dB"},
    {kKnee, "20dB", A, 12, "12dB"},
    {At(kKnee, 5), "-3", A, 0, "0dB"},
    // Time: an integer of ms, saturating far beyond the range.
    {kAttack, "50ms", A, 49, "50ms"},
    {At(kAttack, 10), "0", A, 0, "1ms"},
    {kAttack, "-5", R, 0, "1ms"},
    {kAttack, "5x", R, 0, "1ms"},
    {kAttack, kNines, A, 998, "999ms"},
    {kAttack, "2147483648ms", A, 998, "999ms"},
    {kRelease, "5000", A, 2999, "3000ms"},
    {kRelease, "4294967296", A, 2999, "3000ms"},
    {At(kRelease, 100), " 101ms", U, 100, "101ms"},
    // Ratio: the first table entry at or above the value.
    {kCompRatio, "1:4", A, 9, "1:4.0"},
    {kCompRatio, "4", A, 9, "1:4.0"},
    {kCompRatio, "4.0", A, 9, "1:4.0"},
    {kCompRatio, "4.5", A, 10, "1:5.0"},
    {kCompRatio, "1:4.5", A, 10, "1:5.0"},
    {kCompRatio, "1.3", A, 2, "1:1.3"},
    {kCompRatio, "0.5", A, 0, "1:1.0"},
    {kCompRatio, "2:4", R, 3, "1:1.5"},
    {kCompRatio, "4.", R, 3, "1:1.5"},
    {kCompRatio, "20.1", A, 15, "Limit"},
    {kCompRatio, "25", A, 15, "Limit"},
    {kCompRatio, "12:4", A, 0, "1:1.0"},
    {kCompRatio, "4 ", R, 3, "1:1.5"},
    {kLimitRatio, "4 ", A, 9, "1:4.0"},
    {kGateRatio, "20.1ms", A, 15, "Max"},
    {kGateRatio, "4dB", R, 3, "1:1.5"},
    {kGateRatio, "25", A, 15, "Max"},
    {kGateRatioRange, "25", A, 16, ""},
    {kGateRatioRange, "20.1", U, 15, "Max"},
    {kGateThresholdRange, "10", A, 20, "+10.0dB"},
    // Side-chain equaliser type.
    {kEqType, "lc-12", A, 2, "LC-12 "},
    {kEqType, "L c - 1 2", A, 2, "LC-12 "},
    {kEqType, "2.5", A, 6, " 2.0  "},
    {kEqType, "", A, 5, " 1.0  "},
    {kEqType, "foo", R, 0, "Bypass"},
    // Frequencies.
    {kHighCut, "1k", A, 170, "1.00KHz"},
    {kHighCut, "1000Hz", A, 170, "1.00KHz"},
    {kHighCut, "5", A, 0, "19.7Hz"},
    {kHighCut, "0.001k", A, 0, "19.7Hz"},
    {kLowCut, "30k", A, 300, "20.16KHz"},
    {kLowCut, "1.5kHz", A, 188, "1.52KHz"},
    {kLowCut, "100", A, 70, "99.2Hz"},
    {kLowCut, "10", U, 0, "19.7Hz"},
    {kLowCut, "25k", A, 300, "20.16KHz"},
    {kLowCut, kNines, A, 300, "20.16KHz"},
    {kLowCut, "1.2.3", R, 0, "19.7Hz"},
    {kLowCut, ".", R, 0, "19.7Hz"},
    {kLowCut, "", R, 0, "19.7Hz"},
    {kEqFreq, "0", R, 100, "198.4Hz"},
    // Q.
    {kQ, "200", A, 100, "128.00"},
    {kQ, "0.1", A, 0, "0.40"},
    {kQ, "10", A, 56, "10.10"},
    {kQ, "1.2.3", R, 16, "1.00"},
    {kQ, kNines, A, 100, "128.00"},
    // Equaliser band gain.
    {kPeqGain, "3.75", A, 157, "+3.7dB"},
    {kPeqGain, "-0.1", A, 119, "-0.1dB"},
    {kPeqGain, "-20", A, 0, "-12.0dB"},
    {kPeqGain, "2dB", A, 140, "+2.0dB"},
    {kPeqGain, "3.", R, 120, "+0.0dB"},
    {kPeqGain, "--3", R, 120, "+0.0dB"},
    // Delay, in the stored display unit.
    {kDelayMs, "700", A, 65280, "680.000ms"},
    {kDelayMs, kNines, A, 65280, "680.000ms"},
    {kDelayMs, "2147483648ms", A, 65280, "680.000ms"},
    {kDelayMs, "-5", R, 0, "0.000ms"},
    {kDelayMs, "2.5 ms", A, 240, "2.500ms"},
    {kDelayMs, "ms12", R, 0, "0.000ms"},
    {kDelayM, "1", A, 279, "0.998m"},
    {kDelayFt, "1", A, 85, "0.998ft"},
    // Leaving a box as shown keeps the samples its rounded text stands for.
    {At(kDelayMs, 1), "0.010ms", U, 1, "0.010ms"},
    {At(kDelayM, 279), "0.998m", U, 279, "0.998m"},
    {At(kDelayFt, 65280), "766.329ft", U, 65280, "766.329ft"},
};

void CheckAllCases() {
  for (const Case& c : kCases) {
    const TypedValueEntry entry(c.control.kind, c.control.control);
    const TypedEntryResult result = entry.Evaluate(QString::fromStdString(c.text));
    const std::string where = "kind " + std::to_string(int(c.control.kind)) + " text \"" + c.text.substr(0, 20) + "\"";
    EXPECT_EQ(int(result.verdict), int(c.verdict)) << where;
    EXPECT_EQ(result.position, c.position) << where;
    EXPECT_EQ(entry.Text(result.position).toStdString(), c.shown) << where;
  }
}

}  // namespace

TEST(TypedValueEntry, Evaluate_takesRefusesOrKeepsEveryTextAsItsKindSays) { CheckAllCases(); }

// A decimal comma in the user's numeric locale changes nothing: the point
// stays the decimal point, the comma ends a number.
TEST(TypedValueEntry, Evaluate_isTheSameUnderAGermanNumericLocale) {
  ::setenv("LOCPATH", KRV_TEST_LOCALES, 1);
  const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
  ASSERT_NE(std::setlocale(LC_NUMERIC, "de_DE.UTF-8"), nullptr) << "no de_DE.UTF-8 under " << KRV_TEST_LOCALES;
  ASSERT_STREQ(std::localeconv()->decimal_point, ",");
  CheckAllCases();
  std::setlocale(LC_NUMERIC, previous.c_str());
}

TEST(TypedValueEntry, Text_showsEveryDelayUnitAtBothEnds) {
  const struct {
    int unit;
    int samples;
    const char* text;
  } cases[] = {{0, 65280, "680.000ms"}, {1, 65280, "233.580m"}, {2, 65280, "766.329ft"},
               {0, 1, "0.010ms"},       {1, 1, "0.004m"},       {2, 1, "0.012ft"}};
  for (const auto& c : cases) {
    EXPECT_EQ(TypedValueEntry(Kind::Delay, {0, 65280, 0, c.unit}).Text(c.samples).toStdString(), c.text);
  }
}
