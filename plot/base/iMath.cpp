#include "plot/base/iMath.h"

#include <algorithm>
#include <cmath>

#include "plot/base/EPlotError.h"

double Log10(double x) {
  return static_cast<double>(std::log2(static_cast<long double>(x)) * std::log10(2.0L));
}

double Power(double base, double exponent) {
  return static_cast<double>(std::exp(static_cast<long double>(exponent) * std::log(static_cast<long double>(base))));
}

void Spline(const std::vector<double>& xa, const std::vector<double>& ya, int n, double yp1, double ypn,
            std::vector<double>& y2) {
  y2.assign(n + 1, 0.0);
  std::vector<double> u(n + 1, 0.0);
  yp1 = (ya[2] - ya[1]) / (xa[2] - xa[1]);
  ypn = (ya[n] - ya[n - 1]) / (xa[n] - xa[n - 1]);
  if (yp1 > 0.99e30) {
    y2[1] = 0;
    u[1] = 0;
  } else {
    y2[1] = -0.5;
    u[1] = (3 / (xa[2] - xa[1])) * ((ya[2] - ya[1]) / (xa[2] - xa[1]) - yp1);
  }
  for (int i = 2; i <= n - 1; ++i) {
    const double sig = (xa[i] - xa[i - 1]) / (xa[i + 1] - xa[i - 1]);
    const double p = sig * y2[i - 1] + 2;
    y2[i] = (sig - 1) / p;
    u[i] = (ya[i + 1] - ya[i]) / (xa[i + 1] - xa[i]) - (ya[i] - ya[i - 1]) / (xa[i] - xa[i - 1]);
    u[i] = (6 * u[i] / (xa[i + 1] - xa[i - 1]) - sig * u[i - 1]) / p;
  }
  double qn = 0;
  double un = 0;
  if (!(ypn > 0.99e30)) {
    qn = 0.5;
    un = (3 / (xa[n] - xa[n - 1])) * (ypn - (ya[n] - ya[n - 1]) / (xa[n] - xa[n - 1]));
  }
  y2[n] = (un - qn * u[n - 1]) / (qn * y2[n - 1] + 1);
  for (int k = n - 1; k >= 1; --k) {
    y2[k] = y2[k] * y2[k + 1] + u[k];
  }
}

double Splint(const std::vector<double>& xa, const std::vector<double>& ya, const std::vector<double>& y2a, int n,
              double x) {
  int klo = 1;
  int khi = n;
  while (khi - klo > 1) {
    const int k = (khi + klo) / 2;
    if (xa[k] > x) {
      khi = k;
    } else {
      klo = k;
    }
  }
  const double h = xa[khi] - xa[klo];
  if (h == 0) {
    throw EPlotError(QStringLiteral("Splint Error - xa's must be distinct"));
  }
  const double a = (xa[khi] - x) / h;
  const double b = (x - xa[klo]) / h;
  return a * ya[klo] + b * ya[khi] + ((a * a * a - a) * y2a[klo] + (b * b * b - b) * y2a[khi]) * (h * h) / 6;
}

namespace {

/// Neville's tableau shared by the polynomial and rational schemes: the
/// per-column update is the scheme's own; choosing the correction and
/// walking the nearest index are the same for both.
template <typename Update>
double NevilleWalk(const std::vector<double>& ya, int n, int ns, std::vector<double>& c, std::vector<double>& d,
                   double& dy, Update update) {
  double y = ya[ns];
  --ns;
  for (int m = 1; m <= n - 1; ++m) {
    for (int i = 1; i <= n - m; ++i) {
      update(m, i);
    }
    if (2 * ns < n - m) {
      dy = c[ns + 1];
    } else {
      dy = d[ns];
      --ns;
    }
    y += dy;
  }
  return y;
}

}  // namespace

double PolInt(const std::vector<double>& xa, const std::vector<double>& ya, int n, double x, double& dy) {
  std::vector<double> c(n + 1);
  std::vector<double> d(n + 1);
  int ns = 1;
  double dif = std::fabs(x - xa[1]);
  for (int i = 1; i <= n; ++i) {
    const double dift = std::fabs(x - xa[i]);
    if (dift < dif) {
      ns = i;
      dif = dift;
    }
    c[i] = ya[i];
    d[i] = ya[i];
  }
  dy = 0;
  return NevilleWalk(ya, n, ns, c, d, dy, [&](int m, int i) {
    const double ho = xa[i] - x;
    const double hp = xa[i + m] - x;
    const double w = c[i + 1] - d[i];
    double den = ho - hp;
    if (den == 0) {
      throw EPlotError(QStringLiteral("Polynomial Interpolation Error - Pause in Routine Data"));
    }
    den = w / den;
    d[i] = hp * den;
    c[i] = ho * den;
  });
}

double RatInt(const std::vector<double>& xa, const std::vector<double>& ya, int n, double x, double& dy) {
  constexpr double kTiny = 1e-25;
  std::vector<double> c(n + 1);
  std::vector<double> d(n + 1);
  int ns = 1;
  double hh = std::fabs(x - xa[1]);
  for (int i = 1; i <= n; ++i) {
    const double h = std::fabs(x - xa[i]);
    if (h == 0) {
      dy = 0;
      return ya[i];
    }
    if (h < hh) {
      ns = i;
      hh = h;
    }
    c[i] = ya[i];
    d[i] = ya[i] + kTiny;
  }
  dy = 0;
  return NevilleWalk(ya, n, ns, c, d, dy, [&](int m, int i) {
    const double w = c[i + 1] - d[i];
    const double h = xa[i + m] - x;
    const double t = (xa[i] - x) * d[i] / h;
    double dd = t - c[i + 1];
    if (dd == 0) {
      throw EPlotError(QStringLiteral("Rational Interpolation Error - Pause in Routine Data"));
    }
    dd = w / dd;
    d[i] = c[i + 1] * dd;
    c[i] = t * dd;
  });
}

void LineFromPoints(TPoint p1, TPoint p2, double& slope, double& intercept) {
  slope = p2.X == p1.X ? 1e30 : double(p2.Y - p1.Y) / double(p2.X - p1.X);
  intercept = p1.Y - p1.X * slope;
}

bool SegmentsIntersect(TPoint a1, TPoint a2, TPoint b1, TPoint b2) {
  double sa = 0;
  double ia = 0;
  double sb = 0;
  double ib = 0;
  LineFromPoints(a1, a2, sa, ia);
  LineFromPoints(b1, b2, sb, ib);
  if (sa == sb) {
    return false;
  }
  // Nearest integer, halves to even (the default rounding mode), kept in
  // double so a crossing far outside the int range compares safely.
  const double x = std::nearbyint((ib - ia) / (sa - sb));
  return std::min(a1.X, a2.X) <= x && x <= std::max(a1.X, a2.X) && std::min(b1.X, b2.X) <= x &&
         x <= std::max(b1.X, b2.X);
}

bool SegmentIntersectsRect(TPoint p1, TPoint p2, const TRect& r) {
  if (SegmentsIntersect(p1, p2, {r.Left, r.Bottom}, {r.Left, r.Top}) ||
      SegmentsIntersect(p1, p2, {r.Right, r.Top}, {r.Left, r.Top}) ||
      SegmentsIntersect(p1, p2, {r.Right, r.Bottom}, {r.Right, r.Top}) ||
      SegmentsIntersect(p1, p2, {r.Left, r.Bottom}, {r.Right, r.Bottom})) {
    return true;
  }
  const auto inside = [&r](TPoint p) { return p.X >= r.Left && p.X <= r.Right && p.Y >= r.Top && p.Y <= r.Bottom; };
  return inside(p1) || inside(p2);
}
