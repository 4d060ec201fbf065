#include <cstdio>

#include <QApplication>

#include "platform/FontRegistry.h"
#include "tools/editorcontrols/EditorControlsSheet.h"
#include "tools/editorcontrols/EditorWidgetsSheet.h"

// krv-editorcontrols [folder]: writes editor_controls.png, editor_widgets.png
// and value_converter_<page>.png into folder
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
  const QString controls = EditorControlsSheet::Write(folder, &error);
  const QStringList written =
      controls.isEmpty() ? QStringList() : QStringList{controls} + EditorWidgetsSheet::Write(folder, &error);
  if (written.size() < 2) {
    std::fprintf(stderr, "krv-editorcontrols: %s\n", qPrintable(error));
    return 1;
  }
  for (const QString& path : written) std::printf("krv-editorcontrols: %s\n", qPrintable(path));
  return 0;
}
