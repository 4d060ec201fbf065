#include "platform/widgets/TListBox.h"

#include <QListWidget>
#include <QStyledItemDelegate>

namespace {

/// Gives every line the list box's item height.
class FixedHeightDelegate : public QStyledItemDelegate {
public:
  FixedHeightDelegate(const int& height, QObject* parent) : QStyledItemDelegate(parent), m_height(height) {}

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return {QStyledItemDelegate::sizeHint(option, index).width(), m_height};
  }

private:
  const int& m_height;
};

}  // namespace

TListBox::TListBox(QWidget* parent) : TWinControl(parent), m_list(new QListWidget(this)) {
  SetBounds(0, 0, 121, 97);
  SetColor(clWindow);
  SetTabStop(true);
  m_list->setGeometry(0, 0, Width(), Height());
  m_list->setFont(Font().ToQFont());
  m_list->setUniformItemSizes(true);
  m_list->setSelectionMode(QAbstractItemView::SingleSelection);
  m_list->setItemDelegate(new FixedHeightDelegate(m_itemHeight, m_list));
  setFocusProxy(m_list);
}

int TListBox::Add(const QString& line) {
  m_list->addItem(line);
  return m_list->count() - 1;
}

int TListBox::Count() const { return m_list->count(); }

QString TListBox::Item(int index) const {
  const QListWidgetItem* item = m_list->item(index);
  return item != nullptr ? item->text() : QString();
}

void TListBox::Delete(int index) { delete m_list->takeItem(index); }

void TListBox::Clear() { m_list->clear(); }

int TListBox::ItemIndex() const { return m_list->currentRow(); }

void TListBox::SetItemIndex(int index) {
  m_list->setCurrentRow(index >= 0 && index < m_list->count() ? index : -1);
  // A hidden list scrolls when it is shown: laying out thousands of lines
  // for every line added to a hidden list would cost more than it shows.
  if (isVisible()) {
    ScrollToCurrent();
  }
}

void TListBox::ScrollToCurrent() {
  if (QListWidgetItem* item = m_list->currentItem()) {
    m_list->scrollToItem(item);
  }
}

void TListBox::showEvent(QShowEvent* event) {
  TWinControl::showEvent(event);
  ScrollToCurrent();
}

void TListBox::SetItemHeight(int value) {
  m_itemHeight = value;
  m_list->doItemsLayout();
}

void TListBox::SetEnabled(bool value) {
  TWinControl::SetEnabled(value);
  m_list->setEnabled(value);
}

void TListBox::resizeEvent(QResizeEvent* event) {
  TWinControl::resizeEvent(event);
  m_list->setGeometry(0, 0, Width(), Height());
}

void TListBox::FontChanged() {
  TWinControl::FontChanged();
  m_list->setFont(Font().ToQFont());
}
