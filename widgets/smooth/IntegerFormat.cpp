#include "widgets/smooth/IntegerFormat.h"

QString FormatIntegers(const QString& format, std::initializer_list<int> arguments) {
  QString result;
  auto next = arguments.begin();
  for (qsizetype i = 0; i < format.size(); ++i) {
    const QChar c = format[i];
    if (c != QLatin1Char('%')) {
      result += c;
      continue;
    }
    if (i + 1 < format.size() && format[i + 1] == QLatin1Char('%')) {
      result += QLatin1Char('%');
      ++i;
      continue;
    }
    qsizetype j = i + 1;
    const bool leftAlign = j < format.size() && format[j] == QLatin1Char('-');
    if (leftAlign) {
      ++j;
    }
    int width = 0;
    while (j < format.size() && format[j].isDigit() && width < 1000) {
      width = width * 10 + format[j].digitValue();
      ++j;
    }
    const QChar type = j < format.size() ? format[j] : QChar();
    const bool known = type == QLatin1Char('d') || type == QLatin1Char('u') || type == QLatin1Char('x') ||
                       type == QLatin1Char('X');
    if (!known || next == arguments.end()) {
      result += c;
      continue;
    }
    QString text;
    if (type == QLatin1Char('d')) {
      text = QString::number(*next);
    } else if (type == QLatin1Char('u')) {
      text = QString::number(unsigned(*next));
    } else {
      text = QString::number(unsigned(*next), 16);
      if (type == QLatin1Char('X')) {
        text = text.toUpper();
      }
    }
    ++next;
    result += leftAlign ? text.leftJustified(width) : text.rightJustified(width);
    i = j;
  }
  return result;
}
