#include <cstdio>

#include <QApplication>

#include "platform/FontRegistry.h"
#include "tools/componentgallery/ComponentGallery.h"

// componentgallery [folder]: writes the component pictures into folder
// (default "."). Runs without a display on the offscreen platform.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication app(argc, argv);
  RegisterPlatformFonts();
  const QStringList args = QApplication::arguments();
  const QString folder = args.size() > 1 ? args[1] : QStringLiteral(".");
  QString error;
  if (ComponentGallery::WriteAll(folder, &error).isEmpty()) {
    std::fprintf(stderr, "componentgallery: %s\n", qPrintable(error));
    return 1;
  }
  return 0;
}
