#include "components/TypedFrequency.h"

#include <algorithm>

#include "platform/text/LeadingNumber.h"

namespace {

// Each marker the text holds drops the text's last `count` characters.
bool CutForMarkers(QByteArray& text, std::initializer_list<const char*> markers, qsizetype count) {
  bool found = false;
  for (const char* marker : markers) {
    if (text.contains(marker)) {
      text.chop(count);
      found = true;
    }
  }
  return found;
}

bool IsFrequencyCharacter(char c) { return (c >= '0' && c <= '9') || c == '.' || c == ',' || c == ' '; }

}  // namespace

std::optional<double> TypedFrequencyHertz(QByteArray text, bool zeroRefused) {
  CutForMarkers(text, {"HZ", "Hz", "hZ", "hz"}, 2);
  const bool kiloHertz = CutForMarkers(text, {"k", "K"}, 1);
  if (text.isEmpty() || text == "." || text.count('.') > 1 || (zeroRefused && text == "0") ||
      !std::all_of(text.begin(), text.end(), IsFrequencyCharacter)) {
    return std::nullopt;
  }
  return LeadingNumber(text) * (kiloHertz ? 1000.0 : 1.0);
}
