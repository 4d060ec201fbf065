#include "protocol/ParameterScales.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "platform/text/CFormat.h"

namespace {

constexpr int kFreqIndexOf1k = 170;
constexpr int kGainCodeOf0dB = 120;
constexpr int kThresholdCodeOf0dB = 180;
constexpr int kRatioLimitCode = 15;
constexpr double kMetresPerFoot = 0.304803706413069968;
constexpr double kFeetPerMetre = 3.2808;

}  // namespace

int TruncToInt(double value) {
  if (std::isnan(value)) {
    return 0;
  }
  if (value >= static_cast<double>(INT_MAX)) {
    return INT_MAX;
  }
  if (value <= static_cast<double>(INT_MIN)) {
    return INT_MIN;
  }
  return static_cast<int>(value);
}

const std::array<float, 101> QTable = {
    0.4f,  0.42f, 0.45f, 0.47f, 0.5f,  0.53f, 0.56f, 0.59f, 0.63f,  0.67f,  0.71f,  0.75f,  0.79f,  0.84f,  0.89f,
    0.94f, 1.0f,  1.06f, 1.12f, 1.19f, 1.26f, 1.3f,  1.4f,  1.5f,   1.6f,   1.7f,   1.8f,   1.9f,   2.0f,   2.1f,
    2.2f,  2.4f,  2.5f,  2.7f,  2.8f,  3.0f,  3.2f,  3.4f,  3.6f,   3.8f,   4.0f,   4.2f,   4.5f,   4.8f,   5.0f,
    5.3f,  5.7f,  6.0f,  6.3f,  6.7f,  7.1f,  7.6f,  8.0f,  8.5f,   9.0f,   9.5f,   10.1f,  10.7f,  11.3f,  12.0f,
    12.7f, 13.5f, 14.0f, 15.0f, 16.0f, 17.0f, 18.0f, 19.0f, 20.0f,  21.0f,  23.0f,  24.0f,  25.0f,  27.0f,  29.0f,
    30.0f, 32.0f, 34.0f, 36.0f, 38.0f, 40.0f, 43.0f, 45.0f, 48.0f,  51.0f,  54.0f,  57.0f,  60.0f,  64.0f,  68.0f,
    72.0f, 76.0f, 81.0f, 85.0f, 91.0f, 96.0f, 102.0f, 108.0f, 114.0f, 121.0f, 128.0f,
};

const std::array<const char*, 11> PeqTypeNames = {
    "Peak",      "Low Shelf", "High Shelf", "LPF -6dB",  "LPF -12dB", "HPF -6dB",
    "HPF -12dB", "Allpass 1", "Allpass 2",  "Band Pass", "Band Stop",
};

const std::array<const char*, 16> RatioTexts = {
    "1.0", "1.1", "1.3", "1.5", "1.7", "2.0", "2.5", "3.0", "3.5", "4.0", "5.0", "6.0", "8.0", "10", "20", "Limit",
};

const std::array<double, 16> RatioTable = {
    1.0, 1.1, 1.3, 1.5, 1.7, 2.0, 2.5, 3.0, 3.5, 4.0, 5.0, 6.0, 8.0, 10.0, 20.0, 20.1,
};

const std::array<const char*, 20> CrossoverSlopeNames = {
    "BW -6",  "BL -6",  "BW -12", "BL -12", "LR -12", "BW -18", "BL -18", "BW -24", "BL -24", "LR -24",
    "BW -30", "BL -30", "BW -36", "BL -36", "LR -36", "BW -42", "BL -42", "BW -48", "BL -48", "LR -48",
};

const std::array<const char*, 10> SideChainEqTypeNames = {
    "Bypass", " LC-6 ", "LC-12 ", " HC-6 ", "HC-12 ", " 1.0  ", " 2.0  ", " 3.0  ", " 5.0  ", " 10.0 ",
};

const std::array<const char*, 3> OutputModeNames = {"       IIR", "       FIR", "  IIR + FIR"};

const std::array<const char*, 4> FirTypeNames = {"BYPASS", "LOW PASS", "HIGH PASS", "BAND PASS"};

const std::array<const char*, 11> FirWindowNames = {
    "  RECT  ", "BARTLETT", "HANNING ", "HAMMING ", "BLACKMAN", "  SINE  ",
    "  SINC  ", "NUTTALL ", " KAISER ", "BLACK-NU", " HARRIS ",
};

int FreqToIndex(double hz) {
  const double a = hz > 0.0 ? std::log(0.001 * hz) : -7.0;
  const double c = a / std::log(kFreqIndexRatio) + kFreqIndexOf1k;
  const double whole = std::trunc(c);
  return TruncToInt(c - whole > 0.5 ? whole + 1.0 : whole);
}

double IndexToFreq(int index) { return 1000.0 * std::pow(kFreqIndexRatio, index - kFreqIndexOf1k); }

int GainToIndex(double db) { return std::min(TruncToInt(db * 10.0), INT_MAX - kGainCodeOf0dB) + kGainCodeOf0dB; }

double IndexToGain(int code) { return (code - kGainCodeOf0dB) * 0.1; }

int QToIndex(double q) {
  double b = std::log(128.0 / q) / std::log(1.0596);
  const QString printed = FormatC("%1.10f", b);
  const qsizetype point = printed.indexOf(QLatin1Char('.'));
  if (point >= 0 && point + 1 < printed.size() && printed[point + 1] >= QLatin1Char('5')) {
    b += 1.0;
  }
  return TruncToInt(100.0 - TruncToInt(b));
}

int DelayToSamples(double value, int unit) {
  switch (unit) {
    case DELAY_UNIT_MS:
      return TruncToInt(value * kSamplesPerMs);
    case DELAY_UNIT_METRES:
      return TruncToInt(value * kSamplesPerMs * 1000.0 / kSpeedOfSound);
    case DELAY_UNIT_FEET:
      return TruncToInt(value * kSamplesPerMs * 1000.0 / kSpeedOfSound * kMetresPerFoot);
    default:
      return 0;
  }
}

QString GainCodeText(int position) {
  if (position >= 0) {
    return FormatC("+%3.1fdB", position * 0.1);
  }
  const float magnitude = static_cast<float>(-static_cast<double>(position));
  const double value = magnitude > 200.0f ? (magnitude - 200.0f) * 0.5 + 20.0 : magnitude * 0.1;
  return FormatC("-%3.1fdB", value);
}

QString FrequencyText(double hz) {
  return hz >= 1000.0 ? FormatC("%4.2fKHz", hz * 0.001) : FormatC(" %4.1fHz", hz);
}

QString CutFrequencyText(double hz) {
  return hz >= 1000.0 ? FormatC("%4.2fKHz", hz * 0.001) : FormatC("%4.1fHz", hz);
}

QString DelayText(int samples, int unit) {
  const double metres = samples * kSpeedOfSound / kSamplesPerMs * 0.001;
  switch (unit) {
    case DELAY_UNIT_MS:
      return FormatC("%4.3fms", samples / static_cast<double>(kSamplesPerMs));
    case DELAY_UNIT_METRES:
      return FormatC("%4.3fm", metres);
    case DELAY_UNIT_FEET:
      return FormatC("%4.3fft", samples * kSpeedOfSound / kSamplesPerMs * kFeetPerMetre * 0.001);
    default:
      return {};
  }
}

QString ThresholdText(int code) { return FormatC("%+1.1fdB", (code - kThresholdCodeOf0dB) * 0.5); }

QString DynamicsTimeText(int code, bool gate) { return FormatC(gate ? "%dms" : "%3dms", code + 1); }

QString RatioText(int code, bool gate) {
  if (code == kRatioLimitCode) {
    return gate ? QStringLiteral("Max") : QString::fromLatin1(RatioTexts[kRatioLimitCode]);
  }
  if (code < 0 || code > kRatioLimitCode) {
    return {};
  }
  return QStringLiteral("1:") + QString::fromLatin1(RatioTexts[static_cast<std::size_t>(code)]);
}

QString KneeText(int code) { return FormatC("%ddB", code); }

int FirTapsFromCode(int code) { return 256 + 32 * code; }
