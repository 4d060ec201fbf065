#pragma once

#include <vector>

#include <QRegion>

#include "platform/core/TRect.h"

/// A set of pixels, as clip regions and window shapes use: built from a
/// rectangle, a rounded rectangle or a polygon with the same coverage the
/// canvas draws, and combined with the others. Coordinates are device pixels
/// when used for clipping. Plain value type, any thread.
class TRegion {
public:
  TRegion() = default;
  explicit TRegion(const QRegion& region) : m_region(region) {}

  /// [l, r) x [t, b).
  static TRegion CreateRectRgn(int left, int top, int right, int bottom);
  /// The pixels RoundRect(left, top, right, bottom, w, h) fills with a pen.
  static TRegion CreateRoundRectRgn(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
  /// The pixels Ellipse(left, top, right, bottom) fills with a pen.
  static TRegion CreateEllipticRgn(int left, int top, int right, int bottom);
  /// The interior of the polygon (alternate or winding rule, see GdiConstants.h).
  static TRegion CreatePolygonRgn(const std::vector<TPoint>& points, int fillMode);

  /// this = a <mode> b with RGN_AND, RGN_OR, RGN_XOR, RGN_DIFF or RGN_COPY (a).
  void Combine(const TRegion& a, const TRegion& b, int mode);
  void Offset(int dx, int dy) { m_region.translate(dx, dy); }
  bool Contains(int x, int y) const { return m_region.contains(QPoint(x, y)); }
  bool IsEmpty() const { return m_region.isEmpty(); }
  /// Smallest rectangle around the region.
  TRect BoundingBox() const { return TRect::FromQRect(m_region.boundingRect()); }

  const QRegion& ToQRegion() const { return m_region; }
  friend bool operator==(const TRegion& a, const TRegion& b) { return a.m_region == b.m_region; }

private:
  QRegion m_region;
};
