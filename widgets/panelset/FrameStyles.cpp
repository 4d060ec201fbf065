#include "widgets/panelset/FrameStyles.h"

#include "platform/drawing/TCanvas.h"
#include "widgets/panelset/ShadeSystem.h"

namespace Rz {
namespace {
struct Line {
  TColor upperLeft;
  TColor lowerRight;
};

Line StyleColors(TFrameStyleEx style) {
  switch (style) {
    case TFrameStyleEx::fsGroove:
    case TFrameStyleEx::fsStatus:
      return {clBtnShadow, clBtnHighlight};
    case TFrameStyleEx::fsBump:
    case TFrameStyleEx::fsPopup:
      return {clBtnHighlight, clBtnShadow};
    case TFrameStyleEx::fsFlatBold:
      return {clBtnShadow, clBtnShadow};
    default:
      return {cl3DDkShadow, cl3DDkShadow};
  }
}

TRect TwoLines(TCanvas& canvas, const TRect& r, Line outer, Line inner, TSides sides) {
  const TRect next = StrokeSides(canvas, r, outer.upperLeft, outer.lowerRight, sides);
  return StrokeSides(canvas, next, inner.upperLeft, inner.lowerRight, sides);
}

void Line2(TCanvas& canvas, TColor color, int x0, int y0, int x1, int y1) {
  canvas.Pen().SetColor(color);
  canvas.MoveTo(x0, y0);
  canvas.LineTo(x1, y1);
}

// The two-tone etched frame of fsGroove and fsBump.
TRect Etched(TCanvas& canvas, const TRect& r, TColor ul, TColor lr, TSides sides) {
  const bool left = sides.Contains(TSide::sdLeft);
  const bool top = sides.Contains(TSide::sdTop);
  const bool right = sides.Contains(TSide::sdRight);
  const bool bottom = sides.Contains(TSide::sdBottom);
  if (right) {
    canvas.SetPixel(r.Right - 1, r.Top, lr);
  } else if (top) {
    canvas.SetPixel(r.Right - 1, r.Top, ul);
  }
  if (bottom) {
    canvas.SetPixel(r.Left, r.Bottom - 1, lr);
  } else if (left) {
    canvas.SetPixel(r.Left, r.Bottom - 1, ul);
  }
  if (top && !left) {
    canvas.SetPixel(r.Left, r.Top + 1, lr);
  }
  if (left && !top) {
    canvas.SetPixel(r.Left + 1, r.Top, lr);
  }
  if (bottom && !right) {
    canvas.SetPixel(r.Right - 1, r.Bottom - 2, ul);
  }
  if (right && !bottom) {
    canvas.SetPixel(r.Right - 2, r.Bottom - 1, ul);
  }
  StrokeSides(canvas, Rect(r.Left + 1, r.Top + 1, r.Right, r.Bottom), lr, lr, sides);
  StrokeSides(canvas, Rect(r.Left, r.Top, r.Right - 1, r.Bottom - 1), ul, ul, sides);
  return ShrinkSides(r, sides, 2);
}

// A one-pixel ring on the chosen sides.
TRect Ring(TCanvas& canvas, const TRect& r, TColor color, TSides sides) {
  return StrokeSides(canvas, r, color, color, sides);
}

TRect PaintFrameLayer(TCanvas& canvas, const TRect& r, TFrameStyleEx style, TColor flat,
                      const TBorderFrame& frame, bool outer) {
  switch (style) {
    case TFrameStyleEx::fsFlat:
      return StrokeBevel(canvas, r, flat, flat, frame.Sides, 1);
    case TFrameStyleEx::fsFlatBold:
      return StrokeBevel(canvas, r, flat, flat, frame.Sides, 2);
    case TFrameStyleEx::fsStatus:
      return StrokeBevel(canvas, r, frame.BorderShadow, frame.BorderHighlight, frame.Sides, frame.BevelWidth);
    case TFrameStyleEx::fsPopup:
      return StrokeBevel(canvas, r, frame.BorderHighlight, frame.BorderShadow, frame.Sides, frame.BevelWidth);
    case TFrameStyleEx::fsFlatRounded: {
      const bool bordered = frame.BorderWidth > 0 || frame.Inner != TFrameStyleEx::fsNone;
      if (outer) {
        if (!frame.Transparent) {
          const TRect inside = Ring(canvas, r, frame.ParentColor, frame.Sides);
          Ring(canvas, inside, bordered ? frame.BorderColor : frame.Color, frame.Sides);
        } else if (bordered) {
          Ring(canvas, ShrinkSides(r, frame.Sides, 1), frame.BorderColor, frame.Sides);
        }
      } else {
        const TRect inside = Ring(canvas, r, frame.BorderColor, frame.Sides);
        if (!frame.Transparent) {
          Ring(canvas, inside, frame.Color, frame.Sides);
        }
      }
      return StrokeRoundedBox(canvas, r, flat, frame.Sides);
    }
    default:
      return StrokeFrameStyle(canvas, r, style, frame.Sides);
  }
}
}  // namespace

int FrameWidth(TFrameStyleEx style, int bevelWidth) {
  switch (style) {
    case TFrameStyleEx::fsNone:
      return 0;
    case TFrameStyleEx::fsFlat:
      return 1;
    case TFrameStyleEx::fsStatus:
    case TFrameStyleEx::fsPopup:
      return bevelWidth;
    default:
      return 2;
  }
}

TRect ShrinkSides(const TRect& r, TSides sides, int amount) {
  TRect result = r;
  if (sides.Contains(TSide::sdLeft)) result.Left += amount;
  if (sides.Contains(TSide::sdTop)) result.Top += amount;
  if (sides.Contains(TSide::sdRight)) result.Right -= amount;
  if (sides.Contains(TSide::sdBottom)) result.Bottom -= amount;
  return result;
}

TRect StrokeSides(TCanvas& canvas, const TRect& r, TColor upperLeft, TColor lowerRight, TSides sides) {
  if (upperLeft != clNone) {
    if (sides.Contains(TSide::sdLeft)) {
      Line2(canvas, upperLeft, r.Left, r.Top, r.Left, r.Bottom);
    }
    if (sides.Contains(TSide::sdTop)) {
      Line2(canvas, upperLeft, r.Left, r.Top, r.Right, r.Top);
    }
  }
  if (lowerRight != clNone) {
    if (sides.Contains(TSide::sdRight)) {
      Line2(canvas, lowerRight, r.Right - 1, r.Top, r.Right - 1, r.Bottom);
    }
    if (sides.Contains(TSide::sdBottom)) {
      Line2(canvas, lowerRight, r.Left, r.Bottom - 1, r.Right, r.Bottom - 1);
    }
  }
  return ShrinkSides(r, sides, 1);
}

TRect StrokeBevel(TCanvas& canvas, const TRect& r, TColor upperLeft, TColor lowerRight, TSides sides, int count) {
  canvas.Pen().SetWidth(1);
  TRect result = r;
  for (int i = 0; i < count; ++i) {
    result = StrokeSides(canvas, result, upperLeft, lowerRight, sides);
  }
  return result;
}

TRect Stroke3DBorder(TCanvas& canvas, const TRect& r, bool lowered, TSides sides) {
  if (lowered) {
    return TwoLines(canvas, r, {clBtnShadow, clBtnHighlight}, {cl3DDkShadow, cl3DLight}, sides);
  }
  return TwoLines(canvas, r, {cl3DLight, cl3DDkShadow}, {clBtnHighlight, clBtnShadow}, sides);
}

TRect StrokeButtonBorder(TCanvas& canvas, const TRect& r, bool pressed, TSides sides) {
  if (pressed) {
    return TwoLines(canvas, r, {clBtnText, clBtnText}, {clBtnShadow, clBtnShadow}, sides);
  }
  return TwoLines(canvas, r, {clBtnHighlight, cl3DDkShadow}, {cl3DLight, clBtnShadow}, sides);
}

TRect StrokeShadedButtonBorder(TCanvas& canvas, const TRect& r, TColor face, bool pressed, TSides sides) {
  if (pressed) {
    const TColor outer = DarkerShade(face, 100);
    const TColor inner = DarkerShade(face, 50);
    return TwoLines(canvas, r, {outer, outer}, {inner, inner}, sides);
  }
  return TwoLines(canvas, r, {LighterShade(face, 100), DarkerShade(face, 100)},
                  {LighterShade(face, 40), DarkerShade(face, 50)}, sides);
}

TRect StrokeFrameStyle(TCanvas& canvas, const TRect& r, TFrameStyleEx style, TSides sides) {
  const Line colors = StyleColors(style);
  switch (style) {
    case TFrameStyleEx::fsNone:
      return r;
    case TFrameStyleEx::fsFlat:
    case TFrameStyleEx::fsStatus:
    case TFrameStyleEx::fsPopup:
      return StrokeSides(canvas, r, colors.upperLeft, colors.lowerRight, sides);
    case TFrameStyleEx::fsLowered:
    case TFrameStyleEx::fsRaised:
      return Stroke3DBorder(canvas, r, style == TFrameStyleEx::fsLowered, sides);
    case TFrameStyleEx::fsButtonDown:
    case TFrameStyleEx::fsButtonUp:
      return StrokeButtonBorder(canvas, r, style == TFrameStyleEx::fsButtonDown, sides);
    case TFrameStyleEx::fsFlatBold:
      return StrokeBevel(canvas, r, colors.upperLeft, colors.lowerRight, sides, 2);
    case TFrameStyleEx::fsGroove:
    case TFrameStyleEx::fsBump:
      return Etched(canvas, r, colors.upperLeft, colors.lowerRight, sides);
    case TFrameStyleEx::fsFlatRounded:
      return StrokeRoundedBox(canvas, r, cl3DDkShadow, sides);
  }
  return r;
}

TRect StrokeShadedFrameStyle(TCanvas& canvas, const TRect& r, TColor face, TFrameStyleEx style, TSides sides) {
  const TColor dark50 = DarkerShade(face, 50);
  const TColor light100 = LighterShade(face, 100);
  switch (style) {
    case TFrameStyleEx::fsNone:
      return r;
    case TFrameStyleEx::fsFlat:
      return StrokeSides(canvas, r, dark50, dark50, sides);
    case TFrameStyleEx::fsGroove:
      return Etched(canvas, r, dark50, light100, sides);
    case TFrameStyleEx::fsBump:
    case TFrameStyleEx::fsFlatRounded:
      return Etched(canvas, r, light100, dark50, sides);
    case TFrameStyleEx::fsLowered:
      return TwoLines(canvas, r, {dark50, LighterShade(face, 100)}, {DarkerShade(face, 100), LighterShade(face, 50)},
                      sides);
    case TFrameStyleEx::fsRaised:
      return TwoLines(canvas, r, {LighterShade(face, 50), DarkerShade(face, 100)}, {light100, dark50}, sides);
    case TFrameStyleEx::fsButtonDown:
    case TFrameStyleEx::fsButtonUp:
      return StrokeShadedButtonBorder(canvas, r, face, style == TFrameStyleEx::fsButtonDown, sides);
    case TFrameStyleEx::fsStatus:
      return StrokeSides(canvas, r, dark50, light100, sides);
    case TFrameStyleEx::fsPopup:
      return StrokeSides(canvas, r, light100, dark50, sides);
    case TFrameStyleEx::fsFlatBold:
      return StrokeBevel(canvas, r, dark50, dark50, sides, 2);
  }
  return r;
}

TRect StrokeBox(TCanvas& canvas, const TRect& r, TColor color) {
  StrokeSides(canvas, r, color, color, AllSides);
  return InflateRect(r, -1, -1);
}

TRect StrokeRoundedBox(TCanvas& canvas, const TRect& r, TColor color, TSides sides) {
  const bool left = sides.Contains(TSide::sdLeft);
  const bool top = sides.Contains(TSide::sdTop);
  const bool right = sides.Contains(TSide::sdRight);
  const bool bottom = sides.Contains(TSide::sdBottom);
  const int t = top ? r.Top + 2 : r.Top;
  const int b = bottom ? r.Bottom - 2 : r.Bottom;
  const int l = left ? r.Left + 2 : r.Left;
  const int rr = right ? r.Right - 2 : r.Right;
  if (left) Line2(canvas, color, r.Left, t, r.Left, b);
  if (top) Line2(canvas, color, l, r.Top, rr, r.Top);
  if (right) Line2(canvas, color, r.Right - 1, t, r.Right - 1, b);
  if (bottom) Line2(canvas, color, l, r.Bottom - 1, rr, r.Bottom - 1);
  if (left && top) canvas.SetPixel(r.Left + 1, r.Top + 1, color);
  if (top && right) canvas.SetPixel(r.Right - 2, r.Top + 1, color);
  if (right && bottom) canvas.SetPixel(r.Right - 2, r.Bottom - 2, color);
  if (bottom && left) canvas.SetPixel(r.Left + 1, r.Bottom - 2, color);
  return Rect(l, t, rr, b);
}

TRect StrokeDottedBox(TCanvas& canvas, const TRect& r) {
  for (int x = r.Left + 1; x < r.Right; x += 2) {
    canvas.SetPixel(x, r.Top, clBlack);
    canvas.SetPixel(x, r.Bottom - 1, clBlack);
  }
  for (int y = r.Top + 1; y < r.Bottom; y += 2) {
    canvas.SetPixel(r.Left, y, clBlack);
    canvas.SetPixel(r.Right - 1, y, clBlack);
  }
  return InflateRect(r, -1, -1);
}

TRect PaintBorderFrame(TCanvas& canvas, const TRect& bounds, const TBorderFrame& frame) {
  const TColor flat = AdjustedShade(frame.FlatColor, frame.FlatColorAdjustment);
  TRect r = PaintFrameLayer(canvas, bounds, frame.Outer, flat, frame, true);
  if (frame.BorderWidth > 0) {
    r = StrokeBevel(canvas, r, frame.BorderColor, frame.BorderColor, frame.Sides, frame.BorderWidth);
  }
  return PaintFrameLayer(canvas, r, frame.Inner, flat, frame, false);
}

TRect FramedClientRect(const TRect& bounds, const TBorderFrame& frame, bool deflateByBorderWidth) {
  TRect r = deflateByBorderWidth ? InflateRect(bounds, -frame.BorderWidth, -frame.BorderWidth) : bounds;
  r = ShrinkSides(r, frame.Sides, FrameWidth(frame.Outer, frame.BevelWidth));
  return ShrinkSides(r, frame.Sides, FrameWidth(frame.Inner, frame.BevelWidth));
}

}  // namespace Rz
