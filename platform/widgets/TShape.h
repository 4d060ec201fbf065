#pragma once

#include "platform/drawing/TBrush.h"
#include "platform/drawing/TPen.h"
#include "platform/widgets/TGraphicControl.h"

enum class TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };

/// A windowless control that draws one figure with its own Pen (black, one
/// pixel) and Brush (solid white): a rectangle by default, inset by half
/// the pen width; the square and circle kinds are centred. A change of the
/// pen, brush or shape repaints it. GUI thread only.
class TShape : public TGraphicControl {
public:
  explicit TShape(QWidget* parent = nullptr);

  TPen& Pen() { return m_pen; }
  TBrush& Brush() { return m_brush; }
  const TPen& Pen() const { return m_pen; }
  const TBrush& Brush() const { return m_brush; }
  TShapeType Shape() const { return m_shape; }
  void SetShape(TShapeType value);

protected:
  void Paint() override;

private:
  TPen m_pen;
  TBrush m_brush;
  TShapeType m_shape = TShapeType::stRectangle;
};
