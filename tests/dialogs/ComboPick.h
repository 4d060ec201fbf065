#pragma once

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>

#include "platform/widgets/TComboBox.h"

/// Picks item `index` of a list as a user does: opens the list, moves to
/// the item and presses Enter.
inline void PickItem(TComboBox& list, int index) {
  auto* box = list.findChild<QComboBox*>();
  box->showPopup();
  QAbstractItemView* view = box->view();
  view->setCurrentIndex(box->model()->index(index, 0));
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QCoreApplication::sendEvent(view, &enter);
}
