#include "editors/filter/TypedFrequency.h"

#include <algorithm>

#include "protocol/ParameterScales.h"

std::optional<int> ParseTypedFrequency(const QString& typed) {
  QString text = typed;
  for (const char* unit : {"HZ", "Hz", "hZ", "hz"}) {
    if (text.contains(QLatin1String(unit))) {
      text.chop(2);
    }
  }
  bool kilo = false;
  for (const char* k : {"k", "K"}) {
    if (text.contains(QLatin1String(k))) {
      text.chop(1);
      kilo = true;
    }
  }
  if (text.isEmpty() || text == QLatin1String(".") || text.count(QLatin1Char('.')) > 1) {
    return std::nullopt;
  }
  for (const QChar c : text) {
    if (!c.isDigit() && c != QLatin1Char('.') && c != QLatin1Char(',') && c != QLatin1Char(' ')) {
      return std::nullopt;
    }
    if (c.unicode() > 0x7f) {
      return std::nullopt;
    }
  }
  // The leading number after any blanks; what follows it (a comma, a blank)
  // is ignored, and no number reads as 0.
  qsizetype start = 0;
  while (start < text.size() && text[start] == QLatin1Char(' ')) {
    ++start;
  }
  qsizetype end = start;
  while (end < text.size() && (text[end].isDigit() || text[end] == QLatin1Char('.'))) {
    ++end;
  }
  bool ok = false;
  double value = text.mid(start, end - start).toDouble(&ok);
  if (!ok) {
    value = 0.0;
  }
  if (kilo) {
    value *= 1000.0;
  }
  return std::clamp(FreqToIndex(value), 0, 300);
}
