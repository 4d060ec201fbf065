#include "plot/objects/TiPlotToolBarButton.h"

#include <QImage>

#include "platform/drawing/TCanvas.h"
#include "plot/base/iDrawing.h"
#include "plot/core/TiPlotComponent.h"
#include "plot/objects/TiPlotToolBar.h"

TiPlotToolBarButton::TiPlotToolBarButton(TiPlotComponent* owner, TiPlotToolBar* toolBar, TiPlotToolBarButtonType type,
                                         TiPlotToolBarButtonStyle style, QString hint)
    : TiPlotButton(owner), m_toolBar(toolBar), m_type(type), m_style(style), m_hint(std::move(hint)) {}

void TiPlotToolBarButton::Draw(TCanvas& canvas, TColor) {
  if (m_style == TiPlotToolBarButtonStyle::iptbbsSpacer) {
    return;
  }
  const TRect r = DrawRect();
  const int size = m_small ? 16 : 24;
  TPoint origin{(r.Left + r.Right) / 2 - size / 2, (r.Top + r.Bottom) / 2 - size / 2};
  const bool pressed = MouseIsDown() || Down();
  canvas.Pen().SetWidth(1);
  canvas.Pen().SetStyle(TPenStyle::psSolid);
  canvas.Brush().SetStyle(TBrushStyle::bsSolid);
  if (m_flat) {
    if (pressed && !m_mouseOver) {
      canvas.Brush().SetColor(0xEFEFEF);
      canvas.FillRect(r);
    }
    if (Enabled()) {
      const auto edge = [&](TColor topLeft, TColor bottomRight) {
        canvas.Pen().SetColor(topLeft);
        canvas.Polyline({{r.Left, r.Bottom - 2}, {r.Left, r.Top}, {r.Right - 1, r.Top}});
        canvas.Pen().SetColor(bottomRight);
        canvas.Polyline({{r.Right - 2, r.Top}, {r.Right - 2, r.Bottom - 2}, {r.Left - 1, r.Bottom - 2}});
      };
      if (pressed) {
        edge(clBtnShadow, clBtnHighlight);
        origin = {origin.X + 1, origin.Y + 1};
      } else if (m_mouseOver) {
        edge(clBtnHighlight, clBtnShadow);
      }
    }
  } else if (pressed) {
    canvas.Brush().SetColor(0xEFEFEF);
    canvas.FillRect(r);
    DrawFrame3D(canvas, r, 0);
    origin = {origin.X + 1, origin.Y + 1};
  } else {
    DrawFrame3D(canvas, r, 1);
  }
  DrawToolBarGlyph(canvas, m_type, origin, size, Enabled());
}

void TiPlotToolBarButton::iMouseMove(TiHintData& hintData, TShiftState shift, int x, int y, int screenX,
                                     int screenY, bool dblClickActive) {
  TiPlotButton::iMouseMove(hintData, shift, x, y, screenX, screenY, dblClickActive);
  m_mouseOver = true;
  if (m_flat) {
    Raise(OnInvalidate, this);
  }
}

void TiPlotToolBarButton::DoMouseHint(const TiPlotMouseData&, TiHintData& hintData) {
  hintData.Text = TranslateString(m_hint);
  QImage scratch(1, 1, QImage::Format_ARGB32);
  TCanvas canvas(&scratch);
  canvas.Font().Assign(Owner()->HintsFont());
  hintData.Left = Left;
  hintData.Top = Bottom + 3;
  hintData.Width = canvas.TextWidth(hintData.Text) + 4;
  hintData.Height = canvas.TextHeight(hintData.Text) + 4;
  Owner()->DoToolBarCustomizeHint(m_toolBar, hintData.Text);
}

void TiPlotToolBarButton::DoMouseNotOver() {
  TiPlotButton::DoMouseNotOver();
  m_mouseOver = false;
  Raise(OnInvalidate, this);
}

void DrawToolBarGlyph(TCanvas& canvas, TiPlotToolBarButtonType type, TPoint origin, int size, bool enabled) {
  // Drawn on a 24-unit grid scaled to the button's picture size.
  const auto p = [&](int x, int y) { return TPoint{origin.X + x * size / 24, origin.Y + y * size / 24}; };
  const TColor ink = enabled ? clBlack : clGray;
  const auto fill = [&](TColor colour) { return enabled ? colour : clSilver; };
  // Rectangle and ellipse from two points of the 24 x 24 design grid.
  const auto rect = [&](int l, int t, int r, int b) { canvas.Rectangle(p(l, t).X, p(l, t).Y, p(r, b).X, p(r, b).Y); };
  const auto ellipse = [&](int l, int t, int r, int b) { canvas.Ellipse(p(l, t).X, p(l, t).Y, p(r, b).X, p(r, b).Y); };
  canvas.Pen().SetColor(ink);
  canvas.Pen().SetWidth(1);
  canvas.Pen().SetStyle(TPenStyle::psSolid);
  canvas.Brush().SetStyle(TBrushStyle::bsSolid);
  const auto magnifier = [&](int sign) {
    canvas.Brush().SetColor(fill(clWhite));
    ellipse(3, 3, 15, 15);
    canvas.Pen().SetWidth(size / 8);
    canvas.Polyline({p(14, 14), p(21, 21)});
    canvas.Pen().SetWidth(1);
    if (sign != 0) {
      canvas.Polyline({p(6, 9), p(13, 9)});
    }
    if (sign > 0) {
      canvas.Polyline({p(9, 6), p(9, 13)});
    }
  };
  const auto sheet = [&] {
    canvas.Brush().SetColor(fill(clWhite));
    rect(5, 2, 19, 22);
    for (int y = 6; y <= 16; y += 5) {
      canvas.Polyline({p(8, y), p(16, y)});
    }
  };
  switch (type) {
    case TiPlotToolBarButtonType::iptbbtResume:
      canvas.Brush().SetColor(fill(clGreen));
      canvas.Polygon({p(7, 4), p(19, 12), p(7, 20)});
      break;
    case TiPlotToolBarButtonType::iptbbtPause:
      canvas.Brush().SetColor(fill(clNavy));
      rect(6, 5, 11, 20);
      rect(14, 5, 19, 20);
      break;
    case TiPlotToolBarButtonType::iptbbtScrollAxesMode:
      canvas.Brush().SetColor(fill(clBlue));
      canvas.Polyline({p(12, 3), p(12, 21)});
      canvas.Polyline({p(3, 12), p(21, 12)});
      canvas.Polygon({p(12, 2), p(9, 6), p(15, 6)});
      canvas.Polygon({p(12, 22), p(9, 18), p(15, 18)});
      canvas.Polygon({p(2, 12), p(6, 9), p(6, 15)});
      canvas.Polygon({p(22, 12), p(18, 9), p(18, 15)});
      break;
    case TiPlotToolBarButtonType::iptbbtZoomAxesMode:
      magnifier(0);
      break;
    case TiPlotToolBarButtonType::iptbbtZoomOut:
      magnifier(-1);
      break;
    case TiPlotToolBarButtonType::iptbbtZoomIn:
      magnifier(1);
      break;
    case TiPlotToolBarButtonType::iptbbtSelect:
      canvas.Brush().SetColor(fill(clWhite));
      canvas.Polygon({p(6, 3), p(6, 19), p(10, 15), p(13, 21), p(15, 20), p(12, 14), p(17, 14)});
      break;
    case TiPlotToolBarButtonType::iptbbtZoomBox:
      canvas.Brush().SetStyle(TBrushStyle::bsClear);
      canvas.Pen().SetStyle(TPenStyle::psDot);
      rect(3, 5, 21, 19);
      break;
    case TiPlotToolBarButtonType::iptbbtCursor:
      canvas.Pen().SetColor(enabled ? clRed : clGray);
      canvas.Polyline({p(9, 2), p(9, 22)});
      canvas.Pen().SetColor(ink);
      canvas.Brush().SetColor(fill(clInfoBk));
      rect(11, 8, 22, 15);
      break;
    case TiPlotToolBarButtonType::iptbbtEdit:
      sheet();
      canvas.Brush().SetColor(fill(clYellow));
      canvas.Polygon({p(20, 8), p(22, 10), p(13, 19), p(11, 19), p(11, 17)});
      break;
    case TiPlotToolBarButtonType::iptbbtCopy:
      canvas.Brush().SetColor(fill(clWhite));
      rect(3, 3, 14, 16);
      rect(9, 8, 21, 21);
      break;
    case TiPlotToolBarButtonType::iptbbtSave:
      canvas.Brush().SetColor(fill(clNavy));
      rect(3, 3, 21, 21);
      canvas.Brush().SetColor(fill(clWhite));
      rect(6, 3, 18, 10);
      canvas.Brush().SetColor(fill(clSilver));
      rect(7, 14, 17, 21);
      break;
    case TiPlotToolBarButtonType::iptbbtPrint:
      canvas.Brush().SetColor(fill(clWhite));
      rect(7, 2, 17, 10);
      canvas.Brush().SetColor(fill(clSilver));
      rect(2, 9, 22, 18);
      canvas.Brush().SetColor(fill(clWhite));
      rect(6, 15, 18, 22);
      break;
    case TiPlotToolBarButtonType::iptbbtPreview:
      sheet();
      canvas.Brush().SetColor(fill(clAqua));
      ellipse(11, 11, 19, 19);
      canvas.Polyline({p(18, 18), p(22, 22)});
      break;
  }
}
