#include "plot/base/iPropertyText.h"

#include <cmath>

#include "platform/text/CFormat.h"

QString EscapePropertyString(const QString& value) {
  QString out;
  out.reserve(value.size());
  for (const QChar c : value) {
    if (c == QLatin1Char('#')) {
      out += QStringLiteral("#35");
    } else if (c == QLatin1Char('\r')) {
      out += QStringLiteral("#13");
    } else if (c == QLatin1Char('\n')) {
      out += QStringLiteral("#10");
    } else {
      out += c;
    }
  }
  return out;
}

QString UnescapePropertyString(const QString& text) {
  QString out;
  out.reserve(text.size());
  for (int i = 0; i < text.size(); ++i) {
    if (text[i] == QLatin1Char('#') && i + 2 < text.size()) {
      const QStringView code = QStringView(text).mid(i + 1, 2);
      const QChar replacement = code == u"13"   ? QChar('\r')
                                : code == u"10" ? QChar('\n')
                                : code == u"35" ? QChar('#')
                                                : QChar();
      if (!replacement.isNull()) {
        out += replacement;
        i += 2;
        continue;
      }
    }
    out += text[i];
  }
  return out;
}

namespace {
// %.<digits>G with the class library's exponent spelling: "E-05" becomes
// "E-5", "E+20" "E20".
QString GeneralFormat(double value, int digits) {
  QString text = FormatC("%.*G", digits, value);
  const int e = text.indexOf(QLatin1Char('E'));
  if (e >= 0) {
    const QChar sign = text[e + 1];
    QString exponent = text.mid(e + 2);
    while (exponent.size() > 1 && exponent.startsWith(QLatin1Char('0'))) {
      exponent.remove(0, 1);
    }
    text = text.left(e + 1) + (sign == QLatin1Char('-') ? QStringLiteral("-") : QString()) + exponent;
  }
  return text;
}
}  // namespace

QString FloatToText(double value) {
  if (std::isnan(value)) {
    return QStringLiteral("NAN");
  }
  if (std::isinf(value)) {
    return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
  }
  // The class library's 15 digits when they read back as the same value;
  // otherwise (1/3, values next to the largest double, whose 15-digit form
  // overflows) the fewest digits up to 17 that do.
  QString text;
  for (int digits = 15; digits <= 17; ++digits) {
    text = GeneralFormat(value, digits);
    double back = 0;
    if (TextToFloat(text, back) && back == value) {
      break;
    }
  }
  return text;
}

bool TextToFloat(const QString& text, double& value) {
  QString t = text.trimmed();
  t.replace(QLatin1Char(','), QLatin1Char('.'));
  bool ok = false;
  const double v = t.toDouble(&ok);
  if (ok) {
    value = v;
  }
  return ok;
}

bool SplitAtSeparator(const QString& text, QChar separator, QString& left, QString& right) {
  const int at = text.indexOf(separator);
  if (at < 0) {
    left.clear();
    right.clear();
    return false;
  }
  left = text.left(at).trimmed();
  right = text.mid(at + 1).trimmed();
  return true;
}

void StripNamePrefix(const QString& prefix, QString& name, QString& foundPrefix) {
  foundPrefix.clear();
  const int dot = name.indexOf(QLatin1Char('.'));
  if (prefix.isEmpty() || dot < 0) {
    return;
  }
  const QString head = name.left(dot);
  if (head.compare(prefix, Qt::CaseInsensitive) == 0) {
    foundPrefix = head;
    name = name.mid(dot + 1);
  }
}

bool ExtractNamedValue(const QString& name, QString& value, QStringList& list) {
  for (int i = 0; i < list.size(); ++i) {
    const int eq = list[i].indexOf(QLatin1Char('='));
    if (eq < 0) {
      continue;
    }
    if (list[i].left(eq).trimmed().compare(name.trimmed(), Qt::CaseInsensitive) == 0) {
      value = list[i].mid(eq + 1).trimmed();
      list.removeAt(i);
      return true;
    }
  }
  return false;
}
