#include "widgets/smooth/TAdvProgressBar.h"

#include <algorithm>

#include "platform/core/Rounding.h"
#include "platform/pictures/TBitmap.h"
#include "platform/drawing/TCanvas.h"
#include "platform/threads/TTimer.h"
#include "widgets/smooth/IntegerFormat.h"

namespace {

void FillIn(TCanvas& canvas, const TRect& r, TColor color) {
  canvas.Brush().SetStyle(TBrushStyle::bsSolid);
  canvas.Brush().SetColor(color);
  canvas.Pen().SetColor(color);
  canvas.FillRect(r);
}

// A stepped gradient across one half of a segment, from `start` at the
// outer edge to `stop` at the middle. fromOuterLowEdge: the outer edge is
// the top (or the left when the bar is vertical).
void SteppedHalf(TCanvas& canvas, const TRect& half, TColor start, TColor stop, int steps, bool horizontal,
                 bool fromOuterLowEdge) {
  const int count = steps == 0 ? 1 : steps;
  const int extent = horizontal ? half.Height() : half.Width();
  const double s = double(extent) / count;
  const TColor a = ColorToRGB(start);
  const TColor b = ColorToRGB(stop);
  for (int n = 0; n < count; ++n) {
    const int red = GetRValue(a) + Round(double(n) * (GetRValue(b) - GetRValue(a)) / count);
    const int green = GetGValue(a) + Round(double(n) * (GetGValue(b) - GetGValue(a)) / count);
    const int blue = GetBValue(a) + Round(double(n) * (GetBValue(b) - GetBValue(a)) / count);
    const int from = Round(n * s);
    const int to = std::min(from + Trunc(s) + 1, extent);
    if (to <= from) {
      continue;
    }
    TRect band = half;
    if (horizontal) {
      band.Top = fromOuterLowEdge ? half.Top + from : half.Bottom - to;
      band.Bottom = fromOuterLowEdge ? half.Top + to : half.Bottom - from;
    } else {
      band.Left = fromOuterLowEdge ? half.Left + from : half.Right - to;
      band.Right = fromOuterLowEdge ? half.Left + to : half.Right - from;
    }
    FillIn(canvas, band, RGB(red, green, blue));
  }
}

void PaintSegment(TCanvas& canvas, const TRect& r, TColor color, TColor colorTo, const TGaugeSettings& s) {
  if (r.IsEmpty()) {
    return;
  }
  const bool horizontal = s.Orientation == TGaugeOrientation::goHorizontal;
  if (!s.ShowGradient) {
    FillIn(canvas, r, color);
    return;
  }
  if (horizontal) {
    const int mid = r.Top + r.Height() / 2;
    SteppedHalf(canvas, Rect(r.Left, r.Top, r.Right, mid), colorTo, color, s.Steps, true, true);
    SteppedHalf(canvas, Rect(r.Left, mid, r.Right, r.Bottom), colorTo, color, s.Steps, true, false);
  } else {
    const int mid = r.Left + r.Width() / 2;
    SteppedHalf(canvas, Rect(r.Left, r.Top, mid, r.Bottom), colorTo, color, s.Steps, false, true);
    SteppedHalf(canvas, Rect(mid, r.Top, r.Right, r.Bottom), colorTo, color, s.Steps, false, false);
  }
}

void PaintStacked(TCanvas& canvas, const TRect& r, int c, int p, int l1, int l2, const TGaugeSettings& s) {
  const bool horizontal = s.Orientation == TGaugeOrientation::goHorizontal;
  // Segment n starts where segment n - 1 ends: along x from the left, or up from the bottom.
  int edge = 0;
  int index = 0;
  auto segment = [&](int length, TColor color, TColor colorTo) {
    TRect seg;
    if (horizontal) {
      seg = index == 0 ? Rect(r.Left + 2, r.Top + 1, r.Left + length, r.Bottom - 1)
                       : Rect(edge, r.Top + 1, edge + length, r.Bottom - 1);
      edge = seg.Right;
    } else {
      const int inset = index == 2 ? 1 : 0;
      seg = index == 0 ? Rect(r.Left + 1, r.Bottom - length + 1, r.Right - 1, r.Bottom - 2)
                       : Rect(r.Left + 1, edge - length - inset, r.Right - 1, edge - inset);
      edge = seg.Top;
    }
    ++index;
    PaintSegment(canvas, seg, color, colorTo, s);
  };
  const int len0 = p < l1 ? Round(p / 100.0 * c) : Round(l1 / 100.0 * c);
  segment(len0, s.Level0Color, s.Level0ColorTo);
  if (p < l1) {
    return;
  }
  const int len1 = p < l2 ? Round(c * (p - l1) / 100.0) : Round(c * (l2 - l1) / 100.0);
  segment(len1, s.Level1Color, s.Level1ColorTo);
  if (p < l2) {
    return;
  }
  const int len2 = p == 100 ? c - len0 - len1 : Round(c * (p - l2) / 100.0);
  segment(len2, s.Level2Color, s.Level2ColorTo);
}

void PaintBlocks(TCanvas& canvas, const TRect& r, int c, int p, TColor color, TColor colorTo,
                 const TGaugeSettings& s) {
  const bool horizontal = s.Orientation == TGaugeOrientation::goHorizontal;
  if (s.CompletionSmooth) {
    const int n = Round(p / 100.0 * c);
    PaintSegment(canvas,
                 horizontal ? Rect(r.Left + 2, r.Top + 2, r.Left + n, r.Bottom - 2)
                            : Rect(r.Left + 2, r.Bottom - n, r.Right - 2, r.Bottom - 2),
                 color, colorTo, s);
    return;
  }
  const int f = Round(c * p / 100.0);
  if (f < 10) {
    if (f > 1) {
      PaintSegment(canvas,
                   horizontal ? Rect(r.Left + 2, r.Top + 2, r.Left + f + 1, r.Bottom - 2)
                              : Rect(r.Left + 2, r.Bottom - f - 1, r.Right - 2, r.Bottom - 2),
                   color, colorTo, s);
    }
    return;
  }
  TRect block = horizontal ? Rect(r.Left + 2, r.Top + 2, r.Left + 9, r.Bottom - 2)
                           : Rect(r.Left + 2, r.Bottom - 9, r.Right - 2, r.Bottom - 2);
  PaintSegment(canvas, block, color, colorTo, s);
  for (int i = 0; i < f / 9 - 1; ++i) {
    block = horizontal ? Rect(block.Right + 2, block.Top, block.Right + 9, block.Bottom)
                       : Rect(block.Left, block.Top - 9, block.Right, block.Top - 2);
    PaintSegment(canvas, block, color, colorTo, s);
  }
  const int rest = f % 9;
  if (rest > 2) {
    block = horizontal ? Rect(block.Right + 2, r.Top + 2, block.Right + rest + 1, r.Bottom - 2)
                       : Rect(r.Left + 2, std::max(r.Top + 2, block.Top - rest - 1), r.Right - 2, block.Top - 2);
    PaintSegment(canvas, block, color, colorTo, s);
  }
}

}  // namespace

void DrawGauge(TCanvas& canvas, const TRect& r, const TGaugeSettings& s) {
  const bool horizontal = s.Orientation == TGaugeOrientation::goHorizontal;
  const int c = horizontal ? r.Width() - 2 : r.Height() - 2;
  int p = s.Position;
  int l1 = s.Level1Perc;
  int l2 = s.Level2Perc;
  if (s.Rounded) {
    FillIn(canvas, r, clFuchsia);
  }
  if (s.Infinite) {
    p = 100;
    l1 = 101;
    l2 = 101;
  }
  canvas.Brush().SetStyle(TBrushStyle::bsSolid);
  canvas.Brush().SetColor(s.BackgroundColor);
  canvas.Pen().SetColor(s.ShowBorder ? s.BorderColor : s.BackgroundColor);
  if (s.Rounded) {
    canvas.RoundRect(r.Left, r.Top, r.Right, r.Bottom, 6, 6);
  } else {
    canvas.Rectangle(r);
  }
  if (s.Level0BkColor != clNone || s.Level1BkColor != clNone || s.Level2BkColor != clNone) {
    const int z0 = Round(l1 / 100.0 * c);
    const int z1 = Round(c * (l2 - l1) / 100.0);
    const int z2 = c - z0 - z1;
    TRect zones[3];
    if (horizontal) {
      zones[0] = Rect(r.Left + 2, r.Top + 1, r.Left + z0, r.Bottom - 1);
      zones[1] = Rect(zones[0].Right, r.Top + 1, zones[0].Right + z1, r.Bottom - 1);
      zones[2] = Rect(zones[1].Right, r.Top + 1, zones[1].Right + z2, r.Bottom - 1);
    } else {
      zones[0] = Rect(r.Left + 1, r.Bottom - z0 + 1, r.Right - 1, r.Bottom - 2);
      zones[1] = Rect(r.Left + 1, zones[0].Top - z1, r.Right - 1, zones[0].Top);
      zones[2] = Rect(r.Left + 1, zones[1].Top - z2 - 1, r.Right - 1, zones[1].Top - 1);
    }
    const TColor colors[3] = {s.Level0BkColor, s.Level1BkColor, s.Level2BkColor};
    for (int i = 0; i < 3; ++i) {
      if (colors[i] != clNone) {
        FillIn(canvas, zones[i], colors[i]);
      }
    }
  }
  if (p > 0) {
    if (s.Stacked) {
      PaintStacked(canvas, r, c, p, l1, l2, s);
    } else if (p < l1) {
      PaintBlocks(canvas, r, c, p, s.Level0Color, s.Level0ColorTo, s);
    } else if (p < l2) {
      PaintBlocks(canvas, r, c, p, s.Level1Color, s.Level1ColorTo, s);
    } else if (p >= 100) {
      PaintBlocks(canvas, r, c, p, s.Level3Color, s.Level3ColorTo, s);
    } else {
      PaintBlocks(canvas, r, c, p, s.Level2Color, s.Level2ColorTo, s);
    }
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
  }
  if (s.Infinite) {
    const int e = horizontal ? r.Width() : r.Height();
    const int q = e <= 4 ? 0 : Round(s.InfinitePos / 100.0 * (e - 4));
    if (horizontal) {
      FillIn(canvas, Rect(r.Left + 2, r.Top + 1, std::max(r.Left + 2, r.Left + q - 10), r.Bottom - 1),
             s.BackgroundColor);
      FillIn(canvas, Rect(std::min(r.Right - 2, r.Left + q + 12), r.Top + 2, r.Right - 2, r.Bottom - 2),
             s.BackgroundColor);
    } else {
      FillIn(canvas, Rect(r.Left + 2, r.Top + 2, r.Right - 2, std::max(r.Top + 2, r.Top + q - 10)),
             s.BackgroundColor);
      FillIn(canvas, Rect(r.Left + 2, std::min(r.Bottom - 2, r.Top + q + 12), r.Right - 2, r.Bottom - 2),
             s.BackgroundColor);
    }
  }
  if (s.ShowPosition) {
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    if (s.Font) {
      canvas.Font().Assign(*s.Font);
    }
    QString text = s.ShowPercentage ? QString::number(p) + QLatin1Char('%') : QString::number(s.Value);
    if (!s.Format.isEmpty()) {
      text = FormatIntegers(s.Format, {s.Value, s.Max});
    }
    if (horizontal) {
      const TSize size = canvas.TextExtent(text);
      canvas.TextOut(r.Left + r.Width() / 2 - size.cx / 2, r.Top + r.Height() / 2 - size.cy / 2, text);
    } else {
      canvas.Font().SetOrientation(900);
      const TSize size = canvas.TextExtent(text);
      canvas.TextOut(r.Left + r.Width() / 2 - size.cy / 2, r.Top + r.Height() / 2 + size.cx / 2, text);
    }
  }
}

TAdvProgressBar::TAdvProgressBar(QWidget* parent) : TGraphicControl(parent), m_timer(std::make_unique<TTimer>()) {
  m_levels.Level0Color = 0x00FF00;
  m_levels.Level0ColorTo = 0xE1FFE1;
  m_levels.Level1Color = 0x00FFFF;
  m_levels.Level1ColorTo = 0xCAFFFF;
  m_levels.Level2Color = 0x53A9FF;
  m_levels.Level2ColorTo = 0xA8D3FF;
  m_levels.Level3Color = 0x0000FF;
  m_levels.Level3ColorTo = 0xCACAFF;
  m_fontPercentage.SetName(QStringLiteral("Verdana"));
  m_fontPercentage.SetSize(10);
  m_fontPercentage.OnChange = [this](TObject*) { Invalidate(); };
  m_timer->SetEnabled(false);
  m_timer->SetInterval(m_infiniteInterval);
  m_timer->OnTimer = [this](TObject*) { InfiniteTimerTick(); };
  SetBounds(Left(), Top(), 128, 18);
}

TAdvProgressBar::~TAdvProgressBar() = default;

int TAdvProgressBar::Percentage() const {
  if (m_max == m_min) {
    return 0;
  }
  return Round(double(m_position - m_min) / double(m_max - m_min) * 100.0);
}

void TAdvProgressBar::SetMin(int value) {
  m_min = value;
  m_maxIncrement = (m_max - m_min) / 100;
  Invalidate();
}

void TAdvProgressBar::SetMax(int value) {
  m_max = value;
  m_maxIncrement = (m_max - m_min) / 100;
  Invalidate();
}

void TAdvProgressBar::SetPosition(int value) {
  if (value < m_min) {
    m_position = m_min;
    return;
  }
  if (value > m_max) {
    m_position = m_max;
    return;
  }
  m_position = value;
  const int p = Percentage();
  if (m_maxIncrement == 0 || value % m_maxIncrement == 0 || value / m_maxIncrement != m_oldBlockPos ||
      p != m_oldPos) {
    Repaint();
  }
  m_oldPos = p;
  if (m_maxIncrement != 0) {
    m_oldBlockPos = m_position / m_maxIncrement;
  }
}

void TAdvProgressBar::SetLevel0BkColor(TColor v) {
  if (StoreIfChanged(m_levels.Level0BkColor, v)) {
    Invalidate();
  }
}

void TAdvProgressBar::SetLevel1BkColor(TColor v) {
  if (StoreIfChanged(m_levels.Level1BkColor, v)) {
    Invalidate();
  }
}

void TAdvProgressBar::SetLevel2BkColor(TColor v) {
  if (StoreIfChanged(m_levels.Level2BkColor, v)) {
    Invalidate();
  }
}

void TAdvProgressBar::UpdateTimer() { m_timer->SetEnabled(m_animated && m_levels.Infinite); }

void TAdvProgressBar::SetInfinite(bool value) {
  m_levels.Infinite = value;
  if (value) {
    m_infinitePos = 0;
  }
  UpdateTimer();
  Invalidate();
}

void TAdvProgressBar::SetAnimated(bool value) {
  m_animated = value;
  UpdateTimer();
  Invalidate();
}

void TAdvProgressBar::SetInfiniteInterval(int value) {
  m_infiniteInterval = value;
  m_timer->SetInterval(value);
}

void TAdvProgressBar::InfiniteTimerTick() {
  if (m_infiniteInc) {
    m_infinitePos += 4;
    if (m_infinitePos > 99) {
      m_infinitePos = 100;
      m_infiniteInc = false;
    }
  } else {
    m_infinitePos -= 4;
    if (m_infinitePos < 1) {
      m_infinitePos = 0;
      m_infiniteInc = true;
    }
  }
  Repaint();
}

void TAdvProgressBar::Paint() {
  if (!Visible() || !parentWidget()) {
    return;
  }
  TGaugeSettings settings = m_levels;
  settings.Position = Percentage();
  settings.Value = m_position;
  settings.Max = m_max;
  settings.InfinitePos = m_infinitePos;
  settings.ParentColor = Color();
  const TFont font(m_fontPercentage);
  settings.Font = &font;
  TBitmap face(Width(), Height());
  DrawGauge(face.Canvas(), Rect(0, 0, Width(), Height()), settings);
  if (settings.Rounded) {
    // The corners outside the rounded frame keep the parent's pixels.
    face.SetTransparentColor(face.Canvas().Pixel(0, Height() - 1));
    face.SetTransparent(true);
  }
  Canvas().Draw(0, 0, face);
}
