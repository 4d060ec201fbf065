#include "platform/widgets/TEdit.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "platform/widgets/InputTypes.h"

TEdit::TEdit(QWidget* parent) : TWinControl(parent), m_line(new QLineEdit(this)) {
  SetBounds(0, 0, 121, 21);
  SetColor(clWindow);
  SetTabStop(true);
  m_line->setFrame(true);
  m_line->setGeometry(0, 0, Width(), Height());
  m_line->setFont(Font().ToQFont());
  m_line->installEventFilter(this);
  setFocusProxy(m_line);
}

QString TEdit::Text() const { return m_line->text(); }

void TEdit::SetText(const QString& value) { m_line->setText(value); }

void TEdit::SetMaxLength(int value) {
  m_maxLength = value;
  m_line->setMaxLength(value > 0 ? value : 32767);
}

void TEdit::SetEnabled(bool value) {
  TWinControl::SetEnabled(value);
  m_line->setEnabled(value);
}

void TEdit::SelectAll() { m_line->selectAll(); }

void TEdit::SetAlignment(TAlignment value) {
  m_alignment = value;
  const Qt::Alignment horizontal = value == TAlignment::taCenter        ? Qt::AlignHCenter
                                   : value == TAlignment::taRightJustify ? Qt::AlignRight
                                                                         : Qt::AlignLeft;
  m_line->setAlignment(horizontal | Qt::AlignVCenter);
}

void TEdit::SetReadOnly(bool value) {
  m_readOnly = value;
  m_line->setReadOnly(value);
}

bool TEdit::eventFilter(QObject* watched, QEvent* event) {
  // The line edit holds the focus for the control: its focus changes are
  // the control's OnEnter and OnExit.
  if (watched == m_line && event->type() == QEvent::FocusIn) {
    DoEnter();
  } else if (watched == m_line && event->type() == QEvent::FocusOut) {
    DoExit();
  }
  if (watched == m_line && event->type() == QEvent::KeyPress && OnKeyDown) {
    const auto& keyEvent = static_cast<const QKeyEvent&>(*event);
    WORD key = VirtualKeyOf(keyEvent);
    if (key != 0) {
      OnKeyDown(this, key, ShiftStateOf(keyEvent));
      if (key == 0) {
        return true;
      }
    }
  }
  return TWinControl::eventFilter(watched, event);
}

void TEdit::resizeEvent(QResizeEvent* event) {
  TWinControl::resizeEvent(event);
  m_line->setGeometry(0, 0, Width(), Height());
}

void TEdit::FontChanged() {
  TWinControl::FontChanged();
  m_line->setFont(Font().ToQFont());
}
