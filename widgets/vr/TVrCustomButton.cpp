#include "widgets/vr/TVrCustomButton.h"

#include "widgets/common/Accelerators.h"

void TVrCustomButton::WndProc(TMessage& message) {
  if (message.Msg == CM_DIALOGCHAR && Enabled() && IsAccel(QChar(char16_t(message.WParam)), Caption())) {
    Raise(OnClick, this);
    message.Result = 1;
    return;
  }
  TVrCustomImageControl::WndProc(message);
}

void TVrCustomButton::SetFocused(bool value) {
  if (value != m_focused) {
    m_focused = value;
    UpdateControl();
  }
}

void TVrCustomButton::DoEnter() {
  SetFocused(true);
  TVrCustomImageControl::DoEnter();
}

void TVrCustomButton::DoExit() {
  SetFocused(false);
  TVrCustomImageControl::DoExit();
}

void TVrCustomButton::EnabledChanged() {
  TVrCustomImageControl::EnabledChanged();
  UpdateControl();
}
