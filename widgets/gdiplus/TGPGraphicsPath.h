#pragma once

#include <memory>
#include <vector>

#include <QString>

#include "widgets/gdiplus/TGdiplusBase.h"

namespace Gdip {
struct GpPath;
}
class TGPFontFamily;
class TGPStringFormat;

/// A GDI+ path: figures of lines, arcs, curves and closed shapes. Angles
/// are in degrees, measured clockwise on screen from the x axis, and a
/// positive sweep runs clockwise, as GDI+ has them. Owned by its creator.
/// GUI thread only.
class TGPGraphicsPath : public TGdiplusBase {
public:
  explicit TGPGraphicsPath(FillMode fillMode = FillMode::FillModeAlternate);
  TGPGraphicsPath(std::unique_ptr<Gdip::GpPath> native, Status status);
  ~TGPGraphicsPath() override;

  Status Reset();
  Status CloseFigure();
  Status AddLine(const TGPPointF& pt1, const TGPPointF& pt2);
  Status AddLine(float x1, float y1, float x2, float y2);
  Status AddLines(const std::vector<TGPPoint>& points);
  Status AddRectangle(const TGPRectF& rect);
  Status AddRectangle(const TGPRect& rect);
  Status AddArc(const TGPRectF& rect, float startAngle, float sweepAngle);
  Status AddArc(float x, float y, float width, float height, float startAngle, float sweepAngle);
  Status AddEllipse(float x, float y, float width, float height);
  Status AddEllipse(const TGPRectF& rect) { return AddEllipse(rect.X, rect.Y, rect.Width, rect.Height); }
  Status AddPie(float x, float y, float width, float height, float startAngle, float sweepAngle);
  Status AddPolygon(const std::vector<TGPPointF>& points);
  Status AddPolygon(const std::vector<TGPPoint>& points);
  /// Cardinal splines through the points (tension 0.5 unless given).
  Status AddCurve(const std::vector<TGPPointF>& points);
  Status AddCurve(const std::vector<TGPPoint>& points);
  Status AddCurve(const std::vector<TGPPoint>& points, float tension);
  Status AddBezier(const TGPPoint& pt1, const TGPPoint& pt2, const TGPPoint& pt3, const TGPPoint& pt4);
  Status AddBezier(const TGPPointF& pt1, const TGPPointF& pt2, const TGPPointF& pt3, const TGPPointF& pt4);
  Status AddBezier(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4);
  /// The outlines of length characters of text (the whole text for -1),
  /// with the top-left of its layout box at the rectangle's top-left.
  Status AddString(const QString& text, int length, const TGPFontFamily* family, int style, float emSize,
                   const TGPRectF& layoutRect, const TGPStringFormat* format);
  /// Number of points (segment ends and control points) in the path.
  int GetPointCount();
  Status GetBounds(TGPRectF& bounds);

  Gdip::GpPath* NativePath() const { return m_nativePath.get(); }

private:
  Status AddCurveImpl(const std::vector<TGPPointF>& points, float tension);

  std::unique_ptr<Gdip::GpPath> m_nativePath;
};
