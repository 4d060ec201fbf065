#include <cstdlib>

#include <QApplication>

#include "platform/text/FontRegistry.h"

#include <gtest/gtest.h>

// One QApplication for every test executable, on the offscreen platform
// unless the environment chose another.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication app(argc, argv);
  RegisterPlatformFonts();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
