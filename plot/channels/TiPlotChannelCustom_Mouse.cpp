#include <algorithm>

#include <QImage>

#include "platform/drawing/TCanvas.h"
#include "platform/widgets/TPopupMenu.h"
#include "plot/base/iDrawing.h"
#include "plot/channels/TiPlotChannelCustom.h"
#include "plot/core/TiPlotComponent.h"
#include "plot/objects/TiPlotDataView.h"
#include "plot/objects/TiPlotXAxis.h"
#include "plot/objects/TiPlotYAxis.h"

// What a channel does with the mouse once the plot's dispatch routed an
// event to it: picking, hinting and dragging one data point, and the
// channel's own click, cursor and pop-up menu.

bool TiPlotChannelCustom::MouseHitTest(const TiPlotMouseData& mouseData) const {
  // Objects are never made const; the dispatch's test is declared const.
  return const_cast<TiPlotChannelCustom*>(this)->PickTest(mouseData);
}

bool TiPlotChannelCustom::PickTest(const TiPlotMouseData& mouseData) {
  const TPoint mouse{mouseData.X, mouseData.Y};
  if (m_visibleInLegend && m_legendRect.Contains(mouse)) {
    return true;
  }
  if (Owner() == nullptr || !Owner()->SelectModeActive()) {
    return false;
  }
  m_selectDataIndex = -1;
  const bool bars = BarsPickable();
  if ((!bars && !MarkersVisible()) || Count() == 0 || !HasAxes()) {
    return false;
  }
  CalcDrawStartIndex();
  CalcDrawStopIndex();
  for (int i = std::max(m_startIndex, 0); i <= std::min(m_stopIndex, Count() - 1); ++i) {
    if (!GetValid(i)) {
      continue;
    }
    if (bars ? !PointHasBar(i) : !IsMarkerDrawn(i)) {
      continue;
    }
    m_selectHitTestRect = bars ? GetBarRect(i) : GetMarkerRect(i);
    if (m_selectHitTestRect.Contains(mouse)) {
      m_selectDataIndex = i;
      return true;
    }
  }
  return false;
}

void TiPlotChannelCustom::DoMouseHint(const TiPlotMouseData& mouseData, TiHintData& hintData) {
  TiPlotComponent* plot = Owner();
  if (plot == nullptr) {
    return;
  }
  plot->DoDataPointMouseMove(this, m_selectDataIndex, mouseData);
  if (!m_showDataPointHints || m_selectDataIndex < 0 || m_selectDataIndex >= Count() || !HasAxes() ||
      !m_selectHitTestRect.Contains({mouseData.X, mouseData.Y})) {
    return;
  }
  QString text = XAxis()->GetLabelText(GetX(m_selectDataIndex)) + QStringLiteral(", ") +
                 YAxis()->GetLabelText(GetY(m_selectDataIndex));
  plot->DoDataPointCustomizeHint(this, m_selectDataIndex, text);
  QImage scratch(1, 1, QImage::Format_ARGB32);
  TCanvas canvas(&scratch);
  canvas.Font().Assign(plot->HintsFont());
  hintData.Text = text;
  hintData.Width = MultiLineTextWidth(canvas, text) + 4;
  hintData.Height = TextExtentHeight(canvas, text) + 4;
  if (plot->DataViewCount() == 0) {
    return;
  }
  const TRect view = plot->DataView(0)->DrawRect();
  const int m = MarkersSize() / 2;
  const int x = mouseData.X;
  const int y = mouseData.Y;
  int top = y - (m + hintData.Height + 4);
  int left = x - hintData.Width / 2;
  if (top <= view.Top) {
    top = y + m + hintData.Height + 4;
  }
  if (left <= view.Left) {
    left = x + m + 8;
    top = y - hintData.Height / 2;
  } else if (left + hintData.Width >= view.Right) {
    left = x - m - 4 - hintData.Width;
    top = y - hintData.Height / 2;
  }
  if (top + hintData.Height >= view.Bottom) {
    top = view.Bottom - hintData.Height;
  }
  if (top <= view.Top) {
    top = view.Top;
  }
  hintData.Left = left;
  hintData.Top = top;
}

void TiPlotChannelCustom::DoMouseLeft(const TiPlotMouseData& mouseData) {
  if (Owner() != nullptr) {
    const LifeGuard guard(*this);
    Owner()->DoDataPointMouseDown(this, m_selectDataIndex, mouseData);
    if (!guard.Alive()) {
      return;
    }
  }
  m_selectHoldLost = false;
  m_mouseDownDataIndex = m_selectDataIndex;
  if (m_mouseDownDataIndex == -1 || m_mouseDownDataIndex >= Count() ||
      !m_selectHitTestRect.Contains({mouseData.X, mouseData.Y})) {
    return;
  }
  m_selectMouseDown = true;
  m_selectMouseDownSerial = m_dataList->Removed() + m_mouseDownDataIndex;
  m_selectDownRect = m_selectHitTestRect;
  m_mouseDownValueX = GetX(m_mouseDownDataIndex);
  m_mouseDownValueY = GetY(m_mouseDownDataIndex);
  m_mouseDownPixelX = mouseData.XAxisPixels;
  m_mouseDownPixelY = mouseData.YAxisPixels;
}

int TiPlotChannelCustom::HeldIndex() const {
  const long long index = m_selectMouseDownSerial - m_dataList->Removed();
  return index >= 0 && index < Count() ? int(index) : -1;
}

bool TiPlotChannelCustom::HoldStillValid() {
  if (m_selectMouseDown && HeldIndex() < 0) {
    m_selectMouseDown = false;
    m_selectHoldLost = true;
  }
  return m_selectMouseDown;
}

void TiPlotChannelCustom::DoMouseMove(const TiPlotMouseData& mouseData) {
  if (!HoldStillValid()) {
    return;
  }
  if (Owner() != nullptr) {
    const LifeGuard guard(*this);
    Owner()->DoDataPointMouseMove(this, m_mouseDownDataIndex, mouseData);
    if (!guard.Alive()) {
      return;
    }
  }
  if (!m_userCanMoveDataPoints || !HasAxes() || !HoldStillValid()) {
    return;
  }
  using S = TiPlotChannelDataPointMoveStyle;
  double dX = 0;
  double dY = 0;
  if (m_userCanMoveDataPointsStyle != S::ipcdpmsYOnly) {
    dX = XAxis()->PixelsToPosition(m_mouseDownPixelX) - XAxis()->PixelsToPosition(mouseData.XAxisPixels);
  }
  if (m_userCanMoveDataPointsStyle != S::ipcdpmsXOnly) {
    dY = YAxis()->PixelsToPosition(m_mouseDownPixelY) - YAxis()->PixelsToPosition(mouseData.YAxisPixels);
  }
  const int index = HeldIndex();
  SetX(index, m_mouseDownValueX - dX);
  SetY(index, m_mouseDownValueY - dY);
}

void TiPlotChannelCustom::DoMouseUp(const TiPlotMouseData& mouseData) {
  TiPlotComponent* plot = Owner();
  if (plot == nullptr) {
    return;
  }
  // Every event below may delete this channel: nothing of it is touched
  // after one that did.
  const LifeGuard guard(*this);
  plot->DoDataPointMouseUp(this, m_mouseDownDataIndex, mouseData);
  if (!guard.Alive()) {
    return;
  }
  const bool held = HoldStillValid();
  if (!MouseIsDown() && !held) {
    return;
  }
  const bool holdLost = m_selectHoldLost;
  m_selectHoldLost = false;
  const TPoint mouse{mouseData.X, mouseData.Y};
  if (held) {
    m_selectMouseDown = false;
    const int index = HeldIndex();
    const double downX = m_mouseDownValueX;
    const double downY = m_mouseDownValueY;
    if (m_selectDownRect.Contains(mouse)) {
      plot->DoDataPointClick(this, index);
      if (!guard.Alive()) {
        return;
      }
    }
    if (index < Count() && (GetX(index) != downX || GetY(index) != downY)) {
      plot->DoDataPointMoved(this, index, downX, downY, GetX(index), GetY(index));
    }
  } else if (!holdLost && m_legendRect.Contains(mouse)) {
    plot->DoObjectClick(this);
  }
}

TCursor TiPlotChannelCustom::GetMouseCursor(TPoint) {
  TCursor cursor = crHandPoint;
  if (Owner() != nullptr) {
    Owner()->DoObjectGetMouseCursor(this, cursor);
  }
  return cursor;
}

void TiPlotChannelCustom::AddMenuItems(TPopupMenu& popupMenu) {
  TiPlotManagerObject::AddMenuItems(popupMenu);
  AddEditMenuItem(popupMenu);
}
