#pragma once

#include <vector>

#include <QImage>
#include <QRegion>

#include "platform/core/TRect.h"

/// Draws polylines with a solid two-pixel pen straight into a 32-bit image:
/// every pixel of each segment's line (end points included) covers the
/// 2 x 2 block reaching one pixel up and left of it, which is what a
/// two-pixel pen with round ends and joins covers on whole coordinates.
/// Segments are cut to a margin around the drawable box first, so points
/// far outside cost nothing. Far faster than stroking the run as a path,
/// which matters for plots that redraw dozens of 4096-point curves.
class TwoPixelPen {
public:
  /// Writes rgb to the pixels of image inside bounds (already within the
  /// image) and, when region is given, inside region as well.
  TwoPixelPen(QImage& image, const TRect& bounds, QRgb rgb, const QRegion* region);

  /// The segments between consecutive points (and back to the first when
  /// closed), each point moved by offset. A run of equal points leaves one
  /// block.
  void Polyline(const std::vector<TPoint>& points, TPoint offset, bool closed);

private:
  void Segment(TPoint a, TPoint b);
  void Bresenham(int x, int y, int ex, int ey);
  void Stamp(int x, int y);
  void Put(int x, int y);

  QRgb* m_bits;
  int m_stride;
  TRect m_bounds;
  QRgb m_rgb;
  const QRegion* m_region;
};
