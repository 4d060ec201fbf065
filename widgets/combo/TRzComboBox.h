#pragma once

#include "widgets/combo/TRzCustomComboBox.h"

/// A framed combo box whose items carry values: Values runs parallel to
/// Items, and Value maps between the shown item and its value (an empty
/// value stands for the item's text). Writing Value selects the first item
/// that carries it, without events. Owned by its Qt parent; GUI thread.
class TRzComboBox : public TRzCustomComboBox {
public:
  explicit TRzComboBox(QWidget* parent = nullptr);
  /// Starts in the given style (the same as setting Style right after).
  TRzComboBox(QWidget* parent, TComboBoxStyle style);

  const QStringList& Values() const { return m_values; }
  /// Copies the list; the current value is then applied again.
  void SetValues(const QStringList& values);
  /// Entry i of Values when present and not empty, else item i, else "".
  virtual QString GetItemValue(int index) const;
  virtual QString Value() const;
  virtual void SetValue(const QString& value);

  void ClearItemsValues();
  void AddItemValue(const QString& item, const QString& value);
  void InsertItemValue(int index, const QString& item, const QString& value);
  void DeleteItemValue(int index);

  /// Accepted for the owner-drawn styles only.
  void SetItemHeight(int value);

protected:
  void Change() override;
  void Click() override;

private:
  void ApplyValue(const QString& value, bool force);
  void TakeSelectedValue();

  QString m_value;
  QStringList m_values;
  bool m_inSetValue = false;
  bool m_forceSetValue = false;
};
