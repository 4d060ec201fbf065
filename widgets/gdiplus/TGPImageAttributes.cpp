#include "widgets/gdiplus/TGPImageAttributes.h"

#include "widgets/gdiplus/GdipNative.h"

using Gdip::GpImageAttributes;

TGPImageAttributes::TGPImageAttributes() : m_nativeImageAttr(std::make_unique<GpImageAttributes>()) {}

TGPImageAttributes::TGPImageAttributes(std::unique_ptr<GpImageAttributes> native, Status status)
    : TGdiplusBase(status), m_nativeImageAttr(std::move(native)) {}

TGPImageAttributes::~TGPImageAttributes() = default;

template <typename F>
Status TGPImageAttributes::Change(F change) {
  if (!m_nativeImageAttr) {
    return RecordStatus(Status::InvalidParameter);
  }
  change(*m_nativeImageAttr);
  return Status::Ok;
}

std::unique_ptr<TGPImageAttributes> TGPImageAttributes::Clone() {
  if (!m_nativeImageAttr) {
    RecordStatus(Status::InvalidParameter);
    return std::make_unique<TGPImageAttributes>(nullptr, Status::InvalidParameter);
  }
  return std::make_unique<TGPImageAttributes>(std::make_unique<GpImageAttributes>(*m_nativeImageAttr), Status::Ok);
}

Status TGPImageAttributes::SetToIdentity(ColorAdjustType) {
  return Change([](GpImageAttributes& a) {
    a.colorMatrix = false;
    a.threshold = false;
    a.gamma = false;
    a.remap.clear();
  });
}

Status TGPImageAttributes::Reset(ColorAdjustType) {
  return Change([](GpImageAttributes& a) { a = GpImageAttributes(); });
}

Status TGPImageAttributes::SetColorMatrix(const ColorMatrix& matrix, ColorMatrixFlags, ColorAdjustType) {
  return Change([&](GpImageAttributes& a) {
    a.colorMatrix = true;
    a.matrix = matrix;
  });
}

Status TGPImageAttributes::ClearColorMatrix(ColorAdjustType) {
  return Change([](GpImageAttributes& a) {
    a.colorMatrix = false;
    a.matrix = ColorMatrix();
  });
}

Status TGPImageAttributes::SetThreshold(float threshold, ColorAdjustType) {
  return Change([&](GpImageAttributes& a) {
    a.threshold = true;
    a.thresholdValue = threshold;
  });
}

Status TGPImageAttributes::ClearThreshold(ColorAdjustType) {
  return Change([](GpImageAttributes& a) {
    a.threshold = false;
    a.thresholdValue = 0;
  });
}

Status TGPImageAttributes::SetGamma(float gamma, ColorAdjustType) {
  return Change([&](GpImageAttributes& a) {
    a.gamma = true;
    a.gammaValue = gamma;
  });
}

Status TGPImageAttributes::ClearGamma(ColorAdjustType) {
  return Change([](GpImageAttributes& a) {
    a.gamma = false;
    a.gammaValue = 0;
  });
}

Status TGPImageAttributes::SetNoOp(ColorAdjustType) {
  return Change([](GpImageAttributes& a) { a.noOp = true; });
}

Status TGPImageAttributes::ClearNoOp(ColorAdjustType) {
  return Change([](GpImageAttributes& a) { a.noOp = false; });
}

Status TGPImageAttributes::SetColorKey(ARGB colorLow, ARGB colorHigh, ColorAdjustType) {
  return Change([&](GpImageAttributes& a) {
    a.colorKey = true;
    a.keyLow = colorLow;
    a.keyHigh = colorHigh;
  });
}

Status TGPImageAttributes::ClearColorKey(ColorAdjustType) {
  return Change([](GpImageAttributes& a) {
    a.colorKey = false;
    a.keyLow = 0;
    a.keyHigh = 0;
  });
}

Status TGPImageAttributes::SetRemapTable(const std::vector<ColorMap>& map, ColorAdjustType) {
  return Change([&](GpImageAttributes& a) { a.remap = map; });
}

Status TGPImageAttributes::ClearRemapTable(ColorAdjustType) {
  return Change([](GpImageAttributes& a) { a.remap.clear(); });
}

Status TGPImageAttributes::SetBrushRemapTable(const std::vector<ColorMap>& map) {
  return SetRemapTable(map, ColorAdjustType::ColorAdjustTypeBrush);
}

Status TGPImageAttributes::ClearBrushRemapTable() { return ClearRemapTable(ColorAdjustType::ColorAdjustTypeBrush); }

Status TGPImageAttributes::SetWrapMode(WrapMode wrap) {
  return Change([&](GpImageAttributes& a) { a.wrap = wrap; });
}
