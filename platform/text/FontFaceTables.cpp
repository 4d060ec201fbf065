#include "platform/text/FontFaceTables.h"

#include <cstdint>
#include <mutex>

#include <QHash>
#include <QRawFont>
#include <QString>

namespace {
std::mutex g_mutex;
// Keyed by the font's description rather than by QFont: a QFont kept past
// the application's end would release its font engine after Qt's font
// cache is gone.
QHash<QString, FontFaceTables> g_tables;  // guards: g_mutex

QString KeyOf(const QFont& font) {
  return font.families().join(u',') + u'|' + font.toString() + u'|' + QString::number(font.hintingPreference());
}

int U16At(const QByteArray& table, int at) {
  return (int(std::uint8_t(table[at])) << 8) | int(std::uint8_t(table[at + 1]));
}

FontFaceTables ReadFaceTables(const QFont& font) {
  FontFaceTables tables;
  const QRawFont raw = QRawFont::fromFont(font);
  if (!raw.isValid()) {
    return tables;
  }
  const QByteArray os2 = raw.fontTable("OS/2");
  const QByteArray head = raw.fontTable("head");
  if (os2.size() >= 78 && head.size() >= 20) {
    const int unitsPerEm = U16At(head, 18);
    const int ascent = U16At(os2, 74);
    const int descent = U16At(os2, 76);
    if (unitsPerEm > 0 && ascent + descent > 0) {
      tables.hasWinMetrics = true;
      tables.unitsPerEm = unitsPerEm;
      tables.winAscent = ascent;
      tables.winDescent = descent;
    }
  }
  tables.trueTypeOutlines = !raw.fontTable("glyf").isEmpty();
  return tables;
}
}  // namespace

FontFaceTables FaceTablesOf(const QFont& font) {
  const QString key = KeyOf(font);
  {
    const std::scoped_lock lock(g_mutex);
    if (const auto it = g_tables.constFind(key); it != g_tables.cend()) {
      return *it;
    }
  }
  // Read outside the lock: two threads asking for a new font at once both
  // read it and store the same answer.
  const FontFaceTables tables = ReadFaceTables(font);
  const std::scoped_lock lock(g_mutex);
  g_tables.insert(key, tables);
  return tables;
}

void ForgetFontFaceTables() {
  const std::scoped_lock lock(g_mutex);
  g_tables.clear();
}
