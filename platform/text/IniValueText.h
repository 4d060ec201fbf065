#pragma once

#include <QDateTime>
#include <QString>

/// How the settings stores write typed values as text, and read them back:
/// numbers in the C locale, dates and times in ISO 8601 (with
/// milliseconds). A text that does not read gives the default. Any thread.
namespace IniValueText {

QString FromFloat(double value);
double ToFloat(const QString& text, double defaultValue);
QString FromDate(const QDate& value);
QDate ToDate(const QString& text, const QDate& defaultValue);
QString FromTime(const QTime& value);
QTime ToTime(const QString& text, const QTime& defaultValue);
QString FromDateTime(const QDateTime& value);
QDateTime ToDateTime(const QString& text, const QDateTime& defaultValue);

}  // namespace IniValueText
