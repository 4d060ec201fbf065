#include "widgets/gdiplus/TGPGraphics.h"

#include <cmath>

#include "platform/core/Rounding.h"
#include "platform/drawing/TCanvas.h"
#include "widgets/gdiplus/GdipNative.h"
#include "widgets/gdiplus/TGPBrush.h"
#include "widgets/gdiplus/TGPGraphicsPath.h"
#include "widgets/gdiplus/TGPImage.h"
#include "widgets/gdiplus/TGPImageAttributes.h"
#include "widgets/gdiplus/TGPMatrix.h"
#include "widgets/gdiplus/TGPPen.h"
#include "widgets/gdiplus/TGPRegion.h"

using Gdip::GpGraphics;

namespace {
bool AntiAliased(SmoothingMode mode) {
  return mode == SmoothingMode::SmoothingModeAntiAlias || mode == SmoothingMode::SmoothingModeHighQuality;
}

QPen ToQPen(const Gdip::GpPen& pen, const QRectF& paintArea) {
  QPen result(pen.brush ? Gdip::ToQBrush(*pen.brush, paintArea) : QBrush(pen.color), std::max(1.0f, pen.width));
  result.setCapStyle(pen.endCap == LineCap::LineCapRound    ? Qt::RoundCap
                     : pen.endCap == LineCap::LineCapSquare ? Qt::SquareCap
                                                            : Qt::FlatCap);
  result.setJoinStyle(Qt::MiterJoin);
  switch (pen.dash) {
    case DashStyle::DashStyleDash: result.setDashPattern({3, 1}); break;
    case DashStyle::DashStyleDot: result.setDashPattern({1, 1}); break;
    case DashStyle::DashStyleDashDot: result.setDashPattern({3, 1, 1, 1}); break;
    case DashStyle::DashStyleDashDotDot: result.setDashPattern({3, 1, 1, 1, 1, 1}); break;
    default: break;
  }
  return result;
}

QPainterPath RectPath(float x, float y, float w, float h) {
  QPainterPath path;
  path.addRect(QRectF(x, y, w, h));
  return path;
}

QPainterPath EllipsePath(float x, float y, float w, float h) {
  QPainterPath path;
  path.addEllipse(QRectF(x, y, w, h));
  return path;
}

QPainterPath PolygonPath(const std::vector<TGPPointF>& points, FillMode mode) {
  QPolygonF polygon;
  for (const TGPPointF& p : points) {
    polygon << QPointF(p.X, p.Y);
  }
  QPainterPath path;
  path.addPolygon(polygon);
  path.closeSubpath();
  path.setFillRule(mode == FillMode::FillModeWinding ? Qt::WindingFill : Qt::OddEvenFill);
  return path;
}
}  // namespace

TGPGraphics::TGPGraphics(TCanvas& canvas) {
  // An empty page has nothing to draw on: the graphics object stays unusable.
  if (!canvas.HandleAllocated() || canvas.Target()->isNull()) {
    SetCreationStatus(Status::InvalidParameter);
    return;
  }
  m_nativeGraphics = std::make_unique<GpGraphics>();
  GpGraphics& g = *m_nativeGraphics;
  g.painter = canvas.BeginPainter();
  g.base = g.painter->transform();
  if (g.painter->hasClipping()) {
    QPainterPath clip;
    clip.addRegion(g.painter->clipRegion() * g.base);
    g.baseClip = clip;
  }
  g.bounds = QRectF(0, 0, canvas.Target()->width(), canvas.Target()->height());
  ApplyTransform(Drawing::Shape);
}

TGPGraphics::TGPGraphics(TGPImage* image) {
  if (!image || !image->NativeImage() || image->NativeImage()->image.isNull()) {
    return;
  }
  m_nativeGraphics = std::make_unique<GpGraphics>();
  GpGraphics& g = *m_nativeGraphics;
  g.painter = std::make_unique<QPainter>(&image->NativeImage()->image);
  g.bounds = QRectF(QPointF(0, 0), image->NativeImage()->image.size());
  ApplyTransform(Drawing::Shape);
}

TGPGraphics::~TGPGraphics() = default;

std::unique_ptr<TGPGraphics> TGPGraphics::FromImage(TGPImage* image) { return std::make_unique<TGPGraphics>(image); }

bool TGPGraphics::Ready() const { return m_nativeGraphics && m_nativeGraphics->painter; }

void TGPGraphics::ApplyTransform(Drawing drawing) {
  GpGraphics& g = *m_nativeGraphics;
  // GDI+ pixel centres sit on whole numbers, Qt's on halves: smooth drawing
  // moves by half a pixel. Qt's hard rasterizer already samples pixels
  // where GDI+ does, and pictures stay on the grid.
  const bool aa = AntiAliased(g.smoothing);
  const bool shift = aa && drawing != Drawing::Image;
  g.painter->setRenderHint(QPainter::Antialiasing, aa && drawing != Drawing::Image);
  g.painter->setRenderHint(QPainter::SmoothPixmapTransform, true);
  g.painter->setTransform(g.world * (shift ? QTransform::fromTranslate(0.5, 0.5) : QTransform()) * g.base);
}

QTransform TGPGraphics::ClipTransform() const {
  // Clips are hard-edged: they sample pixels as hard fills do.
  const GpGraphics& g = *m_nativeGraphics;
  return g.world * g.base;
}

void TGPGraphics::ApplyClip() {
  GpGraphics& g = *m_nativeGraphics;
  std::optional<QPainterPath> effective = g.baseClip;
  if (g.clip) {
    effective = effective ? effective->intersected(*g.clip) : *g.clip;
  }
  const QTransform saved = g.painter->transform();
  g.painter->resetTransform();
  if (effective) {
    g.painter->setClipPath(*effective);
  } else {
    g.painter->setClipping(false);
  }
  g.painter->setTransform(saved);
}

void TGPGraphics::Flush(FlushIntention) {}

Status TGPGraphics::Clear(ARGB color) {
  if (!Ready()) {
    return RecordStatus(Status::InvalidParameter);
  }
  QPainter& p = *m_nativeGraphics->painter;
  p.save();
  p.resetTransform();
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.fillRect(m_nativeGraphics->bounds, Gdip::ToQColor(color));
  p.restore();
  return Status::Ok;
}

Status TGPGraphics::SetTransform(const TGPMatrix& matrix) {
  if (!Ready() || !matrix.NativeMatrix()) {
    return RecordStatus(Status::InvalidParameter);
  }
  m_nativeGraphics->world = *matrix.NativeMatrix();
  return Status::Ok;
}

Status TGPGraphics::ResetTransform() {
  if (!Ready()) {
    return RecordStatus(Status::InvalidParameter);
  }
  m_nativeGraphics->world.reset();
  return Status::Ok;
}

Status TGPGraphics::SetCompositingQuality(CompositingQuality quality) {
  if (!Ready()) {
    return RecordStatus(Status::InvalidParameter);
  }
  m_nativeGraphics->compositing = quality;
  return Status::Ok;
}

CompositingQuality TGPGraphics::GetCompositingQuality() {
  if (!Ready()) {
    RecordStatus(Status::InvalidParameter);
    return CompositingQuality::CompositingQualityInvalid;
  }
  return m_nativeGraphics->compositing;
}

Status TGPGraphics::SetTextRenderingHint(TextRenderingHint hint) {
  if (!Ready()) {
    return RecordStatus(Status::InvalidParameter);
  }
  m_nativeGraphics->textHint = hint;
  return Status::Ok;
}

TextRenderingHint TGPGraphics::GetTextRenderingHint() {
  if (!Ready()) {
    RecordStatus(Status::InvalidParameter);
    return TextRenderingHint::TextRenderingHintSystemDefault;
  }
  return m_nativeGraphics->textHint;
}

Status TGPGraphics::SetSmoothingMode(SmoothingMode mode) {
  if (!Ready() || mode == SmoothingMode::SmoothingModeInvalid) {
    return RecordStatus(Status::InvalidParameter);
  }
  m_nativeGraphics->smoothing = mode == SmoothingMode::SmoothingModeDefault ? SmoothingMode::SmoothingModeNone : mode;
  return Status::Ok;
}

SmoothingMode TGPGraphics::GetSmoothingMode() {
  if (!Ready()) {
    RecordStatus(Status::InvalidParameter);
    return SmoothingMode::SmoothingModeInvalid;
  }
  return m_nativeGraphics->smoothing;
}

Status TGPGraphics::FillShape(const TGPBrush& brush, const QPainterPath& shape) {
  if (!Ready() || !brush.NativeBrush()) {
    return RecordStatus(Status::InvalidParameter);
  }
  const Gdip::GpBrush& native = *brush.NativeBrush();
  QPainterPath area = shape;
  // A path gradient paints only inside its path; a clamped texture only over its picture.
  if (native.kind == Gdip::GpBrush::Kind::PathGradient) {
    area = area.intersected(native.boundary);
  } else if (native.kind == Gdip::GpBrush::Kind::Texture && native.wrap == WrapMode::WrapModeClamp && native.texture) {
    QPainterPath picture;
    picture.addRect(QRectF(QPointF(0, 0), native.texture->image.size()));
    area = area.intersected(native.transform.map(picture));
  }
  ApplyTransform(Drawing::Shape);
  m_nativeGraphics->painter->fillPath(area, Gdip::ToQBrush(native, area.boundingRect() & m_nativeGraphics->PaintArea()));
  return Status::Ok;
}

Status TGPGraphics::StrokeShape(const TGPPen& pen, const QPainterPath& shape) {
  if (!Ready() || !pen.NativePen()) {
    return RecordStatus(Status::InvalidParameter);
  }
  ApplyTransform(Drawing::Shape);
  m_nativeGraphics->painter->strokePath(shape, ToQPen(*pen.NativePen(), m_nativeGraphics->PaintArea()));
  return Status::Ok;
}

Status TGPGraphics::DrawPath(const TGPPen* pen, const TGPGraphicsPath* path) {
  if (!pen || !path || !path->NativePath()) {
    return RecordStatus(Status::InvalidParameter);
  }
  return StrokeShape(*pen, path->NativePath()->path);
}

Status TGPGraphics::FillPath(const TGPBrush& brush, const TGPGraphicsPath& path) {
  if (!path.NativePath()) {
    return RecordStatus(Status::InvalidParameter);
  }
  return FillShape(brush, path.NativePath()->path);
}

Status TGPGraphics::FillRectangle(const TGPBrush& brush, const TGPRectF& rect) {
  return FillShape(brush, RectPath(rect.X, rect.Y, rect.Width, rect.Height));
}

Status TGPGraphics::FillRectangle(const TGPBrush& brush, float x, float y, float width, float height) {
  return FillShape(brush, RectPath(x, y, width, height));
}

Status TGPGraphics::DrawRectangle(const TGPPen& pen, const TGPRectF& rect) {
  return StrokeShape(pen, RectPath(rect.X, rect.Y, rect.Width, rect.Height));
}

Status TGPGraphics::DrawRectangle(const TGPPen& pen, float x, float y, float width, float height) {
  return StrokeShape(pen, RectPath(x, y, width, height));
}

Status TGPGraphics::DrawLine(const TGPPen& pen, float x1, float y1, float x2, float y2) {
  QPainterPath line(QPointF(x1, y1));
  line.lineTo(x2, y2);
  return StrokeShape(pen, line);
}

Status TGPGraphics::DrawArc(const TGPPen& pen, float x, float y, float width, float height, float startAngle,
                            float sweepAngle) {
  const QRectF box(x, y, width, height);
  QPainterPath arc;
  arc.arcMoveTo(box, -startAngle);
  arc.arcTo(box, -startAngle, -sweepAngle);
  return StrokeShape(pen, arc);
}

Status TGPGraphics::DrawEllipse(const TGPPen& pen, float x, float y, float width, float height) {
  return StrokeShape(pen, EllipsePath(x, y, width, height));
}

Status TGPGraphics::DrawEllipse(const TGPPen& pen, int x, int y, int width, int height) {
  return StrokeShape(pen, EllipsePath(float(x), float(y), float(width), float(height)));
}

Status TGPGraphics::FillEllipse(const TGPBrush& brush, float x, float y, float width, float height) {
  return FillShape(brush, EllipsePath(x, y, width, height));
}

Status TGPGraphics::FillEllipse(const TGPBrush& brush, int x, int y, int width, int height) {
  return FillShape(brush, EllipsePath(float(x), float(y), float(width), float(height)));
}

Status TGPGraphics::FillPolygon(const TGPBrush& brush, const std::vector<TGPPointF>& points, FillMode fillMode) {
  if (points.size() < 3) {
    return RecordStatus(Status::InvalidParameter);
  }
  return FillShape(brush, PolygonPath(points, fillMode));
}

Status TGPGraphics::FillPolygon(const TGPBrush& brush, const std::vector<TGPPoint>& points, FillMode fillMode) {
  std::vector<TGPPointF> floats;
  for (const TGPPoint& p : points) {
    floats.push_back({float(p.X), float(p.Y)});
  }
  return FillPolygon(brush, floats, fillMode);
}

Status TGPGraphics::DrawImageImpl(const TGPImage* image, const QRectF& dest, const QRectF& source,
                                  const TGPImageAttributes* attributes) {
  if (!Ready() || !image || !image->NativeImage()) {
    return RecordStatus(Status::InvalidParameter);
  }
  const QImage& picture = image->NativeImage()->image;
  if (picture.isNull()) {
    return RecordStatus(Status::InvalidParameter);
  }
  ApplyTransform(Drawing::Image);
  if (attributes && attributes->NativeImageAttr()) {
    m_nativeGraphics->painter->drawImage(dest, attributes->NativeImageAttr()->Apply(picture), source);
  } else {
    m_nativeGraphics->painter->drawImage(dest, picture, source);
  }
  return Status::Ok;
}

Status TGPGraphics::DrawImage(const TGPImage* image, const TGPRectF& rect) {
  const QImage* picture = image && image->NativeImage() ? &image->NativeImage()->image : nullptr;
  return DrawImageImpl(image, QRectF(rect.X, rect.Y, rect.Width, rect.Height),
                       picture ? QRectF(picture->rect()) : QRectF(), nullptr);
}

Status TGPGraphics::DrawImage(const TGPImage* image, int x, int y) {
  const QImage* picture = image && image->NativeImage() ? &image->NativeImage()->image : nullptr;
  const QRectF own = picture ? QRectF(picture->rect()) : QRectF();
  return DrawImageImpl(image, own.translated(x, y), own, nullptr);
}

Status TGPGraphics::DrawImage(const TGPImage* image, const TGPRectF& dest, float srcX, float srcY, float srcWidth,
                              float srcHeight, Unit_, const TGPImageAttributes* attributes) {
  return DrawImageImpl(image, QRectF(dest.X, dest.Y, dest.Width, dest.Height),
                       QRectF(srcX, srcY, srcWidth, srcHeight), attributes);
}

Status TGPGraphics::DrawImageRect(const TGPImage* image, int x, int y, int width, int height) {
  return DrawImage(image, TGPRectF{float(x), float(y), float(width), float(height)});
}

Status TGPGraphics::DrawImageRect(const TGPImage* image, const TGPRectF& rect) {
  return DrawImageRect(image, Round(rect.X), Round(rect.Y), Round(rect.Width), Round(rect.Height));
}

Status TGPGraphics::CombineClip(const QPainterPath& devicePath, CombineMode mode) {
  GpGraphics& g = *m_nativeGraphics;
  QPainterPath everything;
  everything.addRect(g.bounds.adjusted(-1, -1, 1, 1));
  const QPainterPath current = g.clip ? *g.clip : everything;
  switch (mode) {
    case CombineMode::CombineModeReplace: g.clip = devicePath; break;
    case CombineMode::CombineModeIntersect: g.clip = current.intersected(devicePath); break;
    case CombineMode::CombineModeUnion: g.clip = current.united(devicePath); break;
    case CombineMode::CombineModeXor:
      g.clip = current.subtracted(devicePath).united(devicePath.subtracted(current));
      break;
    case CombineMode::CombineModeExclude: g.clip = current.subtracted(devicePath); break;
    case CombineMode::CombineModeComplement: g.clip = devicePath.subtracted(current); break;
  }
  ApplyClip();
  return Status::Ok;
}

Status TGPGraphics::SetClip(const TGPRegion& region, CombineMode mode) {
  if (!Ready() || !region.NativeRegion()) {
    return RecordStatus(Status::InvalidParameter);
  }
  return CombineClip(ClipTransform().map(region.NativeRegion()->path), mode);
}

Status TGPGraphics::SetClip(const TGPGraphicsPath& path, CombineMode mode) {
  if (!Ready() || !path.NativePath()) {
    return RecordStatus(Status::InvalidParameter);
  }
  return CombineClip(ClipTransform().map(path.NativePath()->path), mode);
}

Status TGPGraphics::ExcludeClip(const TGPRectF& rect) {
  if (!Ready()) {
    return RecordStatus(Status::InvalidParameter);
  }
  return CombineClip(ClipTransform().map(RectPath(rect.X, rect.Y, rect.Width, rect.Height)),
                     CombineMode::CombineModeExclude);
}

Status TGPGraphics::ExcludeClip(const TGPRegion& region) { return SetClip(region, CombineMode::CombineModeExclude); }

Status TGPGraphics::ResetClip() {
  if (!Ready()) {
    return RecordStatus(Status::InvalidParameter);
  }
  m_nativeGraphics->clip.reset();
  ApplyClip();
  return Status::Ok;
}

unsigned TGPGraphics::Save() {
  if (!Ready()) {
    RecordStatus(Status::InvalidParameter);
    return 0;
  }
  GpGraphics& g = *m_nativeGraphics;
  g.saved.push_back({g.world, g.clip, g.smoothing});
  return unsigned(g.saved.size());
}

Status TGPGraphics::Restore(unsigned state) {
  if (!Ready() || state == 0 || state > m_nativeGraphics->saved.size()) {
    return RecordStatus(Status::InvalidParameter);
  }
  GpGraphics& g = *m_nativeGraphics;
  const GpGraphics::Saved saved = g.saved[state - 1];
  g.saved.resize(state - 1);
  g.world = saved.world;
  g.clip = saved.clip;
  g.smoothing = saved.smoothing;
  ApplyClip();
  return Status::Ok;
}
