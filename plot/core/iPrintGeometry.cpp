#include "plot/core/iPrintGeometry.h"

#include <cmath>
#include <limits>

#include "platform/core/Rounding.h"
#include "plot/base/EPlotError.h"

int RoundSaturated(double value) {
  if (std::isnan(value)) {
    return 0;
  }
  constexpr double kMax = std::numeric_limits<int>::max();
  constexpr double kMin = std::numeric_limits<int>::min();
  if (value >= kMax) {
    return std::numeric_limits<int>::max();
  }
  if (value <= kMin) {
    return std::numeric_limits<int>::min();
  }
  return Round(value);
}

TiPrintPlacement PlacePrintedPlot(const TiPrinterPage& page, const TiPrintMargins& margins, int width, int height) {
  if (width <= 0 || height <= 0) {
    throw EPlotError(QStringLiteral("The plot has no size to print"));
  }
  for (double margin : {margins.Left, margins.Top, margins.Right, margins.Bottom}) {
    if (!std::isfinite(margin)) {
      throw EPlotError(QStringLiteral("The print margins must be numbers"));
    }
  }
  const double scaleX =
      (page.PaperWidthPixels - (margins.Left + margins.Right) * page.LogPixelsX) / double(width);
  const double scaleY =
      (page.PaperHeightPixels - (margins.Top + margins.Bottom) * page.LogPixelsY) / double(height);
  TiPrintPlacement placement;
  placement.Scale = scaleX < scaleY ? scaleX : scaleY;
  const double left = page.LogPixelsX * margins.Left - page.PhysicalOffsetX;
  const double top = page.LogPixelsY * margins.Top - page.PhysicalOffsetY;
  placement.Target = Rect(RoundSaturated(left), RoundSaturated(top), RoundSaturated(left + width * placement.Scale),
                          RoundSaturated(top + height * placement.Scale));
  return placement;
}
