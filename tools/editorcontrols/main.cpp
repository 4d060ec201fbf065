#include <cstdio>

#include <QApplication>

#include "platform/FontRegistry.h"
#include "tools/editorcontrols/EditorControlsSheet.h"

// krv-editorcontrols [folder]: writes editor_controls.png into folder
// (default "editorcontrols"). Runs without a display on the offscreen platform.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication app(argc, argv);
  RegisterPlatformFonts();
  const QStringList args = QApplication::arguments();
  const QString folder = args.size() > 1 ? args[1] : QStringLiteral("editorcontrols");
  QString error;
  const QString written = EditorControlsSheet::Write(folder, &error);
  if (written.isEmpty()) {
    std::fprintf(stderr, "krv-editorcontrols: %s\n", qPrintable(error));
    return 1;
  }
  std::printf("krv-editorcontrols: %s\n", qPrintable(written));
  return 0;
}
