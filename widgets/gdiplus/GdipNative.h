#pragma once

#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include <QBrush>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include "widgets/gdiplus/GdiPlusTypes.h"

/// The native objects behind the GDI+ wrappers: what each handle holds on
/// top of Qt. Only the wrappers use them. GUI thread only.
namespace Gdip {

QColor ToQColor(ARGB argb);
ARGB FromQColor(const QColor& color);

struct GpPath {
  QPainterPath path;
  FillMode fillMode = FillMode::FillModeAlternate;
  /// A figure is open and the next segment joins it.
  bool figureOpen = false;
  /// The path is one ellipse and nothing else.
  bool ellipseOnly = false;
};

struct GpImage {
  QImage image;  ///< ARGB32
  TGPImageFormat format = TGPImageFormat::ifUndefined;
  PixelFormat pixelFormat = PixelFormat32bppARGB;
};

/// Every brush kind in one record.
struct GpBrush {
  enum class Kind { Solid, Hatch, Texture, LinearGradient, PathGradient };
  Kind kind = Kind::Solid;
  QColor color;  ///< solid; hatch foreground
  QColor background;  ///< hatch background
  HatchStyle hatch = HatchStyle::HatchStyleHorizontal;
  std::shared_ptr<GpImage> texture;
  WrapMode wrap = WrapMode::WrapModeTile;
  QTransform transform;
  // Linear gradient: the line from start to end; colours by position 0..1.
  QPointF start;
  QPointF end;
  std::vector<std::pair<double, QColor>> stops;
  bool gamma = false;
  // Path gradient: the boundary, the centre point and colours.
  QPainterPath boundary;
  bool ellipticBoundary = false;
  QPointF centre;
  QColor centreColor;
  std::vector<QColor> surround;
  /// Preset blend of a path gradient, positions from the boundary (0) to the centre (1).
  std::vector<std::pair<double, QColor>> blend;
};

/// The point number of each element of a path. A line that only closes
/// its figure back to the start (Qt adds one on closing; GDI+ only marks
/// the figure closed) is no point of its own: it carries the start's number.
std::vector<int> PathPointIndexes(const QPainterPath& path);
/// The number of points of a path, as GDI+ counts them.
int PathPointCount(const QPainterPath& path);

/// The Qt brush that paints a GDI+ brush over `paintArea` (in the brush's
/// coordinates: the part of the surface, inside the clip, that the drawing
/// can change). Brushes held as pictures are made only that large.
QBrush ToQBrush(const GpBrush& brush, const QRectF& paintArea);

struct GpPen {
  QColor color;
  float width = 1;
  DashStyle dash = DashStyle::DashStyleSolid;
  LineCap endCap = LineCap::LineCapFlat;
  std::unique_ptr<GpBrush> brush;  ///< a fill other than one colour
};

struct GpRegion {
  QPainterPath path;
};

struct GpFontFamily {
  QString family;  ///< the face name as asked for
};

struct GpFont {
  QString family;
  float emSize = 0;
  int style = FontStyleRegular;
  Unit_ unit = Unit_::UnitPoint;
  /// Em height in pixels at 96 DPI.
  double PixelSize() const;
  QFont ToQFont() const;
};

struct GpStringFormat {
  int flags = 0;
  int language = 0;
  StringAlignment alignment = StringAlignment::StringAlignmentNear;
  StringAlignment lineAlignment = StringAlignment::StringAlignmentNear;
  StringTrimming trimming = StringTrimming::StringTrimmingCharacter;
  HotkeyPrefix hotkeyPrefix = HotkeyPrefix::HotkeyPrefixNone;
};

struct GpImageAttributes {
  bool colorKey = false;
  ARGB keyLow = 0;
  ARGB keyHigh = 0;
  bool colorMatrix = false;
  ColorMatrix matrix;
  bool threshold = false;
  float thresholdValue = 0;
  bool gamma = false;
  float gammaValue = 1;
  bool noOp = false;
  std::vector<ColorMap> remap;
  WrapMode wrap = WrapMode::WrapModeClamp;
  /// The image with these attributes applied.
  QImage Apply(const QImage& image) const;
};

/// A drawing surface: a painter on a canvas's image or on a picture, the
/// world transform and the clip (device pixels) on top of the surface's own.
struct GpGraphics {
  std::unique_ptr<QPainter> painter;
  QTransform base;  ///< logical to device of the surface (canvas origins)
  std::optional<QPainterPath> baseClip;  ///< the surface's own clip
  std::optional<QPainterPath> clip;  ///< set with SetClip; none = infinite
  QRectF bounds;  ///< the whole surface in device pixels
  QTransform world;
  SmoothingMode smoothing = SmoothingMode::SmoothingModeNone;
  CompositingQuality compositing = CompositingQuality::CompositingQualityDefault;
  TextRenderingHint textHint = TextRenderingHint::TextRenderingHintSystemDefault;
  struct Saved {
    QTransform world;
    std::optional<QPainterPath> clip;
    SmoothingMode smoothing;
  };
  std::vector<Saved> saved;

  /// The part of the surface, inside the painter's clip, that drawing can
  /// change, in the painter's current logical coordinates.
  QRectF PaintArea() const;
};

}  // namespace Gdip
