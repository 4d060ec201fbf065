#pragma once

#include <QApplication>

#include "platform/text/FontRegistry.h"

/// Widgets need an application: one offscreen instance, with the program's
/// fonts, for the whole benchmark run. It is kept to the end of the process;
/// the widgets the benchmarks make are gone long before.
inline void EnsureBenchApplication() {
  static int argc = 1;
  static char name[] = "bench";
  static char* argv[] = {name, nullptr};
  if (QApplication::instance() == nullptr) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(argc, argv);
    RegisterPlatformFonts();
  }
}
