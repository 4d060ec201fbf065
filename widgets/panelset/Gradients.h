#pragma once

#include <cstdint>

#include "platform/drawing/TColor.h"
#include "platform/core/TRect.h"

class TCanvas;

/// Gradient fills of the panel and button widget set. The non-linear
/// directions are drawn into an off-screen bitmap (one 8-pixel strip
/// replicated by doubling copies, or one quadrant mirrored) and drawn in one
/// operation; adjacent steps of equal colour share one fill. Stateless;
/// GUI thread.
namespace Rz {

enum class TGradientDirection : std::uint8_t {
  gdDiagonalUp,
  gdDiagonalDown,
  gdHorizontalEnd,
  gdHorizontalCenter,
  gdHorizontalBox,
  gdVerticalEnd,
  gdVerticalCenter,
  gdVerticalBox,
  gdSquareBox,
  gdBigSquareBox,
};

/// Least number of pixels one colour band covers: steps (0 counts as 1)
/// up to 8, else 255 div steps + 1.
int MinimumBandSteps(int colorSteps);

void FillGradient(TCanvas& canvas, const TRect& r, TGradientDirection direction, TColor start, TColor stop,
                  int colorSteps);
void PaintGradientBitmap(TCanvas& canvas, const TRect& r, TGradientDirection direction, TColor start, TColor stop,
                         int colorSteps);

/// A ramp along one axis in an 8-pixel strip at the origin: the stop
/// colour on position centre + 1 falling to the start colour at 0, and the
/// start colour at length rising to the stop colour at centre + 2. Along y
/// (strip 8 wide) when alongY, else along x (strip 8 high).
void LinearGradientStrip(TCanvas& canvas, bool alongY, int centre, TColor start, TColor stop, int colorSteps,
                         int length);
/// The top-left quadrant of a box gradient on a w x h bitmap: L-shaped
/// bands from the centre area (inset by insetY and insetX from the half
/// sizes) out to the edges.
void BoxGradient(TCanvas& canvas, int width, int height, int colorSteps, TColor centre, TColor edge, int insetY,
                 int insetX);
/// A diagonal ramp over a w x h bitmap: bottom-left to top-right for a
/// positive width, bottom-right to top-left for a negative one.
void DiagonalGradient(TCanvas& canvas, int signedWidth, int height, int colorSteps, TColor first, TColor last);
/// Replicates the first 8 columns (alongX) or rows across the full size by
/// doubling copies.
void DoublingFillBlit(TCanvas& canvas, bool alongX, int stripSize, int fullSize);
/// Mirrors the top-left quadrant into the other three.
void MirrorFillBlit(TCanvas& canvas, int width, int height);

/// The gradient only in the outer 2 pixels of r (high-colour displays only).
void PaintGradientRing(TCanvas& canvas, const TRect& r, TGradientDirection direction, TColor start, TColor stop);

}  // namespace Rz
