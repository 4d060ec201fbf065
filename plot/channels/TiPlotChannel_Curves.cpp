#include <algorithm>
#include <vector>

#include "platform/drawing/TCanvas.h"
#include "plot/base/EPlotError.h"
#include "plot/base/iMath.h"
#include "plot/channels/TiPlotChannel.h"
#include "plot/objects/TiPlotXAxis.h"

void TiPlotChannel::SetPixelPoint(int xPixel, double yValue) {
  if (xPixel < m_pixelListStart || xPixel > m_pixelListStop ||
      std::size_t(xPixel - m_pixelListStart) >= m_pixelList.size()) {
    throw EPlotError(QStringLiteral("Pixel List XPixel out of Range"));
  }
  m_pixelList[std::size_t(xPixel - m_pixelListStart)] = {false, xPixel, yValue};
}

template <typename Curve>
void TiPlotChannel::DrawColumns(TCanvas& canvas, double xFirst, double xLast, Curve&& curve) {
  TiPlotXAxis* xAxis = XAxis();
  const int a = xAxis->PositionToPixels(std::max(xFirst, xAxis->Min()));
  const int b = xAxis->PositionToPixels(std::min(xLast, xAxis->Max()));
  const int p0 = std::min(a, b);
  const int p1 = std::max(a, b);
  const bool fill = m_fillEnabled && m_fillStyle != TBrushStyle::bsClear;
  const auto column = [&](int p, double& x, double& y) {
    x = xAxis->PixelsToPosition(p);
    y = curve(x);
    if (fill) {
      canvas.Pen().SetColor(canvas.Brush().Color());
      DrawLine(canvas, false, x, m_fillReference, x, y);
      canvas.Pen().SetColor(Color());
    }
    SetPixelPoint(p, y);
  };
  double px = 0;
  double py = 0;
  column(p0, px, py);
  for (int p = p0; p <= p1; ++p) {
    double x = 0;
    double y = 0;
    column(p, x, y);
    DrawLine(canvas, false, px, py, x, y);
    px = x;
    py = y;
  }
}

void TiPlotChannel::DrawCurves(TCanvas& canvas) {
  if (Count() < 2) {
    return;
  }
  SetFillBrush(canvas);
  // The numeric routines count from 1.
  std::vector<double> xa{0};
  std::vector<double> ya{0};
  if (m_interpolationStyle == TiPlotInterpolationStyle::ipistCubicSpline) {
    // One spline per run between null points; empty points are left out.
    const auto drawRun = [&] {
      const int n = int(xa.size()) - 1;
      if (n >= 2) {
        std::vector<double> y2;
        Spline(xa, ya, n, 1e30, 1e30, y2);
        DrawColumns(canvas, xa[1], xa[std::size_t(n)], [&](double x) { return Splint(xa, ya, y2, n, x); });
      }
      xa.assign(1, 0);
      ya.assign(1, 0);
    };
    for (int i = 0; i < Count(); ++i) {
      if (GetNull(i)) {
        drawRun();
      } else if (!GetEmpty(i)) {
        xa.push_back(GetX(i));
        ya.push_back(GetY(i));
      }
    }
    drawRun();
    return;
  }
  for (int i = 0; i < Count(); ++i) {
    xa.push_back(GetX(i));
    ya.push_back(GetY(i));
  }
  const int n = Count();
  const bool polynomial = m_interpolationStyle == TiPlotInterpolationStyle::ipistPolynomial;
  DrawColumns(canvas, XFirst(), XLast(), [&](double x) {
    double dy = 0;
    return polynomial ? PolInt(xa, ya, n, x, dy) : RatInt(xa, ya, n, x, dy);
  });
}
