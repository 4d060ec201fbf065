#include "widgets/combo/TRzComboBox.h"

TRzComboBox::TRzComboBox(QWidget* parent) : TRzCustomComboBox(parent) {}

TRzComboBox::TRzComboBox(QWidget* parent, TComboBoxStyle style) : TRzCustomComboBox(parent, style) {}

void TRzComboBox::SetValues(const QStringList& values) {
  m_values = values;
  ApplyValue(m_value, true);
}

QString TRzComboBox::GetItemValue(int index) const {
  if (index >= 0 && index < m_values.size() && !m_values[index].isEmpty()) {
    return m_values[index];
  }
  if (index >= 0 && index < Count()) {
    return Items()[index];
  }
  return {};
}

QString TRzComboBox::Value() const {
  int index = -1;
  if (IsListStyle()) {
    index = ItemIndex();
  } else if (!Text().isEmpty()) {
    index = IndexOf(Text());
  }
  if (index >= 0 && index < m_values.size() && !m_values[index].isEmpty()) {
    return m_values[index];
  }
  return Text();
}

void TRzComboBox::SetValue(const QString& value) { ApplyValue(value, false); }

void TRzComboBox::ApplyValue(const QString& value, bool force) {
  if (value == m_value && !force) {
    return;
  }
  m_inSetValue = true;
  m_forceSetValue = force;
  int found = -1;
  for (int i = 0; i < Count(); ++i) {
    if (GetItemValue(i) == value) {
      found = i;
      break;
    }
  }
  SetItemIndex(found);
  m_value = value;
  m_forceSetValue = false;
  m_inSetValue = false;
}

// The selected item already carries the value; taking it without searching
// keeps the user's choice when several items share one value.
void TRzComboBox::TakeSelectedValue() {
  if (ItemIndex() >= 0) {
    m_value = GetItemValue(ItemIndex());
  }
}

void TRzComboBox::Change() {
  if (m_inSetValue || m_forceSetValue) {
    return;
  }
  TRzCustomComboBox::Change();
  TakeSelectedValue();
}

void TRzComboBox::Click() {
  if (m_inSetValue) {
    return;
  }
  TRzCustomComboBox::Click();
  TakeSelectedValue();
}

void TRzComboBox::ClearItemsValues() {
  ClearItems();
  m_values.clear();
}

void TRzComboBox::AddItemValue(const QString& item, const QString& value) {
  Add(item);
  m_values.append(value);
}

void TRzComboBox::InsertItemValue(int index, const QString& item, const QString& value) {
  Insert(index, item);
  m_values.insert(std::clamp(index, 0, int(m_values.size())), value);
}

void TRzComboBox::DeleteItemValue(int index) {
  Delete(index);
  if (index >= 0 && index < m_values.size()) {
    m_values.removeAt(index);
  }
}

void TRzComboBox::SetItemHeight(int value) {
  const bool ownerDrawn = Style() == TComboBoxStyle::csOwnerDrawFixed || Style() == TComboBoxStyle::csOwnerDrawVariable;
  if (ownerDrawn && value != ItemHeight()) {
    SetItemHeightValue(value);
    Invalidate();
  }
}
