#include <cstdio>

#include <QApplication>

#include "platform/FontRegistry.h"
#include "tools/plotgallery/PlotGallery.h"

// krv-plotgallery [folder]: writes the plot-library sheets into folder
// (default "plotgallery"). Runs without a display on the offscreen platform
// unless QT_QPA_PLATFORM names another (xcb under Xvfb).
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication app(argc, argv);
  RegisterPlatformFonts();
  const QStringList args = QApplication::arguments();
  const QString folder = args.size() > 1 ? args[1] : QStringLiteral("plotgallery");
  QString error;
  const QStringList written = PlotGallery::WriteAll(folder, &error);
  if (written.isEmpty()) {
    std::fprintf(stderr, "krv-plotgallery: %s\n", qPrintable(error));
    return 1;
  }
  std::printf("krv-plotgallery: %lld sheets in %s\n", static_cast<long long>(written.size()), qPrintable(folder));
  return 0;
}
