#pragma once

#include "platform/widgets/TForm.h"
#include "widgets/buttons/TRzCustomButton.h"

/// A push button drawn by the widget set (classic 3D or hot-tracking look)
/// with 3D caption styles, a modal result handed to its form on click, and
/// optional toggle and radio behaviour: buttons with the same non-zero
/// GroupIndex on one parent release each other; writing Down raises no
/// event. Owned by its Qt parent; GUI thread.
class TRzButton : public TRzCustomButton {
public:
  explicit TRzButton(QWidget* parent = nullptr);

  TAlignment Alignment() const { return m_alignment; }
  void SetAlignment(TAlignment value);
  bool AllowAllUp() const { return m_allowAllUp; }
  void SetAllowAllUp(bool value);
  bool Cancel() const { return m_cancel; }
  void SetCancel(bool value) { m_cancel = value; }
  bool Default() const { return m_default; }
  void SetDefault(bool value);
  bool DropDownOnEnter() const { return m_dropDownOnEnter; }
  void SetDropDownOnEnter(bool value) { m_dropDownOnEnter = value; }
  int GroupIndex() const { return m_groupIndex; }
  void SetGroupIndex(int value);
  bool Down() const { return m_down; }
  /// Without a group the value is taken as false; a Down radio button
  /// (no AllowAllUp) cannot be released by code. Raises no event.
  virtual void SetDown(bool value);
  TColor FrameColor() const { return m_frameColor; }
  void SetFrameColor(TColor value);
  TModalResult ModalResult() const { return m_modalResult; }
  void SetModalResult(TModalResult value) { m_modalResult = value; }
  bool ShowDownPattern() const { return m_showDownPattern; }
  void SetShowDownPattern(bool value);
  bool ShowFocusRect() const { return m_showFocusRect; }
  void SetShowFocusRect(bool value);
  TButtonState State() const { return m_state; }
  /// Whether the button acts as the default button now.
  bool Active() const { return m_active; }

  /// Hands ModalResult to the form, then fires OnClick.
  void Click() override;
  void WndProc(TMessage& message) override;

protected:
  void CompleteClick() override;
  void Paint() override;
  void KeyDown(WORD& key, TShiftState shift) override;
  void DoEnter() override;
  void DoExit() override;

private:
  void PaintClassic(TRect r);
  void PaintHotTrack(TRect r);
  void PaintNormalFace(const TRect& face);
  void FillDownPattern(const TRect& r);
  void SetActive(bool value);

  TAlignment m_alignment = TAlignment::taCenter;
  bool m_clicking = false;
  bool m_default = false;
  bool m_cancel = false;
  bool m_active = false;
  TModalResult m_modalResult = mrNone;
  bool m_allowAllUp = false;
  bool m_down = false;
  int m_groupIndex = 0;
  bool m_showDownPattern = true;
  bool m_showFocusRect = true;
  bool m_dropDownOnEnter = true;
  TColor m_frameColor = cl3DDkShadow;
  TButtonState m_state = TButtonState::bsUp;
};
