#include <cstdio>

#include <QApplication>

#include "platform/text/FontRegistry.h"
#include "tools/windowgallery/WindowGallery.h"

// krv-windowgallery [folder]: renders every page of the main window in both
// languages into folder (default "windowgallery") and prints the time to the
// first paint and the resident memory. Runs on the offscreen platform when
// no other is set, or under Xvfb.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication app(argc, argv);
  RegisterPlatformFonts();
  const QStringList args = QApplication::arguments();
  const QString folder = args.size() > 1 ? args[1] : QStringLiteral("windowgallery");
  QString error;
  const WindowGallery::Result result = WindowGallery::WriteAll(folder, &error);
  if (result.written.isEmpty()) {
    std::fprintf(stderr, "krv-windowgallery: %s\n", qPrintable(error));
    return 1;
  }
  std::printf("krv-windowgallery: %lld pictures in %s\n", static_cast<long long>(result.written.size()),
              qPrintable(folder));
  std::printf("first paint: %.1f ms\nresident memory: %ld kB\n", result.firstPaintMilliseconds,
              result.residentKilobytes);
  return 0;
}
