#pragma once

#include <functional>
#include <vector>

#include "platform/TRect.h"

/// Pixel coverage of the basic shapes under the platform's rules, shared by
/// the canvas and the regions. Pure functions, any thread.
namespace Raster {

/// Pixels [X0, X1) of row Y.
struct Span {
  int Y = 0;
  int X0 = 0;
  int X1 = 0;
};

/// Rows of the rectangle [Left, Right) x [Top, Bottom) with its corners
/// rounded by an ellipse of cornerWidth x cornerHeight (0 gives square
/// corners; a size beyond the rectangle is cut to it). The rectangle is
/// normalised first. Symmetric left/right and top/bottom.
std::vector<Span> RoundRectSpans(TRect bounds, int cornerWidth, int cornerHeight);

/// Interior of a polygon under the alternate (even-odd) or winding rule with
/// the top-left rule: a pixel is inside when its centre is, a centre exactly
/// on a left or top edge counts as inside, on a right or bottom edge as
/// outside.
std::vector<Span> PolygonSpans(const std::vector<TPoint>& points, bool winding);

/// Calls plot(x, y) for each pixel of the line from a to b, end point
/// excluded (Bresenham, stepping along the major axis).
void LinePixels(TPoint a, TPoint b, const std::function<void(int x, int y)>& plot);

}  // namespace Raster
