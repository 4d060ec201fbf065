#include "tools/widgetgallery/WidgetGallery.h"

#include <QDir>
#include <QSaveFile>

namespace WidgetGallery {

QStringList WriteSheets(const QString& folder, const std::vector<Sheet>& sheets, QString* error) {
  if (!QDir().mkpath(folder)) {
    *error = QStringLiteral("cannot create %1").arg(folder);
    return {};
  }
  QStringList written;
  for (const Sheet& sheet : sheets) {
    const QString path = QDir(folder).filePath(sheet.fileName);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !sheet.image.save(&file, "PNG") || !file.commit()) {
      *error = QStringLiteral("cannot write %1").arg(path);
      return {};
    }
    written << path;
  }
  return written;
}

QStringList WriteAll(const QString& folder, QString* error) { return WriteSheets(folder, RenderAll(), error); }

}  // namespace WidgetGallery
