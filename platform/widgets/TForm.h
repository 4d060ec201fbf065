#pragma once

#include <QPointer>

#include "platform/widgets/TWinControl.h"

class QEventLoop;
class QMenuBar;
class QScrollBar;
class TMainMenu;

/// Results of a modal form.
using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;
constexpr TModalResult mrAbort = 3;
constexpr TModalResult mrRetry = 4;
constexpr TModalResult mrIgnore = 5;
constexpr TModalResult mrYes = 6;
constexpr TModalResult mrNo = 7;
constexpr TModalResult mrClose = 8;

enum class TCloseAction { caNone, caHide, caFree, caMinimize };
using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;

/// Where a form appears when shown: at its own bounds, centred on the
/// screen, on the active window (the main form) or on its owner's window.
enum class TPosition { poDesigned, poScreenCenter, poMainFormCenter, poOwnerFormCenter };

/// The window frame: bsSizeable can be resized; bsSingle and bsDialog keep
/// their size (a dialog has no minimise and maximise buttons); bsNone has
/// no frame; the tool-window styles get a small caption.
enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };

/// A top-level window built in code: Caption is its title. ShowModal runs
/// until ModalResult becomes non-zero: a result set while the form is
/// modal (for example by a button's click handler) closes it once the
/// handler has returned, after OnCloseQuery and OnClose agree (an OnClose
/// action caNone keeps it open and clears ModalResult). Closing a modal
/// form by its window frame (or Close) gives mrCancel. Close on a
/// non-modal form asks OnCloseQuery, then OnClose (default caHide). GUI
/// thread only.
///
/// A form may carry a main menu (SetMenu): its bar sits above the client
/// area, whose (0, 0) is where children's Left and Top count from. With
/// AutoScroll on, scroll bars appear while the children reach beyond the
/// client area and scrolling shifts the client area under them without
/// changing any child's Left or Top.
class TForm : public TWinControl {
public:
  explicit TForm(QWidget* parent = nullptr);
  ~TForm() override;

  TModalResult ModalResult() const { return m_modalResult; }
  void SetModalResult(TModalResult value);
  /// Shows the form modally, above the window that opened it (the active
  /// window) and with the keyboard focus, and returns its ModalResult.
  TModalResult ShowModal();
  /// Shows the form without modality, owned by `opener`'s window: it stays
  /// above it and takes the keyboard focus.
  void ShowOver(QWidget* opener);
  bool Modal() const { return m_modalLoop != nullptr; }
  void Close();
  TPosition Position() const { return m_position; }
  void SetPosition(TPosition value) { m_position = value; }
  TFormBorderStyle BorderStyle() const { return m_borderStyle; }
  void SetBorderStyle(TFormBorderStyle value);
  /// Runs OnCloseQuery; true when the form may close.
  virtual bool CloseQuery();

  /// Shows menu's bar above the client area (the form does not own menu).
  void SetMenu(TMainMenu* menu);
  TMainMenu* Menu() const { return m_menu; }
  /// The height of the menu bar over the client area; 0 without a menu.
  int MenuHeight() const;
  bool AutoScroll() const { return m_autoScroll; }
  void SetAutoScroll(bool value);
  QScrollBar* HorzScrollBar() const { return m_horzScrollBar; }
  QScrollBar* VertScrollBar() const { return m_vertScrollBar; }
  /// Recomputes the scroll ranges from the children's extent (the form
  /// does this on resize; call it after moving children in code).
  void UpdateScrollBars();

  TRect ClientRect() const override;
  QPoint ChildOrigin() const override { return m_appliedOrigin; }

  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;

protected:
  virtual void DoShow() { Raise(OnShow, this); }
  virtual void DoHide() { Raise(OnHide, this); }
  /// Runs OnClose with the default action and returns the action chosen.
  virtual TCloseAction DoClose(TCloseAction action);
  void TextChanged() override;

  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

private:
  /// The origin the menu bar and the scroll positions ask for.
  QPoint WantedOrigin() const;
  /// Moves the children to the current ChildOrigin.
  void ScrollClient();

  void CloseModal();
  /// Makes the form a transient window of the window that stands for
  /// `opener` (OwnerFor), or of none.
  void AttachTo(QWidget* opener);
  /// The shown window up from `opener`'s window through its owners that the
  /// form may stay above: never the form itself, a popup, or a window the
  /// form owns; nullptr for none.
  QWidget* OwnerFor(QWidget* opener) const;
  /// Raises and activates the form and gives it the focus when none of its
  /// controls has it, so its keys (Esc among them) reach it.
  void TakeFocus();
  void PlaceOnShow();
  void ApplyBorderStyle();

  TModalResult m_modalResult = mrNone;
  QEventLoop* m_modalLoop = nullptr;
  bool m_closePending = false;
  TPosition m_position = TPosition::poDesigned;
  TFormBorderStyle m_borderStyle = TFormBorderStyle::bsSizeable;
  TMainMenu* m_menu = nullptr;
  QPointer<QMenuBar> m_menuBar;
  bool m_autoScroll = false;
  QScrollBar* m_horzScrollBar = nullptr;
  QScrollBar* m_vertScrollBar = nullptr;
  QPoint m_appliedOrigin;  ///< the origin the children are placed at
};

/// The form that holds a control (its top-level window when that is a
/// TForm), or nullptr.
TForm* GetParentForm(QWidget* control);
