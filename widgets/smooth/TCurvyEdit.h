#pragma once

#include <QPointer>
#include <QString>

#include "widgets/common/WidgetTypes.h"
#include "widgets/smooth/TCurvyControlPanel.h"
#include "widgets/smooth/TEmptyEdit.h"

/// The rounded value box of the forms: a rounded panel, always 24 pixels
/// high, with a borderless single-line edit between its margins. Text,
/// read-only state, alignment and the other edit properties live on the
/// inner edit; Enabled enables or disables only the inner edit (the panel
/// keeps its look). The inner edit's events are raised as the box's own,
/// with the box as sender; a key-down handler that clears the key stops
/// the edit from seeing it. Owned by its parent. GUI thread only.
class TCurvyEdit : public TCurvyControlPanel {
public:
  explicit TCurvyEdit(QWidget* parent = nullptr);

  QString GetText() const;
  /// Hands the text to the inner edit; a changed text raises OnChange.
  void SetText(const QString& value);
  QString Text() const { return GetText(); }
  /// The inner edit's state.
  bool Enabled() const;
  void SetEnabled(bool value) override;
  /// Gives the focus to the inner edit.
  void SetFocus();
  bool Focused() const;
  /// The height stays 24 whatever is asked.
  void SetBounds(int left, int top, int width, int height) override;

  TAlignment Alignment() const { return m_alignment; }
  void SetAlignment(TAlignment value);
  bool ReadOnly() const;
  void SetReadOnly(bool value);
  int MaxLength() const;
  void SetMaxLength(int value);
  QString EmptyText() const;
  void SetEmptyText(const QString& value);
  bool AutoSelect() const { return m_autoSelect; }
  void SetAutoSelect(bool value) { m_autoSelect = value; }
  bool HideSelection() const { return m_hideSelection; }
  void SetHideSelection(bool value) { m_hideSelection = value; }
  bool TabStop() const;
  void SetTabStop(bool value);
  TEmptyEdit* InnerEdit() const { return m_edit; }

  // The box's own event slots, raised from the inner edit's events.
  TNotifyEvent OnChange;
  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;
  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;
  TKeyPressEvent OnKeyPress;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;

  /// Key messages sent to the box work on the inner edit (End puts the
  /// caret at the end of the text).
  void WndProc(TMessage& message) override;

protected:
  void LayoutInnerEdit() override;
  void ColorChanged() override;
  void FontChanged() override;
  void Resize() override;

private:
  void HookEvents();
  void ApplyEditColors();

  QPointer<TEmptyEdit> m_edit;
  TAlignment m_alignment = TAlignment::taLeftJustify;
  bool m_autoSelect = true;
  bool m_hideSelection = true;
};
