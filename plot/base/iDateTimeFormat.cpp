#include "plot/base/iDateTimeFormat.h"

#include <algorithm>
#include <cmath>

#include <QDate>

namespace {

const QDate kBase(1899, 12, 30);

struct Decoded {
  QDate date;
  double timeOfDay;  // fraction of a day, >= 0
};

Decoded Decode(double dt) {
  const double day = std::floor(dt);
  // Before the base date the fraction counts forward from the day's start
  // as for positive values (the class library's convention).
  const double whole = std::trunc(dt);
  const double frac = std::fabs(dt - whole);
  return {kBase.addDays(qint64(dt >= 0 ? day : whole)), frac};
}

double Encode(const QDate& date, double timeOfDay) {
  const double days = double(kBase.daysTo(date));
  return days >= 0 ? days + timeOfDay : days - timeOfDay;
}

const char* const kMonthShort[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const char* const kMonthLong[] = {"January", "February", "March",     "April",   "May",      "June",
                                  "July",    "August",   "September", "October", "November", "December"};
const char* const kDayShort[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
const char* const kDayLong[] = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};

int RunLength(const QString& f, int i) {
  int n = 1;
  while (i + n < f.size() && f[i + n].toLower() == f[i].toLower()) {
    ++n;
  }
  return n;
}

QString Two(int v) { return QString::number(v).rightJustified(2, QLatin1Char('0')); }

}  // namespace

QString FormatDateTime(const QString& format, double dateTime) {
  const Decoded d = Decode(dateTime);
  const qint64 ms = qint64(std::nearbyint(d.timeOfDay * 86400000.0));
  const int hour = int(ms / 3600000 % 24);
  const int minute = int(ms / 60000 % 60);
  const int second = int(ms / 1000 % 60);
  const int milli = int(ms % 1000);
  const bool twelveHour = format.contains(QStringLiteral("am/pm"), Qt::CaseInsensitive) ||
                          format.contains(QStringLiteral("a/p"), Qt::CaseInsensitive);
  QString out;
  bool afterHour = false;
  for (int i = 0; i < format.size();) {
    const QChar c = format[i];
    const QChar lc = c.toLower();
    if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
      const int end = format.indexOf(c, i + 1);
      const int stop = end < 0 ? format.size() : end;
      out += format.mid(i + 1, stop - i - 1);
      i = stop + 1;
      continue;
    }
    if (format.mid(i, 5).compare(QStringLiteral("am/pm"), Qt::CaseInsensitive) == 0) {
      out += hour < 12 ? QStringLiteral("am") : QStringLiteral("pm");
      i += 5;
      continue;
    }
    if (format.mid(i, 3).compare(QStringLiteral("a/p"), Qt::CaseInsensitive) == 0) {
      out += hour < 12 ? QStringLiteral("a") : QStringLiteral("p");
      i += 3;
      continue;
    }
    const int n = RunLength(format, i);
    const int shownHour = twelveHour ? (hour % 12 == 0 ? 12 : hour % 12) : hour;
    if (lc == QLatin1Char('y')) {
      out += n <= 2 ? Two(d.date.year() % 100) : QString::number(d.date.year()).rightJustified(4, QLatin1Char('0'));
    } else if (lc == QLatin1Char('m') && afterHour && n <= 2) {
      out += n == 1 ? QString::number(minute) : Two(minute);
    } else if (lc == QLatin1Char('m')) {
      const int m = d.date.month();
      out += n == 1   ? QString::number(m)
             : n == 2 ? Two(m)
             : n == 3 ? QString::fromLatin1(kMonthShort[m - 1])
                      : QString::fromLatin1(kMonthLong[m - 1]);
    } else if (lc == QLatin1Char('d')) {
      const int wd = d.date.dayOfWeek() - 1;
      out += n == 1   ? QString::number(d.date.day())
             : n == 2 ? Two(d.date.day())
             : n == 3 ? QString::fromLatin1(kDayShort[wd])
                      : QString::fromLatin1(kDayLong[wd]);
    } else if (lc == QLatin1Char('h')) {
      out += n == 1 ? QString::number(shownHour) : Two(shownHour);
    } else if (lc == QLatin1Char('n')) {
      out += n == 1 ? QString::number(minute) : Two(minute);
    } else if (lc == QLatin1Char('s')) {
      out += n == 1 ? QString::number(second) : Two(second);
    } else if (lc == QLatin1Char('z')) {
      out += n >= 3 ? QString::number(milli).rightJustified(3, QLatin1Char('0')) : QString::number(milli);
    } else {
      out += format.mid(i, n);
    }
    if (lc != QLatin1Char(' ') && lc != QLatin1Char(':')) {
      afterHour = lc == QLatin1Char('h');
    }
    i += n;
  }
  return out;
}

double IncMonth(double dateTime, int months) {
  const Decoded d = Decode(dateTime);
  return Encode(d.date.addMonths(months), d.timeOfDay);
}

double IncYear(double dateTime, int years) {
  const Decoded d = Decode(dateTime);
  return Encode(d.date.addYears(years), d.timeOfDay);
}

double RecodeDay(double dateTime, int day) {
  const Decoded d = Decode(dateTime);
  const QDate date(d.date.year(), d.date.month(), std::clamp(day, 1, d.date.daysInMonth()));
  return Encode(date, d.timeOfDay);
}

double RecodeMonth(double dateTime, int month) {
  const Decoded d = Decode(dateTime);
  const QDate first(d.date.year(), std::clamp(month, 1, 12), 1);
  return Encode(QDate(first.year(), first.month(), std::min(d.date.day(), first.daysInMonth())), d.timeOfDay);
}

double RecodeYear(double dateTime, int year) {
  const Decoded d = Decode(dateTime);
  const QDate first(year, d.date.month(), 1);
  return Encode(QDate(year, d.date.month(), std::min(d.date.day(), first.daysInMonth())), d.timeOfDay);
}

int MonthOf(double dateTime) { return Decode(dateTime).date.month(); }

int YearOf(double dateTime) { return Decode(dateTime).date.year(); }
