#pragma once

#include "plot/editor/TiRadioGroup.h"

/// The editor's radio group: a change not made through AsInteger runs
/// Click (OnClick, then the owner form's UserChange). GUI thread only.
class TiComponentEditorRadioGroup : public TiRadioGroup {
public:
  /// OnClick comes from the change alone, not from the mouse release.
  explicit TiComponentEditorRadioGroup(QWidget* parent = nullptr);

  int AsInteger() const { return ItemIndex(); }
  void SetAsInteger(int value);
  void Click() override;
  /// Disabled with no item selected, without events.
  void Disable();
  void Enable() { SetEnabled(true); }

protected:
  void DoChange() override;

private:
  bool m_blockingEvents = false;
};
