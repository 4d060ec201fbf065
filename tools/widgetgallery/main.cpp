#include <cstdio>

#include <QApplication>

#include "platform/FontRegistry.h"
#include "tools/widgetgallery/WidgetGallery.h"

// krv-widgetgallery [folder]: writes the widget sheets into folder (default
// "widgetgallery"). Runs without a display on the offscreen platform.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication app(argc, argv);
  RegisterPlatformFonts();
  const QStringList args = QApplication::arguments();
  const QString folder = args.size() > 1 ? args[1] : QStringLiteral("widgetgallery");
  QString error;
  const QStringList written = WidgetGallery::WriteAll(folder, &error);
  if (written.isEmpty()) {
    std::fprintf(stderr, "krv-widgetgallery: %s\n", qPrintable(error));
    return 1;
  }
  std::printf("krv-widgetgallery: %lld sheets in %s\n", static_cast<long long>(written.size()), qPrintable(folder));
  return 0;
}
