#include "widgets/gdiplus/TGPRegion.h"

#include "widgets/gdiplus/GdipNative.h"
#include "widgets/gdiplus/TGPGraphicsPath.h"

TGPRegion::TGPRegion(const TGPRectF& rect) : m_nativeRegion(std::make_unique<Gdip::GpRegion>()) {
  m_nativeRegion->path.addRect(rect.X, rect.Y, rect.Width, rect.Height);
}

TGPRegion::TGPRegion(const TGPGraphicsPath& path) {
  if (!path.NativePath()) {
    SetCreationStatus(Status::InvalidParameter);
    return;
  }
  m_nativeRegion = std::make_unique<Gdip::GpRegion>();
  m_nativeRegion->path = path.NativePath()->path;
}

TGPRegion::~TGPRegion() = default;

Status TGPRegion::Exclude(const TGPGraphicsPath& path) {
  if (!m_nativeRegion || !path.NativePath()) {
    return RecordStatus(Status::InvalidParameter);
  }
  m_nativeRegion->path = m_nativeRegion->path.subtracted(path.NativePath()->path);
  return Status::Ok;
}

Status TGPRegion::Union(const TGPRegion& region) {
  if (!m_nativeRegion || !region.m_nativeRegion) {
    return RecordStatus(Status::InvalidParameter);
  }
  m_nativeRegion->path = m_nativeRegion->path.united(region.m_nativeRegion->path);
  return Status::Ok;
}

bool TGPRegion::IsVisible(float x, float y) {
  if (!m_nativeRegion) {
    RecordStatus(Status::InvalidParameter);
    return false;
  }
  return m_nativeRegion->path.contains(QPointF(x, y));
}
