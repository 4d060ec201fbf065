#pragma once

#include "platform/widgets/TCustomControl.h"

/// A round option button with its caption to the right. Clicking it checks
/// it, unchecks the other radio buttons of the same parent and raises
/// OnClick; setting Checked in code unchecks the siblings too but raises
/// nothing. HelpContext is a number the owner files the button under.
/// GUI thread only.
class TRadioButton : public TCustomControl {
public:
  explicit TRadioButton(QWidget* parent = nullptr);

  bool Checked() const { return m_checked; }
  void SetChecked(bool value);
  int HelpContext() const { return m_helpContext; }
  void SetHelpContext(int value) { m_helpContext = value; }

  void Click() override;

protected:
  void Paint() override;

private:
  int m_helpContext = 0;
  bool m_checked = false;
};
