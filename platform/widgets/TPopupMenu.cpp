#include "platform/widgets/TPopupMenu.h"

#include <QAction>
#include <QMenu>
#include <QPoint>

TPopupMenu::~TPopupMenu() { CloseUp(); }

TMenuItem& TPopupMenu::Add(std::unique_ptr<TMenuItem> item) {
  m_items.push_back(std::move(item));
  return *m_items.back();
}

TMenuItem& TPopupMenu::Add(const QString& caption, TNotifyEvent onClick) {
  auto item = std::make_unique<TMenuItem>();
  item->Caption = caption;
  item->OnClick = std::move(onClick);
  return Add(std::move(item));
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
  for (const auto& item : m_items) {
    if (!item->Visible) {
      continue;
    }
    QAction* action = m_menu->addAction(item->Caption);
    action->setEnabled(item->Enabled);
    action->setCheckable(item->Checked);
    action->setChecked(item->Checked);
    TMenuItem* raw = item.get();
    QObject::connect(action, &QAction::triggered, m_menu, [raw] { raw->Click(); });
  }
  m_menu->popup(QPoint(screenX, screenY));
}

bool TPopupMenu::IsShowing() const { return m_menu && m_menu->isVisible(); }

void TPopupMenu::CloseUp() {
  if (m_menu) {
    m_menu->close();
    m_menu = nullptr;
  }
}
