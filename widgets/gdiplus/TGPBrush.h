#pragma once

#include <memory>
#include <vector>

#include "widgets/gdiplus/TGdiplusBase.h"

namespace Gdip {
struct GpBrush;
}
class TGPGraphicsPath;
class TGPImage;
class TGPImageAttributes;

/// The GDI+ brushes: one base owning the native brush and one class per
/// kind. A path gradient shades each point by its distance along the ray
/// from the centre point to the path's edge; only the first surround
/// colour is used. Owned by their creator. GUI thread only.
class TGPBrush : public TGdiplusBase {
public:
  /// A brush without native object: status NotImplemented.
  TGPBrush();
  TGPBrush(std::unique_ptr<Gdip::GpBrush> native, Status status);
  ~TGPBrush() override;

  Gdip::GpBrush* NativeBrush() const { return m_nativeBrush.get(); }

protected:
  void SetNativeBrush(std::unique_ptr<Gdip::GpBrush> native);
  std::unique_ptr<Gdip::GpBrush> m_nativeBrush;
};

class TGPSolidBrush : public TGPBrush {
public:
  explicit TGPSolidBrush(ARGB color);
  using TGPBrush::TGPBrush;
  Status GetColor(ARGB& color);
  Status SetColor(ARGB color);
};

/// One of the 53 8 x 8 hatch patterns, foreground on background, tiled
/// from the surface's origin; a value beyond the styles fails with
/// InvalidParameter.
class TGPHatchBrush : public TGPBrush {
public:
  TGPHatchBrush(HatchStyle style, ARGB foreColor, ARGB backColor = ComposeArgb(255, 0, 0, 0));
  using TGPBrush::TGPBrush;
  HatchStyle GetHatchStyle();
  Status GetForegroundColor(ARGB& color);
  Status GetBackgroundColor(ARGB& color);
};

class TGPTextureBrush : public TGPBrush {
public:
  explicit TGPTextureBrush(const TGPImage& image, WrapMode wrapMode = WrapMode::WrapModeTile);
  TGPTextureBrush(const TGPImage& image, WrapMode wrapMode, const TGPRectF& dstRect);
  TGPTextureBrush(const TGPImage& image, WrapMode wrapMode, float x, float y, float width, float height);
  TGPTextureBrush(const TGPImage& image, const TGPRectF& dstRect, const TGPImageAttributes* attributes);
  using TGPBrush::TGPBrush;
  Status ResetTransform();
  Status TranslateTransform(float dx, float dy, MatrixOrder order = MatrixOrder::MatrixOrderPrepend);
  Status ScaleTransform(float sx, float sy, MatrixOrder order = MatrixOrder::MatrixOrderPrepend);
  Status RotateTransform(float angle, MatrixOrder order = MatrixOrder::MatrixOrderPrepend);
  Status SetWrapMode(WrapMode wrapMode);
  WrapMode GetWrapMode();
  /// A new image holding the brush's picture.
  std::unique_ptr<TGPImage> GetImage();
};

/// A two-colour (or preset) gradient along a line, padded beyond its ends.
class TGPLinearGradientBrush : public TGPBrush {
public:
  TGPLinearGradientBrush(const TGPPointF& point1, const TGPPointF& point2, ARGB color1, ARGB color2);
  TGPLinearGradientBrush(const TGPPoint& point1, const TGPPoint& point2, ARGB color1, ARGB color2);
  TGPLinearGradientBrush(const TGPRectF& rect, ARGB color1, ARGB color2, LinearGradientMode mode);
  TGPLinearGradientBrush(const TGPRect& rect, ARGB color1, ARGB color2, LinearGradientMode mode);
  TGPLinearGradientBrush(const TGPRectF& rect, ARGB color1, ARGB color2, float angle, bool isAngleScalable);
  TGPLinearGradientBrush(const TGPRect& rect, ARGB color1, ARGB color2, float angle, bool isAngleScalable);
  using TGPBrush::TGPBrush;
  /// Interpolates in linear light when on.
  Status SetGammaCorrection(bool useGammaCorrection);
  /// Colours at positions 0..1 along the line; a count of 0 or less is refused.
  Status SetInterpolationColors(const ARGB* presetColors, const float* blendPositions, int count);
};

/// Shades from a centre colour at the centre point to the surround colour
/// at the path's boundary; paints only inside the path.
class TGPPathGradientBrush : public TGPBrush {
public:
  explicit TGPPathGradientBrush(const TGPGraphicsPath& path);
  using TGPBrush::TGPBrush;
  Status SetCenterColor(ARGB color);
  Status GetCenterColor(ARGB& color);
  Status SetCenterPoint(const TGPPointF& point);
  Status SetCenterPoint(const TGPPoint& point);
  Status GetCenterPoint(TGPPointF& point);
  Status GetCenterPoint(TGPPoint& point);
  int GetPointCount();
  /// Takes up to count colours (at least one, at most the path's point
  /// count); count receives the number taken. Only the first colour is
  /// used for shading.
  Status SetSurroundColors(const ARGB* colors, int& count);
  Status GetSurroundColors(ARGB* colors, int& count);
  Status SetWrapMode(WrapMode wrapMode);
  Status SetGammaCorrection(bool useGammaCorrection);
  /// Colours at positions 0 (boundary) .. 1 (centre).
  Status SetInterpolationColors(const ARGB* presetColors, const float* blendPositions, int count);
};
