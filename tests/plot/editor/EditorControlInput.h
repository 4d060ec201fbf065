#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include "platform/pictures/TBitmap.h"
#include "platform/widgets/TForm.h"
#include "tests/support/ProcessEventsUntil.h"

/// Mouse and key events delivered to a control through Qt's event
/// dispatch, as a user's input arrives, and a shown form to hold the
/// controls under test.
namespace EditorControlInput {

inline void Mouse(QWidget* w, QEvent::Type type, int x, int y) {
  const QPointF at(x, y);
  const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
  const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent event(type, at, w->mapToGlobal(at), button, held, Qt::NoModifier);
  QApplication::sendEvent(w, &event);
}

inline void Press(QWidget* w, int x, int y) { Mouse(w, QEvent::MouseButtonPress, x, y); }
inline void Move(QWidget* w, int x, int y) { Mouse(w, QEvent::MouseMove, x, y); }
inline void Release(QWidget* w, int x, int y) { Mouse(w, QEvent::MouseButtonRelease, x, y); }
inline void Click(QWidget* w, int x, int y) {
  Press(w, x, y);
  Release(w, x, y);
}

inline void Key(QWidget* w, QEvent::Type type, int key, const QString& text = {}) {
  QKeyEvent event(type, key, Qt::NoModifier, text);
  QApplication::sendEvent(w, &event);
}

inline void Tap(QWidget* w, int key, const QString& text = {}) {
  Key(w, QEvent::KeyPress, key, text);
  Key(w, QEvent::KeyRelease, key, text);
}

/// Width and height of text in font, measured on a bitmap's canvas.
inline TSize TextSizeIn(const TFont& font, const QString& text) {
  TBitmap measure(1, 1);
  measure.Canvas().Font().Assign(font);
  return measure.Canvas().TextExtent(text);
}

/// A form shown on the test platform and made the active window, so that
/// controls on it take the focus.
class ShownForm {
public:
  ShownForm() {
    form.SetBounds(0, 0, 400, 300);
    form.show();
    form.activateWindow();
    ProcessEventsUntil([this] { return form.isActiveWindow(); }, std::chrono::milliseconds(2000));
  }
  TForm form;
};

}  // namespace EditorControlInput
