#include "widgets/gdiplus/TGPGraphicsPath.h"

#include <QFontMetricsF>

#include "widgets/gdiplus/GdipNative.h"
#include "widgets/gdiplus/TGPFont.h"
#include "widgets/gdiplus/TGPStringFormat.h"

namespace {
std::vector<TGPPointF> ToFloat(const std::vector<TGPPoint>& points) {
  std::vector<TGPPointF> result;
  result.reserve(points.size());
  for (const TGPPoint& p : points) {
    result.push_back({float(p.X), float(p.Y)});
  }
  return result;
}

// Starts a figure at p, or joins p to the open one with a line.
void LineOrStart(Gdip::GpPath& p, QPointF point) {
  p.ellipseOnly = false;
  if (p.figureOpen) {
    if (p.path.currentPosition() != point) {
      p.path.lineTo(point);
    }
  } else {
    p.path.moveTo(point);
    p.figureOpen = true;
  }
}

void ApplyFillRule(Gdip::GpPath& p) {
  p.path.setFillRule(p.fillMode == FillMode::FillModeWinding ? Qt::WindingFill : Qt::OddEvenFill);
}
}  // namespace

TGPGraphicsPath::TGPGraphicsPath(FillMode fillMode) : m_nativePath(std::make_unique<Gdip::GpPath>()) {
  m_nativePath->fillMode = fillMode;
  ApplyFillRule(*m_nativePath);
}

TGPGraphicsPath::TGPGraphicsPath(std::unique_ptr<Gdip::GpPath> native, Status status)
    : TGdiplusBase(status), m_nativePath(std::move(native)) {}

TGPGraphicsPath::~TGPGraphicsPath() = default;

Status TGPGraphicsPath::Reset() {
  if (!m_nativePath) {
    return RecordStatus(Status::InvalidParameter);
  }
  m_nativePath->path = QPainterPath();
  ApplyFillRule(*m_nativePath);
  m_nativePath->figureOpen = false;
  m_nativePath->ellipseOnly = false;
  return Status::Ok;
}

Status TGPGraphicsPath::CloseFigure() {
  if (!m_nativePath) {
    return RecordStatus(Status::InvalidParameter);
  }
  if (m_nativePath->figureOpen) {
    m_nativePath->path.closeSubpath();
    m_nativePath->figureOpen = false;
  }
  return Status::Ok;
}

Status TGPGraphicsPath::AddLine(const TGPPointF& pt1, const TGPPointF& pt2) {
  return AddLine(pt1.X, pt1.Y, pt2.X, pt2.Y);
}

Status TGPGraphicsPath::AddLine(float x1, float y1, float x2, float y2) {
  if (!m_nativePath) {
    return RecordStatus(Status::InvalidParameter);
  }
  LineOrStart(*m_nativePath, QPointF(x1, y1));
  m_nativePath->path.lineTo(x2, y2);
  return Status::Ok;
}

Status TGPGraphicsPath::AddLines(const std::vector<TGPPoint>& points) {
  if (!m_nativePath || points.empty()) {
    return RecordStatus(Status::InvalidParameter);
  }
  for (const TGPPoint& p : points) {
    LineOrStart(*m_nativePath, QPointF(p.X, p.Y));
  }
  return Status::Ok;
}

Status TGPGraphicsPath::AddRectangle(const TGPRectF& rect) {
  if (!m_nativePath) {
    return RecordStatus(Status::InvalidParameter);
  }
  m_nativePath->path.addRect(rect.X, rect.Y, rect.Width, rect.Height);
  m_nativePath->figureOpen = false;
  m_nativePath->ellipseOnly = false;
  return Status::Ok;
}

Status TGPGraphicsPath::AddRectangle(const TGPRect& rect) {
  return AddRectangle(TGPRectF{float(rect.X), float(rect.Y), float(rect.Width), float(rect.Height)});
}

Status TGPGraphicsPath::AddArc(const TGPRectF& rect, float startAngle, float sweepAngle) {
  return AddArc(rect.X, rect.Y, rect.Width, rect.Height, startAngle, sweepAngle);
}

Status TGPGraphicsPath::AddArc(float x, float y, float width, float height, float startAngle, float sweepAngle) {
  if (!m_nativePath) {
    return RecordStatus(Status::InvalidParameter);
  }
  // Qt counts angles counter-clockwise on screen.
  const QRectF box(x, y, width, height);
  QPainterPath probe;
  probe.arcMoveTo(box, -startAngle);
  LineOrStart(*m_nativePath, probe.currentPosition());
  m_nativePath->path.arcTo(box, -startAngle, -sweepAngle);
  return Status::Ok;
}

Status TGPGraphicsPath::AddEllipse(float x, float y, float width, float height) {
  if (!m_nativePath) {
    return RecordStatus(Status::InvalidParameter);
  }
  m_nativePath->ellipseOnly = m_nativePath->path.isEmpty();
  m_nativePath->path.addEllipse(QRectF(x, y, width, height));
  m_nativePath->figureOpen = false;
  return Status::Ok;
}

Status TGPGraphicsPath::AddPie(float x, float y, float width, float height, float startAngle, float sweepAngle) {
  if (!m_nativePath) {
    return RecordStatus(Status::InvalidParameter);
  }
  const QRectF box(x, y, width, height);
  m_nativePath->ellipseOnly = false;
  m_nativePath->path.moveTo(box.center());
  m_nativePath->path.arcTo(box, -startAngle, -sweepAngle);
  m_nativePath->path.closeSubpath();
  m_nativePath->figureOpen = false;
  return Status::Ok;
}

Status TGPGraphicsPath::AddPolygon(const std::vector<TGPPointF>& points) {
  if (!m_nativePath || points.size() < 2) {
    return RecordStatus(Status::InvalidParameter);
  }
  QPolygonF polygon;
  for (const TGPPointF& p : points) {
    polygon << QPointF(p.X, p.Y);
  }
  m_nativePath->ellipseOnly = false;
  m_nativePath->path.addPolygon(polygon);
  m_nativePath->path.closeSubpath();
  m_nativePath->figureOpen = false;
  return Status::Ok;
}

Status TGPGraphicsPath::AddPolygon(const std::vector<TGPPoint>& points) { return AddPolygon(ToFloat(points)); }

Status TGPGraphicsPath::AddCurve(const std::vector<TGPPointF>& points) { return AddCurveImpl(points, 0.5f); }

Status TGPGraphicsPath::AddCurve(const std::vector<TGPPoint>& points) { return AddCurveImpl(ToFloat(points), 0.5f); }

Status TGPGraphicsPath::AddCurve(const std::vector<TGPPoint>& points, float tension) {
  return AddCurveImpl(ToFloat(points), tension);
}

Status TGPGraphicsPath::AddCurveImpl(const std::vector<TGPPointF>& points, float tension) {
  if (!m_nativePath || points.size() < 2) {
    return RecordStatus(Status::InvalidParameter);
  }
  // A cardinal spline as Bezier segments: the control points lie a third of
  // the tension-scaled tangent away from each point.
  auto at = [&](std::size_t i) { return QPointF(points[i].X, points[i].Y); };
  LineOrStart(*m_nativePath, at(0));
  const double t = tension / 3.0;
  for (std::size_t i = 0; i + 1 < points.size(); ++i) {
    const QPointF p0 = at(i == 0 ? 0 : i - 1);
    const QPointF p1 = at(i);
    const QPointF p2 = at(i + 1);
    const QPointF p3 = at(i + 2 < points.size() ? i + 2 : i + 1);
    m_nativePath->path.cubicTo(p1 + (p2 - p0) * t, p2 - (p3 - p1) * t, p2);
  }
  return Status::Ok;
}

Status TGPGraphicsPath::AddBezier(const TGPPoint& pt1, const TGPPoint& pt2, const TGPPoint& pt3, const TGPPoint& pt4) {
  return AddBezier(float(pt1.X), float(pt1.Y), float(pt2.X), float(pt2.Y), float(pt3.X), float(pt3.Y), float(pt4.X),
                   float(pt4.Y));
}

Status TGPGraphicsPath::AddBezier(const TGPPointF& pt1, const TGPPointF& pt2, const TGPPointF& pt3,
                                  const TGPPointF& pt4) {
  return AddBezier(pt1.X, pt1.Y, pt2.X, pt2.Y, pt3.X, pt3.Y, pt4.X, pt4.Y);
}

Status TGPGraphicsPath::AddBezier(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4) {
  if (!m_nativePath) {
    return RecordStatus(Status::InvalidParameter);
  }
  LineOrStart(*m_nativePath, QPointF(x1, y1));
  m_nativePath->path.cubicTo(x2, y2, x3, y3, x4, y4);
  return Status::Ok;
}

Status TGPGraphicsPath::AddString(const QString& text, int length, const TGPFontFamily* family, int style,
                                  float emSize, const TGPRectF& layoutRect, const TGPStringFormat* format) {
  if (!m_nativePath || !family || !family->NativeFamily()) {
    return RecordStatus(Status::InvalidParameter);
  }
  Gdip::GpFont font;
  font.family = family->NativeFamily()->family;
  font.emSize = emSize;
  font.style = style;
  font.unit = Unit_::UnitPixel;
  const QFont qfont = font.ToQFont();
  const QFontMetricsF metrics(qfont);
  const QString shown = length < 0 ? text : text.left(length);
  const double padding = font.PixelSize() / 6.0;
  double x = layoutRect.X + padding;
  if (format && format->NativeFormat() && layoutRect.Width > 0) {
    const double width = metrics.horizontalAdvance(shown);
    if (format->NativeFormat()->alignment == StringAlignment::StringAlignmentCenter) {
      x = layoutRect.X + (layoutRect.Width - width) / 2;
    } else if (format->NativeFormat()->alignment == StringAlignment::StringAlignmentFar) {
      x = layoutRect.X + layoutRect.Width - width - padding;
    }
  }
  m_nativePath->ellipseOnly = false;
  m_nativePath->path.addText(QPointF(x, layoutRect.Y + metrics.ascent()), qfont, shown);
  m_nativePath->figureOpen = false;
  return Status::Ok;
}

int TGPGraphicsPath::GetPointCount() {
  if (!m_nativePath) {
    RecordStatus(Status::InvalidParameter);
    return 0;
  }
  return Gdip::PathPointCount(m_nativePath->path);
}

Status TGPGraphicsPath::GetBounds(TGPRectF& bounds) {
  if (!m_nativePath) {
    return RecordStatus(Status::InvalidParameter);
  }
  const QRectF r = m_nativePath->path.boundingRect();
  bounds = {float(r.x()), float(r.y()), float(r.width()), float(r.height())};
  return Status::Ok;
}
