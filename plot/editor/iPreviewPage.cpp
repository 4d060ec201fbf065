#include "plot/editor/iPreviewPage.h"

#include <cmath>

TiPreviewPage PlacePreviewPage(int boxWidth, int boxHeight, double paperWidth, double paperHeight,
                               const TiPrintMargins& margins, int pictureWidth, int pictureHeight) {
  TiPreviewPage result;
  if (!(paperWidth > 0) || !(paperHeight > 0) || !std::isfinite(paperWidth) || !std::isfinite(paperHeight)) {
    return result;
  }
  const int c = boxWidth - 20;
  const int d = boxHeight - 20;
  int pageWidth = 0;
  int pageHeight = 0;
  if (d / paperHeight > c / paperWidth) {
    pageWidth = c;
    pageHeight = RoundSaturated(paperHeight * c / paperWidth);
  } else {
    pageHeight = d;
    pageWidth = RoundSaturated(d / paperHeight * paperWidth);
  }
  result.Ppi = RoundSaturated(pageWidth / paperWidth);
  // Margins are any doubles: the differences are taken in doubles and
  // saturated, so no integer step can overflow.
  result.PrintableWidth =
      RoundSaturated(double(pageWidth) - RoundSaturated((margins.Left + margins.Right) * result.Ppi));
  result.PrintableHeight =
      RoundSaturated(double(pageHeight) - RoundSaturated((margins.Top + margins.Bottom) * result.Ppi));
  const int w2 = boxWidth / 2;
  const int h2 = boxHeight / 2;
  result.Page = Rect(w2 - pageWidth / 2 - 5, h2 - pageHeight / 2 - 5, w2 + pageWidth / 2 - 5, h2 + pageHeight / 2 - 5);

  bool finite = true;
  for (double margin : {margins.Left, margins.Top, margins.Right, margins.Bottom}) {
    finite = finite && std::isfinite(margin);
  }
  if (!finite || pictureWidth <= 0 || pictureHeight <= 0 || pageWidth <= 0 || pageHeight <= 0) {
    return result;
  }
  const double ratioX = double(result.PrintableWidth) / pictureWidth;
  const double ratioY = double(result.PrintableHeight) / pictureHeight;
  int width = 0;
  int height = 0;
  if (ratioX >= ratioY) {
    height = result.PrintableHeight;
    width = RoundSaturated(pictureWidth * ratioY);
  } else {
    width = result.PrintableWidth;
    height = RoundSaturated(pictureHeight * ratioX);
  }
  const double left = double(result.Page.Left) + RoundSaturated(result.Ppi * margins.Left);
  const double top = double(result.Page.Top) + RoundSaturated(result.Ppi * margins.Top);
  result.Picture = Rect(RoundSaturated(left), RoundSaturated(top), RoundSaturated(left + width),
                        RoundSaturated(top + height));
  result.HasPicture = true;
  return result;
}
