#pragma once

#include <vector>

#include "platform/core/TRect.h"

/// Numeric helpers of the plot library: the decimal logarithm and power of
/// the logarithmic axes, cubic spline, polynomial and rational
/// interpolation, and straight-line tests in pixels. The interpolation
/// arrays are used from index 1 to N (index 0 is ignored), so callers size
/// them N + 1. Stateless, any thread.

/// Decimal logarithm (X > 0).
double Log10(double x);
/// Base raised to Exponent (Base > 0).
double Power(double base, double exponent);

/// Second derivatives Y2[1..N] of the cubic spline through (XA[i], YA[i]).
/// The end slopes are always those of the first and last segment (the
/// values passed in YP1 and YPN are replaced), so this is not the natural
/// spline. Y2 is resized to N + 1.
void Spline(const std::vector<double>& xa, const std::vector<double>& ya, int n, double yp1, double ypn,
            std::vector<double>& y2);
/// The spline's value at X (XA ascending). Throws EPlotError
/// "Splint Error - xa's must be distinct" when the bracketing XA are equal.
double Splint(const std::vector<double>& xa, const std::vector<double>& ya, const std::vector<double>& y2a, int n,
              double x);
/// Polynomial of degree N - 1 through the points at X; dy is the last
/// correction added. Throws "Polynomial Interpolation Error - Pause in Routine Data".
double PolInt(const std::vector<double>& xa, const std::vector<double>& ya, int n, double x, double& dy);
/// Diagonal rational function through the points at X; dy as PolInt.
/// Throws "Rational Interpolation Error - Pause in Routine Data".
double RatInt(const std::vector<double>& xa, const std::vector<double>& ya, int n, double x, double& dy);

/// The line through two points as y = slope * x + intercept; a vertical
/// line gets slope 1e30.
void LineFromPoints(TPoint p1, TPoint p2, double& slope, double& intercept);
/// Whether segment A1-A2 crosses B1-B2: the crossing X of the two lines
/// (rounded) lies within the X range of both segments. Only X is compared,
/// also for vertical segments.
bool SegmentsIntersect(TPoint a1, TPoint a2, TPoint b1, TPoint b2);
/// Whether the segment meets one of the rectangle's four sides (as
/// SegmentsIntersect) or has an end point inside it, edges included.
bool SegmentIntersectsRect(TPoint p1, TPoint p2, const TRect& rect);
