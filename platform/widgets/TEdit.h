#pragma once

#include <functional>
#include <utility>

#include <QString>

#include "platform/widgets/TWinControl.h"
#include "platform/widgets/TextPlacement.h"

class QLineEdit;

/// How an edit changes the case of the characters it takes.
enum class TEditCharCase : unsigned char { ecNormal, ecUpperCase, ecLowerCase };

/// A one-line edit box: Text of at most MaxLength characters (0: no limit),
/// sunken face in Color (white when made). Keys typed into it raise
/// OnKeyDown with virtual key codes first (Enter included); a handler that
/// sets Key to 0 keeps the key from the edit. Characters (Enter as '\r')
/// then raise OnKeyPress; a handler that sets Key to 0 keeps it out.
/// Taking and losing the focus raise OnEnter and OnExit; a mouse press
/// raises OnMouseDown after the edit has placed its cursor. With
/// NumbersOnly no character but a digit enters, typed or pasted. CharCase
/// applies to typed, pasted and written text alike; a PasswordChar shows
/// every character as that one; a character filter keeps the characters it
/// refuses out of typed and pasted text. Writing Text raises nothing. Owned
/// by its parent. GUI thread only.
class TEdit : public TWinControl {
public:
  explicit TEdit(QWidget* parent = nullptr);
  ~TEdit() override;

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

  // Password, case and character rules.
  /// A null character: the text is shown as it is.
  QChar PasswordChar() const { return m_passwordChar; }
  void SetPasswordChar(QChar value);
  TEditCharCase CharCase() const { return m_charCase; }
  void SetCharCase(TEditCharCase value);
  /// Typed or pasted text with a character the filter refuses (tested in
  /// CharCase) does not enter; an empty filter takes every character.
  void SetCharFilter(std::function<bool(QChar)> filter) { m_charFilter = std::move(filter); }
  /// Whether NumbersOnly and the filter take every character of text.
  bool FilterTakes(const QString& text) const;
  /// Text in CharCase.
  QString InCharCase(const QString& text) const;

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
  QChar m_passwordChar;
  TEditCharCase m_charCase = TEditCharCase::ecNormal;
  std::function<bool(QChar)> m_charFilter;
};
