#pragma once

#include <functional>

#include <QListWidget>

#include "platform/drawing/TColor.h"
#include "platform/core/TObject.h"

/// Per item: whether a colour box is drawn, its colour and the text.
using TiListBoxGetDataEvent =
    std::function<void(int Index, bool& DrawColorBox, TColor& AColor, QString& AText)>;

/// The object list of an editor page: each item is a text with the object
/// it stands for. Items are drawn with a colour box (red unless OnGetData
/// says otherwise) at Left + 2 .. Left + 18 and the text at Left + 22;
/// the selected item teal with white text. A user's selection runs
/// OnClick; dragging an item onto another (or below the last) moves it
/// there and raises OnItemMove. Deleting an item's object goes through
/// FreeObject, which the editor sets to the plot's deletion path; without
/// it the object is left to its owner. GUI thread only.
class TiComponentEditorListBox : public QListWidget, public TObject {
public:
  explicit TiComponentEditorListBox(QWidget* parent = nullptr);

  QString Name() const { return objectName(); }
  void SetName(const QString& name) { setObjectName(name); }
  void SetBounds(int left, int top, int width, int height) { setGeometry(left, top, width, height); }

  int Count() const { return count(); }
  void AddObject(const QString& text, TObject* object);
  TObject* Object(int index) const;
  QString Item(int index) const;
  void Clear() { clear(); }
  int ItemIndex() const { return currentRow(); }
  /// Selects without OnClick; out of range selects nothing.
  void SetItemIndex(int index);
  int ItemHeight() const;

  void SelectLast() { SetItemIndex(Count() - 1); }
  /// Deletes the selected item and frees its object; the same index (or the
  /// last) is selected after. Nothing when nothing is selected.
  void DeleteSelectedObject();
  /// Deletes the item holding object, without freeing it; the selection
  /// stays where it was (or goes to the last). Nothing for a stranger.
  void DeleteObjectIndex(TObject* object);
  /// A drop of this list's selected item at (x, y): moves it to the item
  /// there (the last one below all items) and raises OnItemMove.
  void DragDrop(QObject* source, int x, int y);

  TiListBoxGetDataEvent OnGetData;
  TNotifyEvent OnItemMove;
  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  std::function<void(TObject* object)> FreeObject;

protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

private:
  /// Runs a user's action; a changed selection raises OnClick.
  template <class Action>
  void SelectingAction(Action action);
};
