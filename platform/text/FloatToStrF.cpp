#include "platform/text/FloatToStrF.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace {

constexpr int kMinPrecision = 2;
constexpr int kMaxPrecision = 18;

/// A value as a decimal digit string: value = 0.d1d2d3... x 10^exponent.
/// Zero has no digits and exponent 0. Trailing zeros are removed.
struct DecimalValue {
  bool negative = false;
  std::string digits;
  int exponent = 0;
};

void StripTrailingZeros(DecimalValue& d) {
  while (!d.digits.empty() && d.digits.back() == '0') {
    d.digits.pop_back();
  }
  if (d.digits.empty()) {
    d.exponent = 0;
    d.negative = false;
  }
}

/// The value with 18 significant digits, rounded half away from zero to at
/// most `precision` significant digits and at most `decimals` digits after
/// the decimal point.
DecimalValue ToDecimal(double value, int precision, int decimals) {
  DecimalValue d;
  d.negative = std::signbit(value);
  if (value == 0.0) {
    d.negative = false;
    return d;
  }
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.17e", std::fabs(value));
  const std::string text(buffer);
  const auto e = text.find('e');
  d.digits = text.substr(0, 1) + text.substr(2, e - 2);
  d.exponent = std::stoi(text.substr(e + 1)) + 1;

  const int keep = std::min(precision, d.exponent + decimals);
  if (keep < 0) {
    d.digits.clear();
    StripTrailingZeros(d);
    return d;
  }
  if (keep < int(d.digits.size())) {
    const bool up = d.digits[std::size_t(keep)] >= '5';
    d.digits.resize(std::size_t(keep));
    if (up) {
      int i = keep - 1;
      while (i >= 0 && d.digits[std::size_t(i)] == '9') {
        d.digits[std::size_t(i)] = '0';
        --i;
      }
      if (i >= 0) {
        ++d.digits[std::size_t(i)];
      } else {
        d.digits.insert(d.digits.begin(), '1');
        ++d.exponent;
      }
    }
  }
  StripTrailingZeros(d);
  return d;
}

std::string Exponent(int exponent, bool forceSign, int minDigits) {
  std::string text = std::to_string(std::abs(exponent));
  if (int(text.size()) < minDigits) {
    text.insert(0, std::size_t(minDigits - int(text.size())), '0');
  }
  if (exponent < 0) {
    return "-" + text;
  }
  return forceSign ? "+" + text : text;
}

/// d.ddd with the digits given (padded to `width` digits when width > 0),
/// then E and the exponent.
std::string Scientific(const DecimalValue& d, int width, bool forceSign, int exponentDigits) {
  std::string mantissa = d.digits.empty() ? std::string("0") : d.digits;
  if (int(mantissa.size()) < width) {
    mantissa.append(std::size_t(width - int(mantissa.size())), '0');
  }
  std::string text(1, mantissa[0]);
  if (mantissa.size() > 1) {
    text += '.';
    text += mantissa.substr(1);
  }
  const int exponent = d.digits.empty() ? 0 : d.exponent - 1;
  return text + "E" + Exponent(exponent, forceSign, exponentDigits);
}

/// The integer part of a decimal value, with thousands separators if asked.
std::string IntegerPart(const DecimalValue& d, bool separators) {
  std::string integer;
  for (int i = 0; i < d.exponent; ++i) {
    integer += i < int(d.digits.size()) ? d.digits[std::size_t(i)] : '0';
  }
  if (integer.empty()) {
    integer = "0";
  }
  if (separators) {
    for (int pos = int(integer.size()) - 3; pos > 0; pos -= 3) {
      integer.insert(std::size_t(pos), 1, ',');
    }
  }
  return integer;
}

/// The fraction digits of a decimal value; exactly `decimals` of them when
/// decimals >= 0, else as many as the value holds.
std::string FractionPart(const DecimalValue& d, int decimals) {
  std::string fraction;
  const int available = int(d.digits.size()) - d.exponent;
  const int count = decimals >= 0 ? decimals : std::max(0, available);
  for (int i = 0; i < count; ++i) {
    const int index = d.exponent + i;
    fraction += index >= 0 && index < int(d.digits.size()) ? d.digits[std::size_t(index)] : '0';
  }
  return fraction;
}

std::string General(const DecimalValue& d, int precision, int digits) {
  if (d.exponent > precision || d.exponent < -3) {
    return Scientific(d, 0, false, std::clamp(digits, 0, 4));
  }
  const std::string fraction = FractionPart(d, -1);
  return IntegerPart(d, false) + (fraction.empty() ? "" : "." + fraction);
}

std::string Positional(const DecimalValue& d, int decimals, bool separators) {
  const std::string fraction = FractionPart(d, decimals);
  return IntegerPart(d, separators) + (fraction.empty() ? "" : "." + fraction);
}

}  // namespace

QString FloatToStrF(double value, TFloatFormat format, int precision, int digits) {
  if (std::isnan(value)) {
    return QStringLiteral("NAN");
  }
  if (std::isinf(value)) {
    return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
  }
  precision = std::clamp(precision, kMinPrecision, kMaxPrecision);
  const bool positional =
      format == TFloatFormat::ffFixed || format == TFloatFormat::ffNumber || format == TFloatFormat::ffCurrency;
  const int decimals = std::clamp(digits, 0, 18);
  const DecimalValue d = ToDecimal(value, precision, positional ? decimals : 9999);

  std::string body;
  switch (format) {
    case TFloatFormat::ffGeneral:
      body = General(d, precision, digits);
      break;
    case TFloatFormat::ffExponent:
      body = Scientific(d, precision, true, std::clamp(digits, 0, 4));
      break;
    case TFloatFormat::ffFixed:
    case TFloatFormat::ffNumber:
    case TFloatFormat::ffCurrency:
      if (d.exponent > precision) {
        body = Scientific(d, 0, false, 0);
      } else {
        body = Positional(d, decimals, format != TFloatFormat::ffFixed);
      }
      break;
  }
  if (format == TFloatFormat::ffCurrency) {
    return QString::fromLatin1(d.negative ? "($" + body + ")" : "$" + body);
  }
  return QString::fromLatin1(d.negative ? "-" + body : body);
}
