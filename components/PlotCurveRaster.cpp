#include "components/PlotCurveRaster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include <QImage>

#include "platform/TCanvas.h"

namespace {

// Liang-Barsky clip of the segment a-b to [x0, x1] x [y0, y1]; false when
// nothing of it is inside.
bool ClipSegment(double& ax, double& ay, double& bx, double& by, double x0, double y0, double x1, double y1) {
  double t0 = 0.0;
  double t1 = 1.0;
  const double dx = bx - ax;
  const double dy = by - ay;
  const double p[] = {-dx, dx, -dy, dy};
  const double q[] = {ax - x0, x1 - ax, ay - y0, y1 - ay};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0.0) {
      if (q[i] < 0.0) {
        return false;
      }
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0.0) {
      t0 = std::max(t0, t);
    } else {
      t1 = std::min(t1, t);
    }
    if (t0 > t1) {
      return false;
    }
  }
  const double sx = ax;
  const double sy = ay;
  ax = sx + t0 * dx;
  ay = sy + t0 * dy;
  bx = sx + t1 * dx;
  by = sy + t1 * dy;
  return true;
}

class BlockWriter {
public:
  BlockWriter(QImage& image, QRgb rgb)
      : m_bits(reinterpret_cast<QRgb*>(image.bits())),
        m_stride(image.bytesPerLine() / int(sizeof(QRgb))),
        m_width(image.width()),
        m_height(image.height()),
        m_rgb(rgb) {}

  // The 2 x 2 block with (x, y) at its bottom right.
  void Stamp(int x, int y) {
    for (int row = y - 1; row <= y; ++row) {
      if (row < 0 || row >= m_height) {
        continue;
      }
      QRgb* line = m_bits + std::ptrdiff_t(row) * m_stride;
      if (x - 1 >= 0 && x - 1 < m_width) {
        line[x - 1] = m_rgb;
      }
      if (x >= 0 && x < m_width) {
        line[x] = m_rgb;
      }
    }
  }

  void Line(TPoint a, TPoint b) {
    if (Inside(a) && Inside(b)) {
      Bresenham(a.X, a.Y, b.X, b.Y);
      return;
    }
    double ax = a.X, ay = a.Y, bx = b.X, by = b.Y;
    if (ClipSegment(ax, ay, bx, by, -2.0, -2.0, m_width + 1.0, m_height + 1.0)) {
      Bresenham(int(std::lround(ax)), int(std::lround(ay)), int(std::lround(bx)), int(std::lround(by)));
    }
  }

private:
  bool Inside(TPoint p) const { return p.X >= -2 && p.X <= m_width + 1 && p.Y >= -2 && p.Y <= m_height + 1; }

  void Bresenham(int x, int y, int ex, int ey) {
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

  QRgb* m_bits;
  int m_stride;
  int m_width;
  int m_height;
  QRgb m_rgb;
};

}  // namespace

void DrawCurveRun(TCanvas& canvas, const std::vector<TPoint>& points, TColor color) {
  QImage* image = canvas.Target();
  if (image == nullptr || points.empty()) {
    return;
  }
  if (image->format() != QImage::Format_ARGB32) {
    canvas.Polyline(points);
    return;
  }
  BlockWriter writer(*image, canvas.Realize(ColorToQRgb(color)));
  if (points.size() == 1) {
    writer.Line(points[0], points[0]);
    return;
  }
  for (std::size_t i = 1; i < points.size(); ++i) {
    if (points[i].X != points[i - 1].X || points[i].Y != points[i - 1].Y || i == 1) {
      writer.Line(points[i - 1], points[i]);
    }
  }
}

void DrawPlotLine(TCanvas& canvas, TPoint from, TPoint to) {
  const TPen& pen = canvas.Pen();
  if (pen.Width() == 2 && pen.Style() == TPenStyle::psSolid && pen.Mode() == TPenMode::pmCopy) {
    DrawCurveRun(canvas, {from, to}, pen.Color());
    canvas.MoveTo(to.X, to.Y);
    return;
  }
  canvas.MoveTo(from.X, from.Y);
  canvas.LineTo(to.X, to.Y);
}
