#pragma once

#include "platform/core/TRect.h"

/// Page margins in inches.
struct TiPrintMargins {
  double Left = 1.0;
  double Top = 1.0;
  double Right = 1.0;
  double Bottom = 1.0;
};

/// What a printed page needs of the printer: the paper in printer pixels,
/// the pixels per inch and the offset of the printable area.
struct TiPrinterPage {
  int PaperWidthPixels = 0;
  int PaperHeightPixels = 0;
  int LogPixelsX = 0;
  int LogPixelsY = 0;
  int PhysicalOffsetX = 0;
  int PhysicalOffsetY = 0;
};

/// Where a plot of width x height pixels goes on a printed page: the
/// smaller of the two scales that fit it between the margins (the vertical
/// one when equal), and the target rectangle from the top-left margin.
struct TiPrintPlacement {
  double Scale = 0;
  TRect Target;
};

/// The nearest integer (ties to even), saturated to the int range; NaN
/// gives 0.
int RoundSaturated(double value);

/// The placement of a plot on a page. EPlotError with the reason for a
/// plot without size or margins and paper that are no finite numbers.
TiPrintPlacement PlacePrintedPlot(const TiPrinterPage& page, const TiPrintMargins& margins, int width, int height);

/// The paper of the last print job, orientation applied: inches,
/// centimetres (inches x 2.54) and printer pixels (nearest of the pixels
/// per inch times the inches). All 0 before the first job.
struct TiPrinterPaper {
  double WidthInches = 0;
  double HeightInches = 0;
  double WidthCentimeters = 0;
  double HeightCentimeters = 0;
  int WidthPixels = 0;
  int HeightPixels = 0;
};
