#include "plot/base/iDrawing.h"

#include <algorithm>

#include "platform/drawing/TCanvas.h"
#include "plot/base/iRounding.h"

namespace {

/// Channel-wise blend at step i of c: i/c of stop and (c - i)/c of start.
TColor Blend(TColor start, TColor stop, int i, int c) {
  const TColor a = ColorToRGB(start);
  const TColor b = ColorToRGB(stop);
  const double f = c > 0 ? double(i) / c : 0.0;
  const auto channel = [&](int shift) {
    const double s = double((a >> shift) & 0xFF);
    const double e = double((b >> shift) & 0xFF);
    return std::clamp(RoundSafe(f * e + (1.0 - f) * s), 0, 255);
  };
  return RGB(channel(0), channel(8), channel(16));
}

bool Reversed(TiFillDirection d) {
  switch (d) {
    case TiFillDirection::ifdBottomTop:
    case TiFillDirection::ifdRightLeft:
    case TiFillDirection::ifdBottomRightTopLeft:
    case TiFillDirection::ifdTopRightBottomLeft:
    case TiFillDirection::ifdRectangleIn:
    case TiFillDirection::ifdCircleIn:
      return true;
    default:
      return false;
  }
}

}  // namespace

void FillGradient(TCanvas& canvas, const TRect& rect, TiFillDirection direction, TColor startColor,
                  TColor stopColor) {
  using D = TiFillDirection;
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  const int w = rect.Width();
  const int h = rect.Height();
  const int m = std::max(rect.Right, rect.Bottom);
  int c = 0;
  int penWidth = 1;
  switch (direction) {
    case D::ifdTopBottom:
    case D::ifdBottomTop:
      c = h - 1;
      break;
    case D::ifdLeftRight:
    case D::ifdRightLeft:
      c = w - 1;
      break;
    case D::ifdTopLeftBottomRight:
    case D::ifdBottomRightTopLeft:
    case D::ifdBottomLeftTopRight:
    case D::ifdTopRightBottomLeft:
      c = 2 * m - 2;
      break;
    case D::ifdRectangleOut:
    case D::ifdRectangleIn:
      c = (m - 1) / 3;
      penWidth = 2;
      break;
    case D::ifdCircleOut:
    case D::ifdCircleIn:
      c = (m - 1) / 8;
      penWidth = 16;
      break;
  }
  if (c < 0) {
    return;
  }
  const TColor from = Reversed(direction) ? stopColor : startColor;
  const TColor to = Reversed(direction) ? startColor : stopColor;
  canvas.Pen().SetStyle(TPenStyle::psSolid);
  canvas.Pen().SetWidth(penWidth);
  const double cx = (rect.Right - 1) / 2.0;
  const double cy = (rect.Bottom - 1) / 2.0;
  for (int i = 0; i <= c; ++i) {
    canvas.Pen().SetColor(Blend(from, to, i, c));
    const double f = c > 0 ? double(i) / c : 0.0;
    switch (direction) {
      case D::ifdTopBottom:
      case D::ifdBottomTop:
        canvas.MoveTo(rect.Left, rect.Top + i);
        canvas.LineTo(rect.Right, rect.Top + i);
        break;
      case D::ifdLeftRight:
      case D::ifdRightLeft:
        canvas.MoveTo(rect.Left + i, rect.Top);
        canvas.LineTo(rect.Left + i, rect.Bottom);
        break;
      case D::ifdTopLeftBottomRight:
      case D::ifdBottomRightTopLeft:
        canvas.MoveTo(RoundSafe(2 * f * (rect.Right - 1)) - 1, 0);
        canvas.LineTo(-1, RoundSafe(2 * f * (rect.Bottom - 1)));
        break;
      case D::ifdBottomLeftTopRight:
      case D::ifdTopRightBottomLeft:
        canvas.MoveTo(0, (rect.Bottom - 1) - RoundSafe(2 * f * (rect.Bottom - 1)));
        canvas.LineTo(RoundSafe(2 * f * (rect.Right - 1)), rect.Bottom - 1);
        break;
      case D::ifdRectangleOut:
      case D::ifdRectangleIn: {
        const double hx = f * (rect.Right - 1) / 2;
        const double hy = f * (rect.Bottom - 1) / 2;
        canvas.Rectangle(RoundSafe(cx - hx), RoundSafe(cy - hy), RoundSafe(cx + hx), RoundSafe(cy + hy));
        break;
      }
      case D::ifdCircleOut:
      case D::ifdCircleIn: {
        const double hx = 1.414 * f * (rect.Right - 1) / 2;
        const double hy = 1.414 * f * (rect.Bottom - 1) / 2;
        canvas.Ellipse(RoundSafe(cx - hx), RoundSafe(cy - hy), RoundSafe(cx + hx), RoundSafe(cy + hy));
        break;
      }
    }
  }
  canvas.Pen().SetWidth(1);
  if (direction == D::ifdRectangleOut || direction == D::ifdRectangleIn) {
    canvas.SetPixel(rect.Left + w / 2 - 1, rect.Top + h / 2 - 1,
                    direction == D::ifdRectangleOut ? startColor : stopColor);
  }
}
