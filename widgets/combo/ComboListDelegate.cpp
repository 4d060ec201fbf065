#include "widgets/combo/ComboListDelegate.h"

#include <algorithm>

#include <QPainter>

#include "platform/pictures/TBitmap.h"
#include "widgets/combo/TRzCustomComboBox.h"

ComboListDelegate::ComboListDelegate(TRzCustomComboBox& combo, QObject* parent)
    : QStyledItemDelegate(parent), m_combo(combo) {}

void ComboListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  const QRect r = option.rect;
  if (r.isEmpty()) {
    return;
  }
  TBitmap row(r.width(), r.height());
  if (row.Image().isNull()) {
    return;
  }
  const bool selected = (option.state & QStyle::State_Selected) != 0;
  m_combo.PaintListItem(row.Canvas(), index.row(), Rect(0, 0, r.width(), r.height()), selected);
  painter->drawImage(r.topLeft(), row.Image());
}

QSize ComboListDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
  const QSize natural = QStyledItemDelegate::sizeHint(option, index);
  return {natural.width(), std::max(1, m_combo.ItemHeight())};
}
