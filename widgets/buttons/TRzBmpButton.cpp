#include "widgets/buttons/TRzBmpButton.h"

#include "platform/drawing/GdiConstants.h"
#include "platform/drawing/TCanvas.h"
#include "widgets/common/Accelerators.h"
#include "widgets/common/ButtonGroups.h"


TRzBmpButton::TRzBmpButton(QWidget* parent)
    : TCustomControl(parent), m_bitmaps(std::make_unique<TRzButtonBitmaps>()) {
  CountInstance(1);
  SetControlStyle({TControlStyleItem::csCaptureMouse, TControlStyleItem::csOpaque, TControlStyleItem::csDoubleClicks});
  SetBounds(Left(), Top(), 80, 30);
  m_bitmaps->OnChange = [this](TObject*) {
    if (m_buttonSize == TBtnSize::bszButtonToBitmap) {
      AdjustSize();
    }
    Invalidate();
  };
  SetColor(clBtnFace);
  SetParentFont(true);
  SetTabStop(true);
}

TRzBmpButton::~TRzBmpButton() {
  m_bitmaps->OnChange = nullptr;
  CountInstance(-1);
}

void TRzBmpButton::SetAllowAllUp(bool value) {
  if (value != m_allowAllUp) {
    m_allowAllUp = value;
    SendGroupNotice(this, WM_BMPBUTTON_GROUP, m_groupIndex);
  }
}

void TRzBmpButton::SetGroupIndex(int value) {
  if (value != m_groupIndex) {
    m_groupIndex = value;
    SendGroupNotice(this, WM_BMPBUTTON_GROUP, m_groupIndex);
  }
}

void TRzBmpButton::SetButtonBorder(TButtonBorder value) {
  if (value != m_buttonBorder) {
    m_buttonBorder = value;
    AdjustSize();
    Invalidate();
  }
}

void TRzBmpButton::SetButtonSize(TBtnSize value) {
  if (value != m_buttonSize) {
    m_buttonSize = value;
    AdjustSize();
    Invalidate();
  }
}

void TRzBmpButton::SetButtonStyle(TButtonStyle value) {
  if (value != m_buttonStyle) {
    m_buttonStyle = value;
    AdjustSize();
    Invalidate();
  }
}

void TRzBmpButton::SetCaptionDownOffset(int value) {
  if (StoreIfChanged(m_captionDownOffset, value)) {
    Invalidate();
  }
}
void TRzBmpButton::SetLayout(TButtonLayout value) {
  if (StoreIfChanged(m_layout, value)) {
    Invalidate();
  }
}
void TRzBmpButton::SetShowDownPattern(bool value) {
  if (StoreIfChanged(m_showDownPattern, value)) {
    Invalidate();
  }
}
void TRzBmpButton::SetShowFocus(bool value) {
  if (StoreIfChanged(m_showFocus, value)) {
    Invalidate();
  }
}
void TRzBmpButton::SetSpacing(int value) {
  if (StoreIfChanged(m_spacing, value)) {
    Invalidate();
  }
}

void TRzBmpButton::SetMargin(int value) {
  if (value >= -1 && StoreIfChanged(m_margin, value)) {
    Invalidate();
  }
}

void TRzBmpButton::SetDown(bool value) {
  if (m_groupIndex == 0) {
    value = false;
  }
  if (value == m_down || (m_down && !m_allowAllUp)) {
    return;
  }
  m_down = value;
  SetState(value ? TButtonState::bsExclusive : TButtonState::bsUp);
  if (value) {
    SendGroupNotice(this, WM_BMPBUTTON_GROUP, m_groupIndex);
  }
}

void TRzBmpButton::SetState(TButtonState state) {
  m_state = state;
  Repaint();
}

void TRzBmpButton::Click() {
  if (TForm* form = GetParentForm(this)) {
    form->SetModalResult(m_modalResult);
  }
  TCustomControl::Click();
}

void TRzBmpButton::Loaded() {
  TCustomControl::Loaded();
  AdjustSize();
}

void TRzBmpButton::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_BMPBUTTON_GROUP: {
      auto* sender = dynamic_cast<TRzBmpButton*>(reinterpret_cast<TControl*>(message.LParam));
      if (message.WParam != m_groupIndex || sender == nullptr || sender == this) {
        return;
      }
      if (sender->Down() && m_down) {
        m_down = false;
        SetState(TButtonState::bsUp);
      }
      m_allowAllUp = sender->AllowAllUp();
      return;
    }
    case CM_DIALOGCHAR:
      if (Enabled() && IsAccel(QChar(char16_t(message.WParam)), Caption())) {
        Click();
        message.Result = 1;
        return;
      }
      break;
    case CM_DIALOGKEY:
      if (message.WParam == VK_ESCAPE && (m_cancel || m_modalResult == mrCancel) && Enabled() && isVisible()) {
        Click();
        message.Result = 1;
        return;
      }
      break;
    case CM_SYSCOLORCHANGE:
      Invalidate();
      break;
    default:
      break;
  }
  TCustomControl::WndProc(message);
}

// Sizing.

bool TRzBmpButton::NewStyle() const { return m_buttonStyle != TButtonStyle::bsWin31; }

int TRzBmpButton::BorderWidthOfStyle() const {
  switch (m_buttonBorder) {
    case TButtonBorder::bbSingle: return 1;
    case TButtonBorder::bbButton: return NewStyle() ? 2 : 3;
    case TButtonBorder::bbNone: break;
  }
  return 0;
}

void TRzBmpButton::AdjustSize() {
  if (m_buttonSize == TBtnSize::bszNeither || m_bitmaps->Up().Empty()) {
    return;
  }
  if (m_buttonSize == TBtnSize::bszButtonToBitmap) {
    const int b = 2 * BorderWidthOfStyle();
    SetBounds(Left(), Top(), m_bitmaps->Up().Width() + b, m_bitmaps->Up().Height() + b);
  }
  Invalidate();
}

void TRzBmpButton::resizeEvent(QResizeEvent* event) {
  TCustomControl::resizeEvent(event);
  AdjustSize();
}

// Pressing.

bool TRzBmpButton::Inside(int x, int y) const {
  return x >= 0 && x < ClientWidth() && y >= 0 && y <= ClientHeight();
}

void TRzBmpButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (Enabled() && !Focused() && isVisible() && CanFocus()) {
    SetFocus();
  }
  if (button == TMouseButton::mbLeft && Enabled() && Focused()) {
    if (!m_down) {
      SetState(TButtonState::bsDown);
    }
    m_dragging = true;
  }
  TCustomControl::MouseDown(button, shift, x, y);
}

void TRzBmpButton::MouseMove(TShiftState shift, int x, int y) {
  TCustomControl::MouseMove(shift, x, y);
  if (!m_dragging) {
    return;
  }
  const TButtonState target =
      m_down ? TButtonState::bsExclusive : (Inside(x, y) ? TButtonState::bsDown : TButtonState::bsUp);
  if (target != m_state) {
    SetState(target);
  }
}

void TRzBmpButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseUp(button, shift, x, y);
  if (!m_dragging) {
    return;
  }
  m_dragging = false;
  if (!SendGroupNotice(this, WM_BMPBUTTON_GROUP, m_groupIndex)) {
    m_state = TButtonState::bsUp;
  }
  CompletePress(Inside(x, y));
}

void TRzBmpButton::CompletePress(bool inside) {
  if (m_groupIndex == 0) {
    Repaint();
  } else if (inside) {
    SetDown(!m_down);
  } else {
    if (m_down) {
      m_state = TButtonState::bsExclusive;
    }
    Repaint();
  }
  if (inside) {
    Click();
  }
}

void TRzBmpButton::EndPress() {
  m_dragging = false;
  m_state = m_down ? TButtonState::bsExclusive : TButtonState::bsUp;
  CompletePress(true);
}

void TRzBmpButton::KeyDown(WORD& key, TShiftState shift) {
  TCustomControl::KeyDown(key, shift);
  if (key == VK_RETURN) {
    Click();
    key = 0;
  } else if (key == VK_SPACE && Enabled()) {
    if (!m_down) {
      SetState(TButtonState::bsDown);
    }
    m_dragging = true;
  }
}

void TRzBmpButton::KeyUp(WORD& key, TShiftState shift) {
  TCustomControl::KeyUp(key, shift);
  if (m_dragging) {
    EndPress();
  }
}

void TRzBmpButton::DblClick() {
  if (m_down) {
    TCustomControl::DblClick();
  }
}

void TRzBmpButton::DoEnter() {
  m_isFocused = true;
  Invalidate();
  TCustomControl::DoEnter();
}

void TRzBmpButton::DoExit() {
  m_isFocused = false;
  Invalidate();
  TCustomControl::DoExit();
}

void TRzBmpButton::MouseEnter() {
  m_mouseOverButton = true;
  if (!m_bitmaps->Hot().Empty()) {
    Invalidate();
  }
  TCustomControl::MouseEnter();
}

void TRzBmpButton::MouseLeave() {
  m_mouseOverButton = false;
  if (!m_bitmaps->Hot().Empty()) {
    Invalidate();
  }
  TCustomControl::MouseLeave();
}
