#include "fuzz/support/FuzzSettingsFolder.h"

#include <QDir>
#include <QTemporaryDir>

QString FuzzSettingsFolder() {
  static const QString folder = [] {
    static QTemporaryDir temporary(QDir::temp().filePath(QStringLiteral("krv71-fuzz-XXXXXX")));
    const QString path = temporary.path();
    QDir(path).mkpath(QStringLiteral("home"));
    QDir(path).mkpath(QStringLiteral("machine"));
    qputenv("XDG_CONFIG_HOME", (path + QStringLiteral("/home")).toLocal8Bit());
    qputenv("XDG_CONFIG_DIRS", (path + QStringLiteral("/machine")).toLocal8Bit());
    return path;
  }();
  return folder;
}
