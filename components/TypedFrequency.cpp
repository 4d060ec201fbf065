#include "components/TypedFrequency.h"

#include <algorithm>

#include "platform/text/LeadingNumber.h"
#include "platform/text/MarkerCut.h"

namespace {

constexpr const char* kHertz[] = {"HZ", "Hz", "hZ", "hz"};
constexpr const char* kKilo[] = {"k", "K"};

bool IsFrequencyCharacter(char c) { return (c >= '0' && c <= '9') || c == '.' || c == ',' || c == ' '; }

}  // namespace

std::optional<double> TypedFrequencyHertz(QByteArray text, bool zeroRefused) {
  CutForMarkers(text, kHertz, 2);
  const bool kiloHertz = CutForMarkers(text, kKilo, 1);
  if (text.isEmpty() || text == "." || text.count('.') > 1 || (zeroRefused && text == "0") ||
      !std::all_of(text.begin(), text.end(), IsFrequencyCharacter)) {
    return std::nullopt;
  }
  return LeadingNumber(text) * (kiloHertz ? 1000.0 : 1.0);
}
