#pragma once

#include "plot/core/TiPlotObjectManagerCustom.h"

/// Every plot object of a plot in the order announced, without owning
/// them; input reaches the user-selected objects through it. It creates no
/// objects. GUI thread only.
class TiPlotObjectManager : public TiPlotObjectManagerCustom {
public:
  using TiPlotObjectManagerCustom::TiPlotObjectManagerCustom;

  QString GetBaseName() const override { return QStringLiteral("n/a"); }
  void NotificationInsert(TObject* sender) override;

  void ClearAllUserSelections();
  void SetShiftState(TShiftState value);
  // The same input to every user-selected object, in list order.
  void MouseDownFocusObjects(TMouseButton button, TShiftState shift, int x, int y, int screenX, int screenY,
                             TPopupMenu* popupMenu);
  /// Each object gets its own copy of the hint record.
  void MouseMoveFocusObjects(const TiHintData& hintData, TShiftState shift, int x, int y, int screenX, int screenY,
                             bool dblClickActive);
  void MouseUpFocusObjects(TMouseButton button, TShiftState shift, int x, int y, int screenX, int screenY,
                           bool dblClickActive, TPopupMenu* popupMenu);
  void KeyDownFocusObjects(WORD& charCode, TShiftState shift, TPopupMenu* popupMenu);
  /// Every selected object gets the wheel; true when any used it.
  bool MouseWheelFocusObjects(int wheelDelta, TShiftState shift, TPoint mousePos);
  /// Silences every object (OnRemove, OnLayoutChange, OnChange) so that
  /// freeing the plot frees them without notifications.
  void ShutDownSetup();

private:
  /// Runs f on every listed, selected object over a snapshot.
  template <typename F>
  void ForSelected(F&& f);
};
