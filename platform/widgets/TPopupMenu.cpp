#include "platform/widgets/TPopupMenu.h"

#include <QAction>
#include <QMenu>
#include <QPoint>

namespace {

std::unique_ptr<TMenuItem> MakeItem(const QString& caption, TNotifyEvent onClick) {
  auto item = std::make_unique<TMenuItem>();
  item->Caption = caption;
  item->OnClick = std::move(onClick);
  return item;
}

}  // namespace

void AddMenuItemActions(QMenu& menu, const std::vector<TMenuItem*>& items) {
  for (TMenuItem* item : items) {
    if (!item->Visible) {
      continue;
    }
    if (item->Caption == QLatin1String("-")) {
      menu.addSeparator();
      continue;
    }
    if (item->Count() > 0) {
      QMenu* sub = menu.addMenu(item->Caption);
      sub->setEnabled(item->Enabled);
      std::vector<TMenuItem*> subItems;
      for (int i = 0; i < item->Count(); ++i) {
        subItems.push_back(&item->Item(i));
      }
      AddMenuItemActions(*sub, subItems);
      continue;
    }
    QAction* action = menu.addAction(item->Caption);
    action->setEnabled(item->Enabled);
    action->setCheckable(item->Checked);
    action->setChecked(item->Checked);
    QObject::connect(action, &QAction::triggered, &menu, [item] { item->Click(); });
  }
}

TMenuItem& TMenuItem::Add(std::unique_ptr<TMenuItem> item) {
  m_items.push_back(std::move(item));
  return *m_items.back();
}

TMenuItem& TMenuItem::Add(const QString& caption, TNotifyEvent onClick) {
  return Add(MakeItem(caption, std::move(onClick)));
}

TPopupMenu::~TPopupMenu() { CloseUp(); }

TMenuItem& TPopupMenu::Add(std::unique_ptr<TMenuItem> item) {
  m_items.push_back(std::move(item));
  return *m_items.back();
}

TMenuItem& TPopupMenu::Add(const QString& caption, TNotifyEvent onClick) {
  return Add(MakeItem(caption, std::move(onClick)));
}

void TPopupMenu::Clear() {
  CloseUp();
  while (!m_items.empty()) {
    m_items.pop_back();
  }
}

void TPopupMenu::Popup(int screenX, int screenY) {
  Raise(OnPopup, this);
  CloseUp();
  m_menu = new QMenu(m_parent);
  m_menu->setAttribute(Qt::WA_DeleteOnClose);
  std::vector<TMenuItem*> items;
  for (const auto& item : m_items) {
    items.push_back(item.get());
  }
  AddMenuItemActions(*m_menu, items);
  m_menu->popup(QPoint(screenX, screenY));
}

bool TPopupMenu::IsShowing() const { return m_menu && m_menu->isVisible(); }

void TPopupMenu::CloseUp() {
  if (m_menu) {
    m_menu->close();
    m_menu = nullptr;
  }
}
