// A fill's persistence: its INI sections (every section of the text is
// loaded as a fill) or, with the first byte odd, the bytes the clipboard
// carries. What a fill loaded saves, loads again and saves as the same text.
#include <cstddef>
#include <cstdint>

#include <QByteArray>
#include <QString>

#include "fuzz/support/FuzzCheck.h"
#include "fuzz/support/FuzzGuiApplication.h"
#include "platform/files/TIniFile.h"
#include "widgets/gdiplus/TGDIPFill.h"

namespace {

/// The INI text of a fill saved in `section`.
QString FillIniText(const TGDIPFill& fill, const QString& section) {
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
  const QByteArray bytes(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
  if ((data[0] & 1) != 0) {
    TGDIPFill fill;
    if (fill.LoadFromBytes(bytes)) {
      TGDIPFill reloaded;
      KRV_FUZZ_CHECK("fill_persistence", reloaded.LoadFromBytes(fill.SaveToBytes()));
      KRV_FUZZ_CHECK("fill_persistence", reloaded.SaveToBytes() == fill.SaveToBytes());
    }
    return 0;
  }
  TIniFile ini(QString{});
  ini.SetText(QString::fromUtf8(bytes));
  for (const QString& section : ini.ReadSections()) {
    TGDIPFill fill;
    fill.LoadFromIni(ini, section);
    const QString saved = FillIniText(fill, section);
    TIniFile savedIni(QString{});
    savedIni.SetText(saved);
    TGDIPFill reloaded;
    reloaded.LoadFromIni(savedIni, section);
    KRV_FUZZ_CHECK("fill_persistence", FillIniText(reloaded, section) == saved);
  }
  return 0;
}
