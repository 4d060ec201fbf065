#include "tools/gallery/GalleryMain.h"

#include <cstdio>

#include <QApplication>

#include "platform/text/FontRegistry.h"

namespace Gallery {

int RunMain(int argc, char** argv, const char* tool, const QString& defaultFolder, const Writer& write) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication app(argc, argv);
  RegisterPlatformFonts();
  const QStringList args = QApplication::arguments();
  const QString folder = args.size() > 1 ? args[1] : defaultFolder;
  QString error;
  const QStringList written = write(folder, &error);
  if (written.isEmpty()) {
    std::fprintf(stderr, "%s: %s\n", tool, qPrintable(error));
    return 1;
  }
  std::printf("%s: %lld pictures in %s\n", tool, static_cast<long long>(written.size()), qPrintable(folder));
  return 0;
}

}  // namespace Gallery
