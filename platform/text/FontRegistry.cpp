#include "platform/text/FontRegistry.h"

#include <map>

#include <QDir>
#include <QFontDatabase>

#include "platform/text/FontFaceTables.h"

namespace {
const QString kChineseFace = ChineseFallbackFace();

const std::map<QString, QString>& SubstitutionTable() {
  static const std::map<QString, QString> table = [] {
    const QString sans = QStringLiteral("Liberation Sans");
    std::map<QString, QString> t{
        {QStringLiteral("arial"), sans},
        {QStringLiteral("helvetica"), sans},
        {QStringLiteral("microsoft sans serif"), sans},
        {QStringLiteral("times new roman"), QStringLiteral("Liberation Serif")},
        {QStringLiteral("times"), QStringLiteral("Liberation Serif")},
        {QStringLiteral("courier new"), QStringLiteral("Liberation Mono")},
        {QStringLiteral("tahoma"), QStringLiteral("Tahoma")},
        {QStringLiteral("ms sans serif"), QStringLiteral("MS Sans Serif")},
        {QStringLiteral("ms shell dlg"), QStringLiteral("Tahoma")},
        {QStringLiteral("ms shell dlg 2"), QStringLiteral("Tahoma")},
        {QStringLiteral("verdana"), QStringLiteral("DejaVu Sans")},
        {QStringLiteral("default"), QStringLiteral("Tahoma")},
    };
    for (const char16_t* chinese :
         {u"simsun", u"nsimsun", u"simhei", u"microsoft yahei", u"kaiti", u"kaiti_gb2312", u"fangsong",
          u"fangsong_gb2312", u"\u5b8b\u4f53", u"\u65b0\u5b8b\u4f53", u"\u9ed1\u4f53", u"\u5fae\u8f6f\u96c5\u9ed1",
          u"\u6977\u4f53", u"\u6977\u4f53_gb2312", u"\u4eff\u5b8b", u"\u4eff\u5b8b_gb2312", u"\u5e7c\u5706"}) {
      t.emplace(QString::fromUtf16(chinese), kChineseFace);
    }
    return t;
  }();
  return table;
}
}  // namespace

QString ChineseFallbackFace() { return QStringLiteral("WenQuanYi Micro Hei"); }

QString SubstituteFaceName(const QString& face) {
  const auto& table = SubstitutionTable();
  const auto it = table.find(face.trimmed().toLower());
  return it == table.end() ? face : it->second;
}

QStringList PlatformFontFolders() {
  return {QStringLiteral("/usr/share/wine/fonts"), QStringLiteral("/usr/share/fonts/truetype/liberation2"),
          QStringLiteral("/usr/share/fonts/truetype/wqy"), QStringLiteral("/usr/share/fonts/truetype/dejavu")};
}

int RegisterPlatformFonts() {
  static bool done = false;
  if (done) {
    return 0;
  }
  done = true;
  int added = 0;
  const QStringList known = QFontDatabase::families();
  for (const QString& folder : PlatformFontFolders()) {
    const QDir dir(folder);
    const QStringList files =
        dir.entryList({QStringLiteral("*.ttf"), QStringLiteral("*.ttc"), QStringLiteral("*.otf")}, QDir::Files);
    for (const QString& file : files) {
      const QString path = dir.filePath(file);
      // Skip faces fontconfig already offers, so they are not listed twice.
      bool alreadyKnown = false;
      if (const int probe = QFontDatabase::addApplicationFont(path); probe >= 0) {
        const QStringList families = QFontDatabase::applicationFontFamilies(probe);
        alreadyKnown = !families.isEmpty() && known.contains(families.first());
        if (alreadyKnown) {
          QFontDatabase::removeApplicationFont(probe);
        } else {
          ++added;
        }
      }
    }
  }
  if (added > 0) {
    ForgetFontFaceTables();
  }
  return added;
}
