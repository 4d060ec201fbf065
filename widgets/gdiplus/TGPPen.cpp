#include "widgets/gdiplus/TGPPen.h"

#include "widgets/gdiplus/GdipNative.h"
#include "widgets/gdiplus/TGPBrush.h"

TGPPen::TGPPen(ARGB color, float width) : m_nativePen(std::make_unique<Gdip::GpPen>()) {
  m_nativePen->color = Gdip::ToQColor(color);
  m_nativePen->width = width;
}

TGPPen::TGPPen(const TGPBrush& brush, float width) {
  if (!brush.NativeBrush()) {
    SetCreationStatus(Status::InvalidParameter);
    return;
  }
  m_nativePen = std::make_unique<Gdip::GpPen>();
  m_nativePen->width = width;
  SetBrush(brush);
}

TGPPen::~TGPPen() = default;

Status TGPPen::SetBrush(const TGPBrush& brush) {
  if (!m_nativePen || !brush.NativeBrush()) {
    return RecordStatus(Status::InvalidParameter);
  }
  const Gdip::GpBrush& native = *brush.NativeBrush();
  if (native.kind == Gdip::GpBrush::Kind::Solid) {
    m_nativePen->color = native.color;
    m_nativePen->brush.reset();
  } else {
    m_nativePen->brush = std::make_unique<Gdip::GpBrush>(native);
  }
  return Status::Ok;
}

std::unique_ptr<TGPBrush> TGPPen::GetBrush() {
  if (!m_nativePen) {
    RecordStatus(Status::InvalidParameter);
    return nullptr;
  }
  auto copy = m_nativePen->brush ? std::make_unique<Gdip::GpBrush>(*m_nativePen->brush)
                                 : std::make_unique<Gdip::GpBrush>();
  if (!m_nativePen->brush) {
    copy->color = m_nativePen->color;
  }
  switch (GetPenType()) {
    case PenType::PenTypeSolidColor: return std::make_unique<TGPSolidBrush>(std::move(copy), Status::Ok);
    case PenType::PenTypeHatchFill: return std::make_unique<TGPHatchBrush>(std::move(copy), Status::Ok);
    case PenType::PenTypeTextureFill: return std::make_unique<TGPTextureBrush>(std::move(copy), Status::Ok);
    case PenType::PenTypePathGradient: return std::make_unique<TGPBrush>(std::move(copy), Status::Ok);
    case PenType::PenTypeLinearGradient:
      return std::make_unique<TGPLinearGradientBrush>(std::move(copy), Status::Ok);
    case PenType::PenTypeUnknown: break;
  }
  return nullptr;
}

Status TGPPen::SetDashStyle(DashStyle dashStyle) {
  if (!m_nativePen) {
    return RecordStatus(Status::InvalidParameter);
  }
  m_nativePen->dash = dashStyle;
  return Status::Ok;
}

DashStyle TGPPen::GetDashStyle() {
  if (!m_nativePen) {
    RecordStatus(Status::InvalidParameter);
    return DashStyle::DashStyleSolid;
  }
  return m_nativePen->dash;
}

Status TGPPen::SetEndCap(LineCap endCap) {
  if (!m_nativePen) {
    return RecordStatus(Status::InvalidParameter);
  }
  m_nativePen->endCap = endCap;
  return Status::Ok;
}

PenType TGPPen::GetPenType() {
  if (!m_nativePen) {
    RecordStatus(Status::InvalidParameter);
    return PenType::PenTypeUnknown;
  }
  if (!m_nativePen->brush) {
    return PenType::PenTypeSolidColor;
  }
  switch (m_nativePen->brush->kind) {
    case Gdip::GpBrush::Kind::Solid: return PenType::PenTypeSolidColor;
    case Gdip::GpBrush::Kind::Hatch: return PenType::PenTypeHatchFill;
    case Gdip::GpBrush::Kind::Texture: return PenType::PenTypeTextureFill;
    case Gdip::GpBrush::Kind::PathGradient: return PenType::PenTypePathGradient;
    case Gdip::GpBrush::Kind::LinearGradient: return PenType::PenTypeLinearGradient;
  }
  return PenType::PenTypeUnknown;
}
