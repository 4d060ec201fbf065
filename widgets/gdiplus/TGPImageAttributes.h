#pragma once

#include <memory>
#include <vector>

#include "widgets/gdiplus/TGdiplusBase.h"

namespace Gdip {
struct GpImageAttributes;
}

/// How an image's colours are changed while it is drawn: colour key,
/// colour matrix, threshold, gamma, remap table, or none (no-op). Each
/// setting has a Set form and a Clear form; the adjust type is accepted
/// for every form, and every setting applies to all kinds of drawing.
/// Owned by its creator. GUI thread only.
class TGPImageAttributes : public TGdiplusBase {
public:
  TGPImageAttributes();
  TGPImageAttributes(std::unique_ptr<Gdip::GpImageAttributes> native, Status status);
  ~TGPImageAttributes() override;

  std::unique_ptr<TGPImageAttributes> Clone();
  Status SetToIdentity(ColorAdjustType type = ColorAdjustType::ColorAdjustTypeDefault);
  Status Reset(ColorAdjustType type = ColorAdjustType::ColorAdjustTypeDefault);
  Status SetColorMatrix(const ColorMatrix& matrix, ColorMatrixFlags flags = ColorMatrixFlags::ColorMatrixFlagsDefault,
                        ColorAdjustType type = ColorAdjustType::ColorAdjustTypeDefault);
  Status ClearColorMatrix(ColorAdjustType type = ColorAdjustType::ColorAdjustTypeDefault);
  Status SetThreshold(float threshold, ColorAdjustType type = ColorAdjustType::ColorAdjustTypeDefault);
  Status ClearThreshold(ColorAdjustType type = ColorAdjustType::ColorAdjustTypeDefault);
  Status SetGamma(float gamma, ColorAdjustType type = ColorAdjustType::ColorAdjustTypeDefault);
  Status ClearGamma(ColorAdjustType type = ColorAdjustType::ColorAdjustTypeDefault);
  Status SetNoOp(ColorAdjustType type = ColorAdjustType::ColorAdjustTypeDefault);
  Status ClearNoOp(ColorAdjustType type = ColorAdjustType::ColorAdjustTypeDefault);
  /// Pixels whose red, green and blue each lie between those of the two
  /// colours become transparent.
  Status SetColorKey(ARGB colorLow, ARGB colorHigh, ColorAdjustType type = ColorAdjustType::ColorAdjustTypeDefault);
  Status ClearColorKey(ColorAdjustType type = ColorAdjustType::ColorAdjustTypeDefault);
  Status SetRemapTable(const std::vector<ColorMap>& map, ColorAdjustType type = ColorAdjustType::ColorAdjustTypeDefault);
  Status ClearRemapTable(ColorAdjustType type = ColorAdjustType::ColorAdjustTypeDefault);
  Status SetBrushRemapTable(const std::vector<ColorMap>& map);
  Status ClearBrushRemapTable();
  Status SetWrapMode(WrapMode wrap);

  Gdip::GpImageAttributes* NativeImageAttr() const { return m_nativeImageAttr.get(); }

private:
  template <typename F>
  Status Change(F change);

  std::unique_ptr<Gdip::GpImageAttributes> m_nativeImageAttr;
};
