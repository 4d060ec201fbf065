#include "platform/text/IniValueText.h"

#include <QLocale>

namespace IniValueText {

QString FromFloat(double value) { return QLocale::c().toString(value, 'g', QLocale::FloatingPointShortest); }

double ToFloat(const QString& text, double defaultValue) {
  bool ok = false;
  const double value = QLocale::c().toDouble(text.trimmed(), &ok);
  return ok ? value : defaultValue;
}

QString FromDate(const QDate& value) { return value.toString(Qt::ISODate); }

QDate ToDate(const QString& text, const QDate& defaultValue) {
  const QDate value = QDate::fromString(text.trimmed(), Qt::ISODate);
  return value.isValid() ? value : defaultValue;
}

QString FromTime(const QTime& value) { return value.toString(Qt::ISODateWithMs); }

QTime ToTime(const QString& text, const QTime& defaultValue) {
  const QTime value = QTime::fromString(text.trimmed(), Qt::ISODateWithMs);
  return value.isValid() ? value : defaultValue;
}

QString FromDateTime(const QDateTime& value) { return value.toString(Qt::ISODateWithMs); }

QDateTime ToDateTime(const QString& text, const QDateTime& defaultValue) {
  const QDateTime value = QDateTime::fromString(text.trimmed(), Qt::ISODateWithMs);
  return value.isValid() ? value : defaultValue;
}

}  // namespace IniValueText
