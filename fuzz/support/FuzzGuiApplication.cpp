#include "fuzz/support/FuzzGuiApplication.h"

#include <QApplication>

#include "platform/text/FontRegistry.h"

void EnsureFuzzGuiApplication() {
  if (QCoreApplication::instance() != nullptr) {
    return;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  static int argc = 1;
  static char name[] = "krv71-fuzz";
  static char* argv[] = {name, nullptr};
  // Lives until the process ends: libFuzzer never returns from its loop.
  static QApplication* const app = new QApplication(argc, argv);
  (void)app;
  RegisterPlatformFonts();
}
