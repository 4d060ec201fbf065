#pragma once

#include <memory>

#include <QString>

#include "platform/core/TObject.h"
#include "platform/core/TRect.h"
#include "platform/widgets/TControl.h"
#include "plot/core/TiPlotTypes.h"

class TCanvas;
class TiPlotComponent;
class TPopupMenu;

/// Base of everything a plot shows or lets the user touch: name,
/// visibility, enabling, drawing layer, user selection, the change
/// notifications to the object's managers, the mouse and key protocol
/// through which the plot hands input to it, its pop-up menu and the
/// translation of its words.
///
/// Ownership: the manager of the object's kind owns it (plain class, not a
/// QObject). Removal is announced while the object is still whole:
/// AnnounceRemoval() fires OnRemove (the managers drop it) and a layout
/// change; the destructor itself notifies nobody. Every setter stores only
/// a changed value and then notifies (DoChange, or DoLayoutChange for
/// placement). GUI thread only.
class TiPlotObject : public TObject {
public:
  /// Taken before raising an event whose handler may delete the object (a
  /// click handler removing the axis it was given, for one): Alive() tells
  /// afterwards whether the object may still be touched.
  class LifeGuard {
  public:
    explicit LifeGuard(const TiPlotObject& object) : m_life(object.m_life) {}
    bool Alive() const { return !m_life.expired(); }

  private:
    std::weak_ptr<const bool> m_life;
  };

  TiPlotObject(TiPlotComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert, TNotifyEvent onRemove,
               TNotifyEvent onRename);
  ~TiPlotObject() override;
  TiPlotObject(const TiPlotObject&) = delete;
  TiPlotObject& operator=(const TiPlotObject&) = delete;

  virtual TiPlotObjectKind Kind() const { return TiPlotObjectKind::Other; }
  bool IsAxis() const { return Kind() == TiPlotObjectKind::XAxis || Kind() == TiPlotObjectKind::YAxis; }
  TiPlotComponent* Owner() const { return m_owner; }

  /// Tells the managers that the object goes: OnRemove, then DoLayoutChange.
  void AnnounceRemoval();
  /// Announces the object to its managers: OnInsert.
  virtual void DoInsert();

  QString Name() const { return m_name; }
  /// A changed name (exact comparison): NameOld := Name, store, OnRename, DoChange.
  void SetName(const QString& value);
  QString NameOld() const { return m_nameOld; }
  bool Visible() const { return m_visible; }
  virtual void SetVisible(bool value);
  bool Enabled() const { return m_enabled; }
  /// Disabling also ends a press and the user selection.
  virtual void SetEnabled(bool value);
  int Layer() const { return m_layer; }
  void SetLayer(int value);
  bool PopupEnabled() const { return m_popupEnabled; }
  void SetPopupEnabled(bool value);
  bool CanFocus() const { return m_canFocus; }
  void SetCanFocus(bool value);
  bool UserSelected() const { return m_userSelected; }
  /// A changed selection repaints at once (OnInvalidateNow), then either
  /// OnSetFocus and DoGotFocus, or DoLostFocus.
  void SetUserSelected(bool value);
  bool UserCanEdit() const { return m_userCanEdit; }
  void SetUserCanEdit(bool value) { m_userCanEdit = value; }
  bool XYAxesReversed() const { return m_xyAxesReversed; }
  virtual void SetXYAxesReversed(bool value) { m_xyAxesReversed = value; }
  bool CanDraw() const { return m_canDraw; }
  bool MouseIsDown() const { return m_mouseDown; }
  TShiftState ShiftState() const { return m_shiftState; }
  void SetShiftState(TShiftState value) { m_shiftState = value; }

  /// Layer as text padded with "0" to 6 characters (100 -> "000100").
  QString GetLayerSortKey() const;
  /// The replacement of text in the owning plot's translation table.
  QString TranslateString(const QString& text) const;
  /// MouseHitTest for a record holding only X and Y.
  bool HitTest(int x, int y) const;

  virtual void DoChange();
  virtual void DoLayoutChange();
  /// Another object is being removed / was renamed / was selected; a
  /// subclass drops or refreshes what refers to it.
  virtual void NotificationRemove(TObject* sender);
  virtual void NotificationRename(TObject* sender);
  virtual void NotificationSetFocus(TObject* sender);
  virtual void PrepareForDraw(TCanvas& canvas);
  virtual void Draw(TCanvas& canvas, TColor backGroundColor);

  // Input, dispatched by the plot.
  virtual void iMouseDown(TMouseButton button, TShiftState shift, int x, int y, int screenX, int screenY,
                          TPopupMenu* popupMenu);
  virtual void iMouseMove(TiHintData& hintData, TShiftState shift, int x, int y, int screenX, int screenY,
                          bool dblClickActive);
  virtual void iMouseUp(TMouseButton button, TShiftState shift, int x, int y, int screenX, int screenY,
                        bool dblClickActive, TPopupMenu* popupMenu);
  virtual bool iMouseWheel(int wheelDelta, TShiftState shift, TPoint mousePos);
  virtual bool MouseHitTest(const TiPlotMouseData& mouseData) const;
  virtual void DoMouseHint(const TiPlotMouseData& mouseData, TiHintData& hintData);
  virtual void DoMouseLeft(const TiPlotMouseData& mouseData);
  virtual void DoMouseRight(const TiPlotMouseData& mouseData);
  virtual void DoMouseMove(const TiPlotMouseData& mouseData);
  virtual void DoMouseUp(const TiPlotMouseData& mouseData);
  virtual bool DoMouseWheel(int wheelDelta, TShiftState shift, int x, int y);
  virtual void DoGotFocus();
  virtual void DoLostFocus();
  virtual void DoMouseNotOver() {}
  /// Records this object as the one under the mouse and answers it; a
  /// container answers the sub-object under the point.
  virtual TiPlotObject* DoMouseOver(int x, int y);
  virtual TCursor GetMouseCursor(TPoint point);
  /// Shift+F10 or the application key opens the pop-up menu.
  virtual void DoKeyDown(WORD& charCode, TShiftState shift, TPopupMenu* popupMenu);
  /// Empties the menu; subclasses add their items and end with AddEditMenuItem.
  virtual void AddMenuItems(TPopupMenu& popupMenu);
  /// "Edit..." when UserCanEdit.
  void AddEditMenuItem(TPopupMenu& popupMenu);
  void DoEditMenuItemClick() { Raise(OnEdit, this); }

  // Notification handlers given by the managers.
  TNotifyEvent OnChange;
  TNotifyEvent OnLayoutChange;
  TNotifyEvent OnRemove;
  TNotifyEvent OnInsert;
  TNotifyEvent OnRename;
  TNotifyEvent OnSetFocus;
  TNotifyEvent OnEdit;
  TNotifyEvent OnInvalidateNow;

protected:
  /// Store routines: true (and the field written) when the value changed.
  template <typename T>
  static bool StoreValue(const T& value, T& field) {
    if (value == field) {
      return false;
    }
    field = value;
    return true;
  }
  /// Doubles: a NaN on either side counts as equal and stores nothing.
  static bool StoreDouble(double value, double& field);
  /// A store routine followed by DoChange when the value changed.
  template <typename T>
  void StoreAndChange(const T& value, T& field) {
    if (StoreValue(value, field)) {
      DoChange();
    }
  }
  void StoreAndChange(double value, double& field) {
    if (StoreDouble(value, field)) {
      DoChange();
    }
  }

  TiPlotMouseData MakeMouseData(int x, int y, int screenX, int screenY, TShiftState shift, TMouseButton button,
                                bool dblClickActive) const;
  /// Where the keyboard pop-up menu opens (client pixels); false: no menu.
  virtual bool KeyPopupPoint(TPoint& point) const;
  void SetMouseDownFlag(bool value) { m_mouseDown = value; }
  void SetCanDraw(bool value) { m_canDraw = value; }
  TiPlotObject* MouseOverObject() const { return m_mouseOverObject; }
  void ClearMouseDownPopup() { m_mouseDownPopup = false; }

private:
  TiPlotComponent* m_owner;
  QString m_name;
  QString m_nameOld;
  TShiftState m_shiftState;
  bool m_visible = true;
  bool m_enabled = true;
  int m_layer = 100;
  bool m_popupEnabled = true;
  bool m_canFocus = true;
  bool m_userSelected = false;
  bool m_userCanEdit = true;
  bool m_xyAxesReversed = false;
  bool m_canDraw = false;
  TiPlotObject* m_mouseOverObject = nullptr;
  bool m_mouseDown = false;
  bool m_mouseDownPopup = false;
  /// Expires with the object; see LifeGuard.
  std::shared_ptr<const bool> m_life = std::make_shared<const bool>(true);
};
