#pragma once

#include <QString>
#include <QStringList>

#include "platform/widgets/TWinControl.h"

class QComboBox;

/// A plain drop-down list: the user picks one of Items, nothing is typed.
/// ItemHeight fixes the height of the rows of the open list (the forms'
/// fixed-height owner-drawn lists, drawn as plain text); 0 leaves the
/// platform's height. Writing Items or ItemIndex raises nothing; a user's
/// pick (mouse or keys) raises OnClick, then OnSelect, or OnChange when no
/// OnSelect is set. HelpContext is a number the owner files the list
/// under. Owned by its parent. GUI thread only.
class TComboBox : public TWinControl {
public:
  explicit TComboBox(QWidget* parent = nullptr);

  QStringList Items() const;
  /// Replaces the items; no item is selected afterwards.
  void SetItems(const QStringList& items);
  void Add(const QString& item);
  void ClearItems();
  int Count() const;
  int ItemIndex() const;
  /// Selects an item; an index outside the items selects none (-1).
  void SetItemIndex(int value);
  /// The selected item's text, or "" with none selected.
  QString Text() const;
  int ItemHeight() const { return m_itemHeight; }
  void SetItemHeight(int value);
  int HelpContext() const { return m_helpContext; }
  void SetHelpContext(int value) { m_helpContext = value; }
  void SetEnabled(bool value) override;

  TNotifyEvent OnChange;
  TNotifyEvent OnSelect;

protected:
  void resizeEvent(QResizeEvent* event) override;
  void FontChanged() override;

private:
  /// The user picked an item.
  void Picked();

  QComboBox* m_box = nullptr;
  int m_itemHeight = 0;
  int m_helpContext = 0;
};
