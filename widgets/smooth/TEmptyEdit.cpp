#include "widgets/smooth/TEmptyEdit.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "platform/text/TFont.h"

namespace {

bool MovesInsideWindow(Qt::FocusReason reason) {
  return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

Qt::Key QtKeyOf(WORD key) {
  switch (key) {
    case VK_END: return Qt::Key_End;
    case VK_HOME: return Qt::Key_Home;
    case VK_LEFT: return Qt::Key_Left;
    case VK_RIGHT: return Qt::Key_Right;
    case VK_UP: return Qt::Key_Up;
    case VK_DOWN: return Qt::Key_Down;
    case VK_DELETE: return Qt::Key_Delete;
    case VK_BACK: return Qt::Key_Backspace;
    case VK_RETURN: return Qt::Key_Return;
    case VK_ESCAPE: return Qt::Key_Escape;
    case VK_TAB: return Qt::Key_Tab;
    default: return Qt::Key_unknown;
  }
}
}  // namespace

TEmptyEdit::TEmptyEdit(QWidget* parent) : QLineEdit(parent) {
  setFrame(false);
  setFocusPolicy(Qt::StrongFocus);
}

void TEmptyEdit::SetEmptyText(const QString& text) {
  if (StoreIfChanged(m_emptyText, text)) {
    update();
  }
}

void TEmptyEdit::SetText(const QString& value) {
  if (value == text()) {
    return;
  }
  setText(value);
  if (!hasFocus()) {
    ShowFromStart();
  }
  Raise(OnChange, this);
}

// A box nobody types in shows its text from the first character, aligned;
// the line edit would keep it scrolled to the caret at its end.
void TEmptyEdit::ShowFromStart() { setCursorPosition(0); }

void TEmptyEdit::PerformKey(WORD key, bool down) {
  const Qt::Key qtKey = QtKeyOf(key);
  if (qtKey == Qt::Key_unknown) {
    return;
  }
  QKeyEvent event(down ? QEvent::KeyPress : QEvent::KeyRelease, qtKey, Qt::NoModifier);
  if (down) {
    QLineEdit::keyPressEvent(&event);
  } else {
    QLineEdit::keyReleaseEvent(&event);
  }
}

// Every text change made by the user (typing, pasting, undo, drops) passes
// through an event; the change is raised once the edit has handled it.
bool TEmptyEdit::event(QEvent* event) {
  const QString before = text();
  const bool result = QLineEdit::event(event);
  if (text() != before) {
    Raise(OnChange, this);
  }
  return result;
}

void TEmptyEdit::paintEvent(QPaintEvent* event) {
  QLineEdit::paintEvent(event);
  if (!text().isEmpty() || m_emptyText.isEmpty()) {
    return;
  }
  // The prompt is written in a fresh canvas's font, not the edit's.
  QPainter painter(this);
  const QFont font = TFont().ToQFont();
  painter.setFont(font);
  painter.setPen(QColor(0x80, 0x80, 0x80));
  painter.drawText(QPointF(3, QFontMetricsF(font).ascent()), m_emptyText);
}

void TEmptyEdit::keyPressEvent(QKeyEvent* event) {
  WORD key = VirtualKeyOf(*event);
  if (key != 0 && OnKeyDown) {
    OnKeyDown(this, key, ShiftStateOf(*event));
    if (key == 0) {
      event->accept();
      return;
    }
  }
  if (!event->text().isEmpty() && OnKeyPress) {
    QChar ch = event->text().front();
    const QChar original = ch;
    OnKeyPress(this, ch);
    if (ch.isNull()) {
      event->accept();
      return;
    }
    if (ch != original) {
      QKeyEvent replaced(event->type(), event->key(), event->modifiers(), QString(ch));
      QLineEdit::keyPressEvent(&replaced);
      return;
    }
  }
  QLineEdit::keyPressEvent(event);
}

void TEmptyEdit::keyReleaseEvent(QKeyEvent* event) {
  WORD key = VirtualKeyOf(*event);
  if (key != 0 && OnKeyUp) {
    OnKeyUp(this, key, ShiftStateOf(*event));
    if (key == 0) {
      event->accept();
      return;
    }
  }
  QLineEdit::keyReleaseEvent(event);
}

void TEmptyEdit::mousePressEvent(QMouseEvent* event) {
  m_pressed = true;
  QLineEdit::mousePressEvent(event);
  if (OnMouseDown) {
    OnMouseDown(this, ButtonOf(event->button()), ShiftStateOf(*event), int(event->position().x()),
                int(event->position().y()));
  }
}

void TEmptyEdit::mouseReleaseEvent(QMouseEvent* event) {
  QLineEdit::mouseReleaseEvent(event);
  if (m_pressed && rect().contains(event->position().toPoint())) {
    Raise(OnClick, this);
  }
  m_pressed = false;
  if (OnMouseUp) {
    OnMouseUp(this, ButtonOf(event->button()), ShiftStateOf(*event), int(event->position().x()),
              int(event->position().y()));
  }
}

void TEmptyEdit::mouseMoveEvent(QMouseEvent* event) {
  QLineEdit::mouseMoveEvent(event);
  if (OnMouseMove) {
    OnMouseMove(this, ShiftStateOf(*event), int(event->position().x()), int(event->position().y()));
  }
}

void TEmptyEdit::mouseDoubleClickEvent(QMouseEvent* event) {
  QLineEdit::mouseDoubleClickEvent(event);
  Raise(OnDblClick, this);
}

// Enter and exit are focus moves inside the window: switching to another
// window, or a pop-up menu taking the keyboard, leaves the edit focused.
void TEmptyEdit::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  if (MovesInsideWindow(event->reason())) {
    Raise(OnEnter, this);
  }
}

void TEmptyEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  if (MovesInsideWindow(event->reason())) {
    ShowFromStart();
    Raise(OnExit, this);
  }
}

void TEmptyEdit::enterEvent(QEnterEvent* event) {
  QLineEdit::enterEvent(event);
  Raise(OnMouseEnter, this);
}

void TEmptyEdit::leaveEvent(QEvent* event) {
  QLineEdit::leaveEvent(event);
  Raise(OnMouseLeave, this);
}
