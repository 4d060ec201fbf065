#include "plot/objects/TiPlotAxis.h"

#include <algorithm>

#include "platform/drawing/TCanvas.h"
#include "plot/base/iDrawing.h"
#include "plot/base/iRounding.h"
#include "plot/core/TiPlotComponent.h"

namespace {

bool Flat(TiRotationAngle r) { return r == TiRotationAngle::ira000 || r == TiRotationAngle::ira180; }

}  // namespace

int TiPlotAxis::LabelGap(TCanvas& canvas) const {
  return RoundSafe(canvas.TextHeight(QStringLiteral("A")) * m_labelsMargin);
}

int TiPlotAxis::GetRequiredWidth(TCanvas& canvas) {
  int title = 0;
  if (m_titleShow && !IsCartesian()) {
    canvas.Font().Assign(m_titleFont);
    const int h = TextExtentHeight(canvas, m_title);
    title = m_titleRotated ? RoundSafe(h * m_titleMargin + MultiLineTextWidth(canvas, m_title))
                           : RoundSafe(h * m_titleMargin + h);
  }
  const int ticks = m_scaleLinesShow ? std::max({0, m_majorLength, m_minorLength}) : 0;
  int gap = 0;
  int extent = 0;
  if (m_labelsVisible) {
    canvas.Font().Assign(m_labelsFont);
    gap = LabelGap(canvas);
    const bool widthAcross = Horizontal() ? !Flat(m_labelsRotation) : Flat(m_labelsRotation);
    extent = widthAcross ? GetMaxLabelWidth(canvas, m_labelsFont) : TextExtentHeight(canvas, GetLabelText(m_min));
  }
  m_requiredWidth = m_innerMargin + m_outerMargin + ticks + gap + extent + title;
  return m_requiredWidth;
}

int TiPlotAxis::GetRequiredEndMargin(TCanvas& canvas) {
  if (!m_labelsVisible) {
    return 0;
  }
  canvas.Font().Assign(m_labelsFont);
  const bool heightAlong = Horizontal() ? !Flat(m_labelsRotation) : Flat(m_labelsRotation);
  return heightAlong ? TextExtentHeight(canvas, QStringLiteral("XYZ")) / 2 : GetMaxLabelWidth(canvas, m_labelsFont) / 2;
}

void TiPlotAxis::PrepareForDraw(TCanvas& canvas) {
  TiPlotLayoutObject::PrepareForDraw(canvas);
  if (!IsCartesian() || Owner() == nullptr) {
    return;
  }
  const TRect& s = m_scaleRect;
  switch (m_quadSide) {
    case TiQuadSide::iqsLeft:
      Owner()->AddAxesCollisionRect({s.Right, s.Top, s.Right + 1, s.Bottom + 1});
      break;
    case TiQuadSide::iqsTop:
      Owner()->AddAxesCollisionRect({s.Left, s.Bottom, s.Right, s.Bottom + 1});
      break;
    case TiQuadSide::iqsRight:
      Owner()->AddAxesCollisionRect({s.Left, s.Top, s.Left + 1, s.Bottom + 1});
      break;
    case TiQuadSide::iqsBottom:
      Owner()->AddAxesCollisionRect({s.Left, s.Top, s.Right + 1, s.Top + 1});
      break;
  }
}

void TiPlotAxis::Draw(TCanvas& canvas, TColor) {
  if (!Visible()) {
    return;
  }
  for (TiPlotTickObject& tick : m_ticks) {
    tick.Show = PointOnScale(tick.Position);
    if (tick.Show) {
      tick.PositionPixels = PositionToPixels(tick.Position);
      if (tick.TickType == TiPlotTickType::ipttMajor && m_labelsVisible) {
        DrawLabel(canvas, tick);
      }
    }
  }
  if (m_scaleLinesShow) {
    DrawScaleLinesAndTicks(canvas);
  }
  if (IsCartesian()) {
    const TRect r = DrawRect();
    if (Horizontal()) {
      m_focusRect.Top = r.Top - (m_majorLength + 1) / 2 - 5;
      m_focusRect.Bottom = m_focusRect.Top + m_requiredWidth;
    } else {
      m_focusRect.Left = r.Left - (m_majorLength + 1) / 2 - 5;
      m_focusRect.Right = m_focusRect.Left + m_requiredWidth;
    }
  } else {
    DrawTitle(canvas);
  }
  if (UserSelected()) {
    canvas.Font().SetColor(clWhite);
    DrawFocusRectangle(canvas, {m_focusRect.Left, m_focusRect.Top, m_focusRect.Right + 1, m_focusRect.Bottom + 1});
  }
}

void TiPlotAxis::DrawScaleLinesAndTicks(TCanvas& canvas) {
  canvas.Brush().SetStyle(TBrushStyle::bsSolid);
  canvas.Pen().SetStyle(TPenStyle::psSolid);
  canvas.Pen().SetWidth(1);
  DrawScaleLine(canvas);
  canvas.Pen().SetColor(m_scaleLinesColor);
  for (const TiPlotTickObject& tick : m_ticks) {
    if (!tick.Show) {
      continue;
    }
    const bool major = tick.TickType == TiPlotTickType::ipttMajor;
    const int length = major ? m_majorLength : m_minorLength;
    if (IsCartesian()) {
      const int h = (length + 1) / 2;
      DrawTickMark(canvas, tick.PositionPixels, h, -h - 1);
    } else if (major) {
      DrawTickMark(canvas, tick.PositionPixels, m_innerMargin, m_innerMargin + m_majorLength);
    } else {
      DrawTickMark(canvas, tick.PositionPixels, m_innerMargin + m_minorLength, m_innerMargin);
    }
  }
}

void TiPlotAxis::DrawScaleLine(TCanvas& canvas) {
  if (!m_scaleLineShow) {
    return;
  }
  canvas.Pen().SetColor(m_scaleLinesColor);
  canvas.Pen().SetWidth(1);
  const int m = IsCartesian() ? 0 : m_innerMargin;
  const TRect& s = m_scaleRect;
  switch (m_quadSide) {
    case TiQuadSide::iqsLeft:
      canvas.Polyline({{s.Right - m, s.Top}, {s.Right - m, s.Bottom + 1}});
      break;
    case TiQuadSide::iqsTop:
      canvas.Polyline({{s.Left, s.Bottom - m}, {s.Right, s.Bottom - m}});
      break;
    case TiQuadSide::iqsRight:
      canvas.Polyline({{s.Left + m, s.Top}, {s.Left + m, s.Bottom + 1}});
      break;
    case TiQuadSide::iqsBottom:
      canvas.Polyline({{s.Left, s.Top + m}, {s.Right + 1, s.Top + m}});
      break;
  }
}

void TiPlotAxis::DrawTickMark(TCanvas& canvas, int p, int from, int to) {
  const TRect r = DrawRect();
  TPoint a;
  TPoint b;
  switch (m_quadSide) {
    case TiQuadSide::iqsLeft:
      a = {r.Right - from, p};
      b = {r.Right - to, p};
      break;
    case TiQuadSide::iqsTop:
      a = {p, r.Bottom - from};
      b = {p, r.Bottom - to};
      break;
    case TiQuadSide::iqsRight:
      a = {r.Left + from, p};
      b = {r.Left + to, p};
      break;
    case TiQuadSide::iqsBottom:
      a = {p, r.Top + from};
      b = {p, r.Top + to};
      break;
  }
  if (IsCartesian() && Owner()) {
    const TRect span = OrderedRect(a.X, a.Y, b.X, b.Y);
    Owner()->AddAxesCollisionRect({span.Left, span.Top, span.Right + 1, span.Bottom + 1});
  }
  canvas.Polyline({a, b});
}

void TiPlotAxis::DrawLabel(TCanvas& canvas, const TiPlotTickObject& tick) {
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  canvas.Font().Assign(m_labelsFont);
  const int g = LabelGap(canvas);
  const int w = MultiLineTextWidth(canvas, tick.Text);
  const int h = TextExtentHeight(canvas, tick.Text);
  const int d = IsCartesian() ? g + (m_majorLength + 1) / 2
                              : m_innerMargin + g + (m_scaleLinesShow ? m_majorLength : 0);
  const int p = tick.PositionPixels;
  const bool flat = Flat(m_labelsRotation);
  const int along = flat ? h : w;   // extent along a vertical axis
  const int across = flat ? w : h;  // extent across a vertical axis
  const TRect r = DrawRect();
  TRect box;
  switch (m_quadSide) {
    case TiQuadSide::iqsLeft:
      box = {r.Right - d - across, p - along / 2, r.Right - d, p + along / 2};
      break;
    case TiQuadSide::iqsRight:
      box = {r.Left + d, p - along / 2, r.Left + d + across, p + along / 2};
      break;
    case TiQuadSide::iqsTop:
      box = {p - across / 2, r.Bottom - d - along, p + across / 2, r.Bottom - d};
      break;
    case TiQuadSide::iqsBottom:
      box = {p - across / 2, r.Top + d, p + across / 2, r.Top + d + along};
      break;
  }
  if (IsCartesian() && (Owner() == nullptr || !Owner()->ReserveAxisLabelRect(box))) {
    return;
  }
  TRect bounds;
  iDrawRotatedText(canvas, tick.Text, box, bounds, m_labelsFont.Color(), true, TiAlignmentHorizontal::iahCenter,
                   m_labelsRotation);
}

void TiPlotAxis::DrawTitle(TCanvas& canvas) {
  if (!m_titleShow || m_title.trimmed().isEmpty()) {
    return;
  }
  canvas.Font().Assign(m_titleFont);
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  const int width = MultiLineTextWidth(canvas, m_title);
  const int height = TextExtentHeight(canvas, m_title);
  const int a = m_titleRotated ? width : height;
  const int b = m_titleRotated ? height : width;
  const TRect r = DrawRect();
  TRect box;
  TiRotationAngle rotation = TiRotationAngle::ira000;
  if (Horizontal()) {
    box.Left = m_scaleRect.Left;
    box.Right = m_scaleRect.Right;
    if (m_quadSide == TiQuadSide::iqsTop) {
      box.Top = r.Top + m_outerMargin;
      box.Bottom = box.Top + a;
    } else {
      box.Bottom = r.Bottom - m_outerMargin;
      box.Top = box.Bottom - a;
    }
    rotation = m_titleRotated ? TiRotationAngle::ira090 : TiRotationAngle::ira000;
  } else {
    const int middle = (m_scaleRect.Top + m_scaleRect.Bottom) / 2;
    box.Top = middle - b / 2;
    box.Bottom = middle + b / 2;
    if (m_quadSide == TiQuadSide::iqsLeft) {
      box.Left = r.Left + m_outerMargin;
      box.Right = box.Left + a;
    } else {
      box.Right = r.Right - m_outerMargin;
      box.Left = box.Right - a;
    }
    rotation = m_titleRotated ? TiRotationAngle::ira000 : TiRotationAngle::ira090;
  }
  TRect bounds;
  iDrawRotatedText(canvas, m_title, box, bounds, m_titleFont.Color(), true, TiAlignmentHorizontal::iahCenter,
                   rotation);
}

void TiPlotAxis::DrawGridLines(TCanvas& canvas, const TRect& rect, const TPen& majorPen, const TPen& minorPen,
                               bool majors, bool minors) const {
  if (!m_gridLinesVisible) {
    return;
  }
  for (const TiPlotTickObject& tick : m_ticks) {
    if (!tick.Show) {
      continue;
    }
    const bool major = tick.TickType == TiPlotTickType::ipttMajor;
    if (major ? !majors : !minors) {
      continue;
    }
    canvas.Pen().Assign(major ? majorPen : minorPen);
    const int p = tick.PositionPixels;
    if (Horizontal()) {
      canvas.Polyline({{p, rect.Top}, {p, rect.Bottom}});
    } else {
      canvas.Polyline({{rect.Left, p}, {rect.Right, p}});
    }
  }
}
