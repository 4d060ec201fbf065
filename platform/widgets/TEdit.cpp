#include "platform/widgets/TEdit.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QValidator>

#include "platform/widgets/InputTypes.h"

namespace {

/// The edit's case and character rules for typed and pasted text: the
/// text is put into the edit's case, and text with a refused character is
/// invalid, so it never enters.
class EditRules : public QValidator {
public:
  EditRules(const TEdit& edit, QObject* parent) : QValidator(parent), m_edit(edit) {}

  State validate(QString& input, int& /*pos*/) const override {
    input = m_edit.InCharCase(input);
    return m_edit.FilterTakes(input) ? Acceptable : Invalid;
  }

private:
  const TEdit& m_edit;
};

}  // namespace

TEdit::TEdit(QWidget* parent) : TWinControl(parent), m_line(new QLineEdit(this)) {
  SetBounds(0, 0, 121, 21);
  SetColor(clWindow);
  SetTabStop(true);
  m_line->setFrame(true);
  m_line->setGeometry(0, 0, Width(), Height());
  m_line->setFont(Font().ToQFont());
  m_line->installEventFilter(this);
  setFocusProxy(m_line);
  m_line->setValidator(new EditRules(*this, this));
}

TEdit::~TEdit() {
  // The line edit outlives this part of the control: its last focus and text
  // events must no longer reach the rules or the handlers.
  m_line->removeEventFilter(this);
  m_line->setValidator(nullptr);
}

QString TEdit::Text() const { return m_line->text(); }

void TEdit::SetText(const QString& value) { m_line->setText(InCharCase(value)); }

void TEdit::SetMaxLength(int value) {
  m_maxLength = value;
  m_line->setMaxLength(value > 0 ? value : 32767);
}

void TEdit::SetAlignment(TAlignment value) {
  m_alignment = value;
  const Qt::Alignment horizontal = value == TAlignment::taCenter       ? Qt::AlignHCenter
                                   : value == TAlignment::taRightJustify ? Qt::AlignRight
                                                                         : Qt::AlignLeft;
  m_line->setAlignment(horizontal | Qt::AlignVCenter);
}

void TEdit::SetNumbersOnly(bool value) { m_numbersOnly = value; }

void TEdit::SetPasswordChar(QChar value) {
  m_passwordChar = value;
  m_line->setEchoMode(value.isNull() ? QLineEdit::Normal : QLineEdit::Password);
  m_line->setStyleSheet(value.isNull() ? QString()
                                       : QStringLiteral("lineedit-password-character: %1").arg(value.unicode()));
}

void TEdit::SetCharCase(TEditCharCase value) {
  m_charCase = value;
  m_line->setText(InCharCase(m_line->text()));
}

bool TEdit::FilterTakes(const QString& text) const {
  for (const QChar c : text) {
    if ((m_numbersOnly && (c < QLatin1Char('0') || c > QLatin1Char('9'))) || (m_charFilter && !m_charFilter(c))) {
      return false;
    }
  }
  return true;
}

QString TEdit::InCharCase(const QString& text) const {
  switch (m_charCase) {
    case TEditCharCase::ecUpperCase:
      return text.toUpper();
    case TEditCharCase::ecLowerCase:
      return text.toLower();
    case TEditCharCase::ecNormal:
      break;
  }
  return text;
}

void TEdit::SetReadOnly(bool value) {
  m_readOnly = value;
  m_line->setReadOnly(value);
}

void TEdit::SetEnabled(bool value) {
  TWinControl::SetEnabled(value);
  m_line->setEnabled(value);
}

void TEdit::SelectAll() { m_line->selectAll(); }

QString TEdit::SelText() const { return m_line->selectedText(); }

bool TEdit::FilterKey(QEvent* event) {
  const auto& keyEvent = static_cast<const QKeyEvent&>(*event);
  WORD key = VirtualKeyOf(keyEvent);
  if (key != 0 && OnKeyDown) {
    OnKeyDown(this, key, ShiftStateOf(keyEvent));
    if (key == 0) {
      return true;
    }
  }
  const QString text = keyEvent.text();
  if (OnKeyPress && text.size() == 1 && (text[0].isPrint() || text[0] == QLatin1Char('\r'))) {
    QChar c = text[0];
    OnKeyPress(this, c);
    if (c.isNull()) {
      return true;
    }
  }
  return false;
}

bool TEdit::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_line) {
    switch (event->type()) {
      case QEvent::KeyPress:
        if (FilterKey(event)) {
          return true;
        }
        break;
      case QEvent::FocusIn:
        DoEnter();
        break;
      case QEvent::FocusOut:
        DoExit();
        break;
      case QEvent::MouseButtonPress:
        if (OnMouseDown) {
          // The edit places its cursor first; the handler sees the result.
          static_cast<QObject*>(m_line)->event(event);
          const auto& mouse = static_cast<const QMouseEvent&>(*event);
          const QPoint at = mouse.position().toPoint();
          OnMouseDown(this, ButtonOf(mouse.button()), ShiftStateOf(mouse), at.x(), at.y());
          return true;
        }
        break;
      default:
        break;
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

void TEdit::ColorChanged() {
  TWinControl::ColorChanged();
  if (m_line != nullptr) {
    QPalette palette = m_line->palette();
    palette.setColor(QPalette::Base, ToQColor(Color()));
    palette.setColor(QPalette::Disabled, QPalette::Base, ToQColor(Color()));
    // A disabled edit shows its text greyed, readable on any face.
    palette.setColor(QPalette::Disabled, QPalette::Text, ToQColor(clGrayText));
    m_line->setPalette(palette);
  }
}
