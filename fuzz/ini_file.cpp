// INI files as the program reads them: the file in the encoding the first
// byte picks (a byte-order mark decides over it) and every value read as
// each type; what was read, saved and read again gives the same text.
#include <cstddef>
#include <cstdint>

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QTime>

#include "fuzz/support/FuzzCheck.h"
#include "fuzz/support/MemoryFile.h"
#include "platform/files/TIniFile.h"

namespace {

constexpr TIniEncoding kIniFuzzEncodings[] = {TIniEncoding::Default, TIniEncoding::Utf8, TIniEncoding::Utf16};

void ReadEveryValue(const TIniFile& ini) {
  for (const QString& section : ini.ReadSections()) {
    ini.ReadSectionValues(section);
    for (const QString& key : ini.ReadSection(section)) {
      ini.ReadString(section, key, QString());
      ini.ReadInteger(section, key, 0);
      ini.ReadBool(section, key, false);
      ini.ReadFloat(section, key, 0.0);
      ini.ReadDate(section, key, QDate());
      ini.ReadTime(section, key, QTime());
      ini.ReadDateTime(section, key, QDateTime());
      ini.ReadBinaryStream(section, key);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) {
    return 0;
  }
  static MemoryFile file;
  if (!file.Write(data + 1, size - 1)) {
    return 0;
  }
  const TIniFile ini(file.Path(), kIniFuzzEncodings[data[0] % std::size(kIniFuzzEncodings)]);
  ReadEveryValue(ini);

  TIniFile reread(QString{});
  reread.SetText(ini.Text());
  KRV_FUZZ_CHECK("ini_file", reread.Text() == ini.Text());
  return 0;
}
