#include "tools/widgetgallery/WidgetGallery.h"

#include <QDir>
#include <QSaveFile>

namespace WidgetGallery {

QStringList WriteAll(const QString& folder, QString* error) {
  if (!QDir().mkpath(folder)) {
    *error = QStringLiteral("cannot create %1").arg(folder);
    return {};
  }
  QStringList written;
  for (const Sheet& sheet : RenderAll()) {
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

}  // namespace WidgetGallery
