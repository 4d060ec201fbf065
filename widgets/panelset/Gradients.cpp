#include "widgets/panelset/Gradients.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <cstdint>
#include <vector>

#include "platform/drawing/Blit.h"
#include "platform/pictures/TBitmap.h"
#include "platform/drawing/TCanvas.h"
#include "widgets/panelset/ShadeSystem.h"

namespace Rz {
namespace {
constexpr int kStrip = 8;

// A colour ramp of n steps in 16.16 fixed point. Steps beyond the n-th stay
// on the end colour instead of running past it (a channel past 255 would
// wrap into the next one).
class Ramp {
public:
  Ramp(TColor from, TColor to, int n) {
    const TColor a = ColorToRGB(from);
    const TColor b = ColorToRGB(to);
    const int as[3] = {GetRValue(a), GetGValue(a), GetBValue(a)};
    const int bs[3] = {GetRValue(b), GetGValue(b), GetBValue(b)};
    for (int i = 0; i < 3; ++i) {
      m_start[i] = std::int64_t(as[i]) << 16;
      m_end[i] = std::int64_t(bs[i]) << 16;
      m_delta[i] = n > 0 ? (std::int64_t(bs[i] - as[i]) << 16) / n : 0;
    }
  }

  TColor At(int step) const {
    int c[3];
    for (int i = 0; i < 3; ++i) {
      std::int64_t v = m_start[i] + m_delta[i] * step;
      v = m_delta[i] >= 0 ? std::min(v, m_end[i]) : std::max(v, m_end[i]);
      c[i] = int(v >> 16);
    }
    return RGB(c[0], c[1], c[2]);
  }

private:
  std::int64_t m_start[3]{};
  std::int64_t m_end[3]{};
  std::int64_t m_delta[3]{};
};

// Splits steps [0, count) into bands: a band extends while the next colour
// equals its own or it has fewer than minSteps steps. fill(first, last, colour).
template <typename Fill>
void ForEachBand(int count, int minSteps, const std::function<TColor(int)>& colorAt, Fill fill) {
  int s = 0;
  while (s < count) {
    const TColor c = colorAt(s);
    int e = s;
    while (e + 1 < count && (colorAt(e + 1) == c || e - s + 1 < minSteps)) {
      ++e;
    }
    fill(s, e, c);
    s = e + 1;
  }
}

void FillSolid(TCanvas& canvas, const TRect& r, TColor color) {
  canvas.Brush().SetColor(color);
  canvas.FillRect(r);
}

// A strip band covering positions [from, to] inclusive along the ramp axis.
TRect StripBand(bool alongY, int from, int to) {
  const int lo = std::min(from, to);
  const int hi = std::max(from, to) + 1;
  return alongY ? Rect(0, lo, kStrip, hi) : Rect(lo, 0, hi, kStrip);
}

struct FixedPoint {
  int x;
  int y;
  friend bool operator==(const FixedPoint&, const FixedPoint&) = default;
};
}  // namespace

int MinimumBandSteps(int colorSteps) {
  if (colorSteps <= 0) {
    return 1;
  }
  return colorSteps <= 8 ? colorSteps : 255 / colorSteps + 1;
}

void LinearGradientStrip(TCanvas& canvas, bool alongY, int centre, TColor start, TColor stop, int colorSteps,
                         int length) {
  const int m = MinimumBandSteps(colorSteps);
  // First pass: stop colour at centre + 1 down to the start colour at 1,
  // the last band reaching down to 0.
  const int n1 = centre + 1;
  if (n1 > 0) {
    const Ramp ramp(stop, start, n1);
    ForEachBand(n1, m, [&](int k) { return ramp.At(k); }, [&](int s, int e, TColor c) {
      const int from = centre + 1 - s;
      const int to = e == n1 - 1 ? 0 : centre + 1 - e;
      FillSolid(canvas, StripBand(alongY, from, to), c);
    });
  }
  // Second pass: start colour at the far edge back to the stop colour at centre + 2.
  const int n2 = length - centre - 1;
  if (n2 > 0) {
    const Ramp ramp(start, stop, n2);
    ForEachBand(n2, m, [&](int k) { return ramp.At(k); }, [&](int s, int e, TColor c) {
      FillSolid(canvas, StripBand(alongY, length - s, length - e), c);
    });
  }
}

void DoublingFillBlit(TCanvas& canvas, bool alongX, int stripSize, int fullSize) {
  const QImage* image = canvas.Target();
  if (image == nullptr) {
    return;
  }
  int done = stripSize;
  while (done < fullSize) {
    const int n = std::min(done, fullSize - done);
    if (alongX) {
      BitBlt(canvas, done, 0, n, image->height(), &canvas, 0, 0, SRCCOPY);
    } else {
      BitBlt(canvas, 0, done, image->width(), n, &canvas, 0, 0, SRCCOPY);
    }
    done += n;
  }
}

void BoxGradient(TCanvas& canvas, int w, int h, int colorSteps, TColor centre, TColor edge, int insetY,
                 int insetX) {
  if (ColorToRGB(centre) == ColorToRGB(edge) || w < 5 || h <= 4) {
    FillSolid(canvas, Rect(0, 0, w + 1, h + 1), edge);
    return;
  }
  const int hw = (w - 1) / 2;
  const int hh = (h - 1) / 2;
  // Insets beyond the half sizes leave a centre area of one pixel; the walk
  // from it to the edges then still ends.
  const int spanX = std::max(hw - insetX, 0);
  const int spanY = std::max(hh - insetY, 0);
  const int n = std::max(spanX, spanY) + 1;
  const std::int64_t stepX = (std::int64_t(spanX) << 16) / n;
  const std::int64_t stepY = (std::int64_t(spanY) << 16) / n;
  auto position = [&](int k) {
    return FixedPoint{int(((std::int64_t(spanX) << 16) - stepX * k) >> 16),
                      int(((std::int64_t(spanY) << 16) - stepY * k) >> 16)};
  };
  // Steps run until both coordinates have passed below 0; the ramp has
  // reached the edge colour by step n, so no walk needs more than n + 2 steps.
  int count = 0;
  while (count <= n + 1) {
    const FixedPoint p = position(count);
    ++count;
    if (p.x < 0 && p.y < 0) {
      break;
    }
  }
  const Ramp ramp(centre, edge, n);
  ForEachBand(count, MinimumBandSteps(colorSteps), [&](int k) { return ramp.At(k); },
              [&](int s, int e, TColor c) {
                const FixedPoint now = position(e);
                const FixedPoint before = s == 0 ? FixedPoint{hw + 1, hh + 1} : position(s - 1);
                FillSolid(canvas, Rect(now.x, now.y, hw + 1, before.y), c);
                FillSolid(canvas, Rect(now.x, now.y, before.x, hh + 1), c);
              });
}

void MirrorFillBlit(TCanvas& canvas, int w, int h) {
  // The quadrant holds columns 0..(w - 1) div 2 and rows 0..(h - 1) div 2.
  // Each copy is an exact mirror (equal source and destination extents): a
  // copy stretched by one column, as a k-wide source onto k + 1 columns
  // would be, shifts half of the bottom by a pixel and leaves a seam across
  // the middle.
  const int quadrantWidth = (w - 1) / 2 + 1;
  StretchBlt(canvas, 0, h - 1, quadrantWidth, -(h / 2), &canvas, 0, 0, quadrantWidth, h / 2, SRCCOPY);
  StretchBlt(canvas, w - 1, 0, -(w / 2), h, &canvas, 0, 0, w / 2, h, SRCCOPY);
}

void DiagonalGradient(TCanvas& canvas, int signedWidth, int h, int colorSteps, TColor first, TColor last) {
  const int w = std::abs(signedWidth);
  const int n = int(std::sqrt(double(w) * w + double(h) * h)) + 1;
  const int half = std::max(n / 2, 1);
  const std::int64_t stepX = (std::int64_t(signedWidth) << 16) / half;
  const std::int64_t stepY = (std::int64_t(h) << 16) / half;
  const int x0 = signedWidth > 0 ? 0 : w;
  const int xf = signedWidth > 0 ? w : 0;
  const Ramp ramp(first, last, n);
  const int minSteps = MinimumBandSteps(colorSteps);
  canvas.Pen().SetStyle(TPenStyle::psClear);
  int colourBase = 0;
  for (int phase = 1; phase <= 2; ++phase) {
    // Positions of the phase: step 0 is the start corner; the step at which
    // y passes below 0 is pinned to the phase's end (y = 0, x on the far edge).
    std::vector<FixedPoint> steps{{x0, h}};
    for (int j = 1;; ++j) {
      const std::int64_t y = (std::int64_t(h) << 16) - stepY * j;
      if (y < 0) {
        steps.push_back({xf, 0});
        break;
      }
      steps.push_back({int(((std::int64_t(x0) << 16) + stepX * j) >> 16), int(y >> 16)});
    }
    const int count = int(steps.size()) - 1;
    ForEachBand(count, minSteps, [&](int k) { return ramp.At(colourBase + k); }, [&](int s, int e, TColor c) {
      const FixedPoint from = steps[std::size_t(s)];
      const FixedPoint to = steps[std::size_t(e + 1)];
      if (from == to) {
        return;
      }
      canvas.Brush().SetColor(c);
      if (phase == 1) {
        canvas.Polygon({{x0, to.y}, {x0, from.y}, {from.x, h}, {to.x, h}});
      } else {
        canvas.Polygon({{to.x, 0}, {from.x, 0}, {xf, from.y}, {xf, to.y}});
      }
    });
    colourBase += count;
  }
}

void PaintGradientBitmap(TCanvas& canvas, const TRect& r, TGradientDirection direction, TColor start, TColor stop,
                         int colorSteps) {
  const int w = std::abs(r.Width());
  const int h = std::abs(r.Height());
  if (w == 0 || h == 0) {
    return;
  }
  start = ColorToRGB(start);
  stop = ColorToRGB(stop);
  TBitmap bitmap(w, h);
  TCanvas& c = bitmap.Canvas();
  c.Pen().SetWidth(1);
  c.Pen().SetStyle(TPenStyle::psClear);
  c.Pen().SetMode(TPenMode::pmCopy);
  c.Brush().SetStyle(TBrushStyle::bsSolid);
  switch (direction) {
    case TGradientDirection::gdDiagonalUp:
    case TGradientDirection::gdDiagonalDown: {
      const bool up = direction == TGradientDirection::gdDiagonalUp;
      if (start == stop) {
        FillSolid(c, Rect(0, 0, w, h), start);
      } else {
        DiagonalGradient(c, up ? w : -w, h, colorSteps, up ? start : stop, up ? stop : start);
      }
      break;
    }
    case TGradientDirection::gdHorizontalCenter:
      LinearGradientStrip(c, true, h / 2, start, stop, colorSteps, h);
      DoublingFillBlit(c, true, kStrip, w);
      break;
    case TGradientDirection::gdVerticalCenter:
      LinearGradientStrip(c, false, w / 2, start, stop, colorSteps, w);
      DoublingFillBlit(c, false, kStrip, h);
      break;
    case TGradientDirection::gdHorizontalBox:
      FillSolid(c, Rect(0, 0, w, h), start);
      BoxGradient(c, w, h, colorSteps, stop, start, 0, w / 4);
      MirrorFillBlit(c, w, h);
      break;
    case TGradientDirection::gdVerticalBox:
      BoxGradient(c, w, h, colorSteps, stop, start, h / 4, 0);
      MirrorFillBlit(c, w, h);
      break;
    case TGradientDirection::gdSquareBox:
      FillSolid(c, Rect(0, 0, w, h), start);
      BoxGradient(c, w, h, colorSteps, stop, start, 0, 0);
      MirrorFillBlit(c, w, h);
      break;
    case TGradientDirection::gdBigSquareBox:
      BoxGradient(c, w, h, colorSteps, stop, start, h / 4, w / 4);
      MirrorFillBlit(c, w, h);
      break;
    case TGradientDirection::gdHorizontalEnd:
    case TGradientDirection::gdVerticalEnd:
      c.GradientFill(Rect(0, 0, w, h), start, stop, direction == TGradientDirection::gdHorizontalEnd);
      break;
  }
  canvas.Draw(r.Left, r.Top, bitmap);
}

void FillGradient(TCanvas& canvas, const TRect& r, TGradientDirection direction, TColor start, TColor stop,
                  int colorSteps) {
  if (direction == TGradientDirection::gdHorizontalEnd || direction == TGradientDirection::gdVerticalEnd) {
    canvas.GradientFill(r, start, stop, direction == TGradientDirection::gdHorizontalEnd);
    return;
  }
  PaintGradientBitmap(canvas, r, direction, start, stop, colorSteps);
}

void PaintGradientRing(TCanvas& canvas, const TRect& r, TGradientDirection direction, TColor start, TColor stop) {
  if (!HighColorDisplay()) {
    return;
  }
  const TRect inner = InflateRect(r, -2, -2);
  canvas.ExcludeClipRect(inner.Left, inner.Top, inner.Right, inner.Bottom);
  FillGradient(canvas, r, direction, start, stop, 1);
  canvas.SelectClipRgn(nullptr);
}

}  // namespace Rz
