#include "widgets/vr/VrFrame3D.h"

#include "platform/drawing/TCanvas.h"

namespace Vr {

void DrawFrame3D(TCanvas& canvas, TRect& rect, TColor top, TColor bottom, int width) {
  canvas.Pen().SetWidth(1);
  --rect.Right;
  --rect.Bottom;
  for (int i = 0; i < width; ++i) {
    canvas.Pen().SetColor(top);
    canvas.MoveTo(rect.Left, rect.Bottom);
    canvas.LineTo(rect.Left, rect.Top);
    canvas.LineTo(rect.Right, rect.Top);
    canvas.Pen().SetColor(bottom);
    canvas.LineTo(rect.Right, rect.Bottom);
    canvas.LineTo(rect.Left - 1, rect.Bottom);
    rect = InflateRect(rect, -1, -1);
  }
  ++rect.Right;
  ++rect.Bottom;
}

}  // namespace Vr
