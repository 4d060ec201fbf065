#include "plot/editor/TiComponentEditorListBox.h"

#include <algorithm>

#include <QDropEvent>
#include <QPainter>
#include <QStyledItemDelegate>

#include "plot/editor/iHandlerError.h"

namespace {

constexpr int kObjectRole = Qt::UserRole;

/// Draws the items of an object list by its rules.
class ObjectListDelegate : public QStyledItemDelegate {
public:
  explicit ObjectListDelegate(TiComponentEditorListBox& list) : QStyledItemDelegate(&list), m_list(list) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    bool drawColorBox = true;
    TColor color = clRed;
    QString text = index.data(Qt::DisplayRole).toString();
    if (m_list.OnGetData) m_list.OnGetData(index.row(), drawColorBox, color, text);
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    const QRect r = option.rect;
    painter->save();
    painter->fillRect(r, ToQColor(selected ? clTeal : clWindow));
    painter->setPen(ToQColor(selected ? clWhite : clBlack));
    painter->setFont(m_list.font());
    const int textLeft = r.left() + (drawColorBox ? 22 : 2);
    painter->drawText(QRect(textLeft, r.top(), r.right() - textLeft, r.height()), Qt::AlignLeft | Qt::AlignTop,
                      text);
    if (drawColorBox) {
      painter->setPen(Qt::black);
      painter->setBrush(ToQColor(color));
      // The box covers Left + 2 .. Left + 18 and Top + 1 .. Bottom - 1.
      painter->drawRect(r.left() + 2, r.top() + 1, 15, r.height() - 3);
    }
    painter->restore();
  }

private:
  TiComponentEditorListBox& m_list;
};

}  // namespace

TiComponentEditorListBox::TiComponentEditorListBox(QWidget* parent) : QListWidget(parent) {
  setItemDelegate(new ObjectListDelegate(*this));
  setSelectionMode(QAbstractItemView::SingleSelection);
  setDragDropMode(QAbstractItemView::InternalMove);
  setDefaultDropAction(Qt::MoveAction);
  setUniformItemSizes(true);
}

void TiComponentEditorListBox::AddObject(const QString& text, TObject* object) {
  auto* item = new QListWidgetItem(text);
  item->setData(kObjectRole, QVariant::fromValue(static_cast<void*>(object)));
  addItem(item);
}

TObject* TiComponentEditorListBox::Object(int index) const {
  const QListWidgetItem* it = item(index);
  return it ? static_cast<TObject*>(it->data(kObjectRole).value<void*>()) : nullptr;
}

QString TiComponentEditorListBox::Item(int index) const {
  const QListWidgetItem* it = item(index);
  return it ? it->text() : QString();
}

void TiComponentEditorListBox::SetItemIndex(int index) {
  setCurrentRow(index >= 0 && index < count() ? index : -1);
}

int TiComponentEditorListBox::ItemHeight() const { return std::max(1, sizeHintForRow(0)); }

void TiComponentEditorListBox::DeleteSelectedObject() {
  const int index = ItemIndex();
  if (index < 0) return;
  TObject* object = Object(index);
  delete takeItem(index);
  if (FreeObject) FreeObject(object);
  if (Count() > 0) SetItemIndex(std::min(index, Count() - 1));
}

void TiComponentEditorListBox::DeleteObjectIndex(TObject* object) {
  for (int i = 0; i < Count(); ++i) {
    if (Object(i) != object) continue;
    const int selected = ItemIndex();
    delete takeItem(i);
    if (Count() > 0) SetItemIndex(selected < Count() ? selected : Count() - 1);
    return;
  }
}

void TiComponentEditorListBox::DragDrop(QObject* source, int /*x*/, int y) {
  if (source != this || Count() == 0 || ItemIndex() < 0) return;
  const int topIndex = std::max(0, indexAt(QPoint(0, 0)).row());
  const int target = std::min((y + topIndex * ItemHeight()) / ItemHeight(), Count() - 1);
  const int from = ItemIndex();
  if (target == from) return;
  insertItem(target, takeItem(from));
  SetItemIndex(target);
  Raise(OnItemMove, this);
}

template <class Action>
void TiComponentEditorListBox::SelectingAction(Action action) {
  const int before = ItemIndex();
  action();
  if (ItemIndex() != before) RunShowingErrors(this, [this] { Raise(OnClick, this); });
}

void TiComponentEditorListBox::mousePressEvent(QMouseEvent* event) {
  SelectingAction([&] { QListWidget::mousePressEvent(event); });
}

void TiComponentEditorListBox::mouseDoubleClickEvent(QMouseEvent* event) {
  QListWidget::mouseDoubleClickEvent(event);
  RunShowingErrors(this, [this] { Raise(OnDblClick, this); });
}

void TiComponentEditorListBox::keyPressEvent(QKeyEvent* event) {
  SelectingAction([&] { QListWidget::keyPressEvent(event); });
}

void TiComponentEditorListBox::dragMoveEvent(QDragMoveEvent* event) {
  if (event->source() == this)
    event->acceptProposedAction();
  else
    event->ignore();
}

void TiComponentEditorListBox::dropEvent(QDropEvent* event) {
  const QPoint at = event->position().toPoint();
  event->setDropAction(Qt::IgnoreAction);
  event->accept();
  RunShowingErrors(this, [&] { DragDrop(event->source(), at.x(), at.y()); });
}
