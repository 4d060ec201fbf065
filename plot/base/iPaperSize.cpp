#include "plot/base/iPaperSize.h"

#include <utility>

#include "platform/widgets/TPrinter.h"
#include "plot/base/EPlotError.h"

void PaperSizeInches(int paperCode, double& width, double& height) {
  double w = 0;
  double h = 0;
  if (TPrinter::PaperInches(paperCode, w, h)) {
    width = w;
    height = h;
  }
}

void GetPrinterPaperSize(TPrinter& printer, double& width, double& height) {
  double w = 0;
  double h = 0;
  if (!TPrinter::PaperInches(printer.PaperSizeCode(), w, h)) {
    throw EPlotError(QStringLiteral("Could not initialize printer DeviceMode Structure"));
  }
  if (printer.Orientation() == TPrinterOrientation::poLandscape) {
    std::swap(w, h);
  }
  width = w;
  height = h;
}
