// GBK conversion both ways: the input as 8-bit bytes from the unit, and the
// same bytes as UTF-16 text typed into a name.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include <QByteArray>
#include <QString>

#include "fuzz/support/FuzzCheck.h"
#include "platform/text/AnsiCodePage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const QString fromUnit = AnsiToWide(bytes);
  // What the unit sends shows as text that goes back as the bytes up to the
  // first zero, whenever the code page holds all of it.
  if (CodePageHolds(fromUnit) && !fromUnit.contains(QLatin1Char('?'))) {
    const QByteArray field = bytes.first(bytes.indexOf('\0') < 0 ? bytes.size() : bytes.indexOf('\0')).toByteArray();
    KRV_FUZZ_CHECK("gbk", WideToAnsi(fromUnit) == field);
  }

  std::u16string units(size / 2, u'\0');
  std::memcpy(units.data(), data, units.size() * sizeof(char16_t));
  const QString typed = QString::fromStdU16String(units);
  const QByteArray encoded = WideToAnsi(typed);
  if (CodePageHolds(typed) && !typed.contains(QChar(0))) {
    KRV_FUZZ_CHECK("gbk", AnsiToWide(encoded) == typed);
  }
  const int width = size > 0 ? data[0] % 40 : 0;
  KRV_FUZZ_CHECK("gbk", WideToAnsiField(typed, width).size() == width);
  return 0;
}
