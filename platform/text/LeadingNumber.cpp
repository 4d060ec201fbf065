#include "platform/text/LeadingNumber.h"

#include <charconv>
#include <limits>

namespace {

bool IsDecimalDigit(char c) { return c >= '0' && c <= '9'; }

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

}  // namespace

double LeadingNumber(QByteArrayView text) {
  const char* p = text.data();
  const char* const end = p + text.size();
  while (p != end && IsBlank(*p)) {
    ++p;
  }
  bool negative = false;
  if (p != end && (*p == '+' || *p == '-')) {
    negative = *p == '-';
    ++p;
  }
  const char* const start = p;
  bool digits = false;
  bool nonZeroWhole = false;
  while (p != end && IsDecimalDigit(*p)) {
    nonZeroWhole = nonZeroWhole || *p != '0';
    digits = true;
    ++p;
  }
  if (p != end && *p == '.') {
    ++p;
    while (p != end && IsDecimalDigit(*p)) {
      digits = true;
      ++p;
    }
  }
  if (!digits) {
    return 0.0;
  }
  double value = 0.0;
  const auto [last, error] = std::from_chars(start, p, value, std::chars_format::fixed);
  if (error == std::errc::result_out_of_range) {
    value = nonZeroWhole ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return negative ? -value : value;
}
