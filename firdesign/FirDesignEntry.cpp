#include "firdesign/FirDesignEntry.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string>

#include "components/TypedFrequency.h"
#include "platform/text/AnsiCodePage.h"
#include "platform/text/CFormat.h"
#include "platform/text/LeadingNumber.h"
#include "protocol/ParameterScales.h"

namespace {

constexpr int kGainZero = 120;
constexpr double kSamplesPerMsValue = 96.0;
constexpr double kMaxGainDb = 12.0;
constexpr int kMinTaps = 32;
constexpr int kMaxTaps = 2048;
constexpr int kLowestRangeIndex = -29;
constexpr int kHighestRangeIndex = 308;

std::string Ansi(const QString& text) {
  const QByteArray bytes = WideToAnsi(text);
  return std::string(bytes.constData(), std::size_t(bytes.size()));
}

bool Contains(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

/// Cuts `count` characters off the end once for every form the text holds.
void CutUnit(std::string& text, std::initializer_list<const char*> forms, std::size_t count) {
  for (const char* form : forms) {
    if (Contains(text, form)) {
      text.resize(text.size() >= count ? text.size() - count : 0);
    }
  }
}

/// Refused: empty, a lone "-" or ".", a character outside `allowed`, more
/// than one point or more than one minus.
bool Refused(const std::string& text, const char* allowed) {
  if (text.empty() || text == "-" || text == ".") {
    return true;
  }
  if (text.find_first_not_of(allowed) != std::string::npos) {
    return true;
  }
  return std::count(text.begin(), text.end(), '.') > 1 || std::count(text.begin(), text.end(), '-') > 1;
}

}  // namespace

namespace FirDesignEntry {

std::optional<int> GainStep(const QString& typed) {
  std::string text = Ansi(typed);
  CutUnit(text, {"dB", "DB", "db", "Db"}, 2);
  if (Refused(text, "0123456789.,-+ ")) {
    return std::nullopt;
  }
  const std::size_t point = text.find('.');
  if (point != std::string::npos && text.size() - point > 2) {
    return std::nullopt;
  }
  const double value = std::clamp(LeadingNumber(text), -kMaxGainDb, kMaxGainDb);
  return static_cast<int>(std::trunc(value * 10.0 + kGainZero));
}

std::optional<int> DelayStep(const QString& typed, double minMs, double maxMs) {
  std::string text = Ansi(typed);
  CutUnit(text, {"ms", "Ms", "mS", "MS"}, 2);
  if (Refused(text, "0123456789.,-+ ")) {
    return std::nullopt;
  }
  const double samples = std::clamp(LeadingNumber(text), minMs, maxMs) * kSamplesPerMsValue;
  const double cut = std::trunc(samples);
  return static_cast<int>(samples - cut > 0.5 ? cut + 1.0 : cut);
}

int TapsStep(const QString& typed) {
  const double value = std::clamp(LeadingNumber(Ansi(typed)), double(kMinTaps), double(kMaxTaps));
  return static_cast<int>(std::trunc(value));
}

std::optional<int> RangeIndex(const QString& typed) {
  const std::optional<double> hertz = TypedFrequencyHertz(WideToAnsi(typed), true);
  if (!hertz) {
    return std::nullopt;
  }
  return std::clamp(FreqToIndex(*hertz), kLowestRangeIndex, kHighestRangeIndex);
}

QString GainText(int position) {
  return position >= kGainZero ? FormatC("+%1.1fdB", (position - kGainZero) * 0.1)
                               : FormatC("-%1.1fdB", (kGainZero - position) * 0.1);
}

QString DelayText(int samples) { return FormatC("%1.3fms", samples / kSamplesPerMsValue); }

QString FrequencyText(double hertz) {
  return hertz >= 1000.0 ? FormatC("%4.2fKHz", hertz / 1000.0) : FormatC("%4.1fHz", hertz);
}

}  // namespace FirDesignEntry
