#include <QPoint>

#include "platform/drawing/TCanvas.h"
#include "platform/widgets/InputTypes.h"
#include "plot/base/iDrawing.h"
#include "plot/core/TiPlotButton.h"
#include "plot/core/TiPlotComponent.h"
#include "plot/core/TiPlotMasterManager.h"
#include "plot/core/TiPlotObjectManager.h"

namespace {

bool IsViewOrLegend(const TiPlotObject* o) {
  return o->Kind() == TiPlotObjectKind::DataView || o->Kind() == TiPlotObjectKind::Legend ||
         o->Kind() == TiPlotObjectKind::LayoutMarker;
}

/// Objects that take the press themselves rather than through the
/// selection: annotations, buttons, limits and objects that cannot focus.
bool TakesPressItself(const TiPlotObject* o) {
  return o->Kind() == TiPlotObjectKind::Annotation || o->Kind() == TiPlotObjectKind::Limit ||
         dynamic_cast<const TiPlotButton*>(o) != nullptr || !o->CanFocus();
}

}  // namespace

TiPlotMouseData TiPlotComponent::MakeMouseData(TMouseButton button, TShiftState shift, int x, int y) const {
  TiPlotMouseData data;
  data.X = x;
  data.Y = y;
  const QPoint screen = mapToGlobal(QPoint(x, y));
  data.ScreenX = screen.x();
  data.ScreenY = screen.y();
  data.Button = button;
  data.Shift = shift;
  SetMouseDataAxisPixels(data);
  return data;
}

void TiPlotComponent::SetMouseDataAxisPixels(TiPlotMouseData& mouseData) const {
  mouseData.XAxisPixels = XYAxesReverse() ? mouseData.Y : mouseData.X;
  mouseData.YAxisPixels = XYAxesReverse() ? mouseData.X : mouseData.Y;
}

TiPlotObject* TiPlotComponent::GetObjectAtPoint(const TiPlotMouseData& mouseData) {
  const std::vector<TiPlotObject*> objects = m_master->ObjectManager().Snapshot();
  const auto find = [&](auto&& accept) -> TiPlotObject* {
    for (TiPlotObject* o : objects) {
      if (o->Enabled() && o->Visible() && accept(o) && o->MouseHitTest(mouseData)) {
        return o;
      }
    }
    return nullptr;
  };
  TiPlotObject* hit = find([](TiPlotObject* o) { return o->UserSelected() && !IsViewOrLegend(o); });
  if (hit == nullptr) {
    hit = find([](TiPlotObject* o) { return !IsViewOrLegend(o); });
  }
  if (hit == nullptr) {
    hit = find([](TiPlotObject* o) {
      return o->Kind() == TiPlotObjectKind::DataView || o->Kind() == TiPlotObjectKind::Legend;
    });
  }
  return hit != nullptr ? hit->DoMouseOver(mouseData.X, mouseData.Y) : nullptr;
}

void TiPlotComponent::iMouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TiPlotObjectManager& objects = m_master->ObjectManager();
  objects.SetShiftState(shift);
  m_mouseDown = true;
  const TiPlotMouseData data = MakeMouseData(button, shift, x, y);
  setFocus();
  HideHint();
  if (button == TMouseButton::mbRight) {
    objects.ClearAllUserSelections();
  }
  m_mouseDownObject = GetObjectAtPoint(data);
  m_lastMouseClickObject = nullptr;
  TiPlotObject* object = m_mouseDownObject;
  if (object == nullptr) {
    objects.ClearAllUserSelections();
    return;
  }
  if (shift.Contains(TShiftStateItem::ssShift)) {
    m_selectingActive = object->IsAxis();
    object->SetUserSelected(true);
  } else if (shift.Contains(TShiftStateItem::ssCtrl)) {
    if (object->IsAxis()) {
      object->SetUserSelected(!object->UserSelected());
      m_selectingActive = true;
    } else {
      object->SetUserSelected(true);
      m_selectingActive = false;
    }
  } else if (object->Kind() != TiPlotObjectKind::ToolBar && object->CanFocus()) {
    object->SetUserSelected(true);
  }
  if (button == TMouseButton::mbRight || TakesPressItself(object)) {
    object->iMouseDown(button, shift, x, y, data.ScreenX, data.ScreenY, &PopupMenu());
  } else {
    objects.MouseDownFocusObjects(button, shift, x, y, data.ScreenX, data.ScreenY, &PopupMenu());
  }
}

void TiPlotComponent::iMouseMove(TShiftState shift, int x, int y) {
  if (m_selectingActive) {
    return;
  }
  try {
    TiPlotObjectManager& objects = m_master->ObjectManager();
    objects.SetShiftState(shift);
    const TiPlotMouseData data = MakeMouseData(TMouseButton::mbLeft, shift, x, y);
    const bool buttonHeld =
        shift.Contains(TShiftStateItem::ssLeft) || shift.Contains(TShiftStateItem::ssRight);
    if (buttonHeld && m_mouseDownObject != nullptr) {
      TiHintData hint;
      if (m_mouseDownObject->Kind() == TiPlotObjectKind::Annotation ||
          m_mouseDownObject->Kind() == TiPlotObjectKind::ToolBar || TakesPressItself(m_mouseDownObject)) {
        m_mouseDownObject->iMouseMove(hint, shift, x, y, data.ScreenX, data.ScreenY, m_dblClickActive);
      } else {
        objects.MouseMoveFocusObjects(hint, shift, x, y, data.ScreenX, data.ScreenY, m_dblClickActive);
      }
      SetCursor(crDefault);
      return;
    }
    // A press whose release was lost ends here.
    if (m_mouseDownObject != nullptr) {
      m_mouseDownObject->iMouseUp(TMouseButton::mbLeft, shift, x, y, data.ScreenX, data.ScreenY, m_dblClickActive,
                                  &PopupMenu());
      objects.MouseUpFocusObjects(TMouseButton::mbLeft, shift, x, y, data.ScreenX, data.ScreenY, m_dblClickActive,
                                  &PopupMenu());
      m_mouseDownObject = nullptr;
    }
    TiPlotObject* object = GetObjectAtPoint(data);
    if (m_lastMouseOverObject != nullptr && m_lastMouseOverObject != object) {
      m_lastMouseOverObject->DoMouseNotOver();
    }
    m_lastMouseOverObject = nullptr;
    if (object == nullptr) {
      SetCursor(crDefault);
      return;
    }
    SetCursor(object->GetMouseCursor({x, y}));
    TiHintData hint;
    object->iMouseMove(hint, shift, x, y, data.ScreenX, data.ScreenY, m_dblClickActive);
    if (HintsShow()) {
      const bool visible = m_hintData.Visible;
      m_hintData = hint;
      m_hintData.Visible = visible;
      if (m_mouseDown) {
        HideHint();
      } else if (hint.Text.isEmpty()) {
        HideHint();
        m_lastHintObject = nullptr;
        m_lastHintShowRect = {};
      } else if (m_lastHintObject != nullptr && m_lastHintObject != object &&
                 dynamic_cast<TiPlotButton*>(m_lastHintObject) == nullptr) {
        HideHint();
        m_lastHintObject = nullptr;
      } else if (InternalTimerActive() && !m_hintData.Visible) {
        RestartHintTimer(HintsPause());
      } else if (InternalTimerActive()) {
        if (dynamic_cast<TiPlotButton*>(m_lastHintObject) != nullptr ||
            (m_lastHintObject != nullptr && IsChannelKind(m_lastHintObject->Kind()))) {
          RestartHintTimer(HintsHidePause());
        } else {
          HideHint();
        }
      } else if (!(x >= m_lastHintShowRect.Left && x < m_lastHintShowRect.Right && y >= m_lastHintShowRect.Top &&
                   y < m_lastHintShowRect.Bottom) &&
                 object != m_lastHintObject) {
        m_lastHintX = x;
        m_lastHintY = y;
        m_lastHintObject = object;
        RestartHintTimer(HintsPause());
      }
      if (m_hintData.Visible) {
        InvalidateNow();
      }
    }
    m_lastMouseOverObject = object;
  } catch (const std::exception&) {
  }
}

void TiPlotComponent::iMouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  m_mouseDown = false;
  TiPlotObjectManager& objects = m_master->ObjectManager();
  objects.SetShiftState(shift);
  HideHint();
  m_selectingActive = false;
  const TiPlotMouseData data = MakeMouseData(button, shift, x, y);
  if (m_mouseDownObject != nullptr) {
    m_mouseDownObject->iMouseUp(button, shift, x, y, data.ScreenX, data.ScreenY, m_dblClickActive, &PopupMenu());
  }
  objects.MouseUpFocusObjects(button, shift, x, y, data.ScreenX, data.ScreenY, m_dblClickActive, &PopupMenu());
  m_lastMouseClickObject = m_mouseDownObject;
  m_mouseDownObject = nullptr;
  m_dblClickActive = false;
}

void TiPlotComponent::iDoubleClick() { m_dblClickActive = true; }

bool TiPlotComponent::iMouseWheel(int wheelDelta, TShiftState shift, TPoint mousePos) {
  m_master->ObjectManager().MouseWheelFocusObjects(wheelDelta, shift, mousePos);
  return true;
}

void TiPlotComponent::iKeyDown(WORD& key, TShiftState shift) {
  m_master->ObjectManager().KeyDownFocusObjects(key, shift, &PopupMenu());
}

void TiPlotComponent::iWantSpecialKey(WORD& charCode, bool& result) { result = charCode >= 37 && charCode <= 40; }

void TiPlotComponent::RestartHintTimer(int interval) {
  InternalTimerStop();
  InternalTimerStart(0, interval);
}

void TiPlotComponent::HideHint() {
  InternalTimerStop();
  m_hintData.Visible = false;
  if (m_hintShowing) {
    InvalidateNow();
  }
}

void TiPlotComponent::InternalTimerEvent() {
  InternalTimerStop();
  if (m_hintData.Visible) {
    HideHint();
  } else {
    m_hintData.Visible = true;
    m_lastHintShowRect = {m_lastHintX - 3, m_lastHintY - 3, m_lastHintX + 3, m_lastHintY + 3};
    RestartHintTimer(HintsHidePause());
  }
  InvalidateNow();
}

void TiPlotComponent::DrawHintBox(TCanvas& canvas) {
  m_hintShowing = false;
  if (!m_hintData.Visible) {
    return;
  }
  canvas.Font().Assign(HintsFont());
  canvas.Brush().SetColor(clInfoBk);
  canvas.Brush().SetStyle(TBrushStyle::bsSolid);
  canvas.Font().SetColor(clInfoText);
  canvas.Pen().SetStyle(TPenStyle::psClear);
  const TRect box{m_hintData.Left, m_hintData.Top, m_hintData.Left + m_hintData.Width,
                  m_hintData.Top + m_hintData.Height};
  canvas.Rectangle(box);
  TRect bounds;
  iDrawRotatedText(canvas, m_hintData.Text, box, bounds, clInfoText, true, TiAlignmentHorizontal::iahCenter,
                   TiRotationAngle::ira000);
  canvas.Pen().SetStyle(TPenStyle::psSolid);
  m_hintShowing = true;
}
