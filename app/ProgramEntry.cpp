#include "app/ProgramEntry.h"

#include <cstdio>
#include <exception>
#include <memory>

#include <QApplication>

#include "app/TfmMain.h"
#include "platform/FontRegistry.h"

namespace {
const char* const kApplicationTitle = "KRV-71 FIR DSP Processor Editor V1.0";
}

bool HasDisplay() {
  return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
         !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

int RunProgram(int argc, char** argv) {
  if (!HasDisplay()) {
    std::fprintf(stderr, "krv71-editor: no display; set DISPLAY (for example run it under Xvfb) to start the editor.\n");
    return 1;
  }
  QApplication app(argc, argv);
  RegisterPlatformFonts();
  QApplication::setApplicationName(QString::fromLatin1(kApplicationTitle));
  std::unique_ptr<TfmMain> mainWindow;
  try {
    mainWindow = std::make_unique<TfmMain>();
  } catch (const std::exception& error) {
    // The window could not start (e.g. a damaged text table): say why and
    // report the failure to the caller.
    std::fprintf(stderr, "krv71-editor: %s\n", error.what());
    return 1;
  }
  try {
    mainWindow->show();
    return QApplication::exec();
  } catch (const std::exception& error) {
    std::fprintf(stderr, "krv71-editor: %s\n", error.what());
  }
  return 0;
}
