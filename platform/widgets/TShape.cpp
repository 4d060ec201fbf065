#include "platform/widgets/TShape.h"

#include <algorithm>

TShape::TShape(QWidget* parent) : TGraphicControl(parent) {
  SetBounds(0, 0, 65, 65);
  m_brush.SetColor(clWhite);
  m_pen.OnChange = [this](TObject*) { Invalidate(); };
  m_brush.OnChange = [this](TObject*) { Invalidate(); };
}

void TShape::SetShape(TShapeType value) {
  if (value != m_shape) {
    m_shape = value;
    Invalidate();
  }
}

void TShape::Paint() {
  TCanvas& canvas = Canvas();
  canvas.Pen().Assign(m_pen);
  canvas.Brush().Assign(m_brush);
  const int penWidth = m_pen.Width();
  int x = penWidth / 2;
  int y = x;
  int w = Width() - penWidth + 1;
  int h = Height() - penWidth + 1;
  if (penWidth == 0) {
    --w;
    --h;
  }
  const int side = std::min(w, h);
  const bool square = m_shape == TShapeType::stSquare || m_shape == TShapeType::stRoundSquare ||
                      m_shape == TShapeType::stCircle;
  if (square) {
    x += (w - side) / 2;
    y += (h - side) / 2;
    w = h = side;
  }
  switch (m_shape) {
    case TShapeType::stRectangle:
    case TShapeType::stSquare:
      canvas.Rectangle(x, y, x + w, y + h);
      break;
    case TShapeType::stRoundRect:
    case TShapeType::stRoundSquare:
      canvas.RoundRect(x, y, x + w, y + h, side / 4, side / 4);
      break;
    case TShapeType::stEllipse:
    case TShapeType::stCircle:
      canvas.Ellipse(x, y, x + w, y + h);
      break;
  }
}
