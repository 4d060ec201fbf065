#pragma once

#include <QString>

#include "platform/drawing/TColor.h"
#include "platform/core/TRect.h"
#include "widgets/vr/TVrPersistent.h"

class TCanvas;

enum class TVrFont3DStyle : unsigned char { f3dNone, f3dRaised, f3dSunken, f3dShadow };

/// A text effect: raised, sunken or shadowed copies drawn under the text.
/// Owned by its control; GUI thread.
class TVrFont3D : public TVrPersistent {
public:
  TVrFont3DStyle Style() const { return m_style; }
  void SetStyle(TVrFont3DStyle value);
  TColor HighlightColor() const { return m_highlightColor; }
  void SetHighlightColor(TColor value);
  TColor ShadowColor() const { return m_shadowColor; }
  void SetShadowColor(TColor value);
  int HighlightDepth() const { return m_highlightDepth; }
  void SetHighlightDepth(int value);
  int ShadowDepth() const { return m_shadowDepth; }
  void SetShadowDepth(int value);
  /// Copies all five with one notification.
  void Assign(const TVrFont3D& other);

  /// Draws text in rect with the DT_ flags: the effect's copies, then the
  /// text in the canvas font's own colour (clear brush).
  void Paint(TCanvas& canvas, const TRect& rect, unsigned flags, const QString& text) const;

private:
  TVrFont3DStyle m_style = TVrFont3DStyle::f3dNone;
  TColor m_highlightColor = clBtnHighlight;
  TColor m_shadowColor = clBtnShadow;
  int m_highlightDepth = 1;
  int m_shadowDepth = 1;
};
