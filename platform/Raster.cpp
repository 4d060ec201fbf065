#include "platform/Raster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace Raster {

std::vector<Span> RoundRectSpans(TRect r, int cornerWidth, int cornerHeight) {
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
  spans.reserve(std::size_t(r.Height()));
  for (int y = r.Top; y < r.Bottom; ++y) {
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

std::vector<Span> PolygonSpans(const std::vector<TPoint>& points, bool winding) {
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

void LinePixels(TPoint a, TPoint b, const std::function<void(int x, int y)>& plot) {
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

}  // namespace Raster

