#pragma once

#include <memory>

#include <QApplication>

/// Plots are widgets: one offscreen application for the whole benchmark run.
inline void EnsureBenchApplication() {
  static std::unique_ptr<QApplication> app = [] {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "bench_plot";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QApplication>(argc, argv);
  }();
}
