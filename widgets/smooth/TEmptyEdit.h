#pragma once

#include <QLineEdit>
#include <QString>

#include "platform/core/TObject.h"
#include "platform/widgets/TWinControl.h"

/// The single-line edit inside a rounded edit box: a borderless line edit
/// that writes a grey prompt (EmptyText) while its text is empty, and
/// raises the edit events (change on every text change, keys with virtual
/// key codes, mouse, focus moves inside the window) with itself as sender.
/// A key-down handler that clears the key stops the edit from seeing it. Owned by its box.
/// GUI thread only.
class TEmptyEdit : public QLineEdit, public TObject {
public:
  explicit TEmptyEdit(QWidget* parent = nullptr);

  QString EmptyText() const { return m_emptyText; }
  void SetEmptyText(const QString& text);
  QString Text() const { return text(); }
  /// Shows the text; a changed text raises OnChange. Outside editing the
  /// text shows from its first character.
  void SetText(const QString& value);
  /// Runs a key's own editing action (caret moves, deletion) as a key
  /// message sent to the edit does, without the key events.
  void PerformKey(WORD key, bool down);

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

protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

private:
  void ShowFromStart();

  QString m_emptyText;
  bool m_pressed = false;
};
