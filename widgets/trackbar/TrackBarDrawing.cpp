#include "widgets/trackbar/TrackBarDrawing.h"

#include "platform/core/Rounding.h"
#include "platform/drawing/TCanvas.h"
#include "widgets/gdiplus/TGPBrush.h"
#include "widgets/gdiplus/TGPGraphics.h"
#include "widgets/gdiplus/TGPGraphicsPath.h"
#include "widgets/gdiplus/TGPPen.h"

namespace AdvTrackBar {

TGradientDirection DirectionOf(TGDIPGradient gradient) {
  switch (gradient) {
    case TGDIPGradient::ggRadial: return TGradientDirection::gdHorizontal;
    case TGDIPGradient::ggDiagonalForward: return TGradientDirection::gdHorizontalInOut;
    default: return TGradientDirection::gdVertical;
  }
}

void DrawGradientBands(TCanvas& canvas, TColor a, TColor b, bool horizontal, const TRect& rect, int steps) {
  const int count = steps == 0 ? 1 : steps;
  const TColor ca = ColorToRGB(a);
  const TColor cb = ColorToRGB(b);
  TRect r = rect;
  double d = 0;
  if (horizontal) {
    r.Right -= 1;
    d = double(r.Right - r.Left) / count;
  } else {
    r.Bottom -= 1;
    d = double(r.Bottom - r.Top) / count;
  }
  for (int n = 0; n < count; ++n) {
    const TColor c = RGB(GetRValue(ca) + Round(double(n) * (GetRValue(cb) - GetRValue(ca)) / count),
                         GetGValue(ca) + Round(double(n) * (GetGValue(cb) - GetGValue(ca)) / count),
                         GetBValue(ca) + Round(double(n) * (GetBValue(cb) - GetBValue(ca)) / count));
    canvas.Pen().SetColor(c);
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(c);
    if (horizontal) {
      const int x1 = r.Left + Round(n * d);
      canvas.Rectangle(x1, r.Top, x1 + Round(d) + 1, r.Bottom);
    } else {
      const int y1 = r.Top + Round(n * d);
      canvas.Rectangle(r.Left, y1, r.Right, y1 + Round(d) + 1);
    }
  }
}

void DrawGradient(TCanvas& canvas, TColor a, TColor b, TGradientDirection direction, const TRect& r, int steps) {
  switch (direction) {
    case TGradientDirection::gdHorizontal: DrawGradientBands(canvas, a, b, true, r, steps); break;
    case TGradientDirection::gdVertical: DrawGradientBands(canvas, a, b, false, r, steps); break;
    case TGradientDirection::gdHorizontalInOut: {
      const int m = r.Left + r.Width() / 2;
      DrawGradientBands(canvas, a, b, true, Rect(r.Left, r.Top, m, r.Bottom), steps);
      DrawGradientBands(canvas, b, a, true, Rect(m - 1, r.Top, r.Right, r.Bottom), steps);
      break;
    }
    case TGradientDirection::gdVerticalInOut: {
      const int m = r.Top + r.Height() / 2;
      DrawGradientBands(canvas, a, b, false, Rect(r.Left, r.Top, r.Right, m), steps);
      DrawGradientBands(canvas, b, a, false, Rect(r.Left, m - 1, r.Right, r.Bottom), steps);
      break;
    }
  }
}

void MeasureText(TCanvas& canvas, const TFont& font, const QString& text, int& width, int& height) {
  const TFont saved = canvas.Font();
  canvas.Font().Assign(font);
  const TSize size = canvas.TextExtent(text);
  width = size.cx;
  height = size.cy;
  canvas.Font().Assign(saved);
}

TColor BlendColor(TColor c1, TColor c2, int percent) {
  if (percent >= 100) {
    return c1;
  }
  if (percent <= 0) {
    return c2;
  }
  const double f = percent / 100.0;
  const TColor a = ColorToRGB(c1);
  const TColor b = ColorToRGB(c2);
  return RGB(Round(f * GetRValue(a) + (1 - f) * GetRValue(b)), Round(f * GetGValue(a) + (1 - f) * GetGValue(b)),
             Round(f * GetBValue(a) + (1 - f) * GetBValue(b)));
}

void DrawFrame3D(TCanvas& canvas, const TRect& r, bool swap, TColor p, TColor q) {
  auto line = [&](int x1, int y1, int x2, int y2) {
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
  };
  canvas.Pen().SetColor(swap ? p : q);
  if (r.Height() > 2) {
    line(r.Left, r.Top, r.Left, r.Bottom);
  }
  line(r.Left, r.Top, r.Right, r.Top);
  line(r.Right - 2, r.Top, r.Right - 2, r.Bottom - 2);
  line(r.Right - 2, r.Bottom - 2, r.Left, r.Bottom - 2);
  canvas.Pen().SetColor(swap ? q : p);
  line(r.Left + 1, r.Bottom - 1, r.Right - 1, r.Bottom - 1);
  line(r.Right - 1, r.Bottom - 1, r.Right - 1, r.Top - 1);
  line(r.Left + 1, r.Bottom - 1, r.Left + 1, r.Top + 1);
  line(r.Left + 1, r.Top + 1, r.Right - 2, r.Top + 1);
}

ARGB ColorToARGB(TColor color) { return OpaqueArgbFromColor(color); }

std::unique_ptr<TGPGraphicsPath> MakeRoundRectPath(int x, int y, int w, int h, int radius) {
  auto path = std::make_unique<TGPGraphicsPath>(FillMode::FillModeAlternate);
  const float d = 2.0f * float(radius);
  path->AddArc(float(x), float(y), d, d, 180, 90);
  path->AddArc(float(x + w) - d, float(y), d, d, 270, 90);
  path->AddArc(float(x + w) - d, float(y + h) - d, d, d, 0, 90);
  path->AddArc(float(x), float(y + h) - d, d, d, 90, 90);
  path->CloseFigure();
  return path;
}

void DrawRoundRectPath(TGPGraphics* graphics, int x, int y, int w, int h, int radius, TColor color) {
  if (!graphics) {
    return;
  }
  const auto path = MakeRoundRectPath(x, y, w, h, radius);
  const TGPPen pen(ColorToARGB(color), 1.0f);
  graphics->DrawPath(&pen, path.get());
}

void FillMirrorHalf(TGPGraphics& graphics, const TRect& r, TColor a, bool upper, TGDIPGradient kind, TColor b) {
  const int w = r.Width();
  const int h = r.Height();
  const TGPRectF area{float(r.Left), float(r.Top), float(w), float(h)};
  if (kind == TGDIPGradient::ggRadial) {
    graphics.FillRectangle(TGPSolidBrush(ColorToARGB(upper ? a : b)), area);
    TGPGraphicsPath ellipse;
    ellipse.AddEllipse(float(r.Left), float(upper ? r.Top - h / 2 + 2 : r.Top), float(w), float(h));
    TGPPathGradientBrush brush(ellipse);
    brush.SetCenterPoint(TGPPoint{r.Left + w / 2, upper ? r.Top : r.Bottom});
    brush.SetCenterColor(ColorToARGB(upper ? b : a));
    const ARGB surround = ColorToARGB(upper ? a : b);
    int count = 1;
    brush.SetSurroundColors(&surround, count);
    graphics.FillRectangle(brush, area);
    return;
  }
  const LinearGradientMode mode = kind == TGDIPGradient::ggVertical ? LinearGradientMode::LinearGradientModeVertical
                                  : kind == TGDIPGradient::ggDiagonalForward
                                      ? LinearGradientMode::LinearGradientModeForwardDiagonal
                                      : LinearGradientMode::LinearGradientModeBackwardDiagonal;
  graphics.FillRectangle(TGPLinearGradientBrush(area, ColorToARGB(a), ColorToARGB(b), mode), area);
}

void DrawMirrorBorder(TGPGraphics& graphics, const TRect& r, int mode, bool vertical, TColor border, TColor inner) {
  const int w = r.Width();
  const int h = r.Height();
  int x = r.Left;
  int y = r.Top;
  int size = 0;
  int radius = 0;
  if (mode == 0) {
    if (vertical) {
      x += (w - h) / 2;
      size = h;
    } else {
      y += (h - w) / 2;
      size = w;
    }
    radius = size / 2;
  }
  if (inner != clNone) {
    if (mode == 0) {
      DrawRoundRectPath(&graphics, x, y, size, size, radius, inner);
    } else {
      DrawRoundRectPath(&graphics, r.Left, r.Top, w, h, 0, inner);
    }
  }
  if (border != clNone) {
    if (mode == 1) {
      DrawRoundRectPath(&graphics, r.Left, r.Top, w, h, 0, border);
    } else {
      DrawRoundRectPath(&graphics, x + 1, y + 1, size - 2, size - 2, std::max(0, radius - 1), border);
    }
  }
}

void DrawMirrorFill(TGPGraphics* graphics, TCanvas& canvas, const TRect& r, bool vertical,
                    TGDIPGradient mirrorGradient, TGDIPGradient gradient, TColor mirrorColorTo, TColor mirrorColor,
                    TColor colorTo, TColor color, TColor border, TColor inner, int mode) {
  std::unique_ptr<TGPGraphics> own;
  if (!graphics) {
    own = std::make_unique<TGPGraphics>(canvas);
    graphics = own.get();
  }
  graphics->SetSmoothingMode(SmoothingMode::SmoothingModeAntiAlias);
  if (color != clNone && colorTo != clNone && mirrorColor != clNone && mirrorColorTo != clNone) {
    const int h = r.Height() / 2;
    FillMirrorHalf(*graphics, Rect(r.Left, r.Top + h - 1, r.Right, r.Bottom), mirrorColorTo, false, mirrorGradient,
                   mirrorColor);
    FillMirrorHalf(*graphics, Rect(r.Left, r.Top, r.Right, r.Bottom - h + 1), color, true, gradient, colorTo);
  }
  DrawMirrorBorder(*graphics, r, mode, vertical, border, inner);
}

void DrawFocusFrame(TCanvas& canvas, const TRect& r, TColor color) {
  const TPen saved = canvas.Pen();
  canvas.Pen().SetColor(color);
  canvas.Pen().SetWidth(1);
  canvas.Pen().SetStyle(TPenStyle::psAlternate);
  canvas.MoveTo(r.Left, r.Top);
  canvas.LineTo(r.Right, r.Top);
  canvas.LineTo(r.Right, r.Bottom);
  canvas.LineTo(r.Left, r.Bottom);
  canvas.LineTo(r.Left, r.Top);
  canvas.Pen().Assign(saved);
}

}  // namespace AdvTrackBar
