#include "link/LinkProfile.h"

QString FormatLinkLogLine(const QString& prefix, const std::vector<std::uint8_t>& bytes) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  QString line = prefix;
  line.reserve(prefix.size() + 3 * static_cast<qsizetype>(bytes.size()));
  for (const std::uint8_t byte : bytes) {
    line += QLatin1Char(kDigits[byte >> 4]);
    line += QLatin1Char(kDigits[byte & 0x0F]);
    line += QLatin1Char(' ');
  }
  return line;
}
