#include "components/ResponsePlotBase.h"

#include <algorithm>
#include <cmath>

#include "components/BandParameterText.h"
#include "components/PlotPixel.h"
#include "platform/drawing/GdiConstants.h"
#include "widgets/gdiplus/TGPBrush.h"
#include "widgets/gdiplus/TGPGraphics.h"
#include "widgets/gdiplus/TGPGraphicsPath.h"
#include "widgets/gdiplus/TGPPen.h"

namespace {

constexpr int kMarkerPenWidth = 5;

// A closing-line coordinate as the single-precision real the graphics
// layer takes, kept inside the range that PixelTrunc allows.
float SinglePrecision(double value) {
  constexpr double kLimit = 16777216.0;
  return std::isnan(value) ? 0.0f : float(std::clamp(value, -kLimit, kLimit));
}

}  // namespace

void ResponsePlotBase::SetBlockPosition(double sx, double sy, int index) {
  if (PlotOverlayState::IsMarker(index)) {
    m_overlay.BlockPos[std::size_t(index)] = TPoint{PixelTrunc(sx), PixelTrunc(sy)};
  }
}

TPoint ResponsePlotBase::GetBlockPos(int index) const {
  return PlotOverlayState::IsMarker(index) ? m_overlay.BlockPos[std::size_t(index)] : TPoint{};
}

bool ResponsePlotBase::IsBlockDrawn(int index) const {
  return PlotOverlayState::IsMarker(index) && m_overlay.BlockDrawn[std::size_t(index)];
}

void ResponsePlotBase::DrawMarker(int index, int shape, double sx, double sy) {
  TCanvas& canvas = m_plotPage->Canvas();
  canvas.Pen().SetColor(m_overlay.BlockColor[std::size_t(index)]);
  canvas.Brush().SetStyle(TBrushStyle::bsCross);
  const int left = PixelTrunc(sx - 3);
  const int top = PixelTrunc(sy - 3);
  const int right = PixelTrunc(sx + 3);
  const int bottom = PixelTrunc(sy + 3);
  switch (shape) {
    case PlotOverlayState::SquareNumber:
    case PlotOverlayState::CircleNumber:
      if (shape == PlotOverlayState::SquareNumber) {
        canvas.Rectangle(left, top, right, bottom);
      } else {
        canvas.Ellipse(left, top, right, bottom);
      }
      canvas.Font().SetColor(clWhite);
      canvas.Font().SetSize(11);
      canvas.TextOut(left, PixelTrunc(sy - 23), QString::number(index + 1));
      break;
    case PlotOverlayState::SquareLpf:
    case PlotOverlayState::SquareHpf:
      canvas.Rectangle(left, top, right, bottom);
      canvas.Font().SetColor(clWhite);
      canvas.Font().SetSize(8);
      canvas.TextOut(PixelTrunc(sx - 8), PixelTrunc(sy - 20),
                     shape == PlotOverlayState::SquareLpf ? QStringLiteral("LPF") : QStringLiteral("HPF"));
      canvas.Font().SetSize(m_overlay.TextSize);
      break;
    default:
      break;
  }
}

void ResponsePlotBase::DrawBlock(double y, double x, TColor colour, int index, bool hidden, int shape) {
  if (!PlotOverlayState::IsMarker(index)) {
    return;
  }
  const auto i = std::size_t(index);
  m_overlay.BlockX[i] = x;
  m_overlay.BlockY[i] = y;
  m_overlay.BlockColor[i] = colour;
  const double sx = ScreenX(x);
  const double sy = ScreenY(y);
  SetBlockPosition(sx, sy, index);
  m_plotPage->Canvas().Pen().SetWidth(1);
  DrawMarker(index, shape, sx, sy);
  m_overlay.BlockShape[i] = shape;
  m_overlay.BlockHidden[i] = hidden;
  m_overlay.BlockDrawn[i] = true;
}

void ResponsePlotBase::SetBlockParameter(int index, double frequency, double gain, double q, int filterCode) {
  if (!PlotOverlayState::IsMarker(index)) {
    return;
  }
  const auto i = std::size_t(index);
  m_overlay.BlockFrequency[i] = frequency;
  m_overlay.BlockGain[i] = gain;
  m_overlay.BlockQ[i] = q;
  m_overlay.BlockFilterCode[i] = double(filterCode);
}

void ResponsePlotBase::WriteParamText(ParamLines lines, double gain, double sx, double sy, float frequency,
                                      double q, TColor colour) {
  TCanvas& canvas = m_plotPage->Canvas();
  canvas.Pen().SetColor(colour);
  canvas.Pen().SetWidth(1);
  canvas.Font().SetColor(colour);
  canvas.Font().SetSize(8);
  const QString qText = BandQText(q);
  const QString frequencyText = BandFrequencyText(frequency);
  const QString gainText = BandGainText(gain);
  const int x = PixelTrunc(sx - 20);
  const bool above = gain <= 0;
  switch (lines) {
    case ParamLines::QFrequencyGain:
      canvas.TextOut(x, PixelTrunc(above ? sy - 69 : sy + 20), qText);
      canvas.TextOut(x, PixelTrunc(above ? sy - 56 : sy + 33), frequencyText);
      canvas.TextOut(x, PixelTrunc(above ? sy - 43 : sy + 46), gainText);
      break;
    case ParamLines::QFrequency:
      canvas.TextOut(x, PixelTrunc(above ? sy - 69 : sy + 20), qText);
      canvas.TextOut(x, PixelTrunc(above ? sy - 56 : sy + 33), frequencyText);
      break;
    case ParamLines::Frequency:
      canvas.TextOut(x, PixelTrunc(above ? sy - 43 : sy + 20), frequencyText);
      break;
    case ParamLines::None:
      break;
  }
  canvas.Font().SetSize(m_overlay.TextSize);
}

void ResponsePlotBase::ShowParam(int bandType, double gain, double x, float frequency, double q, TColor colour) {
  WriteParamText(ParamTextLines(bandType, false), gain, ScreenX(x), ScreenY(gain), frequency, q, colour);
}

void ResponsePlotBase::DrawParam(int bandType, double gain, double x, float frequency, double q, TColor colour) {
  m_overlay.ParamType = bandType;
  m_overlay.ParamGain = gain;
  m_overlay.ParamX = x;
  m_overlay.ParamFrequency = frequency;
  m_overlay.ParamQ = q;
  m_overlay.ParamColor = colour;
  ShowParam(bandType, gain, x, frequency, q, colour);
}

void ResponsePlotBase::DrawCurveFill(int, const double* values, int count) {
  count = std::clamp(count, 0, PlotOverlayState::kFillPoints);
  if (values == nullptr || count == 0) {
    return;
  }
  std::copy(values, values + count, m_overlay.FillCurve.begin());
  DrawFill(values, count, true);
}

// The selected band's curve as a translucent grey area through the GDI+
// layer: a spline through the points, closed towards the 0 dB line or the
// plot's bottom by the band type. outlineClosure: outline the whole figure
// (the immediate drawing), else the spline alone (the repaint).
void ResponsePlotBase::DrawFill(const double* values, int count, bool outlineClosure) {
  if (count < 2) {
    return;
  }
  const double width = GetPlotWidth();
  const double height = GetPlotHeight();
  std::vector<TGPPoint> points(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    points[std::size_t(i)] = GpPoint(PixelTrunc(width * (i - m_xMin) / (m_xMax - m_xMin)),
                                     PixelTrunc(height - height * (values[i] - m_yMin) / (m_yMax - m_yMin)));
  }
  TGPGraphics graphics(m_plotPage->Canvas());
  const ARGB grey = (ARGB(30) << 24) | (128u << 16) | (128u << 8) | 128u;
  const TGPSolidBrush brush(grey);
  const TGPPen pen(grey, 1.0f);
  TGPGraphicsPath path(FillMode::FillModeAlternate);
  path.AddCurve(points, 0.5f);
  if (!outlineClosure) {
    graphics.DrawPath(&pen, &path);
  }

  auto line = [&](double x1, double y1, double x2, double y2) {
    path.AddLine(SinglePrecision(ScreenX(x1)), SinglePrecision(ScreenY(y1)), SinglePrecision(ScreenX(x2)),
                 SinglePrecision(ScreenY(y2)));
  };
  const int type = m_overlay.ParamType;
  const double edge = m_overlay.ParamGain >= 0 ? m_yMax : m_yMin;
  if (type == 0) {
    line(10, 0, 20000, 0);
  } else if (type == 1) {
    line(20000, 0, 10, 0);
    line(10, 0, 10, edge);
  } else if (type == 2) {
    line(20000, edge, 20000, 0);
    line(20000, 0, 10, 0);
  } else if (type >= 3) {
    line(20000, 0, 20000, m_yMin);
    line(20000, m_yMin, 10, m_yMin);
  }
  if (outlineClosure) {
    graphics.DrawPath(&pen, &path);
  }
  graphics.FillPath(brush, path);
}

void ResponsePlotBase::SetCurveDisplay(bool on) { m_overlay.CurveDisplay = on; }

void ResponsePlotBase::DrawLine(double x, TColor, bool marker) {
  m_overlay.LineX = x;
  m_overlay.LineMarker = marker;
  m_overlay.LineShown = true;
  DrawOverlayLine(TPenStyle::psDash);
}

void ResponsePlotBase::LinePaint() { DrawOverlayLine(TPenStyle::psDot); }

// The red overlay line down to 10 pixels above the control's bottom, with
// its yellow square at -3 dB when asked.
void ResponsePlotBase::DrawOverlayLine(TPenStyle style) {
  TCanvas& canvas = m_plotPage->Canvas();
  const double sx = ScreenX(m_overlay.LineX);
  canvas.Pen().SetWidth(1);
  canvas.Pen().SetStyle(style);
  canvas.Pen().SetColor(clRed);
  canvas.MoveTo(PixelTrunc(sx), 0);
  canvas.LineTo(PixelTrunc(sx), Height() - 10);
  canvas.Pen().SetStyle(TPenStyle::psSolid);
  if (m_overlay.LineMarker) {
    const double sy = ScreenY(-3.0);
    canvas.Pen().SetColor(clYellow);
    canvas.Pen().SetWidth(1);
    canvas.Rectangle(PixelTrunc(sx - 4), PixelTrunc(sy - 4), PixelTrunc(sx + 4), PixelTrunc(sy + 4));
  }
}

void ResponsePlotBase::DrawTextA(int x, int y, int size, TColor colour, const QString& fontName,
                                 const QString& text) {
  m_overlay.TextX = x;
  m_overlay.TextY = y;
  m_overlay.TextSize = size;
  m_overlay.TextColor = colour;
  m_overlay.TextFont = fontName;
  m_overlay.OverlayText = text;
  TCanvas& canvas = m_plotPage->Canvas();
  canvas.Font().SetName(fontName);
  canvas.Font().SetSize(size);
  canvas.SetBkMode(TRANSPARENT);
  if (!text.isEmpty()) {
    canvas.TextOut(x, y, text);
  }
}

void ResponsePlotBase::TextPaint() {
  TCanvas& canvas = m_plotPage->Canvas();
  canvas.Font().SetSize(m_overlay.TextSize);
  canvas.Font().SetColor(m_overlay.TextColor);
  canvas.Font().SetName(m_overlay.TextFont);
  canvas.SetBkMode(TRANSPARENT);
  if (!m_overlay.OverlayText.isEmpty()) {
    canvas.TextOut(m_overlay.TextX, m_overlay.TextY, m_overlay.OverlayText);
  }
}

void ResponsePlotBase::BlockPaint() {
  TCanvas& canvas = m_plotPage->Canvas();
  for (int index = 0; index < PlotOverlayState::kMarkerCount; ++index) {
    const auto i = std::size_t(index);
    if (m_overlay.BlockHidden[i]) {
      continue;
    }
    const double sx = ScreenX(m_overlay.BlockX[i]);
    const double sy = ScreenY(m_overlay.BlockY[i]);
    canvas.Pen().SetWidth(kMarkerPenWidth);
    DrawMarker(index, m_overlay.BlockShape[i], sx, sy);
    const bool selected = m_overlay.BlockX[i] == m_overlay.ParamX && m_overlay.BlockY[i] == m_overlay.ParamGain;
    if (m_overlay.BlockShape[i] == PlotOverlayState::CircleNumber && m_overlay.ParameterDisplay && !selected) {
      const double code = m_overlay.BlockFilterCode[i];
      const int bandType = code == 7 ? 5 : code == 17 ? 6 : PixelTrunc(code - 1);
      ShowParam(bandType, m_overlay.BlockGain[i], m_overlay.BlockX[i], float(m_overlay.BlockFrequency[i]),
                m_overlay.BlockQ[i], clWhite);
    }
    canvas.Pen().SetWidth(1);
  }
}

void ResponsePlotBase::CuveDisplayPaint() {
  if (!m_overlay.CurveDisplay) {
    return;
  }
  WriteParamText(ParamTextLines(m_overlay.ParamType, true), m_overlay.ParamGain, ScreenX(m_overlay.ParamX),
                 ScreenY(m_overlay.ParamGain), m_overlay.ParamFrequency, m_overlay.ParamQ, m_overlay.ParamColor);
  DrawFill(m_overlay.FillCurve.data(), PlotOverlayState::kFillPoints, false);
}

void ResponsePlotBase::UpdateCurvePage() { UpdatePaintPage(*m_plotPage); }
