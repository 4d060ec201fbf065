#pragma once

#include "plot/editor/TiCheckBox.h"

/// The editor's check box: a user's change reports to the owner form
/// (UserChange), then raises OnClick, after the state changed; code sets
/// it through AsBoolean without either. GUI thread only.
class TiComponentEditorCheckBox : public TiCheckBox {
public:
  /// OnClick comes from the change alone, not from the mouse release.
  explicit TiComponentEditorCheckBox(QWidget* parent = nullptr);

  bool AsBoolean() const { return Checked(); }
  void SetAsBoolean(bool value);
  /// Disabled and unchecked, without events.
  void Disable();
  void Enable() { SetEnabled(true); }

protected:
  void DoChange() override;

private:
  bool m_blockingEvents = false;
};
