#include "components/peq/PeqBandText.h"

#include <charconv>
#include <cmath>

#include <QByteArray>

#include "components/TypedFrequency.h"
#include "platform/text/CFormat.h"
#include "platform/text/FloatToStrF.h"

namespace {

QString WithPoint(QString text, const QString& decimalPoint) {
  return text.replace(QLatin1Char('.'), decimalPoint);
}

// Drops the last `count` characters once for every marker the text holds.
void DropForMarkers(QString& text, std::initializer_list<const char*> markers, qsizetype count) {
  for (const char* marker : markers) {
    if (text.contains(QLatin1String(marker))) {
      text.chop(count);
    }
  }
}

bool OnlyOf(const QString& text, QLatin1String allowed) {
  for (QChar c : text) {
    if (!c.isDigit() && !allowed.contains(c)) {
      return false;
    }
  }
  return true;
}

// A decimal number with "." as the separator, the whole text consumed.
std::optional<double> ParseNumber(const QString& text) {
  const QByteArray bytes = text.toLatin1();
  double value = 0.0;
  const char* end = bytes.constData() + bytes.size();
  const auto [ptr, ec] = std::from_chars(bytes.constData(), end, value, std::chars_format::fixed);
  if (ec != std::errc() || ptr != end) {
    return std::nullopt;
  }
  return value;
}

// The checks a frequency and a Q text share.
std::optional<double> UnsignedNumber(const QString& text) {
  if (text.isEmpty() || text == QLatin1String(".") || text == QLatin1String("0") ||
      !OnlyOf(text, QLatin1String(".,")) || text.count(QLatin1Char('.')) > 1) {
    return std::nullopt;
  }
  return ParseNumber(text);
}

}  // namespace

QString PeqFreqText(double hertz) {
  return hertz >= 1000.0 ? FormatC("%4.2fKHz", hertz / 1000.0) : FormatC("%4.1fHz", hertz);
}

QString PeqQText(double q, PeqFlavour flavour, const QString& decimalPoint) {
  if (flavour == PeqFlavour::TwoStepGain) {
    return WithPoint(FloatToStrF(q, TFloatFormat::ffFixed, 15, 2), decimalPoint);
  }
  return FormatC("%1.2f", q);
}

QString PeqGainText(double gain, PeqFlavour flavour, const QString& decimalPoint) {
  if (flavour == PeqFlavour::TwoStepGain) {
    return WithPoint(FloatToStrF(gain, TFloatFormat::ffGeneral, 15, 0), decimalPoint) + QLatin1String("dB");
  }
  return FormatC("%1.1fdB", gain);
}

std::optional<int> PeqTypedFreqIndex(const QString& text) {
  const std::optional<double> hertz = TypedFrequencyHertz(text.toUtf8(), true);
  if (!hertz) {
    return std::nullopt;
  }
  return PeqFreqToIndex(*hertz, false);
}

std::optional<int> PeqTypedQIndex(const QString& text) {
  std::optional<double> q = UnsignedNumber(text);
  if (!q) {
    return std::nullopt;
  }
  const double held = *q > 128.0 ? 128.0 : *q <= 0.4 ? 0.4 : *q;
  return PeqQToIndex(held);
}

std::optional<int> PeqTypedGainStep(const QString& typed, PeqFlavour flavour) {
  QString text = typed;
  DropForMarkers(text, {"DB", "Db", "dB", "db"}, 2);
  if (text.isEmpty() || text == QLatin1String("-") || text == QLatin1String(".") || !OnlyOf(text, QLatin1String(".,-")) ||
      text.count(QLatin1Char('.')) > 1 || text.count(QLatin1Char('-')) > 1) {
    return std::nullopt;
  }
  const qsizetype point = text.indexOf(QLatin1Char('.'));
  if (point >= 0) {
    if (point + 1 >= text.size()) {
      return std::nullopt;
    }
    text.truncate(point + 2);
  }
  std::optional<double> gain = ParseNumber(text);
  if (!gain) {
    return std::nullopt;
  }
  const double limit = PeqTypedGainLimit(flavour);
  const double held = *gain < -limit ? -limit : *gain > limit ? limit : *gain;
  const float steps = float(held * (flavour == PeqFlavour::TwoStepGain ? 5.0 : 10.0));
  return int(std::trunc(steps));
}
