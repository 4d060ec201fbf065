#include <algorithm>

#include <QMenuBar>
#include <QScrollBar>

#include "platform/widgets/TForm.h"
#include "platform/widgets/TMainMenu.h"

void TForm::SetMenu(TMainMenu* menu) {
  delete m_menuBar;
  m_menu = menu;
  m_menuBar = menu != nullptr ? menu->CreateBar(*this) : nullptr;
  if (m_menuBar != nullptr) {
    m_menuBar->show();
  }
  ScrollClient();
}

// Measured polished: the style changes the bar's height when it is shown.
int TForm::MenuHeight() const {
  if (m_menuBar == nullptr) {
    return 0;
  }
  m_menuBar->ensurePolished();
  return m_menuBar->sizeHint().height();
}

void TForm::SetAutoScroll(bool value) {
  if (StoreIfChanged(m_autoScroll, value)) {
    UpdateScrollBars();
  }
}

QPoint TForm::WantedOrigin() const {
  const int h = m_horzScrollBar->isVisibleTo(this) ? m_horzScrollBar->value() : 0;
  const int v = m_vertScrollBar->isVisibleTo(this) ? m_vertScrollBar->value() : 0;
  return {-h, MenuHeight() - v};
}

TRect TForm::ClientRect() const {
  const int w = width() - (m_vertScrollBar->isVisibleTo(this) ? m_vertScrollBar->sizeHint().width() : 0);
  const int h =
      height() - MenuHeight() - (m_horzScrollBar->isVisibleTo(this) ? m_horzScrollBar->sizeHint().height() : 0);
  return Rect(0, 0, std::max(w, 0), std::max(h, 0));
}

void TForm::ScrollClient() {
  const QPoint delta = WantedOrigin() - m_appliedOrigin;
  m_appliedOrigin += delta;
  if (delta.isNull()) {
    return;
  }
  for (TControl* child : Controls()) {
    child->move(child->pos() + delta);
  }
}

void TForm::UpdateScrollBars() {
  int right = 0;
  int bottom = 0;
  if (m_autoScroll) {
    for (TControl* child : Controls()) {
      if (child->Visible()) {
        right = std::max(right, child->Left() + child->Width());
        bottom = std::max(bottom, child->Top() + child->Height());
      }
    }
  }
  const int barW = m_vertScrollBar->sizeHint().width();
  const int barH = m_horzScrollBar->sizeHint().height();
  const int menuH = MenuHeight();
  // Each bar takes room from the other direction, so settle both together.
  bool needH = false;
  bool needV = false;
  for (int pass = 0; pass < 2; ++pass) {
    needH = m_autoScroll && right > width() - (needV ? barW : 0);
    needV = m_autoScroll && bottom > height() - menuH - (needH ? barH : 0);
  }
  const int clientW = width() - (needV ? barW : 0);
  const int clientH = height() - menuH - (needH ? barH : 0);
  const QSignalBlocker blockH(m_horzScrollBar);
  const QSignalBlocker blockV(m_vertScrollBar);
  m_horzScrollBar->setRange(0, needH ? right - clientW : 0);
  m_horzScrollBar->setPageStep(std::max(clientW, 1));
  m_horzScrollBar->setGeometry(0, height() - barH, clientW, barH);
  m_horzScrollBar->setVisible(needH);
  m_vertScrollBar->setRange(0, needV ? bottom - clientH : 0);
  m_vertScrollBar->setPageStep(std::max(clientH, 1));
  m_vertScrollBar->setGeometry(width() - barW, menuH, barW, clientH);
  m_vertScrollBar->setVisible(needV);
  m_horzScrollBar->raise();
  m_vertScrollBar->raise();
  ScrollClient();
}

void TForm::resizeEvent(QResizeEvent* event) {
  if (m_menuBar != nullptr) {
    m_menuBar->setGeometry(0, 0, width(), MenuHeight());
    m_menuBar->raise();
  }
  UpdateScrollBars();
  TWinControl::resizeEvent(event);
}
