#include "components/ResponsePlotBase.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/text/FloatToStrF.h"

void ResponsePlotBase::DrawBandRect() {
  if (!m_bandRect) {
    return;
  }
  TCanvas& canvas = m_surface.Canvas();
  if (m_surface.Width() != Width() || m_surface.Height() != Height()) {
    return;
  }
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  canvas.Pen().SetColor(clBlack);
  canvas.Pen().SetStyle(TPenStyle::psDot);
  canvas.Pen().SetMode(TPenMode::pmNot);
  canvas.Rectangle(*m_bandRect);
  canvas.Pen().SetMode(TPenMode::pmCopy);
  canvas.Pen().SetStyle(TPenStyle::psSolid);
  m_surfaceUpdatePending = true;
  update();
}

void ResponsePlotBase::MouseDown1(TMouseButton button, TShiftState shift, int x, int y) {
  TControl::MouseDown(button, shift, x, y);
  if (button == TMouseButton::mbLeft) {
    using S = TShiftStateItem;
    if (shift == TShiftState{S::ssAlt, S::ssLeft} || shift == TShiftState{S::ssAlt, S::ssRight}) {
      m_zooming = true;
    } else if (shift == TShiftState{S::ssCtrl, S::ssLeft}) {
      m_bandSelecting = true;
    } else {
      m_panning = true;
    }
    if (m_bandSelecting && MouseControl) {
      DrawBandRect();
      m_bandRect = std::make_unique<TRect>(Rect(x, y, x + 2, y + 2));
      m_bandAnchorX = x;
      m_bandAnchorY = y;
      DrawBandRect();
    }
  }
  m_lastMouseX = x;
  m_lastMouseY = y;
}

void ResponsePlotBase::ApplyPanOrZoom(double xMin, double xMax, double yMin, double yMax) {
  SetXYMinMax(xMin, xMax, yMin, yMax);
  if (!m_autoRedraw) {
    DrawAllPlots();
    DrawXAxisLabels();
    DrawYAxisLabels();
  }
}

void ResponsePlotBase::MouseMove1(TShiftState shift, int x, int y) {
  TControl::MouseMove(shift, x, y);
  const int dX = x - m_lastMouseX;
  const int dY = y - m_lastMouseY;
  m_lastMouseX = x;
  m_lastMouseY = y;
  const bool logX = m_xAxisFormat == TMyAxisFormat::Log;
  const bool logY = m_yAxisFormat == TMyAxisFormat::Log;
  const double dx = dX * (logX ? m_logXMax - m_logXMin : m_xMax - m_xMin) / GetPlotWidth();
  const double dy = dY * (logY ? m_logYMax - m_logYMin : m_yMax - m_yMin) / GetPlotHeight();
  if (MouseControl) {
    if (m_panning) {
      const double fx = std::pow(10.0, dx);
      const double fy = std::pow(10.0, dy);
      ApplyPanOrZoom(logX ? m_xMin / fx : m_xMin - dx, logX ? m_xMax / fx : m_xMax - dx,
                     logY ? m_yMin * fy : m_yMin + dy, logY ? m_yMax * fy : m_yMax + dy);
    } else if (m_zooming) {
      const double fx = std::pow(10.0, dx);
      const double fy = std::pow(10.0, dy);
      ApplyPanOrZoom(logX ? m_xMin * fx : m_xMin + dx, logX ? m_xMax / fx : m_xMax - dx,
                     logY ? m_yMin / fy : m_yMin - dy, logY ? m_yMax * fy : m_yMax + dy);
    } else if (m_bandSelecting && m_bandRect) {
      DrawBandRect();
      const int left = std::min(m_bandAnchorX, x);
      const int top = std::min(m_bandAnchorY, y);
      *m_bandRect = Rect(left, top, left + std::abs(x - m_bandAnchorX), top + std::abs(y - m_bandAnchorY));
      DrawBandRect();
    }
  }
  m_mouseX = PlotX(x);
  m_mouseY = PlotY(y);
  if (!m_panning && !m_zooming) {
    DrawMouseCoord();
  }
}

void ResponsePlotBase::MouseUp1(TMouseButton button, TShiftState shift, int x, int y) {
  TControl::MouseUp(button, shift, x, y);
  m_panning = false;
  m_zooming = false;
  if (m_bandSelecting && MouseControl && m_bandRect) {
    DrawBandRect();
    const TRect band = *m_bandRect;
    m_bandRect.reset();
    SetXYMinMax(PlotX(band.Left), PlotX(band.Right), PlotY(band.Bottom), PlotY(band.Top));
  }
  m_bandSelecting = false;
}

void ResponsePlotBase::DblClick1() {
  TControl::DblClick();
  if (MouseControl) {
    FindYMaxMin();
    FindXMaxMin();
    DrawPlotsAndLabels();
  }
}

void ResponsePlotBase::DrawMouseCoord() {
  if (!m_showCoordinates || !Visible()) {
    return;
  }
  TPaintPage& page = *m_mouseCoordPage;
  page.SetFont(*m_mouseCoordFont);
  page.Clear(Color());
  TCanvas& canvas = page.Canvas();
  const QString xText = QStringLiteral("x = ") + FormatX(m_mouseX);
  canvas.TextOut(0, 0, xText);
  canvas.TextOut(0, canvas.TextHeight(xText) + 3, QStringLiteral("y = ") + FormatY(m_mouseY));
  UpdatePaintPage(page);
}
