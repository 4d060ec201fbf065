#pragma once

#include <QApplication>

#include "plot/editor/TiCustomEditorForm.h"
#include "tests/support/ProcessEventsUntil.h"

/// An editor form that counts the user edits its widgets report. ShowNow
/// shows it with the widgets made so far and makes it the active window,
/// so they take the focus.
class CountingEditorForm : public TiCustomEditorForm {
public:
  CountingEditorForm() { SetBounds(0, 0, 420, 320); }
  void ShowNow() {
    show();
    activateWindow();
    ProcessEventsUntil([this] { return isActiveWindow(); }, std::chrono::milliseconds(2000));
  }
  void UserChange() override { ++userChanges; }
  int userChanges = 0;
};

/// Counts the raises of an event.
struct EventCount {
  TNotifyEvent Handler() {
    return [this](TObject*) { ++count; };
  }
  int count = 0;
};
