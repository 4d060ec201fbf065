#include "plot/core/TiPlotObjectManager.h"

void TiPlotObjectManager::NotificationInsert(TObject* sender) {
  if (auto* object = dynamic_cast<TiPlotObject*>(sender)) {
    InsertObject(object);
  }
}

template <typename F>
void TiPlotObjectManager::ForSelected(F&& f) {
  for (TiPlotObject* object : Snapshot()) {
    if (Contains(object) && object->UserSelected()) {
      f(*object);
    }
  }
}

void TiPlotObjectManager::ClearAllUserSelections() {
  for (TiPlotObject* object : Snapshot()) {
    if (Contains(object)) {
      object->SetUserSelected(false);
    }
  }
}

void TiPlotObjectManager::SetShiftState(TShiftState value) {
  for (TiPlotObject* object : Snapshot()) {
    object->SetShiftState(value);
  }
}

void TiPlotObjectManager::MouseDownFocusObjects(TMouseButton button, TShiftState shift, int x, int y, int screenX,
                                                int screenY, TPopupMenu* popupMenu) {
  ForSelected([&](TiPlotObject& o) { o.iMouseDown(button, shift, x, y, screenX, screenY, popupMenu); });
}

void TiPlotObjectManager::MouseMoveFocusObjects(const TiHintData& hintData, TShiftState shift, int x, int y,
                                                int screenX, int screenY, bool dblClickActive) {
  ForSelected([&](TiPlotObject& o) {
    TiHintData copy = hintData;
    o.iMouseMove(copy, shift, x, y, screenX, screenY, dblClickActive);
  });
}

void TiPlotObjectManager::MouseUpFocusObjects(TMouseButton button, TShiftState shift, int x, int y, int screenX,
                                              int screenY, bool dblClickActive, TPopupMenu* popupMenu) {
  ForSelected(
      [&](TiPlotObject& o) { o.iMouseUp(button, shift, x, y, screenX, screenY, dblClickActive, popupMenu); });
}

void TiPlotObjectManager::KeyDownFocusObjects(WORD& charCode, TShiftState shift, TPopupMenu* popupMenu) {
  ForSelected([&](TiPlotObject& o) { o.DoKeyDown(charCode, shift, popupMenu); });
}

bool TiPlotObjectManager::MouseWheelFocusObjects(int wheelDelta, TShiftState shift, TPoint mousePos) {
  bool used = false;
  ForSelected([&](TiPlotObject& o) { used = o.iMouseWheel(wheelDelta, shift, mousePos) || used; });
  return used;
}

void TiPlotObjectManager::ShutDownSetup() {
  for (TiPlotObject* object : Snapshot()) {
    object->OnRemove = nullptr;
    object->OnLayoutChange = nullptr;
    object->OnChange = nullptr;
  }
}
