#pragma once

#include <QString>

/// Date-times of the plot library: days since 30 December 1899 with the
/// time of day as the fraction (local time, no zone). Any thread.

/// Formats a date-time with the class library's format letters: y, yy,
/// yyyy; m, mm, mmm, mmmm (month, or minutes right after h); d, dd, ddd,
/// dddd; h, hh; n, nn; s, ss; z, zzz; am/pm and a/p; text in quotes is
/// copied; other characters are copied as they are. English names.
QString FormatDateTime(const QString& format, double dateTime);

/// Calendar arithmetic on date-times (the time of day is kept).
double IncMonth(double dateTime, int months);
double IncYear(double dateTime, int years);
/// Date-time with its day / month / year replaced (the day is clamped to
/// the month's length).
double RecodeDay(double dateTime, int day);
double RecodeMonth(double dateTime, int month);
double RecodeYear(double dateTime, int year);
int MonthOf(double dateTime);
int YearOf(double dateTime);
