#pragma once

#include <QDateTime>
#include <QString>

/// Date-time values of the editor: days since 30 December 1899 in the
/// integer part, the time of day as the fraction. Texts use one fixed
/// format, "yyyy-MM-dd hh:mm:ss" (the time part left out at midnight),
/// which DateTimeToText writes and TextToDateTime reads back. GUI thread.

/// The value of a date and time of day.
double DateTimeOf(const QDateTime& value);
/// The date and time of day of a value (milliseconds rounded).
QDateTime QDateTimeOf(double value);

QString DateTimeToText(double value);
/// EPlotError "'<text>' is not a valid date and time" for any other text.
double TextToDateTime(const QString& text);

/// The fraction of a day of a time; EPlotError "Invalid argument to time
/// encode" for an hour above 23, a minute or second above 59, a
/// millisecond count above 999 or any negative part.
double EncodeTime(int hour, int minute, int second, int msec);

struct TDecodedTime {
  int hour = 0;
  int minute = 0;
  int second = 0;
  int msec = 0;
};
/// The time of day of a value's fraction, to the millisecond.
TDecodedTime DecodeTime(double value);
