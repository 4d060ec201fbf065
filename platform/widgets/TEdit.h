#pragma once

#include <QString>

#include "platform/widgets/TWinControl.h"
#include "platform/widgets/TextPlacement.h"

class QLineEdit;

/// A one-line edit box: Text of at most MaxLength characters (0: no limit),
/// sunken white face. Keys typed into it raise OnKeyDown with virtual key
/// codes first (Enter included); a handler that sets Key to 0 keeps the
/// key from the edit. OnEnter and OnExit follow every focus change of the
/// box, also when nothing was typed. Writing Text raises nothing. Owned by its parent.
/// GUI thread only.
class TEdit : public TWinControl {
public:
  explicit TEdit(QWidget* parent = nullptr);

  QString Text() const;
  void SetText(const QString& value);
  int MaxLength() const { return m_maxLength; }
  void SetMaxLength(int value);
  void SetEnabled(bool value) override;
  /// Selects the whole text.
  void SelectAll();
  TAlignment Alignment() const { return m_alignment; }
  void SetAlignment(TAlignment value);
  /// A read-only edit shows and selects its text but takes no typing.
  bool ReadOnly() const { return m_readOnly; }
  void SetReadOnly(bool value);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void FontChanged() override;

private:
  QLineEdit* m_line = nullptr;
  int m_maxLength = 0;
  TAlignment m_alignment = TAlignment::taLeftJustify;
  bool m_readOnly = false;
};
