#include "protocol/TextRoutines.h"

#include <algorithm>

bool IsNumericText(const QString& text) {
  return std::all_of(text.begin(), text.end(), [](QChar c) {
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.') || c == QLatin1Char(',') ||
           c == QLatin1Char(' ');
  });
}

QString RemoveSpaces(const QString& text) {
  QString result = text;
  result.remove(QLatin1Char(' '));
  return result;
}
