#pragma once

#include <QStyledItemDelegate>

class TRzCustomComboBox;

/// Draws the rows of an owner-drawn combo box's open drop-down list as the
/// combo draws its items (OnDrawItem on a canvas of the row's size), each
/// ItemHeight pixels high. Owned by the list; GUI thread only.
class ComboListDelegate : public QStyledItemDelegate {
public:
  ComboListDelegate(TRzCustomComboBox& combo, QObject* parent);

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
  TRzCustomComboBox& m_combo;
};
