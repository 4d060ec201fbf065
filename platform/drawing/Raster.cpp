#include "platform/drawing/Raster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace Raster {

std::vector<Span> RoundRectSpans(TRect r, int cornerWidth, int cornerHeight, int rowFrom, int rowTo) {
  if (r.Left > r.Right) {
    std::swap(r.Left, r.Right);
  }
  if (r.Top > r.Bottom) {
    std::swap(r.Top, r.Bottom);
  }
  std::vector<Span> spans;
  if (r.IsEmpty()) {
    return spans;
  }
  const double a = std::min(std::abs(cornerWidth), r.Width()) / 2.0;
  const double b = std::min(std::abs(cornerHeight), r.Height()) / 2.0;
  const int firstRow = std::max(r.Top, rowFrom);
  const int endRow = std::min(r.Bottom, rowTo);
  spans.reserve(std::size_t(std::max(endRow - firstRow, 0)));
  for (int y = firstRow; y < endRow; ++y) {
    const double yc = y + 0.5;
    double dy = 0;
    if (yc < r.Top + b) {
      dy = r.Top + b - yc;
    } else if (yc > r.Bottom - b) {
      dy = yc - (r.Bottom - b);
    }
    int x0 = r.Left;
    if (dy > 0 && a > 0 && b > 0) {
      const double t = dy / b;
      const double dx = a * std::sqrt(std::max(0.0, 1.0 - t * t));
      x0 = int(std::ceil(r.Left + a - dx - 0.5));
    }
    const int x1 = r.Left + r.Right - x0;
    if (x1 > x0) {
      spans.push_back({y, x0, x1});
    }
  }
  return spans;
}

std::vector<Span> PolygonSpans(const std::vector<TPoint>& points, bool winding, int rowFrom, int rowTo) {
  std::vector<Span> spans;
  if (points.size() < 3) {
    return spans;
  }
  int minY = points[0].Y;
  int maxY = points[0].Y;
  for (const TPoint& p : points) {
    minY = std::min(minY, p.Y);
    maxY = std::max(maxY, p.Y);
  }
  struct Crossing {
    double x;
    int direction;
  };
  std::vector<Crossing> crossings;
  const std::size_t n = points.size();
  minY = std::max(minY, rowFrom);
  maxY = std::min(maxY, rowTo);
  for (int y = minY; y < maxY; ++y) {
    const double yc = y + 0.5;
    crossings.clear();
    for (std::size_t i = 0; i < n; ++i) {
      const TPoint& p = points[i];
      const TPoint& q = points[(i + 1) % n];
      if (p.Y == q.Y) {
        continue;
      }
      const bool down = q.Y > p.Y;
      const double y0 = down ? p.Y : q.Y;
      const double y1 = down ? q.Y : p.Y;
      if (yc < y0 || yc >= y1) {
        continue;
      }
      const double x = p.X + (yc - p.Y) * double(q.X - p.X) / double(q.Y - p.Y);
      crossings.push_back({x, down ? 1 : -1});
    }
    std::sort(crossings.begin(), crossings.end(), [](const Crossing& l, const Crossing& r) { return l.x < r.x; });
    int count = 0;
    for (std::size_t i = 0; i + 1 < crossings.size(); ++i) {
      count += winding ? crossings[i].direction : 1;
      const bool inside = winding ? count != 0 : (count % 2) != 0;
      if (!inside) {
        continue;
      }
      const int x0 = int(std::ceil(crossings[i].x - 0.5));
      const int x1 = int(std::ceil(crossings[i + 1].x - 0.5));
      if (x1 > x0) {
        if (!spans.empty() && spans.back().Y == y && spans.back().X1 >= x0) {
          spans.back().X1 = std::max(spans.back().X1, x1);
        } else {
          spans.push_back({y, x0, x1});
        }
      }
    }
  }
  return spans;
}

bool ClipSegment(TPoint& a, TPoint& b, const TRect& box) {
  const double dx = double(b.X) - a.X;
  const double dy = double(b.Y) - a.Y;
  double t0 = 0.0;
  double t1 = 1.0;
  // Each edge: p * t <= q keeps the point inside.
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {double(a.X) - box.Left, double(box.Right - 1) - a.X, double(a.Y) - box.Top,
                       double(box.Bottom - 1) - a.Y};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) {
        return false;
      }
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) {
      t0 = std::max(t0, t);
    } else {
      t1 = std::min(t1, t);
    }
  }
  if (t0 > t1) {
    return false;
  }
  const TPoint start = a;
  a = {int(std::lround(start.X + t0 * dx)), int(std::lround(start.Y + t0 * dy))};
  b = {int(std::lround(start.X + t1 * dx)), int(std::lround(start.Y + t1 * dy))};
  return true;
}

}  // namespace Raster

