#pragma once

#include <chrono>

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

#include "tests/support/ProcessEventsUntil.h"

/// A left click in the middle of `widget` as a user makes it: its window
/// activated first (controls that take the focus on a press need it), then a
/// press and a release sent to the widget (a disabled widget takes neither).
inline void ClickWidget(QWidget* widget) {
  QWidget* window = widget->window();
  if (!window->isActiveWindow()) {
    window->activateWindow();
    ProcessEventsUntil([window] { return window->isActiveWindow(); }, std::chrono::seconds(2));
  }
  const QPointF at(widget->width() / 2, widget->height() / 2);
  QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(widget, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, at, widget->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(widget, &release);
}
