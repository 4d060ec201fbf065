#include "plot/annotations/TiPlotDataCursor.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <limits>

#include "platform/drawing/TCanvas.h"
#include "platform/widgets/InputTypes.h"
#include "plot/base/iDrawing.h"
#include "plot/channels/TiPlotChannel.h"
#include "plot/channels/TiPlotChannelCustom.h"
#include "plot/core/TiPlotComponent.h"
#include "plot/core/TiPlotKindManager.h"
#include "plot/core/TiMenuItem.h"
#include "plot/core/TiPlot.h"
#include "plot/core/TiPlotMasterManager.h"
#include "plot/core/TiXYPlot.h"
#include "plot/objects/TiPlotDataView.h"
#include "plot/objects/TiPlotXAxis.h"

namespace {

const QString kCursorAll = QStringLiteral("<All>");

double ClampPercent(double value) {
  if (std::isnan(value) || value < 0) {
    return 0;
  }
  return value > 100 ? 100 : value;
}

}  // namespace

TiPlotDataCursor::TiPlotDataCursor(TiPlotComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert,
                                   TNotifyEvent onRemove, TNotifyEvent onRename)
    : TiPlotManagerObject(owner, std::move(onChange), std::move(onInsert), std::move(onRemove),
                          std::move(onRename)) {
  TiPlotObject::SetVisible(false);
  m_font.OnChange = [this](TObject*) { DoChange(); };
  UpdatePointerLayout();
}

TiPlotDataCursor::~TiPlotDataCursor() { m_font.OnChange = nullptr; }

void TiPlotDataCursor::SetChannelName(const QString& value) {
  if (StoreValue(value, m_channelName)) {
    m_channel = nullptr;
    DoChange();
  }
}

void TiPlotDataCursor::SetStyle(TiPlotDataCursorStyle value) {
  if (StoreValue(value, m_style)) {
    UpdatePointerLayout();
    DoChange();
  }
}

void TiPlotDataCursor::SetPointer1Position(double value) { StoreAndChange(ClampPercent(value), m_pointer1Position); }

void TiPlotDataCursor::SetPointer2Position(double value) { StoreAndChange(ClampPercent(value), m_pointer2Position); }

void TiPlotDataCursor::SetValues(TiPlotDataPointStatus status, double y, double x) {
  if (status == m_status && y == m_valueY && x == m_valueX) {
    return;
  }
  m_status = status;
  m_valueY = y;
  m_valueX = x;
  Owner()->DoDataCursorChange(this);
}

TiPlotChannelCustom* TiPlotDataCursor::ResolveChannel() {
  if (m_channel == nullptr) {
    m_channel = dynamic_cast<TiPlotChannelCustom*>(Owner()->Master().ChannelManager().GetObjectByName(m_channelName));
  }
  return m_channel;
}

void TiPlotDataCursor::UpdateValues() {
  Owner()->DoBeforeDataCursorUpdate(this);
  if (m_channelName == kCursorAll) {
    for (TiPlotObject* object : Owner()->Master().ChannelManager().Snapshot()) {
      if (auto* channel = dynamic_cast<TiPlotChannelCustom*>(object)) {
        channel->UpdateDataCursor(*this);
      }
    }
  } else if (TiPlotChannelCustom* channel = ResolveChannel()) {
    channel->UpdateDataCursor(*this);
  }
}

void TiPlotDataCursor::UpdatePointerLayout() {
  const bool xyPlot = dynamic_cast<TiXYPlot*>(Owner()) != nullptr;
  const TiOrientation v = TiOrientation::ioVertical;
  const TiOrientation h = TiOrientation::ioHorizontal;
  m_pointer1Show = true;
  m_pointer2Show = false;
  m_pointer1Orientation = v;
  m_pointer2Orientation = v;
  m_hintOrientation = v;
  switch (m_style) {
    case TiPlotDataCursorStyle::ipcsValueXY:
      if (xyPlot) {
        m_pointer2Show = true;
        m_pointer2Orientation = h;
      }
      break;
    case TiPlotDataCursorStyle::ipcsValueX:
      break;
    case TiPlotDataCursorStyle::ipcsValueY:
      if (xyPlot) {
        m_pointer1Show = false;
        m_pointer2Show = true;
        m_pointer2Orientation = h;
        m_hintOrientation = h;
      }
      break;
    case TiPlotDataCursorStyle::ipcsDeltaX:
    case TiPlotDataCursorStyle::ipcsInverseDeltaX:
      m_pointer2Show = true;
      break;
    case TiPlotDataCursorStyle::ipcsDeltaY:
      m_pointer2Show = true;
      m_pointer1Orientation = m_pointer2Orientation = m_hintOrientation = h;
      break;
  }
  if (XYAxesReversed()) {
    const auto flip = [](TiOrientation& o) {
      o = o == TiOrientation::ioVertical ? TiOrientation::ioHorizontal : TiOrientation::ioVertical;
    };
    flip(m_pointer1Orientation);
    flip(m_pointer2Orientation);
    flip(m_hintOrientation);
  }
}

void TiPlotDataCursor::SetVisible(bool value) {
  const bool becomesVisible = value && !Visible();
  TiPlotManagerObject::SetVisible(value);
  if (becomesVisible) {
    UpdateValues();
  }
}

void TiPlotDataCursor::SetXYAxesReversed(bool value) {
  TiPlotManagerObject::SetXYAxesReversed(value);
  UpdatePointerLayout();
}

void TiPlotDataCursor::NotificationRemove(TObject* sender) {
  TiPlotManagerObject::NotificationRemove(sender);
  if (m_channel != nullptr && sender == m_channel) {
    m_channel = nullptr;
  }
  if (m_dataView != nullptr && sender == m_dataView) {
    m_dataView = nullptr;
  }
}

void TiPlotDataCursor::NotificationRename(TObject* sender) {
  TiPlotManagerObject::NotificationRename(sender);
  if (m_channel != nullptr && sender == m_channel) {
    m_channelName = m_channel->Name();
  }
}

void TiPlotDataCursor::NotificationSetFocus(TObject* sender) {
  TiPlotManagerObject::NotificationSetFocus(sender);
  auto* other = dynamic_cast<TiPlotObject*>(sender);
  if (other == nullptr || other == this || !other->UserSelected()) {
    return;
  }
  if (auto* channel = dynamic_cast<TiPlotChannelCustom*>(other)) {
    if (channel != ResolveChannel() && UserSelected()) {
      SetChannelName(channel->Name());
    }
    return;
  }
  SetUserSelected(false);
}

void TiPlotDataCursor::DoGotFocus() {
  TiPlotManagerObject::DoGotFocus();
  if (TiPlotChannelCustom* channel = ResolveChannel()) {
    channel->SetUserSelected(true);
  }
}

bool TiPlotDataCursor::IsDeltaStyle() const {
  return m_style == TiPlotDataCursorStyle::ipcsDeltaX || m_style == TiPlotDataCursorStyle::ipcsDeltaY ||
         m_style == TiPlotDataCursorStyle::ipcsInverseDeltaX;
}

TRect TiPlotDataCursor::DrawPointer(TCanvas& canvas, double position, TiOrientation orientation, bool dragged) {
  const TRect view = m_dataView->DrawRect();
  canvas.Pen().SetWidth(dragged ? 0 : m_pointerPenWidth);
  if (orientation == TiOrientation::ioVertical) {
    const int x = m_dataView->PositionPercentToPixelsX(position);
    canvas.Polyline({{x, view.Top}, {x, view.Bottom}});
    return {x - 5, view.Top, x + 6, view.Bottom};
  }
  const int y = m_dataView->PositionPercentToPixelsY(position);
  canvas.Polyline({{view.Left, y}, {view.Right, y}});
  return {view.Left, y - 5, view.Right, y + 6};
}

void TiPlotDataCursor::Draw(TCanvas& canvas, TColor) {
  if (m_dataView == nullptr || !Visible()) {
    return;
  }
  UpdateValues();
  TiPlotChannelCustom* channel = ResolveChannel();
  canvas.Pen().SetColor(m_useChannelColor && channel != nullptr ? channel->Color() : m_color);
  canvas.Pen().SetStyle(TPenStyle::psSolid);
  if (m_pointer1Show) {
    m_pointer1Rect = DrawPointer(canvas, m_pointer1Position, m_pointer1Orientation, m_mouseDownPointer1);
  }
  if (m_pointer2Show) {
    m_pointer2Rect = DrawPointer(canvas, m_pointer2Position, m_pointer2Orientation, m_mouseDownPointer2);
  }
  const bool dragging = m_mouseDownPointer1 || m_mouseDownPointer2 || m_mouseDownHint;
  m_hintShowing = m_hintShow && m_channelName != kCursorAll && !(m_hintHideOnRelease && !dragging);
  if (m_hintShowing) {
    DrawHint(canvas);
  }
}

void TiPlotDataCursor::DrawHint(TCanvas& canvas) {
  TiPlotChannelCustom* channel = ResolveChannel();
  QString text = channel != nullptr ? m_cursorDisplayText : TranslateString(QStringLiteral("No Channel"));
  Owner()->DoDataCursorCustomizeHint(this, text);
  canvas.Font().Assign(m_font);
  const int tw = MultiLineTextWidth(canvas, text);
  const int th = TextExtentHeight(canvas, text);
  const int a = canvas.TextWidth(QStringLiteral("A"));
  m_hintWidth = tw + a;
  m_hintHeight = th + a / 2;
  const TRect view = m_dataView->DrawRect();
  const TRect& band = m_pointer1Show ? m_pointer1Rect : m_pointer2Rect;
  TRect box;
  if (m_hintOrientation == TiOrientation::ioVertical) {
    const int r = (band.Left + band.Right) / 2;
    if (r + a + tw + 5 > view.Right) {
      m_hintOrientationSide = TiOrientationSide::iosTopLeft;
    }
    if (r - a - tw - 5 < view.Left) {
      m_hintOrientationSide = TiOrientationSide::iosBottomRight;
    }
    const int e = m_dataView->PositionPercentToPixelsY(m_hintPosition);
    if (IsDeltaStyle()) {
      const int cx = (m_pointer1Rect.Left + m_pointer1Rect.Right + m_pointer2Rect.Left + m_pointer2Rect.Right) / 4;
      box = {cx - m_hintWidth / 2, e - m_hintHeight / 2, cx - m_hintWidth / 2 + m_hintWidth,
             e - m_hintHeight / 2 + m_hintHeight};
    } else if (m_hintOrientationSide == TiOrientationSide::iosBottomRight) {
      box = {r + 5, e - m_hintHeight / 2, r + 5 + tw + a, e - m_hintHeight / 2 + m_hintHeight};
    } else {
      box = {r - 5 - tw - a, e - m_hintHeight / 2, r - 5, e - m_hintHeight / 2 + m_hintHeight};
    }
  } else {
    const int r = (band.Top + band.Bottom) / 2;
    if (r + a + th > view.Bottom) {
      m_hintOrientationSide = TiOrientationSide::iosTopLeft;
    }
    if (r - a - th < view.Top) {
      m_hintOrientationSide = TiOrientationSide::iosBottomRight;
    }
    const int e = m_dataView->PositionPercentToPixelsX(m_hintPosition);
    if (IsDeltaStyle()) {
      const int cy = (m_pointer1Rect.Top + m_pointer1Rect.Bottom + m_pointer2Rect.Top + m_pointer2Rect.Bottom) / 4;
      box = {e - m_hintWidth / 2, cy - m_hintHeight / 2, e - m_hintWidth / 2 + m_hintWidth,
             cy - m_hintHeight / 2 + m_hintHeight};
    } else if (m_hintOrientationSide == TiOrientationSide::iosBottomRight) {
      box = {e - m_hintWidth / 2, r + 5, e - m_hintWidth / 2 + m_hintWidth, r + 5 + m_hintHeight};
    } else {
      box = {e - m_hintWidth / 2, r - 5 - m_hintHeight, e - m_hintWidth / 2 + m_hintWidth, r - 5};
    }
  }
  if (box.Left < view.Left) {
    OffsetRect(box, view.Left - box.Left, 0);
  }
  if (box.Right > view.Right) {
    OffsetRect(box, view.Right - box.Right, 0);
  }
  if (box.Top < view.Top) {
    OffsetRect(box, 0, view.Top - box.Top);
  }
  if (box.Bottom > view.Bottom) {
    OffsetRect(box, 0, view.Bottom - box.Bottom);
  }
  m_hintRect = box;
  const TColor pointerColour = canvas.Pen().Color();
  if (IsDeltaStyle()) {
    canvas.Pen().SetStyle(TPenStyle::psDot);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    if (m_hintOrientation == TiOrientation::ioVertical) {
      const int cy = (box.Top + box.Bottom) / 2;
      canvas.Polyline({{(m_pointer1Rect.Left + m_pointer1Rect.Right) / 2, cy},
                       {(m_pointer2Rect.Left + m_pointer2Rect.Right) / 2, cy}});
    } else {
      const int cx = (box.Left + box.Right) / 2;
      canvas.Polyline({{cx, (m_pointer1Rect.Top + m_pointer1Rect.Bottom) / 2},
                       {cx, (m_pointer2Rect.Top + m_pointer2Rect.Bottom) / 2}});
    }
  }
  canvas.Pen().SetStyle(TPenStyle::psSolid);
  canvas.Pen().SetWidth(1);
  canvas.Pen().SetColor(m_useChannelColor && channel != nullptr ? pointerColour : clBlack);
  canvas.Brush().SetColor(clInfoBk);
  canvas.Brush().SetStyle(TBrushStyle::bsSolid);
  canvas.Font().SetColor(clInfoText);
  canvas.Rectangle(box);
  TRect textRect{box.Left + 2, box.Top + 1, box.Right, box.Bottom};
  iDrawText(canvas, text, textRect, clInfoText, true, iTextFlag::Left | iTextFlag::Top);
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  canvas.Rectangle(box);
  if (UserSelected()) {
    TRect focus = box;
    InflateRect(focus, 2, 2);
    DrawFocusRectangle(canvas, focus);
  }
}

bool TiPlotDataCursor::MouseHitTest(const TiPlotMouseData& mouseData) const {
  if (m_dataView == nullptr) {
    return false;
  }
  const TPoint p{mouseData.X, mouseData.Y};
  const auto in = [&p](const TRect& r) { return p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom; };
  return (m_pointer1Show && in(m_pointer1Rect)) || (m_pointer2Show && in(m_pointer2Rect)) ||
         (m_hintShowing && in(m_hintRect));
}

void TiPlotDataCursor::RequestRepaint() { Raise(OnInvalidateNow, this); }

void TiPlotDataCursor::DoMouseLeft(const TiPlotMouseData& mouseData) {
  TiPlotManagerObject::DoMouseLeft(mouseData);
  m_mouseDownX = mouseData.X;
  m_mouseDownY = mouseData.Y;
  if (m_dataView == nullptr) {
    return;
  }
  const TPoint p{mouseData.X, mouseData.Y};
  const auto in = [&p](const TRect& r) { return p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom; };
  const auto pixelOf = [this](double position, TiOrientation o, int& xPixels, int& yPixels) {
    if (o == TiOrientation::ioVertical) {
      xPixels = m_dataView->PositionPercentToPixelsX(position);
    } else {
      yPixels = m_dataView->PositionPercentToPixelsY(position);
    }
  };
  if (m_hintShowing && in(m_hintRect)) {
    // The hint moves along its pointers, across their direction.
    pixelOf(m_hintPosition,
            m_hintOrientation == TiOrientation::ioVertical ? TiOrientation::ioHorizontal : TiOrientation::ioVertical,
            m_mouseDownXPixels, m_mouseDownYPixels);
    m_mouseDownHint = true;
    RequestRepaint();
  } else if (m_pointer1Show && in(m_pointer1Rect)) {
    pixelOf(m_pointer1Position, m_pointer1Orientation, m_mouseDownXPixels, m_mouseDownYPixels);
    m_mouseDownPointer1 = true;
    RequestRepaint();
    UpdateValues();
  } else if (m_pointer2Show && in(m_pointer2Rect)) {
    pixelOf(m_pointer2Position, m_pointer2Orientation, m_mouseDownXPixels, m_mouseDownYPixels);
    m_mouseDownPointer2 = true;
    RequestRepaint();
    UpdateValues();
  }
}

void TiPlotDataCursor::DoMouseMove(const TiPlotMouseData& mouseData) {
  if (m_dataView == nullptr) {
    return;
  }
  const auto percentAlong = [&](TiOrientation o) {
    return ClampPercent(o == TiOrientation::ioVertical
                            ? m_dataView->PixelsXToPositionPercent(mouseData.X + m_mouseDownXPixels - m_mouseDownX)
                            : m_dataView->PixelsYToPositionPercent(mouseData.Y + m_mouseDownYPixels - m_mouseDownY));
  };
  if (m_mouseDownHint) {
    m_hintPosition = percentAlong(m_hintOrientation == TiOrientation::ioVertical ? TiOrientation::ioHorizontal
                                                                                 : TiOrientation::ioVertical);
  } else if (m_mouseDownPointer1) {
    m_pointer1Position = percentAlong(m_pointer1Orientation);
  } else if (m_mouseDownPointer2) {
    m_pointer2Position = percentAlong(m_pointer2Orientation);
  } else {
    return;
  }
  UpdateValues();
  RequestRepaint();
}

void TiPlotDataCursor::DoMouseUp(const TiPlotMouseData& mouseData) {
  if (!m_mouseDownHint && !m_mouseDownPointer1 && !m_mouseDownPointer2) {
    return;
  }
  if (m_mouseDownPointer1) {
    SnapPointer(1);
  } else if (m_mouseDownPointer2) {
    SnapPointer(2);
  }
  m_mouseDownHint = m_mouseDownPointer1 = m_mouseDownPointer2 = false;
  RequestRepaint();
  if (MouseIsDown() && MouseHitTest(mouseData)) {
    Owner()->DoObjectClick(this);
  }
}

TCursor TiPlotDataCursor::GetMouseCursor(TPoint) {
  TCursor cursor = crHandPoint;
  Owner()->DoObjectGetMouseCursor(this, cursor);
  return cursor;
}

void TiPlotDataCursor::DoKeyDown(WORD& charCode, TShiftState shift, TPopupMenu* popupMenu) {
  TiPlotManagerObject::DoKeyDown(charCode, shift, popupMenu);
  if (m_dataView == nullptr) {
    return;
  }
  const bool ctrl = shift.Contains(TShiftStateItem::ssCtrl);
  if (m_snapToDataPoint) {
    DoSnapKeyDown(charCode, ctrl);
    return;
  }
  const double v = std::fabs(m_dataView->PixelsYToPositionPercent(100) - m_dataView->PixelsYToPositionPercent(101));
  const double h = std::fabs(m_dataView->PixelsXToPositionPercent(101) - m_dataView->PixelsXToPositionPercent(100));
  if (ctrl && !m_pointer2Show) {
    return;
  }
  double& position = ctrl ? m_pointer2Position : m_pointer1Position;
  const bool shown = ctrl ? m_pointer2Show : m_pointer1Show;
  const bool vertical = (ctrl ? m_pointer2Orientation : m_pointer1Orientation) == TiOrientation::ioVertical;
  const double step = vertical ? h : v;
  const bool hintAlongX = m_hintOrientation == TiOrientation::ioHorizontal;
  switch (charCode) {
    case VK_PRIOR:
      position += 5 * step;
      break;
    case VK_NEXT:
      position -= 5 * step;
      break;
    case VK_END:
      position = 100;
      break;
    case VK_HOME:
      position = 0;
      break;
    case VK_LEFT:
    case VK_RIGHT: {
      const double d = charCode == VK_RIGHT ? h : -h;
      if (!ctrl && m_hintShow && hintAlongX) {
        m_hintPosition += d;
      }
      if (shown && vertical) {
        position += d;
      }
      break;
    }
    case VK_UP:
    case VK_DOWN: {
      const double d = charCode == VK_UP ? v : -v;
      if (!ctrl && m_hintShow && !hintAlongX) {
        m_hintPosition += d;
      }
      if (shown && !vertical) {
        position += d;
      }
      break;
    }
    default:
      return;
  }
  m_hintPosition = ClampPercent(m_hintPosition);
  m_pointer1Position = ClampPercent(m_pointer1Position);
  m_pointer2Position = ClampPercent(m_pointer2Position);
  RequestRepaint();
}

void TiPlotDataCursor::DoSnapKeyDown(WORD charCode, bool ctrl) {
  if (ctrl && !m_pointer2Show) {
    return;
  }
  const int pointer = ctrl ? 2 : 1;
  const bool reversed = XYAxesReversed();
  const WORD forward = reversed ? VK_UP : VK_RIGHT;
  const WORD back = reversed ? VK_DOWN : VK_LEFT;
  const WORD hintUp = reversed ? VK_RIGHT : VK_UP;
  const WORD hintDown = reversed ? VK_LEFT : VK_DOWN;
  const auto move = [&](int dataIndex, int step) {
    MovePointerToIndex(m_snapToIndexChannel, dataIndex, step, pointer);
  };
  switch (charCode) {
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_HOME:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
      break;
    default:
      return;
  }
  SnapPointer(pointer);
  if (charCode == VK_PRIOR) {
    move(m_snapToIndexData, 5);
  } else if (charCode == VK_NEXT) {
    move(m_snapToIndexData, -5);
  } else if (charCode == VK_END) {
    move(std::numeric_limits<int>::max(), 0);
  } else if (charCode == VK_HOME) {
    move(0, 0);
  } else if (charCode == forward) {
    move(m_snapToIndexData, 1);
  } else if (charCode == back) {
    move(m_snapToIndexData, -1);
  } else if (charCode == hintUp) {
    StepHint(true);
  } else if (charCode == hintDown) {
    StepHint(false);
  }
}

void TiPlotDataCursor::StepHint(bool up) {
  if (m_dataView == nullptr) {
    return;
  }
  const double step =
      m_hintOrientation == TiOrientation::ioHorizontal
          ? std::fabs(m_dataView->PixelsXToPositionPercent(101) - m_dataView->PixelsXToPositionPercent(100))
          : std::fabs(m_dataView->PixelsYToPositionPercent(100) - m_dataView->PixelsYToPositionPercent(101));
  m_hintPosition = ClampPercent(m_hintPosition + (up ? step : -step));
  RequestRepaint();
}

void TiPlotDataCursor::DoSnapToDataPoint() {
  SnapPointer(1);
  SnapPointer(2);
}

int TiPlotDataCursor::FindNearestIndex(TiPlotChannel& channel, double x, double& distance) {
  const int count = channel.Count();
  if (count == 0) {
    distance = 1e300;
    return -1;
  }
  if (x >= channel.XLast()) {
    distance = std::fabs(x - channel.XLast());
    return count - 1;
  }
  if (x <= channel.XFirst()) {
    distance = std::fabs(x - channel.XFirst());
    return 0;
  }
  int best = channel.CalcIndex(x);
  if (best < 0) {
    distance = 1e300;
    return -1;
  }
  distance = std::fabs(x - channel.GetX(best));
  for (const int k : {best - 1, best + 1}) {
    if (k >= 0 && k < count && std::fabs(x - channel.GetX(k)) < distance) {
      distance = std::fabs(x - channel.GetX(k));
      best = k;
    }
  }
  return best;
}

void TiPlotDataCursor::SnapPointer(int pointer) {
  if (!m_snapToDataPoint || dynamic_cast<TiPlot*>(Owner()) == nullptr ||
      m_style == TiPlotDataCursorStyle::ipcsDeltaY) {
    return;
  }
  const double p = pointer == 1 ? m_pointer1Position : m_pointer2Position;
  TiPlotKindManager& channels = Owner()->Master().ChannelManager();
  int winnerChannel = -1;
  int winnerIndex = -1;
  if (m_channelName == kCursorAll) {
    double best = 1e300;
    for (int c = 0; c < channels.Count(); ++c) {
      auto* channel = dynamic_cast<TiPlotChannel*>(channels.Items(c));
      if (channel == nullptr || channel->XAxis() == nullptr) {
        continue;
      }
      double distance = 0;
      const int i = FindNearestIndex(*channel, channel->XAxis()->PercentToPosition(p / 100), distance);
      if (i != -1 && distance < best) {
        best = distance;
        winnerChannel = c;
        winnerIndex = i;
      }
    }
  } else {
    auto* channel = dynamic_cast<TiPlotChannel*>(ResolveChannel());
    if (channel == nullptr || channel->XAxis() == nullptr) {
      return;
    }
    double distance = 0;
    winnerIndex = FindNearestIndex(*channel, channel->XAxis()->PercentToPosition(p / 100), distance);
    winnerChannel = channels.GetIndexByName(m_channelName);
  }
  m_snapToIndexChannel = winnerChannel;
  m_snapToIndexData = winnerIndex;
  MovePointerToIndex(winnerChannel, winnerIndex, 0, pointer);
}

void TiPlotDataCursor::MovePointerToIndex(int channelIndex, int dataIndex, int step, int pointer) {
  TiPlotKindManager& channels = Owner()->Master().ChannelManager();
  if (dynamic_cast<TiPlot*>(Owner()) == nullptr || channelIndex < 0 || channelIndex >= channels.Count()) {
    return;
  }
  auto* channel = dynamic_cast<TiPlotChannelCustom*>(channels.Items(channelIndex));
  if (channel == nullptr || channel->XAxis() == nullptr || channel->Count() == 0) {
    return;
  }
  TiPlotXAxis& axis = *channel->XAxis();
  const long long moved = static_cast<long long>(dataIndex) + (axis.ReverseScale() ? -step : step);
  const int index = static_cast<int>(std::clamp<long long>(moved, 0, channel->Count() - 1));
  const double x = channel->GetX(index);
  if (x > axis.Max()) {
    axis.SetMin(x - axis.Span() + axis.Span() / 40);
  } else if (x < axis.Min()) {
    axis.SetMin(x - axis.Span() / 40);
  }
  const double percent = axis.PositionToPercent(x) * 100;
  if (pointer == 1) {
    SetPointer1Position(percent);
  } else {
    SetPointer2Position(percent);
  }
}

TiPlotDataPointStatus TiPlotDataCursor::GetInterpolatedYValue(const QString& channelName, double xValue,
                                                              double& yValue) {
  yValue = 0;
  auto* channel = dynamic_cast<TiPlotChannel*>(Owner()->Master().ChannelManager().GetObjectByName(channelName));
  if (channel == nullptr || channel->XAxis() == nullptr) {
    return TiPlotDataPointStatus::ipdpsNull;
  }
  TiPlotXAxis& axis = *channel->XAxis();
  const bool axisBlocked = axis.BlockMinSpanEvents();
  axis.SetBlockMinSpanEvents(true);
  const bool savedVisible = Visible();
  const TiPlotDataCursorStyle savedStyle = m_style;
  const QString savedChannelName = m_channelName;
  const double savedPointer1 = m_pointer1Position;
  const double savedMin = axis.Min();
  const auto restore = [&] {
    SetVisible(savedVisible);
    SetStyle(savedStyle);
    SetChannelName(savedChannelName);
    SetPointer1Position(savedPointer1);
    axis.SetMin(savedMin);
    axis.SetBlockMinSpanEvents(axisBlocked);
  };
  try {
    SetVisible(true);
    SetStyle(TiPlotDataCursorStyle::ipcsValueXY);
    SetChannelName(channelName);
    if (m_useCachedInterpolatedData) {
      SetPointer1Position(axis.PositionToPercent(xValue) * 100);
      UpdateValues();
    } else {
      SetPointer1Position(0);
      axis.SetMin(xValue);
      Owner()->ReCalcLayout();
    }
  } catch (...) {
    restore();
    throw;
  }
  const TiPlotDataPointStatus result = m_status;
  yValue = m_valueY;
  restore();
  return result;
}

void TiPlotDataCursor::AddMenuItems(TPopupMenu& popupMenu) {
  TiPlotManagerObject::AddMenuItems(popupMenu);
  TiPlotKindManager& channels = Owner()->Master().ChannelManager();
  TMenuItem& channelMenu = popupMenu.Add(TranslateString(QStringLiteral("Channel")), nullptr);
  if (m_channelAllowAll) {
    channelMenu.Add(TranslateString(kCursorAll), [this, &channels](TObject*) {
      SetChannelName(kCursorAll);
      for (TiPlotObject* channel : channels.Snapshot()) {
        channel->SetUserSelected(false);
      }
    }).Checked = m_channelName == kCursorAll;
  }
  for (TiPlotObject* object : channels.Snapshot()) {
    auto* channel = dynamic_cast<TiPlotChannelCustom*>(object);
    if (channel == nullptr || !channel->Visible()) {
      continue;
    }
    auto item = std::make_unique<TiMenuItem>();
    item->Caption = TranslateString(channel->TitleText().remove(QStringLiteral("\r\n")));
    item->AString = channel->Name();
    item->Checked = channel->Name() == m_channelName;
    item->OnClick = [this, &channels](TObject* sender) {
      const QString name = static_cast<TiMenuItem*>(sender)->AString;
      SetChannelName(name);
      if (TiPlotObject* chosen = channels.GetObjectByName(name)) {
        chosen->SetUserSelected(true);
      }
      DoSnapToDataPoint();
    };
    channelMenu.Add(std::move(item));
  }
  TMenuItem& styleMenu = popupMenu.Add(TranslateString(QStringLiteral("Style")), nullptr);
  for (int i = 0; i < int(m_menuItemCaption.size()); ++i) {
    const auto style = static_cast<TiPlotDataCursorStyle>(i);
    TMenuItem& item = styleMenu.Add(TranslateString(m_menuItemCaption[i]), [this, style](TObject*) { SetStyle(style); });
    item.Visible = m_menuItemVisible[i];
    item.Checked = style == m_style;
  }
  if (m_menuUserCanChangeOptions) {
    TMenuItem& options = popupMenu.Add(TranslateString(QStringLiteral("Options")), nullptr);
    options.Add(TranslateString(QStringLiteral("Use Channel Color")), [this](TObject*) {
      m_useChannelColor = !m_useChannelColor;
      RequestRepaint();
    }).Checked = m_useChannelColor;
    options.Add(TranslateString(QStringLiteral("Hide Hint On Release")), [this](TObject*) {
      m_hintHideOnRelease = !m_hintHideOnRelease;
      RequestRepaint();
    }).Checked = m_hintHideOnRelease;
    const bool valueStyle = m_style == TiPlotDataCursorStyle::ipcsValueXY ||
                            m_style == TiPlotDataCursorStyle::ipcsValueX ||
                            m_style == TiPlotDataCursorStyle::ipcsValueY;
    options.Add(TranslateString(QStringLiteral("Flip Alignment")), [this](TObject*) {
      m_hintOrientationSide = m_hintOrientationSide == TiOrientationSide::iosBottomRight
                                  ? TiOrientationSide::iosTopLeft
                                  : TiOrientationSide::iosBottomRight;
      RequestRepaint();
    }).Enabled = valueStyle && m_channelName.compare(kCursorAll, Qt::CaseInsensitive) != 0;
  }
  if (dynamic_cast<TiXYPlot*>(Owner()) == nullptr) {
    popupMenu.Add(TranslateString(QStringLiteral("Snap to Data-Point")), [this](TObject*) {
      m_snapToDataPoint = !m_snapToDataPoint;
      if (m_snapToDataPoint) {
        DoSnapToDataPoint();
      }
    }).Checked = m_snapToDataPoint;
  }
  AddEditMenuItem(popupMenu);
}
