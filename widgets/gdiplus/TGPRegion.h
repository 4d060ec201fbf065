#pragma once

#include <memory>

#include "widgets/gdiplus/TGdiplusBase.h"

namespace Gdip {
struct GpRegion;
}
class TGPGraphicsPath;

/// A GDI+ region: an area built from rectangles and paths. Owned by its
/// creator. GUI thread only.
class TGPRegion : public TGdiplusBase {
public:
  explicit TGPRegion(const TGPRectF& rect);
  explicit TGPRegion(const TGPGraphicsPath& path);
  ~TGPRegion() override;

  /// Removes the path's area.
  Status Exclude(const TGPGraphicsPath& path);
  /// Adds the other region's area.
  Status Union(const TGPRegion& region);
  bool IsVisible(float x, float y);

  Gdip::GpRegion* NativeRegion() const { return m_nativeRegion.get(); }

private:
  std::unique_ptr<Gdip::GpRegion> m_nativeRegion;
};
