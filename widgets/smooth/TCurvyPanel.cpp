#include "widgets/smooth/TCurvyPanel.h"

#include "widgets/gdiplus/TGDIPFill.h"
#include "widgets/gdiplus/TGPGraphics.h"
#include "widgets/gdiplus/TGPPen.h"
#include "widgets/panelset/PaintHelpers.h"

TCurvyPanel::TCurvyPanel(QWidget* parent) : TCustomControl(parent) {
  TControlStyle style = ControlStyle();
  style.Include(TControlStyleItem::csAcceptsControls);
  SetControlStyle(style);
  SetColor(clWindow);
  SetBounds(Left(), Top(), 200, 100);
}

void TCurvyPanel::SetRounding(int value) {
  if (StoreIfChanged(m_rounding, value)) {
    Invalidate();
  }
}

void TCurvyPanel::SetBorderColor(TColor value) {
  if (StoreIfChanged(m_borderColor, value)) {
    Invalidate();
  }
}

void TCurvyPanel::SetShadowColor(TColor value) {
  if (StoreIfChanged(m_shadowColor, value)) {
    Invalidate();
  }
}

void TCurvyPanel::SetIndents(int left, int right) {
  m_indentLeft = left;
  m_indentRight = right;
  Invalidate();
}

void TCurvyPanel::ColorChanged() { Invalidate(); }

void TCurvyPanel::Paint() {
  Rz::PaintParentBackground(this, Canvas(), false);
  TGPGraphics graphics(Canvas());
  graphics.SetSmoothingMode(SmoothingMode::SmoothingModeAntiAlias);
  TGDIPFill fill;
  fill.SetBorderColor(ColorToRGB(m_borderColor));
  fill.SetRounding(m_rounding);
  fill.SetRoundingType(TFillRoundingType::rtBoth);
  const TColor face = ColorToRGB(Color());
  fill.SetColor(face);
  fill.SetColorTo(face);
  fill.SetColorMirror(face);
  fill.SetColorMirrorTo(face);
  fill.Fill(&graphics,
            TGPRectF{float(m_indentLeft), 0, float(Width() - m_indentRight - m_indentLeft - 1), float(Height() - 1)});
  if (m_shadowColor != clNone) {
    const TGPPen pen(OpaqueArgbFromColor(m_shadowColor), 1);
    graphics.DrawLine(pen, float(m_rounding + m_indentLeft), 1, float(Width() - m_rounding - m_indentRight), 1);
    graphics.DrawArc(pen, float(Width() - m_rounding - m_indentRight - 3), 1, float(m_rounding), float(m_rounding),
                     -90, 90);
  }
}
