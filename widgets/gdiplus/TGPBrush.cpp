#include "widgets/gdiplus/TGPBrush.h"

#include <cmath>

#include "widgets/gdiplus/GdipNative.h"
#include "widgets/gdiplus/HatchPatterns.h"
#include "widgets/gdiplus/TGPGraphicsPath.h"
#include "widgets/gdiplus/TGPImage.h"
#include "widgets/gdiplus/TGPImageAttributes.h"

using Gdip::GpBrush;

namespace {
std::unique_ptr<GpBrush> MakeBrush(GpBrush::Kind kind) {
  auto brush = std::make_unique<GpBrush>();
  brush->kind = kind;
  return brush;
}

std::unique_ptr<GpBrush> LinearBrush(QPointF start, QPointF end, ARGB color1, ARGB color2) {
  auto brush = MakeBrush(GpBrush::Kind::LinearGradient);
  brush->start = start;
  brush->end = end;
  brush->stops = {{0.0, Gdip::ToQColor(color1)}, {1.0, Gdip::ToQColor(color2)}};
  return brush;
}

// The gradient line of a rectangle for a direction: the colour is constant
// across it, and the rectangle's extreme corners take the two end colours.
std::pair<QPointF, QPointF> LineAcross(const QRectF& r, QPointF direction) {
  const double length = std::hypot(direction.x(), direction.y());
  if (length == 0) {
    return {r.topLeft(), r.topLeft()};
  }
  const QPointF d = direction / length;
  const QPointF corners[4] = {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()};
  double lo = 0;
  double hi = 0;
  QPointF from = corners[0];
  for (int i = 0; i < 4; ++i) {
    const double projection = QPointF::dotProduct(corners[i], d);
    if (i == 0 || projection < lo) {
      lo = projection;
      from = corners[i];
    }
    if (i == 0 || projection > hi) {
      hi = projection;
    }
  }
  return {from, from + d * (hi - lo)};
}

std::pair<QPointF, QPointF> LineForMode(const QRectF& r, LinearGradientMode mode) {
  switch (mode) {
    case LinearGradientMode::LinearGradientModeHorizontal: return {r.topLeft(), r.topRight()};
    case LinearGradientMode::LinearGradientModeVertical: return {r.topLeft(), r.bottomLeft()};
    case LinearGradientMode::LinearGradientModeForwardDiagonal:
      return LineAcross(r, QPointF(r.height(), r.width()));
    case LinearGradientMode::LinearGradientModeBackwardDiagonal:
      return LineAcross(r, QPointF(-r.height(), r.width()));
  }
  return {r.topLeft(), r.topRight()};
}

std::pair<QPointF, QPointF> LineForAngle(const QRectF& r, float angle, bool scalable) {
  const double radians = angle * M_PI / 180.0;
  QPointF direction(std::cos(radians), std::sin(radians));
  if (scalable && r.width() > 0 && r.height() > 0) {
    direction = QPointF(direction.x() * r.height(), direction.y() * r.width());
  }
  return LineAcross(r, direction);
}

std::vector<std::pair<double, QColor>> PresetStops(const ARGB* colors, const float* positions, int count) {
  std::vector<std::pair<double, QColor>> stops;
  for (int i = 0; i < count; ++i) {
    stops.emplace_back(positions[i], Gdip::ToQColor(colors[i]));
  }
  return stops;
}
}  // namespace

TGPBrush::TGPBrush() : TGdiplusBase(Status::NotImplemented) {}

TGPBrush::TGPBrush(std::unique_ptr<GpBrush> native, Status status)
    : TGdiplusBase(status), m_nativeBrush(std::move(native)) {}

TGPBrush::~TGPBrush() = default;

void TGPBrush::SetNativeBrush(std::unique_ptr<GpBrush> native) {
  m_nativeBrush = std::move(native);
  SetCreationStatus(Status::Ok);
}

TGPSolidBrush::TGPSolidBrush(ARGB color) {
  auto brush = MakeBrush(GpBrush::Kind::Solid);
  brush->color = Gdip::ToQColor(color);
  SetNativeBrush(std::move(brush));
}

Status TGPSolidBrush::GetColor(ARGB& color) {
  if (!m_nativeBrush) {
    return RecordStatus(Status::InvalidParameter);
  }
  color = Gdip::FromQColor(m_nativeBrush->color);
  return Status::Ok;
}

Status TGPSolidBrush::SetColor(ARGB color) {
  if (!m_nativeBrush) {
    return RecordStatus(Status::InvalidParameter);
  }
  m_nativeBrush->color = Gdip::ToQColor(color);
  return Status::Ok;
}

TGPHatchBrush::TGPHatchBrush(HatchStyle style, ARGB foreColor, ARGB backColor) {
  if (!Gdip::HatchPatternRows(style)) {
    SetCreationStatus(Status::InvalidParameter);
    return;
  }
  auto brush = MakeBrush(GpBrush::Kind::Hatch);
  brush->hatch = style;
  brush->color = Gdip::ToQColor(foreColor);
  brush->background = Gdip::ToQColor(backColor);
  SetNativeBrush(std::move(brush));
}

HatchStyle TGPHatchBrush::GetHatchStyle() {
  if (!m_nativeBrush) {
    RecordStatus(Status::InvalidParameter);
    return HatchStyle::HatchStyleHorizontal;
  }
  return m_nativeBrush->hatch;
}

Status TGPHatchBrush::GetForegroundColor(ARGB& color) {
  if (!m_nativeBrush) {
    return RecordStatus(Status::InvalidParameter);
  }
  color = Gdip::FromQColor(m_nativeBrush->color);
  return Status::Ok;
}

Status TGPHatchBrush::GetBackgroundColor(ARGB& color) {
  if (!m_nativeBrush) {
    return RecordStatus(Status::InvalidParameter);
  }
  color = Gdip::FromQColor(m_nativeBrush->background);
  return Status::Ok;
}

TGPTextureBrush::TGPTextureBrush(const TGPImage& image, WrapMode wrapMode)
    : TGPTextureBrush(image, wrapMode, 0, 0, float(image.NativeImage() ? image.NativeImage()->image.width() : 0),
                      float(image.NativeImage() ? image.NativeImage()->image.height() : 0)) {}

TGPTextureBrush::TGPTextureBrush(const TGPImage& image, WrapMode wrapMode, const TGPRectF& dstRect)
    : TGPTextureBrush(image, wrapMode, dstRect.X, dstRect.Y, dstRect.Width, dstRect.Height) {}

TGPTextureBrush::TGPTextureBrush(const TGPImage& image, WrapMode wrapMode, float x, float y, float width,
                                 float height) {
  if (!image.NativeImage() || image.NativeImage()->image.isNull()) {
    SetCreationStatus(Status::InvalidParameter);
    return;
  }
  // The rectangle picks the part of the image that makes the tile.
  auto brush = MakeBrush(GpBrush::Kind::Texture);
  brush->texture = std::make_shared<Gdip::GpImage>(*image.NativeImage());
  brush->texture->image = brush->texture->image.copy(QRectF(x, y, width, height).toRect());
  brush->wrap = wrapMode;
  SetNativeBrush(std::move(brush));
}

TGPTextureBrush::TGPTextureBrush(const TGPImage& image, const TGPRectF& dstRect,
                                 const TGPImageAttributes* attributes)
    : TGPTextureBrush(image, WrapMode::WrapModeTile, dstRect) {
  if (m_nativeBrush && attributes && attributes->NativeImageAttr()) {
    m_nativeBrush->texture->image = attributes->NativeImageAttr()->Apply(m_nativeBrush->texture->image);
    m_nativeBrush->wrap = attributes->NativeImageAttr()->wrap;
  }
}

Status TGPTextureBrush::ResetTransform() {
  if (!m_nativeBrush) {
    return RecordStatus(Status::InvalidParameter);
  }
  m_nativeBrush->transform.reset();
  return Status::Ok;
}

namespace {
Status CombineTransform(GpBrush* brush, const QTransform& t, MatrixOrder order) {
  if (!brush) {
    return Status::InvalidParameter;
  }
  brush->transform = order == MatrixOrder::MatrixOrderPrepend ? t * brush->transform : brush->transform * t;
  return Status::Ok;
}
}  // namespace

Status TGPTextureBrush::TranslateTransform(float dx, float dy, MatrixOrder order) {
  return RecordStatus(CombineTransform(m_nativeBrush.get(), QTransform::fromTranslate(dx, dy), order));
}

Status TGPTextureBrush::ScaleTransform(float sx, float sy, MatrixOrder order) {
  return RecordStatus(CombineTransform(m_nativeBrush.get(), QTransform::fromScale(sx, sy), order));
}

Status TGPTextureBrush::RotateTransform(float angle, MatrixOrder order) {
  QTransform r;
  r.rotate(angle);
  return RecordStatus(CombineTransform(m_nativeBrush.get(), r, order));
}

Status TGPTextureBrush::SetWrapMode(WrapMode wrapMode) {
  if (!m_nativeBrush) {
    return RecordStatus(Status::InvalidParameter);
  }
  m_nativeBrush->wrap = wrapMode;
  return Status::Ok;
}

WrapMode TGPTextureBrush::GetWrapMode() {
  if (!m_nativeBrush) {
    RecordStatus(Status::InvalidParameter);
    return WrapMode::WrapModeTile;
  }
  return m_nativeBrush->wrap;
}

std::unique_ptr<TGPImage> TGPTextureBrush::GetImage() {
  if (!m_nativeBrush) {
    RecordStatus(Status::InvalidParameter);
    return std::make_unique<TGPImage>(nullptr, Status::InvalidParameter);
  }
  return std::make_unique<TGPImage>(std::make_unique<Gdip::GpImage>(*m_nativeBrush->texture), Status::Ok);
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPPointF& point1, const TGPPointF& point2, ARGB color1,
                                               ARGB color2) {
  SetNativeBrush(LinearBrush(QPointF(point1.X, point1.Y), QPointF(point2.X, point2.Y), color1, color2));
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPPoint& point1, const TGPPoint& point2, ARGB color1,
                                               ARGB color2) {
  SetNativeBrush(LinearBrush(QPointF(point1.X, point1.Y), QPointF(point2.X, point2.Y), color1, color2));
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRectF& rect, ARGB color1, ARGB color2,
                                               LinearGradientMode mode) {
  const auto [from, to] = LineForMode(QRectF(rect.X, rect.Y, rect.Width, rect.Height), mode);
  SetNativeBrush(LinearBrush(from, to, color1, color2));
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRect& rect, ARGB color1, ARGB color2,
                                               LinearGradientMode mode)
    : TGPLinearGradientBrush(TGPRectF{float(rect.X), float(rect.Y), float(rect.Width), float(rect.Height)}, color1,
                             color2, mode) {}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRectF& rect, ARGB color1, ARGB color2, float angle,
                                               bool isAngleScalable) {
  const auto [from, to] = LineForAngle(QRectF(rect.X, rect.Y, rect.Width, rect.Height), angle, isAngleScalable);
  SetNativeBrush(LinearBrush(from, to, color1, color2));
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRect& rect, ARGB color1, ARGB color2, float angle,
                                               bool isAngleScalable)
    : TGPLinearGradientBrush(TGPRectF{float(rect.X), float(rect.Y), float(rect.Width), float(rect.Height)}, color1,
                             color2, angle, isAngleScalable) {}

Status TGPLinearGradientBrush::SetGammaCorrection(bool useGammaCorrection) {
  if (!m_nativeBrush) {
    return RecordStatus(Status::InvalidParameter);
  }
  m_nativeBrush->gamma = useGammaCorrection;
  return Status::Ok;
}

Status TGPLinearGradientBrush::SetInterpolationColors(const ARGB* presetColors, const float* blendPositions,
                                                      int count) {
  if (count <= 0 || !presetColors || !blendPositions || !m_nativeBrush) {
    return RecordStatus(Status::InvalidParameter);
  }
  m_nativeBrush->stops = PresetStops(presetColors, blendPositions, count);
  return Status::Ok;
}

TGPPathGradientBrush::TGPPathGradientBrush(const TGPGraphicsPath& path) {
  if (!path.NativePath()) {
    SetCreationStatus(Status::InvalidParameter);
    return;
  }
  auto brush = MakeBrush(GpBrush::Kind::PathGradient);
  brush->boundary = path.NativePath()->path;
  brush->ellipticBoundary = path.NativePath()->ellipseOnly;
  brush->centre = brush->boundary.boundingRect().center();
  brush->centreColor = Qt::black;
  brush->surround = {Qt::white};
  brush->wrap = WrapMode::WrapModeClamp;
  SetNativeBrush(std::move(brush));
}

Status TGPPathGradientBrush::SetCenterColor(ARGB color) {
  if (!m_nativeBrush) {
    return RecordStatus(Status::InvalidParameter);
  }
  m_nativeBrush->centreColor = Gdip::ToQColor(color);
  return Status::Ok;
}

Status TGPPathGradientBrush::GetCenterColor(ARGB& color) {
  if (!m_nativeBrush) {
    return RecordStatus(Status::InvalidParameter);
  }
  color = Gdip::FromQColor(m_nativeBrush->centreColor);
  return Status::Ok;
}

Status TGPPathGradientBrush::SetCenterPoint(const TGPPointF& point) {
  if (!m_nativeBrush) {
    return RecordStatus(Status::InvalidParameter);
  }
  m_nativeBrush->centre = QPointF(point.X, point.Y);
  return Status::Ok;
}

Status TGPPathGradientBrush::SetCenterPoint(const TGPPoint& point) {
  return SetCenterPoint(TGPPointF{float(point.X), float(point.Y)});
}

Status TGPPathGradientBrush::GetCenterPoint(TGPPointF& point) {
  if (!m_nativeBrush) {
    return RecordStatus(Status::InvalidParameter);
  }
  point = {float(m_nativeBrush->centre.x()), float(m_nativeBrush->centre.y())};
  return Status::Ok;
}

Status TGPPathGradientBrush::GetCenterPoint(TGPPoint& point) {
  TGPPointF f;
  const Status s = GetCenterPoint(f);
  if (s == Status::Ok) {
    point = {int(std::lround(f.X)), int(std::lround(f.Y))};
  }
  return s;
}

int TGPPathGradientBrush::GetPointCount() {
  if (!m_nativeBrush) {
    RecordStatus(Status::InvalidParameter);
    return 0;
  }
  return Gdip::PathPointCount(m_nativeBrush->boundary);
}

Status TGPPathGradientBrush::SetSurroundColors(const ARGB* colors, int& count) {
  if (!colors || !m_nativeBrush) {
    return RecordStatus(Status::InvalidParameter);
  }
  const int points = GetPointCount();
  if (count <= 0 || points < count) {
    return RecordStatus(Status::InvalidParameter);
  }
  m_nativeBrush->surround.clear();
  for (int i = 0; i < count; ++i) {
    m_nativeBrush->surround.push_back(Gdip::ToQColor(colors[i]));
  }
  return Status::Ok;
}

Status TGPPathGradientBrush::GetSurroundColors(ARGB* colors, int& count) {
  if (!colors || !m_nativeBrush) {
    return RecordStatus(Status::InvalidParameter);
  }
  const int available = int(m_nativeBrush->surround.size());
  if (count < available || count <= 0) {
    return RecordStatus(Status::InsufficientBuffer);
  }
  for (int i = 0; i < available; ++i) {
    colors[i] = Gdip::FromQColor(m_nativeBrush->surround[std::size_t(i)]);
  }
  count = available;
  return Status::Ok;
}

Status TGPPathGradientBrush::SetWrapMode(WrapMode wrapMode) {
  if (!m_nativeBrush) {
    return RecordStatus(Status::InvalidParameter);
  }
  m_nativeBrush->wrap = wrapMode;
  return Status::Ok;
}

Status TGPPathGradientBrush::SetGammaCorrection(bool useGammaCorrection) {
  if (!m_nativeBrush) {
    return RecordStatus(Status::InvalidParameter);
  }
  m_nativeBrush->gamma = useGammaCorrection;
  return Status::Ok;
}

Status TGPPathGradientBrush::SetInterpolationColors(const ARGB* presetColors, const float* blendPositions,
                                                    int count) {
  if (!presetColors || !blendPositions || count <= 0 || !m_nativeBrush) {
    return RecordStatus(Status::InvalidParameter);
  }
  m_nativeBrush->blend = PresetStops(presetColors, blendPositions, count);
  return Status::Ok;
}
