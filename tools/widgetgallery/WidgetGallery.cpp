#include "tools/widgetgallery/WidgetGallery.h"

#include <QDir>

#include "tools/gallery/Gallery.h"

namespace WidgetGallery {

QStringList WriteSheets(const QString& folder, const std::vector<Sheet>& sheets, QString* error) {
  if (!QDir().mkpath(folder)) {
    *error = QStringLiteral("cannot create %1").arg(folder);
    return {};
  }
  QStringList written;
  for (const Sheet& sheet : sheets) {
    const QString path = QDir(folder).filePath(sheet.fileName);
    if (!Gallery::WritePng(path, sheet.image, error)) {
      return {};
    }
    written << path;
  }
  return written;
}

QStringList WriteAll(const QString& folder, QString* error) { return WriteSheets(folder, RenderAll(), error); }

}  // namespace WidgetGallery
