#include "editors/level/TypedValueEntry.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>

#include "components/TypedFrequency.h"
#include "platform/text/CFormat.h"
#include "platform/text/LeadingNumber.h"
#include "platform/text/MarkerCut.h"
#include "protocol/ParameterScales.h"

namespace {

using Verdict = TypedEntryResult::Verdict;

constexpr const char* kDecibels[] = {"dB", "DB", "db", "Db"};
constexpr const char* kMilliseconds[] = {"ms", "Ms", "mS", "MS"};
constexpr const char* kMetres[] = {"m", "M"};
constexpr const char* kFeet[] = {"ft", "Ft", "fT", "FT"};

constexpr char kSignedDecimal[] = "0123456789.,-+ ";
constexpr char kUnsignedDecimal[] = "0123456789., ";
constexpr char kRatioCharacters[] = "0123456789:.";
constexpr char kLimiterRatioCharacters[] = "0123456789:., ";

constexpr int kLevelFloor = -200;  // positions below it are 0.5 dB steps
constexpr int kPeqGainZero = 120;
constexpr int kFrequencyIndexMax = 300;

/// Every byte is one of `allowed`; bytes beyond ASCII never are.
bool AllIn(const QByteArray& text, const char* allowed) {
  return std::all_of(text.begin(), text.end(), [allowed](char c) { return c != '\0' && std::strchr(allowed, c); });
}

bool IsDecimalDigit(char c) { return c >= '0' && c <= '9'; }

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

/// The leading integer (blanks, sign, digits), saturating beyond int.
long long ReadInteger(const QByteArray& text) {
  constexpr long long kCeiling = 1LL << 40;
  qsizetype i = 0;
  while (i < text.size() && IsBlank(text[i])) {
    ++i;
  }
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  long long value = 0;
  for (; i < text.size() && IsDecimalDigit(text[i]); ++i) {
    value = std::min(kCeiling, value * 10 + (text[i] - '0'));
  }
  return negative ? -value : value;
}

/// The checks every decibel text passes (a signed decimal with at most one
/// point and one minus, a digit after the point) and the cut to one
/// decimal. False: refused.
bool CheckSignedDecimal(QByteArray& text) {
  if (text.isEmpty() || text == "-" || text == "." || !AllIn(text, kSignedDecimal) || text.count('.') > 1 ||
      text.count('-') > 1) {
    return false;
  }
  const qsizetype point = text.indexOf('.');
  if (point >= 0) {
    if (point + 1 >= text.size()) {
      return false;
    }
    text.truncate(point + 2);
  }
  return true;
}

/// Brings a one-decimal value onto half steps toward zero: first decimal
/// 0-4 drops it, 5 stays, 6-9 becomes .5. Texts where that rule has no
/// meaning (no digit after the point, no plain integer before it) are
/// refused: false.
bool HalfStep(const QByteArray& text, double& value) {
  const qsizetype point = text.indexOf('.');
  if (point < 0) {
    return true;
  }
  const char decimal = text[point + 1];
  QByteArray whole = text.left(point);
  if (whole.startsWith('-') || whole.startsWith('+')) {
    whole.remove(0, 1);
  }
  if (!IsDecimalDigit(decimal) || !AllIn(whole, "0123456789")) {
    return false;
  }
  if (decimal < '5') {
    value = std::trunc(value);
  } else if (decimal > '5') {
    value = std::trunc(value) + std::copysign(0.5, value);
  }
  return true;
}

QString FrequencyEntryText(int index) {
  const double hz = IndexToFreq(index);
  return hz >= 1000.0 ? FormatC("%4.2fKHz", hz * 0.001) : FormatC("%4.1fHz", hz);
}

}  // namespace

TypedEntryResult TypedValueEntry::Evaluate(const QString& text) const {
  if (text.trimmed() == Text(m_control.position).trimmed()) {
    return {Verdict::Unchanged, m_control.position};
  }
  return EvaluateBytes(text.toUtf8());
}

TypedEntryResult TypedValueEntry::Decide(int position) const {
  const int clamped = std::clamp(position, m_control.min, std::max(m_control.min, m_control.max));
  if (clamped == m_control.position) {
    return {Verdict::Unchanged, m_control.position};
  }
  return {Verdict::Accepted, clamped};
}

TypedEntryResult TypedValueEntry::EvaluateBytes(QByteArray text) const {
  switch (m_kind) {
    case TypedEntryKind::Level:
    case TypedEntryKind::Threshold:
    case TypedEntryKind::Knee:
    case TypedEntryKind::PeqGain: return Decibels(std::move(text));
    case TypedEntryKind::Time: return Time(std::move(text));
    case TypedEntryKind::CompressorRatio:
    case TypedEntryKind::LimiterRatio:
    case TypedEntryKind::GateRatio: {
      const QByteArray unstripped = text;
      return Ratio(std::move(text), unstripped);
    }
    case TypedEntryKind::SideChainEqType: return SideChainType(std::move(text));
    case TypedEntryKind::CutFrequency:
    case TypedEntryKind::SideChainFrequency: return Frequency(text);
    case TypedEntryKind::Bandwidth: return Bandwidth(text);
    case TypedEntryKind::Delay: return Delay(std::move(text));
  }
  return Reject();
}

TypedEntryResult TypedValueEntry::Decibels(QByteArray text) const {
  CutForMarkers(text, kDecibels, 2);
  if (!CheckSignedDecimal(text)) {
    return Reject();
  }
  double value = LeadingNumber(text);
  switch (m_kind) {
    case TypedEntryKind::Level: {
      if (value < -20.0 && !HalfStep(text, value)) {
        return Reject();
      }
      // The top is +12 dB on a channel gain, 0 dB on a mix level.
      const double top = std::max(0, m_control.max) * 0.1;
      value = std::clamp(value, -60.0, top);
      int position = TruncToInt(value * 10.0);
      if (position < kLevelFloor) {
        position = (position - kLevelFloor) / 5 + kLevelFloor;
      }
      return Decide(position);
    }
    case TypedEntryKind::Threshold:
      if (!HalfStep(text, value)) {
        return Reject();
      }
      return Decide(TruncToInt(std::clamp(value, -90.0, 20.0) * 2.0));
    case TypedEntryKind::Knee:
      if (!HalfStep(text, value)) {
        return Reject();
      }
      return Decide(TruncToInt(std::clamp(value, 0.0, 12.0)));
    default: return Decide(TruncToInt(std::clamp(value, -12.0, 12.0) * 10.0 + kPeqGainZero));
  }
}

TypedEntryResult TypedValueEntry::Time(QByteArray text) const {
  CutForMarkers(text, kMilliseconds, 2);
  if (text.isEmpty() || !AllIn(text, kUnsignedDecimal)) {
    return Reject();
  }
  const long long ms = std::clamp<long long>(ReadInteger(text), m_control.min + 1LL, m_control.max + 1LL);
  return Decide(static_cast<int>(ms - 1));
}

TypedEntryResult TypedValueEntry::Ratio(QByteArray text, const QByteArray& unstripped) const {
  if (m_kind == TypedEntryKind::GateRatio) {
    CutForMarkers(text, kMilliseconds, 2);
  } else {
    CutForMarkers(text, kDecibels, 2);
  }
  const char* allowed = m_kind == TypedEntryKind::LimiterRatio ? kLimiterRatioCharacters : kRatioCharacters;
  if (text.isEmpty() || text == ":" || text == "." || !AllIn(text, allowed) || text.count('.') > 1 ||
      text.count(':') > 1) {
    return Reject();
  }
  if (text.contains(':')) {
    if (text[0] != '1') {
      return Reject();
    }
    text = unstripped.mid(2);
  }
  const qsizetype point = text.indexOf('.');
  if (point >= 0 && point + 1 >= text.size()) {
    return Reject();
  }
  const double value = LeadingNumber(text);
  const int top = std::clamp(m_control.max, 0, int(RatioTable.size()) - 1);
  for (int k = 0; k <= top; ++k) {
    if (value <= RatioTable[static_cast<std::size_t>(k)]) {
      return Decide(k);
    }
  }
  // Beyond the table the gate's entry names the index after the last one,
  // which its track bar clamps back onto its Max.
  return Decide(m_kind == TypedEntryKind::GateRatio ? top + 1 : top);
}

TypedEntryResult TypedValueEntry::SideChainType(QByteArray text) const {
  text.replace(" ", "");
  if (AllIn(text, kUnsignedDecimal)) {
    const double value = LeadingNumber(text);
    return Decide(value < 2.0 ? 5 : value < 3.0 ? 6 : value < 4.0 ? 7 : value < 6.0 ? 8 : 9);
  }
  const char* const words[] = {"Bypass", "LC-6", "LC-12", "HC-6", "HC-12"};
  for (int k = 0; k < 5; ++k) {
    if (text.compare(words[k], Qt::CaseInsensitive) == 0) {
      return Decide(k);
    }
  }
  return Reject();
}

TypedEntryResult TypedValueEntry::Frequency(const QByteArray& text) const {
  const std::optional<double> hz = TypedFrequencyHertz(text, m_kind == TypedEntryKind::SideChainFrequency);
  if (!hz) {
    return Reject();
  }
  return Decide(std::clamp(FreqToIndex(*hz), 0, kFrequencyIndexMax));
}

TypedEntryResult TypedValueEntry::Bandwidth(const QByteArray& text) const {
  if (text.isEmpty() || text == "." || !AllIn(text, kUnsignedDecimal) || text.count('.') > 1) {
    return Reject();
  }
  double q = LeadingNumber(text);
  q = q > 128.0 ? 128.0 : q <= 0.4 ? 0.4 : q;
  return Decide(QToIndex(q));
}

TypedEntryResult TypedValueEntry::Delay(QByteArray text) const {
  switch (m_control.delayUnit) {
    case DELAY_UNIT_MS: CutForMarkers(text, kMilliseconds, 2); break;
    case DELAY_UNIT_METRES: CutForMarkers(text, kMetres, 1); break;
    case DELAY_UNIT_FEET: CutForMarkers(text, kFeet, 2); break;
    default: return Reject();
  }
  if (text.isEmpty() || !AllIn(text, kUnsignedDecimal)) {
    return Reject();
  }
  return Decide(DelayToSamples(LeadingNumber(text), m_control.delayUnit));
}

QString TypedValueEntry::Text(int position) const {
  switch (m_kind) {
    case TypedEntryKind::Level: return GainCodeText(position);
    case TypedEntryKind::Threshold: return ThresholdText(position + kThresholdOffset);
    case TypedEntryKind::Knee: return KneeText(position);
    case TypedEntryKind::Time: return DynamicsTimeText(position, true);
    case TypedEntryKind::CompressorRatio:
    case TypedEntryKind::LimiterRatio: return RatioText(position, false);
    case TypedEntryKind::GateRatio: return RatioText(position, true);
    case TypedEntryKind::SideChainEqType:
      return position >= 0 && position < int(SideChainEqTypeNames.size())
                 ? QString::fromLatin1(SideChainEqTypeNames[static_cast<std::size_t>(position)])
                 : QString();
    case TypedEntryKind::CutFrequency:
    case TypedEntryKind::SideChainFrequency: return FrequencyEntryText(position);
    case TypedEntryKind::Bandwidth:
      return position >= 0 && position < int(QTable.size())
                 ? FormatC("%3.2f", double(QTable[static_cast<std::size_t>(position)]))
                 : QString();
    case TypedEntryKind::PeqGain:
      return position >= kPeqGainZero ? FormatC("+%1.1fdB", (position - kPeqGainZero) * 0.1)
                                      : FormatC("-%1.1fdB", (kPeqGainZero - position) * 0.1);
    case TypedEntryKind::Delay: return DelayText(position, m_control.delayUnit);
  }
  return {};
}
