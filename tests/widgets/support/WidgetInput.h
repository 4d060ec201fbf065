#pragma once

#include <functional>

#include <QPoint>
#include <QString>
#include <Qt>

class QWidget;

/// Synthetic mouse, key and wheel input sent straight to a widget, and a
/// way to show a window active so that it takes the focus. GUI thread.
namespace WidgetInput {

void Press(QWidget* w, QPoint at, Qt::MouseButton button = Qt::LeftButton);
void Release(QWidget* w, QPoint at, Qt::MouseButton button = Qt::LeftButton);
void Move(QWidget* w, QPoint at, Qt::MouseButtons held = Qt::LeftButton);
void Click(QWidget* w, QPoint at);
/// Press, release, double-click press, release: what a double click delivers.
void DoubleClick(QWidget* w, QPoint at);
void KeyDown(QWidget* w, int key, const QString& text = {}, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void KeyUp(QWidget* w, int key, const QString& text = {}, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void KeyClick(QWidget* w, int key, const QString& text = {}, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
/// Types each character as a key click.
void Type(QWidget* w, const QString& text);
void Wheel(QWidget* w, int angleDeltaY);
/// Shows the window, activates it and waits (bounded) until it is active.
bool ShowActive(QWidget* window);
/// Runs the event loop until the condition holds or the time is up.
bool WaitUntil(const std::function<bool()>& condition, int timeoutMs = 5000);

}  // namespace WidgetInput
