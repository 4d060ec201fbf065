#include "protocol/PresetFileFormat.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace PresetFileFormat {

bool HasHeader(std::span<const std::uint8_t> bytes) {
  return bytes.size() >= kHeaderSize && std::equal(bytes.begin(), bytes.begin() + kHeaderSize, kHeader);
}

bool HasLineEnd(std::span<const std::uint8_t> bytes, std::size_t offset) {
  return offset + 2 <= bytes.size() && bytes[offset] == 0x0D && bytes[offset + 1] == 0x0A;
}

std::uint32_t ReadWord(std::span<const std::uint8_t> bytes, std::size_t offset) {
  return static_cast<std::uint32_t>(bytes[offset]) | static_cast<std::uint32_t>(bytes[offset + 1]) << 8 |
         static_cast<std::uint32_t>(bytes[offset + 2]) << 16 | static_cast<std::uint32_t>(bytes[offset + 3]) << 24;
}

bool IsOutOfRange(std::uint32_t word) {
  const float value = std::bit_cast<float>(word);
  return !std::isfinite(value) || value > 50.0f;
}

QString WithExtension(const QString& chosen, const QString& extension) {
  const QString lower = QLatin1Char('.') + extension.toLower();
  const QString upper = QLatin1Char('.') + extension.toUpper();
  QString name = chosen;
  if (name.endsWith(lower, Qt::CaseSensitive) || name.endsWith(upper, Qt::CaseSensitive)) {
    name.chop(lower.size());
  }
  return name + lower;
}

}  // namespace PresetFileFormat
