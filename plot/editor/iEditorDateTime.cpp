#include "plot/editor/iEditorDateTime.h"

#include <cmath>

#include "plot/base/EPlotError.h"

namespace {

const QDate kEpoch(1899, 12, 30);
constexpr double kMsecPerDay = 86400000.0;
const QString kDateFormat = QStringLiteral("yyyy-MM-dd");
const QString kDateTimeFormat = QStringLiteral("yyyy-MM-dd hh:mm:ss");

}  // namespace

double DateTimeOf(const QDateTime& value) {
  return double(kEpoch.daysTo(value.date())) + value.time().msecsSinceStartOfDay() / kMsecPerDay;
}

QDateTime QDateTimeOf(double value) {
  const double day = std::floor(value);
  const auto msec = qint64(std::llround((value - day) * kMsecPerDay));
  return QDateTime(kEpoch.addDays(qint64(day)), QTime(0, 0)).addMSecs(msec);
}

QString DateTimeToText(double value) {
  const QDateTime at = QDateTimeOf(value);
  return at.time() == QTime(0, 0) ? at.date().toString(kDateFormat) : at.toString(kDateTimeFormat);
}

double TextToDateTime(const QString& text) {
  const QString trimmed = text.trimmed();
  QDateTime at = QDateTime::fromString(trimmed, kDateTimeFormat);
  if (!at.isValid()) at = QDateTime(QDate::fromString(trimmed, kDateFormat), QTime(0, 0));
  if (!at.isValid()) throw EPlotError(QStringLiteral("'%1' is not a valid date and time").arg(text));
  return DateTimeOf(at);
}

double EncodeTime(int hour, int minute, int second, int msec) {
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || msec < 0 || msec > 999)
    throw EPlotError(QStringLiteral("Invalid argument to time encode"));
  return (((hour * 60.0 + minute) * 60.0 + second) * 1000.0 + msec) / kMsecPerDay;
}

TDecodedTime DecodeTime(double value) {
  auto msec = std::llround((value - std::floor(value)) * kMsecPerDay);
  if (msec >= qint64(kMsecPerDay)) msec = qint64(kMsecPerDay) - 1;
  const auto total = int(msec);
  return {total / 3600000, total / 60000 % 60, total / 1000 % 60, total % 1000};
}
