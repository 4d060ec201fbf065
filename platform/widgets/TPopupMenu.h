#pragma once

#include <memory>
#include <vector>

#include <QPointer>
#include <QString>

#include "platform/core/TObject.h"

class QMenu;
class QWidget;

/// One entry of a pop-up or main menu: Name, Caption ("-" draws a
/// separator), Visible, Enabled, Checked, Tag and OnClick; an item with
/// sub-items opens a sub-menu of them. Owned by its menu or parent item.
/// GUI thread only.
class TMenuItem : public TObject {
public:
  QString Name;
  QString Caption;
  bool Visible = true;
  bool Enabled = true;
  bool Checked = false;
  int Tag = 0;
  TNotifyEvent OnClick;

  /// Runs the item's click: OnClick.
  void Click() { Raise(OnClick, this); }
  /// Appends a sub-item and returns it.
  TMenuItem& Add(std::unique_ptr<TMenuItem> item);
  TMenuItem& Add(const QString& caption, TNotifyEvent onClick);
  int Count() const { return int(m_items.size()); }
  TMenuItem& Item(int index) const { return *m_items.at(index); }

private:
  std::vector<std::unique_ptr<TMenuItem>> m_items;
};

/// Adds the visible items to menu as actions (separators for "-", sub-menus
/// for items with sub-items); a triggered action clicks its item.
void AddMenuItemActions(QMenu& menu, const std::vector<TMenuItem*>& items);

/// A pop-up menu whose items are built in code just before it is shown
/// (the plot objects fill it on a right click). Popup shows it at a screen
/// position without waiting; a chosen item raises its OnClick. The menu
/// owns its items. GUI thread only.
class TPopupMenu : public TObject {
public:
  explicit TPopupMenu(QWidget* parent = nullptr) : m_parent(parent) {}
  ~TPopupMenu() override;
  TPopupMenu(const TPopupMenu&) = delete;
  TPopupMenu& operator=(const TPopupMenu&) = delete;

  /// Appends an item and returns it.
  TMenuItem& Add(std::unique_ptr<TMenuItem> item);
  TMenuItem& Add(const QString& caption, TNotifyEvent onClick);
  int Count() const { return int(m_items.size()); }
  TMenuItem& Item(int index) const { return *m_items.at(index); }
  /// Frees every item, the last first.
  void Clear();
  /// Shows the visible items at a screen position (non-blocking); raises
  /// OnPopup first.
  void Popup(int screenX, int screenY);
  /// Whether Popup has shown the menu and it is still open.
  bool IsShowing() const;
  void CloseUp();

  TNotifyEvent OnPopup;

private:
  QWidget* m_parent;
  std::vector<std::unique_ptr<TMenuItem>> m_items;
  QPointer<QMenu> m_menu;  // deletes itself when closed
};
