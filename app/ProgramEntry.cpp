#include "app/ProgramEntry.h"

#include <cstdio>
#include <exception>

#include <QApplication>

#include "app/TfmMain.h"

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
  QApplication::setApplicationName(QString::fromLatin1(kApplicationTitle));
  try {
    TfmMain mainWindow;
    mainWindow.show();
    return QApplication::exec();
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
  }
  return 0;
}
