#pragma once

#include <memory>
#include <vector>

#include <QPointer>
#include <QString>

#include "platform/widgets/TPopupMenu.h"

class QMenuBar;
class QWidget;

/// A form's menu bar of named items. The items are plain data (TMenuItem):
/// code changes Caption, Visible, Checked or Enabled and then calls
/// Refresh, which rebuilds the bar; a sub-menu is rebuilt from its items
/// each time it opens, so check marks are always current. Owns its items.
/// GUI thread only.
class TMainMenu : public TObject {
public:
  TMainMenu() = default;
  ~TMainMenu() override;
  TMainMenu(const TMainMenu&) = delete;
  TMainMenu& operator=(const TMainMenu&) = delete;

  /// Appends a top-level item and returns it.
  TMenuItem& Add(std::unique_ptr<TMenuItem> item);
  int Count() const { return int(m_items.size()); }
  TMenuItem& Item(int index) const { return *m_items.at(index); }
  /// The item (at any depth) with this Name, or nullptr.
  TMenuItem* Find(const QString& name) const;

  /// Creates the bar on form (called by TForm::SetMenu) and returns it.
  QMenuBar* CreateBar(QWidget& form);
  QMenuBar* Bar() const;
  /// Rebuilds the bar from the items.
  void Refresh();

private:
  std::vector<std::unique_ptr<TMenuItem>> m_items;
  QPointer<QMenuBar> m_bar;
};
