#include "plot/core/TiPlotObject.h"

#include <cmath>

#include "platform/widgets/TPopupMenu.h"
#include "plot/core/TiPlotComponent.h"
#include "plot/core/TiPlotMasterManager.h"
#include "plot/core/TiPlotTranslationManager.h"

TiPlotObject::TiPlotObject(TiPlotComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert,
                           TNotifyEvent onRemove, TNotifyEvent onRename)
    : OnChange(std::move(onChange)),
      OnRemove(std::move(onRemove)),
      OnInsert(std::move(onInsert)),
      OnRename(std::move(onRename)),
      m_owner(owner) {}

TiPlotObject::~TiPlotObject() = default;

void TiPlotObject::AnnounceRemoval() {
  Raise(OnRemove, this);
  DoLayoutChange();
}

void TiPlotObject::DoInsert() { Raise(OnInsert, this); }

void TiPlotObject::SetName(const QString& value) {
  if (value == m_name) {
    return;
  }
  m_nameOld = m_name;
  m_name = value;
  Raise(OnRename, this);
  DoChange();
}

void TiPlotObject::SetVisible(bool value) {
  if (StoreValue(value, m_visible)) {
    DoChange();
  }
}

void TiPlotObject::SetEnabled(bool value) {
  if (value == m_enabled) {
    return;
  }
  m_enabled = value;
  if (!value) {
    m_mouseDown = false;
    SetUserSelected(false);
  }
  DoChange();
}

void TiPlotObject::SetLayer(int value) {
  if (StoreValue(value, m_layer)) {
    DoChange();
  }
}

void TiPlotObject::SetPopupEnabled(bool value) {
  if (StoreValue(value, m_popupEnabled)) {
    DoChange();
  }
}

void TiPlotObject::SetCanFocus(bool value) {
  if (StoreValue(value, m_canFocus)) {
    DoChange();
  }
}

void TiPlotObject::SetUserSelected(bool value) {
  if (value == m_userSelected) {
    return;
  }
  m_userSelected = value;
  Raise(OnInvalidateNow, this);
  if (value) {
    Raise(OnSetFocus, this);
    DoGotFocus();
  } else {
    DoLostFocus();
  }
}

QString TiPlotObject::GetLayerSortKey() const { return QString::number(m_layer).rightJustified(6, QLatin1Char('0')); }

QString TiPlotObject::TranslateString(const QString& text) const {
  if (m_owner == nullptr) {
    return text;
  }
  return m_owner->Master().TranslationManager().FindReplacement(text);
}

bool TiPlotObject::HitTest(int x, int y) const {
  TiPlotMouseData data;
  data.X = x;
  data.Y = y;
  return MouseHitTest(data);
}

void TiPlotObject::DoChange() { Raise(OnChange, this); }

void TiPlotObject::DoLayoutChange() {
  Raise(OnLayoutChange, this);
  DoChange();
}

void TiPlotObject::NotificationRemove(TObject*) {}
void TiPlotObject::NotificationRename(TObject*) {}
void TiPlotObject::NotificationSetFocus(TObject*) {}
void TiPlotObject::PrepareForDraw(TCanvas&) { m_canDraw = true; }
void TiPlotObject::Draw(TCanvas&, TColor) {}

bool TiPlotObject::StoreDouble(double value, double& field) {
  if (std::isnan(value) || std::isnan(field) || value == field) {
    return false;
  }
  field = value;
  return true;
}

TiPlotMouseData TiPlotObject::MakeMouseData(int x, int y, int screenX, int screenY, TShiftState shift,
                                            TMouseButton button, bool dblClickActive) const {
  TiPlotMouseData data;
  data.X = x;
  data.Y = y;
  data.ScreenX = screenX;
  data.ScreenY = screenY;
  data.XAxisPixels = m_xyAxesReversed ? y : x;
  data.YAxisPixels = m_xyAxesReversed ? x : y;
  data.Shift = shift;
  data.Button = button;
  data.DblClickActive = dblClickActive;
  return data;
}

void TiPlotObject::iMouseDown(TMouseButton button, TShiftState shift, int x, int y, int screenX, int screenY,
                              TPopupMenu*) {
  if (!m_enabled) {
    return;
  }
  m_mouseDownPopup = false;
  const TiPlotMouseData data = MakeMouseData(x, y, screenX, screenY, shift, button, false);
  const LifeGuard guard(*this);
  if (button == TMouseButton::mbRight) {
    m_mouseDownPopup = m_popupEnabled;
    m_mouseDown = true;
    DoMouseRight(data);
  } else if (button == TMouseButton::mbLeft) {
    m_mouseDown = true;
    DoMouseLeft(data);
  }
  if (!guard.Alive()) {
    return;
  }
  if (m_owner && MouseHitTest(data)) {
    m_owner->DoObjectMouseDown(this, button, shift, x, y);
  }
}

void TiPlotObject::iMouseMove(TiHintData& hintData, TShiftState shift, int x, int y, int screenX, int screenY,
                              bool dblClickActive) {
  const TiPlotMouseData data = MakeMouseData(x, y, screenX, screenY, shift, TMouseButton::mbLeft, dblClickActive);
  if (m_mouseDown) {
    DoMouseMove(data);
  } else {
    DoMouseHint(data, hintData);
  }
  if (m_owner && MouseHitTest(data)) {
    m_owner->DoObjectMouseMove(this, shift, x, y);
  }
}

void TiPlotObject::iMouseUp(TMouseButton button, TShiftState shift, int x, int y, int screenX, int screenY,
                            bool dblClickActive, TPopupMenu* popupMenu) {
  const TiPlotMouseData data = MakeMouseData(x, y, screenX, screenY, shift, button, dblClickActive);
  // The pop-up and click handlers may delete this object: nothing of it is
  // touched once they did.
  const LifeGuard guard(*this);
  if (m_mouseDownPopup && MouseHitTest(data)) {
    bool cancel = false;
    if (m_owner) {
      m_owner->DoObjectPopupMenu(this, cancel, screenX, screenY);
    }
    if (!guard.Alive()) {
      return;
    }
    if (!cancel && popupMenu) {
      AddMenuItems(*popupMenu);
      popupMenu->Popup(screenX, screenY);
      if (!guard.Alive()) {
        return;
      }
    }
  }
  m_mouseDownPopup = false;
  DoMouseUp(data);
  if (!guard.Alive()) {
    return;
  }
  if (m_mouseDown) {
    m_mouseDown = false;
    if (m_owner) {
      m_owner->DoObjectMouseUp(this, button, shift, x, y);
    }
  }
}

bool TiPlotObject::iMouseWheel(int wheelDelta, TShiftState shift, TPoint mousePos) {
  const bool used = DoMouseWheel(wheelDelta, shift, mousePos.X, mousePos.Y);
  if (m_owner) {
    m_owner->DoObjectMouseWheel(this, wheelDelta, shift, mousePos.X, mousePos.Y);
  }
  return used;
}

bool TiPlotObject::MouseHitTest(const TiPlotMouseData&) const { return false; }
void TiPlotObject::DoMouseHint(const TiPlotMouseData&, TiHintData&) {}
void TiPlotObject::DoMouseLeft(const TiPlotMouseData&) {}
void TiPlotObject::DoMouseRight(const TiPlotMouseData&) {}
void TiPlotObject::DoMouseMove(const TiPlotMouseData&) {}
void TiPlotObject::DoMouseUp(const TiPlotMouseData&) {}
bool TiPlotObject::DoMouseWheel(int, TShiftState, int, int) { return false; }

void TiPlotObject::DoGotFocus() {
  if (m_owner) {
    m_owner->DoObjectGotFocus(this);
  }
}

void TiPlotObject::DoLostFocus() {
  if (m_owner) {
    m_owner->DoObjectLostFocus(this);
  }
}

TiPlotObject* TiPlotObject::DoMouseOver(int, int) {
  m_mouseOverObject = this;
  return this;
}

TCursor TiPlotObject::GetMouseCursor(TPoint point) {
  if (m_mouseOverObject == nullptr) {
    m_mouseOverObject = this;
    return crDefault;
  }
  if (m_mouseOverObject != this) {
    return m_mouseOverObject->GetMouseCursor(point);
  }
  return crDefault;
}

bool TiPlotObject::KeyPopupPoint(TPoint&) const { return false; }

void TiPlotObject::DoKeyDown(WORD& charCode, TShiftState shift, TPopupMenu* popupMenu) {
  constexpr WORD kF10 = 0x79;
  constexpr WORD kApps = 0x5D;
  const bool menuKey = (charCode == kF10 && shift.Contains(TShiftStateItem::ssShift)) || charCode == kApps;
  if (!menuKey || !m_popupEnabled) {
    return;
  }
  bool cancel = false;
  if (m_owner) {
    m_owner->DoObjectPopupMenu(this, cancel, 0, 0);
  }
  if (cancel || popupMenu == nullptr) {
    return;
  }
  AddMenuItems(*popupMenu);
  TPoint at;
  if (m_owner && KeyPopupPoint(at)) {
    const QPoint screen = m_owner->mapToGlobal(QPoint(at.X, at.Y));
    popupMenu->Popup(screen.x(), screen.y());
  }
}

void TiPlotObject::AddMenuItems(TPopupMenu& popupMenu) { popupMenu.Clear(); }

void TiPlotObject::AddEditMenuItem(TPopupMenu& popupMenu) {
  if (!m_userCanEdit) {
    return;
  }
  popupMenu.Add(TranslateString(QStringLiteral("Edit...")), [this](TObject*) { DoEditMenuItemClick(); });
}
