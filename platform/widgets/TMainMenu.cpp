#include "platform/widgets/TMainMenu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

TMenuItem* FindIn(TMenuItem& item, const QString& name) {
  if (item.Name == name) {
    return &item;
  }
  for (int i = 0; i < item.Count(); ++i) {
    if (TMenuItem* found = FindIn(item.Item(i), name)) {
      return found;
    }
  }
  return nullptr;
}

std::vector<TMenuItem*> SubItems(const TMenuItem& item) {
  std::vector<TMenuItem*> items;
  for (int i = 0; i < item.Count(); ++i) {
    items.push_back(&item.Item(i));
  }
  return items;
}

}  // namespace

TMainMenu::~TMainMenu() { delete m_bar; }

QMenuBar* TMainMenu::Bar() const { return m_bar; }

TMenuItem& TMainMenu::Add(std::unique_ptr<TMenuItem> item) {
  m_items.push_back(std::move(item));
  return *m_items.back();
}

TMenuItem* TMainMenu::Find(const QString& name) const {
  for (const auto& item : m_items) {
    if (TMenuItem* found = FindIn(*item, name)) {
      return found;
    }
  }
  return nullptr;
}

QMenuBar* TMainMenu::CreateBar(QWidget& form) {
  delete m_bar;
  m_bar = new QMenuBar(&form);
  m_bar->setNativeMenuBar(false);
  Refresh();
  return m_bar;
}

void TMainMenu::Refresh() {
  if (m_bar == nullptr) {
    return;
  }
  m_bar->clear();
  for (const auto& owned : m_items) {
    TMenuItem* item = owned.get();
    if (!item->Visible) {
      continue;
    }
    if (item->Count() == 0) {
      QAction* action = m_bar->addAction(item->Caption);
      action->setEnabled(item->Enabled);
      QObject::connect(action, &QAction::triggered, m_bar, [item] { item->Click(); });
      continue;
    }
    QMenu* menu = m_bar->addMenu(item->Caption);
    menu->setEnabled(item->Enabled);
    QObject::connect(menu, &QMenu::aboutToShow, menu, [menu, item] {
      menu->clear();
      AddMenuItemActions(*menu, SubItems(*item));
    });
  }
}
