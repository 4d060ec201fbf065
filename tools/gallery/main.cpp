#include <cstdio>

#include <QGuiApplication>

#include "platform/FontRegistry.h"
#include "tools/gallery/Gallery.h"

// krv-gallery [folder]: writes the frame style and gradient pictures into
// folder (default "gallery"). Runs without a display on the offscreen platform.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QGuiApplication app(argc, argv);
  RegisterPlatformFonts();
  const QStringList args = QGuiApplication::arguments();
  const QString folder = args.size() > 1 ? args[1] : QStringLiteral("gallery");
  QString error;
  const QStringList written = Gallery::WriteAll(folder, &error);
  if (written.isEmpty()) {
    std::fprintf(stderr, "krv-gallery: %s\n", qPrintable(error));
    return 1;
  }
  std::printf("krv-gallery: %lld pictures in %s\n", static_cast<long long>(written.size()), qPrintable(folder));
  return 0;
}
