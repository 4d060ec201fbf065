#pragma once

#include "plot/base/TiCustomComponent.h"
#include "plot/editor/TiLeftRight.h"

/// The plot editor's own check box, painted by the library with a
/// transparent background. OnChange fires for every change of Checked,
/// OnChangeUser only for a change a user's click or Space key made; the
/// owner may veto a change through OnRequestEdit. The caption and font are
/// the control's own (Caption(), Font()); with AutoSize the control takes
/// the size of its caption. Owned by its Qt parent; GUI thread only.
class TiCheckBox : public TiCustomComponent {
public:
  explicit TiCheckBox(QWidget* parent = nullptr);

  bool Checked() const { return m_checked; }
  /// A changed value is offered to OnRequestEdit; unless vetoed it is
  /// stored, repainted, announced (DoChange) and sent to OPC items.
  void SetChecked(bool value);
  TLeftRight Alignment() const { return m_alignment; }
  void SetAlignment(TLeftRight value);
  bool AutoSize() const { return m_autoSize; }
  void SetAutoSize(bool value);

  void iPaintTo(TCanvas& canvas) override;

  TNotifyEvent OnChange;
  TNotifyEvent OnChangeUser;

protected:
  /// Nothing while loading; else OnChangeProtected("Checked"), OnChange
  /// and, for a user's change, OnChangeUser.
  virtual void DoChange();

  void iDoSetFocus() override;
  void iDoKillFocus() override;
  void iKeyUp(WORD& key, TShiftState shift) override;
  void iKeyDown(WORD& key, TShiftState shift) override;
  void iMouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void iMouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void TextChanged() override;
  void FontChanged() override;

private:
  /// Width from the caption plus the box (the right edge kept when the box
  /// is at the right), height from the caption.
  void DoAutoSize();

  bool m_mouseDown = false;
  bool m_keyDown = false;
  bool m_userChange = false;
  bool m_doingAutoSize = false;
  bool m_checked = false;
  bool m_autoSize = false;
  TLeftRight m_alignment = TLeftRight::taRightJustify;
};
