#pragma once

#include <QString>

#include "plot/base/EPlotError.h"

/// The message of the EPlotError that f throws; empty when it throws none.
template <typename F>
QString ErrorOf(F&& f) {
  try {
    f();
  } catch (const EPlotError& e) {
    return e.Message();
  }
  return {};
}
