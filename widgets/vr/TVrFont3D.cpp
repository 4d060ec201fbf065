#include "widgets/vr/TVrFont3D.h"

#include "platform/drawing/TCanvas.h"

void TVrFont3D::SetStyle(TVrFont3DStyle value) {
  if (StoreIfChanged(m_style, value)) {
    Changed();
  }
}
void TVrFont3D::SetHighlightColor(TColor value) {
  if (StoreIfChanged(m_highlightColor, value)) {
    Changed();
  }
}
void TVrFont3D::SetShadowColor(TColor value) {
  if (StoreIfChanged(m_shadowColor, value)) {
    Changed();
  }
}
void TVrFont3D::SetHighlightDepth(int value) {
  if (StoreIfChanged(m_highlightDepth, value)) {
    Changed();
  }
}
void TVrFont3D::SetShadowDepth(int value) {
  if (StoreIfChanged(m_shadowDepth, value)) {
    Changed();
  }
}

void TVrFont3D::Assign(const TVrFont3D& other) {
  BeginUpdate();
  SetStyle(other.m_style);
  SetHighlightColor(other.m_highlightColor);
  SetShadowColor(other.m_shadowColor);
  SetHighlightDepth(other.m_highlightDepth);
  SetShadowDepth(other.m_shadowDepth);
  EndUpdate();
}

void TVrFont3D::Paint(TCanvas& canvas, const TRect& rect, unsigned flags, const QString& text) const {
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  const TColor textColor = canvas.Font().Color();
  const auto copy = [&](TColor color, int d) {
    canvas.Font().SetColor(color);
    TRect r = OffsetRect(rect, d, d);
    canvas.DrawText(text, r, flags);
  };
  switch (m_style) {
    case TVrFont3DStyle::f3dRaised:
      copy(m_shadowColor, m_shadowDepth);
      copy(m_highlightColor, -m_highlightDepth);
      break;
    case TVrFont3DStyle::f3dSunken:
      copy(m_highlightColor, m_highlightDepth);
      copy(m_shadowColor, -m_shadowDepth);
      break;
    case TVrFont3DStyle::f3dShadow:
      copy(m_shadowColor, m_shadowDepth);
      break;
    case TVrFont3DStyle::f3dNone:
      break;
  }
  copy(textColor, 0);
}
