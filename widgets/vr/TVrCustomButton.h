#pragma once

#include "widgets/vr/TVrCustomImageControl.h"

/// What the LED power button and the 3D-text button share: the class
/// library's click does nothing (each fires OnClick from its own mouse,
/// Space and accelerator paths), an accelerator of the caption fires
/// OnClick while enabled, and focus and enabling changes repaint. Owned by
/// its Qt parent; GUI thread.
class TVrCustomButton : public TVrCustomImageControl {
public:
  using TVrCustomImageControl::TVrCustomImageControl;

  void Click() override {}
  void WndProc(TMessage& message) override;

protected:
  /// This control holds the focus (drawn in FocusColor).
  bool HasFocus() const { return m_focused; }
  void DoEnter() override;
  void DoExit() override;
  void EnabledChanged() override;

private:
  void SetFocused(bool value);

  bool m_focused = false;
};
