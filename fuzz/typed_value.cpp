// Typed value entry, the engine of every numeric box: a box of the kind and
// control range the first bytes pick, and the rest as the text typed.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include <QString>

#include "editors/level/TypedValueEntry.h"
#include "fuzz/support/FuzzCheck.h"

namespace {

constexpr std::size_t kTypedSetupBytes = 8;
constexpr int kTypedKinds = 13;

int TypedSetupWord(const std::uint8_t* bytes) {
  return static_cast<std::int16_t>(bytes[0] | bytes[1] << 8);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < kTypedSetupBytes) {
    return 0;
  }
  const auto kind = static_cast<TypedEntryKind>(data[0] % kTypedKinds);
  TypedEntryControl control;
  control.min = TypedSetupWord(data + 1);
  control.max = std::max(control.min, TypedSetupWord(data + 3));
  control.position = std::clamp(TypedSetupWord(data + 5), control.min, control.max);
  control.delayUnit = data[7] % 3;
  const TypedValueEntry entry(kind, control);

  const QString typed = (data[0] & 0x80) != 0
                            ? QString::fromLatin1(reinterpret_cast<const char*>(data + kTypedSetupBytes),
                                                  static_cast<qsizetype>(size - kTypedSetupBytes))
                            : QString::fromUtf8(reinterpret_cast<const char*>(data + kTypedSetupBytes),
                                                static_cast<qsizetype>(size - kTypedSetupBytes));
  const TypedEntryResult result = entry.Evaluate(typed);
  if (result.verdict == TypedEntryResult::Verdict::Accepted) {
    KRV_FUZZ_CHECK("typed_value", result.position >= control.min && result.position <= control.max);
    KRV_FUZZ_CHECK("typed_value", result.position != control.position);
  } else {
    KRV_FUZZ_CHECK("typed_value", result.position == control.position);
  }
  // Leaving a box without typing changes nothing.
  const TypedEntryResult untouched = entry.Evaluate(entry.Text(control.position));
  KRV_FUZZ_CHECK("typed_value", untouched.verdict != TypedEntryResult::Verdict::Accepted);
  return 0;
}
