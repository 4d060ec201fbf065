#include "platform/drawing/TwoPixelPen.h"

#include <cstdlib>

#include "platform/drawing/Raster.h"

namespace {
// Segments are cut to this margin around the drawable box before they are
// stepped.
constexpr int kSegmentMargin = 64;
}  // namespace

TwoPixelPen::TwoPixelPen(QImage& image, const TRect& bounds, QRgb rgb, const QRegion* region)
    : m_bits(reinterpret_cast<QRgb*>(image.bits())),
      m_stride(image.bytesPerLine() / int(sizeof(QRgb))),
      m_bounds(bounds),
      m_rgb(rgb),
      m_region(region) {}

void TwoPixelPen::Polyline(const std::vector<TPoint>& points, TPoint offset, bool closed) {
  if (points.empty() || m_bounds.Left >= m_bounds.Right || m_bounds.Top >= m_bounds.Bottom) {
    return;
  }
  const auto at = [&](std::size_t i) { return TPoint{points[i].X + offset.X, points[i].Y + offset.Y}; };
  bool drawn = false;
  for (std::size_t i = 1; i < points.size(); ++i) {
    if (points[i].X != points[i - 1].X || points[i].Y != points[i - 1].Y) {
      Segment(at(i - 1), at(i));
      drawn = true;
    }
  }
  if (!drawn) {
    Segment(at(0), at(0));
  } else if (closed) {
    Segment(at(points.size() - 1), at(0));
  }
}

void TwoPixelPen::Segment(TPoint a, TPoint b) {
  const TRect reach = InflateRect(m_bounds, kSegmentMargin, kSegmentMargin);
  if ((!reach.Contains(a) || !reach.Contains(b)) && !Raster::ClipSegment(a, b, reach)) {
    return;
  }
  Bresenham(a.X, a.Y, b.X, b.Y);
}

void TwoPixelPen::Bresenham(int x, int y, int ex, int ey) {
  const int dx = std::abs(ex - x);
  const int dy = -std::abs(ey - y);
  const int sx = x < ex ? 1 : -1;
  const int sy = y < ey ? 1 : -1;
  int err = dx + dy;
  for (;;) {
    Stamp(x, y);
    if (x == ex && y == ey) {
      return;
    }
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y += sy;
    }
  }
}

// The 2 x 2 block with (x, y) at its bottom right.
void TwoPixelPen::Stamp(int x, int y) {
  if (x <= m_bounds.Left || x >= m_bounds.Right || y <= m_bounds.Top || y >= m_bounds.Bottom || m_region != nullptr) {
    Put(x - 1, y - 1);
    Put(x, y - 1);
    Put(x - 1, y);
    Put(x, y);
    return;
  }
  QRgb* above = m_bits + std::ptrdiff_t(y - 1) * m_stride + (x - 1);
  above[0] = m_rgb;
  above[1] = m_rgb;
  QRgb* below = above + m_stride;
  below[0] = m_rgb;
  below[1] = m_rgb;
}

void TwoPixelPen::Put(int x, int y) {
  if (x < m_bounds.Left || x >= m_bounds.Right || y < m_bounds.Top || y >= m_bounds.Bottom) {
    return;
  }
  if (m_region != nullptr && !m_region->contains(QPoint(x, y))) {
    return;
  }
  m_bits[std::ptrdiff_t(y) * m_stride + x] = m_rgb;
}
