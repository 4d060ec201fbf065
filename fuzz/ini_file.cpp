// INI files as the program reads them: the file in the encoding the first
// byte picks (a byte-order mark decides over it), every value read as each
// type, every section loaded as a fill's persistence; what was read, saved
// and read again gives the same text.
#include <cstddef>
#include <cstdint>

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QTime>

#include "fuzz/support/FuzzCheck.h"
#include "fuzz/support/FuzzGuiApplication.h"
#include "fuzz/support/MemoryFile.h"
#include "platform/TIniFile.h"
#include "widgets/gdiplus/TGDIPFill.h"

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

/// A fill loaded from the section and saved into a fresh INI, as its text.
QString FillSavedAfterLoad(const TIniFile& ini, const QString& section) {
  TGDIPFill fill;
  fill.LoadFromIni(ini, section);
  TIniFile saved(QString{});
  fill.SaveToIni(saved, section);
  return saved.Text();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) {
    return 0;
  }
  EnsureFuzzGuiApplication();
  static MemoryFile file;
  if (!file.Write(data + 1, size - 1)) {
    return 0;
  }
  const TIniFile ini(file.Path(), kIniFuzzEncodings[data[0] % std::size(kIniFuzzEncodings)]);
  ReadEveryValue(ini);

  TIniFile reread(QString{});
  reread.SetText(ini.Text());
  KRV_FUZZ_CHECK("ini_file", reread.Text() == ini.Text());

  if ((data[0] & 0x80) != 0) {
    for (const QString& section : ini.ReadSections()) {
      const QString saved = FillSavedAfterLoad(ini, section);
      TIniFile savedIni(QString{});
      savedIni.SetText(saved);
      KRV_FUZZ_CHECK("ini_file", FillSavedAfterLoad(savedIni, section) == saved);
    }
  }
  return 0;
}
