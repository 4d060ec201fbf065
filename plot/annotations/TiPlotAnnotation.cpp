#include "plot/annotations/TiPlotAnnotation.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "platform/core/Rounding.h"
#include "platform/drawing/TCanvas.h"
#include "platform/drawing/TRegion.h"
#include "plot/base/iDrawing.h"
#include "plot/channels/TiPlotChannelCustom.h"
#include "plot/core/TiPlotComponent.h"
#include "plot/core/TiPlotKindManager.h"
#include "plot/core/TiPlotMasterManager.h"
#include "plot/objects/TiPlotDataView.h"
#include "plot/objects/TiPlotXAxis.h"
#include "plot/objects/TiPlotYAxis.h"

using S = TiPlotAnnotationStyle;

namespace {

constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeNESW = -6;


bool Meets(const TRect& a, const TRect& b) { return !IntersectRect(a, b).IsEmpty(); }

}  // namespace

TiPlotAnnotation::TiPlotAnnotation(TiPlotComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert,
                                   TNotifyEvent onRemove, TNotifyEvent onRename)
    : TiPlotObject(owner, std::move(onChange), std::move(onInsert), std::move(onRemove), std::move(onRename)) {
  m_font.SetName(QStringLiteral("Arial"));
  m_font.SetColor(clWhite);
  m_font.OnChange = [this](TObject*) { DoChange(); };
}

TiPlotAnnotation::~TiPlotAnnotation() { m_font.OnChange = nullptr; }

void TiPlotAnnotation::SetCoordinate(double value, double& field) {
  if (StoreDouble(value, field)) {
    DoChange();
    Owner()->DoAnnotationCoordinatesChange(this);
  }
}

void TiPlotAnnotation::SetChannelName(const QString& value) {
  if (StoreValue(value, m_channelName)) {
    m_channel = nullptr;
    DoChange();
  }
}

int TiPlotAnnotation::PolyPointAdd(double x, double y) {
  m_polyPoints.push_back({x, y});
  return int(m_polyPoints.size()) - 1;
}

TiPlotChannelCustom* TiPlotAnnotation::ResolveChannel() {
  if (m_channel == nullptr) {
    m_channel = dynamic_cast<TiPlotChannelCustom*>(Owner()->Master().ChannelManager().GetObjectByName(m_channelName));
  }
  return m_channel;
}

bool TiPlotAnnotation::InChannelFrame(TiPlotReferenceIndividual individual, bool horizontal) const {
  switch (individual) {
    case TiPlotReferenceIndividual::ipriDataView:
      return false;
    case TiPlotReferenceIndividual::ipriChannel:
      return true;
    case TiPlotReferenceIndividual::ipriAuto:
      break;
  }
  return m_reference == TiPlotReferenceType::iprtChannel ||
         m_reference == (horizontal ? TiPlotReferenceType::iprtXChannelYDataView
                                    : TiPlotReferenceType::iprtXDataViewYChannel);
}

int TiPlotAnnotation::ToPixels(double value, bool horizontal, bool channel) {
  if (channel) {
    TiPlotChannelCustom* c = ResolveChannel();
    if (c == nullptr || !c->HasAxes()) {
      return 0;
    }
    return horizontal ? c->XAxis()->PositionToPixels(value) : c->YAxis()->PositionToPixels(value);
  }
  if (m_dataView == nullptr) {
    return 0;
  }
  const bool alongX = horizontal != XYAxesReversed();
  return alongX ? m_dataView->PositionPercentToPixelsX(value) : m_dataView->PositionPercentToPixelsY(value);
}

double TiPlotAnnotation::ToPosition(int pixels, bool horizontal, bool channel) {
  if (channel) {
    TiPlotChannelCustom* c = ResolveChannel();
    if (c == nullptr || !c->HasAxes()) {
      return 0;
    }
    return horizontal ? c->XAxis()->PixelsToPosition(pixels) : c->YAxis()->PixelsToPosition(pixels);
  }
  if (m_dataView == nullptr) {
    return 0;
  }
  const bool alongX = horizontal != XYAxesReversed();
  return alongX ? m_dataView->PixelsXToPositionPercent(pixels) : m_dataView->PixelsYToPositionPercent(pixels);
}

int TiPlotAnnotation::PositionXToPixels(double value) { return ToPixels(value, true, InChannelFrame(m_refPosX, true)); }

int TiPlotAnnotation::PositionYToPixels(double value) {
  return ToPixels(value, false, InChannelFrame(m_refPosY, false));
}

double TiPlotAnnotation::PixelsXToPosition(int value) {
  return ToPosition(value, true, InChannelFrame(m_refPosX, true));
}

double TiPlotAnnotation::PixelsYToPosition(int value) {
  return ToPosition(value, false, InChannelFrame(m_refPosY, false));
}

int TiPlotAnnotation::SizeToPixels(double value, bool horizontal) {
  const bool channel = InChannelFrame(horizontal ? m_refSizeX : m_refSizeY, horizontal);
  if (channel) {
    TiPlotChannelCustom* c = ResolveChannel();
    if (c == nullptr || !c->HasAxes()) {
      return 0;
    }
    TiPlotAxis* axis = horizontal ? static_cast<TiPlotAxis*>(c->XAxis()) : static_cast<TiPlotAxis*>(c->YAxis());
    return std::abs(axis->PositionToPixels(axis->Min() + value) - axis->PositionToPixels(axis->Min()));
  }
  return std::abs(ToPixels(value, horizontal, false) - ToPixels(0, horizontal, false));
}

double TiPlotAnnotation::SizePixelsToPosition(int pixels, bool horizontal) {
  return ToPosition(pixels, horizontal, InChannelFrame(horizontal ? m_refSizeX : m_refSizeY, horizontal));
}

bool TiPlotAnnotation::FramesResolve() {
  const bool channelX = InChannelFrame(m_refPosX, true) || InChannelFrame(m_refSizeX, true);
  const bool channelY = InChannelFrame(m_refPosY, false) || InChannelFrame(m_refSizeY, false);
  const bool dataViewUsed = !InChannelFrame(m_refPosX, true) || !InChannelFrame(m_refSizeX, true) ||
                            !InChannelFrame(m_refPosY, false) || !InChannelFrame(m_refSizeY, false);
  if (dataViewUsed && m_dataView == nullptr) {
    return false;
  }
  if (channelX || channelY) {
    TiPlotChannelCustom* c = ResolveChannel();
    if (c == nullptr || !c->HasAxes()) {
      return false;
    }
  }
  return m_dataView != nullptr;
}

bool TiPlotAnnotation::CanSize() const {
  return m_userCanSize && (m_style == S::ipasRectangle || m_style == S::ipasTextRectangle ||
                           m_style == S::ipasEllipse || m_style == S::ipasEllipse2 || m_style == S::ipasRectangle2);
}

bool TiPlotAnnotation::IsCornerStyle() const { return m_style == S::ipasEllipse || m_style == S::ipasRectangle2; }

void TiPlotAnnotation::ShowBox(TCanvas& canvas, const TRect& box, bool handles) {
  const TRect view = m_dataView->DrawRect();
  m_showing = true;
  m_drawRect = box;
  m_clickRect = IntersectRect(box, view);
  if (!handles) {
    return;
  }
  const TPoint corners[4] = {{box.Left, box.Top}, {box.Right, box.Top}, {box.Left, box.Bottom}, {box.Right, box.Bottom}};
  for (int i = 0; i < 4; ++i) {
    m_sizeRects[i] = IntersectRect({corners[i].X - 3, corners[i].Y - 3, corners[i].X + 3, corners[i].Y + 3}, view);
  }
  if (UserSelected() && m_showFocusRect) {
    for (const TRect& r : m_sizeRects) {
      canvas.InvertRect(r);
    }
  }
}

TRect TiPlotAnnotation::TextBox(TCanvas& canvas, int xp, int yp, int extra) {
  canvas.Font().Assign(m_font);
  int w = MultiLineTextWidth(canvas, m_text) + extra;
  int h = TextExtentHeight(canvas, m_text) + extra;
  if (m_textRotation == TiRotationAngle::ira090 || m_textRotation == TiRotationAngle::ira270) {
    std::swap(w, h);
  }
  if (XYAxesReversed()) {
    std::swap(xp, yp);
  }
  const int unitW = canvas.TextWidth(QStringLiteral("A"));
  const int unitH = canvas.TextHeight(QStringLiteral("A"));
  int cx = xp;
  int cy = yp;
  const int dx = Round(unitW * m_textHorzMargin) + w / 2;
  const int dy = Round(unitH * m_textVertMargin) + h / 2;
  if (m_textHorzAlignment == TiAlignmentHorizontal::iahLeft) {
    cx += dx;
  } else if (m_textHorzAlignment == TiAlignmentHorizontal::iahRight) {
    cx -= dx;
  }
  if (m_textVertAlignment == TiAlignmentVertical::iavTop) {
    cy += dy;
  } else if (m_textVertAlignment == TiAlignmentVertical::iavBottom) {
    cy -= dy;
  }
  return {cx - w / 2, cy - h / 2, cx - w / 2 + w, cy - h / 2 + h};
}

void TiPlotAnnotation::DrawTextInto(TCanvas& canvas, const TRect& box) {
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  canvas.Font().Assign(m_font);
  const int saved = canvas.SaveDC();
  const TRect view = m_dataView->DrawRect();
  canvas.IntersectClipRect(view.Left, view.Top, view.Right, view.Bottom);
  TRect bounds;
  iDrawRotatedText(canvas, m_text, box, bounds, m_font.Color(), Enabled(), m_textLineAlignment, m_textRotation);
  canvas.RestoreDC(saved);
}

void TiPlotAnnotation::Draw(TCanvas& canvas, TColor backGroundColor) {
  m_showing = false;
  if (!Visible() || !FramesResolve()) {
    return;
  }
  const int xp = PositionXToPixels(m_x);
  const int yp = PositionYToPixels(m_y);
  const int x2p = PositionXToPixels(m_x2);
  const int y2p = PositionYToPixels(m_y2);
  const int hw = SizeToPixels(m_width / 2, true);
  const int hh = SizeToPixels(m_height / 2, false);
  const bool rev = XYAxesReversed();
  const TRect centred = OrientedRect(rev, xp - hw, yp - hh, xp + hw, yp + hh);
  const TRect corners = OrientedRect(rev, xp, yp, x2p, y2p);
  TiPlotChannelCustom* channel = ResolveChannel();
  if ((m_clipToAxes || (m_reference == TiPlotReferenceType::iprtChannel && Owner()->ClipAnnotationsToAxes())) &&
      channel != nullptr && channel->HasAxes() &&
      (InChannelFrame(m_refPosX, true) || InChannelFrame(m_refPosY, false))) {
    const TRect r = OrientedRect(rev, channel->XAxis()->MinPixels(), channel->YAxis()->MinPixels(),
                                 channel->XAxis()->MaxPixels(), channel->YAxis()->MaxPixels());
    canvas.IntersectClipRect(r.Left, r.Top, r.Right, r.Bottom);
  }
  const TRect view = m_dataView->DrawRect();
  const auto shapePens = [&] {
    canvas.Pen().SetColor(m_penColor);
    canvas.Pen().SetWidth(m_penWidth);
    canvas.Pen().SetStyle(m_penStyle);
    canvas.Brush().SetColor(m_brushColor);
    canvas.Brush().SetStyle(m_brushStyle);
    canvas.SetBkColor(backGroundColor);
  };
  const auto linePens = [&] {
    canvas.Pen().SetColor(m_penColor);
    canvas.Pen().SetWidth(m_penWidth);
    canvas.Pen().SetStyle(m_penStyle);
    canvas.Brush().SetColor(backGroundColor);
    canvas.SetBkColor(backGroundColor);
  };
  switch (m_style) {
    case S::ipasText:
    case S::ipasTextBox: {
      const bool framed = m_style == S::ipasTextBox;
      const TRect box = TextBox(canvas, xp, yp, framed ? 2 * m_outerMargin : 0);
      if (!Meets(box, view)) {
        return;
      }
      if (framed) {
        shapePens();
        canvas.Rectangle(box);
      }
      DrawTextInto(canvas, framed ? TRect{box.Left + m_outerMargin, box.Top + m_outerMargin,
                                          box.Right - m_outerMargin, box.Bottom - m_outerMargin}
                                  : box);
      m_showing = true;
      m_drawRect = box;
      m_clickRect = box;
      break;
    }
    case S::ipasLine: {
      const TPoint a = OrientedPoint(rev, xp, yp);
      const TPoint b = OrientedPoint(rev, x2p, y2p);
      if (!Meets(OrderedRect(a.X, a.Y, b.X + 1, b.Y + 1), view)) {
        return;
      }
      linePens();
      canvas.Polyline({a, b});
      break;
    }
    case S::ipasLineX:
    case S::ipasLineY: {
      const bool vertical = (m_style == S::ipasLineX) != rev;
      const int p = m_style == S::ipasLineX ? xp : yp;
      linePens();
      if (vertical) {
        if (p < view.Left || p > view.Right) {
          return;
        }
        canvas.Polyline({{p, view.Top}, {p, view.Bottom}});
        m_clickRect = {p - 5, view.Top, p + 5, view.Bottom};
      } else {
        if (p < view.Top || p > view.Bottom) {
          return;
        }
        canvas.Polyline({{view.Right, p}, {view.Left, p}});
        m_clickRect = {view.Left, p - 5, view.Right, p + 5};
      }
      m_showing = true;
      m_drawRect = m_clickRect;
      break;
    }
    case S::ipasRectangle:
    case S::ipasEllipse2:
    case S::ipasTextRectangle:
    case S::ipasEllipse:
    case S::ipasRectangle2: {
      const TRect box = IsCornerStyle() ? corners : centred;
      if (!Meets(box, view)) {
        return;
      }
      shapePens();
      if (m_style == S::ipasEllipse || m_style == S::ipasEllipse2) {
        canvas.Ellipse(box);
      } else {
        canvas.Rectangle(box);
      }
      ShowBox(canvas, box, true);
      if (m_style == S::ipasTextRectangle) {
        canvas.Font().Assign(m_font);
        TRect textBox = box;
        const int tw = MultiLineTextWidth(canvas, m_text);
        const int th = TextExtentHeight(canvas, m_text);
        const int mx = Round(canvas.TextWidth(QStringLiteral("0")) * m_textHorzMargin);
        const int my = Round(canvas.TextHeight(QStringLiteral("A")) * m_textVertMargin);
        if (m_textHorzAlignment == TiAlignmentHorizontal::iahLeft) {
          textBox.Left = box.Left + mx;
          textBox.Right = textBox.Left + tw;
        } else if (m_textHorzAlignment == TiAlignmentHorizontal::iahRight) {
          textBox.Right = box.Right - mx;
          textBox.Left = textBox.Right - tw;
        }
        if (m_textVertAlignment == TiAlignmentVertical::iavTop) {
          textBox.Top = box.Top + my;
          textBox.Bottom = textBox.Top + th;
        } else if (m_textVertAlignment == TiAlignmentVertical::iavBottom) {
          textBox.Bottom = box.Bottom - my;
          textBox.Top = textBox.Bottom - th;
        }
        DrawTextInto(canvas, textBox);
      }
      break;
    }
    case S::ipasPolygon: {
      if (m_polyPoints.size() < 2) {
        return;
      }
      std::vector<TPoint> points;
      TRect box{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
      for (const Point& p : m_polyPoints) {
        const TPoint q = OrientedPoint(rev, PositionXToPixels(p.X), PositionYToPixels(p.Y));
        points.push_back(q);
        box = {std::min(box.Left, q.X), std::min(box.Top, q.Y), std::max(box.Right, q.X + 1),
               std::max(box.Bottom, q.Y + 1)};
      }
      if (!Meets(box, view)) {
        return;
      }
      shapePens();
      canvas.Polygon(points);
      ShowBox(canvas, box, true);
      break;
    }
    case S::ipasImage:
      if (const TBitmap* picture = m_image.Get()) {
        const int w = picture->Width();
        const int h = picture->Height();
        const TRect box{xp - w / 2, yp - h / 2, xp - w / 2 + w, yp - h / 2 + h};
        m_image.TakeCornerTransparency();
        canvas.Draw(box.Left, box.Top, *picture);
        ShowBox(canvas, box, false);
      } else {
        const TImageList& list = Owner()->ImageList(m_imageListIndex == 0 || m_imageListIndex == 1 ? m_imageListIndex : 2);
        const int w = list.Width();
        const int h = list.Height();
        const TRect box{xp - w / 2, yp - h / 2, xp - w / 2 + w, yp - h / 2 + h};
        list.Draw(canvas, box.Left, box.Top, m_imageIndex, Enabled());
        ShowBox(canvas, box, false);
      }
      break;
  }
}

void TiPlotAnnotation::SetImage(const TBitmap* value) {
  m_image.Assign(value);
  DoChange();
}

void TiPlotAnnotation::ImageClear() {
  if (m_image.Clear()) {
    DoChange();
  }
}

void TiPlotAnnotation::ImageLoadFromFile(const QString& fileName) {
  TiOwnedPicture loaded;
  loaded.LoadFromFile(fileName);
  SetImage(loaded.Get());
}

bool TiPlotAnnotation::MouseHitTest(const TiPlotMouseData& mouseData) const {
  if ((m_selectModeOnlyInteraction && !Owner()->SelectModeActive()) || !m_showing) {
    return false;
  }
  if (m_clickRect.Contains(TPoint{mouseData.X, mouseData.Y})) {
    return true;
  }
  return std::any_of(std::begin(m_sizeRects), std::end(m_sizeRects),
                     [&](const TRect& r) { return r.Contains(TPoint{mouseData.X, mouseData.Y}); });
}

TCursor TiPlotAnnotation::GetMouseCursor(TPoint point) {
  TCursor cursor = crHandPoint;
  if (CanSize() && UserSelected()) {
    if (m_sizeRects[0].Contains(point) || m_sizeRects[3].Contains(point)) {
      cursor = crSizeNWSE;
    } else if (m_sizeRects[1].Contains(point) || m_sizeRects[2].Contains(point)) {
      cursor = crSizeNESW;
    }
  }
  Owner()->DoObjectGetMouseCursor(this, cursor);
  return cursor;
}

void TiPlotAnnotation::DoMouseLeft(const TiPlotMouseData& mouseData) {
  if (!m_showing) {
    return;
  }
  m_selectStyle = TiPlotAnnotationSelectStyle::ipassNone;
  if (CanSize()) {
    // Handles in the order top-left, bottom-right, top-right, bottom-left.
    const std::pair<int, TiPlotAnnotationSelectStyle> order[4] = {
        {0, TiPlotAnnotationSelectStyle::ipassSizeTopLeft},
        {3, TiPlotAnnotationSelectStyle::ipassSizeBottomRight},
        {1, TiPlotAnnotationSelectStyle::ipassSizeTopRight},
        {2, TiPlotAnnotationSelectStyle::ipassSizeBottomLeft}};
    for (const auto& [i, style] : order) {
      if (m_sizeRects[i].Contains(TPoint{mouseData.X, mouseData.Y})) {
        m_selectStyle = style;
        break;
      }
    }
  }
  if (m_selectStyle == TiPlotAnnotationSelectStyle::ipassNone && m_userCanMove) {
    m_selectStyle = TiPlotAnnotationSelectStyle::ipassMove;
  }
  m_dragging = true;
  m_mouseDownRect = m_drawRect;
  m_rectChange = false;
  m_mouseDownXValue = m_x;
  m_mouseDownYValue = m_y;
  m_mouseDownX2Value = m_x2;
  m_mouseDownY2Value = m_y2;
  m_mouseDownX = mouseData.X;
  m_mouseDownY = mouseData.Y;
  m_mouseDownAnchor = OrientedPoint(XYAxesReversed(), PositionXToPixels(m_x), PositionYToPixels(m_y));
}

void TiPlotAnnotation::SetFromPixelRect(int left, int top, int right, int bottom) {
  const bool rev = XYAxesReversed();
  // Horizontal pixel edges give X values, vertical ones Y values (swapped
  // when the axes are reversed).
  const int xa = rev ? top : left;
  const int xb = rev ? bottom : right;
  const int ya = rev ? left : top;
  const int yb = rev ? right : bottom;
  if (IsCornerStyle()) {
    m_x = PixelsXToPosition(xa);
    m_y = PixelsYToPosition(ya);
    m_x2 = PixelsXToPosition(xb);
    m_y2 = PixelsYToPosition(yb);
  } else {
    m_x = (PixelsXToPosition(xa) + PixelsXToPosition(xb)) / 2;
    m_y = (PixelsYToPosition(ya) + PixelsYToPosition(yb)) / 2;
    m_width = std::fabs(SizePixelsToPosition(xb, true) - SizePixelsToPosition(xa, true));
    m_height = std::fabs(SizePixelsToPosition(yb, false) - SizePixelsToPosition(ya, false));
  }
  m_rectChange = true;
  DoChange();
  Owner()->DoAnnotationCoordinatesChange(this);
}

void TiPlotAnnotation::DoMouseMove(const TiPlotMouseData& mouseData) {
  if (!UserSelected() || !m_dragging) {
    return;
  }
  const int dx = mouseData.X - m_mouseDownX;
  const int dy = mouseData.Y - m_mouseDownY;
  TRect r = m_mouseDownRect;
  switch (m_selectStyle) {
    case TiPlotAnnotationSelectStyle::ipassMove: {
      const TPoint anchor{m_mouseDownAnchor.X + dx, m_mouseDownAnchor.Y + dy};
      const bool rev = XYAxesReversed();
      const double x = PixelsXToPosition(rev ? anchor.Y : anchor.X);
      const double y = PixelsYToPosition(rev ? anchor.X : anchor.Y);
      SetX(x);
      SetY(y);
      if (IsCornerStyle()) {
        SetX2(m_mouseDownX2Value - m_mouseDownXValue + x);
        SetY2(m_mouseDownY2Value - m_mouseDownYValue + y);
      }
      m_rectChange = true;
      DoChange();
      Owner()->DoAnnotationMoveUser(this);
      Owner()->DoAnnotationCoordinatesChange(this);
      break;
    }
    case TiPlotAnnotationSelectStyle::ipassSizeTopLeft:
      SetFromPixelRect(r.Left + dx, r.Top + dy, r.Right, r.Bottom);
      Owner()->DoAnnotationResizeUser(this);
      break;
    case TiPlotAnnotationSelectStyle::ipassSizeTopRight:
      SetFromPixelRect(r.Left, r.Top + dy, r.Right + dx, r.Bottom);
      Owner()->DoAnnotationResizeUser(this);
      break;
    case TiPlotAnnotationSelectStyle::ipassSizeBottomLeft:
      SetFromPixelRect(r.Left + dx, r.Top, r.Right, r.Bottom + dy);
      Owner()->DoAnnotationResizeUser(this);
      break;
    case TiPlotAnnotationSelectStyle::ipassSizeBottomRight:
      SetFromPixelRect(r.Left, r.Top, r.Right + dx, r.Bottom + dy);
      Owner()->DoAnnotationResizeUser(this);
      break;
    case TiPlotAnnotationSelectStyle::ipassNone:
      break;
  }
  DoChange();
}

void TiPlotAnnotation::DoMouseUp(const TiPlotMouseData& mouseData) {
  if (!m_dragging) {
    return;
  }
  m_dragging = false;
  if (MouseHitTest(mouseData)) {
    Owner()->DoObjectClick(this);
  }
  if (m_rectChange) {
    Owner()->DoAnnotationCoordinatesChangeFinished(this);
  }
  m_selectStyle = TiPlotAnnotationSelectStyle::ipassNone;
}

void TiPlotAnnotation::NotificationRemove(TObject* sender) {
  TiPlotObject::NotificationRemove(sender);
  if (m_dataView != nullptr && sender == m_dataView) {
    m_dataView = nullptr;
  }
  if (m_channel != nullptr && sender == m_channel) {
    m_channel = nullptr;
  }
}

void TiPlotAnnotation::NotificationRename(TObject* sender) {
  TiPlotObject::NotificationRename(sender);
  if (m_channel != nullptr && sender == m_channel) {
    m_channelName = m_channel->Name();
  }
}

void TiPlotAnnotation::NotificationSetFocus(TObject* sender) {
  TiPlotObject::NotificationSetFocus(sender);
  auto* other = dynamic_cast<TiPlotObject*>(sender);
  if (other != nullptr && other != this && other->UserSelected()) {
    SetUserSelected(false);
  }
}
