#pragma once

#include <memory>
#include <vector>

#include <QString>

#include "platform/drawing/TColor.h"
#include "platform/core/TRect.h"
#include "widgets/gdiplus/TGdiplusBase.h"

namespace Gdip {
struct GpGraphics;
}
class QPainterPath;
class QRectF;
class QTransform;
class TCanvas;
class TFont;
class TGPBrush;
class TGPFont;
class TGPGraphicsPath;
class TGPImage;
class TGPImageAttributes;
class TGPMatrix;
class TGPPen;
class TGPRegion;
class TGPStringFormat;

/// A GDI+ drawing surface over QPainter: on a canvas (its origins and clip
/// apply) or on an image. Coordinates follow GDI+: pixel centres lie on
/// whole numbers, so anti-aliased drawing is moved by half a pixel onto
/// Qt's grid, and clips include the pixels whose centres lie inside.
/// Text is measured with GDI+'s padding of a sixth of the em height at
/// each end of a line; lines break only at line feeds. Owned by its
/// creator and freed before the canvas's paint ends. GUI thread only.
class TGPGraphics : public TGdiplusBase {
public:
  explicit TGPGraphics(TCanvas& canvas);
  /// A surface on the image; without an image there is no surface (status Ok).
  explicit TGPGraphics(TGPImage* image);
  ~TGPGraphics() override;

  static std::unique_ptr<TGPGraphics> FromImage(TGPImage* image);

  void Flush(FlushIntention intention = FlushIntention::FlushIntentionFlush);
  Status Clear(ARGB color);
  Status SetTransform(const TGPMatrix& matrix);
  Status ResetTransform();
  Status SetCompositingQuality(CompositingQuality quality);
  CompositingQuality GetCompositingQuality();
  Status SetTextRenderingHint(TextRenderingHint hint);
  TextRenderingHint GetTextRenderingHint();
  Status SetSmoothingMode(SmoothingMode mode);
  /// SmoothingModeInvalid (-1) without a surface.
  SmoothingMode GetSmoothingMode();

  Status DrawPath(const TGPPen* pen, const TGPGraphicsPath* path);
  Status FillPath(const TGPBrush& brush, const TGPGraphicsPath& path);
  Status FillRectangle(const TGPBrush& brush, const TGPRectF& rect);
  Status FillRectangle(const TGPBrush& brush, float x, float y, float width, float height);
  Status DrawRectangle(const TGPPen& pen, const TGPRectF& rect);
  Status DrawRectangle(const TGPPen& pen, float x, float y, float width, float height);
  Status DrawLine(const TGPPen& pen, float x1, float y1, float x2, float y2);
  Status DrawArc(const TGPPen& pen, float x, float y, float width, float height, float startAngle,
                 float sweepAngle);
  Status DrawEllipse(const TGPPen& pen, float x, float y, float width, float height);
  Status DrawEllipse(const TGPPen& pen, int x, int y, int width, int height);
  Status FillEllipse(const TGPBrush& brush, float x, float y, float width, float height);
  Status FillEllipse(const TGPBrush& brush, int x, int y, int width, int height);
  Status FillPolygon(const TGPBrush& brush, const std::vector<TGPPointF>& points,
                     FillMode fillMode = FillMode::FillModeAlternate);
  Status FillPolygon(const TGPBrush& brush, const std::vector<TGPPoint>& points,
                     FillMode fillMode = FillMode::FillModeAlternate);
  /// Scaled into the rectangle.
  Status DrawImage(const TGPImage* image, const TGPRectF& rect);
  /// At its own size with its top-left at the point.
  Status DrawImage(const TGPImage* image, int x, int y);
  /// The source rectangle (in srcUnit, pixels) scaled into dest, with the
  /// attributes' colour changes.
  Status DrawImage(const TGPImage* image, const TGPRectF& dest, float srcX, float srcY, float srcWidth,
                   float srcHeight, Unit_ srcUnit, const TGPImageAttributes* attributes);
  Status DrawImageRect(const TGPImage* image, int x, int y, int width, int height);
  /// The rectangle is first rounded to whole pixels (halves to even).
  Status DrawImageRect(const TGPImage* image, const TGPRectF& rect);

  Status SetClip(const TGPRegion& region, CombineMode mode = CombineMode::CombineModeReplace);
  Status SetClip(const TGPGraphicsPath& path, CombineMode mode = CombineMode::CombineModeReplace);
  Status ExcludeClip(const TGPRectF& rect);
  Status ExcludeClip(const TGPRegion& region);
  Status ResetClip();
  /// Saves the transform, smoothing mode and clip; Restore goes back to a
  /// saved state and drops the ones saved after it.
  unsigned Save();
  Status Restore(unsigned state);

  /// Measures length characters of text (all for -1) laid out in the
  /// rectangle; codepointsFitted and linesFilled may be null.
  Status MeasureString(const QString& text, int length, const TGPFont* font, const TGPRectF& layoutRect,
                       const TGPStringFormat* format, TGPRectF& boundingBox, int* codepointsFitted = nullptr,
                       int* linesFilled = nullptr);
  Status MeasureString(const QString& text, int length, const TGPFont* font, const TGPRectF& layoutRect,
                       TGPRectF& boundingBox);
  Status MeasureString(const QString& text, int length, const TGPFont* font, const TGPPointF& origin,
                       const TGPStringFormat* format, TGPRectF& boundingBox);
  Status DrawString(const QString& text, int length, const TGPFont* font, const TGPRectF& layoutRect,
                    const TGPStringFormat* format, const TGPBrush* brush);
  Status DrawString(const QString& text, int length, const TGPFont* font, const TGPPointF& origin,
                    const TGPBrush* brush);
  Status DrawString(const QString& text, int length, const TGPFont* font, const TGPPointF& origin,
                    const TGPStringFormat* format, const TGPBrush* brush);

  /// A GDI+ font for a VCL font: its face (or Arial when the face is not
  /// installed), its size in points, bold, italic and underline. The caller
  /// owns it.
  static std::unique_ptr<TGPFont> MakeFont(const TFont& font);
  int TextWidth(const QString& text, const TFont& font);
  int TextHeight(const QString& text, const TFont& font);
  /// Measures (DT_CALCRECT, or a background colour other than clNone, which
  /// is filled behind the text) and draws runs of text; see the
  /// implementation for the width correction. Returns the height.
  int DrawText(const QString& text, int length, TRect& rect, const TFont& font, unsigned style, TColor bkColor);

  Gdip::GpGraphics* NativeGraphics() const { return m_nativeGraphics.get(); }

private:
  enum class Drawing { Shape, Image };
  bool Ready() const;
  void ApplyTransform(Drawing drawing);
  QTransform ClipTransform() const;
  void ApplyClip();
  Status CombineClip(const QPainterPath& devicePath, CombineMode mode);
  Status FillShape(const TGPBrush& brush, const QPainterPath& shape);
  Status StrokeShape(const TGPPen& pen, const QPainterPath& shape);
  Status DrawImageImpl(const TGPImage* image, const QRectF& dest, const QRectF& source,
                       const TGPImageAttributes* attributes);

  std::unique_ptr<Gdip::GpGraphics> m_nativeGraphics;
};
