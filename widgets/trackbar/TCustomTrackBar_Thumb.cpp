// The shapes of a thumb without picture.
#include <vector>

#include "platform/drawing/TCanvas.h"
#include "platform/drawing/TRegion.h"
#include "widgets/gdiplus/TGPGraphics.h"
#include "widgets/gdiplus/TGPGraphicsPath.h"
#include "widgets/trackbar/TCustomTrackBar.h"

using namespace AdvTrackBar;

namespace {

struct ThumbColors {
  TColor border, color, colorTo, mirror, mirrorTo;
};

std::vector<TPoint> PointerOutline(const TRect& r, bool vertical, bool tipLow, bool tipHigh) {
  // tipLow: the left (vertical bar) or top (horizontal bar) side carries a tip.
  const int half = (vertical ? r.Height() : r.Width()) / 2;
  std::vector<TPoint> p;
  if (vertical) {
    const int left = tipLow ? r.Left + half : r.Left;
    const int right = tipHigh ? r.Right - half : r.Right;
    p.push_back({left, r.Top});
    p.push_back({right, r.Top});
    if (tipHigh) p.push_back({r.Right, r.Top + half});
    p.push_back({right, r.Bottom});
    p.push_back({left, r.Bottom});
    if (tipLow) p.push_back({r.Left, r.Top + half});
  } else {
    const int top = tipLow ? r.Top + half : r.Top;
    const int bottom = tipHigh ? r.Bottom - half : r.Bottom;
    p.push_back({r.Left, top});
    if (tipLow) p.push_back({r.Left + half, r.Top});
    p.push_back({r.Right, top});
    p.push_back({r.Right, bottom});
    if (tipHigh) p.push_back({r.Left + half, r.Bottom});
    p.push_back({r.Left, bottom});
  }
  return p;
}

// Four-sided pointers and triangles by direction code.
std::vector<TPoint> CodedPolygon(TThumbShape shape, int code, const TRect& r) {
  const int hw = r.Width() / 2;
  const int hh = r.Height() / 2;
  const int L = r.Left, T = r.Top, R = r.Right, B = r.Bottom;
  const bool triangle = shape == TThumbShape::tsTriangle || shape == TThumbShape::tsTriangleLeft ||
                        shape == TThumbShape::tsTriangleRight;
  if (triangle) {
    switch (code) {
      case 0: return {{L, B}, {L, T}, {R, T + hh}};
      case 1: return {{L, T + hh}, {R, T}, {R, B}};
      case 2: return {{L, B}, {L + hw, T}, {R, B}};
      case 3: return {{L, T}, {R, T}, {L + hw, B}};
      default: return {{L, T + hh}, {L + hw, T}, {R, T + hh}, {L + hw, B}};
    }
  }
  if (shape == TThumbShape::tsPointerLeftUp) {
    switch (code) {
      case 0: return CodedPolygon(TThumbShape::tsPointerRightUp, 1, r);
      case 1: return CodedPolygon(TThumbShape::tsPointerRightUp, 0, r);
      case 2: return {{L, T}, {R, T + hw}, {R, B}, {L, B}};
      case 3: return {{L, T}, {R, T}, {R, B - hw}, {L, B}};
      case 4: return {{L, T}, {R, T}, {R - hh, B}, {L + hh, B}};
      default: return {{L, T}, {R, T + hw}, {R, B - hw}, {L, B}};
    }
  }
  switch (code) {
    case 0: return {{L, T}, {R, T}, {R, B}, {L + hh, B}};
    case 1: return {{L, T}, {R, T}, {R - hh, B}, {L, B}};
    case 2: return {{L, T + hw}, {R, T}, {R, B}, {L, B}};
    case 3: return {{L, T}, {R, T}, {R, B}, {L, B - hw}};
    case 4: return {{L, T}, {R, T}, {R - hh, B}, {L + hh, B}};
    default: return {{L, T + hw}, {R, T}, {R, B}, {L, B - hw}};
  }
}

void Outline(TCanvas& canvas, const std::vector<TPoint>& points, TColor color) {
  canvas.Pen().SetColor(color);
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  canvas.Polygon(points);
}

std::unique_ptr<TGPGraphicsPath> PolygonPath(const std::vector<TPoint>& points) {
  auto path = std::make_unique<TGPGraphicsPath>();
  std::vector<TGPPoint> gp;
  for (const TPoint& p : points) {
    gp.push_back({p.X, p.Y});
  }
  path->AddPolygon(gp);
  return path;
}

}  // namespace

void TCustomTrackBar::DrawThumbShape(const TRect& r, bool down, bool hot) {
  TTrackBarThumb& t = *m_thumb;
  TCanvas& canvas = Canvas();
  ThumbColors c{t.BorderColor(), t.Color(), t.ColorTo(), t.ColorMirror(), t.ColorMirrorTo()};
  if (down) {
    c = {t.BorderColorDown(), t.ColorDown(), t.ColorDownTo(), t.ColorMirrorDown(), t.ColorMirrorDownTo()};
  } else if (hot) {
    c = {t.BorderColorHot(), t.ColorHot(), t.ColorHotTo(), t.ColorMirrorHot(), t.ColorMirrorHotTo()};
  }
  if (!Enabled()) {
    c = {t.BorderColorDisabled(), t.ColorDisabled(), t.ColorDisabledTo(), t.ColorMirrorDisabled(),
         t.ColorMirrorDisabledTo()};
  }
  const bool custom = t.Style() == TThumbStyle::tstCustom;
  const TThumbShape shape = t.Shape();
  const TTickMark ticks = m_tickMark.Position();
  const bool vertical = Vertical();

  // The fill rule of the outline shapes, clipped to their region / path.
  auto fill = [&](const std::vector<TPoint>* polygon, int radius, const TRect& area, bool mirrorBorders) {
    if (c.color == clNone) {
      return;
    }
    const TRegion region = polygon ? TRegion::CreatePolygonRgn(*polygon, ALTERNATE)
                                   : TRegion::CreateRoundRectRgn(r.Left, r.Top, r.Right + 1, r.Bottom + 1,
                                                                 2 * radius, 2 * radius);
    if (c.colorTo != clNone && c.mirror != clNone && c.mirrorTo != clNone) {
      TGPGraphics graphics(canvas);
      const auto path = polygon ? PolygonPath(*polygon)
                                : MakeRoundRectPath(r.Left, r.Top, r.Width(), r.Height(), radius);
      graphics.SetClip(*path);
      DrawMirrorFill(&graphics, canvas, area, vertical, t.GradientMirror(), t.Gradient(), c.mirrorTo, c.mirror,
                     c.colorTo, c.color, mirrorBorders ? c.border : clNone, mirrorBorders ? clWhite : clNone,
                     mirrorBorders ? 0 : 1);
      return;
    }
    const int saved = canvas.SaveDC();
    canvas.SelectClipRgn(&region);
    if (c.colorTo != clNone) {
      DrawGradient(canvas, c.color, c.colorTo, DirectionOf(t.Gradient()), r, t.Steps());
    } else {
      canvas.Brush().SetStyle(TBrushStyle::bsSolid);
      canvas.Brush().SetColor(c.color);
      canvas.FillRect(r);
    }
    canvas.RestoreDC(saved);
  };
  auto grip = [&](bool horizontalLine, int length) {
    canvas.Pen().SetColor(c.border);
    const int cx = r.Left + r.Width() / 2;
    const int cy = r.Top + r.Height() / 2;
    if (horizontalLine) {
      canvas.MoveTo(cx - length / 2, cy);
      canvas.LineTo(cx - length / 2 + length, cy);
    } else {
      canvas.MoveTo(cx, cy - length / 2);
      canvas.LineTo(cx, cy - length / 2 + length);
    }
  };

  switch (shape) {
    case TThumbShape::tsPointer: {
      const bool tipLow = ticks == TTickMark::tmTopLeft || ticks == TTickMark::tmBoth;
      const bool tipHigh = ticks == TTickMark::tmBottomRight || ticks == TTickMark::tmBoth;
      const std::vector<TPoint> outline = PointerOutline(r, vertical, tipLow, tipHigh);
      fill(&outline, 0, r, false);
      if (c.border != clNone) {
        Outline(canvas, outline, clWhite);
        Outline(canvas, PointerOutline(InflateRect(r, -1, -1), vertical, tipLow, tipHigh), c.border);
        Outline(canvas, PointerOutline(InflateRect(r, -2, -2), vertical, tipLow, tipHigh), clWhite);
      }
      if (vertical && !custom) {
        grip(true, r.Width() / 2 - 3);
      } else {
        grip(false, r.Height() / 2 - 2);
      }
      break;
    }
    case TThumbShape::tsRectangle:
    case TThumbShape::tsRoundRect: {
      if (custom) {
        break;
      }
      const int radius = shape == TThumbShape::tsRectangle ? 1 : 8;
      fill(nullptr, radius, Rect(r.Left, r.Top, r.Right - 1, r.Bottom - 1), false);
      if (c.border != clNone) {
        canvas.Brush().SetStyle(TBrushStyle::bsClear);
        canvas.Pen().SetColor(clWhite);
        canvas.RoundRect(r.Left, r.Top, r.Right, r.Bottom, 2 * radius, 2 * radius);
        canvas.Pen().SetColor(c.border);
        canvas.RoundRect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1, 2 * radius, 2 * radius);
        if (shape == TThumbShape::tsRectangle) {
          canvas.Pen().SetColor(clWhite);
          canvas.Rectangle(InflateRect(r, -2, -2));
        }
        grip(vertical, vertical ? r.Width() / 2 - 2 : r.Height() / 2 - 2);
      }
      break;
    }
    case TThumbShape::tsRound: {
      const int radius = t.Size() / 2;
      fill(nullptr, radius, r, !custom);
      if (!custom) {
        canvas.Brush().SetStyle(TBrushStyle::bsSolid);
        canvas.Brush().SetColor(c.border);
        canvas.Pen().SetColor(c.border);
        const int cx = r.Left + r.Width() / 2 + 1;
        const int cy = r.Top + r.Height() / 2 + 1;
        canvas.RoundRect(cx - 2, cy - 2, cx + 2, cy + 2, 2, 2);
      } else if (c.border != clNone) {
        canvas.Brush().SetStyle(TBrushStyle::bsClear);
        canvas.Pen().SetColor(clWhite);
        canvas.RoundRect(r.Left, r.Top, r.Right, r.Bottom, 2 * radius, 2 * radius);
        canvas.Pen().SetColor(c.border);
        canvas.RoundRect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1, 2 * radius, 2 * radius);
      }
      break;
    }
    case TThumbShape::tsLine: {
      if (custom) {
        break;
      }
      const TColor colors[4] = {c.colorTo, c.color, BlendColor(c.color, clWhite, 60), BlendColor(c.color, clWhite, 10)};
      const int middle = vertical ? r.Top + r.Height() / 2 : r.Left + r.Width() / 2;
      for (int i = 0; i < 4; ++i) {
        canvas.Pen().SetColor(colors[i]);
        if (vertical) {
          canvas.MoveTo(r.Left, middle - 1 + i);
          canvas.LineTo(r.Right, middle - 1 + i);
        } else {
          canvas.MoveTo(middle - 1 + i, r.Top);
          canvas.LineTo(middle - 1 + i, r.Bottom);
        }
      }
      break;
    }
    default: {
      int code = 0;
      if (shape == TThumbShape::tsTriangleLeft) {
        code = vertical ? 2 : 0;
      } else if (shape == TThumbShape::tsTriangleRight) {
        code = vertical ? 3 : 1;
      } else {
        code = ticks == TTickMark::tmTopLeft ? (vertical ? 0 : 2) : ticks == TTickMark::tmBottomRight ? (vertical ? 1 : 3)
                                                                                                      : (vertical ? 4 : 5);
      }
      const std::vector<TPoint> polygon = CodedPolygon(shape, code, r);
      if (c.color != clNone) {
        const TRegion region = TRegion::CreatePolygonRgn(polygon, ALTERNATE);
        const int saved = canvas.SaveDC();
        canvas.SelectClipRgn(&region);
        DrawGradient(canvas, c.color, c.colorTo == clNone ? c.color : c.colorTo, DirectionOf(t.Gradient()), r,
                     t.Steps());
        canvas.RestoreDC(saved);
      }
      Outline(canvas, polygon, clWhite);
      if (c.border != clNone) {
        Outline(canvas, CodedPolygon(shape, code, InflateRect(r, -1, -1)), c.border);
        grip(vertical, vertical ? r.Width() / 2 - 3 : r.Height() / 2 - 3);
      }
      break;
    }
  }
}
