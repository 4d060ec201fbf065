#include "platform/widgets/TComboBox.h"

#include <QComboBox>
#include <QStyledItemDelegate>

#include "platform/threads/EventGuard.h"

namespace {

/// Rows of one fixed height in the open list.
class FixedRowDelegate : public QStyledItemDelegate {
public:
  FixedRowDelegate(int height, QObject* parent) : QStyledItemDelegate(parent), m_height(height) {}

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(m_height);
    return size;
  }

private:
  int m_height;
};

}  // namespace

TComboBox::TComboBox(QWidget* parent) : TWinControl(parent), m_box(new QComboBox(this)) {
  SetBounds(0, 0, 145, 21);
  SetColor(clWindow);
  SetTabStop(true);
  m_box->setEditable(false);
  m_box->setGeometry(0, 0, Width(), Height());
  m_box->setFont(Font().ToQFont());
  m_box->setMaxVisibleItems(8);
  setFocusProxy(m_box);
  // activated comes from the user only (mouse, keys, wheel), never from code.
  QObject::connect(m_box, &QComboBox::activated, this, [this](int) { RunGuarded("TComboBox pick", [this] { Picked(); }); });
}

QStringList TComboBox::Items() const {
  QStringList items;
  for (int i = 0; i < m_box->count(); ++i) {
    items << m_box->itemText(i);
  }
  return items;
}

void TComboBox::SetItems(const QStringList& items) {
  m_box->clear();
  m_box->addItems(items);
  m_box->setCurrentIndex(-1);
}

void TComboBox::Add(const QString& item) {
  // The platform list selects the first item added; ours keeps the selection.
  const int index = m_box->currentIndex();
  m_box->addItem(item);
  m_box->setCurrentIndex(index);
}

void TComboBox::ClearItems() { m_box->clear(); }

int TComboBox::Count() const { return m_box->count(); }

int TComboBox::ItemIndex() const { return m_box->currentIndex(); }

void TComboBox::SetItemIndex(int value) { m_box->setCurrentIndex(value >= 0 && value < Count() ? value : -1); }

QString TComboBox::Text() const { return m_box->currentIndex() >= 0 ? m_box->currentText() : QString(); }

void TComboBox::SetItemHeight(int value) {
  m_itemHeight = value;
  m_box->setItemDelegate(value > 0 ? new FixedRowDelegate(value, m_box) : new QStyledItemDelegate(m_box));
}

void TComboBox::SetEnabled(bool value) {
  TWinControl::SetEnabled(value);
  m_box->setEnabled(value);
}

void TComboBox::Picked() {
  Click();
  if (OnSelect) {
    Raise(OnSelect, this);
  } else {
    Raise(OnChange, this);
  }
}

void TComboBox::resizeEvent(QResizeEvent* event) {
  TWinControl::resizeEvent(event);
  m_box->setGeometry(0, 0, Width(), Height());
}

void TComboBox::FontChanged() {
  TWinControl::FontChanged();
  m_box->setFont(Font().ToQFont());
}
