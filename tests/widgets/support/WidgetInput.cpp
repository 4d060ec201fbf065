#include "tests/widgets/support/WidgetInput.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWidget>

namespace WidgetInput {
namespace {
void SendMouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
  QMouseEvent event(type, QPointF(at), w->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
  QApplication::sendEvent(w, &event);
}

void SendKey(QWidget* w, QEvent::Type type, int key, const QString& text, Qt::KeyboardModifiers modifiers) {
  QKeyEvent event(type, key, modifiers, text);
  QWidget* target = w->focusProxy() != nullptr ? w->focusProxy() : w;
  QApplication::sendEvent(target, &event);
}
}  // namespace

void Press(QWidget* w, QPoint at, Qt::MouseButton button) {
  SendMouse(w, QEvent::MouseButtonPress, at, button, button);
}
void Release(QWidget* w, QPoint at, Qt::MouseButton button) {
  SendMouse(w, QEvent::MouseButtonRelease, at, button, Qt::NoButton);
}
void Move(QWidget* w, QPoint at, Qt::MouseButtons held) { SendMouse(w, QEvent::MouseMove, at, Qt::NoButton, held); }

void Click(QWidget* w, QPoint at) {
  Press(w, at);
  Release(w, at);
}

void DoubleClick(QWidget* w, QPoint at) {
  Click(w, at);
  SendMouse(w, QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton);
  Release(w, at);
}

void KeyDown(QWidget* w, int key, const QString& text, Qt::KeyboardModifiers modifiers) {
  SendKey(w, QEvent::KeyPress, key, text, modifiers);
}
void KeyUp(QWidget* w, int key, const QString& text, Qt::KeyboardModifiers modifiers) {
  SendKey(w, QEvent::KeyRelease, key, text, modifiers);
}
void KeyClick(QWidget* w, int key, const QString& text, Qt::KeyboardModifiers modifiers) {
  KeyDown(w, key, text, modifiers);
  KeyUp(w, key, text, modifiers);
}

void Type(QWidget* w, const QString& text) {
  for (const QChar c : text) {
    KeyClick(w, c.toUpper().unicode(), QString(c));
  }
}

void Wheel(QWidget* w, int angleDeltaY) {
  const QPointF at(2, 2);
  QWheelEvent event(at, w->mapToGlobal(at), QPoint(), QPoint(0, angleDeltaY), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(w, &event);
}

bool WaitUntil(const std::function<bool()>& condition, int timeoutMs) {
  QDeadlineTimer deadline(timeoutMs);
  while (!condition()) {
    if (deadline.hasExpired()) {
      return false;
    }
    QApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  return true;
}

bool ShowActive(QWidget* window) {
  window->show();
  window->activateWindow();
  return WaitUntil([window] { return window->isActiveWindow(); });
}

}  // namespace WidgetInput
