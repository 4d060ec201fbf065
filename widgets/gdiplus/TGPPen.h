#pragma once

#include <memory>

#include "widgets/gdiplus/TGdiplusBase.h"

namespace Gdip {
struct GpPen;
}
class TGPBrush;

/// A GDI+ pen: a colour or brush fill, a width in world units (at least
/// one pixel is drawn), a dash style and an end cap. Owned by its creator.
/// GUI thread only.
class TGPPen : public TGdiplusBase {
public:
  explicit TGPPen(ARGB color, float width = 1.0f);
  TGPPen(const TGPBrush& brush, float width = 1.0f);
  ~TGPPen() override;

  Status SetBrush(const TGPBrush& brush);
  /// A new brush of the pen's fill kind.
  std::unique_ptr<TGPBrush> GetBrush();
  Status SetDashStyle(DashStyle dashStyle);
  DashStyle GetDashStyle();
  Status SetEndCap(LineCap endCap);
  PenType GetPenType();

  Gdip::GpPen* NativePen() const { return m_nativePen.get(); }

private:
  std::unique_ptr<Gdip::GpPen> m_nativePen;
};
