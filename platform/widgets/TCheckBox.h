#pragma once

#include "platform/widgets/TCustomControl.h"

/// A square check box with its caption to the right. Clicking it (or Space
/// while it has the focus) toggles Checked and raises OnClick; writing
/// Checked in code raises nothing. With Color clNone it draws on what lies
/// below it. Owned by its parent. GUI thread only.
class TCheckBox : public TCustomControl {
public:
  explicit TCheckBox(QWidget* parent = nullptr);

  bool Checked() const { return m_checked; }
  void SetChecked(bool value);

  void Click() override;

protected:
  void Paint() override;
  void KeyPress(QChar& key) override;

private:
  bool m_checked = false;
};
