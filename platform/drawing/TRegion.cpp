#include "platform/drawing/TRegion.h"

#include "platform/drawing/GdiConstants.h"
#include "platform/drawing/Raster.h"

namespace {
QRegion FromSpans(const std::vector<Raster::Span>& spans) {
  QRegion region;
  for (const Raster::Span& s : spans) {
    region += QRect(s.X0, s.Y, s.X1 - s.X0, 1);
  }
  return region;
}
}  // namespace

TRegion TRegion::CreateRectRgn(int left, int top, int right, int bottom) {
  const TRect r = Rect(std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom));
  return TRegion(r.IsEmpty() ? QRegion() : QRegion(r.ToQRect()));
}

TRegion TRegion::CreateRoundRectRgn(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) {
  return TRegion(FromSpans(Raster::RoundRectSpans(Rect(left, top, right, bottom), cornerWidth, cornerHeight)));
}

TRegion TRegion::CreateEllipticRgn(int left, int top, int right, int bottom) {
  return CreateRoundRectRgn(left, top, right, bottom, right - left, bottom - top);
}

TRegion TRegion::CreatePolygonRgn(const std::vector<TPoint>& points, int fillMode) {
  return TRegion(FromSpans(Raster::PolygonSpans(points, fillMode == WINDING)));
}

void TRegion::Combine(const TRegion& a, const TRegion& b, int mode) {
  switch (mode) {
    case RGN_AND:
      m_region = a.m_region.intersected(b.m_region);
      break;
    case RGN_OR:
      m_region = a.m_region.united(b.m_region);
      break;
    case RGN_XOR:
      m_region = a.m_region.xored(b.m_region);
      break;
    case RGN_DIFF:
      m_region = a.m_region.subtracted(b.m_region);
      break;
    default:
      m_region = a.m_region;
      break;
  }
}
