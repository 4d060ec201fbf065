#include "components/peq/PeqBandValues.h"

#include <climits>
#include <cmath>

#include <QString>

#include "platform/text/CFormat.h"
#include "platform/text/FloatToStrF.h"

const std::array<double, kPeqQIndexMax + 1> PeqQTable = {
    0.4,  0.42, 0.45, 0.47, 0.5,  0.53, 0.56, 0.59, 0.63, 0.67,  0.71,  0.75,  0.79,  0.84,  0.89,  0.94,  1.0,
    1.06, 1.12, 1.19, 1.26, 1.3,  1.4,  1.5,  1.6,  1.7,  1.8,   1.9,   2.0,   2.1,   2.2,   2.4,   2.5,   2.7,
    2.8,  3.0,  3.2,  3.4,  3.6,  3.8,  4.0,  4.2,  4.5,  4.8,   5.0,   5.3,   5.7,   6.0,   6.3,   6.7,   7.1,
    7.6,  8.0,  8.5,  9.0,  9.5,  10.1, 10.7, 11.3, 12.0, 12.7,  13.5,  14.0,  15.0,  16.0,  17.0,  18.0,  19.0,
    20.0, 21.0, 23.0, 24.0, 25.0, 27.0, 29.0, 30.0, 32.0, 34.0,  36.0,  38.0,  40.0,  43.0,  45.0,  48.0,  51.0,
    54.0, 57.0, 60.0, 64.0, 68.0, 72.0, 76.0, 81.0, 85.0, 91.0,  96.0,  102.0, 108.0, 114.0, 121.0, 128.0,
};

namespace {

constexpr double kQBase = 1.0594;
constexpr double kFurthestStep = 999.0;

// Truncation toward zero held within the int range (NaN gives 0).
int TruncClamped(double value) {
  if (!(value == value)) {
    return 0;
  }
  if (value >= double(INT_MAX)) {
    return INT_MAX;
  }
  if (value <= double(INT_MIN)) {
    return INT_MIN;
  }
  return int(std::trunc(value));
}

// The digit right after the point of a number's text, or its first
// character when it has no point.
QChar FirstDecimal(const QString& text) {
  const qsizetype point = text.indexOf(QLatin1Char('.'));
  if (point < 0) {
    return text.isEmpty() ? QChar() : text.front();
  }
  return point + 1 < text.size() ? text.at(point + 1) : QChar();
}

// The integer written before the point (the whole text without one).
int IntegerPart(const QString& text) {
  const qsizetype point = text.indexOf(QLatin1Char('.'));
  return (point < 0 ? text : text.left(point)).toInt();
}

bool DigitAbove(QChar c, char limit) { return c.isDigit() && c.toLatin1() > limit; }

}  // namespace

int PeqFreqToIndex(double value, bool kiloHertz) {
  if (kiloHertz) {
    value *= 1000.0;
  }
  const double a = std::log(0.001 * value) / std::log(kPeqFreqRatio) + 170.0;
  if (!(a > 0.0)) {
    return 0;
  }
  if (a >= kPeqFreqIndexMax) {
    return kPeqFreqIndexMax;
  }
  int c = int(std::trunc(a));
  if (a - c > 0.5) {
    ++c;
  }
  return c;
}

double PeqIndexToFreq(int index) { return std::pow(kPeqFreqRatio, index - 170) * 1000.0; }

double PeqStepToFreq(int step) { return 1000.0 * std::pow(kPeqFreqRatio, step); }

int PeqQToIndex(double q) {
  double a = std::log(128.0 / q) / std::log(kQBase);
  if (std::isnan(a)) {
    return 0;
  }
  if (!std::isfinite(a)) {
    return a > 0 ? 0 : kPeqQIndexMax;
  }
  if (DigitAbove(FirstDecimal(FloatToStrF(a, TFloatFormat::ffGeneral, 15, 0)), '4')) {
    a += 1.0;
  }
  int n = TruncClamped(a);
  if (n > kPeqQIndexMax) {
    n = kPeqQIndexMax;
  }
  if (n < 0) {
    n = 0;
  }
  return kPeqQIndexMax - n;
}

int PeqQIndexOfArgument(double qIndex) {
  const int index = TruncClamped(qIndex);
  return index < 0 ? 0 : index > kPeqQIndexMax ? kPeqQIndexMax : index;
}

double PeqQOfIndex(int index) { return PeqQTable[std::size_t(PeqQIndexOfArgument(index))]; }

std::optional<int> PeqFreqStepOfHertz(double hertz, PeqFlavour flavour) {
  const double a = std::log(0.001 * hertz) / std::log(kPeqFreqRatio);
  if (!std::isfinite(a) || std::fabs(a) > kFurthestStep) {
    return std::nullopt;
  }
  if (flavour == PeqFlavour::Standard) {
    QString text = FormatC("%1.2f", a);
    if (DigitAbove(FirstDecimal(text), '5')) {
      text = FormatC("%1.2f", a < 0 ? a - 1.0 : a + 1.0);
    }
    return IntegerPart(text);
  }
  QString text = FloatToStrF(a, TFloatFormat::ffFixed, 3, 2);
  if (DigitAbove(FirstDecimal(text), '5')) {
    const double rounded = text.toDouble();
    text = FloatToStrF(rounded < 0 ? rounded - 1.0 : rounded + 1.0, TFloatFormat::ffGeneral, 15, 0);
  }
  return IntegerPart(text);
}

int PeqGainStepOfBand(double gain, PeqFlavour flavour) {
  if (flavour == PeqFlavour::TwoStepGain) {
    return TruncClamped(gain * 5.0);
  }
  const int hundredths = TruncClamped(gain * 100.0);
  int step = hundredths / 10;
  const int dropped = hundredths % 10;
  if (dropped > 5) {
    ++step;
  } else if (dropped < -5) {
    --step;
  }
  return step;
}

int PeqGainStepOfGain(double gain, PeqFlavour flavour) {
  return TruncClamped(gain * (flavour == PeqFlavour::TwoStepGain ? 5.0 : 10.0));
}

double PeqGainStepDb(PeqFlavour flavour) { return flavour == PeqFlavour::TwoStepGain ? 0.2 : 0.1; }

double PeqTypedGainLimit(PeqFlavour flavour) { return flavour == PeqFlavour::TwoStepGain ? 20.0 : 12.0; }
