#pragma once

#include <QString>

#include "platform/widgets/TWinControl.h"
#include "platform/widgets/TextPlacement.h"

class QLineEdit;

/// A one-line edit box: Text of at most MaxLength characters (0: no limit),
/// sunken face in Color (white when made). Keys typed into it raise
/// OnKeyDown with virtual key codes first (Enter included); a handler that
/// sets Key to 0 keeps the key from the edit. Characters (Enter as '\r')
/// then raise OnKeyPress; a handler that sets Key to 0 keeps it out.
/// Taking and losing the focus raise OnEnter and OnExit; a mouse press
/// raises OnMouseDown after the edit has placed its cursor. With
/// NumbersOnly no character but a digit enters, typed or pasted. Writing
/// Text raises nothing. Owned by its parent. GUI thread only.
class TEdit : public TWinControl {
public:
  explicit TEdit(QWidget* parent = nullptr);

  QString Text() const;
  void SetText(const QString& value);
  int MaxLength() const { return m_maxLength; }
  void SetMaxLength(int value);
  TAlignment Alignment() const { return m_alignment; }
  void SetAlignment(TAlignment value);
  bool NumbersOnly() const { return m_numbersOnly; }
  void SetNumbersOnly(bool value);
  /// A read-only edit shows and selects its text but takes no typing.
  bool ReadOnly() const { return m_readOnly; }
  void SetReadOnly(bool value);
  void SetEnabled(bool value) override;
  /// Selects the whole text.
  void SelectAll();
  /// The selected text.
  QString SelText() const;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void FontChanged() override;
  void ColorChanged() override;

private:
  bool FilterKey(QEvent* event);

  QLineEdit* m_line = nullptr;
  int m_maxLength = 0;
  TAlignment m_alignment = TAlignment::taLeftJustify;
  bool m_numbersOnly = false;
  bool m_readOnly = false;
};
