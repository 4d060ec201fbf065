#include "widgets/vr/TVrCustomImageControl.h"

#include "platform/drawing/Blit.h"
#include "platform/drawing/GdiConstants.h"
#include "platform/drawing/TCanvas.h"

TVrCustomImageControl::TVrCustomImageControl(QWidget* parent) : TVrCustomControl(parent) {}

void TVrCustomImageControl::ClearBitmapCanvas() {
  m_bitmapImage.SetSize(Width(), Height());
  TCanvas& canvas = m_bitmapImage.Canvas();
  canvas.Brush().SetStyle(TBrushStyle::bsSolid);
  canvas.Brush().SetColor(Color());
  canvas.FillRect(Rect(0, 0, Width(), Height()));
}

void TVrCustomImageControl::Paint() {
  ClearBitmapCanvas();
  PaintImage();
  BitBlt(Canvas(), 0, 0, Width(), Height(), &m_bitmapImage.Canvas(), 0, 0, SRCCOPY);
}
