#include "platform/widgets/TStatusBar.h"

#include "platform/drawing/TCanvas.h"

TStatusBar::TStatusBar(QWidget* parent) : TGraphicControl(parent) {
  SetBounds(0, 0, 200, 19);
  SetColor(clBtnFace);
  SetAlign(TAlign::alBottom);
}

void TStatusBar::SetSimpleText(const QString& value) {
  if (value != m_simpleText) {
    m_simpleText = value;
    Invalidate();
  }
}

void TStatusBar::Paint() {
  TCanvas& canvas = Canvas();
  const int w = Width();
  const int h = Height();
  canvas.Brush().SetColor(Color());
  canvas.FillRect(Rect(0, 0, w, h));
  // The panel: sunken by one pixel, two pixels below the bar's top edge.
  const TRect panel = Rect(0, 2, w, h);
  canvas.Pen().SetColor(clBtnShadow);
  canvas.MoveTo(panel.Left, panel.Bottom - 1);
  canvas.LineTo(panel.Left, panel.Top);
  canvas.LineTo(panel.Right - 1, panel.Top);
  canvas.Pen().SetColor(clBtnHighlight);
  canvas.LineTo(panel.Right - 1, panel.Bottom - 1);
  canvas.LineTo(panel.Left - 1, panel.Bottom - 1);
  canvas.Font().Assign(Font());
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  const int textHeight = canvas.TextHeight(m_simpleText);
  canvas.TextRect(Rect(panel.Left + 1, panel.Top + 1, panel.Right - 1, panel.Bottom - 1), panel.Left + 3,
                  panel.Top + (panel.Bottom - panel.Top - textHeight) / 2, m_simpleText);
}
