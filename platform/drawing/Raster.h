#pragma once

#include <climits>
#include <cstdlib>
#include <vector>

#include "platform/core/TRect.h"

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
/// normalised first. Symmetric left/right and top/bottom. Only rows in
/// [rowFrom, rowTo) are produced, so a huge shape costs no more than the
/// rows a caller can see.
std::vector<Span> RoundRectSpans(TRect bounds, int cornerWidth, int cornerHeight, int rowFrom = INT_MIN,
                                 int rowTo = INT_MAX);

/// Interior of a polygon under the alternate (even-odd) or winding rule with
/// the top-left rule: a pixel is inside when its centre is, a centre exactly
/// on a left or top edge counts as inside, on a right or bottom edge as
/// outside. Only rows in [rowFrom, rowTo) are produced.
std::vector<Span> PolygonSpans(const std::vector<TPoint>& points, bool winding, int rowFrom = INT_MIN,
                               int rowTo = INT_MAX);

/// Calls plot(x, y) for each pixel of the line from a to b, end point
/// excluded (Bresenham, stepping along the major axis). A template, so the
/// call per pixel inlines.
template <class Plot>
void LinePixels(TPoint a, TPoint b, Plot&& plot) {
  const int dx = std::abs(b.X - a.X);
  const int dy = std::abs(b.Y - a.Y);
  const int sx = a.X < b.X ? 1 : -1;
  const int sy = a.Y < b.Y ? 1 : -1;
  int x = a.X;
  int y = a.Y;
  if (dx >= dy) {
    int err = 2 * dy - dx;
    for (int i = 0; i < dx; ++i) {
      plot(x, y);
      if (err > 0 || (err == 0 && sy > 0)) {
        y += sy;
        err -= 2 * dx;
      }
      err += 2 * dy;
      x += sx;
    }
  } else {
    int err = 2 * dx - dy;
    for (int i = 0; i < dy; ++i) {
      plot(x, y);
      if (err > 0 || (err == 0 && sx > 0)) {
        x += sx;
        err -= 2 * dy;
      }
      err += 2 * dx;
      y += sy;
    }
  }
}

/// Cuts the segment a-b to the part inside box (Liang-Barsky, end points
/// rounded to whole pixels); false when no part is inside. Lines far
/// outside a canvas are cut to a margin around it before they are stepped.
bool ClipSegment(TPoint& a, TPoint& b, const TRect& box);

}  // namespace Raster
