#pragma once

#include "platform/core/TRect.h"
#include "plot/core/iPrintGeometry.h"

/// The sheet a print preview draws in a box: the page (its shadow is the
/// same rectangle 7 pixels right and down), its pixels per inch, the
/// printable size inside the margins (negative when the margins exceed the
/// page) and the plot's picture scaled into it.
struct TiPreviewPage {
  TRect Page;
  int Ppi = 0;
  int PrintableWidth = 0;
  int PrintableHeight = 0;
  /// False when there is no page or no picture to place (a picture or
  /// paper without size, margins that are no numbers).
  bool HasPicture = false;
  TRect Picture;
};

/// The page of paperWidth x paperHeight inches in a box of boxWidth x
/// boxHeight pixels, with the picture of pictureWidth x pictureHeight.
TiPreviewPage PlacePreviewPage(int boxWidth, int boxHeight, double paperWidth, double paperHeight,
                               const TiPrintMargins& margins, int pictureWidth, int pictureHeight);
