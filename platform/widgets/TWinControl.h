#pragma once

#include <cstdint>

#include <QList>
#include <QPoint>

#include "platform/widgets/TControl.h"

using TKeyEvent = std::function<void(TObject* Sender, WORD& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject* Sender, QChar& Key)>;
using TMouseWheelEvent =
    std::function<void(TObject* Sender, TShiftState Shift, int WheelDelta, QPoint MousePos, bool& Handled)>;

/// A windowed control: it can hold child controls, take the keyboard focus
/// and erase its background with Color before painting (nothing for
/// clNone). Key events carry virtual key codes (InputTypes.h); a KeyDown
/// handler that sets Key to 0 swallows the key (no OnKeyPress follows).
/// Keys the focused control does not keep (its WM_GETDLGCODE answer) go to
/// its window first: Return, Escape, Tab and the arrows as CM_DIALOGKEY
/// (WParam = virtual key), characters typed with Alt or on a control that
/// takes no characters as CM_DIALOGCHAR (WParam = the character); windowed
/// controls pass both on to their children until one answers with a
/// non-zero Result, which consumes the key. A wheel turn not handled goes
/// to the parent. GUI thread only.
class TWinControl : public TControl {
public:
  explicit TWinControl(QWidget* parent = nullptr);

  /// Direct child controls in stacking order (bottom first).
  QList<TControl*> Controls() const;
  int ControlCount() const { return int(Controls().size()); }
  /// Sends the message to every child control until one sets a non-zero Result.
  void Broadcast(TMessage& message);
  /// Sends the message to every child control.
  void NotifyControls(unsigned msg);
  /// Passes CM_DIALOGKEY and CM_DIALOGCHAR not answered here on to the children.
  void WndProc(TMessage& message) override;
  /// Lays out the visible child controls that have an Align within
  /// ClientRect() narrowed by AdjustClientRect: alTop by Top, alBottom by bottom edge (lowest first),
  /// alLeft by Left, alRight by right edge, then alClient in what is left.
  /// Runs on every resize.
  void AlignControls();
  /// Sets the bounds and lays the child controls out at once (also while
  /// hidden, when no resize event arrives).
  void SetBounds(int left, int top, int width, int height) override;
  /// Where the client area's (0, 0) lies in this window: children's Left
  /// and Top count from there. (0, 0) but on a form with a menu bar or a
  /// scrolled client area.
  virtual QPoint ChildOrigin() const { return {}; }

  /// Place among the parent's windowed controls in the Tab sequence (0
  /// first; creation order until set); -1 without a windowed parent.
  int TabOrder() const;
  /// Moves the control to that place (a value out of range: the last
  /// place), the siblings after it moving one on, and makes Tab in the
  /// window visit the windowed controls depth first in that order.
  void SetTabOrder(int value);
  /// The windowed child controls in Tab order.
  QList<TWinControl*> TabList() const;
  bool TabStop() const { return m_tabStop; }
  void SetTabStop(bool value);
  bool CanFocus() const;
  void SetFocus();
  bool Focused() const { return hasFocus(); }

  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;
  TKeyPressEvent OnKeyPress;
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;
  TMouseWheelEvent OnMouseWheel;

protected:
  /// Narrows the area AlignControls lays out in (default: unchanged).
  virtual void AdjustClientRect(TRect& rect) const;
  void PaintBackground() override;
  virtual void KeyDown(WORD& key, TShiftState shift);
  virtual void KeyUp(WORD& key, TShiftState shift);
  virtual void KeyPress(QChar& key);
  virtual void DoEnter();
  virtual void DoExit();
  /// Raises OnMouseWheel; returns whether it was handled.
  virtual bool DoMouseWheel(TShiftState shift, int wheelDelta, QPoint mousePos);

  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

private:
  /// Offers a dialog key or mnemonic to the window; true when it was taken.
  bool OfferToWindow(unsigned msg, std::intptr_t value);

  bool m_tabStop = false;
  bool m_aligning = false;
  std::int64_t m_tabKey = 0;  ///< orders the siblings' Tab sequence
};
